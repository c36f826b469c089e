// Runs the plug-in's code inside a test process as if the DLL in a test
// folder were loaded: its module, the English language library, and (for
// most tests) the started application with a fresh shared section.
#pragma once
#include "frame/win32/language.h"
#include "frame/win32/module.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_state.h"
#include "tests/wine/language_test_support.h"

#include <gtest/gtest.h>

namespace inprocess {

// Call through ASSERT_NO_FATAL_FAILURE: a failed step ends the test.
inline void useEnglishPlugin(lang_test::PluginFolder& folder) {
    ASSERT_NE(folder.plugin(), nullptr);
    ASSERT_TRUE(folder.addLibrary(L"Vexa2Lang\\Vexa2EN.dll", u"Vexa2EN.dll"));
    ASSERT_TRUE(lang::load(folder.plugin(), L"Vexa2EN.dll"));
    setPluginInstance(folder.plugin());
}

inline void startEnglishPlugin(lang_test::PluginFolder& folder) {
    ASSERT_NO_FATAL_FAILURE(useEnglishPlugin(folder));
    ASSERT_EQ(app::start(folder.plugin(), folder.dir().path()), app::StartResult::Started);
    shared::state() = initialSharedState();
}

} // namespace inprocess
