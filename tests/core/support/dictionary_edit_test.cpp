#include "support/dictionary_edit.h"

#include "dictionary_test_util.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <gtest/gtest.h>

#include <memory>

using dict_test::Folder;
using dict_test::utf16le;
using namespace dict_edit;

namespace {

// The editor's four dictionaries over a folder of small sources.
struct Editor {
    Folder f;
    std::unique_ptr<DictionaryStore> store;
    std::unique_ptr<CTeXDictionary> commands;
    std::unique_ptr<CTeXEDictionary> environments;
    std::unique_ptr<CEditorSupportDic> easy;
    std::unique_ptr<CPaperSizeData> paper;

    Editor() {
        f.writeAllSources("\\alpha\n\\frac\t{}{}\tfraction\n\\section\t{}\n\\section*\t{}\n",
                          "\\begin{figure}\t[h]\tfloat\n\\begin{table}\t[]\n", ":al\t\\alpha\n:be\t\\beta\n",
                          "a4paper\tA4\nb5paper\tB5\n");
        store = std::make_unique<DictionaryStore>(f.paths());
        open();
    }
    void open() {
        commands = std::make_unique<CTeXDictionary>(store.get(), nullptr);
        environments = std::make_unique<CTeXEDictionary>(store.get());
        easy = std::make_unique<CEditorSupportDic>(store.get());
        paper = std::make_unique<CPaperSizeData>(*store);
    }
    // Destroys the four: each writes its source when it was changed.
    void close() {
        commands.reset();
        environments.reset();
        easy.reset();
        paper.reset();
    }
    Dictionaries d() { return {*commands, *environments, *easy, *paper}; }
    std::string source(const char16_t* name) const { return f.dir.read(name); }
};

} // namespace

TEST(DictionaryEdit, DuplicateKeysPerTab) {
    Editor e;
    Dictionaries d = e.d();
    const int frac = e.commands->find(u"\\frac{}{}");
    const int section = e.commands->find(u"\\section{}");
    struct Case {
        Tab tab;
        Fields fields;
        int editing;
        bool duplicate;
    } cases[] = {
        {Commands, {u"\\frac", u"{}{}", u"other"}, -1, true},     // the key is name + arguments
        {Commands, {u"\\frac", u"{}", u""}, -1, false},
        {Commands, {u"\\frac{}", u"{}", u""}, -1, true},          // split elsewhere, same text
        {Commands, {u"\\Frac", u"{}{}", u""}, -1, false},         // case counts
        {Commands, {u"\\frac", u"{}{}", u"new text"}, frac, false},   // onto its own key
        {Commands, {u"\\frac", u"{}{}", u""}, section, true},     // onto another entry's key
        {Commands, {u"\\sect", u"", u""}, -1, false},             // find lands near, not on, a key
        {Environments, {u"\\begin{table}", u"", u""}, -1, true},
        {Environments, {u"\\begin{tab", u"", u""}, -1, false},    // find gives the entry before
        {Environments, {u"\\begin{table}", u"x", u""}, 1, false},
        {EasySupport, {u":al", u"x", u""}, -1, true},
        {EasySupport, {u":a", u"x", u""}, -1, false},
        {PaperSizes, {u"a4paper", u"A5", u""}, -1, true},
        {PaperSizes, {u"A4paper", u"A5", u""}, -1, false},
        {PaperSizes, {u"b5paper", u"B5", u""}, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isDuplicate(d, c.tab, c.fields, c.editing), c.duplicate)
            << c.tab << " " << dict_test::utf8(c.fields[0] + c.fields[1]) << " editing " << c.editing;
}

TEST(DictionaryEdit, EditingOneOfTwoEqualKeysStillFindsTheOther) {
    Editor e;
    Dictionaries d = e.d();
    ASSERT_TRUE(put(d, EasySupport, -1, {u":al", u"\\aleph", u""}));   // a second ":al"
    int seen = 0;
    for (int i = 0; i < count(d, EasySupport); ++i) {
        if (row(d, EasySupport, i)[0] != u":al") continue;
        ++seen;
        EXPECT_TRUE(isDuplicate(d, EasySupport, {u":al", u"x", u""}, i)) << i;
    }
    EXPECT_EQ(seen, 2);
}

TEST(DictionaryEdit, StoresEntriesAndRefusesInvalidOnes) {
    Editor e;
    Dictionaries d = e.d();
    ASSERT_TRUE(put(d, Commands, -1, {u"\\beta", u"", u"letter"}));
    const CommandEntry* added = e.commands->entry(e.commands->find(u"\\beta"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(u16(record::field(added->text)), u"\\beta");
    EXPECT_EQ(added->loadIndex, -1);

    // An edited command keeps where it was loaded from (its history follows).
    const int frac = e.commands->find(u"\\frac{}{}");
    const int32_t loaded = e.commands->entry(frac)->loadIndex;
    ASSERT_TRUE(put(d, Commands, frac, {u"\\frac", u"{}{}", u"a fraction"}));
    const CommandEntry* edited = e.commands->entry(e.commands->find(u"\\frac{}{}"));
    EXPECT_EQ(edited->loadIndex, loaded);
    EXPECT_EQ(row(d, Commands, e.commands->find(u"\\frac{}{}")), (Fields{u"\\frac", u"{}{}", u"a fraction"}));

    const int before[] = {count(d, Commands), count(d, Environments), count(d, EasySupport), count(d, PaperSizes)};
    EXPECT_FALSE(put(d, Commands, -1, {u"frac", u"{}", u""}));
    EXPECT_FALSE(put(d, Environments, -1, {u"begin{x}", u"", u""}));
    EXPECT_FALSE(put(d, EasySupport, -1, {u":", u"text", u""}));
    EXPECT_FALSE(put(d, EasySupport, -1, {u":x", u"", u""}));
    EXPECT_FALSE(put(d, PaperSizes, -1, {u"", u"A4", u""}));
    EXPECT_FALSE(put(d, PaperSizes, 99, {u"x", u"A4", u""}));
    for (int t = 0; t < TabCount; ++t) EXPECT_EQ(count(d, Tab(t)), before[t]) << t;
}

TEST(DictionaryEdit, PaperSizeChangesAreWrittenBackWithACopy) {
    Editor e;
    Dictionaries d = e.d();
    ASSERT_TRUE(put(d, PaperSizes, -1, {u"a5paper", u"A5", u""}));
    ASSERT_TRUE(remove(d, PaperSizes, e.paper->FindKey(u"b5paper")));
    EXPECT_FALSE(remove(d, PaperSizes, 5));
    EXPECT_EQ(e.paper->FindKey(u"a5paper"), 1);   // sorted in
    const std::string old = e.source(u"paper.txt");
    e.close();
    EXPECT_EQ(e.source(u"paper.txt"), utf16le("a4paper\tA4\r\na5paper\tA5\r\n"));
    EXPECT_EQ(e.source(u"paper.txt.old"), old);
    EXPECT_TRUE(e.source(u"cmd.txt.old").empty()) << "unchanged sources are not written";

    // A lookup-only list never writes.
    {
        CPaperSizeData lookup(e.store.get());
        EXPECT_TRUE(lookup.put(-1, record::makePaperSize(u"x", u"y")));
    }
    EXPECT_EQ(e.source(u"paper.txt"), utf16le("a4paper\tA4\r\na5paper\tA5\r\n"));
}

TEST(DictionaryEdit, SortingWritesAllFourSources) {
    Editor e;
    // Sources out of order come back sorted.
    e.f.writeAllSources("\\beta\n\\alpha\n", "\\b\t[]\n\\a\t[]\n", ":b\tx\n:a\ty\n", "b\tB\na\tA\n");
    DictionaryStore fresh(e.f.paths());
    CTeXDictionary commands(&fresh, nullptr);
    CTeXEDictionary environments(&fresh);
    CEditorSupportDic easy(&fresh);
    auto paper = std::make_unique<CPaperSizeData>(fresh);
    Dictionaries d{commands, environments, easy, *paper};
    sortAll(d);
    EXPECT_TRUE(commands.modified() && environments.modified() && easy.modified() && paper->modified());
    EXPECT_EQ(row(d, PaperSizes, 0)[0], u"a");
    paper.reset();
    EXPECT_EQ(e.source(u"paper.txt"), utf16le("a\tA\r\nb\tB\r\n"));
    EXPECT_EQ(e.source(u"paper.txt.old"), utf16le("b\tB\na\tA\n"));
}

TEST(DictionaryEdit, TabsColumnsAndTheDeleteQuestion) {
    EXPECT_EQ(columnCount(Commands), 3);
    EXPECT_EQ(columnCount(Environments), 3);
    EXPECT_EQ(columnCount(EasySupport), 2);
    EXPECT_EQ(columnCount(PaperSizes), 2);
    for (int t = 0; t < TabCount; ++t) {
        EXPECT_NE(tabTitle(Tab(t)), 0u);
        for (int c = 0; c < MaxColumns; ++c) EXPECT_EQ(columnTitle(Tab(t), c) != 0, c < columnCount(Tab(t))) << t << c;
    }
    EXPECT_EQ(deleteQuestion(u"Delete?", u"- ", {u"Command", u"Arguments"}, {u"\\frac", u"{}{}", u""}),
              u"Delete?\r\n\r\n- Command\r\n\t\\frac\r\n- Arguments\r\n\t{}{}");
}

TEST(DictionaryEdit, ClearingTheHistoryForgetsCountsAndRememberedCommands) {
    namespace keys = ini_keys::settings;
    TempDir dir;
    CSetting settings(dir.path());
    settings.writeInt(keys::Section, keys::SupportHistory, 3);
    settings.writeString(keys::Section, keys::SupportHistoryList, u"1\t2");
    settings.writeString(keys::Section, keys::SupportHistoryWords, u"-1\t4");
    settings.writeInt(keys::Section, keys::SupportLastString, 7);   // not history: stays
    ASSERT_TRUE(dir.write(u"Vexa2.hst", std::string(16, '\1')));
    clearHistory(settings, dir.file(u"Vexa2.hst"));
    EXPECT_EQ(settings.readInt(keys::Section, keys::SupportHistory, -99), -99);
    char16_t buf[64];
    settings.readString(keys::Section, keys::SupportHistoryList, u"gone", buf, 64);
    EXPECT_EQ(u16(buf), u"gone");
    settings.readString(keys::Section, keys::SupportHistoryWords, u"gone", buf, 64);
    EXPECT_EQ(u16(buf), u"gone");
    EXPECT_EQ(settings.readInt(keys::Section, keys::SupportLastString, 0), 7);
    EXPECT_FALSE(platform::fileExists(dir.file(u"Vexa2.hst")));
    clearHistory(settings, dir.file(u"Vexa2.hst"));   // nothing left to clear: no harm
}
