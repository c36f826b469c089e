// Opening a file in the host editor from the plug-in: in this window when
// the host keeps several documents and has it open, else in a new instance
// of the host program.
#pragma once
#include "base/str.h"
#include "frame/host_editor.h"

#include <windows.h>

namespace open_document {
// The outline's way: activates the document when this host window has it
// open (host setting 4342, document paths compared without case), else
// starts "<host exe>" <path> in the current document's folder. False when
// nothing could be done.
bool openFromList(HWND editor, const u16& path);
// openFromList with a jump to at once the file shows. The jump is left
// pending before the file opens (a new host instance may take it as soon as
// it shows the file) and withdrawn when nothing could be opened, so that no
// later window takes it by surprise. requester's own window never takes it.
bool openAndJump(HWND editor, const u16& path, Position at, uint32_t requester);
// Starts the host's own executable with the verb "open", the name in
// double quotes as parameter and folder as the working folder.
bool openInNewHost(HWND editor, const u16& name, const u16& folder);
// Hands the file to its associated program (verb "open"), in folder.
bool openWithAssociation(HWND editor, const u16& name, const u16& folder);
} // namespace open_document
