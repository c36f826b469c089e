// The command file "Vexa2cmd.bat": one labelled section per tool step and
// command set, each holding an echo line and the tool's command line at
// fixed offsets from its label. The plug-in edits only those lines; every
// other line belongs to the file's author and is kept as it is.
#pragma once
#include "base/text.h"
#include "make/line_file.h"

#include <array>
#include <cstddef>
#include <optional>

namespace command_file {

constexpr size_t SectionCount = 20;
constexpr const char16_t* FileName = u"Vexa2cmd.bat";

// Labels in section order: 0-9 the plain set, 10-19 the set with source
// specials.
extern const std::array<const char16_t*, SectionCount> Labels;

// The two previewer sections carry a paper-size variant above the plain one.
bool isPreviewer(size_t section);

// Offsets from the label line.
constexpr size_t EchoOffset = 3, CommandOffset = 6;
constexpr size_t PreviewerEchoOffset = 12, PreviewerCommandOffset = 15;
constexpr size_t PaperVariantDistance = 8; // paper lines sit this far above

constexpr u16view CallPrefix = u"call ";
constexpr u16view StartPrefix = u"%Vexa2_start% ";
constexpr u16view PaperArgument = u"-y=%Vexa2_PSize% ";
constexpr u16view EchoPrefix = u"echo    ";

struct ToolStep {
    u16 program;   // with a "call " or "%Vexa2_start% " prefix when present
    u16 arguments;
    friend bool operator==(const ToolStep&, const ToolStep&) = default;
};

// The factory steps, the ones the shipped command file holds.
ToolStep DefaultStep(size_t section);

// Whether text begins with prefix, ignoring ASCII case (the prefixes and
// labels of the file are plain ASCII).
bool HasPrefixNoCase(u16view text, u16view prefix);

// Splits a command line into program and arguments.
ToolStep SplitCommandLine(u16view line);
// program + " " + arguments (the paper variant puts the size argument first).
u16 CommandLine(const ToolStep& step, bool paperVariant);

// settingsFolder + "\Vexa2cmd.bat", copied there from pluginFolder first
// when missing. Empty when it cannot be had (no source, a folder in the
// way, the copy failed).
u16 LocateCommandFile(u16view settingsFolder, u16view pluginFolder);

} // namespace command_file

class CommandFile : public CLine {
public:
    explicit CommandFile(u16view path); // reads and indexes
    ~CommandFile() override = default;

    // Unreadable, or a section or one of its lines is missing: the file is
    // then not edited at all.
    bool IsInvalid() const { return IsInvalidFile() || invalidTemplate_; }
    bool ReadStep(size_t section, command_file::ToolStep& step) const;
    bool WriteStep(size_t section, const command_file::ToolStep& step);

    // Line numbers of a section, for callers that show them.
    std::optional<size_t> commandLineOf(size_t section) const;
    std::optional<size_t> echoLineOf(size_t section) const;

private:
    void index();

    std::array<std::optional<size_t>, command_file::SectionCount> command_{};
    std::array<std::optional<size_t>, command_file::SectionCount> echo_{};
    bool invalidTemplate_ = false;
};
