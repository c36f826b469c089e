#include "highlight/highlight_menu_model.h"

#include "base/str.h"
#include "frame/message_ids.h"
#include "highlight/highlight_store.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace hm = highlight_menu_model;

std::vector<u16> presetNames() {
    std::vector<u16> names;
    for (int i = 1; i <= 12; ++i) names.push_back(u"P" + str::fromInt(i));
    return names;
}

void fill(CSetting& settings, int count) {
    std::vector<u16> list;
    for (int i = 0; i < count; ++i) list.push_back(u"U" + str::fromInt(i) + u"\tp");
    list.emplace_back();
    settings.writeStringList(ini_keys::highlight::Section, list);
}

const hm::Item* find(const std::vector<hm::Item>& items, uint32_t id) {
    for (const hm::Item& i : items)
        if (i.id == id) return &i;
    return nullptr;
}

TEST(HighlightMenu, EmptyUserList) {
    TempDir dir;
    CSetting settings(dir.path());
    Highlight store(settings);
    std::vector<hm::Item> items = hm::build(presetNames(), store, 8);
    // Twelve presets, separator, new, edit, delete, separator, help,
    // separator, clear.
    std::vector<uint32_t> ids;
    for (const hm::Item& i : items) ids.push_back(i.id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 41124, 41125, 41126, 0, 41127, 0,
                                          41128}));
    EXPECT_EQ(items[0].text, u"(&1)\tP1");
    EXPECT_EQ(items[9].text, u"(&0)\tP10");
    EXPECT_EQ(items[11].text, u"(&B)\tP12");
    for (const hm::Item& i : items) EXPECT_EQ(i.checked, i.id == 8) << i.id;
    const struct {
        uint32_t id;
        uint32_t textId;
        bool grayed;
    } commands[] = {
        {41124, msgid::MenuNew, false},       {41125, msgid::MenuEdit, true},
        {41126, msgid::MenuDelete, true},     {41127, msgid::MenuDropDownHelp, false},
        {41128, msgid::MenuClearList, true},
    };
    for (const auto& c : commands) {
        const hm::Item* i = find(items, c.id);
        ASSERT_NE(i, nullptr) << c.id;
        EXPECT_EQ(i->textId, c.textId) << c.id;
        EXPECT_EQ(i->grayed, c.grayed) << c.id;
    }
}

TEST(HighlightMenu, UserItemsContinueTheAccelerators) {
    TempDir dir;
    CSetting settings(dir.path());
    fill(settings, 20);
    Highlight store(settings);
    std::vector<hm::Item> items = hm::build(presetNames(), store, 101);
    const struct {
        uint32_t id;
        const char16_t* text;
    } cases[] = {
        {100, u"(&C)\tU0"},   // the 13th entry
        {101, u"(&D)\tU1"},
        {119, u"(&V)\tU19"},  // the 32nd and last
    };
    for (const auto& c : cases) {
        const hm::Item* i = find(items, c.id);
        ASSERT_NE(i, nullptr) << c.id;
        EXPECT_EQ(i->text, c.text) << c.id;
    }
    EXPECT_EQ(find(items, 120), nullptr);
    EXPECT_TRUE(find(items, 101)->checked);
    EXPECT_FALSE(find(items, 8)->checked);
    EXPECT_FALSE(find(items, 41125)->grayed) << "a user item is active";
    EXPECT_FALSE(find(items, 41126)->grayed);
    EXPECT_FALSE(find(items, 41128)->grayed);
    EXPECT_TRUE(items[12].separator());
    EXPECT_TRUE(items[33].separator()) << "after the user items";
    EXPECT_EQ(items[34].id, 41124u);
}

TEST(HighlightMenu, Classify) {
    using C = hm::Choice;
    const struct {
        uint32_t id;
        C choice;
    } cases[] = {
        {0, C::Nothing},    {1, C::Preset},      {12, C::Preset},  {99, C::Preset},
        {100, C::UserItem}, {41123, C::UserItem}, {41124, C::New},  {41125, C::Edit},
        {41126, C::Delete}, {41127, C::Help},    {41128, C::Clear}, {41129, C::Nothing},
    };
    for (const auto& c : cases) EXPECT_EQ(hm::classify(c.id), c.choice) << c.id;
}

} // namespace
