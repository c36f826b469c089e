// Host Editor: a small Win32 text editor that loads the plug-in and answers
// its messages. Each window runs on a thread of its own.
#include "host/command_line.h"
#include "host/document.h"
#include "host/editor_thread.h"
#include "host/instance_launcher.h"
#include "host/plugin_host.h"

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int show) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);
    HostCommandLine cmd = command_line::parse(args);

    PluginHost plugin;
    std::wstring pluginPath = cmd.pluginPath.empty() ? executableFolder() + L"vexa2.dll" : fullPath(cmd.pluginPath);
    bool pluginLoaded = plugin.load(pluginPath);
    if (!pluginLoaded && !cmd.pluginPath.empty())
        MessageBoxW(nullptr, (L"Cannot load the plug-in " + pluginPath).c_str(), L"Host Editor",
                    MB_OK | MB_ICONWARNING);

    // Further files each get a window of their own in a new instance.
    for (size_t i = 1; i < cmd.files.size(); ++i) {
        FileToOpen file = cmd.files[i];
        file.path = fullPath(file.path);
        instance_launcher::launch(L"", command_line::forInstance(pluginLoaded ? pluginPath : L"", file));
    }

    EditorWindowOptions options;
    options.plugin = pluginLoaded ? &plugin : nullptr;
    options.show = show;
    if (!cmd.files.empty()) {
        options.path = cmd.files[0].path;
        options.caretLine = cmd.files[0].line;
    }
    EditorThread window(options);
    if (!window.started()) return 1;
    window.wait();
    return 0;
}
