#include "mainwindow/command_dispatch.h"
#include "mainwindow/comment_commands.h"
#include "mainwindow/section_level.h"

namespace command_dispatch {

Result runCommand(uint32_t id, const snippet::Target& target) {
    using command_table::Action;
    Result r;
    if (const command_table::SnippetRow* s = command_table::findSnippet(id)) {
        r.outcome = Outcome::Done;
        r.focusEditor = snippet::insertSnippet(target, s->begin, s->end, s->mode);
        return r;
    }
    if (const command_table::ListRow* l = command_table::findList(id)) {
        r.outcome = Outcome::Done;
        r.focusEditor = snippet::insertListSnippet(target, l->begin, l->end, l->itemPrefix);
        return r;
    }
    std::optional<command_table::OtherCommand> other = command_table::findOther(id);
    if (!other) return r;
    switch (other->action) {
    case Action::Comment: {
        r.outcome = Outcome::Done;
        comment::Result c = comment::run(target, static_cast<comment::Request>(other->argument));
        r.commentTooLong = c == comment::Result::TooLong;
        r.focusEditor = c == comment::Result::Done;
        return r;
    }
    case Action::SectionLevel:
        r.outcome = Outcome::Done;
        r.focusEditor = section_level::run(target, static_cast<section_level::Direction>(other->argument));
        return r;
    case Action::JumpToTarget:
        r.outcome = Outcome::Jump;
        if (target.editor.exists()) r.jump = jump_target::decide(target.editor);
        return r;
    default:
        r.outcome = Outcome::ForShell;
        r.other = *other;
        return r;
    }
}

} // namespace command_dispatch
