#include "host/document.h"
#include "base/win32/wide.h"

#include <atomic>
#include <windows.h>

namespace {
std::atomic<int32_t> nextHandle{0x1001};
}

Document::Document() : handle(nextHandle++) {}

void Document::setPath(const std::wstring& p) {
    path = p;
    model.setPath(wide::u(p.c_str()));
}

document_file::LoadResult Document::load(const std::wstring& filePath) {
    u16 text;
    document_file::Encoding enc = document_file::Encoding::Utf8Bom;
    auto result = document_file::LoadResult::Ok;
    if (GetFileAttributesW(filePath.c_str()) != INVALID_FILE_ATTRIBUTES) {
        result = document_file::load(filePath, text, enc);
        if (result != document_file::LoadResult::Ok) return result;
    }
    model.setText(text);
    model.setModified(false);
    encoding = enc;
    highlight.clear();
    setPath(filePath);
    return result;
}

bool Document::save() {
    if (path.empty()) return false;
    if (!document_file::save(path, model.text(), encoding)) return false;
    model.setModified(false);
    return true;
}

std::unique_ptr<Document> openDocument(const std::wstring& path, int line, document_file::LoadResult& result) {
    auto doc = std::make_unique<Document>();
    result = doc->load(fullPath(path));
    if (result != document_file::LoadResult::Ok) return nullptr;
    if (line > 0) doc->model.SetCaretPos(PosKind::Logical, Position{0, line});
    return doc;
}

std::wstring fullPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 2, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(buffer, n) : path;
}
