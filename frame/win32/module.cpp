#include "frame/win32/module.h"

namespace {
HINSTANCE g_instance = nullptr;   // set once at attach, read by every thread
} // namespace

HINSTANCE pluginInstance() { return g_instance; }
void setPluginInstance(HINSTANCE instance) { g_instance = instance; }

std::wstring moduleFileName(HMODULE module) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::wstring();
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        if (buffer.size() > 32768) return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}
