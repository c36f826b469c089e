#include "tests/support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {
fs::path toPath(u16view p) { return fs::path(u16(p)); }
} // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return;
    std::random_device rd;
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "vexa2-test-" + std::to_string(rd() ^ static_cast<unsigned>(stamp)) + "-" +
                           std::to_string(counter++);
        fs::path p = base / name;
        if (fs::create_directory(p, ec) && !ec) {
            path_ = p.make_preferred().u16string();
            while (!path_.empty() && (path_.back() == u'\\' || path_.back() == u'/')) path_.pop_back();
            return;
        }
    }
}

TempDir::~TempDir() {
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove_all(toPath(path_), ec);
}

u16 TempDir::file(u16view name) const {
    return path_ + static_cast<char16_t>(fs::path::preferred_separator) + u16(name);
}

bool TempDir::write(u16view name, std::string_view bytes) const {
    std::ofstream out(toPath(file(name)), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string TempDir::read(u16view name) const {
    std::ifstream in(toPath(file(name)), std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDir::exists(u16view name) const {
    std::error_code ec;
    return fs::exists(toPath(file(name)), ec);
}

bool TempDir::makeFolder(u16view name) const {
    std::error_code ec;
    return fs::create_directory(toPath(file(name)), ec);
}
