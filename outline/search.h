// CSearch: one outline scan of the document being edited. The constructor
// reads the root file (or the editor's text), every file it pulls in with
// \input or \include, and the databases named by \bibliography; the object
// is then a read-only snapshot. Each user builds its own when it needs
// fresh data.
#pragma once
#include "base/text.h"
#include "frame/host_editor.h"
#include "outline/file_source.h"
#include "outline/label_class.h"
#include "outline/outline_items.h"
#include "outline/outline_scan.h"

#include <cstdint>
#include <vector>

class CSetting;

class CSearch {
public:
    // rootPath: the document's separate root file as root resolution names
    // it (relative to the document's folder or absolute), empty when the
    // document is its own root. A root that cannot be read falls back to
    // the editor's text.
    CSearch(HostEditor& editor, const OutlineSettings& settings, u16view rootPath,
            FileSource& files = diskFiles(), outline_scan::Budget budget = {});
    // The plug-in's form: settings from the settings object, the root from
    // root resolution (lockedRoot as root_file::LockedRoot gives it), files
    // from disk.
    CSearch(HostEditor& editor, CSetting& settings, u16view lockedRoot);
    virtual ~CSearch() = default;
    CSearch(const CSearch&) = delete;
    CSearch& operator=(const CSearch&) = delete;

    const std::vector<OutlineFile>& files() const { return lists_.files; }
    const std::vector<OutlineItem>& items() const { return lists_.items; }
    const std::vector<BibEntry>& entries() const { return lists_.entries; }
    // Copies entry i; false when i is negative or not below the count.
    bool entry(int32_t i, BibEntry& out) const;
    // True for -1 (the current document), false for other negative indices
    // and those past the list, else the file's is-current field.
    bool fileIsCurrent(int32_t fileIndex) const;
    // Image of an item of this kind; flag: the item is in the current document.
    static int32_t imageIndex(int32_t kind, bool flag) { return outline_kind::imageIndex(kind, flag); }
    // Image of a listed item: for a file item the flag is its file's
    // is-current field, for others whether it is in the current document.
    int32_t imageOf(const OutlineItem& item) const;

    HostEditor& editor() const { return *editor_; }
    const u16& currentPath() const { return currentPath_; }
    const u16& rootDirectory() const { return rootDir_; }
    uint32_t limit() const { return limit_; }
    // Part of the document is missing from the lists: the scan ran out of
    // its budget (see outline_scan::Budget) or met \input, \include or
    // \bibliography at the depth limit. The lists hold what was found.
    bool incomplete() const { return lists_.incomplete; }

private:
    HostEditor* editor_;                  // not owned; outlives the snapshot's users
    u16 currentPath_;                     // "\" separated
    u16 rootDir_;                         // no trailing "\"
    uint32_t limit_ = 0;
    outline_scan::Lists lists_;
};

namespace outline_text {
// The editor's whole text, lines joined with CR LF.
u16 editorText(HostEditor& editor);
} // namespace outline_text
