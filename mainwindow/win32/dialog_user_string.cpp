#include "mainwindow/win32/dialog_user_string.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "settings/setting.h"

#include <commctrl.h>
#include <cwchar>

namespace {

constexpr wchar_t TreeProperty[] = L"Vexa_TreeView_Prop";
constexpr int TitleLimit = 100;

LRESULT CALLBACK treeProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_LBUTTONDBLCLK) return 0;  // the root would fold
    return DefSubclassProc(w, message, wParam, lParam);
}

u16 settingsFolder() {
    CSetting* s = app::settings();
    const char16_t* f = s ? s->settingsFolder() : nullptr;
    return f ? u16(f) : u16();
}

void warn(HWND owner, uint32_t id) { lang::messageBox(owner, id, msgid::CaptionWarning, MB_OK | MB_ICONWARNING); }

// The tree's images from the language library's strip; null when the
// library or its bitmap is missing.
HIMAGELIST loadTreeImages() {
    HMODULE library = lang::module();
    if (!library) return nullptr;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(VEXA_LANG_USER_STRING_IMAGES),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    HIMAGELIST images = ImageList_Create(VEXA_LANG_TOOLBAR_IMAGE_SIZE, VEXA_LANG_TOOLBAR_IMAGE_SIZE,
                                         ILC_COLOR24 | ILC_MASK, VEXA_LANG_USER_STRING_IMAGE_COUNT, 0);
    if (images) ImageList_AddMasked(images, bitmap, VEXA_LANG_TOOLBAR_KEY);
    DeleteObject(bitmap);
    return images;
}

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

} // namespace

DialogUserString::DialogUserString(HWND parent) { result_ = create(nullptr, VEXA_LANG_DLG_USER_STRING, parent); }

INT_PTR DialogUserString::onInitDialog() {
    tree_ = item(VEXA_IDC_USER_STRING_TREE);
    text_ = item(VEXA_IDC_USER_STRING_TEXT);
    if (!SetPropW(tree_, TreeProperty, this)) {
        warn(handle(), msgid::WindowPropertyFailed);
        close(0);
        return 1;
    }
    subclassed_ = SetWindowSubclass(tree_, treeProc, 1, 0) != 0;
    if (!subclassed_) {
        warn(handle(), msgid::SubclassFailed);
        close(0);
        return 1;
    }
    // A strip of another size was drawn for other roles: its images would
    // stand for the wrong nodes.
    images_ = loadTreeImages();
    if (!images_ || ImageList_GetImageCount(images_) != VEXA_LANG_USER_STRING_IMAGE_COUNT) {
        warn(handle(), msgid::ImageStripMissing);
        close(0);
        return 1;
    }
    TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    SendMessageW(text_, EM_LIMITTEXT, user_strings::TextLimit, 0);
    user_strings::ReadResult r = user_strings::read(settingsFolder());
    // A file this dialog did not understand stays as it is: OK would
    // replace it with what little was understood.
    if (!user_strings::writable(r.status)) {
        warn(handle(), msgid::UserStringsUnreadable);
        close(0);
        return 1;
    }
    std::wstring rootTitle = lang::message(msgid::UserStringNewTitle);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = rootTitle.data();
    ins.item.iImage = ins.item.iSelectedImage = VEXA_LANG_USER_STRING_IMAGE_ROOT;
    ins.item.lParam = -1;
    root_ = TreeView_InsertItem(tree_, &ins);
    if (!root_) {
        warn(handle(), msgid::UserStringTreeFailed);
        close(0);
        return 1;
    }
    HTREEITEM last = TVI_FIRST;
    for (const user_strings::UserString& s : r.strings) {
        last = addNode(last, wide::w(s.title), texts_.size());
        texts_.push_back(wide::w(s.text));
        if (!last) {
            warn(handle(), msgid::UserStringTreeFailed);
            close(0);
            return 1;
        }
    }
    TreeView_Expand(tree_, root_, TVE_EXPAND);
    TreeView_SelectItem(tree_, root_);
    showSelected();
    return 1;
}

void DialogUserString::onDestroy() {
    if (subclassed_) RemoveWindowSubclass(tree_, treeProc, 1);
    if (tree_) RemovePropW(tree_, TreeProperty);
    if (images_) {
        if (tree_) TreeView_SetImageList(tree_, nullptr, TVSIL_NORMAL);
        ImageList_Destroy(images_);
        images_ = nullptr;
    }
}

HTREEITEM DialogUserString::addNode(HTREEITEM after, const std::wstring& title, size_t slot) {
    std::wstring t = title;
    TVINSERTSTRUCTW ins{};
    ins.hParent = root_;
    ins.hInsertAfter = after;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = t.data();
    ins.item.iImage = VEXA_LANG_USER_STRING_IMAGE_STRING;
    ins.item.iSelectedImage = VEXA_LANG_USER_STRING_IMAGE_SELECTED;
    ins.item.lParam = static_cast<LPARAM>(slot);
    return TreeView_InsertItem(tree_, &ins);
}

size_t DialogUserString::count() const {
    size_t n = 0;
    for (HTREEITEM c = TreeView_GetChild(tree_, root_); c; c = TreeView_GetNextSibling(tree_, c)) ++n;
    return n;
}

void DialogUserString::keepText() {
    if (!shown_ || shown_ == root_) return;
    LPARAM slot = nodeData(tree_, shown_);
    if (slot < 0 || static_cast<size_t>(slot) >= texts_.size()) return;
    int n = GetWindowTextLengthW(text_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(text_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    texts_[static_cast<size_t>(slot)] = text;
}

void DialogUserString::showSelected() {
    HTREEITEM sel = TreeView_GetSelection(tree_);
    shown_ = sel;
    LPARAM slot = sel ? nodeData(tree_, sel) : -1;
    bool aString = sel && sel != root_ && slot >= 0 && static_cast<size_t>(slot) < texts_.size();
    SetWindowTextW(text_, aString ? texts_[static_cast<size_t>(slot)].c_str() : L"");
    EnableWindow(text_, aString);
    for (int id : {VEXA_IDC_USER_STRING_MARKER, VEXA_IDC_USER_STRING_DELETE, VEXA_IDC_USER_STRING_RENAME,
                   VEXA_IDC_USER_STRING_UP, VEXA_IDC_USER_STRING_DOWN})
        EnableWindow(item(id), aString);
}

void DialogUserString::add() {
    if (count() >= user_strings::MaxStrings) {
        wchar_t buffer[256];
        std::swprintf(buffer, 256, lang::message(msgid::UserStringsFull), static_cast<int>(user_strings::MaxStrings));
        MessageBoxW(handle(), buffer, lang::message(msgid::CaptionWarning), MB_OK | MB_ICONWARNING);
        return;
    }
    keepText();
    HTREEITEM sel = TreeView_GetSelection(tree_);
    HTREEITEM after = !sel || sel == root_ ? TVI_LAST : sel;
    HTREEITEM node = addNode(after, lang::message(msgid::UserStringNewTitle), texts_.size());
    if (!node) return;
    texts_.emplace_back();
    TreeView_Expand(tree_, root_, TVE_EXPAND);
    TreeView_SelectItem(tree_, node);
    SetFocus(tree_);
    TreeView_EditLabel(tree_, node);
}

void DialogUserString::remove() {
    HTREEITEM sel = TreeView_GetSelection(tree_);
    if (!sel || sel == root_) return;
    HTREEITEM next = TreeView_GetNextSibling(tree_, sel);
    if (!next) next = TreeView_GetPrevSibling(tree_, sel);
    if (!next) next = root_;
    shown_ = nullptr;  // its text goes with it
    TreeView_DeleteItem(tree_, sel);
    TreeView_SelectItem(tree_, next);
    showSelected();
}

// Swaps the selected string with its neighbour: labels and slots.
void DialogUserString::move(bool up) {
    HTREEITEM sel = TreeView_GetSelection(tree_);
    if (!sel || sel == root_) return;
    HTREEITEM other = up ? TreeView_GetPrevSibling(tree_, sel) : TreeView_GetNextSibling(tree_, sel);
    if (!other) return;
    keepText();
    std::wstring a = nodeText(tree_, sel), b = nodeText(tree_, other);
    LPARAM sa = nodeData(tree_, sel), sb = nodeData(tree_, other);
    auto set = [&](HTREEITEM node, std::wstring& text, LPARAM slot) {
        TVITEMW tv{};
        tv.mask = TVIF_TEXT | TVIF_PARAM;
        tv.hItem = node;
        tv.pszText = text.data();
        tv.lParam = slot;
        TreeView_SetItem(tree_, &tv);
    };
    set(sel, b, sb);
    set(other, a, sa);
    shown_ = nullptr;
    TreeView_SelectItem(tree_, other);
    showSelected();
}

bool DialogUserString::save() {
    keepText();
    std::vector<user_strings::UserString> strings;
    for (HTREEITEM c = TreeView_GetChild(tree_, root_); c; c = TreeView_GetNextSibling(tree_, c)) {
        LPARAM slot = nodeData(tree_, c);
        if (slot < 0 || static_cast<size_t>(slot) >= texts_.size()) continue;
        strings.push_back({wide::u(nodeText(tree_, c).c_str()), wide::u(texts_[static_cast<size_t>(slot)].c_str())});
    }
    if (user_strings::write(settingsFolder(), strings)) return true;
    warn(handle(), msgid::UserStringsNotSaved);
    return false;
}

INT_PTR DialogUserString::onNotify(NMHDR* header) {
    if (header->hwndFrom != tree_) return 0;
    auto answer = [&](LRESULT value) {
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, value);
        return TRUE;
    };
    switch (header->code) {
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGINGA: keepText(); return 0;
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA: showSelected(); return 0;
    case TVN_BEGINLABELEDITW:
    case TVN_BEGINLABELEDITA: {
        auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        if (info->item.hItem == root_) return answer(TRUE);
        if (HWND edit = TreeView_GetEditControl(tree_)) SendMessageW(edit, EM_LIMITTEXT, TitleLimit, 0);
        editing_ = true;
        return answer(FALSE);
    }
    case TVN_ENDLABELEDITW:
    case TVN_ENDLABELEDITA: {
        editing_ = false;
        auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        return answer(info->item.pszText && info->item.pszText[0] ? TRUE : FALSE);
    }
    default: return 0;
    }
}

INT_PTR DialogUserString::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
        if (editing_) {
            TreeView_EndEditLabelNow(tree_, id == IDCANCEL);
            return 1;
        }
        if (id == IDOK && !save()) return 1;
        close(id == IDOK ? 1 : 0);
        return 1;
    case VEXA_IDC_USER_STRING_MARKER:
        SendMessageW(text_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide::w(snippet::CaretMarker)));
        SetFocus(text_);
        return 1;
    case VEXA_IDC_USER_STRING_ADD: add(); return 1;
    case VEXA_IDC_USER_STRING_DELETE: remove(); return 1;
    case VEXA_IDC_USER_STRING_UP: move(true); return 1;
    case VEXA_IDC_USER_STRING_DOWN: move(false); return 1;
    case VEXA_IDC_USER_STRING_RENAME:
        if (HTREEITEM sel = TreeView_GetSelection(tree_); sel && sel != root_) {
            SetFocus(tree_);
            TreeView_EditLabel(tree_, sel);
        }
        return 1;
    case VEXA_IDC_USER_STRING_HELP: showHelpTopic(instance(), cfgid::HelpUserStrings); return 1;
    default: return 0;
    }
}
