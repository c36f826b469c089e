#include "make/paper_menu_model.h"

#include "frame/message_ids.h"
#include "make/dviout_paper.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace keys = ini_keys::dviout;
using namespace paper_menu_model;

const Item* find(const std::vector<Item>& items, uint32_t id) {
    for (const Item& i : items)
        if (i.id == id) return &i;
    return nullptr;
}

TEST(PaperMenuModel, AcceleratorsRunDigitsThenLetters) {
    EXPECT_EQ(accelerator(0), u"(&1)\t");
    EXPECT_EQ(accelerator(8), u"(&9)\t");
    EXPECT_EQ(accelerator(9), u"(&0)\t");
    EXPECT_EQ(accelerator(10), u"(&A)\t");
    EXPECT_EQ(accelerator(35), u"(&Z)\t");
    EXPECT_EQ(accelerator(36), u"\t");
}

TEST(PaperMenuModel, ItemsWithoutUserPapers) {
    TempDir dir;
    CSetting settings(dir.path());
    DVIOUTPaper papers(settings, u" L");
    std::vector<Item> items = build(papers, 0, true);
    // 14 papers, separator, Add Edit Delete, separator, None From, separator,
    // Help, separator, Clear.
    ASSERT_EQ(items.size(), 14u + 1 + 3 + 1 + 2 + 1 + 1 + 1 + 1);
    EXPECT_EQ(items[0].id, 1u);
    EXPECT_EQ(items[0].text, u"(&1)\tA3");
    EXPECT_EQ(items[9].text, u"(&0)\tA5 L");
    EXPECT_EQ(items[13].text, u"(&D)\tLetter L");
    EXPECT_TRUE(items[14].separator());
    EXPECT_EQ(items[15].id, Add);
    EXPECT_EQ(items[15].textId, msgid::MenuAdd);
    EXPECT_TRUE(find(items, Edit)->grayed);
    EXPECT_TRUE(find(items, Delete)->grayed);
    EXPECT_TRUE(find(items, None)->checked);
    EXPECT_TRUE(find(items, FromSource)->checked);
    EXPECT_TRUE(find(items, Clear)->grayed);
    EXPECT_EQ(find(items, Help)->textId, msgid::MenuDropDownHelp);
    for (const Item& i : items) EXPECT_FALSE(i.id >= 1 && i.id <= 14 && i.checked);
}

TEST(PaperMenuModel, UserPapersFollowTheBuiltInOnesAndEnableEditing) {
    TempDir dir;
    CSetting settings(dir.path());
    DVIOUTPaper papers(settings, u"");
    papers.StoreEntry({u"Two", u"F2:2"});
    papers.StoreEntry({u"One", u"F1:1"});
    std::vector<Item> items = build(papers, 101, false);
    const Item* first = find(items, 100);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text, u"(&E)\tOne");
    EXPECT_FALSE(first->checked);
    EXPECT_TRUE(find(items, 101)->checked);
    EXPECT_EQ(find(items, 101)->text, u"(&F)\tTwo");
    EXPECT_TRUE(items[17].separator()) << "after the user papers";
    EXPECT_FALSE(find(items, Edit)->grayed);
    EXPECT_FALSE(find(items, Delete)->grayed);
    EXPECT_FALSE(find(items, None)->checked);
    EXPECT_FALSE(find(items, FromSource)->checked);
    EXPECT_FALSE(find(items, Clear)->grayed);
    std::vector<Item> builtIn = build(papers, 9, false);
    EXPECT_TRUE(find(builtIn, 9)->checked);
    EXPECT_TRUE(find(builtIn, Edit)->grayed) << "a built-in paper cannot be edited";
}

TEST(PaperMenuModel, ChoicesLandInTheSettings) {
    TempDir dir;
    CSetting settings(dir.path());
    auto paperSize = [&] { return settings.readInt(keys::Section, keys::PaperSize, -1); };
    DVIOUTPaper papers(settings, u"");
    papers.StoreEntry({u"Two", u"F2:2"});
    papers.StoreEntry({u"One", u"F1:1"});
    EXPECT_EQ(choose(12, papers, settings), Next::Done);
    EXPECT_EQ(paperSize(), 12);
    EXPECT_EQ(choose(101, papers, settings), Next::Done);
    EXPECT_EQ(paperSize(), 100);
    EXPECT_EQ(papers.entries().front().text, u"Two") << "moved to the front";
    EXPECT_EQ(choose(None, papers, settings), Next::Done);
    EXPECT_EQ(paperSize(), 0);
    EXPECT_EQ(choose(FromSource, papers, settings), Next::Done);
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSizeFromSource, -1), 0);
    choose(FromSource, papers, settings);
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSizeFromSource, -1), 1);
    EXPECT_EQ(choose(Add, papers, settings), Next::AddDialog);
    EXPECT_EQ(choose(Edit, papers, settings), Next::EditDialog);
    EXPECT_EQ(choose(Delete, papers, settings), Next::AskDelete);
    EXPECT_EQ(choose(Clear, papers, settings), Next::AskClear);
    EXPECT_EQ(choose(Help, papers, settings), Next::ShowHelp);
    EXPECT_EQ(choose(105, papers, settings), Next::Nothing);
    EXPECT_EQ(choose(0, papers, settings), Next::Nothing);
    EXPECT_EQ(paperSize(), 0);
}

TEST(PaperMenuModel, RemovingTheCurrentUserPaper) {
    TempDir dir;
    CSetting settings(dir.path());
    DVIOUTPaper papers(settings, u"");
    papers.StoreEntry({u"Two", u"F2:2"});
    papers.StoreEntry({u"One", u"F1:1"});
    settings.writeInt(keys::Section, keys::PaperSize, 5);
    EXPECT_FALSE(removeCurrent(papers, settings)) << "not a user paper";
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSize, -1), 5);
    settings.writeInt(keys::Section, keys::PaperSize, 101);
    EXPECT_TRUE(removeCurrent(papers, settings));
    ASSERT_EQ(papers.entries().size(), 1u);
    EXPECT_EQ(papers.entries()[0].text, u"One");
    EXPECT_EQ(settings.readInt(keys::Section, keys::PaperSize, -1), 0);
}

} // namespace
