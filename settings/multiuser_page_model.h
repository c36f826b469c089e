// What the multi-user page edits: where the settings file lives. The
// choice itself is always kept in the file beside the plug-in, which the
// settings object given here must address.
#pragma once
#include "settings/setting.h"

namespace multiuser_page {

// (Multiuser, Mode): true for a file in the user's profile folder.
bool readMode(CSetting& besidePlugin);
// Whether the file can be written: (Multiuser, Temp) is written as 1 and
// read back. The key is removed again either way, so that looking at the
// page leaves an existing file as it was. (A file that did not exist keeps
// the key: a store emptied of every key is not written, and deleting the
// file could drop what another process wrote to it meanwhile.)
bool canWrite(CSetting& besidePlugin);
// Replaces the section with Mode alone (the test key goes with it).
bool write(CSetting& besidePlugin, bool multiUser);

} // namespace multiuser_page
