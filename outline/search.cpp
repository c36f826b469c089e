#include "outline/search.h"

#include "make/tex_path.h"
#include "outline/outline_path.h"

namespace {
// The folder of a path without its trailing "\" (a drive root "C:\" keeps
// nothing but "C:", which combines back to "C:\name").
u16 folderWithoutSeparator(u16view path) {
    u16 folder = tex_path::folderOf(path);
    if (folder.size() > 1 && folder.back() == u'\\') folder.pop_back();
    return folder;
}
} // namespace

namespace outline_text {
u16 editorText(HostEditor& editor) {
    u16 text;
    const int32_t count = editor.GetLineCount();
    for (int32_t line = 0; line < count; ++line) {
        if (line) text += u"\r\n";
        text += editor.GetLineText(line);
    }
    return text;
}
} // namespace outline_text

CSearch::CSearch(HostEditor& editor, const OutlineSettings& settings, u16view rootPath, FileSource& files,
                 outline_scan::Budget budget)
    : editor_(&editor), limit_(settings.limit) {
    currentPath_ = tex_path::backslashed(editor.GetDocumentPath());
    rootDir_ = folderWithoutSeparator(currentPath_);

    outline_scan::Scanner scanner({currentPath_, rootDir_, settings, budget}, files,
                                  [&editor] { return outline_text::editorText(editor); }, lists_);
    if (!rootPath.empty()) {
        u16 root = outline_path::absolute(rootDir_, rootPath);
        u16 text;
        if (!root.empty() && files.read(root, limit_, text)) {
            rootDir_ = folderWithoutSeparator(root);
            scanner.setRootDir(rootDir_);
            scanner.scanText(text, root, 0);
            return;
        }
    }
    scanner.scanText(scanner.currentText(), currentPath_, 0);
}

bool CSearch::entry(int32_t i, BibEntry& out) const {
    if (i < 0 || static_cast<size_t>(i) >= lists_.entries.size()) return false;
    out = lists_.entries[static_cast<size_t>(i)];
    return true;
}

bool CSearch::fileIsCurrent(int32_t fileIndex) const {
    if (fileIndex == outline_file::Current) return true;
    if (fileIndex < 0 || static_cast<size_t>(fileIndex) >= lists_.files.size()) return false;
    return lists_.files[static_cast<size_t>(fileIndex)].isCurrent != 0;
}

int32_t CSearch::imageOf(const OutlineItem& item) const {
    bool flag = item.kind == outline_kind::File ? fileIsCurrent(item.file) : item.file == outline_file::Current;
    return imageIndex(item.kind, flag);
}
