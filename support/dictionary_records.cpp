#include "support/dictionary_records.h"

namespace record {

namespace {
u16view cut(u16view s) { return s.substr(0, MaxFieldLength); }
} // namespace

CommandEntry makeCommand(u16view name, u16view arguments, u16view description, int32_t loadIndex) {
    CommandEntry e{};
    setField(e.name, cut(name));
    setField(e.arguments, cut(arguments));
    setField(e.description, cut(description));
    u16 text(field(e.name));
    text += field(e.arguments);
    setField(e.text, text);
    e.loadIndex = loadIndex;
    return e;
}

EnvironmentEntry makeEnvironment(u16view name, u16view arguments, u16view description) {
    EnvironmentEntry e{};
    setField(e.name, cut(name));
    setField(e.arguments, cut(arguments));
    setField(e.description, cut(description));
    return e;
}

EasySupportEntry makeEasySupport(u16view key, u16view text) {
    EasySupportEntry e{};
    setField(e.key, cut(key));
    setField(e.text, cut(text));
    return e;
}

PaperSizeEntry makePaperSize(u16view key, u16view value) {
    PaperSizeEntry e{};
    setField(e.key, cut(key));
    setField(e.value, cut(value));
    return e;
}

} // namespace record
