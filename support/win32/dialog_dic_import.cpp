#include "support/win32/dialog_dic_import.h"

#include "support/dictionary_edit.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/open_file_dialog.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/thread_context.h"
#include "frame/win32/window_editor.h"
#include "lang/resource_ids.h"
#include "support/dictionary_import.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <commctrl.h>

namespace {

// Without a client area to measure, each column gets this width.
constexpr int FallbackColumnWidth = 120;

void warn(HWND owner, uint32_t textId) {
    lang::messageBox(owner, textId, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
}

// The document of this thread's editor window, where the file dialog starts
// when no file was chosen yet; empty when there is none.
u16 currentDocument() {
    PluginThreadContext* ctx = app::context();
    if (!ctx || !ctx->editorWindow) return u16();
    WindowEditor editor(ctx->editorWindow);
    return editor.exists() ? editor.GetDocumentPath() : u16();
}

} // namespace

// ---- the common part ---------------------------------------------------------

DialogDicImportCommon::DialogDicImportCommon(Kind kind) : kind_(std::move(kind)) {}

DialogDicImportCommon::~DialogDicImportCommon() = default;

void DialogDicImportCommon::run(HWND parent) {
    u16 path;
    if (!chooseFile(parent, path)) return;
    std::string bytes;
    if (!readChosen(parent, path, bytes)) return;
    load(bytes);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (create(nullptr, VEXA_LANG_DLG_DIC_IMPORT, parent) != IDOK) result_ = 0;
}

bool DialogDicImportCommon::chooseFile(HWND parent, u16& path) const {
    open_file::Request request;
    request.owner = parent;
    request.titleId = kind_.titleId;
    request.filterId = kind_.filterId;
    request.document = currentDocument();
    if (!open_file::choose(request, path)) return false;
    if (path.size() > dict_import::MaxPathLength) {
        warn(parent, msgid::DicImportPathTooLong);
        return false;
    }
    return true;
}

bool DialogDicImportCommon::readChosen(HWND parent, u16view path, std::string& bytes) const {
    switch (dict_import::readFile(path, bytes)) {
    case dict_import::ReadResult::Read:
        return true;
    case dict_import::ReadResult::TooLarge:
        warn(parent, msgid::DicImportTooLarge);
        return false;
    case dict_import::ReadResult::Unreadable:
        break;
    }
    warn(parent, msgid::DicImportUnreadable);
    return false;
}

INT_PTR DialogDicImportCommon::onInitDialog() {
    SetWindowTextW(handle(), lang::message(kind_.titleId));
    list_ = item(VEXA_IDC_DIC_IMPORT_LIST);
    if (!list_) {
        close(IDCANCEL);
        return TRUE;
    }
    DWORD style = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    fillList();
    return TRUE;
}

void DialogDicImportCommon::fillList() {
    RECT client{};
    int columns = static_cast<int>(kind_.columnIds.size());
    int room = GetClientRect(list_, &client) && client.right > 0 ? client.right - GetSystemMetrics(SM_CXVSCROLL) : 0;
    int width = room > 0 && columns > 0 ? room / columns : FallbackColumnWidth;
    for (int c = 0; c < columns; ++c) {
        std::wstring title = lang::message(kind_.columnIds[static_cast<size_t>(c)]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = title.data();
        column.cx = width;
        column.iSubItem = c;
        SendMessageW(list_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }

    // A large file gives many rows: one repaint at the end.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rowCount()), 0);
    for (size_t r = 0; r < rowCount(); ++r) {
        std::vector<u16> cells = rowCells(r);
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(r);
        row.pszText = const_cast<wchar_t*>(wide::w(cells[0]));
        int at = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        if (at < 0) continue;
        for (size_t c = 1; c < cells.size(); ++c) {
            LVITEMW cell{};
            cell.iSubItem = static_cast<int>(c);
            cell.pszText = const_cast<wchar_t*>(wide::w(cells[c]));
            SendMessageW(list_, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&cell));
        }
        ListView_SetCheckState(list_, at, r < initialChecks_.size() && initialChecks_[r] ? TRUE : FALSE);
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void DialogDicImportCommon::checkAll(bool checked) {
    int n = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) ListView_SetCheckState(list_, i, checked ? TRUE : FALSE);
}

INT_PTR DialogDicImportCommon::onCommand(WORD id, WORD, HWND) {
    switch (id) {
    case VEXA_IDC_DIC_IMPORT_CHECK_ALL:
        checkAll(true);
        return 1;
    case VEXA_IDC_DIC_IMPORT_UNCHECK_ALL:
        checkAll(false);
        return 1;
    case IDOK: {
        // The list holds the rows in file order, one item per row.
        std::vector<bool> checked(rowCount(), false);
        for (size_t r = 0; r < checked.size(); ++r)
            checked[r] = ListView_GetCheckState(list_, static_cast<int>(r)) != 0;
        result_ = store(checked);
        close(IDOK);
        return 1;
    }
    case IDCANCEL:
        close(IDCANCEL);
        return 1;
    default:
        return 0;
    }
}

// ---- the four kinds -------------------------------------------------------------

namespace {
// The list shows the columns the editor shows for the same dictionary.
std::vector<uint32_t> columnsOf(dict_edit::Tab tab) {
    std::vector<uint32_t> ids;
    for (int c = 0; c < dict_edit::columnCount(tab); ++c) ids.push_back(dict_edit::columnTitle(tab, c));
    return ids;
}
} // namespace

DialogDicImportTeX::DialogDicImportTeX(HWND parent, CTeXDictionary& dictionary)
    : DialogDicImportCommon({msgid::DicImportTitleCommands,
                             msgid::FilterCommandSources,
                             columnsOf(dict_edit::Commands)}),
      dictionary_(dictionary) {
    run(parent);
}

void DialogDicImportTeX::load(std::string_view bytes) {
    rows_ = dict_import::commandRows(bytes);
    initialChecks_ = dict_import::initialChecks(dictionary_, rows_);
}

std::vector<u16> DialogDicImportTeX::rowCells(size_t row) const { return dict_import::cells(rows_[row]); }

int DialogDicImportTeX::store(const std::vector<bool>& checked) {
    return dict_import::merge(dictionary_, rows_, checked);
}

DialogDicImportTeXE::DialogDicImportTeXE(HWND parent, CTeXEDictionary& dictionary)
    : DialogDicImportCommon({msgid::DicImportTitleEnvironments,
                             msgid::FilterEnvironmentSources,
                             columnsOf(dict_edit::Environments)}),
      dictionary_(dictionary) {
    run(parent);
}

void DialogDicImportTeXE::load(std::string_view bytes) {
    rows_ = dict_import::environmentRows(bytes);
    initialChecks_ = dict_import::initialChecks(dictionary_, rows_);
}

std::vector<u16> DialogDicImportTeXE::rowCells(size_t row) const { return dict_import::cells(rows_[row]); }

int DialogDicImportTeXE::store(const std::vector<bool>& checked) {
    return dict_import::merge(dictionary_, rows_, checked);
}

DialogDicImportEasySupport::DialogDicImportEasySupport(HWND parent, CEditorSupportDic& dictionary)
    : DialogDicImportCommon({msgid::DicImportTitleEasySupport,
                             msgid::FilterEasySupportSources,
                             columnsOf(dict_edit::EasySupport)}),
      dictionary_(dictionary) {
    run(parent);
}

void DialogDicImportEasySupport::load(std::string_view bytes) {
    rows_ = dict_import::easySupportRows(bytes);
    initialChecks_ = dict_import::initialChecks(dictionary_, rows_);
}

std::vector<u16> DialogDicImportEasySupport::rowCells(size_t row) const { return dict_import::cells(rows_[row]); }

int DialogDicImportEasySupport::store(const std::vector<bool>& checked) {
    return dict_import::merge(dictionary_, rows_, checked);
}

DialogDicImportPaperSize::DialogDicImportPaperSize(HWND parent, CPaperSizeData& list)
    : DialogDicImportCommon({msgid::DicImportTitlePaperSizes,
                             msgid::FilterPaperSizeSources,
                             columnsOf(dict_edit::PaperSizes)}),
      paper_(list) {
    run(parent);
}

void DialogDicImportPaperSize::load(std::string_view bytes) {
    rows_ = dict_import::paperSizeRows(bytes);
    initialChecks_ = dict_import::initialChecks(paper_, rows_);
}

std::vector<u16> DialogDicImportPaperSize::rowCells(size_t row) const { return dict_import::cells(rows_[row]); }

int DialogDicImportPaperSize::store(const std::vector<bool>& checked) {
    std::vector<PaperSizeEntry> list(static_cast<size_t>(paper_.count()));
    for (int i = 0; i < paper_.count(); ++i) paper_.GetRecord(i, list[static_cast<size_t>(i)]);
    int stored = dict_import::mergePaperSizes(list, rows_, checked);
    if (stored > 0) paper_.putAll(std::move(list));
    return stored;
}
