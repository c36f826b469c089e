// The plug-in, the stand-in host and the other tests all take their numbers
// from frame/host_messages.h, so a wrong number there passes everywhere
// else. Here each one is written out again, by hand, from the host editor's
// documented interface.
#include "frame/host_editor.h"
#include "frame/host_messages.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {
struct Pinned {
    const char* name;
    uint64_t value;     // as the code has it
    uint64_t expected;  // as the host documents it
};
} // namespace

TEST(HostInterfaceNumbers, EveryNumberIsTheDocumentedOne) {
    const Pinned rows[] = {
        // editor messages
        {"GetHostSetting", hostmsg::GetHostSetting, 2049},
        {"RefreshPluginState", hostmsg::RefreshPluginState, 2050},
        {"GetLineCount", hostmsg::GetLineCount, 2052},
        {"GetCaretPos", hostmsg::GetCaretPos, 2054},
        {"GetScrollPos", hostmsg::GetScrollPos, 2057},
        {"LogicalToViewPos", hostmsg::LogicalToViewPos, 2062},
        {"SetCaretPos", hostmsg::SetCaretPos, 2066},
        {"SetScrollPos", hostmsg::SetScrollPos, 2067},
        {"RunHostCommand", hostmsg::RunHostCommand, 2070},
        {"IsDocumentModified", hostmsg::IsDocumentModified, 2071},
        {"GetSelectionStart", hostmsg::GetSelectionStart, 2074},
        {"GetSelectionEnd", hostmsg::GetSelectionEnd, 2075},
        {"SetSelection", hostmsg::SetSelection, 2081},
        {"SetEditorRedraw", hostmsg::SetEditorRedraw, 2092},
        {"GetSelectedText", hostmsg::GetSelectedText, 2094},
        {"GetLineText", hostmsg::GetLineText, 2095},
        {"SetDocumentMode", hostmsg::SetDocumentMode, 2099},
        {"InsertText", hostmsg::InsertText, 2100},
        {"RunHostCommandWithText", hostmsg::RunHostCommandWithText, 2101},
        {"SetStatusText", hostmsg::SetStatusText, 2104},
        {"GetDocumentInfo", hostmsg::GetDocumentInfo, 2106},
        // GetDocumentInfo sub-codes and the path buffer
        {"DocPath", hostmsg::DocPath, 280},
        {"DocPathCapacity", hostmsg::DocPathCapacity, 262},
        {"DocFocusOnClose", hostmsg::DocFocusOnClose, 298},
        {"DocCount", hostmsg::DocCount, 301},
        {"DocHandle", hostmsg::DocHandle, 302},
        {"DocIndexOfHandle", hostmsg::DocIndexOfHandle, 303},
        {"DocActiveIndex", hostmsg::DocActiveIndex, 306},
        {"DocActivate", hostmsg::DocActivate, 307},
        // host settings
        {"SettingReadOnly", hostmsg::SettingReadOnly, 4142},
        {"SettingBandTitle", hostmsg::SettingBandTitle, 4340},
        {"SettingMultiDocument", hostmsg::SettingMultiDocument, 4342},
        // host commands
        {"CmdSave", hostmsg::CmdSave, 4099},
        {"CmdDeleteForward", hostmsg::CmdDeleteForward, 4135},
        {"CmdSelectAll", hostmsg::CmdSelectAll, 4136},
        {"CmdCaretLineEnd", hostmsg::CmdCaretLineEnd, 4167},
        {"CmdCaretDocumentEnd", hostmsg::CmdCaretDocumentEnd, 4169},
        {"CmdDeleteLine", hostmsg::CmdDeleteLine, 4190},
        {"CmdClearHighlight", hostmsg::CmdClearHighlight, 4206},
        {"SearchHighlightCommand", hostmsg::SearchHighlightCommand, 802},
        // position kinds
        {"PosKind::View", static_cast<uint64_t>(PosKind::View), 0},
        {"PosKind::Logical", static_cast<uint64_t>(PosKind::Logical), 2},
        // OnEvents bits
        {"Idle", plugin_event::Idle, 0x40},
        {"PluginIndex", plugin_event::PluginIndex, 0x400},
        {"Closing", plugin_event::Closing, 0x800},
        {"DocumentOpened", plugin_event::DocumentOpened, 0x2000},
        {"Activated", plugin_event::Activated, 0x8000},
        {"PluginIndexAlt", plugin_event::PluginIndexAlt, 0x10000},
        {"ClosingAlt", plugin_event::ClosingAlt, 0x20000},
        {"DocumentSwitched", plugin_event::DocumentSwitched, 0x40000},
        {"DocumentClosed", plugin_event::DocumentClosed, 0x100000},
    };
    for (const Pinned& row : rows) EXPECT_EQ(row.value, row.expected) << row.name;
}

// The records are passed to the host by address and read there as the
// host's own structures: field order and widths are part of the interface.
TEST(HostInterfaceNumbers, RecordLayouts) {
    EXPECT_EQ(sizeof(hostmsg::LineTextRequest), 12u);
    EXPECT_EQ(offsetof(hostmsg::LineTextRequest, cch), 0u);
    EXPECT_EQ(offsetof(hostmsg::LineTextRequest, kind), 4u);
    EXPECT_EQ(offsetof(hostmsg::LineTextRequest, line), 8u);
    EXPECT_EQ(sizeof(Position), 8u);
    EXPECT_EQ(offsetof(Position, x), 0u);
    EXPECT_EQ(offsetof(Position, y), 4u);
}
