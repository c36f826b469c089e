// The input method of a window, held for as long as the object lives: the
// completions act on the editor's text only while the user is not in the
// middle of composing characters with it.
#pragma once
#include <windows.h>
#include <imm.h>

class ImmContext {
public:
    explicit ImmContext(HWND window) : window_(window), context_(window ? ImmGetContext(window) : nullptr) {}
    ~ImmContext() {
        if (context_) ImmReleaseContext(window_, context_);
    }
    ImmContext(const ImmContext&) = delete;
    ImmContext& operator=(const ImmContext&) = delete;

    // Keys go straight into the text: no input method, a closed one, or
    // one in no-conversion mode.
    bool isDirectInput() const;
    // Direct input, or nothing being composed at the moment.
    bool isNotComposing() const;

private:
    HWND window_;        // not owned
    HIMC context_;       // owned: released in the destructor; null without one
};
