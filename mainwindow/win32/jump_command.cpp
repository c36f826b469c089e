#include "mainwindow/win32/jump_command.h"

#include "base/win32/wide.h"
#include "frame/win32/jump.h"
#include "frame/win32/open_document.h"
#include "frame/win32/plugin_app.h"
#include "frame/win32/shared_toggles.h"
#include "frame/win32/window_editor.h"
#include "make/root_file.h"
#include "make/tex_path.h"
#include "mainwindow/win32/main_window.h"
#include "outline/search.h"

namespace jump_command {
namespace {

using Kind = jump_target::Decision::Kind;

// The folder relative names are taken against: the root file's, or the
// document's own when it is its own root; empty for an untitled document.
u16 workingFolder(WindowEditor& editor) {
    u16 root;
    if (CSetting* settings = app::settings()) root_file::ResolveRoot(editor, root, true, shared_toggles::lockedRoot(settings));
    if (root.empty()) {
        root = tex_path::backslashed(editor.GetDocumentPath());
        if (root.size() < 4) return {};
    }
    return tex_path::folderOf(root);
}

// The first root line names the root relative to the document's folder.
bool openRoot(WindowEditor& editor, const u16& name) {
    u16 document = tex_path::backslashed(editor.GetDocumentPath());
    u16 folder = document.size() < 4 ? u16() : tex_path::folderOf(document);
    u16 path = tex_path::isRelative(name) && !folder.empty() ? tex_path::combine(folder, name)
                                                             : tex_path::backslashed(name);
    return open_document::openInNewHost(editor.hwnd(), path, tex_path::folderOf(path));
}

// Labels and citations live where the outline scan finds them: here, in
// another file of the document (the host opens it and finishes the jump
// itself), or nowhere.
bool reachItem(WindowEditor& editor, const jump_target::Decision& decision) {
    CSetting* settings = app::settings();
    if (!settings) return false;
    CSearch scan(editor, *settings, shared_toggles::lockedRoot(settings));
    int32_t kinds = decision.kind == Kind::Label ? outline_kind::Labels : outline_kind::BibItem;
    for (const OutlineItem& item : scan.items()) {
        if (!(item.kind & kinds) || item.name != decision.name || item.line < 0) continue;
        Position at{item.column < 0 ? 0 : item.column, item.line};
        if (scan.fileIsCurrent(item.file)) {
            jumps::jumpIn(editor.hwnd(), at, std::nullopt);
            return true;
        }
        if (item.file < 0 || item.file >= static_cast<int32_t>(scan.files().size())) return false;
        return open_document::openAndJump(editor.hwnd(), scan.files()[static_cast<size_t>(item.file)].path, at, 0);
    }
    return false;
}

bool act(WindowEditor& editor, const jump_target::Decision& decision) {
    switch (decision.kind) {
    case Kind::Nothing: return false;
    case Kind::MoveCaret: jumps::jumpIn(editor.hwnd(), decision.position, std::nullopt); return true;
    case Kind::OpenRootFile: return openRoot(editor, decision.name);
    case Kind::OpenInHost:
        return open_document::openInNewHost(editor.hwnd(), tex_path::backslashed(decision.name), workingFolder(editor));
    case Kind::OpenWithAssociation:
        return open_document::openWithAssociation(editor.hwnd(), tex_path::backslashed(decision.name),
                                                  workingFolder(editor));
    case Kind::Label:
    case Kind::Citation: return reachItem(editor, decision);
    }
    return false;
}

} // namespace

void run(MainWindow& window, const jump_target::Decision& decision) {
    HWND editorWindow = window.editor();
    if (!editorWindow || !IsWindow(editorWindow)) return;
    PluginThreadContext* ctx = window.ownContext();
    if (ctx) jumps::pushReturn(*ctx);
    WindowEditor editor(editorWindow);
    bool done = act(editor, decision);
    if (ctx) {
        if (!done) jumps::popReturn(*ctx);
        jumps::refreshReturnButton(*ctx);
    }
}

} // namespace jump_command
