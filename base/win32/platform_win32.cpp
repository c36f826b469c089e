// Windows implementation of the platform interface.
#include "base/platform.h"
#include "base/win32/wide.h"

#include <windows.h>
#include <cwchar>

namespace platform {

using wide::w;

u16 ansiToUtf16(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    u16 out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide::w(out.data()), n);
    return out;
}

std::string utf16ToAnsi(u16view text) {
    if (text.empty()) return {};
    const wchar_t* src = reinterpret_cast<const wchar_t*>(text.data());
    int n = WideCharToMultiByte(CP_ACP, 0, src, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, src, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

int compareNoCase(u16view a, u16view b) {
    int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                           reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                           reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()));
    return r == 0 ? 0 : r - 2; // CSTR_LESS_THAN 1, EQUAL 2, GREATER 3
}

int compareLocale(u16view a, u16view b) {
    int r = CompareStringW(LOCALE_USER_DEFAULT, 0,
                           reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                           reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()));
    return r == 0 ? 0 : r - 2;
}

bool getEnv(u16view name, u16& value) {
    u16 n(name);
    DWORD size = GetEnvironmentVariableW(w(n), nullptr, 0);
    if (size == 0) return false;
    std::wstring buf(size, L'\0');
    DWORD got = GetEnvironmentVariableW(w(n), buf.data(), size);
    if (got >= size) return false;
    value = wide::u(buf.c_str(), got);
    return true;
}

bool isDirectory(u16view path) {
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(w(u16(path)));
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(u16view path) {
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(w(u16(path)));
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool readFile(u16view path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    HANDLE h = CreateFileW(w(u16(path)), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // Room for the whole file up front, so that reading does not regrow it.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) && size.QuadPart < (LONGLONG{1} << 31))
        bytes.reserve(static_cast<size_t>(size.QuadPart) + 1);
    bool ok = true;
    char buf[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(h, buf, sizeof buf, &got, nullptr)) { ok = false; break; }
        if (got == 0) break;
        bytes.append(buf, got);
    }
    CloseHandle(h);
    if (!ok) bytes.clear();
    return ok;
}

namespace {
bool isTransient(DWORD e) {
    return e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION || e == ERROR_ACCESS_DENIED;
}
} // namespace

bool writeFileAtomic(u16view path, std::string_view bytes) {
    if (path.empty()) return false;
    u16 target(path);
    // A unique temporary name beside the target, so the final move stays
    // on one volume and is atomic.
    wchar_t suffix[40];
    wsprintfW(suffix, L".%lx-%lx.tmp", GetCurrentProcessId(), GetCurrentThreadId());
    u16 tmp = target + wide::u(suffix);
    HANDLE h = CreateFileW(w(tmp), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD put = 0;
        DWORD chunk = static_cast<DWORD>(bytes.size() - done > 1u << 20 ? 1u << 20 : bytes.size() - done);
        if (!WriteFile(h, bytes.data() + done, chunk, &put, nullptr) || put == 0) ok = false;
        done += put;
    }
    if (ok && !FlushFileBuffers(h)) ok = false;
    CloseHandle(h);
    if (ok) {
        // A rename over the target, not ReplaceFileW: that one makes a
        // backup file of its own in the folder and may leave it behind
        // when the target cannot be replaced.
        ok = false;
        for (int attempt = 0; attempt < 50 && !ok; ++attempt) {
            ok = MoveFileExW(w(tmp), w(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            if (!ok) {
                if (!isTransient(GetLastError())) break;
                Sleep(10);
            }
        }
    }
    if (!ok) DeleteFileW(w(tmp));
    return ok;
}

bool deleteFile(u16view path) {
    return !path.empty() && DeleteFileW(w(u16(path))) != 0;
}

bool fileStamp(u16view path, FileStamp& stamp) {
    stamp = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExW(w(u16(path)), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.writeTime = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
    return true;
}

bool readFileRange(u16view path, uint64_t offset, size_t size, void* out) {
    if (path.empty()) return false;
    HANDLE h = CreateFileW(w(u16(path)), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    bool ok = SetFilePointerEx(h, at, nullptr, FILE_BEGIN) != 0;
    size_t done = 0;
    char* dst = static_cast<char*>(out);
    while (ok && done < size) {
        DWORD got = 0;
        DWORD chunk = static_cast<DWORD>(size - done > (1u << 30) ? (1u << 30) : size - done);
        if (!ReadFile(h, dst + done, chunk, &got, nullptr) || got == 0) break;
        done += got;
    }
    CloseHandle(h);
    return ok && done == size;
}

bool canOpenExclusive(u16view path) {
    if (!fileExists(path)) return false;
    HANDLE h = CreateFileW(w(u16(path)), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

namespace {
class Win32Mutex : public NamedMutex {
public:
    explicit Win32Mutex(HANDLE h) : h_(h) {}
    ~Win32Mutex() override { CloseHandle(h_); }
    void lock() override {
        DWORD r = WaitForSingleObject(h_, INFINITE);
        (void)r; // WAIT_ABANDONED still hands us ownership; the file is re-read anyway
    }
    void unlock() override { ReleaseMutex(h_); }
private:
    HANDLE h_; // owned
};
} // namespace

std::unique_ptr<NamedMutex> createNamedMutex(u16view name) {
    HANDLE h = CreateMutexW(nullptr, FALSE, w(u16(name)));
    if (!h) return nullptr;
    return std::make_unique<Win32Mutex>(h);
}

} // namespace platform

namespace platform {

u16 formatTime(u16view format, const std::tm& t, size_t limit) {
    std::wstring wide(format.begin(), format.end());
    std::wstring out(limit + 1, L'\0');
    size_t n = std::wcsftime(out.data(), out.size(), wide.c_str(), &t);
    if (n == 0 || n > limit) return {};
    return u16(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n));
}

} // namespace platform
