// The environment a typesetting or image-conversion run hands to the batch
// files, computed here so that the Win32 runner only sets and starts.
// Names and order are those the batch files expect.
#pragma once
#include "base/text.h"
#include "frame/host_editor.h"

#include <cstdint>
#include <vector>

class CSetting;

namespace batch_env {

struct Variable {
    u16 name;
    u16 value;
    friend bool operator==(const Variable&, const Variable&) = default;
};

constexpr int32_t UserBatchType = 9;
constexpr int32_t ImageType = 10;
constexpr const char16_t* Dispatcher = u"Vexa2.bat";
constexpr const char16_t* UserBatch = u"Vexa2Usr.bat";
constexpr const char16_t* InverseSearch = u"TEXEDIT";

// The root a typesetting run works on: the resolved root when it passes
// the file-name test and exists as a file, else the document itself when
// its name is acceptable, else none (the run is refused).
struct RunRoot {
    u16 file;              // empty: no root, the run is refused
    bool separate = false; // the resolved root, not the document itself
};
RunRoot RootForRun(HostEditor& editor, u16view lockedRoot);
// Only a resolved root that exists; empty when there is none.
u16 AcceptedRoot(HostEditor& editor, u16view lockedRoot);
// Where an image conversion runs: the accepted root's folder, else the
// document's folder whatever its name, else empty (a document never saved:
// the caller's own current folder).
u16 ImageWorkingFolder(HostEditor& editor, u16view lockedRoot);

// 1 stays 1, everything else is 2.
int32_t NormalSet(int32_t set);

struct MakeInput {
    u16 root;            // absolute
    u16 document;        // absolute
    int32_t type = 1;
    int32_t set = 1;
    bool newlySaved = false;
    int32_t caretLine = 0; // logical, from 0
    u16 paperSize;       // may be empty
};
// "Vexa2_CFName" ... "Vexa2_PSize", in the order the runner sets them
// (the inverse-search variable comes after them, from its own code).
std::vector<Variable> MakeVariables(const MakeInput& in, CSetting& settings);

// "Vexa2_cmd" and "Vexa2_DLLPath", set after the command file was found.
std::vector<Variable> CommandVariables(u16view commandFile, u16view pluginFolder);

// Image conversion: "Vexa2_Type", "Vexa2_Set", "Vexa2_AutoClose", then the
// command file, the image and the plug-in folder.
std::vector<Variable> ImageVariables(int32_t set, u16view image, u16view commandFile, u16view pluginFolder,
                                     CSetting& settings);

// Which batch file a type starts: the user's for type 9 (in the settings
// folder, or the plug-in's without one), else the dispatcher.
u16 BatchFileFor(int32_t type, u16view settingsFolder, u16view pluginFolder);

} // namespace batch_env
