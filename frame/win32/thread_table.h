// The contexts of every host thread that called the plug-in, by thread id.
// Guarded by a critical section; the last lookup is cached because one
// thread usually calls many times in a row.
#pragma once
#include "frame/win32/thread_context.h"

#include <map>
#include <memory>
#include <windows.h>

class ThreadTable {
public:
    ThreadTable();
    ~ThreadTable();  // destroys every context
    ThreadTable(const ThreadTable&) = delete;
    ThreadTable& operator=(const ThreadTable&) = delete;

    // The calling thread's context, made on first use; null only when it
    // could not be allocated.
    PluginThreadContext* current(HINSTANCE plugin);
    // Removes and destroys the calling thread's context, if any.
    void removeCurrent();
    size_t size();

private:
    CRITICAL_SECTION lock_;
    std::map<DWORD, std::unique_ptr<PluginThreadContext>> contexts_; // owned
    DWORD cachedThread_ = 0;
    PluginThreadContext* cached_ = nullptr;  // not owned: an entry of contexts_
};
