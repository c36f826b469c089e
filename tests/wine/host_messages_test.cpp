// The host editor window answers every message of the plug-in's contract;
// driven in-process through WindowEditor (the plug-in's own sender) and,
// where the raw form matters, through SendMessageW. Both sides take their
// numbers from frame/host_messages.h; the numbers themselves are pinned by
// the native test of that header.
#include "frame/host_messages.h"
#include "frame/win32/window_editor.h"
#include "host/editor_thread.h"
#include "host_test_support.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

class HostMessages : public ::testing::Test {
protected:
    void open(u16view text, const std::wstring& path = L"") {
        EditorWindowOptions options;
        options.text = u16(text);
        options.path = path;
        // Messages need no visible window; and without a window manager
        // Wine waits about 2 s to withdraw a shown top-level window.
        options.show = SW_HIDE;
        window = std::make_unique<EditorThread>(options);
        ASSERT_TRUE(window->started());
        ed = std::make_unique<WindowEditor>(window->editor());
    }
    void SetUp() override { open(u"alpha\r\nbeta\r\ngamma delta"); }

    // State read on the window's own thread.
    u16 text() {
        u16 t;
        window->run([&](EditorView& v) { t = v.document().model.text(); });
        return t;
    }
    template <class T> T read(const std::function<T(EditorView&)>& f) {
        T value{};
        window->run([&](EditorView& v) { value = f(v); });
        return value;
    }
    LRESULT send(UINT msg, WPARAM w, LPARAM l) { return SendMessageW(window->editor(), msg, w, l); }

    std::unique_ptr<EditorThread> window;
    std::unique_ptr<WindowEditor> ed;
};

TEST_F(HostMessages, LineCountAndLineTextAskThenRead) {
    EXPECT_EQ(ed->GetLineCount(), 3);
    EXPECT_EQ(ed->GetLineText(0), u"alpha");
    EXPECT_EQ(ed->GetLineText(2), u"gamma delta");
    EXPECT_EQ(ed->GetLineLength(1), 4);

    // Raw: asking gives the length; a short buffer gets cch - 1 characters
    // and a NUL, the rest of it untouched; the result stays the full length.
    hostmsg::LineTextRequest ask{0, 1, 2};
    EXPECT_EQ(send(hostmsg::GetLineText, reinterpret_cast<WPARAM>(&ask), 0), 11);
    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    hostmsg::LineTextRequest shortRead{4, 1, 2};
    EXPECT_EQ(send(hostmsg::GetLineText, reinterpret_cast<WPARAM>(&shortRead), reinterpret_cast<LPARAM>(buffer)), 11);
    EXPECT_EQ(std::wstring(buffer), L"gam");
    EXPECT_EQ(buffer[4], L'#');

    // A line past the end is empty.
    hostmsg::LineTextRequest past{8, 1, 7};
    buffer[0] = L'#';
    EXPECT_EQ(send(hostmsg::GetLineText, reinterpret_cast<WPARAM>(&past), reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], L'\0');
}

TEST_F(HostMessages, EmptyDocumentHasOneLine) {
    open(u"");
    EXPECT_EQ(send(hostmsg::GetLineCount, 2, 0), 1);
    EXPECT_EQ(ed->GetLineText(0), u"");
}

TEST_F(HostMessages, SelectedTextAskThenReadWithTruncation) {
    EXPECT_EQ(send(hostmsg::GetSelectedText, 0, 0), 1); // nothing selected
    EXPECT_EQ(ed->GetSelectedText(), u"");

    ed->SetSelection({2, 0}, {3, 1});
    EXPECT_EQ(send(hostmsg::GetSelectedText, 0, 0), 9); // "pha\r\nbet" + 1
    EXPECT_EQ(ed->GetSelectedText(), u"pha\r\nbet");

    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    send(hostmsg::GetSelectedText, 4, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(std::wstring(buffer), L"pha");
    EXPECT_EQ(buffer[4], L'#');
}

TEST_F(HostMessages, SelectionStartPrecedesEndAndCaretIsActiveEnd) {
    ed->SetSelection({3, 2}, {1, 0}); // selected backwards
    EXPECT_EQ(ed->GetSelectionStart(PosKind::View), (Position{1, 0}));
    EXPECT_EQ(ed->GetSelectionEnd(PosKind::Logical), (Position{3, 2}));
    EXPECT_EQ(ed->GetCaretPos(PosKind::View), (Position{1, 0}));

    ed->SetCaretPos(PosKind::Logical, {2, 1}); // clears the selection
    EXPECT_EQ(ed->GetSelectionStart(PosKind::View), (Position{2, 1}));
    EXPECT_EQ(ed->GetSelectionEnd(PosKind::View), (Position{2, 1}));
    EXPECT_EQ(send(hostmsg::GetSelectedText, 0, 0), 1);
}

TEST_F(HostMessages, PositionKindsScrollAndConversion) {
    ed->SetCaretPos(PosKind::View, {4, 2});
    EXPECT_EQ(ed->GetCaretPos(PosKind::View), ed->GetCaretPos(PosKind::Logical)); // no wrapping
    EXPECT_EQ(ed->LogicalToViewPos({3, 1}), (Position{3, 1}));
    EXPECT_EQ(ed->LogicalToViewPos({50, 9}), (Position{11, 2})); // clamped into the text

    ed->SetScrollPos({0, 1});
    EXPECT_EQ(ed->GetScrollPos(), (Position{0, 1}));
    ed->SetCaretPos(PosKind::Logical, {99, 99});
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{11, 2}));
}

TEST_F(HostMessages, InsertTextMakesOneBreakPerCrLfCrOrLf) {
    ed->SetCaretPos(PosKind::Logical, {5, 0});
    ed->InsertText(u"1\r\n2\r3\n4");
    EXPECT_EQ(text(), u"alpha1\r\n2\r\n3\r\n4\r\nbeta\r\ngamma delta");
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{1, 3}));
    EXPECT_TRUE(ed->IsDocumentModified());

    // Replaces the selection; the caret ends after the inserted text.
    ed->SetSelection({0, 5}, {5, 6});
    ed->InsertText(u"X");
    EXPECT_EQ(ed->GetLineText(5), u"X delta");
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{1, 5}));
}

TEST_F(HostMessages, FlushCharacterLeavesDocumentAlone) {
    ed->SetSelection({0, 0}, {2, 0});
    ed->FlushInput();
    EXPECT_EQ(text(), u"alpha\r\nbeta\r\ngamma delta");
    EXPECT_FALSE(ed->IsDocumentModified());
    EXPECT_EQ(ed->GetSelectedText(), u"al"); // selection kept for the insertion
}

TEST_F(HostMessages, HostCommandsEditAndMove) {
    ed->SetCaretPos(PosKind::Logical, {1, 1});
    ed->RunHostCommand(hostmsg::CmdDeleteForward);
    EXPECT_EQ(ed->GetLineText(1), u"bta");
    ed->SetSelection({0, 1}, {2, 1});
    ed->RunHostCommand(hostmsg::CmdDeleteForward);
    EXPECT_EQ(ed->GetLineText(1), u"a");
    ed->RunHostCommand(hostmsg::CmdCaretLineEnd);
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{1, 1}));
    ed->RunHostCommand(hostmsg::CmdDeleteForward); // at line end: joins the next line
    EXPECT_EQ(ed->GetLineText(1), u"agamma delta");

    ed->SetCaretPos(PosKind::Logical, {2, 0});
    ed->RunHostCommand(hostmsg::CmdCaretLineEnd);
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{5, 0}));
    ed->RunHostCommand(hostmsg::CmdCaretDocumentEnd);
    EXPECT_EQ(ed->GetCaretPos(PosKind::Logical), (Position{12, 1}));

    ed->SetCaretPos(PosKind::Logical, {3, 0});
    ed->RunHostCommand(hostmsg::CmdDeleteLine);
    EXPECT_EQ(text(), u"agamma delta");
    EXPECT_EQ(ed->GetLineCount(), 1);

    ed->InsertText(u"x\r\ny");
    ed->RunHostCommand(hostmsg::CmdSelectAll);
    EXPECT_EQ(ed->GetSelectedText(), text());
    EXPECT_EQ(ed->GetSelectionStart(PosKind::View), (Position{0, 0}));
}

TEST_F(HostMessages, SaveCommandWritesTheFileAndClearsModified) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    ASSERT_TRUE(dir.write(u"doc.tex", "\xEF\xBB\xBFone\r\ntwo"));
    open(u"", wide::w(dir.file(u"doc.tex")));
    ed->SetCaretPos(PosKind::Logical, {3, 1});
    ed->InsertText(u" 三");
    EXPECT_TRUE(ed->IsDocumentModified());
    EXPECT_EQ(send(hostmsg::RunHostCommand, hostmsg::CmdSave, 0), 1);
    EXPECT_FALSE(ed->IsDocumentModified());
    EXPECT_EQ(dir.read(u"doc.tex"), "\xEF\xBB\xBFone\r\ntwo \xE4\xB8\x89"); // kept UTF-8 with BOM
}

TEST_F(HostMessages, SearchHighlightPatternAndClear) {
    auto pattern = [&] { return read<std::wstring>([](EditorView& v) { return v.document().highlight.pattern(); }); };
    auto matches = [&](int line) {
        return read<size_t>([line](EditorView& v) {
            auto& d = v.document();
            u16 l = d.model.GetLineText(line);
            return d.highlight.matches(std::wstring(l.begin(), l.end())).size();
        });
    };
    ed->RunHostCommandWithText(hostmsg::SearchHighlightCommand, u"a[a-z]");
    EXPECT_EQ(pattern(), L"a[a-z]");
    EXPECT_EQ(matches(0), 1u); // "al"
    EXPECT_EQ(matches(2), 1u); // "am" ("a " and "a" at the end do not match)

    // A pattern that does not compile highlights nothing and breaks nothing.
    ed->RunHostCommandWithText(hostmsg::SearchHighlightCommand, u"(unclosed");
    EXPECT_EQ(pattern(), L"");
    EXPECT_EQ(matches(0), 0u);
    EXPECT_EQ(ed->GetLineCount(), 3);

    ed->RunHostCommandWithText(hostmsg::SearchHighlightCommand, u"\\\\(section|label)");
    ed->RunHostCommand(hostmsg::CmdClearHighlight);
    EXPECT_EQ(pattern(), L"");
}

TEST_F(HostMessages, StatusTextShowsInStatusBar) {
    ed->SetStatusText(u"Typesetting 完了");
    EXPECT_EQ(host_test::statusText(window->statusBar()), L"Typesetting 完了");
    ed->SetStatusText(u"");
    EXPECT_EQ(host_test::statusText(window->statusBar()), L"");
}

TEST_F(HostMessages, DocumentInfoSubCodes) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"a b.tex", "x"));
    std::wstring path = wide::w(dir.file(u"a b.tex"));
    open(u"", path);
    EXPECT_EQ(ed->GetDocumentPath(), wide::u(path.c_str()));
    EXPECT_EQ(ed->GetDocumentPath(1), wide::u(path.c_str()));
    EXPECT_EQ(ed->GetDocumentPath(2), u""); // no second document

    wchar_t buffer[hostmsg::DocPathCapacity];
    LRESULT n = send(hostmsg::GetDocumentInfo, MAKEWPARAM(hostmsg::DocPath, 0), reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(n, static_cast<LRESULT>(path.size()));

    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocCount, 0, 0), 1);
    intptr_t handle = ed->GetDocumentInfo(hostmsg::DocHandle, 0, 0);
    EXPECT_NE(handle, 0);
    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocIndexOfHandle, 0, handle), 0);
    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocIndexOfHandle, 0, handle + 1), -1);
    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocActiveIndex, 0, 0), 0);
    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocActivate, 1, 0), 1);
    EXPECT_EQ(ed->GetDocumentInfo(hostmsg::DocFocusOnClose, 0, 0), 0);
}

TEST_F(HostMessages, UntitledDocumentHasNoPath) {
    EXPECT_EQ(ed->GetDocumentPath(), u"");
    wchar_t buffer[hostmsg::DocPathCapacity] = {L'#'};
    EXPECT_EQ(send(hostmsg::GetDocumentInfo, MAKEWPARAM(hostmsg::DocPath, 0), reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], L'\0');
}

TEST_F(HostMessages, DocumentHandlesDifferPerWindow) {
    EditorWindowOptions options;
    options.show = SW_HIDE;
    EditorThread other(options);
    WindowEditor otherEd(other.editor());
    EXPECT_NE(ed->GetDocumentInfo(hostmsg::DocHandle, 0, 0), otherEd.GetDocumentInfo(hostmsg::DocHandle, 0, 0));
}

TEST_F(HostMessages, JapaneseTextRoundTrip) {
    const u16 japanese = u"\\section{日本語の見出し}　全角スペース";
    ed->SetCaretPos(PosKind::Logical, {0, 1});
    ed->InsertText(japanese + u"\r\n");
    EXPECT_EQ(ed->GetLineText(1), japanese);
    EXPECT_EQ(ed->GetLineLength(1), static_cast<int32_t>(japanese.size()));
    ed->SetSelection({0, 1}, {static_cast<int32_t>(japanese.size()), 1});
    EXPECT_EQ(ed->GetSelectedText(), japanese);
}

TEST_F(HostMessages, RedrawStopsNest) {
    auto depth = [&] { return read<int>([](EditorView& v) { return v.document().model.redrawDepth(); }); };
    {
        EditorRedraw outer(*ed);
        {
            EditorRedraw inner(*ed);
            EXPECT_EQ(depth(), 2);
        }
        EXPECT_EQ(depth(), 1);
    }
    EXPECT_EQ(depth(), 0);
    EXPECT_EQ(send(hostmsg::SetEditorRedraw, 1, 0), 1); // an extra resume does not go negative
    EXPECT_EQ(depth(), 0);
}

TEST_F(HostMessages, ReadOnlySettingBlocksInsertion) {
    int32_t value = -1;
    EXPECT_EQ(send(hostmsg::GetHostSetting, hostmsg::SettingReadOnly, reinterpret_cast<LPARAM>(&value)), 1);
    EXPECT_EQ(value, 0);
    window->run([](EditorView& v) { v.document().model.setReadOnly(true); });
    EXPECT_EQ(ed->GetHostSetting(hostmsg::SettingReadOnly), 1);
    EXPECT_EQ(ed->GetHostSetting(hostmsg::SettingMultiDocument), 0);
    ed->InsertText(u"nope");
    EXPECT_EQ(text(), u"alpha\r\nbeta\r\ngamma delta");
}

TEST_F(HostMessages, DocumentModeIsRecorded) {
    ed->SetDocumentMode(u"TeX");
    EXPECT_EQ(read<u16>([](EditorView& v) { return v.document().model.documentMode; }), u"TeX");
}

// EditorCursor over the real window: caret, selection direction and
// scroll come back after the guarded edits.
TEST_F(HostMessages, EditorCursorRestoresSelectionAndScroll) {
    open(u"0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    ed->SetScrollPos({0, 3});
    ed->SetSelection({1, 6}, {0, 4}); // caret at the start
    {
        EditorCursor keep(*ed);
        ed->RunHostCommand(hostmsg::CmdCaretDocumentEnd);
        ed->InsertText(u"!");
        ed->SetScrollPos({0, 0});
    }
    EXPECT_EQ(ed->GetCaretPos(PosKind::View), (Position{0, 4}));
    EXPECT_EQ(ed->GetSelectionEnd(PosKind::View), (Position{1, 6}));
    EXPECT_EQ(ed->GetScrollPos(), (Position{0, 3}));
    EXPECT_EQ(read<int>([](EditorView& v) { return v.document().model.redrawDepth(); }), 0);

    ed->SetSelection({0, 2}, {1, 5}); // caret at the end
    { EditorCursor keep(*ed); ed->SetCaretPos(PosKind::View, {0, 0}); }
    EXPECT_EQ(ed->GetCaretPos(PosKind::View), (Position{1, 5}));
    EXPECT_EQ(ed->GetSelectionStart(PosKind::View), (Position{0, 2}));

    ed->SetCaretPos(PosKind::View, {1, 7});
    { EditorCursor keep(*ed); ed->SetSelection({0, 0}, {1, 1}); }
    EXPECT_EQ(ed->GetSelectionStart(PosKind::View), ed->GetSelectionEnd(PosKind::View));
    EXPECT_EQ(ed->GetCaretPos(PosKind::View), (Position{1, 7}));
}

TEST_F(HostMessages, ClosedWindowNoLongerExists) {
    EXPECT_TRUE(ed->exists());
    window->close();
    EXPECT_FALSE(ed->exists());
    { EditorRedraw guard(*ed); } // sends nothing to a window that is gone
}

} // namespace
