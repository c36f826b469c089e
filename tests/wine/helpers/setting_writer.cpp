// Writes distinct keys through its own settings object, for the
// cross-process test: setting_writer <folder> <writer id> <count>.
// The exit code is the number of writes that reported failure.
#include "base/str.h"
#include "base/win32/wide.h"
#include "settings/setting.h"

#include <shellapi.h>
#include <string>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 4) return 1000;
    CSetting setting(wide::u(argv[1]));
    const int id = _wtoi(argv[2]);
    const int count = _wtoi(argv[3]);
    LocalFree(argv);
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        u16 key = u"w" + str::fromInt(id) + u"_" + str::fromInt(i);
        if (setting.writeInt(u"Concurrency", key.c_str(), id * 1000 + i) != 1) ++failures;
    }
    return failures;
}
