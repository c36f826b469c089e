#include "settings/ini_store.h"

#include "base/str.h"
#include "base/text_file.h"

namespace {
bool hasLineBreak(u16view s) { return s.find_first_of(u"\r\n") != u16view::npos; }

// Names that would not read back as written are refused: the file format
// has no escaping.
bool storableSection(u16view s) { return !s.empty() && !hasLineBreak(s) && s.find(u']') == u16view::npos; }
bool storableKey(u16view k) {
    return !k.empty() && k[0] != u'[' && !hasLineBreak(k) && k.find(u'=') == u16view::npos;
}
} // namespace

CIni::~CIni() {
    if (open_) close();
}

void CIni::open(u16view path, platform::NamedMutex* mutex) {
    if (open_) close();
    sections_.clear();
    path_ = path;
    modified_ = false;
    readOnly_ = false;
    unusable_ = path_.empty();
    mutex_ = mutex;
    if (mutex_) mutex_->lock();
    open_ = true;
    if (unusable_) return;
    std::string bytes;
    if (platform::readFile(path_, bytes)) {
        parse(text_file::decode(bytes));
    } else if (platform::fileExists(path_)) {
        readOnly_ = true;
    }
}

bool CIni::close() {
    if (!open_) return true;
    bool ok = true;
    if (modified_ && !unusable_) {
        if (readOnly_) {
            ok = false;
        } else {
            std::string bytes = platform::utf16ToAnsi(build());
            if (!bytes.empty()) ok = platform::writeFileAtomic(path_, bytes);
        }
    }
    modified_ = false;
    open_ = false;
    if (mutex_) mutex_->unlock();
    mutex_ = nullptr;
    return ok;
}

void CIni::parse(u16view text) {
    sections_.clear();
    Section* current = nullptr;   // null: lines are dropped
    auto takeLine = [&](u16view line) {
        if (!line.empty() && line[0] == u'[') {
            size_t end = line.find(u']');
            u16view name = line.substr(1, end == u16view::npos ? u16view::npos : end - 1);
            if (name.empty()) {
                current = nullptr;
            } else {
                sections_.push_back(Section{u16(name), {}});
                current = &sections_.back();
            }
            return;
        }
        if (!current) return;
        size_t eq = line.find(u'=');
        if (eq == u16view::npos || eq == 0) return;
        current->entries.push_back(Entry{u16(line.substr(0, eq)), u16(line.substr(eq + 1))});
    };
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(u"\r\n", start);
        if (end == u16view::npos) {
            takeLine(text.substr(start));
            break;
        }
        takeLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
    }
    std::erase_if(sections_, [](const Section& s) { return s.entries.empty(); });
}

u16 CIni::build() const {
    u16 out;
    for (const Section& s : sections_) {
        bool headed = false;
        for (const Entry& e : s.entries) {
            if (e.key.empty() || !e.value) continue;
            if (!headed) {
                out += u'[';
                out += s.name;
                out += u"]\r\n";
                headed = true;
            }
            out += e.key;
            out += u'=';
            out += *e.value;
            out += u"\r\n";
        }
    }
    return out;
}

CIni::Section* CIni::findSection(u16view name) {
    for (Section& s : sections_)
        if (str::equalsNoCase(s.name, name)) return &s;
    return nullptr;
}

const CIni::Section* CIni::findSection(u16view name) const {
    for (const Section& s : sections_)
        if (str::equalsNoCase(s.name, name)) return &s;
    return nullptr;
}

const CIni::Entry* CIni::findEntry(const Section& s, u16view key) {
    for (const Entry& e : s.entries)
        if (str::equalsNoCase(e.key, key)) return &e;
    return nullptr;
}

int CIni::setValue(const char16_t* section, const char16_t* key, const char16_t* value) {
    if (!section || !storableSection(section)) return 0;
    Section* s = findSection(section);
    if (!key) {
        if (s && !s->entries.empty()) {
            s->entries.clear();
            modified_ = true;
        }
        return 1;
    }
    if (!storableKey(key)) return 0;
    if (value && hasLineBreak(value)) return 0;
    Entry* e = s ? const_cast<Entry*>(findEntry(*s, key)) : nullptr;
    if (!value) {
        // Nothing stored, nothing to delete: no rewrite needed.
        if (e && e->value) {
            e->value.reset();
            modified_ = true;
        }
        return 1;
    }
    if (!s) {
        sections_.push_back(Section{section, {}});
        s = &sections_.back();
    }
    if (e) e->value = u16(value);
    else s->entries.push_back(Entry{key, u16(value)});
    modified_ = true;
    return 1;
}

int CIni::setInt(const char16_t* section, const char16_t* key, int32_t number) {
    return setValue(section, key, str::fromInt(number).c_str());
}

const char16_t* CIni::getValue(const char16_t* section, const char16_t* key, const char16_t* def) const {
    if (!section || !key) return def;
    const Section* s = findSection(section);
    if (!s) return def;
    const Entry* e = findEntry(*s, key);
    return e && e->value ? e->value->c_str() : def;
}

int32_t CIni::getInt(const char16_t* section, const char16_t* key, int32_t def) const {
    const char16_t* v = getValue(section, key, nullptr);
    return v ? str::toInt(v) : def;
}
