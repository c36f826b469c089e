#include "frame/help_topic.h"

namespace help {

u16 topicCommand(u16view helpFile, u16view topic) {
    if (helpFile.empty()) return u16();
    u16 command(helpFile);
    if (!topic.empty()) {
        command += u"::/";
        command += topic;
    }
    command += u'>';
    command += kWindowType;
    return command;
}

u16 helpFilePath(u16view languageFolder, u16view fileName) {
    if (fileName.empty()) return u16();
    u16 path(languageFolder);
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
    path += fileName;
    return path;
}

} // namespace help
