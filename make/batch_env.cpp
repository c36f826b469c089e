#include "make/batch_env.h"

#include "base/platform.h"
#include "base/str.h"
#include "make/root_file.h"
#include "make/tex_path.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace batch_env {

namespace {
u16 flag(CSetting& settings, const char16_t* key, int32_t def) {
    return str::fromInt(settings.readInt(ini_keys::make::Section, key, def));
}
u16 inFolder(u16view folder, u16view name) {
    u16 p(folder);
    if (!p.empty() && p.back() != u'\\' && p.back() != u'/') p += u'\\';
    return p + u16(name);
}
} // namespace

u16 AcceptedRoot(HostEditor& editor, u16view lockedRoot) {
    u16 found;
    if (!root_file::ResolveRoot(editor, found, true, lockedRoot)) return {};
    u16 folder = tex_path::folderOf(tex_path::backslashed(editor.GetDocumentPath()));
    u16 absolute = tex_path::isRelative(found) ? tex_path::combine(folder, found) : found;
    if (!root_file::IsTexFileName(absolute) || !platform::fileExists(absolute)) return {};
    return absolute;
}

RunRoot RootForRun(HostEditor& editor, u16view lockedRoot) {
    u16 root = AcceptedRoot(editor, lockedRoot);
    if (!root.empty()) return {root, true};
    u16 document = editor.GetDocumentPath();
    if (root_file::IsTexFileName(document)) return {document, false};
    return {};
}

u16 ImageWorkingFolder(HostEditor& editor, u16view lockedRoot) {
    u16 root = AcceptedRoot(editor, lockedRoot);
    return tex_path::folderOf(root.empty() ? tex_path::backslashed(editor.GetDocumentPath()) : root);
}

int32_t NormalSet(int32_t set) { return set == 1 ? 1 : 2; }

std::vector<Variable> MakeVariables(const MakeInput& in, CSetting& settings) {
    namespace keys = ini_keys::make;
    int32_t line = in.caretLine < 0 ? 0 : in.caretLine;
    return {
        {u"Vexa2_CFName", tex_path::stemOf(in.root)},
        {u"Vexa2_CFPath", tex_path::folderOf(in.root)},
        {u"Vexa2_FName", tex_path::stemOf(in.document)},
        {u"Vexa2_FPath", tex_path::folderOf(in.document)},
        {u"Vexa2_Type", str::fromInt(in.type)},
        {u"Vexa2_Set", str::fromInt(NormalSet(in.set))},
        {u"Vexa2_New", in.newlySaved ? u"1" : u"0"},
        {u"Vexa2_PSPDFDefault", flag(settings, keys::PSPDFDefault, 0)},
        {u"Vexa2_AutoClose", flag(settings, keys::AutoClose, 1)},
        {u"Vexa2_ShortMake", flag(settings, keys::ShortMake, 1)},
        {u"Vexa2_Line", str::fromInt(int64_t(line) + 1)},
        {u"Vexa2_PSize", in.paperSize},
    };
}

std::vector<Variable> CommandVariables(u16view commandFile, u16view pluginFolder) {
    return {{u"Vexa2_cmd", u16(commandFile)}, {u"Vexa2_DLLPath", u16(pluginFolder)}};
}

std::vector<Variable> ImageVariables(int32_t set, u16view image, u16view commandFile, u16view pluginFolder,
                                     CSetting& settings) {
    return {
        {u"Vexa2_Type", str::fromInt(ImageType)},
        {u"Vexa2_Set", str::fromInt(NormalSet(set))},
        {u"Vexa2_AutoClose", flag(settings, ini_keys::make::AutoClose, 1)},
        {u"Vexa2_cmd", u16(commandFile)},
        {u"Vexa2_ImageFile", u16(image)},
        {u"Vexa2_ImageFileName", tex_path::withoutExtension(image)},
        {u"Vexa2_DLLPath", u16(pluginFolder)},
    };
}

u16 BatchFileFor(int32_t type, u16view settingsFolder, u16view pluginFolder) {
    if (type == UserBatchType) return inFolder(settingsFolder.empty() ? pluginFolder : settingsFolder, UserBatch);
    return inFolder(pluginFolder, Dispatcher);
}

} // namespace batch_env
