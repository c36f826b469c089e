#include "make/win32/process.h"

#include "base/platform.h"
#include "base/win32/wide.h"
#include "make/batch_start.h"

Process::~Process() { closeHandle(); }

void Process::release() { closeHandle(); }

void Process::closeHandle() {
    if (process_) CloseHandle(process_);
    process_ = nullptr;
}

bool Process::IsRunning() const { return process_ && WaitForSingleObject(process_, 1) == WAIT_TIMEOUT; }

namespace {
u16 systemFolder() {
    wchar_t buf[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(buf, MAX_PATH);
    return n && n < MAX_PATH ? wide::u(buf, n) : u16();
}
} // namespace

bool Process::start(u16view batchFile, u16view workingFolder) {
    if (IsRunning()) return false;
    closeHandle();
    // The interpreter is named in full and given the whole command line:
    // a batch file named alone reaches it in quotes that it drops when the
    // path holds parentheses.
    u16 comSpec;
    platform::getEnv(u"ComSpec", comSpec);
    u16 interpreter = batch_start::Interpreter(systemFolder(), comSpec);
    u16 commandLine = batch_start::CommandLine(interpreter, batchFile);
    if (commandLine.empty()) return false;
    u16 folder(workingFolder);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION;
    si.wShowWindow = SW_SHOW;
    si.dwX = 0;
    si.dwY = 0;
    PROCESS_INFORMATION pi{};
    // The command line buffer must be writable: the call may change it.
    if (!CreateProcessW(wide::w(interpreter), wide::w(commandLine.data()), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT, nullptr,
                        folder.empty() ? nullptr : wide::w(folder), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    return true;
}

namespace process {

bool isDiscardedInput(UINT message) {
    switch (message) {
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_COMMAND:
    case WM_SYSCOMMAND: return true;
    default: break;
    }
    return (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
           (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK);
}

void waitWhileRunning(const Process& run) {
    bool quit = false;
    WPARAM quitCode = 0;
    while (run.IsRunning()) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Not ours to swallow: the thread's own loop gets it back
                // once the run is over.
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            if (isDiscardedInput(msg.message)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
    if (quit) PostQuitMessage(int(quitCode));
}

} // namespace process
