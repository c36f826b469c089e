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
    ~ThreadTable();  // ends every context as endAll() does
    ThreadTable(const ThreadTable&) = delete;
    ThreadTable& operator=(const ThreadTable&) = delete;

    // The calling thread's context, made on first use; null only when it
    // could not be allocated.
    PluginThreadContext* current(HINSTANCE plugin);
    // Closes and destroys the calling thread's context, if any (the thread
    // is ending).
    void removeCurrent();
    // The library is going: the calling thread's context is closed and
    // destroyed; every other thread's context is unhooked and taken out of
    // the table (see the definition for what happens to its windows).
    void endAll();
    size_t size();

private:
    // Takes id's entry out of the table; null when there is none.
    std::unique_ptr<PluginThreadContext> take(DWORD id);

    CRITICAL_SECTION lock_;
    std::map<DWORD, std::unique_ptr<PluginThreadContext>> contexts_; // owned
    DWORD cachedThread_ = 0;
    PluginThreadContext* cached_ = nullptr;  // not owned: an entry of contexts_
};
