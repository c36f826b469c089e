#include "support/win32/dialog_dic_edit.h"
#include "support/win32/dialog_dic_import.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/help.h"
#include "frame/win32/language.h"
#include "lang/resource_ids.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <algorithm>
#include <commctrl.h>
#include <cwchar>
#include <string>

namespace {

using dict_edit::Fields;
using dict_edit::Tab;

constexpr int ToolbarId = 100;
constexpr int AllSources = DictionaryStore::CommandsBit | DictionaryStore::EnvironmentsBit |
                           DictionaryStore::EasySupportBit | DictionaryStore::PaperSizesBit;
// The commands that change a dictionary, off while the editor only shows.
constexpr int EditingCommands[] = {VEXA_IDC_DIC_EDIT_ADD, VEXA_IDC_DIC_EDIT_EDIT, VEXA_IDC_DIC_EDIT_DELETE,
                                   VEXA_IDC_DIC_EDIT_SORT, VEXA_IDC_DIC_EDIT_IMPORT};
constexpr int ItemBoxes[dict_edit::MaxColumns] = {VEXA_IDC_DIC_ITEM_FIELD1, VEXA_IDC_DIC_ITEM_FIELD2,
                                                  VEXA_IDC_DIC_ITEM_FIELD3};
constexpr int ItemLabels[dict_edit::MaxColumns] = {VEXA_IDC_DIC_ITEM_LABEL1, VEXA_IDC_DIC_ITEM_LABEL2,
                                                   VEXA_IDC_DIC_ITEM_LABEL3};

struct Button {
    int command;
    int image;          // -1: the button shows its tool tip as text
    uint32_t tip;
};
// Separators are command 0.
constexpr Button Buttons[] = {
    {VEXA_IDC_DIC_EDIT_ADD, 0, msgid::DicEditTipAdd},
    {VEXA_IDC_DIC_EDIT_EDIT, 1, msgid::DicEditTipEdit},
    {VEXA_IDC_DIC_EDIT_DELETE, 2, msgid::DicEditTipDelete},
    {0, 0, 0},
    {VEXA_IDC_DIC_EDIT_SORT, 3, msgid::DicEditTipSort},
    {VEXA_IDC_DIC_EDIT_IMPORT, 4, msgid::DicEditTipImport},
    {0, 0, 0},
    {VEXA_IDC_DIC_EDIT_CLEAR_HISTORY, 5, msgid::DicEditTipClearHistory},
    {0, 0, 0},
    {VEXA_IDC_DIC_EDIT_HELP, -1, msgid::DicEditTipHelp},
    {0, 0, 0},
    {VEXA_IDC_DIC_EDIT_CLOSE, -1, msgid::DicEditTipClose},
};
static_assert(std::size(Buttons) == 12);

// Tool tips hold at most 80 characters.
constexpr size_t TipLimit = 80;

HIMAGELIST loadImages() {
    HMODULE library = lang::module();
    if (!library) return nullptr;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(library, MAKEINTRESOURCEW(VEXA_LANG_DIC_EDIT_BITMAP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    HIMAGELIST images = ImageList_Create(VEXA_LANG_TOOLBAR_IMAGE_SIZE, VEXA_LANG_TOOLBAR_IMAGE_SIZE,
                                         ILC_COLOR24 | ILC_MASK, VEXA_LANG_DIC_EDIT_IMAGE_COUNT, 0);
    if (images) ImageList_AddMasked(images, bitmap, VEXA_LANG_TOOLBAR_KEY);
    DeleteObject(bitmap);
    return images;
}

// The list lives inside the tab control, so its notices (the texts a row
// needs) reach the tab control; they are handed on to the dialog.
LRESULT CALLBACK tabsProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dialog) {
    if (message == WM_NOTIFY) return SendMessageW(reinterpret_cast<HWND>(dialog), WM_NOTIFY, wParam, lParam);
    return DefSubclassProc(w, message, wParam, lParam);
}

void addStyle(HWND w, LONG_PTR style) { SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | style); }

} // namespace

DialogDicEdit::DialogDicEdit(HWND parent, DictionaryPaths paths, CSetting* settings) : settings_(settings) {
    store_ = std::make_unique<DictionaryStore>(std::move(paths));
    commands_ = std::make_unique<CTeXDictionary>(store_.get(), settings_);
    environments_ = std::make_unique<CTeXEDictionary>(store_.get());
    easySupport_ = std::make_unique<CEditorSupportDic>(store_.get());
    paperSizes_ = std::make_unique<CPaperSizeData>(*store_);
    dictionaries_ = std::make_unique<dict_edit::Dictionaries>(
        dict_edit::Dictionaries{*commands_, *environments_, *easySupport_, *paperSizes_});
    create(nullptr, VEXA_LANG_DLG_DIC_EDIT, parent);
    // The sources are written now, so that whoever rebuilds the cache next
    // reads them.
    dictionaries_.reset();
    commands_.reset();
    environments_.reset();
    easySupport_.reset();
    paperSizes_.reset();
}

DialogDicEdit::~DialogDicEdit() = default;

INT_PTR DialogDicEdit::onInitDialog() {
    tabs_ = item(VEXA_IDC_DIC_EDIT_TABS);
    list_ = item(VEXA_IDC_DIC_EDIT_LIST);
    if (!tabs_ || !list_ || !createToolbar()) {
        close(0);
        return 1;
    }
    addStyle(handle(), WS_CLIPCHILDREN);
    addStyle(tabs_, WS_CLIPCHILDREN);
    addStyle(list_, WS_CLIPCHILDREN);
    subclassed_ = SetWindowSubclass(tabs_, tabsProc, 1, reinterpret_cast<DWORD_PTR>(handle())) != 0;
    if (!subclassed_) {
        lang::messageBox(handle(), msgid::SubclassFailed, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        close(0);
        return 1;
    }
    if (!SetParent(list_, tabs_)) {
        close(0);
        return 1;
    }
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int t = 0; t < dict_edit::TabCount; ++t) {
        std::wstring title = lang::message(dict_edit::tabTitle(Tab(t)));
        TCITEMW tc{};
        tc.mask = TCIF_TEXT;
        tc.pszText = title.data();
        TabCtrl_InsertItem(tabs_, t, &tc);
    }
    placeControls();

    readOnly_ = store_->writableSources() != AllSources;
    if (readOnly_) {
        for (int id : EditingCommands) SendMessageW(toolbar_, TB_ENABLEBUTTON, id, FALSE);
        SetWindowTextW(handle(), lang::message(msgid::DicEditReadOnlyTitle));
    }
    TabCtrl_SetCurSel(tabs_, 0);
    fill();
    return 1;
}

void DialogDicEdit::onDestroy() {
    if (subclassed_) RemoveWindowSubclass(tabs_, tabsProc, 1);
    subclassed_ = false;
    if (toolbar_) SendMessageW(toolbar_, TB_SETIMAGELIST, 0, 0);
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
}

bool DialogDicEdit::createToolbar() {
    images_ = loadImages();
    if (!images_ || ImageList_GetImageCount(images_) != VEXA_LANG_DIC_EDIT_IMAGE_COUNT) {
        lang::messageBox(handle(), msgid::ImageStripMissing, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return false;
    }
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_TOP |
                                   CCS_NODIVIDER,
                               0, 0, 0, 0, handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(ToolbarId)),
                               instance(), nullptr);
    if (!toolbar_) return false;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    TBBUTTON buttons[std::size(Buttons)] = {};
    for (size_t i = 0; i < std::size(Buttons); ++i) {
        const Button& b = Buttons[i];
        TBBUTTON& t = buttons[i];
        if (!b.command) {
            t.fsStyle = BTNS_SEP;
            continue;
        }
        t.idCommand = b.command;
        t.fsState = TBSTATE_ENABLED;
        t.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        if (b.image < 0) {
            // The help and close buttons name themselves.
            t.iBitmap = I_IMAGENONE;
            t.fsStyle |= BTNS_SHOWTEXT;
            t.iString = reinterpret_cast<INT_PTR>(lang::message(b.tip));
        } else {
            t.iBitmap = b.image;
        }
    }
    if (!SendMessageW(toolbar_, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons))) return false;
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    return true;
}

// The tab control fills the dialog below the toolbar, the list fills the
// tab control's page.
void DialogDicEdit::placeControls() {
    RECT bar{}, client{}, tabs{};
    GetWindowRect(toolbar_, &bar);
    GetClientRect(handle(), &client);
    GetWindowRect(tabs_, &tabs);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&tabs), 2);
    const int top = bar.bottom - bar.top + 2;
    MoveWindow(tabs_, tabs.left, top, tabs.right - tabs.left, tabs.bottom - top, TRUE);
    RECT page{};
    GetClientRect(tabs_, &page);
    TabCtrl_AdjustRect(tabs_, FALSE, &page);
    MoveWindow(list_, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
}

Tab DialogDicEdit::tab() const {
    int t = TabCtrl_GetCurSel(tabs_);
    return t >= 0 && t < dict_edit::TabCount ? Tab(t) : dict_edit::Commands;
}

void DialogDicEdit::fill() {
    const Tab t = tab();
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    while (ListView_DeleteColumn(list_, 0)) {
    }
    RECT r{};
    GetClientRect(list_, &r);
    const int width = r.right - r.left - GetSystemMetrics(SM_CXVSCROLL);
    const int columns = dict_edit::columnCount(t);
    // Names and keys are short, descriptions long.
    static constexpr int ThreeShares[] = {30, 25, 45};
    static constexpr int TwoShares[] = {40, 60};
    for (int c = 0; c < columns; ++c) {
        std::wstring title = lang::message(dict_edit::columnTitle(t, c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = title.data();
        column.cx = width * (columns == 3 ? ThreeShares[c] : TwoShares[c]) / 100;
        column.iSubItem = c;
        ListView_InsertColumn(list_, c, &column);
    }
    // The list asks for the texts of the rows it shows.
    rows_.clear();
    for (int i = 0, n = dict_edit::count(*dictionaries_, t); i < n; ++i)
        rows_.push_back(dict_edit::row(*dictionaries_, t, i));
    ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void DialogDicEdit::select(int row) {
    if (row < 0) return;
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, row, FALSE);
}

int DialogDicEdit::selectedRow() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

INT_PTR DialogDicEdit::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case VEXA_IDC_DIC_EDIT_ADD: add(); return 1;
    case VEXA_IDC_DIC_EDIT_EDIT: edit(); return 1;
    case VEXA_IDC_DIC_EDIT_DELETE: remove(); return 1;
    case VEXA_IDC_DIC_EDIT_SORT: sort(); return 1;
    case VEXA_IDC_DIC_EDIT_IMPORT: import(); return 1;
    case VEXA_IDC_DIC_EDIT_CLEAR_HISTORY: clearHistory(); return 1;
    case VEXA_IDC_DIC_EDIT_HELP: showHelpTopic(instance(), cfgid::HelpDictionaryEditor); return 1;
    case VEXA_IDC_DIC_EDIT_CLOSE:
    case IDCANCEL: close(changed_ ? 1 : 0); return 1;
    default: return 0;
    }
}

INT_PTR DialogDicEdit::onNotify(NMHDR* header) {
    if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
        fill();
        return 1;
    }
    if (header->hwndFrom == list_ && header->code == LVN_GETDISPINFOW) {
        LVITEMW& lv = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        if ((lv.mask & LVIF_TEXT) && lv.pszText && lv.cchTextMax > 0) {
            const bool known = lv.iItem >= 0 && static_cast<size_t>(lv.iItem) < rows_.size() && lv.iSubItem >= 0 &&
                               lv.iSubItem < dict_edit::MaxColumns;
            lstrcpynW(lv.pszText, known ? wide::w(rows_[lv.iItem][lv.iSubItem]) : L"", lv.cchTextMax);
        }
        return 1;
    }
    if (header->hwndFrom == list_ && header->code == LVN_ODFINDITEMW) {
        // Typing in the list goes to the first row from the current one on
        // whose first column begins with what was typed.
        auto* find = reinterpret_cast<NMLVFINDITEMW*>(header);
        LRESULT found = -1;
        if ((find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz) {
            const size_t typed = wcslen(find->lvfi.psz);
            const int n = static_cast<int>(rows_.size());
            for (int k = 0; k < n && found < 0; ++k) {
                const int i = (std::max(find->iStart, 0) + k) % n;
                const u16& text = rows_[i][0];
                if (text.size() >= typed && _wcsnicmp(wide::w(text), find->lvfi.psz, typed) == 0) found = i;
            }
        }
        SetWindowLongPtrW(handle(), DWLP_MSGRESULT, found);
        return 1;
    }
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        for (const Button& b : Buttons) {
            if (b.command && static_cast<UINT_PTR>(b.command) == header->idFrom) {
                info->hinst = nullptr;
                lstrcpynW(info->szText, lang::message(b.tip), TipLimit);
                info->lpszText = info->szText;
                return 1;
            }
        }
    }
    return 0;
}

// Every editing command is refused while the editor only shows: a command
// can also arrive without its button (a key, another program).
void DialogDicEdit::add() {
    if (readOnly_) return;
    DialogDicItemAdd dialog(handle(), *dictionaries_, tab());
    if (!dialog.stored()) return;
    changed_ = true;
    fill();
    select(dict_edit::positionOf(*dictionaries_, tab(), dialog.fields()));
}

void DialogDicEdit::edit() {
    const int row = selectedRow();
    if (readOnly_ || row < 0) return;
    DialogDicItemEdit dialog(handle(), *dictionaries_, tab(), row);
    if (!dialog.stored()) return;
    changed_ = true;
    fill();
    select(dict_edit::positionOf(*dictionaries_, tab(), dialog.fields()));
}

void DialogDicEdit::remove() {
    const int row = selectedRow();
    if (readOnly_ || row < 0) return;
    const Tab t = tab();
    std::vector<u16> titles;
    for (int c = 0; c < dict_edit::columnCount(t); ++c) titles.push_back(lang::text(dict_edit::columnTitle(t, c)));
    u16 question = dict_edit::deleteQuestion(lang::text(msgid::DicEditAskDelete),
                                             lang::text(msgid::DicEditDeleteColumnPrefix), titles,
                                             dict_edit::row(*dictionaries_, t, row));
    if (!lang::ask(handle(), wide::w(question))) return;
    if (!dict_edit::remove(*dictionaries_, t, row)) return;
    changed_ = true;
    fill();
    select(row < static_cast<int>(rows_.size()) ? row : row - 1);
}

void DialogDicEdit::sort() {
    if (readOnly_) return;
    dict_edit::sortAll(*dictionaries_);
    changed_ = true;
    fill();
}

void DialogDicEdit::import() {
    if (readOnly_) return;
    int imported = 0;
    switch (tab()) {
    case dict_edit::Commands: imported = DialogDicImportTeX(handle(), *commands_).result(); break;
    case dict_edit::Environments: imported = DialogDicImportTeXE(handle(), *environments_).result(); break;
    case dict_edit::EasySupport: imported = DialogDicImportEasySupport(handle(), *easySupport_).result(); break;
    case dict_edit::PaperSizes: imported = DialogDicImportPaperSize(handle(), *paperSizes_).result(); break;
    }
    if (imported <= 0) return;
    changed_ = true;
    fill();
}

void DialogDicEdit::clearHistory() {
    if (!settings_ || !lang::ask(handle(), msgid::DicEditAskClearHistory)) return;
    dict_edit::clearHistory(*settings_, store_->historyPath());
}

// --- the item dialogs ---------------------------------------------------------

DialogDicEdit::DialogDicItemCommon::DialogDicItemCommon(dict_edit::Dictionaries& dictionaries, Tab tab, int position)
    : dictionaries_(dictionaries), tab_(tab), position_(position) {}

void DialogDicEdit::DialogDicItemCommon::run(HWND parent) { create(nullptr, VEXA_LANG_DLG_DIC_ITEM, parent); }

DialogDicEdit::DialogDicItemAdd::DialogDicItemAdd(HWND parent, dict_edit::Dictionaries& dictionaries, Tab tab)
    : DialogDicItemCommon(dictionaries, tab, -1) {
    run(parent);
}

uint32_t DialogDicEdit::DialogDicItemAdd::captionId() const { return msgid::DicEditTipAdd; }

DialogDicEdit::DialogDicItemEdit::DialogDicItemEdit(HWND parent, dict_edit::Dictionaries& dictionaries, Tab tab,
                                                    int position)
    : DialogDicItemCommon(dictionaries, tab, position) {
    run(parent);
}

uint32_t DialogDicEdit::DialogDicItemEdit::captionId() const { return msgid::DicEditTipEdit; }

INT_PTR DialogDicEdit::DialogDicItemCommon::onInitDialog() {
    SetWindowTextW(handle(), lang::message(captionId()));
    const Fields start = position_ >= 0 ? dict_edit::row(dictionaries_, tab_, position_) : Fields{};
    for (int c = 0; c < dict_edit::MaxColumns; ++c) {
        const bool present = c < dict_edit::columnCount(tab_);
        if (present) setItemText(ItemLabels[c], std::wstring(lang::message(dict_edit::columnTitle(tab_, c))) + L":");
        SendDlgItemMessageW(handle(), ItemBoxes[c], EM_LIMITTEXT, MaxFieldLength, 0);
        setItemText(ItemBoxes[c], wide::w(start[c]));
        EnableWindow(item(ItemBoxes[c]), present);
        EnableWindow(item(ItemLabels[c]), present);
    }
    return 1;
}

INT_PTR DialogDicEdit::DialogDicItemCommon::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK: store(); return 1;
    case IDCANCEL: close(0); return 1;
    default: return 0;
    }
}

void DialogDicEdit::DialogDicItemCommon::store() {
    Fields f;
    for (int c = 0; c < dict_edit::columnCount(tab_); ++c) f[c] = wide::u(itemText(ItemBoxes[c]).c_str());
    if (dict_edit::isDuplicate(dictionaries_, tab_, f, position_)) {
        lang::messageBox(handle(), msgid::DicEditDuplicate, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        return;
    }
    if (!dict_edit::put(dictionaries_, tab_, position_, f)) {
        // The dictionary refused the entry (a name without its backslash,
        // an abbreviation without ":" or text): let the user mend it.
        MessageBeep(MB_ICONWARNING);
        SetFocus(item(ItemBoxes[0]));
        return;
    }
    fields_ = f;
    stored_ = true;
    close(1);
}
