#include "host/document_file.h"
#include "base/platform.h"
#include "base/win32/wide.h"

#include <windows.h>

namespace document_file {
namespace {

u16 fromCodePage(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return u16();
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return u16();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return wide::u(out.data(), out.size());
}

// False when some character has no form in the code page.
bool toCodePage(UINT codePage, u16view text, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    const wchar_t* w = reinterpret_cast<const wchar_t*>(text.data());
    BOOL lossy = FALSE;
    BOOL* lossyOut = codePage == CP_UTF8 ? nullptr : &lossy;
    int n = WideCharToMultiByte(codePage, 0, w, static_cast<int>(text.size()), nullptr, 0, nullptr, lossyOut);
    if (n <= 0) return false;
    out.resize(static_cast<size_t>(n));
    WideCharToMultiByte(codePage, 0, w, static_cast<int>(text.size()), out.data(), n, nullptr, lossyOut);
    return !lossy;
}

} // namespace

u16 decode(std::string_view bytes, Encoding& encoding) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        encoding = Encoding::Utf8Bom;
        return fromCodePage(CP_UTF8, bytes.substr(3));
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
        encoding = Encoding::Utf16LeBom;
        u16 out;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return out;
    }
    encoding = Encoding::Ansi;
    return fromCodePage(CP_ACP, bytes);
}

LoadResult load(const std::wstring& path, u16& text, Encoding& encoding) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return LoadResult::Unreadable;
    if (info.nFileSizeHigh != 0 || info.nFileSizeLow > MaxBytes) return LoadResult::TooLarge;
    std::string bytes;
    if (!platform::readFile(wide::u(path.c_str()), bytes)) return LoadResult::Unreadable;
    text = decode(bytes, encoding);
    return LoadResult::Ok;
}

std::string encode(u16view text, Encoding& encoding) {
    std::string out;
    if (encoding == Encoding::Utf16LeBom) {
        out = "\xFF\xFE";
        for (char16_t c : text) {
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>(c >> 8));
        }
        return out;
    }
    if (encoding == Encoding::Ansi && toCodePage(CP_ACP, text, out)) return out;
    encoding = Encoding::Utf8Bom;
    toCodePage(CP_UTF8, text, out);
    return "\xEF\xBB\xBF" + out;
}

bool save(const std::wstring& path, u16view text, Encoding& encoding) {
    Encoding chosen = encoding;
    std::string bytes = encode(text, chosen);
    if (!platform::writeFileAtomic(wide::u(path.c_str()), bytes)) return false;
    encoding = chosen;
    return true;
}

} // namespace document_file
