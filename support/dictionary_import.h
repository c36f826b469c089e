// Importing a text file in a dictionary source's format into one of the
// four dictionaries: reading it, turning it into rows, deciding which rows
// start checked (those that would change something) and merging the checked
// rows in. The import dialogs show the rows; everything they decide is here.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class CTeXDictionary;
class CTeXEDictionary;
class CEditorSupportDic;
class CPaperSizeData;

namespace dict_import {

// Longest path the import accepts (the file dialog's buffer holds more).
inline constexpr size_t MaxPathLength = 269;

enum class ReadResult { Read, Unreadable, TooLarge };

// The whole file as bytes. A folder, a missing or unreadable file gives
// Unreadable; one of more than 0xFFFFFF bytes gives TooLarge (and is not
// read). bytes is empty unless the result is Read.
ReadResult readFile(u16view path, std::string& bytes);

// The rows of a file, in file order, by the source parser of each kind.
// Command rows carry loadIndex -1: they are new to the dictionary.
std::vector<CommandEntry> commandRows(std::string_view bytes);
std::vector<EnvironmentEntry> environmentRows(std::string_view bytes);
std::vector<EasySupportEntry> easySupportRows(std::string_view bytes);
std::vector<PaperSizeEntry> paperSizeRows(std::string_view bytes);

// The texts a row shows, one per column (as the editor's list shows them).
std::vector<u16> cells(const CommandEntry& e);
std::vector<u16> cells(const EnvironmentEntry& e);
std::vector<u16> cells(const EasySupportEntry& e);
std::vector<u16> cells(const PaperSizeEntry& e);

// Whether each row starts checked: unchecked when the dictionary already
// holds an entry with the same key whose other fields are equal too
// (commands: text and description; the others: every field), so that
// importing it would change nothing.
std::vector<bool> initialChecks(const CTeXDictionary& d, std::span<const CommandEntry> rows);
std::vector<bool> initialChecks(const CTeXEDictionary& d, std::span<const EnvironmentEntry> rows);
std::vector<bool> initialChecks(const CEditorSupportDic& d, std::span<const EasySupportEntry> rows);
std::vector<bool> initialChecks(const CPaperSizeData& d, std::span<const PaperSizeEntry> rows);

// Stores every checked row that put would accept (isValid): an entry with
// an equal key is replaced, else the row is appended; the dictionary is
// sorted once at the end (putAll) and marked modified when a row was
// stored. Returns the number of rows stored. A replaced command keeps its
// loadIndex so that its use count follows it across the save.
int merge(CTeXDictionary& d, std::span<const CommandEntry> rows, const std::vector<bool>& checked);
int merge(CTeXEDictionary& d, std::span<const EnvironmentEntry> rows, const std::vector<bool>& checked);
int merge(CEditorSupportDic& d, std::span<const EasySupportEntry> rows, const std::vector<bool>& checked);

// The paper size list as a plain sequence: the same rules, an empty key is
// refused (it could never be looked up), and the list is left in
// dictionary order of key as the lookups need.
int mergePaperSizes(std::vector<PaperSizeEntry>& list, std::span<const PaperSizeEntry> rows,
                    const std::vector<bool>& checked);

} // namespace dict_import
