#include "make/command_file.h"

#include "base/platform.h"
#include "base/str.h"

namespace command_file {

const std::array<const char16_t*, SectionCount> Labels = {
    u":tex1",     u":bib1",     u":index1",   u":dvips1", u":dvipdf1", u":pspdf1",   u":dviview1",
    u":psview1",  u":pdfview1", u":jpeg2ps1", u":tex2",   u":bib2",    u":index2",   u":dvips2",
    u":dvipdf2",  u":pspdf2",   u":dviview2", u":psview2", u":pdfview2", u":jpeg2ps2",
};

namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

// ASCII case-insensitive prefix test: labels and prefixes are plain ASCII.
bool startsWithNoCase(u16view text, u16view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != lower(prefix[i])) return false;
    return true;
}

const ToolStep Defaults[SectionCount] = {
    {u"\"platex\"", u"\"%Vexa2_CFName%.tex\""},
    {u"\"jbibtex\"", u"\"%Vexa2_CFName%\""},
    {u"\"mendex\"", u"\"%Vexa2_CFName%.idx\""},
    {u"\"dvipsk\"", u"-Pdl \"%Vexa2_CFName%.dvi\""},
    {u"\"dvipdfmx\"", u"\"%Vexa2_CFName%.dvi\""},
    {u"call \"ps2pdf\"", u"\"%Vexa2_CFName%.ps\" \"%Vexa2_CFName%.pdf\""},
    {u"%Vexa2_start% \"dviout\"", u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.dvi\""},
    {u"%Vexa2_start% \"gsview32.exe\"", u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.ps\""},
    {u"%Vexa2_start% \"AcroRd32.exe\"", u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.pdf\""},
    {u"\"jpeg2ps\"", u"-h -o \"%Vexa2_ImageFileName%.eps\" \"%Vexa2_ImageFile%\""},
    {u"\"platex\"", u"-src \"%Vexa2_CFName%.tex\""},
    {u"\"jbibtex\"", u"\"%Vexa2_CFName%\""},
    {u"\"mendex\"", u"\"%Vexa2_CFName%.idx\""},
    {u"\"dvipsk\"", u"-Pdl \"%Vexa2_CFName%.dvi\""},
    {u"\"dvipdfmx\"", u"\"%Vexa2_CFName%.dvi\""},
    {u"call \"ps2pdf\"", u"\"%Vexa2_CFName%.ps\" \"%Vexa2_CFName%.pdf\""},
    {u"%Vexa2_start% \"dviout\"",
     u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.dvi\" \"# %Vexa2_Line% %Vexa2_FName%.tex\""},
    {u"%Vexa2_start% \"gsview32.exe\"", u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.ps\""},
    {u"%Vexa2_start% \"AcroRd32.exe\"", u"\"%Vexa2_CFPath%\\%Vexa2_CFName%.pdf\""},
    {u"\"jpeg2ps\"", u"-h -o \"%Vexa2_ImageFileName%.eps\" \"%Vexa2_ImageFile%\""},
};

} // namespace

bool isPreviewer(size_t section) { return section == 6 || section == 16; }

ToolStep DefaultStep(size_t section) { return section < SectionCount ? Defaults[section] : ToolStep{}; }

bool HasPrefixNoCase(u16view text, u16view prefix) { return startsWithNoCase(text, prefix); }

ToolStep SplitCommandLine(u16view line) {
    u16 prefix;
    if (startsWithNoCase(line, CallPrefix)) prefix = CallPrefix;
    else if (startsWithNoCase(line, StartPrefix)) prefix = StartPrefix;
    line.remove_prefix(prefix.size()); // the canonical spelling replaces the user's

    size_t i = 0;
    while (i < line.size() && line[i] == u' ') ++i;
    size_t tokenStart = i;
    bool quoted = false;
    for (; i < line.size(); ++i) {
        if (line[i] == u'"') quoted = !quoted;
        else if (line[i] == u' ' && !quoted) break;
    }
    ToolStep step;
    step.program = prefix + u16(line.substr(tokenStart, i - tokenStart));
    while (i < line.size() && line[i] == u' ') ++i;
    step.arguments = line.substr(i);
    return step;
}

u16 CommandLine(const ToolStep& step, bool paperVariant) {
    u16 line = step.program + u' ';
    if (paperVariant) line += PaperArgument;
    return line + step.arguments;
}

u16 LocateCommandFile(u16view settingsFolder, u16view pluginFolder) {
    auto inFolder = [](u16view folder) {
        u16 p(folder);
        if (!p.empty() && p.back() != u'\\' && p.back() != u'/') p += u'\\';
        return p + FileName;
    };
    if (settingsFolder.empty()) return {};
    u16 target = inFolder(settingsFolder);
    if (platform::isDirectory(target)) return {};
    if (platform::fileExists(target)) return target;

    u16 source = inFolder(pluginFolder);
    std::string bytes;
    if (pluginFolder.empty() || !platform::fileExists(source) || !platform::readFile(source, bytes)) return {};
    // Another window may have made its own copy meanwhile: keep that one.
    if (platform::fileExists(target)) return target;
    if (platform::isDirectory(target) || !platform::writeFileAtomic(target, bytes)) return {};
    return target;
}

} // namespace command_file

using namespace command_file;

CommandFile::CommandFile(u16view path) : CLine(path) {
    if (!IsInvalidFile()) index();
}

void CommandFile::index() {
    const std::vector<u16>& all = lines();
    for (size_t n = 0; n < all.size(); ++n) {
        const u16& line = all[n];
        if (line.size() < 2 || line[0] != u':') continue;
        for (size_t k = 0; k < SectionCount; ++k) {
            u16view label = Labels[k];
            if (line.size() != label.size() || !startsWithNoCase(line, label)) continue;
            size_t echo = isPreviewer(k) ? PreviewerEchoOffset : EchoOffset;
            size_t command = isPreviewer(k) ? PreviewerCommandOffset : CommandOffset;
            // A repeated label takes the numbers of its last occurrence.
            echo_[k] = n + echo < all.size() ? std::optional<size_t>(n + echo) : std::nullopt;
            command_[k] = n + command < all.size() ? std::optional<size_t>(n + command) : std::nullopt;
            n = std::min(n + command, all.size() - 1);
            break;
        }
    }
    for (size_t k = 0; k < SectionCount; ++k)
        if (!echo_[k] || !command_[k]) invalidTemplate_ = true;
}

std::optional<size_t> CommandFile::commandLineOf(size_t section) const {
    return section < SectionCount ? command_[section] : std::nullopt;
}

std::optional<size_t> CommandFile::echoLineOf(size_t section) const {
    return section < SectionCount ? echo_[section] : std::nullopt;
}

bool CommandFile::ReadStep(size_t section, ToolStep& step) const {
    step = {};
    if (IsInvalid() || section >= SectionCount) return false;
    step = SplitCommandLine(Line(*command_[section]));
    return true;
}

bool CommandFile::WriteStep(size_t section, const ToolStep& step) {
    if (IsInvalid() || section >= SectionCount) return false;
    u16 command = CommandLine(step, false);
    SetLine(*command_[section], command);
    SetLine(*echo_[section], u16(EchoPrefix) + command);
    if (isPreviewer(section)) {
        u16 paper = CommandLine(step, true);
        SetLine(*command_[section] - PaperVariantDistance, paper);
        SetLine(*echo_[section] - PaperVariantDistance, u16(EchoPrefix) + paper);
    }
    return true;
}
