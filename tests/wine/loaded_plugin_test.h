// A fixture for tests of the built plug-in: a test folder holding it and
// the English library, loaded once the test has laid out its settings, and
// editor threads that end before it is unloaded.
#pragma once
#include "host/editor_thread.h"
#include "tests/wine/plugin_test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace plugin_test {

class LoadedPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        ASSERT_TRUE(install(dir, Language::EnglishConfigured)) << "build the dist target first";
    }
    void TearDown() override {
        editors.clear();
        loader.unload();
    }
    void load() {
        ASSERT_TRUE(loader.load(path(dir, L"vexa2.dll")));
        shared = sharedSection(loader.module());
        ASSERT_NE(shared, nullptr);
    }
    // The open-window count, read under its mutex as the plug-in writes it.
    int32_t openWindows() {
        HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, L"Vexa2MutexInstanceCount");
        if (m) WaitForSingleObject(m, INFINITE);
        int32_t n = shared->openWindowCount;
        if (m) {
            ReleaseMutex(m);
            CloseHandle(m);
        }
        return n;
    }

    TempDir dir;
    PluginLoader loader;
    SharedState* shared = nullptr;
    std::vector<std::unique_ptr<EditorThread>> editors;   // before loader: end first
};

} // namespace plugin_test
