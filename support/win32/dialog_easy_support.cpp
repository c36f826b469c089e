#include "support/win32/dialog_easy_support.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/win_rect.h"
#include "lang/resource_ids.h"
#include "outline/search.h"
#include "outline/subwindow_geometry.h"
#include "outline/win32/outline_images.h"
#include "outline/win32/redraw.h"
#include "support/place_beside.h"

#include <commctrl.h>
#include <new>

namespace {

// Without a client area to measure, the column gets this width.
constexpr int FallbackColumnWidth = 200;

// The text caret's rectangle on the screen: the system caret of the
// editor's thread, or the editor's top-left corner when it shows none.
RECT caretOnScreen(HWND editor) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    RECT r{};
    if (GetGUIThreadInfo(GetWindowThreadProcessId(editor, nullptr), &info) && info.hwndCaret) {
        r = info.rcCaret;
        MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        MapWindowPoints(editor, nullptr, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

} // namespace

DialogEasySupport::DialogEasySupport() = default;

DialogEasySupport::~DialogEasySupport() {
    // onDestroy must still find this part of the object.
    if (handle()) DestroyWindow(handle());
}

bool DialogEasySupport::start(HWND editor, const easy_support::Trigger& trigger) {
    if (handle() || !editor) return false;
    editor_ = editor;
    trigger_ = trigger;
    open_ = false;
    return create(nullptr, VEXA_LANG_DLG_EASY_SUPPORT, editor);
}

void DialogEasySupport::cancel() { closeList(); }

// ---- start-up ----------------------------------------------------------------

INT_PTR DialogEasySupport::onInitDialog() {
    list_ = item(VEXA_IDC_EASY_SUPPORT_LIST);
    if (!list_) return TRUE;   // a template without the list: nothing to show
    if (!setUp()) return TRUE;

    CandidateList::Action first = candidates_->start();
    showRows();
    if (first == CandidateList::Action::Confirm) {
        confirm();
        return TRUE;
    }
    showSelection();
    placeAtCaret();
    placeDetail();
    showDetail();
    SetFocus(list_);
    open_ = true;
    return FALSE;   // the focus was set here
}

bool DialogEasySupport::setUp() {
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    images_ = outline_images::load();
    if (!images_) {
        fail(msgid::ImageStripMissing);
        return false;
    }
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));

    RECT client{};
    int width = GetClientRect(list_, &client) && client.right > 0
                    ? client.right - GetSystemMetrics(SM_CXVSCROLL)
                    : FallbackColumnWidth;
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = width;
    if (SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) < 0) return false;

    if (!trigger_.refMode && !detail_.create(handle(), DialogBibItemData::Plain)) {
        fail(msgid::EasySupportDetailFailed);
        return false;
    }

    CSetting* settings = app::settings();
    if (!settings) {
        fail(msgid::EasySupportScanFailed);
        return false;
    }
    int32_t order = CandidateList::storedOrder(*settings, trigger_.refMode);
    try {
        host_ = std::make_unique<WindowEditor>(editor_);
        scan_ = std::make_unique<CSearch>(*host_, *settings, shared_toggles::lockedRoot(settings));
        candidates_ = std::make_unique<CandidateList>(*scan_, trigger_, order);
    } catch (const std::bad_alloc&) {
        candidates_.reset();
        scan_.reset();
        fail(msgid::EasySupportScanFailed);
        return false;
    }
    return true;
}

void DialogEasySupport::fail(uint32_t messageId) {
    lang::messageBox(editor_, messageId, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    open_ = false;
}

void DialogEasySupport::onDestroy() {
    open_ = false;
    detail_.close(0);
    // The list refers to the rows (it asks for their texts) and the images
    // until it is gone; it forgets both first.
    if (list_) {
        SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    }
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
    candidates_.reset();
    scan_.reset();
    host_.reset();
    list_ = nullptr;
}

// ---- what the list shows -------------------------------------------------------

// The list is virtual: it holds only a count and asks for each row it
// draws, so even thousands of labels show at once.
void DialogEasySupport::showRows() {
    if (!list_ || !candidates_) return;
    {
        Redraw quiet(list_);
        syncing_ = true;
        SendMessageW(list_, LVM_SETITEMCOUNT, candidates_->rows().size(), 0);
        syncing_ = false;
    }
    showTitle();
    showSelection();
}

void DialogEasySupport::showTitle() {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(lang::message(ref_candidates::columnTitle(candidates_->sortOrder())));
    SendMessageW(list_, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void DialogEasySupport::showSelection() {
    if (!list_ || !candidates_) return;
    syncing_ = true;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    int row = candidates_->selected();
    if (row >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
    }
    syncing_ = false;
    showDetail();
}

void DialogEasySupport::showDetail() {
    if (!detail_.handle() || !candidates_) return;
    const OutlineItem* item = candidates_->chosen();
    BibEntry entry;
    if (item && item->entry >= 0 && scan_->entry(item->entry, entry)) {
        detail_.showEntry(entry);
        if (!IsWindowVisible(detail_.handle())) ShowWindow(detail_.handle(), SW_SHOWNA);
        return;
    }
    ShowWindow(detail_.handle(), SW_HIDE);
    if (open_ && GetFocus() != list_) SetFocus(list_);
}

void DialogEasySupport::placeAtCaret() {
    RECT caret = caretOnScreen(editor_);
    RECT own{};
    GetWindowRect(handle(), &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    auto area = subwindow_geometry::screenArea(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
                                               GetSystemMetrics(SM_CYCAPTION));
    // Below the caret's line; where that runs off the screen, above it,
    // so that the popup never hides the command being completed.
    int top = caret.bottom + height > area.height && caret.top - height >= 0 ? caret.top - height : caret.bottom;
    Rect at{caret.left, top, caret.left + width, top + height};
    Rect moved = subwindow_geometry::keepOnScreen(at, area.width, area.height);
    SetWindowPos(handle(), HWND_TOP, moved.left, moved.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void DialogEasySupport::placeDetail() {
    HWND detail = detail_.handle();
    if (!detail) return;
    RECT area{};
    GetClientRect(editor_, &area);
    Rect to = place_beside::place(win_rect::inClient(detail, editor_), win_rect::inClient(handle(), editor_), win_rect::of(area),
                                  place_beside::DetailSides);
    POINT corner{to.left, to.top};
    ClientToScreen(editor_, &corner);
    SetWindowPos(detail, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- the user's keys and clicks -----------------------------------------------

bool DialogEasySupport::handleKey(uint32_t virtualKey) {
    if (!open_ || !candidates_) return false;
    char16_t letter = candidates_->filterLetter();
    CandidateList::Action action = candidates_->handleKey(static_cast<int32_t>(virtualKey));
    if (action == CandidateList::Action::NotUsed) return false;
    if (action == CandidateList::Action::Used && candidates_->filterLetter() != letter) showRows();
    act(action);
    return true;
}

void DialogEasySupport::act(CandidateList::Action action) {
    switch (action) {
    case CandidateList::Action::Used: showSelection(); break;
    case CandidateList::Action::Close: closeList(); break;
    case CandidateList::Action::Confirm: confirm(); break;
    case CandidateList::Action::NotUsed: break;
    }
}

void DialogEasySupport::confirm() {
    if (candidates_ && host_) {
        snippet::Target target{*host_, true};
        if (CSetting* settings = app::settings()) candidates_->confirm(target, *settings);
        else if (const OutlineItem* item = candidates_->chosen())
            easy_support::insertChoice(target, trigger_, item->name);
    }
    closeList();
}

void DialogEasySupport::closeList() {
    open_ = false;
    // The action's loop may be waiting for a message: the key that closed
    // the popup was taken away from the queue.
    if (handle()) PostMessageW(handle(), WM_NULL, 0, 0);
}

bool DialogEasySupport::containsWindow(HWND window) const {
    if (!window || !handle()) return false;
    if (window == handle() || window == list_) return true;
    HWND detail = detail_.handle();
    return detail && (window == detail || IsChild(detail, window));
}

void DialogEasySupport::clickNotice(HWND window) {
    if (!open_) return;
    HWND parent = window ? GetParent(window) : nullptr;
    if (containsWindow(window) || containsWindow(parent)) return;
    closeList();
}

INT_PTR DialogEasySupport::onCommand(WORD id, WORD, HWND) {
    if (id == IDOK) confirm();
    else if (id == IDCANCEL) closeList();
    return 0;
}

INT_PTR DialogEasySupport::onNotify(NMHDR* header) {
    if (!header || header->hwndFrom != list_ || !candidates_) return 0;
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        const auto& rows = candidates_->rows();
        int row = info->item.iItem;
        if (row < 0 || row >= static_cast<int>(rows.size()) || info->item.iSubItem != 0) return 0;
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0)
            lstrcpynW(info->item.pszText, wide::w(rows[row].text()), info->item.cchTextMax);
        if (info->item.mask & LVIF_IMAGE) info->item.iImage = rows[row].image;
        return 0;
    }
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if (syncing_ || change->iItem < 0) return 0;
        if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
            candidates_->select(change->iItem);
            showDetail();
        }
        return 0;
    }
    case LVN_COLUMNCLICK:
        candidates_->nextOrder();
        showRows();
        return 0;
    case NM_DBLCLK: {
        auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
        if (click->iItem < 0) return 0;
        candidates_->select(click->iItem);
        if (open_) confirm();
        return 0;
    }
    case NM_KILLFOCUS:
        if (open_) PostMessageW(handle(), CheckFocus, 0, 0);
        return 0;
    default: return 0;
    }
}

INT_PTR DialogEasySupport::onOtherMessage(UINT message, WPARAM, LPARAM) {
    if (message == CheckFocus && open_ && !containsWindow(GetFocus())) closeList();
    return 0;
}
