#include "make/aux_files.h"

#include "base/str.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using aux_files::FolderSource;

// A made-up file tree: full paths with '\'; folders are implied by files
// and listed in insertion order, as a file system gives its own order.
class Tree : public FolderSource {
public:
    void add(u16view path) {
        u16 p(path);
        files_.insert(folded(p));
        place(p, false);
    }
    // Case-insensitive, as the file systems of Windows are.
    bool isFile(u16view path) const override { return files_.count(folded(path)) != 0; }
    std::vector<Entry> list(u16view folder) const override {
        auto it = entries_.find(u16(folder));
        std::vector<Entry> out{{u".", true}, {u"..", true}};
        if (it != entries_.end()) out.insert(out.end(), it->second.begin(), it->second.end());
        return out;
    }

private:
    static u16 folded(u16view path) {
        u16 out(path);
        for (char16_t& c : out)
            if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
        return out;
    }
    void place(const u16& path, bool folder) {
        size_t cut = path.rfind(u'\\');
        if (cut == u16::npos || cut < 3) return;
        u16 parent = path.substr(0, cut);
        auto& list = entries_[parent];
        u16 name = path.substr(cut + 1);
        for (const Entry& e : list)
            if (e.name == name) return;
        list.push_back({name, folder});
        place(parent, true);
    }
    std::set<u16> files_;
    std::map<u16, std::vector<Entry>> entries_;
};

aux_files::SearchInput input(u16view document, u16view root, u16view list, int depth = 0) {
    return {u16(document), u16(root), aux_files::SplitDeleteList(list), depth};
}

TEST(AuxFiles, SplitsTheDeleteListIntoPatternsAndExtensions) {
    auto l = aux_files::SplitDeleteList(aux_files::DefaultDeleteList);
    EXPECT_EQ(l.patterns, (std::vector<u16>{u".BMC", u".PBM"}));
    EXPECT_EQ(l.extensions.size(), 11u);
    EXPECT_EQ(l.extensions.front(), u"AUX");
    auto odd = aux_files::SplitDeleteList(u"\t\t*.\t.log\t*x");
    EXPECT_EQ(odd.patterns, (std::vector<u16>{u"."}));
    EXPECT_EQ(odd.extensions, (std::vector<u16>{u".log", u"*x"}));
}

TEST(AuxFiles, NameMatchesForDocumentAndRootAndPatternsFromTheRootFolder) {
    Tree t;
    for (u16view f : {u"C:\\doc\\ch1.tex", u"C:\\doc\\ch1.aux", u"C:\\doc\\main.tex", u"C:\\doc\\main.aux",
                      u"C:\\doc\\main.log", u"C:\\doc\\main.toc", u"C:\\doc\\fig.bmc", u"C:\\doc\\b.PBM",
                      u"C:\\doc\\sub\\c.bmc", u"C:\\doc\\sub\\deep\\d.bmc", u"C:\\other\\x.bmc"})
        t.add(f);
    auto found = aux_files::Search(input(u"C:\\doc\\ch1.tex", u"C:\\doc\\main.tex", aux_files::DefaultDeleteList), t);
    // Named as composed from the list entries.
    EXPECT_EQ(found.names, (std::vector<u16>{u"C:\\doc\\ch1.AUX", u"C:\\doc\\main.AUX", u"C:\\doc\\main.LOG",
                                             u"C:\\doc\\main.TOC"}));
    EXPECT_EQ(found.patterns, (std::vector<u16>{u"C:\\doc\\fig.bmc", u"C:\\doc\\b.PBM"}));

    auto deeper = aux_files::Search(input(u"C:\\doc\\ch1.tex", u"C:\\doc\\main.tex", u"*.BMC", 1), t);
    EXPECT_EQ(deeper.patterns, (std::vector<u16>{u"C:\\doc\\fig.bmc", u"C:\\doc\\sub\\c.bmc"}));
    auto clamped = aux_files::Search(input(u"C:\\doc\\ch1.tex", u"", u"*.BMC", 99), t);
    EXPECT_EQ(clamped.patterns.size(), 3u);
}

TEST(AuxFiles, NothingForNamesWithoutExtensionOrShortPaths) {
    Tree t;
    t.add(u"C:\\doc\\notes.aux");
    t.add(u"C:\\doc\\notes");
    EXPECT_TRUE(aux_files::Search(input(u"C:\\doc\\notes", u"", u"AUX"), t).names.empty());
    EXPECT_TRUE(aux_files::Search(input(u"C:\\a", u"", u"AUX\t*.aux"), t).patterns.empty());
    t.add(u"C:\\doc\\.aux");
    EXPECT_TRUE(aux_files::Search(input(u"C:\\doc\\.tex", u"", u"AUX"), t).names.empty());
}

TEST(AuxFiles, SourcesAreNeverListedWhateverTheListSays) {
    Tree t;
    for (u16view f : {u"C:\\doc\\ch1.tex", u"C:\\doc\\main.TEX", u"C:\\doc\\ch2.tex", u"C:\\doc\\refs.bib",
                      u"C:\\doc\\main.aux", u"C:\\doc\\ch1.sty"})
        t.add(f);
    auto found = aux_files::Search(
        input(u"C:\\doc\\ch1.tex", u"C:\\doc\\main.TEX", u"TEX\t.tex\tSTY\tAUX\t*.tex\t*.bib\t*.aux"), t);
    EXPECT_EQ(found.names, (std::vector<u16>{u"C:\\doc\\main.AUX"}));
    EXPECT_EQ(found.patterns, (std::vector<u16>{u"C:\\doc\\main.aux"}));
    EXPECT_TRUE(aux_files::IsProtected(u"c:/DOC/CH1.TEX", u"C:\\doc\\ch1.tex", u""));
    EXPECT_TRUE(aux_files::IsProtected(u"C:\\doc\\notes.txt", u"C:\\doc\\notes.txt", u""));
    EXPECT_FALSE(aux_files::IsProtected(u"C:\\doc\\ch1.log", u"C:\\doc\\ch1.tex", u""));
}

TEST(AuxFiles, TheWalkStopsAtFiveThousand) {
    Tree t;
    for (int i = 0; i < 5100; ++i) t.add(u"C:\\doc\\f" + str::fromInt(i) + u".bmc");
    EXPECT_EQ(aux_files::Search(input(u"C:\\doc\\a.tex", u"", u"*.bmc"), t).patterns.size(), 5000u);
}

TEST(AuxFiles, SettingsGiveTheListAndTheClampedDepth) {
    TempDir dir;
    CSetting settings(dir.path());
    auto def = aux_files::InputFromSettings(settings, u"C:\\d\\a.tex", u"");
    EXPECT_EQ(def.list.patterns.size(), 2u);
    EXPECT_EQ(def.depth, 0);
    settings.writeString(ini_keys::make::Section, ini_keys::make::DeleteList, u"LOG\t*.x");
    settings.writeInt(ini_keys::make::Section, ini_keys::make::SubDirectory, -4);
    auto set = aux_files::InputFromSettings(settings, u"C:\\d\\a.tex", u"C:\\d\\m.tex");
    EXPECT_EQ(set.list.extensions, (std::vector<u16>{u"LOG"}));
    EXPECT_EQ(set.depth, 0);
    EXPECT_EQ(set.root, u"C:\\d\\m.tex");
}

} // namespace
