#include "frame/win32/plugin_app.h"
#include "frame/win32/thread_table.h"
#include "settings/setting_keys.h"

#include <memory>
#include <new>

namespace app {
namespace {

struct Objects {
    HINSTANCE plugin = nullptr;                           // not owned
    std::unique_ptr<platform::NamedMutex> mutexes[4];     // owned handles
    std::unique_ptr<CSetting> settings;                   // owned
    std::unique_ptr<ThreadTable> threads;                 // owned
};
Objects g;

constexpr const char16_t* MutexNames[4] = {
    ini_keys::MutexName, u"Vexa2MutexInstanceCount", u"Vexa2MutexJumpReturn", u"Vexa2MutexJump"};

char16_t* threadBuffer() {
    PluginThreadContext* ctx = context();
    return ctx ? ctx->textBuffer.data() : nullptr;
}

} // namespace

StartResult start(HINSTANCE plugin, u16view pluginFolder) {
    stop();
    g.plugin = plugin;
    for (int i = 0; i < 4; ++i) {
        g.mutexes[i] = platform::createNamedMutex(MutexNames[i]);
        if (!g.mutexes[i]) {
            stop();
            return StartResult::NoMutexes;
        }
    }
    g.settings.reset(new (std::nothrow) CSetting(pluginFolder));
    if (!g.settings || !g.settings->isUsable()) {
        stop();
        return StartResult::NoSettings;
    }
    if (!g.settings->applyLocationRule()) {
        stop();
        return StartResult::NoProfileFolder;
    }
    g.threads.reset(new (std::nothrow) ThreadTable());
    if (!g.threads) {
        stop();
        return StartResult::NoThreadTable;
    }
    CSetting::threadBufferProvider = &threadBuffer;
    return StartResult::Started;
}

void stop() {
    // Contexts first: closing a main window still uses the settings and
    // the instance-count mutex. They end while the table is still in
    // place, so that the closing thread finds its own context.
    if (g.threads) g.threads->endAll();
    g.threads.reset();
    CSetting::threadBufferProvider = nullptr;
    g.settings.reset();
    for (auto& m : g.mutexes) m.reset();
    g.plugin = nullptr;
}

void abandon() {
    CSetting::threadBufferProvider = nullptr;
    (void)g.threads.release();
    (void)g.settings.release();
    for (auto& m : g.mutexes) (void)m.release();
    g.plugin = nullptr;
}

CSetting* settings() { return g.settings.get(); }

platform::NamedMutex* mutex(AppMutex which) { return g.mutexes[static_cast<int>(which)].get(); }

PluginThreadContext* context() { return g.threads ? g.threads->current(g.plugin) : nullptr; }

void threadEnded() {
    if (g.threads) g.threads->removeCurrent();
}

size_t contextCount() { return g.threads ? g.threads->size() : 0; }

} // namespace app
