#include "make/win32/aux_delete.h"

#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "make/aux_report.h"
#include "make/batch_env.h"
#include "make/tex_path.h"
#include "make/win32/dialog_file_delete.h"
#include "make/win32/folder_source_win32.h"
#include "settings/setting_keys.h"

#include <shellapi.h>

namespace aux_delete {

void deleteAuxFiles(HINSTANCE, HWND owner, HWND editor) {
    CSetting* settings = app::settings();
    if (!settings || !editor || !IsWindow(editor)) return;
    WindowEditor ed(editor);
    u16 document = tex_path::backslashed(ed.GetDocumentPath());
    if (document.size() < 5) return;   // unsaved: nothing is named after it

    // The root as typesetting would use it.
    u16 root = batch_env::AcceptedRoot(ed, shared_toggles::lockedRoot(settings));
    Win32FolderSource files;
    aux_files::Found found = aux_files::Search(aux_files::InputFromSettings(*settings, document, root), files);

    namespace keys = ini_keys::make;
    int32_t mode = settings->readInt(keys::Section, keys::DeleteReport, 2);
    // A report that could not be shown counts as cancelled: nothing shown
    // is deleted without the user's say. Closing (no owner) shows nothing
    // and so deletes only what needs no say.
    bool ok = false;
    if (owner) {
        DialogFileDelete report(owner, found, mode);
        ok = report.result() == IDOK;
    }

    std::vector<u16> paths = aux_report::collect(found, mode, ok);
    // The search already spares the sources; this holds whatever changes
    // the lists on their way here.
    std::erase_if(paths, [&](const u16& p) { return aux_files::IsProtected(p, document, root); });
    u16 list = aux_report::doubleNulList(paths);
    if (list.empty()) return;

    std::wstring title = lang::message(msgid::DeleteProgressTitle);
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = FO_DELETE;
    op.pFrom = wide::w(list);
    op.fFlags = FOF_NOCONFIRMATION;
    if (settings->readInt(keys::Section, keys::DeleteUndo, 1) != 0) op.fFlags |= FOF_ALLOWUNDO;
    op.lpszProgressTitle = title.c_str();
    SHFileOperationW(&op);
}

} // namespace aux_delete
