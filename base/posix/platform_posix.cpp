// Linux implementation of the platform interface, for the native build.
#include "base/platform.h"
#include "base/posix/platform_posix.h"
#include <cwchar>
#include "base/str.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iconv.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
int g_codePage = 1252;

std::string nativePath(u16view path) {
    std::string p = str::toUtf8(path);
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

std::string convert(const char* to, const char* from, std::string_view in, bool& ok) {
    ok = true;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) { ok = false; return {}; }
    std::string out;
    std::string buf(in);
    char* src = buf.data();
    size_t left = buf.size();
    char tmp[4096];
    while (left > 0) {
        char* dst = tmp;
        size_t room = sizeof tmp;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(tmp, dst - tmp);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) { ok = false; break; }
    }
    iconv_close(cd);
    return out;
}

const char* codePageName() { return g_codePage == 932 ? "CP932" : "CP1252"; }

char16_t foldCase(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;   // Latin-1
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 32;            // full-width a-z
    return c;
}
} // namespace

namespace posix {
void setAnsiCodePage(int codePage) { g_codePage = codePage == 932 ? 932 : 1252; }
int ansiCodePage() { return g_codePage; }
} // namespace posix

u16 ansiToUtf16(std::string_view bytes) {
    // Convert unit by unit on failure so a stray byte costs one character.
    bool ok;
    std::string le = convert("UTF-16LE", codePageName(), bytes, ok);
    if (!ok) {
        u16 out;
        for (size_t i = 0; i < bytes.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (c < 0x80) { out.push_back(c); continue; }
            size_t len = (g_codePage == 932 && i + 1 < bytes.size() &&
                          ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))) ? 2 : 1;
            bool one;
            std::string part = convert("UTF-16LE", codePageName(), bytes.substr(i, len), one);
            if (one && part.size() >= 2) {
                for (size_t k = 0; k + 1 < part.size(); k += 2)
                    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(part[k]) |
                                                        (static_cast<unsigned char>(part[k + 1]) << 8)));
            } else {
                out.push_back(u'?');
            }
            i += len - 1;
        }
        return out;
    }
    u16 out(le.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(le[2 * i]) |
                                       (static_cast<unsigned char>(le[2 * i + 1]) << 8));
    return out;
}

std::string utf16ToAnsi(u16view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) { out.push_back(static_cast<char>(c)); continue; }
        std::string le{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        bool ok;
        std::string part = convert(codePageName(), "UTF-16LE", le, ok);
        out += ok && !part.empty() ? part : std::string("?");
    }
    return out;
}

int compareNoCase(u16view a, u16view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        char16_t x = foldCase(a[i]), y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Letters first without regard to case, then lower case before upper case
// at the first difference: the order a user's locale gives plain text.
int compareLocale(u16view a, u16view b) {
    if (int r = compareNoCase(a, b)) return r;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        bool lowerA = foldCase(a[i]) != a[i];
        return lowerA ? -1 : 1;
    }
    return 0;
}

bool getEnv(u16view name, u16& value) {
    const char* v = std::getenv(str::toUtf8(name).c_str());
    if (!v) return false;
    value = str::fromUtf8(v);
    return true;
}

bool isDirectory(u16view path) {
    struct stat st;
    return !path.empty() && stat(nativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(u16view path) {
    struct stat st;
    return !path.empty() && stat(nativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool readFile(u16view path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    FILE* f = std::fopen(nativePath(path).c_str(), "rb");
    if (!f) return false;
    // Room for the whole file up front, so that reading does not regrow it.
    struct stat st {};
    if (fstat(fileno(f), &st) == 0 && st.st_size >= 0 && st.st_size < (off_t{1} << 31))
        bytes.reserve(static_cast<size_t>(st.st_size) + 1);
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) bytes.clear();
    return ok;
}

bool writeFileAtomic(u16view path, std::string_view bytes) {
    if (path.empty()) return false;
    std::string target = nativePath(path);
    std::string tmpl = target + ".tmpXXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0) { ok = false; break; }
        done += static_cast<size_t>(w);
    }
    if (ok && fsync(fd) != 0) ok = false;
    struct stat st;
    if (ok && stat(target.c_str(), &st) == 0) fchmod(fd, st.st_mode & 07777); // keep the old mode
    else if (ok) fchmod(fd, 0644);
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmpl.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmpl.c_str());
    return ok;
}

bool deleteFile(u16view path) {
    return !path.empty() && ::unlink(nativePath(path).c_str()) == 0;
}

bool fileStamp(u16view path, FileStamp& stamp) {
    stamp = {};
    struct stat st;
    if (path.empty() || stat(nativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // Seconds between 1601-01-01 and 1970-01-01.
    const uint64_t epochShift = 11644473600ull;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.writeTime = (static_cast<uint64_t>(st.st_mtim.tv_sec) + epochShift) * 10000000ull +
                      static_cast<uint64_t>(st.st_mtim.tv_nsec) / 100;
    return true;
}

bool readFileRange(u16view path, uint64_t offset, size_t size, void* out) {
    if (path.empty()) return false;
    int fd = ::open(nativePath(path).c_str(), O_RDONLY);
    if (fd < 0) return false;
    size_t done = 0;
    char* dst = static_cast<char*>(out);
    while (done < size) {
        ssize_t r = ::pread(fd, dst + done, size - done, static_cast<off_t>(offset + done));
        if (r <= 0) break;
        done += static_cast<size_t>(r);
    }
    ::close(fd);
    return done == size;
}

bool canOpenExclusive(u16view path) {
    // Linux has no share modes: being able to open it for writing is all
    // that can be checked.
    if (!fileExists(path)) return false;
    int fd = ::open(nativePath(path).c_str(), O_WRONLY);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

namespace {
class ProcessMutex : public NamedMutex {
public:
    explicit ProcessMutex(std::recursive_mutex* m) : m_(m) {}
    void lock() override { m_->lock(); }
    void unlock() override { m_->unlock(); }
private:
    std::recursive_mutex* m_; // owned by the registry below, lives forever
};
} // namespace

std::unique_ptr<NamedMutex> createNamedMutex(u16view name) {
    // Natively there is one process; a registry by name gives the same
    // sharing semantics between threads.
    static std::mutex registryLock;
    static std::map<u16, std::unique_ptr<std::recursive_mutex>> registry;
    std::lock_guard<std::mutex> guard(registryLock);
    auto& slot = registry[u16(name)];
    if (!slot) slot = std::make_unique<std::recursive_mutex>();
    return std::make_unique<ProcessMutex>(slot.get());
}

} // namespace platform

namespace platform {

u16 formatTime(u16view format, const std::tm& t, size_t limit) {
    // wchar_t is 32-bit here: the format's and the result's BMP characters
    // map one to one (surrogates are passed through as they are).
    std::wstring wide(format.begin(), format.end());
    std::wstring out(limit + 1, L'\0');
    size_t n = std::wcsftime(out.data(), out.size(), wide.c_str(), &t);
    if (n == 0 || n > limit) return {};
    return u16(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n));
}

} // namespace platform
