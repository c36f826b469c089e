// The bibliography entry view and the label prefix dialog, from the
// English language library's templates: what the view lists for an entry,
// and what the dialog saves on OK and leaves alone otherwise.
#include "base/win32/wide.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "lang/resource_ids.h"
#include "outline/bibtex.h"
#include "outline/label_config.h"
#include "outline/win32/dialog_bib_item.h"
#include "outline/win32/dialog_label_config.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/wine/inprocess_plugin.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

using lang_test::PluginFolder;
using lang_test::Watcher;

namespace {

const wchar_t kLabelCaption[] = L"Label prefixes";

class EnglishFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(inprocess::useEnglishPlugin(folder));
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
    }
    void TearDown() override { setPluginInstance(nullptr); }

    PluginFolder folder;
};

// --- entry view ----------------------------------------------------------

struct Row {
    std::wstring name, value;
    bool operator==(const Row&) const = default;
};

std::wstring cell(HWND list, int row, int column) {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::vector<Row> rows(HWND list) {
    std::vector<Row> out;
    int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) out.push_back({cell(list, i, 0), cell(list, i, 1)});
    return out;
}

std::wstring columnTitle(HWND list, int column) {
    wchar_t buffer[128] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = buffer;
    c.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    return buffer;
}

class EntryView : public EnglishFolder {
protected:
    void SetUp() override {
        EnglishFolder::SetUp();
        owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        view.close(0);
        if (owner) DestroyWindow(owner);
        EnglishFolder::TearDown();
    }

    HWND owner = nullptr;   // owned
    DialogBibItemData view;
};

TEST_F(EntryView, ShowsTheTypeAndTheFieldsOfAnArticleInOrder) {
    ASSERT_TRUE(view.create(owner, 0));
    HWND list = view.list();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetDlgCtrlID(list), VEXA_IDC_BIB_ITEM_LIST);
    // Hidden until its owner places it.
    EXPECT_FALSE(IsWindowVisible(view.handle()));
    EXPECT_FALSE(GetWindowLongW(view.handle(), GWL_STYLE) & WS_CHILD);

    std::vector<BibEntry> entries = bibtex::parse(
        u"@article{k1,\r\n  title = \"A {B} C\",\r\n  note = {},\r\n  year = 2001,\r\n  author = {Doe, Jane}\r\n}");
    ASSERT_EQ(entries.size(), 1u);
    view.showEntry(entries[0]);

    std::vector<Row> expected{{lang::message(msgid::BibItemTypeRow), L"article"},
                              {L"title", L"A {B} C"},
                              {L"year", L"2001"},
                              {L"author", L"Doe, Jane"},
                              {L"note", L""}};
    EXPECT_EQ(rows(list), expected);
    // The key is the owner's to show, not a row.
    for (const Row& r : rows(list)) EXPECT_EQ(r.value.find(L"k1"), std::wstring::npos) << r.name;

    EXPECT_EQ(columnTitle(list, 0), std::wstring(lang::message(msgid::BibItemNameColumn)));
    EXPECT_EQ(columnTitle(list, 1), std::wstring(lang::message(msgid::BibItemValueColumn)));
    EXPECT_FALSE(columnTitle(list, 0).empty());
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 60);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), client.right - 60);
    DWORD ex = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(ex & LVS_EX_GRIDLINES);
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(EntryView, ANewEntryReplacesTheRowsAndTheCitationFlavorSitsInsideItsOwner) {
    ASSERT_TRUE(view.create(owner, 1));
    EXPECT_TRUE(GetWindowLongW(view.handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(view.handle()), owner);
    // A second create keeps the one window.
    HWND first = view.handle();
    EXPECT_TRUE(view.create(owner, 1));
    EXPECT_EQ(view.handle(), first);

    std::vector<BibEntry> entries =
        bibtex::parse(u"@book{b, title={Long}, publisher={P}, year={1990}}\n@misc{m, howpublished = {web}}");
    ASSERT_EQ(entries.size(), 2u);
    view.showEntry(entries[0]);
    EXPECT_EQ(rows(view.list()).size(), 4u);
    view.showEntry(entries[1]);
    std::vector<Row> expected{{lang::message(msgid::BibItemTypeRow), L"misc"}, {L"howpublished", L"web"}};
    EXPECT_EQ(rows(view.list()), expected);

    view.close(0);
    EXPECT_EQ(view.handle(), nullptr);
    view.showEntry(entries[0]);   // without a window: nothing to do, no crash
    EXPECT_EQ(view.list(), nullptr);
}

// --- label prefix dialog ---------------------------------------------------

struct Boxes {
    std::vector<std::wstring> text;
    std::vector<LRESULT> limit;
};

Boxes readBoxes(HWND dialog) {
    Boxes b;
    for (int id = VEXA_IDC_LABEL_PART; id <= VEXA_IDC_LABEL_ITEM; ++id) {
        b.text.push_back(lang_test::windowText(GetDlgItem(dialog, id)));
        b.limit.push_back(SendMessageW(GetDlgItem(dialog, id), EM_GETLIMITTEXT, 0, 0));
    }
    return b;
}

void setBox(HWND dialog, int id, const wchar_t* text) { SetWindowTextW(GetDlgItem(dialog, id), text); }

class LabelDialog : public EnglishFolder {
protected:
    void SetUp() override {
        EnglishFolder::SetUp();
        ASSERT_TRUE(folder.dir().write(ini_keys::FileName, stored));
        settings = std::make_unique<CSetting>(folder.dir().path());
    }
    std::string file() const { return folder.dir().read(ini_keys::FileName); }

    const std::string stored = "[Search]\r\nequation=math\r\nfigure=abb\r\n";
    std::unique_ptr<CSetting> settings;
};

TEST_F(LabelDialog, ShowsTheStoredPrefixesAndWritesTheEditedOnesOnOk) {
    Boxes seen;
    Watcher w(kLabelCaption, [&](HWND d) {
        seen = readBoxes(d);
        setBox(d, VEXA_IDC_LABEL_SECTION, L"S:");
        setBox(d, VEXA_IDC_LABEL_ITEM, L"it");
        lang_test::pressButton(d, IDOK);
    });
    DialogLabelConfig dialog(nullptr, settings.get());
    w.join();
    ASSERT_TRUE(w.found());
    std::vector<std::wstring> shown{L"part", L"chap", L"sec", L"subsec", L"subsubsec", L"par",
                                    L"subpar", L"math", L"abb", L"tab", L"item"};
    EXPECT_EQ(seen.text, shown);
    EXPECT_EQ(seen.limit, std::vector<LRESULT>(11, 20));

    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(dialog.handle(), nullptr);
    LabelPrefixes expected = LabelPrefixes::defaults();
    expected.prefix[LabelPrefixes::Equation] = u"math";
    expected.prefix[LabelPrefixes::Figure] = u"abb";
    expected.prefix[LabelPrefixes::Section] = u"S:";
    expected.prefix[LabelPrefixes::Item] = u"it";
    EXPECT_EQ(label_config::read(*settings).prefix, expected.prefix);
    // All eleven are written, also those that kept their defaults.
    EXPECT_NE(file().find("subsubsection=subsubsec\r\n"), std::string::npos);
}

TEST_F(LabelDialog, CancelLeavesTheSettingsAlone) {
    Watcher w(kLabelCaption, [&](HWND d) {
        setBox(d, VEXA_IDC_LABEL_PART, L"changed");
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLabelConfig dialog(nullptr, settings.get());
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_FALSE(dialog.accepted());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(file(), stored);
}

TEST_F(LabelDialog, OkWithAnEmptyBoxKeepsTheDialogOpen) {
    bool openAfterOk = false;
    Watcher w(kLabelCaption, [&](HWND d) {
        setBox(d, VEXA_IDC_LABEL_TABLE, L"");
        lang_test::pressButton(d, IDOK);
        openAfterOk = IsWindow(d) && IsWindowVisible(d);
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLabelConfig dialog(nullptr, settings.get());
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_TRUE(openAfterOk);
    EXPECT_FALSE(dialog.accepted());
    EXPECT_EQ(file(), stored);
}

TEST_F(LabelDialog, DefaultsAreAskedForAndOnlyFillTheBoxes) {
    const std::wstring question = lang::message(msgid::CaptionQuestion);
    std::wstring asked;
    Boxes afterNo, afterYes;
    auto answer = [&](HWND d, int button) {
        // Posted: the question runs its own loop on the dialog's thread.
        PostMessageW(d, WM_COMMAND, MAKEWPARAM(VEXA_IDC_LABEL_DEFAULTS, BN_CLICKED), 0);
        Watcher box(question, [&](HWND b) {
            asked = lang_test::messageBoxText(b);
            lang_test::pressButton(b, button);
        });
        box.join();
        // Let the dialog finish the click before looking.
        SendMessageW(d, WM_NULL, 0, 0);
    };
    Watcher w(kLabelCaption, [&](HWND d) {
        setBox(d, VEXA_IDC_LABEL_PART, L"changed");
        answer(d, IDNO);
        afterNo = readBoxes(d);
        answer(d, IDYES);
        afterYes = readBoxes(d);
        lang_test::pressButton(d, IDCANCEL);
    });
    DialogLabelConfig dialog(nullptr, settings.get());
    w.join();
    ASSERT_TRUE(w.found());
    EXPECT_EQ(asked, std::wstring(lang::message(msgid::LabelConfigAskDefaults)));
    ASSERT_EQ(afterNo.text.size(), 11u);
    EXPECT_EQ(afterNo.text[0], L"changed");
    EXPECT_EQ(afterNo.text[7], L"math");
    std::vector<std::wstring> defaults{L"part", L"chap", L"sec", L"subsec", L"subsubsec", L"par",
                                       L"subpar", L"eq", L"fig", L"tab", L"item"};
    EXPECT_EQ(afterYes.text, defaults);
    // Nothing is saved until OK.
    EXPECT_EQ(file(), stored);
}

TEST(LabelDialogTemplate, AMissingTemplateRunsNothing) {
    PluginFolder f;
    ASSERT_TRUE(f.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
    ASSERT_TRUE(lang::load(f.plugin(), L"Vexa2Test.dll"));
    CSetting settings(f.dir().path());
    DialogLabelConfig dialog(nullptr, &settings);
    EXPECT_EQ(dialog.result(), -1);
    EXPECT_FALSE(dialog.accepted());
    EXPECT_FALSE(f.dir().exists(ini_keys::FileName));
}

} // namespace
