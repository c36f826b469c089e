// The text handed to the HTML Help control to open a topic in the plug-in's
// own help window type.
#pragma once
#include "base/text.h"

namespace help {

// Name of the window type every help window of the plug-in uses, so that
// they can be found and closed together.
inline constexpr char16_t kWindowType[] = u"Vexa2Help";

// helpFile + "::/" + topic (only when a topic is given) + ">" + window type.
// Empty when there is no help file.
u16 topicCommand(u16view helpFile, u16view topic);

// The help file's full path: folder + "\" + file name. Empty when the file
// name is empty (the language library names no help file).
u16 helpFilePath(u16view languageFolder, u16view fileName);

} // namespace help
