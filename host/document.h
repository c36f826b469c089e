// One open document of an editor window: the text model with caret,
// selection and scroll (MemoryEditor holds the editing semantics), and what
// the window adds: the file it came from, its encoding, its handle and the
// search highlight.
#pragma once
#include "host/document_file.h"
#include "host/search_highlight.h"
#include "tests/support/memory_editor.h"

#include <cstdint>
#include <memory>
#include <string>

struct Document {
    Document();

    MemoryEditor model;                                       // text, caret, selection, scroll, flags
    std::wstring path;                                        // empty: untitled
    document_file::Encoding encoding = document_file::Encoding::Utf8Bom;
    int32_t handle;                                           // unique in the process, never 0
    SearchHighlight highlight;

    void setPath(const std::wstring& p);
    // Replaces everything with a file's contents (or empty text for a new
    // file); false when the file exists but cannot be read.
    document_file::LoadResult load(const std::wstring& filePath);
    bool save();
};

// A document for a file (full path), caret on a 0-based line; null when the
// file exists but cannot be read, with the reason in result.
std::unique_ptr<Document> openDocument(const std::wstring& path, int line, document_file::LoadResult& result);
// The full form of a path relative to the current folder.
std::wstring fullPath(const std::wstring& path);
