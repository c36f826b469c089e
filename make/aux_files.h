// Finds the auxiliary files typesetting leaves beside a document and its
// root: files named like either with one of the listed extensions, and
// files anywhere below the starting folder that match a "*.ext" entry.
// Sources are never listed, whatever the delete list says.
#pragma once
#include "base/text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CSetting;

namespace aux_files {

constexpr const char16_t* DefaultDeleteList =
    u"*.BMC\t*.PBM\tAUX\tIDX\tILG\tIND\tLOG\tTOC\tBLG\tBBL\tLOF\tLOT\tOUT";
constexpr size_t MaxDeleteList = 260;
constexpr int32_t MaxDepth = 20;
constexpr size_t MaxFound = 5000;

struct DeleteList {
    std::vector<u16> patterns;   // from "*.X" entries: ".X"
    std::vector<u16> extensions; // every other non-empty entry
};
DeleteList SplitDeleteList(u16view list);

// What the search may ask of the file system (the real one in the plug-in,
// a made-up tree in tests).
class FolderSource {
public:
    struct Entry {
        u16 name;
        bool folder = false;
    };
    virtual ~FolderSource() = default;
    virtual bool isFile(u16view path) const = 0;
    // The folder's entries in the file system's order, "." and ".." included
    // or not.
    virtual std::vector<Entry> list(u16view folder) const = 0;
};

struct SearchInput {
    u16 document;   // the edited file's full path
    u16 root;       // accepted root (absolute, existing), or empty
    DeleteList list;
    int32_t depth = 0; // clamped to 0..MaxDepth
};

struct Found {
    std::vector<u16> names;    // named like the document or the root
    std::vector<u16> patterns; // found by the folder walk
};

Found Search(const SearchInput& input, const FolderSource& files);

// SearchInput from the settings: the delete list and the depth.
SearchInput InputFromSettings(CSetting& settings, u16view document, u16view root);

// True for a path that must never be deleted: the document, the root, or
// any TeX source (".tex", ".ltx", ".sty", ".cls", ".dtx", ".ins", ".bib",
// ".bst"): a list entry "TEX" or "*.tex" would otherwise take the sources
// of the whole document with it.
bool IsProtected(u16view path, u16view document, u16view root);

} // namespace aux_files
