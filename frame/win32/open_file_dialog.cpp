#include "frame/win32/open_file_dialog.h"

#include "base/win32/wide.h"
#include "frame/win32/language.h"
#include "make/tex_path.h"

#include <commdlg.h>

#include <mutex>
#include <string>
#include <vector>

namespace open_file {
namespace {

// Editor windows run on their own threads: the memory is guarded.
std::mutex& lastLock() {
    static std::mutex m;
    return m;
}
u16& lastFile() {
    static u16 last;
    return last;
}

// The library writes a filter as label|pattern| pairs: '|' stands for the
// NULs the dialog wants, and the list ends with two of them.
std::vector<wchar_t> filterOf(uint32_t id) {
    std::wstring text = lang::message(id);
    std::vector<wchar_t> out(text.begin(), text.end());
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

} // namespace

u16 lastChosen() {
    std::lock_guard<std::mutex> hold(lastLock());
    return lastFile();
}

void rememberChosen(u16view path) {
    std::lock_guard<std::mutex> hold(lastLock());
    lastFile() = u16(path);
}

u16 initialFolder(u16view document) {
    u16 last = lastChosen();
    return tex_path::folderOf(last.empty() ? document : u16view(last));
}

bool choose(const Request& request, u16& chosen) {
    std::vector<wchar_t> filter = filterOf(request.filterId);
    std::wstring title = lang::message(request.titleId);
    // Room for long names; the dialog reports a longer choice as a failure.
    std::vector<wchar_t> file(MAX_PATH * 2, L'\0');
    lstrcpynW(file.data(), wide::w(request.initialName), static_cast<int>(file.size()));
    u16 folder = initialFolder(request.document);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : wide::w(folder);
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn)) return false;
    chosen = wide::u(file.data());
    rememberChosen(chosen);
    return true;
}

} // namespace open_file
