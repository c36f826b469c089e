// The auxiliary-file search over the real file system.
#pragma once
#include "make/aux_files.h"

namespace aux_delete {

class Win32FolderSource : public aux_files::FolderSource {
public:
    bool isFile(u16view path) const override;
    // An unreadable or missing folder lists nothing.
    std::vector<Entry> list(u16view folder) const override;
};

} // namespace aux_delete
