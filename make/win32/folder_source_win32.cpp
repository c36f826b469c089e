#include "make/win32/folder_source_win32.h"

#include "base/platform.h"
#include "base/win32/wide.h"

#include <windows.h>

namespace aux_delete {

bool Win32FolderSource::isFile(u16view path) const { return platform::fileExists(path); }

std::vector<aux_files::FolderSource::Entry> Win32FolderSource::list(u16view folder) const {
    std::vector<Entry> out;
    u16 pattern(folder);
    if (!pattern.empty() && pattern.back() != u'\\' && pattern.back() != u'/') pattern += u'\\';
    pattern += u'*';
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(wide::w(pattern), &data);
    if (find == INVALID_HANDLE_VALUE) return out;
    do {
        // Reparse points (junctions) could lead back up the tree: a walk of
        // depth 20 through a loop would list the same files many times.
        bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        out.push_back({wide::u(data.cFileName), folder});
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return out;
}

} // namespace aux_delete
