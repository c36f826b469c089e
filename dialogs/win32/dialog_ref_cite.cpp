#include "dialogs/win32/dialog_ref_cite.h"

#include "base/win32/wide.h"
#include "dialogs/bib_fragment.h"
#include "dialogs/ref_cite_list.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "lang/resource_ids.h"
#include "mainwindow/snippet.h"
#include "outline/search.h"
#include "outline/win32/dialog_label_config.h"
#include "outline/win32/outline_images.h"
#include "outline/win32/redraw.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <commctrl.h>
#include <new>

namespace {

namespace keys = ini_keys::ref_cite;

// Without a client area to measure, the column gets this width.
constexpr int FallbackColumnWidth = 200;
// Room the insert box allows: one more than the longest text OK accepts
// would be 262; the box holds a little more so the refusal can be seen.
constexpr int TextLimit = 521;
// The entry view sits this far below the list.
constexpr int DetailGap = 3;

// The filter boxes in the order of ref_cite::FilterMasks.
constexpr int FilterBoxes[ref_cite::FilterBoxCount] = {VEXA_IDC_REF_HEADINGS, VEXA_IDC_REF_EQUATIONS,
                                                       VEXA_IDC_REF_FIGURES,  VEXA_IDC_REF_TABLES,
                                                       VEXA_IDC_REF_ITEMS,    VEXA_IDC_REF_OTHERS};
// What citation mode hides: everything about labels.
constexpr int LabelControls[] = {VEXA_IDC_REF_KIND_GROUP, VEXA_IDC_REF_REF,       VEXA_IDC_REF_PAGEREF,
                                 VEXA_IDC_REF_EQREF,      VEXA_IDC_REF_FILTER_GROUP, VEXA_IDC_REF_PREFIXES};
// The radios by "RefType".
constexpr int KindRadios[] = {VEXA_IDC_REF_REF, VEXA_IDC_REF_PAGEREF, VEXA_IDC_REF_EQREF};

// A child's rectangle in its dialog's client coordinates.
RECT childRect(HWND dialog, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

DialogRefCite::DialogRefCite(HWND parent, HWND editor, Mode mode) : editor_(editor), mode_(mode) {
    result_ = create(nullptr, VEXA_LANG_DLG_REF_CITE, parent);
}

DialogRefCite::~DialogRefCite() = default;

// ---- start-up ----------------------------------------------------------------

INT_PTR DialogRefCite::onInitDialog() {
    list_ = item(VEXA_IDC_REF_LIST);
    if (!list_ || !setUp()) return TRUE;
    SendMessageW(item(VEXA_IDC_REF_TEXT), EM_LIMITTEXT, TextLimit, 0);
    if (citation()) {
        if (!setUpCitation()) return TRUE;
    } else {
        setUpReference();
    }
    showRows();
    selectTop();
    SetFocus(list_);
    return FALSE;   // the focus was set here
}

bool DialogRefCite::setUp() {
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    images_ = outline_images::load();
    if (!images_) {
        fail(msgid::ImageStripMissing);
        return false;
    }
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));

    RECT client{};
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = GetClientRect(list_, &client) && client.right > 0 ? client.right - GetSystemMetrics(SM_CXVSCROLL)
                                                                   : FallbackColumnWidth;
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    CSetting* settings = app::settings();
    if (!settings || !editor_) {
        fail(msgid::RefScanFailed);
        return false;
    }
    int32_t order = settings->readInt(keys::Section, citation() ? keys::CiteSort : keys::RefSort, 0);
    try {
        host_ = std::make_unique<WindowEditor>(editor_);
        scan_ = std::make_unique<CSearch>(*host_, *settings, shared_toggles::lockedRoot(settings));
        rows_ = std::make_unique<RefCiteList>(*scan_, citation(), order);
    } catch (const std::bad_alloc&) {
        rows_.reset();
        scan_.reset();
        fail(msgid::RefScanFailed);
        return false;
    }
    return true;
}

void DialogRefCite::fail(uint32_t messageId) {
    lang::messageBox(handle(), messageId, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
    close(0);
}

void DialogRefCite::setUpReference() {
    SetWindowTextW(handle(), lang::message(msgid::RefDialogTitle));
    CSetting* settings = app::settings();
    int32_t kind = settings->readInt(keys::Section, keys::RefType, 0);
    CheckRadioButton(handle(), VEXA_IDC_REF_REF, VEXA_IDC_REF_EQREF,
                     KindRadios[kind == 1 || kind == 2 ? kind : 0]);
    ref_cite::FilterBoxes boxes =
        ref_cite::boxesOfMask(settings->readInt(keys::Section, keys::LabelFilter, ref_cite::DefaultLabelFilter));
    for (size_t i = 0; i < ref_cite::FilterBoxCount; ++i)
        CheckDlgButton(handle(), FilterBoxes[i], boxes[i] ? BST_CHECKED : BST_UNCHECKED);
    updateFilter();
}

bool DialogRefCite::setUpCitation() {
    for (int id : LabelControls) ShowWindow(item(id), SW_HIDE);
    for (int id : FilterBoxes) ShowWindow(item(id), SW_HIDE);
    SetWindowTextW(handle(), lang::message(msgid::CiteDialogTitle));
    // Several keys may go into one \cite.
    SetWindowLongPtrW(list_, GWL_STYLE, GetWindowLongPtrW(list_, GWL_STYLE) & ~LVS_SINGLESEL);
    if (!detail_.create(handle(), DialogBibItemData::Citation)) {
        fail(msgid::RefDetailFailed);
        return false;
    }
    // The entry view takes the context line's place below the list, as
    // wide as the list and the buttons beside it; the dialog grows by what
    // it needs beyond that line.
    RECT list = childRect(handle(), list_);
    RECT ok = childRect(handle(), item(IDOK));
    RECT context = childRect(handle(), item(VEXA_IDC_REF_CONTEXT));
    RECT view{};
    GetWindowRect(detail_.handle(), &view);
    const int viewHeight = view.bottom - view.top;
    SetWindowPos(detail_.handle(), nullptr, list.left, list.bottom + DetailGap, ok.right - list.left, viewHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(handle(), &normal_);
    enlarged_ = normal_;
    enlarged_.bottom += viewHeight + DetailGap - (context.bottom - context.top);
    return true;
}

void DialogRefCite::onDestroy() {
    detail_.close(0);
    // The list asks for the rows' texts and draws the images until it is
    // gone: it forgets both first.
    if (list_) {
        SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    }
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
    rows_.reset();
    scan_.reset();
    host_.reset();
    list_ = nullptr;
}

// ---- the list ----------------------------------------------------------------

// A filter box or a command radio changed: the labels of the boxes now
// checked, when that is not what the list shows.
void DialogRefCite::updateFilter() {
    if (!rows_ || citation()) return;
    ref_cite::FilterBoxes boxes{};
    for (size_t i = 0; i < ref_cite::FilterBoxCount; ++i)
        boxes[i] = IsDlgButtonChecked(handle(), FilterBoxes[i]) == BST_CHECKED;
    if (rows_->setMask(ref_cite::maskOfBoxes(boxes))) showRows();
}

// The list is virtual: it holds only a count and asks for each row it
// draws, so thousands of labels show at once.
void DialogRefCite::showRows() {
    if (!list_ || !rows_) return;
    {
        Redraw quiet(list_);
        // The old selection means other rows now. Only the selected rows
        // are cleared: clearing "all" costs a notification per row.
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        for (int row : selectedRows()) SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&none));
        int focused = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (focused >= 0) SendMessageW(list_, LVM_SETITEMSTATE, focused, reinterpret_cast<LPARAM>(&none));
        SendMessageW(list_, LVM_SETITEMCOUNT, rows_->rows().size(), 0);
    }
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(lang::message(ref_candidates::columnTitle(rows_->order())));
    SendMessageW(list_, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void DialogRefCite::selectTop() {
    if (!list_ || !rows_ || rows_->rows().empty()) {
        if (citation()) showDetail(-1);
        return;
    }
    LVITEMW top{};
    top.state = top.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&top));
    SendMessageW(list_, LVM_ENSUREVISIBLE, 0, FALSE);
}

std::vector<int> DialogRefCite::selectedRows() const {
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0)
        rows.push_back(row);
    return rows;
}

// newlySelected: the row that just became selected, or -1 when the
// change was a row losing its selection or a range (citation mode).
void DialogRefCite::selectionChanged(int newlySelected) {
    if (!rows_) return;
    if (!citation()) {
        const OutlineItem* it = rows_->item(newlySelected);
        if (!it) return;
        setItemText(VEXA_IDC_REF_TEXT, wide::w(it->name));
        setItemText(VEXA_IDC_REF_CONTEXT, wide::w(it->text));
        return;
    }
    setItemText(VEXA_IDC_REF_TEXT, wide::w(rows_->insertText(selectedRows())));
    SendMessageW(item(VEXA_IDC_REF_TEXT), EM_SETSEL, 0, -1);
    if (newlySelected >= 0) showDetail(newlySelected);
}

// The chosen key's database entry below the list (the dialog grows for
// it), or its \bibitem text on the context line.
void DialogRefCite::showDetail(int row) {
    const OutlineItem* it = rows_ ? rows_->item(row) : nullptr;
    BibEntry entry;
    const bool hasEntry = it && it->entry >= 0 && scan_->entry(it->entry, entry);
    const RECT& size = hasEntry ? enlarged_ : normal_;
    if (hasEntry) detail_.showEntry(entry);
    else setItemText(VEXA_IDC_REF_CONTEXT, it ? wide::w(it->text) : L"");
    ShowWindow(item(VEXA_IDC_REF_CONTEXT), hasEntry ? SW_HIDE : SW_SHOWNA);
    if (detail_.handle()) ShowWindow(detail_.handle(), hasEntry ? SW_SHOWNA : SW_HIDE);
    SetWindowPos(handle(), nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- the user's choices ---------------------------------------------------------

void DialogRefCite::insert() {
    std::wstring text = itemText(VEXA_IDC_REF_TEXT);
    u16 chosen = wide::u(text.c_str(), text.size());
    if (bib::insertTextTooLong(chosen)) {
        lang::messageBox(handle(), msgid::RefTextTooLong, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
        SetFocus(item(VEXA_IDC_REF_TEXT));
        return;
    }
    bib::RefKind kind = IsDlgButtonChecked(handle(), VEXA_IDC_REF_PAGEREF) == BST_CHECKED ? bib::RefKind::PageRef
                        : IsDlgButtonChecked(handle(), VEXA_IDC_REF_EQREF) == BST_CHECKED ? bib::RefKind::EqRef
                                                                                          : bib::RefKind::Ref;
    bib::Insertion ins = bib::refInsertion(citation(), kind, chosen);
    if (host_) {
        snippet::Target target{*host_, true};
        snippet::insertSnippet(target, ins.fragment.before, ins.fragment.after, ins.replaceSelection ? 4 : 0);
    }
    if (CSetting* settings = app::settings(); settings && rows_) {
        if (citation()) {
            settings->writeInt(keys::Section, keys::CiteSort, rows_->order());
        } else {
            settings->writeInt(keys::Section, keys::RefSort, rows_->order());
            settings->writeInt(keys::Section, keys::RefType, static_cast<int32_t>(kind));
            settings->writeInt(keys::Section, keys::LabelFilter, rows_->mask());
        }
    }
    close(1);
}

INT_PTR DialogRefCite::onCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case IDOK: insert(); return 1;
    case IDCANCEL: close(0); return 1;
    case VEXA_IDC_REF_PREFIXES:
        // New prefixes sort labels at the next scan; the list is filled
        // again from this one.
        if (DialogLabelConfig(handle()).accepted() && rows_) {
            rows_->refill();
            showRows();
        }
        return 1;
    default:
        for (int box : FilterBoxes)
            if (id == box) updateFilter();
        for (int radio : KindRadios)
            if (id == radio) updateFilter();
        return 0;
    }
}

INT_PTR DialogRefCite::onNotify(NMHDR* header) {
    if (!header || header->hwndFrom != list_ || !list_ || !rows_) return 0;
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        const auto& rows = rows_->rows();
        int row = info->item.iItem;
        if (row < 0 || row >= static_cast<int>(rows.size()) || info->item.iSubItem != 0) return 0;
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0)
            lstrcpynW(info->item.pszText, wide::w(rows[static_cast<size_t>(row)].text()), info->item.cchTextMax);
        if (info->item.mask & LVIF_IMAGE) info->item.iImage = rows[static_cast<size_t>(row)].image;
        return 0;
    }
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if (!(change->uChanged & LVIF_STATE) || !((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) return 0;
        bool selected = change->iItem >= 0 && (change->uNewState & LVIS_SELECTED);
        if (selected || citation()) selectionChanged(selected ? change->iItem : -1);
        return 0;
    }
    case LVN_ODSTATECHANGED:
        // A range (shift-click) changed at once.
        if (citation()) selectionChanged(-1);
        return 0;
    case LVN_COLUMNCLICK:
        rows_->nextOrder();
        showRows();
        return 0;
    default: return 0;
    }
}
