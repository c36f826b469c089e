// Each shipped library's toolbar strip and the texts of the main window:
// what the toolbar, its tool tips, the status line and the drop-down menus
// take from the library must be there, fit, and not be mistaken for one
// another, in every language.
#include "frame/message_ids.h"
#include "lang/resource_ids.h"
#include "tests/wine/host_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

namespace {
using MessageFn = const wchar_t*(WINAPI*)(uint32_t);

constexpr int kImage = VEXA_LANG_TOOLBAR_IMAGE_SIZE;
constexpr int kCount = VEXA_LANG_TOOLBAR_IMAGE_COUNT;
constexpr int kButtons = VEXA_LANG_TOOLBAR_IMAGE_TITLE;   // the images after them mark user-menu items
constexpr size_t kMaxCommandText = 79;   // what the toolbar keeps of a text

class ShippedLibrary : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override {
        std::wstring path = host_test::binFolder() + L"Vexa2Lang\\" + GetParam();
        module_ = LoadLibraryW(path.c_str());
        ASSERT_NE(module_, nullptr) << "cannot load the built library";
        message_ = reinterpret_cast<MessageFn>(reinterpret_cast<void*>(GetProcAddress(module_, "GetVexa2MessageW")));
        ASSERT_NE(message_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    std::wstring text(uint32_t id) const {
        const wchar_t* t = message_(id);
        return t ? t : L"";
    }

    // Every command that has a toolbar button: exactly those that have a
    // text among 1209, 41001-41137 and 41414.
    static std::vector<uint32_t> toolbarCommands() {
        std::vector<uint32_t> commands{1209};
        for (uint32_t c = 41001; c <= 41137; ++c)
            if (msgid::commandText(c) != 0) commands.push_back(c);
        commands.push_back(41414);
        return commands;
    }

    HMODULE module_ = nullptr;   // owned
    MessageFn message_ = nullptr;
};

// The access key of a menu item text ("&Delete" -> 'D'), or 0.
wchar_t accessKey(const std::wstring& item) {
    size_t amp = item.find(L'&');
    return amp == std::wstring::npos || amp + 1 >= item.size() ? 0 : towupper(item[amp + 1]);
}

// The strip as 32-bit pixels, top row first.
std::vector<COLORREF> stripPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> quads(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, height, quads.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    std::vector<COLORREF> pixels;
    if (rows != height) return pixels;
    for (const RGBQUAD& q : quads) pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    return pixels;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLibrary, ::testing::Values(L"Vexa2EN.dll", L"Vexa2JP.dll"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             return std::wstring(info.param) == L"Vexa2EN.dll" ? "English" : "Japanese";
                         });

TEST_P(ShippedLibrary, ToolbarStripHasOneDistinctVisibleImagePerButton) {
    HBITMAP strip = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(VEXA_LANG_TOOLBAR_BITMAP),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(strip, nullptr);
    BITMAP info = {};
    ASSERT_TRUE(GetObjectW(strip, sizeof(info), &info));
    EXPECT_EQ(info.bmWidth, kImage * kCount);
    EXPECT_EQ(info.bmHeight, kImage);
    EXPECT_LE(info.bmBitsPixel, 8) << "the image list is built for 16 or 256 colours";

    std::vector<COLORREF> pixels = stripPixels(strip, info.bmWidth, info.bmHeight);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(kImage) * kImage * kCount);
    std::set<std::vector<COLORREF>> seen;
    for (int i = 0; i < kCount; ++i) {
        std::vector<COLORREF> cell;
        int drawn = 0, keyed = 0;
        for (int y = 0; y < kImage; ++y)
            for (int x = 0; x < kImage; ++x) {
                COLORREF c = pixels[static_cast<size_t>(y) * info.bmWidth + i * kImage + x];
                cell.push_back(c);
                (c == VEXA_LANG_TOOLBAR_KEY ? keyed : drawn)++;
            }
        // A button needs something to see and a transparent surround.
        EXPECT_GE(drawn, 12) << "image " << i << " is (nearly) empty";
        EXPECT_GT(keyed, 0) << "image " << i << " has no transparent pixel";
        EXPECT_TRUE(seen.insert(cell).second) << "image " << i << " repeats an earlier one";
    }

    // The way the toolbar uses it: an image list masked by the key colour.
    HIMAGELIST list = ImageList_Create(kImage, kImage, ILC_COLOR8 | ILC_MASK, kCount, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, strip, VEXA_LANG_TOOLBAR_KEY), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), kCount);
    ImageList_Destroy(list);
    DeleteObject(strip);
}

TEST_P(ShippedLibrary, EveryToolbarCommandHasItsOwnShortText) {
    std::vector<uint32_t> commands = toolbarCommands();
    ASSERT_EQ(commands.size(), static_cast<size_t>(kButtons));
    std::set<std::wstring> texts;
    std::set<uint32_t> ids;
    for (uint32_t command : commands) {
        uint32_t id = msgid::commandText(command);
        ASSERT_NE(id, 0u) << command;
        EXPECT_TRUE(ids.insert(id).second) << "command " << command << " shares text id " << std::hex << id;
        std::wstring t = text(id);
        EXPECT_FALSE(t.empty()) << "command " << command;
        EXPECT_LE(t.size(), kMaxCommandText) << "command " << command;
        EXPECT_TRUE(texts.insert(t).second) << "command " << command << " has the same text as another button";
    }
}

TEST_P(ShippedLibrary, EveryCommandTextExistsAndEndsTheGroup) {
    for (uint32_t id = msgid::FirstCommandText; id <= msgid::LastCommandText; ++id) {
        std::wstring t = text(id);
        EXPECT_FALSE(t.empty()) << std::hex << id;
        EXPECT_LE(t.size(), kMaxCommandText) << std::hex << id;
        EXPECT_EQ(t.find_first_of(L"\r\n"), std::wstring::npos) << std::hex << id;
    }
    EXPECT_EQ(text(msgid::LastCommandText + 1), L"") << "a text no command reaches";
    EXPECT_EQ(text(0x1050000), L"");
    // Numbers without a command have no text.
    for (uint32_t unused : {41048u, 41080u, 41135u, 41138u, 41144u, 41415u, 46003u})
        EXPECT_EQ(msgid::commandText(unused), 0u) << unused;
}

TEST_P(ShippedLibrary, MenuCommandsAreDistinctWithinEachMenu) {
    // Each range is one drop-down menu's worth of items.
    const std::pair<uint32_t, uint32_t> menus[] = {
        {41145, 41165}, {41166, 41169}, {41170, 41177}, {41178, 41180}, {41181, 41189}, {41190, 41192},
        {41193, 41199}, {41200, 41219}, {41220, 41234}, {41235, 41268}, {41269, 41293}, {41294, 41310},
        {41311, 41320}, {41321, 41330}, {41331, 41340}, {41341, 41350}, {41351, 41360}, {41361, 41372},
        {41373, 41403}, {41404, 41413}};
    for (auto [first, last] : menus) {
        std::set<std::wstring> texts;
        for (uint32_t c = first; c <= last; ++c) {
            EXPECT_TRUE(texts.insert(text(msgid::commandText(c))).second) << "command " << c;
        }
    }
}

TEST_P(ShippedLibrary, WindowTextsAreAllThere) {
    for (uint32_t id = 0x1040001; id <= 0x104003C; ++id) EXPECT_FALSE(text(id).empty()) << std::hex << id;
    EXPECT_EQ(text(0x104003D), L"");
    EXPECT_NE(text(msgid::CommentTooLong).find(L"%d"), std::wstring::npos);
}

TEST_P(ShippedLibrary, StatusAndToolTipAdditionsJoinCleanly) {
    // Status-line additions are appended to one line: they start with a
    // space and never break it.
    for (uint32_t id = msgid::StatusSubWindow; id <= msgid::StatusPatternBefore; ++id) {
        std::wstring t = text(id);
        ASSERT_FALSE(t.empty()) << std::hex << id;
        EXPECT_EQ(t[0], L' ') << std::hex << id;
        EXPECT_EQ(t.find_first_of(L"\r\n"), std::wstring::npos) << std::hex << id;
    }
    // Tool tip additions each start a line of their own (the library turns
    // a line break into CR LF).
    for (uint32_t id : {msgid::TipSubWindow, msgid::TipTypesetSwapOff, msgid::TipTypesetSwapOn, msgid::TipRootLocked,
                        msgid::TipSwapOn, msgid::TipOpenRoot, msgid::TipPatternBefore}) {
        std::wstring t = text(id);
        ASSERT_GT(t.size(), 2u) << std::hex << id;
        EXPECT_EQ(t.substr(0, 2), L"\r\n") << std::hex << id;
    }
    // The swap-on and swap-off variants must say different things.
    EXPECT_NE(text(msgid::StatusTypesetSwapOff), text(msgid::StatusTypesetSwapOn));
    EXPECT_NE(text(msgid::TipTypesetSwapOff), text(msgid::TipTypesetSwapOn));
}

TEST_P(ShippedLibrary, MenusHaveDistinctItemsAndAccessKeys) {
    using msgid::MenuAbout, msgid::MenuAdd, msgid::MenuChooseRoot, msgid::MenuClearList, msgid::MenuCloseDocked,
        msgid::MenuCustomizeToolbar, msgid::MenuDelete, msgid::MenuDeleteSettings, msgid::MenuDictionaryEditor,
        msgid::MenuDropDownHelp, msgid::MenuEdit, msgid::MenuFromSource, msgid::MenuHelp, msgid::MenuLockAbsolute,
        msgid::MenuLockFileName, msgid::MenuLockRelative, msgid::MenuNew, msgid::MenuNone, msgid::MenuSettings;
    const std::vector<std::vector<uint32_t>> menus = {
        {MenuHelp, MenuSettings, MenuCustomizeToolbar, MenuDictionaryEditor, MenuDeleteSettings, MenuAbout,
         MenuCloseDocked},
        {MenuLockFileName, MenuLockRelative, MenuLockAbsolute, MenuChooseRoot, MenuDelete, MenuDropDownHelp,
         MenuClearList},
        {MenuAdd, MenuEdit, MenuDelete, MenuNone, MenuFromSource, MenuDropDownHelp, MenuClearList},
        {MenuNew, MenuEdit, MenuDelete, MenuDropDownHelp, MenuClearList},
    };
    for (const auto& menu : menus) {
        std::set<std::wstring> items;
        std::set<wchar_t> keys;
        for (uint32_t id : menu) {
            std::wstring t = text(id);
            EXPECT_TRUE(items.insert(t).second) << std::hex << id;
            wchar_t key = accessKey(t);
            EXPECT_NE(key, 0) << std::hex << id << " has no access key";
            EXPECT_TRUE(keys.insert(key).second) << std::hex << id << " repeats an access key";
        }
    }
    // The paper menu numbers its papers 1-9, 0, then A-N (fourteen built-in
    // and ten user papers); its other items must not take those keys.
    for (uint32_t id : menus[2]) {
        wchar_t key = accessKey(text(id));
        EXPECT_FALSE((key >= L'0' && key <= L'9') || (key >= L'A' && key <= L'N'))
            << std::hex << id << " takes a paper's access key";
    }
    // The sort orders' column titles name eight different orders.
    std::set<std::wstring> titles;
    for (uint32_t id = msgid::SortTitleFirst; id <= msgid::SortTitleLast; ++id)
        EXPECT_TRUE(titles.insert(text(id)).second) << std::hex << id;
}
