#include "frame/win32/thread_table.h"

#include <new>

ThreadTable::ThreadTable() { InitializeCriticalSection(&lock_); }

ThreadTable::~ThreadTable() {
    // Main windows close as their contexts go; do that outside the lock.
    std::map<DWORD, std::unique_ptr<PluginThreadContext>> doomed;
    EnterCriticalSection(&lock_);
    doomed.swap(contexts_);
    cached_ = nullptr;
    cachedThread_ = 0;
    LeaveCriticalSection(&lock_);
    doomed.clear();
    DeleteCriticalSection(&lock_);
}

PluginThreadContext* ThreadTable::current(HINSTANCE plugin) {
    DWORD id = GetCurrentThreadId();
    PluginThreadContext* result = nullptr;
    EnterCriticalSection(&lock_);
    if (cached_ && cachedThread_ == id) {
        result = cached_;
    } else {
        auto it = contexts_.find(id);
        if (it != contexts_.end()) {
            result = it->second.get();
        } else {
            std::unique_ptr<PluginThreadContext> made(new (std::nothrow) PluginThreadContext(id, plugin));
            if (made) {
                result = made.get();
                try {
                    contexts_.emplace(id, std::move(made));
                } catch (...) {
                    result = nullptr;
                }
            }
        }
        if (result) {
            cached_ = result;
            cachedThread_ = id;
        }
    }
    LeaveCriticalSection(&lock_);
    return result;
}

void ThreadTable::removeCurrent() {
    DWORD id = GetCurrentThreadId();
    std::unique_ptr<PluginThreadContext> doomed;
    EnterCriticalSection(&lock_);
    auto it = contexts_.find(id);
    if (it != contexts_.end()) {
        doomed = std::move(it->second);
        contexts_.erase(it);
        if (cachedThread_ == id) {
            cached_ = nullptr;
            cachedThread_ = 0;
        }
    }
    LeaveCriticalSection(&lock_);
}

size_t ThreadTable::size() {
    EnterCriticalSection(&lock_);
    size_t n = contexts_.size();
    LeaveCriticalSection(&lock_);
    return n;
}
