// A settings object over a "Vexa2.ini" of its own in a fresh folder, for
// tests that check exactly what a piece of code reads and writes there.
#pragma once
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <string_view>

struct SettingsFile {
    // content: the file's bytes before the test; empty for no file.
    explicit SettingsFile(std::string_view content = {}) {
        if (!content.empty()) dir.write(ini_keys::FileName, content);
    }
    std::string file() const { return dir.read(ini_keys::FileName); }

    TempDir dir;
    CSetting settings{dir.path()};
};
