#include "settings/multiuser_page_model.h"

#include "settings/setting_keys.h"

namespace multiuser_page {

namespace {
namespace key = ini_keys::multiuser;
} // namespace

bool readMode(CSetting& s) { return s.readInt(key::Section, key::Mode, 0) != 0; }

bool canWrite(CSetting& s) {
    s.writeInt(key::Section, key::Temp, 1);
    bool written = s.readInt(key::Section, key::Temp, 0) == 1;
    s.deleteKey(key::Section, key::Temp);
    return written;
}

bool write(CSetting& s, bool multiUser) {
    s.beginBatch();
    s.deleteSection(key::Section);
    s.writeInt(key::Section, key::Mode, multiUser ? 1 : 0);
    return s.endBatch();
}

} // namespace multiuser_page
