#include "make/win32/vexa_make.h"

#include "base/platform.h"
#include "base/win32/wide.h"
#include "frame/host_messages.h"
#include "frame/message_ids.h"
#include "frame/win32/language.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "make/batch_env.h"
#include "make/command_file.h"
#include "make/output_freshness.h"
#include "make/paper_size.h"
#include "make/tex_path.h"
#include "make/win32/aux_delete.h"
#include "make/win32/source_jump.h"
#include "settings/setting_keys.h"
#include "support/paper_size_data.h"

#include <memory>
#include <vector>

namespace {

void warn(HWND owner, uint32_t message) {
    lang::messageBox(owner, message, msgid::CaptionWarning, MB_OK | MB_ICONWARNING);
}

void publish(const std::vector<batch_env::Variable>& variables) {
    for (const batch_env::Variable& v : variables) SetEnvironmentVariableW(wide::w(v.name), wide::w(v.value));
}

// The process-wide settings; a run in a process whose settings could not be
// made reads the defaults from the file beside the plug-in.
class RunSettings {
public:
    explicit RunSettings(u16view pluginFolder) {
        settings_ = app::settings();
        if (!settings_) {
            fallback_ = std::make_unique<CSetting>(pluginFolder);
            settings_ = fallback_.get();
        }
    }
    CSetting& get() { return *settings_; }
    // Where the command file and the user's batch file live.
    u16 folder(u16view pluginFolder) const {
        const char16_t* f = settings_->settingsFolder();
        return f && *f ? u16(f) : u16(pluginFolder);
    }

private:
    std::unique_ptr<CSetting> fallback_; // owned, only without app settings
    CSetting* settings_;                 // not owned
};

} // namespace

VexaMake::VexaMake(HWND owner, HINSTANCE app, HWND editor, int32_t type, int32_t set,
                   const DictionaryStore* dictionaries)
    : owner_(owner), app_(app), editor_(editor), type_(type), set_(batch_env::NormalSet(set)),
      dictionaries_(dictionaries) {}

void VexaMake::run() {
    WindowEditor editor(editor_);
    if (!editor.exists()) return;
    bool newlySaved = false;
    if (editor.IsDocumentModified()) {
        editor.RunHostCommand(hostmsg::CmdSave);
        newlySaved = true;
    }
    u16 document = editor.GetDocumentPath();
    if (document.empty()) return;

    u16 pluginFolder = wide::u(lang::pluginFolder(app_).c_str());
    RunSettings settings(pluginFolder);
    batch_env::RunRoot root = batch_env::RootForRun(editor, shared_toggles::lockedRoot(&settings.get()));
    if (root.file.empty()) {
        warn(owner_, msgid::MakeNoTeXFile);
        return;
    }
    if (pluginFolder.empty()) {
        warn(owner_, msgid::MakeNoPluginFolder);
        return;
    }

    batch_env::MakeInput in;
    in.root = root.file;
    in.document = document;
    in.type = type_;
    in.set = set_;
    in.newlySaved = newlySaved;
    in.caretLine = editor.GetCaretPos(PosKind::Logical).y;
    CPaperSizeData papers(dictionaries_);
    // A separate root decides the paper from its file; without one the
    // document's own lines do.
    in.paperSize =
        paper_size::DeterminePaperSize(editor, root.separate ? u16view(root.file) : u16view(), settings.get(), papers);
    publish(batch_env::MakeVariables(in, settings.get()));
    publish(output_freshness::Variables(output_freshness::Check(root.file, document)));
    texedit_ = source_jump::ProvideInverseSearchCommand(settings.get());

    u16 folder = settings.folder(pluginFolder);
    u16 commandFile = command_file::LocateCommandFile(folder, pluginFolder);
    if (commandFile.empty()) {
        warn(owner_, msgid::MakeNoCommandFile);
        return;
    }
    publish(batch_env::CommandVariables(commandFile, pluginFolder));

    u16 batch = batch_env::BatchFileFor(type_, folder, pluginFolder);
    if (!start(batch, tex_path::folderOf(root.file))) warn(owner_, msgid::MakeNotStarted);
}

void VexaMake::release() {
    source_jump::RestoreInverseSearchCommand(texedit_);
    texedit_ = {};
    if (CSetting* settings = app::settings();
        settings && settings->readInt(ini_keys::make::Section, ini_keys::make::AutoDelete, 1) == 2 && IsWindow(editor_))
        aux_delete::deleteAuxFiles(app_, owner_, editor_);
    Process::release();
}

VexaMakeImage::VexaMakeImage(HWND owner, HINSTANCE app, HWND editor, int32_t set, u16view image)
    : owner_(owner), app_(app), editor_(editor), set_(batch_env::NormalSet(set)), image_(image) {}

void VexaMakeImage::run() {
    if (image_.empty() || !platform::fileExists(image_)) return;
    WindowEditor editor(editor_);
    u16 pluginFolder = wide::u(lang::pluginFolder(app_).c_str());
    RunSettings settings(pluginFolder);

    // Empty: the child starts in this process's current folder.
    u16 workingFolder;
    if (editor.exists())
        workingFolder = batch_env::ImageWorkingFolder(editor, shared_toggles::lockedRoot(&settings.get()));

    if (pluginFolder.empty()) {
        warn(owner_, msgid::MakeNoPluginFolder);
        return;
    }
    u16 folder = settings.folder(pluginFolder);
    u16 commandFile = command_file::LocateCommandFile(folder, pluginFolder);
    if (commandFile.empty()) {
        warn(owner_, msgid::MakeNoCommandFile);
        return;
    }
    publish(batch_env::ImageVariables(set_, image_, commandFile, pluginFolder, settings.get()));
    u16 batch = batch_env::BatchFileFor(batch_env::ImageType, folder, pluginFolder);
    if (!start(batch, workingFolder)) warn(owner_, msgid::MakeNotStarted);
}

namespace vexa_make {

void RunMake(HWND owner, HINSTANCE app, HWND editor, int32_t type, int32_t set, const DictionaryStore* dictionaries,
             u16view image) {
    if (type < 1 || type > batch_env::ImageType) return;
    std::unique_ptr<Process> run;
    if (type == batch_env::ImageType) {
        auto image_run = std::make_unique<VexaMakeImage>(owner, app, editor, set, image);
        image_run->run();
        run = std::move(image_run);
    } else {
        auto make_run = std::make_unique<VexaMake>(owner, app, editor, type, set, dictionaries);
        make_run->run();
        run = std::move(make_run);
    }
    process::waitWhileRunning(*run);
    run->release();
}

} // namespace vexa_make
