#include "support/win32/imm_context.h"

bool ImmContext::isDirectInput() const {
    if (!context_ || !ImmGetOpenStatus(context_)) return true;
    DWORD conversion = 0, sentence = 0;
    if (!ImmGetConversionStatus(context_, &conversion, &sentence)) return false;
    return (conversion & IME_CMODE_NOCONVERSION) != 0;
}

bool ImmContext::isNotComposing() const {
    if (isDirectInput()) return true;
    // Each character being composed has an attribute byte.
    return ImmGetCompositionStringW(context_, GCS_COMPATTR, nullptr, 0) <= 0;
}
