// Runs the plug-in's code inside a test process as if the DLL in a test
// folder were loaded: its module, a language library (mostly English), and (for
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
// library: a shipped language library, copied from the build's Vexa2Lang.
inline void usePlugin(lang_test::PluginFolder& folder, const wchar_t* library) {
    ASSERT_NE(folder.plugin(), nullptr);
    ASSERT_TRUE(folder.addLibrary(std::wstring(L"Vexa2Lang\\") + library, wide::u(library)));
    ASSERT_TRUE(lang::load(folder.plugin(), library));
    setPluginInstance(folder.plugin());
}
inline void useEnglishPlugin(lang_test::PluginFolder& folder) { usePlugin(folder, L"Vexa2EN.dll"); }

inline void startPlugin(lang_test::PluginFolder& folder, const wchar_t* library) {
    ASSERT_NO_FATAL_FAILURE(usePlugin(folder, library));
    ASSERT_EQ(app::start(folder.plugin(), folder.dir().path()), app::StartResult::Started);
    shared::state() = initialSharedState();
}
inline void startEnglishPlugin(lang_test::PluginFolder& folder) { startPlugin(folder, L"Vexa2EN.dll"); }

} // namespace inprocess
