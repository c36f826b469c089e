// The numbers of the host editor interface: the window messages the
// plug-in sends to the editor window, the binary records they carry, and
// the event bits the host passes to OnEvents. Shared by the plug-in, the
// stand-in host and the tests, so all three agree on every number; one
// native test pins each of them to the host's documented value.
#pragma once
#include <cstdint>

namespace hostmsg {

enum : uint32_t {
    GetHostSetting = 2049,         // wParam setting id, lParam int32_t* out
    RefreshPluginState = 2050,     // wParam plug-in index
    GetLineCount = 2052,           // wParam 2; result: lines (empty document: 1)
    GetCaretPos = 2054,            // wParam kind, lParam Point* out
    GetScrollPos = 2057,           // lParam Point* out
    LogicalToViewPos = 2062,       // wParam const Point* logical, lParam Point* view out
    SetCaretPos = 2066,            // wParam kind, lParam const Point*; clears the selection
    SetScrollPos = 2067,           // lParam const Point* (view)
    RunHostCommand = 2070,         // wParam command id
    IsDocumentModified = 2071,
    GetSelectionStart = 2074,      // wParam kind, lParam Point* out
    GetSelectionEnd = 2075,
    SetSelection = 2081,           // wParam const Point* anchor, lParam const Point* active end (view)
    SetEditorRedraw = 2092,        // wParam 0 stop, 1 resume (nests)
    GetSelectedText = 2094,        // wParam buffer chars (0 asks), lParam wchar_t*
    GetLineText = 2095,            // wParam LineTextRequest*, lParam wchar_t*
    SetDocumentMode = 2099,        // lParam mode name
    InsertText = 2100,             // lParam text
    RunHostCommandWithText = 2101, // wParam 802, lParam pattern
    SetStatusText = 2104,          // lParam text, "" clears
    GetDocumentInfo = 2106,        // LOWORD(wParam) sub-code, HIWORD document index + 1
};

// Sub-codes of GetDocumentInfo.
enum : uint32_t {
    DocPath = 280,           // lParam: buffer of DocPathCapacity chars; result: length
    DocFocusOnClose = 298,   // 0: the plug-in gives the focus back to the editor
    DocCount = 301,
    DocHandle = 302,         // lParam: document index; result: handle
    DocIndexOfHandle = 303,  // lParam: handle; result: index
    DocActiveIndex = 306,
    DocActivate = 307,       // activates the document in the high word
};
constexpr uint32_t DocPathCapacity = 262;

// Host settings read through GetHostSetting.
enum : int32_t {
    SettingReadOnly = 4142,
    SettingBandTitle = 4340,
    SettingMultiDocument = 4342,
};

// Host commands run through RunHostCommand.
enum : int32_t {
    CmdSave = 4099,
    CmdDeleteForward = 4135,   // the character after the caret, or the selection
    CmdSelectAll = 4136,
    CmdCaretLineEnd = 4167,
    CmdCaretDocumentEnd = 4169,
    CmdDeleteLine = 4190,      // the caret's line with its line break
    CmdClearHighlight = 4206,
};
constexpr uint32_t SearchHighlightCommand = 802; // wParam of RunHostCommandWithText

// The request record of GetLineText.
struct LineTextRequest {
    uint32_t cch;  // buffer size in characters; 0 asks for the length
    uint32_t kind; // always 1
    int32_t line;
};
static_assert(sizeof(LineTextRequest) == 12, "three 32-bit fields");

} // namespace hostmsg

// Event bits of OnEvents.
namespace plugin_event {
enum : uint32_t {
    Idle = 0x40,
    PluginIndex = 0x400,        // LOWORD(lParam): the plug-in's index
    Closing = 0x800,            // the editor window closes
    DocumentOpened = 0x2000,
    Activated = 0x8000,         // window activated or document changed
    PluginIndexAlt = 0x10000,
    ClosingAlt = 0x20000,
    DocumentSwitched = 0x40000,
    DocumentClosed = 0x100000,  // lParam: handle of the closed document
};
} // namespace plugin_event
