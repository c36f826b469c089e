// Command sets: complete command files for other engines, shipped in the
// "command_sets" folder beside the plug-in. The typesetting page lists them
// and copies the 20 steps of the chosen one into its boxes; a set file is
// only ever read, and the user's own command file is written as usual when
// the page's OK is pressed.
#pragma once
#include "base/text.h"
#include "make/aux_files.h"
#include "make/command_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace command_sets {

constexpr const char16_t* FolderName = u"command_sets";
constexpr u16view Extension = u".bat";
// A "rem Name: ..." line counts only among the first lines of the file.
constexpr size_t NameLineLimit = 10;
constexpr size_t MaxNameLength = 80;
// More would not fit a menu; the rest are left out.
constexpr size_t MaxSets = 40;
// A command file is a few kilobytes: anything this large is not one, and
// is neither read for its name nor loaded.
constexpr uint64_t MaxFileSize = 1024 * 1024;

using Steps = std::array<command_file::ToolStep, command_file::SectionCount>;

struct Entry {
    u16 name; // shown to the user
    u16 path;
    friend bool operator==(const Entry&, const Entry&) = default;
};

// pluginFolder + "\command_sets".
u16 Folder(u16view pluginFolder);

// Whether a folder entry is a command set file: a file ending in ".bat"
// (any case).
bool IsSetFile(const aux_files::FolderSource::Entry& entry);

// The name from a "rem Name: ..." line among the first lines (keyword and
// "rem" in any case, blanks around the name dropped, cut at MaxNameLength),
// else the file name without its extension.
u16 DisplayName(const std::vector<u16>& firstLines, u16view fileName);

// The set files of folder, ordered by name; an empty list for a missing or
// unreadable folder.
std::vector<Entry> List(u16view folder, const aux_files::FolderSource& files);

// A menu item's text: '&' doubled so that it shows instead of marking a key.
u16 MenuText(u16view name);

// The 20 steps of a set file; nothing when it is unreadable, too large, or
// a section or one of its lines is missing.
std::optional<Steps> Read(u16view path);

} // namespace command_sets
