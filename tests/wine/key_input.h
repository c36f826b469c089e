// Key presses made with SendInput, so that they pass through the system's
// input queue and the plug-in's keyboard hook as a user's keys do.
#pragma once
#include <initializer_list>
#include <vector>
#include <windows.h>

namespace key_input {

inline INPUT key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses vk with the modifiers held, then lets everything go.
inline std::vector<INPUT> chord(std::initializer_list<WORD> modifiers, WORD vk) {
    std::vector<INPUT> in;
    for (WORD m : modifiers) in.push_back(key(m, false));
    in.push_back(key(vk, false));
    in.push_back(key(vk, true));
    for (WORD m : modifiers) in.push_back(key(m, true));
    return in;
}

// Lower-case letters and digits as key presses.
inline std::vector<INPUT> letters(const char* text) {
    std::vector<INPUT> in;
    for (const char* c = text; *c; ++c) {
        WORD vk = static_cast<WORD>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
        in.push_back(key(vk, false));
        in.push_back(key(vk, true));
    }
    return in;
}

// True when every press was queued.
inline bool send(const std::vector<INPUT>& in) {
    return SendInput(static_cast<UINT>(in.size()), const_cast<INPUT*>(in.data()), sizeof(INPUT)) == in.size();
}

} // namespace key_input
