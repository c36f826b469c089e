#include "outline/file_source.h"

#include "base/platform.h"
#include "base/text_file.h"

#include <string>

bool DiskFiles::read(u16view path, uint32_t limit, u16& text) {
    text.clear();
    // The size is checked before loading so that an oversized file costs
    // nothing but a look at its directory entry.
    platform::FileStamp stamp;
    if (path.empty() || !platform::fileStamp(path, stamp)) return false;
    if (limit != 0 && stamp.size > limit) return false;
    std::string bytes;
    if (!platform::readFile(path, bytes)) return false;
    if (limit != 0 && bytes.size() > limit) return false; // grew in between
    text = text_file::decodeSource(bytes);
    return true;
}

DiskFiles& diskFiles() {
    static DiskFiles files;
    return files;
}
