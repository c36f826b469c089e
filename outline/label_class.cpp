#include "outline/label_class.h"

#include "outline/outline_items.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace {
namespace keys = ini_keys::search;

struct ClassInfo {
    const char16_t* key;
    const char16_t* def;
    int32_t kind;
};
constexpr std::array<ClassInfo, LabelPrefixes::Count> Classes{{
    {keys::Equation, u"eq", outline_kind::EquationLabel},
    {keys::Figure, u"fig", outline_kind::FigureLabel},
    {keys::Table, u"tab", outline_kind::TableLabel},
    {keys::Item, u"item", outline_kind::ItemLabel},
    {keys::Part, u"part", outline_kind::PartLabel},
    {keys::Chapter, u"chap", outline_kind::ChapterLabel},
    {keys::SectionItem, u"sec", outline_kind::SectionLabel},
    {keys::Subsection, u"subsec", outline_kind::SubsectionLabel},
    {keys::Subsubsection, u"subsubsec", outline_kind::SubsubsectionLabel},
    {keys::Paragraph, u"par", outline_kind::ParagraphLabel},
    {keys::Subparagraph, u"subpar", outline_kind::SubparagraphLabel},
}};
} // namespace

const char16_t* LabelPrefixes::settingKey(size_t cls) { return cls < Count ? Classes[cls].key : u""; }

LabelPrefixes LabelPrefixes::defaults() {
    LabelPrefixes p;
    for (size_t i = 0; i < Count; ++i) p.prefix[i] = Classes[i].def;
    return p;
}

int32_t LabelPrefixes::classify(u16view name) const {
    for (size_t i = 0; i < Count; ++i)
        if (!prefix[i].empty() && name.starts_with(prefix[i])) return Classes[i].kind;
    return outline_kind::OtherLabel;
}

namespace outline_settings {

uint32_t limitFrom(int32_t limitSetting) {
    return (static_cast<uint32_t>(limitSetting) << 10) >> 1;
}

OutlineSettings read(CSetting& settings) {
    OutlineSettings out;
    // Room for any prefix a user could type into the label dialog.
    constexpr size_t Capacity = 1024;
    char16_t buffer[Capacity];
    settings.beginBatch();
    for (size_t i = 0; i < LabelPrefixes::Count; ++i) {
        size_t n = settings.readString(keys::Section, Classes[i].key, Classes[i].def, buffer, Capacity);
        out.labels.prefix[i].assign(buffer, n);
    }
    settings.endBatch();
    out.limit = limitFrom(settings.readInt(ini_keys::basic::Section, ini_keys::basic::Limit, 0));
    return out;
}

} // namespace outline_settings
