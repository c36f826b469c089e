#include "frame/win32/thread_table.h"

#include <new>

ThreadTable::ThreadTable() { InitializeCriticalSection(&lock_); }

ThreadTable::~ThreadTable() {
    endAll();
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

std::unique_ptr<PluginThreadContext> ThreadTable::take(DWORD id) {
    std::unique_ptr<PluginThreadContext> taken;
    EnterCriticalSection(&lock_);
    auto it = contexts_.find(id);
    if (it != contexts_.end()) {
        taken = std::move(it->second);
        contexts_.erase(it);
        if (cachedThread_ == id) {
            cached_ = nullptr;
            cachedThread_ = 0;
        }
    }
    LeaveCriticalSection(&lock_);
    return taken;
}

void ThreadTable::removeCurrent() {
    DWORD id = GetCurrentThreadId();
    // Closed while still in the table and outside the lock: the main
    // window's teardown reads settings through the thread's text buffer,
    // and a lookup that missed would make the thread a new context.
    PluginThreadContext* ctx = nullptr;
    EnterCriticalSection(&lock_);
    auto it = contexts_.find(id);
    if (it != contexts_.end()) ctx = it->second.get();
    LeaveCriticalSection(&lock_);
    if (ctx) ctx->close();
    take(id);   // destroyed here, outside the lock
}

void ThreadTable::endAll() {
    removeCurrent();
    std::map<DWORD, std::unique_ptr<PluginThreadContext>> others;
    EnterCriticalSection(&lock_);
    others.swap(contexts_);
    cached_ = nullptr;
    cachedThread_ = 0;
    LeaveCriticalSection(&lock_);
    // Another thread's windows can be destroyed only by that thread, and
    // waiting for it here (the loader's lock is held) could hang the host:
    // its teardown may itself wait for that lock. Its hooks can be removed
    // from any thread, and they matter most: they sit in every key press
    // and click of the host's window. A context whose main window is still
    // open is left allocated, so that its window never refers to freed
    // memory. A context without a window is freed.
    for (auto& [thread, ctx] : others) {
        ctx->unhook();
        HWND window = ctx->mainWindow.handle();
        if (window && IsWindow(window)) (void)ctx.release();
    }
}

size_t ThreadTable::size() {
    EnterCriticalSection(&lock_);
    size_t n = contexts_.size();
    LeaveCriticalSection(&lock_);
    return n;
}
