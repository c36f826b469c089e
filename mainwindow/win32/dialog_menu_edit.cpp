#include "mainwindow/win32/dialog_menu_edit.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "mainwindow/command_texts.h"
#include "mainwindow/toolbar_table.h"
#include "mainwindow/win32/toolbar.h"
#include "mainwindow/win32/user_commands.h"
#include "settings/setting.h"

#include <algorithm>
#include <commctrl.h>
#include <cwchar>

namespace {

constexpr wchar_t TreeProperty[] = L"Vexa_TreeView_Prop";
constexpr UINT_PTR ScrollTimer = 1;
constexpr UINT ScrollInterval = 200;
constexpr int TitleLimit = 100;

// What a tree node or list entry stands for, kept in its lParam.
constexpr LPARAM TitleData = 0;
constexpr LPARAM SeparatorData = 1;
LPARAM commandData(int32_t index) { return index + 2; }

// The image of an entry in the language library's strip: the same one the
// user menu draws for it.
int imageOf(LPARAM data) {
    if (data == TitleData) return VEXA_LANG_TOOLBAR_IMAGE_TITLE;
    if (data == SeparatorData) return VEXA_LANG_TOOLBAR_IMAGE_SEPARATOR;
    return static_cast<int>(data - 2);
}

user_menu::Item itemOf(LPARAM data, const std::wstring& title) {
    user_menu::Item item;
    if (data == TitleData) {
        item.kind = user_menu::Item::Kind::Title;
        item.title = wide::u(title.c_str());
    } else {
        item.command = data == SeparatorData ? user_menu::Separator : static_cast<int32_t>(data - 2);
    }
    return item;
}

std::wstring commandText(int32_t index) {
    return wide::w(command_texts::buttonText(toolbar_table::commandAt(index), &lang::text));
}

bool hasText(uint32_t command) { return !command_texts::buttonText(command, &lang::text).empty(); }

LPARAM nodeData(HWND tree, HTREEITEM node) {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = node;
    TreeView_GetItem(tree, &tv);
    return tv.lParam;
}

std::wstring nodeText(HWND tree, HTREEITEM node) {
    wchar_t text[TitleLimit + 2] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = node;
    tv.pszText = text;
    tv.cchTextMax = TitleLimit + 1;
    TreeView_GetItem(tree, &tv);
    return text;
}

// Double clicks would fold and unfold titles while the user arranges them.
LRESULT CALLBACK treeProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_LBUTTONDBLCLK) return 0;
    return DefSubclassProc(w, message, wParam, lParam);
}

} // namespace

DialogMenuEdit::DialogMenuEdit(HWND parent) { result_ = create(nullptr, VEXA_LANG_DLG_MENU_EDIT, parent); }

INT_PTR DialogMenuEdit::onInitDialog() {
    tree_ = item(VEXA_IDC_MENU_EDIT_TREE);
    list_ = item(VEXA_IDC_MENU_EDIT_LIST);
    if (!SetPropW(tree_, TreeProperty, this)) {
        lang::messageBox(handle(), msgid::WindowPropertyFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
        return 1;
    }
    subclassed_ = SetWindowSubclass(tree_, treeProc, 1, 0) != 0;
    if (!subclassed_) {
        lang::messageBox(handle(), msgid::SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
        return 1;
    }
    images_ = toolbar::loadImages();
    if (!images_ || ImageList_GetImageCount(images_) < VEXA_LANG_TOOLBAR_IMAGE_COUNT) {
        lang::messageBox(handle(), msgid::ImageStripMissing, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
        return 1;
    }
    SetWindowLongPtrW(list_, GWL_STYLE, GetWindowLongPtrW(list_, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ListView_SetImageList(list_, images_, LVSIL_SMALL);
    TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT);
    RECT r{};
    GetClientRect(list_, &r);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = r.right - r.left - GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(list_, 0, &column);
    load(user_commands::storedDefinition());
    return 1;
}

void DialogMenuEdit::onDestroy() {
    KillTimer(handle(), ScrollTimer);
    if (subclassed_) RemoveWindowSubclass(tree_, treeProc, 1);
    if (tree_) RemovePropW(tree_, TreeProperty);
    if (images_) {
        if (tree_) TreeView_SetImageList(tree_, nullptr, TVSIL_NORMAL);
        if (list_) ListView_SetImageList(list_, nullptr, LVSIL_SMALL);
        ImageList_Destroy(images_);
        images_ = nullptr;
    }
}

HTREEITEM DialogMenuEdit::insertNode(HTREEITEM parent, HTREEITEM after, const user_menu::Item& item) {
    std::wstring text = item.isTitle()       ? wide::w(item.title)
                        : item.isSeparator() ? std::wstring(lang::message(msgid::MenuEditSeparatorNode))
                                             : commandText(item.command);
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = after;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = text.data();
    ins.item.lParam = item.isTitle() ? TitleData : item.isSeparator() ? SeparatorData : commandData(item.command);
    ins.item.iImage = ins.item.iSelectedImage = imageOf(ins.item.lParam);
    return TreeView_InsertItem(tree_, &ins);
}

void DialogMenuEdit::load(const std::wstring& definition) {
    TreeView_DeleteAllItems(tree_);
    std::vector<user_menu::Item> items = user_menu::parse(wide::u(definition.c_str()));
    user_menu::Item root;
    root.kind = user_menu::Item::Kind::Title;
    root.title = items.empty() ? u16() : user_menu::menuTitle(items);
    HTREEITEM top = insertNode(TVI_ROOT, TVI_LAST, root);
    std::vector<HTREEITEM> nodes(items.size(), nullptr);
    for (const user_menu::Placement& p : user_menu::layout(items)) {
        HTREEITEM parent = p.parent < 0 ? top : nodes[static_cast<size_t>(p.parent)];
        if (parent) nodes[p.item] = insertNode(parent, TVI_LAST, items[p.item]);
    }
    for (HTREEITEM n : nodes)
        if (n && nodeData(tree_, n) == TitleData) TreeView_Expand(tree_, n, TVE_EXPAND);
    TreeView_Expand(tree_, top, TVE_EXPAND);
    TreeView_SelectItem(tree_, top);
    fillList();
}

void DialogMenuEdit::fillList() {
    ListView_DeleteAllItems(list_);
    auto add = [&](const std::wstring& text, LPARAM data) {
        LVITEMW lv{};
        lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
        lv.iItem = ListView_GetItemCount(list_);
        lv.pszText = const_cast<wchar_t*>(text.c_str());
        lv.lParam = data;
        lv.iImage = imageOf(data);
        ListView_InsertItem(list_, &lv);
    };
    add(lang::message(msgid::MenuEditNewTitle), TitleData);
    add(lang::message(msgid::MenuEditNewSeparator), SeparatorData);
    for (int32_t n : user_menu::addableCommands(items(), &hasText)) add(commandText(n), commandData(n));
}

// The tree in definition order: each node, its depth in dots, then its
// children one level deeper.
std::vector<user_menu::Item> DialogMenuEdit::items() const {
    std::vector<user_menu::Item> out;
    struct Walk {
        const DialogMenuEdit& self;
        std::vector<user_menu::Item>& out;
        void visit(HTREEITEM node, int32_t depth) {
            for (; node; node = TreeView_GetNextSibling(self.tree_, node)) {
                user_menu::Item item = itemOf(nodeData(self.tree_, node), nodeText(self.tree_, node));
                item.depth = std::min(depth, user_menu::MaxDepth);
                out.push_back(item);
                visit(TreeView_GetChild(self.tree_, node), depth + 1);
            }
        }
    } walk{*this, out};
    walk.visit(TreeView_GetRoot(tree_), 0);
    return out;
}

HTREEITEM DialogMenuEdit::copySubtree(HTREEITEM from, HTREEITEM parent, HTREEITEM after) {
    HTREEITEM copy = insertNode(parent, after, itemOf(nodeData(tree_, from), nodeText(tree_, from)));
    if (!copy) return nullptr;
    for (HTREEITEM c = TreeView_GetChild(tree_, from); c; c = TreeView_GetNextSibling(tree_, c))
        copySubtree(c, copy, TVI_LAST);
    if (TreeView_GetChild(tree_, copy)) TreeView_Expand(tree_, copy, TVE_EXPAND);
    return copy;
}

bool DialogMenuEdit::inside(HTREEITEM item, HTREEITEM ancestor) const {
    for (; item; item = TreeView_GetParent(tree_, item))
        if (item == ancestor) return true;
    return false;
}

void DialogMenuEdit::beginDrag(HTREEITEM fromTree, int fromList) {
    if (editing_) return;
    dragItem_ = fromTree;
    dragListIndex_ = fromList;
    dragging_ = true;
    SetCapture(handle());
    SetTimer(handle(), ScrollTimer, ScrollInterval, nullptr);
}

HTREEITEM DialogMenuEdit::dropTarget() const {
    TVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(tree_, &hit.pt);
    RECT r{};
    GetClientRect(tree_, &r);
    if (!PtInRect(&r, hit.pt)) return nullptr;
    return TreeView_HitTest(tree_, &hit);
}

bool DialogMenuEdit::overList() const {
    POINT p{};
    GetCursorPos(&p);
    RECT r{};
    GetWindowRect(list_, &r);
    return PtInRect(&r, p) != 0;
}

void DialogMenuEdit::onMouseMove(UINT, int, int) {
    if (!dragging_) return;
    HTREEITEM target = dropTarget();
    TreeView_SetInsertMark(tree_, target, TRUE);
}

// Scrolls the tree while the pointer rests near its top or bottom edge.
void DialogMenuEdit::onTimer(UINT_PTR id) {
    if (id != ScrollTimer || !dragging_) return;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(tree_, &p);
    RECT r{};
    GetClientRect(tree_, &r);
    if (p.x < r.left || p.x >= r.right) return;
    int edge = TreeView_GetItemHeight(tree_);
    if (p.y < r.top + edge) SendMessageW(tree_, WM_VSCROLL, SB_LINEUP, 0);
    else if (p.y >= r.bottom - edge) SendMessageW(tree_, WM_VSCROLL, SB_LINEDOWN, 0);
}

void DialogMenuEdit::onLButtonUp(UINT, int, int) {
    if (dragging_) endDrag(true);
}

void DialogMenuEdit::endDrag(bool drop) {
    dragging_ = false;
    KillTimer(handle(), ScrollTimer);
    ReleaseCapture();
    TreeView_SetInsertMark(tree_, nullptr, FALSE);
    if (!drop) return;
    HTREEITEM root = TreeView_GetRoot(tree_);
    if (dragItem_ && overList()) {
        // Back to the list: out of the menu (the menu's own title stays).
        if (dragItem_ != root) TreeView_DeleteItem(tree_, dragItem_);
        fillList();
        return;
    }
    HTREEITEM target = dropTarget();
    if (!target || (dragItem_ && inside(target, dragItem_))) return;
    // On a title: its first entry; on anything else: right after it.
    HTREEITEM parent = target, after = TVI_FIRST;
    if (nodeData(tree_, target) != TitleData) {
        parent = TreeView_GetParent(tree_, target);
        after = target;
    }
    HTREEITEM placed = nullptr;
    if (dragItem_) {
        if (dragItem_ == root || dragItem_ == target) return;
        placed = copySubtree(dragItem_, parent, after);
        if (placed) TreeView_DeleteItem(tree_, dragItem_);
    } else {
        LVITEMW lv{};
        lv.mask = LVIF_PARAM;
        lv.iItem = dragListIndex_;
        if (!ListView_GetItem(list_, &lv)) return;
        user_menu::Item item = itemOf(lv.lParam, lang::message(msgid::MenuEditNewTitle));
        placed = insertNode(parent, after, item);
    }
    if (!placed) return;
    TreeView_Expand(tree_, parent, TVE_EXPAND);
    TreeView_SelectItem(tree_, placed);
    fillList();
    if (!dragItem_ && nodeData(tree_, placed) == TitleData) {
        SetFocus(tree_);
        TreeView_EditLabel(tree_, placed);
    }
}

INT_PTR DialogMenuEdit::onNotify(NMHDR* header) {
    auto answer = [&](LRESULT value) {
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, value);
        return TRUE;
    };
    if (header->hwndFrom == list_ && header->code == LVN_BEGINDRAG) {
        beginDrag(nullptr, reinterpret_cast<NMLISTVIEW*>(header)->iItem);
        return 0;
    }
    if (header->hwndFrom != tree_) return 0;
    switch (header->code) {
    case TVN_BEGINDRAGW:
    case TVN_BEGINDRAGA: beginDrag(reinterpret_cast<NMTREEVIEWW*>(header)->itemNew.hItem, -1); return 0;
    case TVN_BEGINLABELEDITW:
    case TVN_BEGINLABELEDITA: {
        auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        if (info->item.lParam != TitleData) return answer(TRUE);
        if (HWND edit = TreeView_GetEditControl(tree_)) SendMessageW(edit, EM_LIMITTEXT, TitleLimit, 0);
        editing_ = true;
        return answer(FALSE);
    }
    case TVN_ENDLABELEDITW:
    case TVN_ENDLABELEDITA: {
        editing_ = false;
        auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        // An empty title would leave an entry nobody can read or choose.
        bool accept = info->item.pszText && info->item.pszText[0] && std::wcslen(info->item.pszText) <= TitleLimit;
        return answer(accept ? TRUE : FALSE);
    }
    default: return 0;
    }
}

void DialogMenuEdit::store() {
    std::u16string definition = user_menu::toDefinition(items());
    if (definition.size() > user_menu::DefinitionLimit) definition.resize(user_menu::DefinitionLimit);
    if (CSetting* s = app::settings()) s->writeString(u"Menu", u"1", definition.c_str());
}

INT_PTR DialogMenuEdit::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
        // While a title is renamed, Enter and Escape end the renaming.
        if (editing_) {
            TreeView_EndEditLabelNow(tree_, id == IDCANCEL);
            return 1;
        }
        if (id == IDOK) store();
        close(id == IDOK ? 1 : 0);
        return 1;
    case VEXA_IDC_MENU_EDIT_RESET:
        if (lang::messageBox(handle(), msgid::MenuEditAskReset, msgid::CaptionQuestion,
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
            load(lang::config(cfgid::DefaultUserMenu));
        return 1;
    case VEXA_IDC_MENU_EDIT_HELP: showHelpTopic(instance(), cfgid::HelpUserMenu); return 1;
    default: return 0;
    }
}
