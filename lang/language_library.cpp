// The exports of a language library, shared by every language: each one is
// this file linked with its own generated text table.
#include "lang/text_table.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <string>

#ifndef VEXA_LANG_VERSION
#define VEXA_LANG_VERSION 5
#endif

namespace {
// Message identifiers start at 0x1000000; everything below is configuration.
constexpr uint32_t kFirstMessage = 0x1000000;

const wchar_t* find(uint32_t id) {
    unsigned low = 0, high = kTextCount;
    while (low < high) {
        unsigned mid = low + (high - low) / 2;
        if (kTexts[mid].id < id) low = mid + 1;
        else high = mid;
    }
    return low < kTextCount && kTexts[low].id == id ? kTexts[low].text : nullptr;
}

const wchar_t* message(uint32_t id) {
    const wchar_t* t = id >= kFirstMessage ? find(id) : nullptr;
    return t ? t : L"";
}

const wchar_t* config(uint32_t id) {
    const wchar_t* t = id < kFirstMessage ? find(id) : nullptr;
    return t ? t : L"";
}

// Narrow texts are made on first request in the system's code page and
// kept for the life of the library, as callers keep the pointers.
const char* narrow(const wchar_t* text) {
    static std::mutex lock;
    static std::map<const wchar_t*, std::string> cache;
    std::lock_guard<std::mutex> guard(lock);
    auto found = cache.find(text);
    if (found != cache.end()) return found->second.c_str();
    std::string bytes;
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n > 1) {
        bytes.resize(static_cast<size_t>(n));
        WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), n, nullptr, nullptr);
        bytes.resize(static_cast<size_t>(n - 1));
    }
    return cache.emplace(text, std::move(bytes)).first->second.c_str();
}
} // namespace

#define VEXA_LANG_EXPORT extern "C" __declspec(dllexport)

VEXA_LANG_EXPORT int WINAPI GetVexa2LanguageDllVersion() { return VEXA_LANG_VERSION; }
VEXA_LANG_EXPORT const wchar_t* WINAPI GetVexa2MessageW(uint32_t id) { return message(id); }
VEXA_LANG_EXPORT const char* WINAPI GetVexa2MessageA(uint32_t id) { return narrow(message(id)); }
VEXA_LANG_EXPORT const wchar_t* WINAPI GetVexa2ConfigW(uint32_t id) { return config(id); }
VEXA_LANG_EXPORT const char* WINAPI GetVexa2ConfigA(uint32_t id) { return narrow(config(id)); }
// The CT texts have no table of their own: they share the message identifiers.
VEXA_LANG_EXPORT const wchar_t* WINAPI GetVexa2CTMessageW(uint32_t id) { return message(id); }
#ifndef VEXA_LANG_WITHOUT_CT_A
VEXA_LANG_EXPORT const char* WINAPI GetVexa2CTMessageA(uint32_t id) { return narrow(message(id)); }
#endif
