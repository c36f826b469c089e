#include "outline/win32/dialog_search.h"

#include "base/win32/wide.h"
#include "frame/jump.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/jump.h"
#include "frame/win32/language.h"
#include "frame/win32/open_document.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "mainwindow/command_ids.h"
#include "mainwindow/win32/main_window.h"
#include "outline/win32/dialog_label_config.h"
#include "outline/win32/outline_images.h"
#include "outline/win32/redraw.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <new>

namespace {

namespace keys = ini_keys::search;
constexpr int TemplateId = VEXA_LANG_DLG_OUTLINE;

struct ToolButton {
    int image;            // -1: separator
    WORD command;
    uint32_t tip;
};
constexpr ToolButton kButtons[] = {
    {49, DialogSearch::ExpandToDepth, msgid::OutlineTipExpand},
    {50, DialogSearch::ExpandAll, msgid::OutlineTipExpandAll},
    {51, DialogSearch::CollapseAll, msgid::OutlineTipCollapse},
    {-1, 0, 0},
    {52, DialogSearch::Jump, msgid::OutlineTipJump},
    {-1, 0, 0},
    {53, DialogSearch::Refresh, msgid::OutlineTipRefresh},
    {-1, 0, 0},
    {54, DialogSearch::Menu, msgid::OutlineTipMenu},
};

CSetting* settings() { return app::settings(); }

int32_t readSetting(const char16_t* key, int32_t def) {
    CSetting* s = settings();
    return s ? s->readInt(keys::Section, key, def) : def;
}

void writeSetting(const char16_t* key, int32_t value) {
    if (CSetting* s = settings()) s->writeInt(keys::Section, key, value);
}

RECT childRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

DialogSearch::DialogSearch(MainWindow* mainWindow) : DialogSubCommon(keys::Section), mainWindow_(mainWindow) {}

// The base class would destroy the window only after this part of the
// object is gone, and onDestroy must still find it.
DialogSearch::~DialogSearch() {
    if (handle()) DestroyWindow(handle());
}

bool DialogSearch::open(HWND owner, HWND editor) {
    reported_ = false;
    return create(owner, editor, TemplateId) && initialised_;
}

// ---- opening and closing -------------------------------------------------

INT_PTR DialogSearch::onInitDialog() {
    DialogSubCommon::onInitDialog();
    tree_ = item(TreeControl);
    depth_ = item(DepthBox);
    comment_ = item(CommentBox);
    wchar_t caption[128] = {};
    GetWindowTextW(handle(), caption, static_cast<int>(std::size(caption)));
    caption_ = caption;
    if (!createToolbar()) {
        fail(msgid::OutlineToolbarFailed);
        return FALSE;
    }
    for (uint32_t id = msgid::OutlineDepthFirst; id <= msgid::OutlineDepthLast; ++id)
        SendMessageW(depth_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lang::message(id)));
    commentHeight_ = outline_layout::commentHeight(readSetting(keys::CommentHeight, outline_layout::DefaultCommentHeight));
    int32_t depth = outline_layout::depthIndex(readSetting(keys::TreeDepth, outline_layout::DefaultDepthIndex));
    SendMessageW(depth_, CB_SETCURSEL, depth, 0);
    layout();

    treeImages_ = outline_images::load();
    if (!treeImages_) {
        fail(msgid::ImageStripMissing);
        return FALSE;
    }
    TreeView_SetImageList(tree_, treeImages_, TVSIL_NORMAL);

    host_ = std::make_unique<WindowEditor>(editor());
    if (!scan()) {
        fail(msgid::OutlineScanFailed);
        return FALSE;
    }
    openedFor_ = scannedFor_;
    {
        Redraw quiet(tree_);
        rebuild();
    }
    expandTo(chosenDepth());
    place();
    SetFocus(tree_);
    initialised_ = true;
    return FALSE;   // the focus was set here
}

void DialogSearch::fail(uint32_t message) {
    reported_ = true;
    lang::messageBox(handle(), message, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    DestroyWindow(handle());
}

void DialogSearch::onDestroy() {
    if (initialised_) {
        LRESULT depth = SendMessageW(depth_, CB_GETCURSEL, 0, 0);
        if (depth != CB_ERR) writeSetting(keys::TreeDepth, static_cast<int32_t>(depth));
        writeSetting(keys::CommentHeight, commentHeight_);
        DialogSubCommon::onDestroy();
    }
    if (dragging_) {
        ReleaseCapture();
        ClipCursor(nullptr);
        dragging_ = false;
    }
    if (mainWindow_) mainWindow_->setCommandPressed(cmd::OutlineWindow, false);
    if (toolbar_) DestroyWindow(toolbar_);
    toolbar_ = nullptr;
    // The tree still refers to the images and the snapshot's items until
    // the window is gone; empty it before they go.
    if (tree_) TreeView_DeleteAllItems(tree_);
    if (treeImages_) ImageList_Destroy(treeImages_);
    if (toolbarImages_) ImageList_Destroy(toolbarImages_);
    treeImages_ = toolbarImages_ = nullptr;
    nodes_.clear();
    model_ = {};
    search_.reset();
    host_.reset();
    tree_ = depth_ = comment_ = nullptr;
    initialised_ = false;
}

bool DialogSearch::createToolbar() {
    toolbarImages_ = outline_images::load();
    if (!toolbarImages_) return false;
    DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE |
                  CCS_NODIVIDER;
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(ToolbarControl)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!toolbar_) return false;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarImages_));
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELONG(VEXA_LANG_OUTLINE_IMAGE_SIZE, VEXA_LANG_OUTLINE_IMAGE_SIZE));
    TBBUTTON buttons[std::size(kButtons)] = {};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ToolButton& b = kButtons[i];
        buttons[i].iBitmap = b.image < 0 ? 0 : b.image;
        buttons[i].idCommand = b.command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = b.image < 0 ? BTNS_SEP : BTNS_BUTTON | BTNS_AUTOSIZE;
    }
    if (!SendMessageW(toolbar_, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons))) return false;
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    return true;
}

// ---- the snapshot and the tree ---------------------------------------------

bool DialogSearch::scan() {
    search_.reset();
    CSetting* s = settings();
    if (!s || !host_) return false;
    try {
        search_ = std::make_unique<CSearch>(*host_, *s, shared_toggles::lockedRoot(s));
    } catch (const std::bad_alloc&) {
        search_.reset();
        return false;
    }
    scannedFor_ = jump::activeDocument(*host_);
    return true;
}

void DialogSearch::rebuild() {
    TreeView_DeleteAllItems(tree_);
    nodes_.clear();
    model_ = {};
    SetWindowTextW(comment_, L"");
    // A partial outline must not pass for the whole document.
    const bool incomplete = search_ && search_->incomplete();
    SetWindowTextW(handle(), incomplete ? lang::message(msgid::OutlineIncompleteCaption) : caption_.c_str());
    if (!search_) return;
    auto mode = outline_tree::modeFromSetting(readSetting(keys::TreeMode, 0));
    model_ = outline_tree::build(search_->items(), search_->files(), mode);
    nodes_.assign(model_.nodes.size(), nullptr);
    for (size_t i = 0; i < model_.nodes.size(); ++i) {
        const outline_tree::Node& n = model_.nodes[i];
        TVINSERTSTRUCTW insert{};
        insert.hParent = n.parent < 0 ? TVI_ROOT : nodes_[n.parent];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        std::wstring text = n.textId ? std::wstring(lang::message(n.textId)) : std::wstring(wide::w(n.text));
        insert.item.pszText = text.data();
        insert.item.iImage = insert.item.iSelectedImage = n.image;
        insert.item.lParam = n.item;
        nodes_[i] = TreeView_InsertItem(tree_, &insert);
        if (!nodes_[i]) {
            lang::messageBox(handle(), msgid::OutlineNodeNotInserted, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
            return;
        }
    }
    if (model_.outcome == outline_tree::Outcome::FileTooDeep)
        lang::messageBox(handle(), msgid::OutlineFileTooDeep, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    if (model_.selected >= 0 && nodes_[model_.selected]) TreeView_SelectItem(tree_, nodes_[model_.selected]);
    showComment();
}

int32_t DialogSearch::chosenDepth() const {
    LRESULT index = SendMessageW(depth_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 1 : static_cast<int32_t>(index) + 1;
}

void DialogSearch::expandTo(int32_t depth) {
    {
        Redraw quiet(tree_);
        std::vector<bool> open = outline_tree::expandedTo(model_, depth);
        for (size_t i = 0; i < nodes_.size(); ++i)
            if (nodes_[i]) TreeView_Expand(tree_, nodes_[i], open[i] ? TVE_EXPAND : TVE_COLLAPSE);
    }
    if (HTREEITEM selected = TreeView_GetSelection(tree_)) TreeView_EnsureVisible(tree_, selected);
}

const OutlineItem* DialogSearch::selectedItem() const {
    HTREEITEM selected = tree_ ? TreeView_GetSelection(tree_) : nullptr;
    if (!selected || !search_) return nullptr;
    TVITEMW it{};
    it.mask = TVIF_PARAM | TVIF_HANDLE;
    it.hItem = selected;
    if (!TreeView_GetItem(tree_, &it)) return nullptr;
    const auto& items = search_->items();
    if (it.lParam < 0 || it.lParam >= static_cast<LPARAM>(items.size())) return nullptr;
    return &items[it.lParam];
}

void DialogSearch::showComment() {
    const OutlineItem* item = selectedItem();
    if (item) SetWindowTextW(comment_, wide::w(item->text));
    else if (search_ && search_->incomplete()) SetWindowTextW(comment_, lang::message(msgid::OutlineIncompleteNotice));
    else SetWindowTextW(comment_, L"");
}

void DialogSearch::jump() {
    const OutlineItem* item = selectedItem();
    if (!item) return;
    Position target{item->column, item->line};
    if (item->file != outline_file::Current && !search_->fileIsCurrent(item->file)) {
        if (item->file < 0) return;
        // The host that shows the file finishes the jump when one of its
        // windows gets the focus; this window's owner must not take it.
        open_document::openAndJump(editor(), search_->files()[item->file].path, target, jumps::requesterOf(owner()));
        return;
    }
    jumps::jumpIn(editor(), target, scannedFor_ ? std::optional<int32_t>(scannedFor_) : std::nullopt);
}

// ---- commands --------------------------------------------------------------

INT_PTR DialogSearch::onCommand(WORD id, WORD code, HWND control) {
    if (control && control == depth_) {
        if (code == CBN_SELCHANGE) expandTo(chosenDepth());
        if (code == CBN_SETFOCUS) takePendingJump();
        return TRUE;
    }
    if (control && control == comment_) {
        if (code == EN_SETFOCUS) takePendingJump();
        return TRUE;
    }
    switch (id) {
    case ExpandToDepth: expandTo(chosenDepth()); return TRUE;
    case ExpandAll: expandTo(outline_tree::ExpandAllDepth); return TRUE;
    case CollapseAll: expandTo(0); return TRUE;
    case Jump: jump(); return TRUE;
    case Refresh: {
        Redraw quiet(tree_);
        const bool scanned = scan();
        rebuild();   // without a snapshot: an empty tree
        if (!scanned)
            lang::messageBox(handle(), msgid::OutlineScanFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return TRUE;
    }
    case Menu: runMenu(); return TRUE;
    default: break;
    }
    return DialogSubCommon::onCommand(id, code, control);
}

void DialogSearch::runMenu() {
    enum : UINT { OneGroup = 1, ByClass = 2, UnderHeading = 3, Prefixes = 5, Help = 7 };
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    int32_t mode = static_cast<int32_t>(outline_tree::modeFromSetting(readSetting(keys::TreeMode, 0)));
    auto entry = [&](UINT number, uint32_t text, bool checked) {
        AppendMenuW(menu, MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED), number, lang::message(text));
    };
    entry(OneGroup, msgid::OutlineMenuOneGroup, mode == 0);
    entry(ByClass, msgid::OutlineMenuByClass, mode == 1);
    entry(UnderHeading, msgid::OutlineMenuUnderHeading, mode == 2);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    entry(Prefixes, msgid::OutlineMenuPrefixes, false);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    entry(Help, msgid::OutlineMenuHelp, false);

    RECT button{};
    LRESULT index = SendMessageW(toolbar_, TB_COMMANDTOINDEX, Menu, 0);
    SendMessageW(toolbar_, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
    POINT at{button.left, button.bottom};
    ClientToScreen(toolbar_, &at);
    // Right at the window's edge the point may lie outside every window;
    // move it in until one is under it.
    for (int step = 0; step < 100 && !WindowFromPoint(at); ++step) ++at.x;
    SendMessageW(toolbar_, TB_PRESSBUTTON, Menu, TRUE);
    UINT chosen = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                                 handle(), nullptr);
    SendMessageW(toolbar_, TB_PRESSBUTTON, Menu, FALSE);
    DestroyMenu(menu);

    switch (chosen) {
    case OneGroup:
    case ByClass:
    case UnderHeading:
        // A new layout of the same snapshot: no rescan.
        if (static_cast<int32_t>(chosen) - 1 != mode) {
            writeSetting(keys::TreeMode, static_cast<int32_t>(chosen) - 1);
            Redraw quiet(tree_);
            rebuild();
        }
        break;
    case Prefixes: {
        DialogLabelConfig prefixes(handle());
        if (prefixes.accepted() && lang::messageBox(handle(), msgid::OutlineAskRefresh, msgid::CaptionQuestion,
                                                    MB_YESNO | MB_ICONQUESTION) == IDYES)
            onCommand(Refresh, 0, nullptr);
        break;
    }
    case Help: showHelpTopic(instance(), cfgid::HelpOutline); break;
    default: break;
    }
}

INT_PTR DialogSearch::onNotify(NMHDR* header) {
    if (!header) return FALSE;
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        for (const ToolButton& b : kButtons)
            if (b.command && b.command == header->idFrom) info->lpszText = const_cast<wchar_t*>(lang::message(b.tip));
        return TRUE;
    }
    if (header->hwndFrom != tree_) return FALSE;
    switch (header->code) {
    case TVN_SELCHANGEDW: showComment(); return TRUE;
    case NM_SETFOCUS: takePendingJump(); return TRUE;
    case NM_RCLICK: {
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ScreenToClient(tree_, &hit.pt);
        HTREEITEM target = TreeView_HitTest(tree_, &hit);
        if (!target) return FALSE;
        TreeView_SelectItem(tree_, target);
        jump();
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, TRUE);   // no context menu
        return TRUE;
    }
    default: return FALSE;
    }
}

// ---- keys ------------------------------------------------------------------

bool DialogSearch::offerKey(UINT key) {
    HWND focus = GetFocus();
    if (!handle() || !focus || (focus != handle() && !IsChild(handle(), focus))) return false;
    // The combo box's edit part, if it has one, counts as the box.
    const bool inDepth = focus == depth_ || IsChild(depth_, focus);
    switch (key) {
    case VK_F5: onCommand(Refresh, 0, nullptr); return true;
    case VK_F6: onCommand(ExpandToDepth, 0, nullptr); return true;
    case VK_F7: onCommand(ExpandAll, 0, nullptr); return true;
    case VK_F8: onCommand(CollapseAll, 0, nullptr); return true;
    case VK_TAB:
        SetFocus(focus == tree_ ? comment_ : focus == comment_ ? depth_ : tree_);
        return true;
    case VK_RETURN:
        if (inDepth) onCommand(ExpandToDepth, 0, nullptr);
        else if (focus == tree_) jump();
        else return false;
        return true;
    default: break;
    }
    if (focus == tree_) {
        HTREEITEM selected = TreeView_GetSelection(tree_);
        if (!selected) return false;
        HTREEITEM next = nullptr;
        switch (key) {
        case VK_LEFT: next = TreeView_GetParent(tree_, selected); break;
        case VK_UP: next = TreeView_GetPrevVisible(tree_, selected); break;
        case VK_RIGHT: next = TreeView_GetChild(tree_, selected); break;
        case VK_DOWN: next = TreeView_GetNextVisible(tree_, selected); break;
        default: return false;
        }
        if (!next) return false;
        TreeView_SelectItem(tree_, next);
        TreeView_EnsureVisible(tree_, next);
        return true;
    }
    if (inDepth && (key == VK_UP || key == VK_DOWN)) {
        auto index = static_cast<int32_t>(SendMessageW(depth_, CB_GETCURSEL, 0, 0));
        if (key == VK_UP && index > 0) SendMessageW(depth_, CB_SETCURSEL, index - 1, 0);
        if (key == VK_DOWN && index + 1 < outline_layout::DepthChoices) SendMessageW(depth_, CB_SETCURSEL, index + 1, 0);
        expandTo(chosenDepth());
        return true;
    }
    if (focus == comment_ && (key == VK_UP || key == VK_DOWN)) {
        SendMessageW(comment_, EM_SCROLL, key == VK_UP ? SB_LINEUP : SB_LINEDOWN, 0);
        return false;
    }
    return false;
}

// ---- layout and splitter ---------------------------------------------------

void DialogSearch::layout() {
    if (!handle() || !tree_ || !depth_ || !comment_) return;
    RECT client{};
    GetClientRect(handle(), &client);
    RECT box = childRect(handle(), depth_);
    RECT button{};
    if (toolbar_) SendMessageW(toolbar_, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    outline_layout::Input in;
    in.clientWidth = client.right;
    in.clientHeight = client.bottom;
    in.depthBoxWidth = box.right;
    in.depthBoxHeight = box.bottom;
    in.buttonBottom = button.bottom;
    in.commentHeight = commentHeight_;
    layout_ = outline_layout::compute(in);
    commentHeight_ = layout_.commentHeight;
    auto move = [](HWND w, const outline_layout::Box& b) {
        if (w) MoveWindow(w, b.left, b.top, std::max(b.width(), 0), std::max(b.height(), 0), TRUE);
    };
    move(toolbar_, layout_.toolbar);
    move(tree_, layout_.tree);
    move(comment_, layout_.comment);
}

void DialogSearch::onSize(UINT, int, int) { layout(); }

void DialogSearch::onLButtonDown(UINT, int, int y) {
    if (!outline_layout::inSplitter(layout_, y)) return;
    dragging_ = true;
    lastY_ = y;
    SetCapture(handle());
    RECT band{0, layout_.tree.top + 4, layout_.comment.right, layout_.comment.bottom - 6};
    MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&band), 2);
    ClipCursor(&band);
    SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
}

void DialogSearch::onMouseMove(UINT, int, int y) {
    if (!dragging_) {
        SetCursor(LoadCursorW(nullptr, outline_layout::inSplitter(layout_, y) ? IDC_SIZENS : IDC_ARROW));
        return;
    }
    commentHeight_ = outline_layout::dragged(commentHeight_, lastY_, y);
    lastY_ = y;
    layout();
}

void DialogSearch::onLButtonUp(UINT, int, int) {
    if (!dragging_) return;
    dragging_ = false;
    ReleaseCapture();
    ClipCursor(nullptr);
}

INT_PTR DialogSearch::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case jumps::OutlineJumpDone:
        if (editor() && IsWindow(editor())) SetFocus(editor());
        return TRUE;
    case WM_SETCURSOR:
        // The cursor shape is set by the mouse moves over the window's own
        // surface; the default would put the arrow back every time.
        if (reinterpret_cast<HWND>(wParam) == handle() && LOWORD(lParam) == HTCLIENT) {
            SetWindowLongPtrW(handle(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    default: return DialogSubCommon::onOtherMessage(message, wParam, lParam);
    }
}
