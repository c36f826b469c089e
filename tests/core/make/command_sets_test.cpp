#include "make/command_sets.h"

#include "base/str.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using aux_files::FolderSource;
using command_sets::Entry;

// A complete command file whose command lines name the given TeX program,
// so each section's step tells which file it came from.
std::string setText(const std::string& header, const std::string& tex) {
    std::string t = header + "@echo off\r\ngoto %~1\r\n";
    for (size_t k = 0; k < command_file::SectionCount; ++k) {
        t += str::toUtf8(command_file::Labels[k]) + "\r\n";
        size_t span = command_file::isPreviewer(k) ? command_file::PreviewerCommandOffset : command_file::CommandOffset;
        for (size_t i = 1; i < span; ++i) t += "rem\r\n";
        t += "\"" + tex + "\" step" + std::to_string(k) + "\r\ngoto :eof\r\n";
    }
    return t;
}

// The folder's entries as listed; the files themselves are real ones in a
// temporary folder, so that reading them goes through the real code.
class Listing : public FolderSource {
public:
    explicit Listing(std::vector<Entry> entries) : entries_(std::move(entries)) {}
    bool isFile(u16view) const override { return true; }
    std::vector<Entry> list(u16view) const override { return entries_; }

private:
    std::vector<Entry> entries_;
};

TEST(CommandSets, DisplayNameComesFromANameLineNearTheTopElseTheFileName) {
    struct Case {
        std::vector<u16> lines;
        u16 file, expected;
    } cases[] = {
        {{u"@echo off", u"rem Name: upLaTeX + upbibtex"}, u"uplatex.bat", u"upLaTeX + upbibtex"},
        {{u"  REM\tNAME:   LuaLaTeX  "}, u"lua.bat", u"LuaLaTeX"},
        {{u"rem name:"}, u"empty.bat", u"empty"},          // a blank name does not count
        {{u"remark Name: x"}, u"remark.bat", u"remark"},    // not the rem keyword
        {{u"rem The Name: x"}, u"other.bat", u"other"},     // the keyword must come first
        {{u"echo rem Name: x"}, u"echo.BAT", u"echo"},
        {{}, u"latexmk.bat", u"latexmk"},
        {{}, u".bat", u".bat"},                            // nothing would be left
        {{u"rem Name: " + u16(100, u'x')}, u"long.bat", u16(command_sets::MaxNameLength, u'x')},
    };
    for (const Case& c : cases) EXPECT_EQ(command_sets::DisplayName(c.lines, c.file), c.expected) << str::toUtf8(c.file);

    // Only the first lines are looked at.
    std::vector<u16> late(command_sets::NameLineLimit, u"rem");
    late.push_back(u"rem Name: too late");
    EXPECT_EQ(command_sets::DisplayName(late, u"late.bat"), u"late");
}

TEST(CommandSets, ListHoldsTheBatchFilesByNameWithTheirPaths) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"b.bat", setText("rem Name: Zeta\r\n", "z")));
    ASSERT_TRUE(dir.write(u"a.BAT", setText("", "a")));
    ASSERT_TRUE(dir.write(u"c.bat", setText("rem Name: alpha\r\n", "c")));
    ASSERT_TRUE(dir.write(u"README.txt", "rem Name: not a set\r\n"));
    ASSERT_TRUE(dir.write(u"huge.bat", "rem Name: Huge\r\n" + std::string(command_sets::MaxFileSize, 'x')));
    Listing files({{u"b.bat"}, {u"README.txt"}, {u"a.BAT"}, {u"folder.bat", true}, {u"huge.bat"}, {u"c.bat"},
                   {u"gone.bat"}});
    std::vector<Entry> sets = command_sets::List(dir.path(), files);
    auto at = [&](const char16_t* name) { return dir.path() + u"\\" + name; };
    // Files that cannot be read for their name are still offered, by file
    // name: choosing one says why it cannot be loaded.
    EXPECT_EQ(sets, (std::vector<Entry>{{u"a", at(u"a.BAT")},
                                        {u"alpha", at(u"c.bat")},
                                        {u"gone", at(u"gone.bat")},
                                        {u"huge", at(u"huge.bat")},
                                        {u"Zeta", at(u"b.bat")}}));

    EXPECT_TRUE(command_sets::List(u"", files).empty());
    std::vector<FolderSource::Entry> many;
    for (size_t n = 0; n < command_sets::MaxSets + 5; ++n) many.push_back({u"s" + str::fromInt(int64_t(n)) + u".bat"});
    EXPECT_EQ(command_sets::List(dir.path(), Listing(many)).size(), command_sets::MaxSets);
}

TEST(CommandSets, ReadGivesTheTwentyStepsOrNothing) {
    TempDir dir;
    std::string good = setText("rem Name: Good\r\n", "uplatex");
    ASSERT_TRUE(dir.write(u"good.bat", good));
    std::optional<command_sets::Steps> steps = command_sets::Read(dir.file(u"good.bat"));
    ASSERT_TRUE(steps);
    for (size_t k = 0; k < command_file::SectionCount; ++k)
        EXPECT_EQ((*steps)[k], (command_file::ToolStep{u"\"uplatex\"", u"step" + str::fromInt(int64_t(k))}));
    EXPECT_EQ(dir.read(u"good.bat"), good) << "a set file is only read";

    std::string blankLabel = good;
    blankLabel.replace(blankLabel.find(":bib2\r\n"), 7, ":bib2 \r\n");
    ASSERT_TRUE(dir.write(u"label.bat", blankLabel));
    ASSERT_TRUE(dir.write(u"short.bat", good.substr(0, good.rfind("\"uplatex\" step19"))));
    ASSERT_TRUE(dir.write(u"huge.bat", good + std::string(command_sets::MaxFileSize, '\n')));
    ASSERT_TRUE(dir.makeFolder(u"folder.bat"));
    for (const char16_t* name : {u"label.bat", u"short.bat", u"huge.bat", u"folder.bat", u"missing.bat"})
        EXPECT_FALSE(command_sets::Read(dir.file(name))) << str::toUtf8(name);
}

TEST(CommandSets, MenuTextShowsAmpersands) {
    EXPECT_EQ(command_sets::MenuText(u"pdfLaTeX & BibTeX && more"), u"pdfLaTeX && BibTeX &&&& more");
    EXPECT_EQ(command_sets::Folder(u"C:\\plug"), u"C:\\plug\\command_sets");
    EXPECT_EQ(command_sets::Folder(u"C:\\plug\\"), u"C:\\plug\\command_sets");
}

} // namespace
