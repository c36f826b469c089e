// Opening a file in the host editor from the plug-in: in this window when
// the host keeps several documents and has it open, else in a new instance
// of the host program.
#pragma once
#include <string>
#include <windows.h>

namespace open_document {
// The outline's way: activates the document when this host window has it
// open (host setting 4342, document paths compared without case), else
// starts "<host exe>" <path> in the current document's folder. False when
// nothing could be done.
bool openFromList(HWND editor, const std::wstring& path);
// Starts the host's own executable with the verb "open", the name in
// double quotes as parameter and folder as the working folder.
bool openInNewHost(HWND editor, const std::wstring& name, const std::wstring& folder);
// Hands the file to its associated program (verb "open"), in folder.
bool openWithAssociation(HWND editor, const std::wstring& name, const std::wstring& folder);
} // namespace open_document
