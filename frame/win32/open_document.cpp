#include "frame/win32/open_document.h"

#include "base/str.h"
#include "base/win32/wide.h"
#include "frame/host_messages.h"
#include "frame/win32/jump.h"
#include "frame/win32/module.h"
#include "frame/win32/window_editor.h"
#include "make/tex_path.h"

#include <shellapi.h>

namespace open_document {
namespace {

// ShellExecute reports success as a value above 32.
bool executed(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

const wchar_t* folderOrNull(const u16& folder) { return folder.empty() ? nullptr : wide::w(folder); }

} // namespace

bool openFromList(HWND editor, const u16& path) {
    if (path.empty() || !editor || !IsWindow(editor)) return false;
    WindowEditor host(editor);
    if (host.GetHostSetting(hostmsg::SettingMultiDocument) != 0) {
        intptr_t count = host.GetDocumentInfo(hostmsg::DocCount, 0, 0);
        for (intptr_t i = 0; i < count; ++i) {
            int32_t indexPlus1 = static_cast<int32_t>(i) + 1;
            if (!str::equalsNoCase(host.GetDocumentPath(indexPlus1), path)) continue;
            host.GetDocumentInfo(hostmsg::DocActivate, indexPlus1, 0);
            SetFocus(editor);
            return true;
        }
    }
    u16 current = host.GetDocumentPath();
    if (current.size() < 4) return false;
    std::wstring program = moduleFileName(nullptr);
    if (program.empty()) return false;
    // The path goes unquoted: the host takes the rest of its command line
    // as the file name.
    std::wstring commandLine = L"\"" + program + L"\" " + wide::w(path);
    u16 folder = tex_path::folderOf(current);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folderOrNull(folder), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool openAndJump(HWND editor, const u16& path, Position at, uint32_t requester) {
    jumps::setPending(at, requester);
    if (openFromList(editor, path)) return true;
    jumps::clearPending();
    return false;
}

bool openInNewHost(HWND editor, const u16& name, const u16& folder) {
    if (name.empty()) return false;
    std::wstring program = moduleFileName(nullptr);
    if (program.empty()) return false;
    std::wstring parameters = L"\"" + std::wstring(wide::w(name)) + L"\"";
    return executed(ShellExecuteW(editor, L"open", program.c_str(), parameters.c_str(), folderOrNull(folder),
                                  SW_SHOWNORMAL));
}

bool openWithAssociation(HWND editor, const u16& name, const u16& folder) {
    if (name.empty()) return false;
    std::wstring file = L"\"" + std::wstring(wide::w(name)) + L"\"";
    return executed(ShellExecuteW(editor, L"open", file.c_str(), nullptr, folderOrNull(folder), SW_SHOWNORMAL));
}

} // namespace open_document
