// Holds a typesetting run open for the Wine tests: creates the file named
// by its first argument, then waits until the file named by its second
// exists (at most 30 s), so a test can act while the run is in progress.
#include <windows.h>
#include <shellapi.h>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 3) return 2;
    HANDLE started = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (started != INVALID_HANDLE_VALUE) CloseHandle(started);
    int code = 1;
    for (int i = 0; i < 3000; ++i) {
        if (GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES) {
            code = 0;
            break;
        }
        Sleep(10);
    }
    LocalFree(argv);
    return code;
}
