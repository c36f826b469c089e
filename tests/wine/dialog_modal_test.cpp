// Modal and modeless dialogs and settings pages: binding, routing, life
// cycle, the guarded run and missing templates. Templates come from the
// test language library, as later dialogs take theirs from the shipped one.
#include "frame/win32/dialog.h"
#include "frame/win32/module.h"
#include "lang/test/dialogs_res.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using lang_test::PluginFolder;
using lang_test::Watcher;

namespace {
constexpr UINT kProbe = WM_APP + 5;
constexpr UINT kThrowText = WM_APP + 6;
constexpr UINT kThrowOther = WM_APP + 7;

class LanguageLoaded : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.addLibrary(L"langtest\\Vexa2Test.dll", u"Vexa2Test.dll"));
        ASSERT_TRUE(lang::load(folder_.plugin(), L"Vexa2Test.dll"));
        setPluginInstance(folder_.plugin());
    }
    void TearDown() override { setPluginInstance(nullptr); }
    PluginFolder folder_;
};

// Records what reaches it; what it does on init is up to the test.
class Probe : public DialogModal {
public:
    std::function<void(Probe&)> onInit;
    std::vector<UINT> others;
    int inits = 0, destroys = 0, timers = 0;
    WORD lastCommand = 0, lastCode = 0;
    HWND boundWindow = nullptr;
    void* property = nullptr;
    HINSTANCE instanceAtInit = nullptr;
    INT_PTR nestedCreate = 0;
    LRESULT brush = 0;

    INT_PTR onInitDialog() override {
        ++inits;
        boundWindow = handle();
        property = GetPropW(handle(), L"Vexa_Dlg_Prop");
        instanceAtInit = instance();
        if (onInit) onInit(*this);
        return TRUE;
    }
    void onDestroy() override { ++destroys; }
    INT_PTR onCommand(WORD id, WORD code, HWND) override {
        if (id == IDC_TEST_BUTTON) {   // the edit control reports focus changes too
            lastCommand = id;
            lastCode = code;
        }
        if (id == IDOK) close(41);
        return TRUE;
    }
    void onTimer(UINT_PTR id) override {
        ++timers;
        KillTimer(handle(), id);
        close(static_cast<INT_PTR>(id));
    }
    INT_PTR onCtlColorEdit(HDC, HWND) override { return reinterpret_cast<INT_PTR>(GetStockObject(GRAY_BRUSH)); }
    INT_PTR onOtherMessage(UINT message, WPARAM, LPARAM) override {
        others.push_back(message);
        if (message == kThrowText) throw std::wstring(L"The value is out of range.");
        if (message == kThrowOther) throw 42;
        return 0;
    }
};

bool contains(const std::vector<UINT>& v, UINT m) {
    for (UINT x : v)
        if (x == m) return true;
    return false;
}
} // namespace

TEST_F(LanguageLoaded, ModalRunBindsRoutesAndForgetsItsWindow) {
    Probe p;
    p.onInit = [](Probe& self) {
        self.nestedCreate = self.create(nullptr, IDD_TEST_PLAIN, nullptr);   // already running
        SendMessageW(self.handle(), kProbe, 0, 0);
        self.brush = SendMessageW(self.handle(), WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(self.item(IDC_TEST_EDIT)));
        PostMessageW(self.handle(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), 0);
        SetTimer(self.handle(), 9, 10, nullptr);
    };
    EXPECT_EQ(p.handle(), nullptr);
    INT_PTR result = p.create(nullptr, IDD_TEST_PLAIN, nullptr);
    EXPECT_EQ(result, 9);                   // ended by the timer through close()
    EXPECT_EQ(p.inits, 1);
    EXPECT_EQ(p.destroys, 1);
    EXPECT_EQ(p.timers, 1);
    EXPECT_EQ(p.lastCommand, IDC_TEST_BUTTON);
    EXPECT_EQ(p.lastCode, BN_CLICKED);
    EXPECT_EQ(p.nestedCreate, -1);
    EXPECT_EQ(p.brush, reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)));
    EXPECT_NE(p.boundWindow, nullptr);
    EXPECT_EQ(p.property, static_cast<Dialog*>(&p));
    EXPECT_EQ(p.instanceAtInit, folder_.plugin());
    // The font message comes before initialization and the last one after
    // WM_DESTROY: neither reaches the object.
    EXPECT_TRUE(contains(p.others, kProbe));
    EXPECT_FALSE(contains(p.others, WM_SETFONT));
    EXPECT_FALSE(contains(p.others, WM_NCDESTROY));
    EXPECT_EQ(p.handle(), nullptr);
    EXPECT_EQ(p.instance(), nullptr);
    EXPECT_FALSE(IsWindow(p.boundWindow));
}

TEST_F(LanguageLoaded, ThrownTextEndsTheRunAndIsShownAsAWarning) {
    Probe p;
    p.onInit = [](Probe& self) { PostMessageW(self.handle(), kThrowText, 0, 0); };
    std::wstring text;
    bool dialogGone = false;
    Watcher box(L"Test warning", [&](HWND b) {
        text = lang_test::messageBoxText(b);
        dialogGone = !IsWindow(p.boundWindow);
        lang_test::pressButton(b, IDOK);
    });
    INT_PTR result = p.create(nullptr, IDD_TEST_PLAIN, nullptr);
    box.join();
    EXPECT_TRUE(box.found());
    EXPECT_EQ(text, L"The value is out of range.");
    EXPECT_TRUE(dialogGone);     // the box stands over the parent, not the dead dialog
    EXPECT_EQ(result, 0);
    EXPECT_EQ(p.destroys, 1);
    EXPECT_EQ(p.handle(), nullptr);
}

TEST_F(LanguageLoaded, OtherExceptionsEndTheRunSilently) {
    for (UINT message : {kThrowOther, static_cast<UINT>(WM_INITDIALOG)}) {
        Probe p;
        if (message == WM_INITDIALOG) {
            p.onInit = [](Probe&) { throw std::runtime_error("init failed"); };
        } else {
            p.onInit = [](Probe& self) { PostMessageW(self.handle(), kThrowOther, 0, 0); };
        }
        Watcher box(L"Test warning", [](HWND b) { lang_test::pressButton(b, IDOK); }, 1500);
        EXPECT_EQ(p.create(nullptr, IDD_TEST_PLAIN, nullptr), 0);
        box.join();
        EXPECT_FALSE(box.found());
        EXPECT_EQ(p.inits, 1);
        EXPECT_EQ(p.handle(), nullptr);
    }
}

TEST_F(LanguageLoaded, MissingTemplateReturnsMinusOneWithoutAWindow) {
    Probe p;
    EXPECT_EQ(p.create(nullptr, 0xF2, nullptr), -1);                       // not in the library
    EXPECT_EQ(p.create(GetModuleHandleW(nullptr), IDD_TEST_PLAIN, nullptr), -1);   // not in that module
    EXPECT_EQ(p.create(nullptr, 0, nullptr), -1);
    lang::unload();
    EXPECT_EQ(p.create(nullptr, IDD_TEST_PLAIN, nullptr), -1);             // no library at all
    EXPECT_EQ(p.inits, 0);
}

namespace {
class Modeless : public DialogModeless {
public:
    int inits = 0, destroys = 0;
    INT_PTR onInitDialog() override {
        ++inits;
        return TRUE;
    }
    void onDestroy() override { ++destroys; }
    INT_PTR onCommand(WORD id, WORD, HWND) override {
        if (id == IDC_TEST_BUTTON) throw std::wstring(L"Cannot act now.");
        return FALSE;
    }
};

class Page : public PropertyDialog {
public:
    int inits = 0, destroys = 0;
    HWND seen = nullptr;
    INT_PTR onInitDialog() override {
        ++inits;
        seen = handle();
        return TRUE;
    }
    void onDestroy() override { ++destroys; }
};
} // namespace

TEST_F(LanguageLoaded, ModelessDialogLivesUntilClosedOrThrownAway) {
    Modeless d;
    EXPECT_FALSE(d.create(nullptr, 0xF2, nullptr));
    ASSERT_TRUE(d.create(nullptr, IDD_TEST_PLAIN, nullptr));
    HWND window = d.handle();
    EXPECT_EQ(d.inits, 1);
    EXPECT_EQ(GetPropW(window, L"Vexa_Dlg_Prop"), static_cast<Dialog*>(&d));
    d.close(0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(d.destroys, 1);
    EXPECT_EQ(d.handle(), nullptr);

    // A thrown text destroys the dialog and is shown.
    ASSERT_TRUE(d.create(nullptr, IDD_TEST_PLAIN, nullptr));
    std::wstring text;
    Watcher box(L"Test warning", [&](HWND b) {
        text = lang_test::messageBoxText(b);
        lang_test::pressButton(b, IDOK);
    });
    SendMessageW(d.handle(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), 0);
    box.join();
    EXPECT_EQ(text, L"Cannot act now.");
    EXPECT_EQ(d.handle(), nullptr);
    EXPECT_EQ(d.destroys, 2);

    // The object's end ends its window.
    HWND last = nullptr;
    {
        Modeless scoped;
        ASSERT_TRUE(scoped.create(nullptr, IDD_TEST_PLAIN, nullptr));
        last = scoped.handle();
    }
    EXPECT_FALSE(IsWindow(last));
}

TEST_F(LanguageLoaded, SettingsPageIsBoundThroughItsPageRecord) {
    Page page;
    PROPSHEETPAGEW record = {};
    EXPECT_FALSE(page.fillPage(record, nullptr, 0xF2));
    ASSERT_TRUE(page.fillPage(record, nullptr, IDD_TEST_PAGE));
    HPROPSHEETPAGE handle = CreatePropertySheetPageW(&record);
    ASSERT_NE(handle, nullptr);
    PROPSHEETHEADERW sheet = {};
    sheet.dwSize = sizeof(sheet);
    sheet.dwFlags = PSH_MODELESS;
    sheet.pszCaption = L"Test sheet";
    sheet.nPages = 1;
    sheet.phpage = &handle;
    HWND window = reinterpret_cast<HWND>(PropertySheetW(&sheet));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(page.inits, 1);
    ASSERT_NE(page.seen, nullptr);
    EXPECT_EQ(page.handle(), page.seen);
    DestroyWindow(window);
    EXPECT_EQ(page.destroys, 1);
    EXPECT_EQ(page.handle(), nullptr);
}
