#include "mainwindow/key_code.h"

namespace key_code {
namespace {

bool isModifierKey(uint32_t vk) {
    // Shift, Ctrl, Alt, and their left and right variants.
    return (vk >= 0x10 && vk <= 0x12) || (vk >= 0xA0 && vk <= 0xA5);
}

struct Named {
    uint32_t vk;
    const char16_t* name;
};
// The punctuation as labelled on a Japanese keyboard; both backslash keys
// of that layout are named "\".
constexpr Named Punctuation[] = {
    {9, u"Tab"},  {13, u"Enter"}, {32, u"Space"}, {186, u":"}, {187, u";"}, {188, u","}, {189, u"-"},
    {190, u"."},  {191, u"/"},    {192, u"@"},    {219, u"["}, {220, u"\\"}, {221, u"]"}, {222, u"^"},
    {226, u"\\"},
};

u16 lowByteName(uint32_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return u16(1, static_cast<char16_t>(vk));
    if (vk >= 112 && vk <= 123) {   // F1 - F12
        u16 s = u"F";
        uint32_t n = vk - 111;
        if (n >= 10) s += static_cast<char16_t>(u'0' + n / 10);
        s += static_cast<char16_t>(u'0' + n % 10);
        return s;
    }
    for (const Named& p : Punctuation)
        if (p.vk == vk) return p.name;
    return u16();
}

} // namespace

KeyCode make(uint32_t virtualKey, bool shift, bool ctrl, bool alt) {
    virtualKey &= 0xFF;
    if (virtualKey == 0 || isModifierKey(virtualKey)) return 0;
    return virtualKey | (shift ? Shift : 0) | (ctrl ? Ctrl : 0) | (alt ? Alt : 0);
}

u16 keyName(KeyCode code) {
    u16 s;
    if (code & Ctrl) s += u"Ctrl + ";
    if (code & Shift) s += u"Shift + ";
    if (code & Alt) s += u"Alt + ";
    return s + lowByteName(virtualKey(code));
}

} // namespace key_code
