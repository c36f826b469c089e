#include "settings/setting.h"

#include "base/str.h"
#include "settings/setting_keys.h"

namespace {
constexpr size_t RectTextCapacity = 256;
constexpr size_t PairTextCapacity = 128;

// Reads up to n comma-separated decimal numbers (spaces allowed before
// each) and returns how many were read; stops at the first malformed one.
size_t scanNumbers(u16view text, int32_t* out, size_t n) {
    size_t pos = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != u',') return i;
            ++pos;
        }
        while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
        size_t digits = pos;
        if (digits < text.size() && (text[digits] == u'-' || text[digits] == u'+')) ++digits;
        size_t end = digits;
        while (end < text.size() && text[end] >= u'0' && text[end] <= u'9') ++end;
        if (end == digits) return i;
        out[i] = str::toInt(text.substr(pos, end - pos));
        pos = end;
    }
    return n;
}

u16 joinNumbers(std::initializer_list<int32_t> values) {
    u16 out;
    for (int32_t v : values) {
        if (!out.empty()) out += u',';
        out += str::fromInt(v);
    }
    return out;
}

u16 listKey(size_t i) { return str::fromInt(static_cast<int64_t>(i)); }

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }
} // namespace

CSetting::CSetting(u16view pluginFolder) : mutex_(platform::createNamedMutex(ini_keys::MutexName)) {
    if (!setLocation(pluginFolder)) unusable_ = true;
}

CSetting::~CSetting() { dropBatch(); }

bool CSetting::setLocation(u16view folder) {
    while (folder.size() > 1 && isSeparator(folder.back())) folder.remove_suffix(1);
    if (folder.empty()) return false;
    u16 path = u16(folder) + u"\\" + ini_keys::FileName;
    if (path.size() > MaxPathLength) return false;
    settingsFolder_ = folder;
    iniPath_ = std::move(path);
    return true;
}

bool CSetting::switchToUserProfile() {
    dropBatch();
    u16 profile;
    if (platform::getEnv(u"USERPROFILE", profile) && profile.size() <= MaxPathLength &&
        platform::isDirectory(profile) && setLocation(profile)) {
        unusable_ = false;
        return true;
    }
    unusable_ = true;
    iniPath_.clear();
    settingsFolder_.clear();
    return false;
}

bool CSetting::applyLocationRule() {
    if (unusable_) return false;
    if (readInt(ini_keys::multiuser::Section, ini_keys::multiuser::Mode, 0) == 0) return true;
    return switchToUserProfile();
}

const char16_t* CSetting::settingsFolder() const { return unusable_ ? nullptr : settingsFolder_.c_str(); }

template <typename Op> bool CSetting::withStore(Op&& op) {
    if (ownsBatch() && batch_) {
        op(*batch_);
        return true;
    }
    CIni ini;
    ini.open(iniPath_, mutex_.get());
    op(ini);
    return ini.close();
}

int32_t CSetting::readInt(const char16_t* section, const char16_t* key, int32_t def) {
    if (unusable_) return def;
    int32_t v = def;
    withStore([&](CIni& ini) { v = ini.getInt(section, key, def); });
    return v;
}

int CSetting::writeInt(const char16_t* section, const char16_t* key, int32_t value) {
    if (unusable_) return 0;
    int r = 0;
    bool saved = withStore([&](CIni& ini) { r = ini.setInt(section, key, value); });
    return saved ? r : 0;
}

size_t CSetting::readString(const char16_t* section, const char16_t* key, const char16_t* def, char16_t* buffer,
                            size_t capacity) {
    if (!buffer || capacity == 0) return 0;
    if (capacity == 1) {
        buffer[0] = 0;
        return 0;
    }
    u16 text = def ? def : u"";
    if (!unusable_) {
        withStore([&](CIni& ini) {
            const char16_t* v = ini.getValue(section, key, nullptr);
            if (v) text = v;
        });
    }
    return str::copyTo(u16view(text).substr(0, capacity - 2), buffer, capacity);
}

const char16_t* CSetting::readString(const char16_t* section, const char16_t* key, const char16_t* def) {
    if (unusable_) return nullptr;
    char16_t* buffer = threadBufferProvider ? threadBufferProvider() : nullptr;
    if (!buffer) buffer = fallbackBuffer_.data();
    readString(section, key, def, buffer, ThreadBufferCapacity);
    return buffer;
}

size_t CSetting::writeString(const char16_t* section, const char16_t* key, const char16_t* text) {
    if (unusable_ || !text) return 0;
    int r = 0;
    bool saved = withStore([&](CIni& ini) { r = ini.setValue(section, key, text); });
    return saved && r ? u16view(text).size() : 0;
}

int CSetting::deleteKey(const char16_t* section, const char16_t* key) {
    if (unusable_ || !key) return 0;
    int r = 0;
    bool saved = withStore([&](CIni& ini) { r = ini.setValue(section, key, nullptr); });
    return saved ? r : 0;
}

int CSetting::deleteSection(const char16_t* section) {
    if (unusable_) return 0;
    int r = 0;
    bool saved = withStore([&](CIni& ini) { r = ini.setValue(section, nullptr, nullptr); });
    return saved ? r : 0;
}

bool CSetting::deleteFile() {
    if (unusable_) return false;
    platform::MutexLock lock(mutex_.get());
    return platform::deleteFile(iniPath_);
}

bool CSetting::readRect(const char16_t* section, const char16_t* key, Rect& rect) {
    char16_t text[RectTextCapacity];
    readString(section, key, u"err", text, RectTextCapacity);
    int32_t v[4];
    if (u16view(text) == u"err" || scanNumbers(text, v, 4) < 4) return false;
    rect = Rect{v[0], v[1], v[2], v[3]};
    return true;
}

int CSetting::writeRect(const char16_t* section, const char16_t* key, const Rect& rect) {
    u16 text = joinNumbers({rect.left, rect.top, rect.right, rect.bottom});
    return writeString(section, key, text.c_str()) ? 1 : 0;
}

bool CSetting::readPair(const char16_t* section, const char16_t* key, Pair& pair) {
    char16_t text[PairTextCapacity];
    readString(section, key, u"err", text, PairTextCapacity);
    int32_t v[2];
    if (u16view(text) == u"err" || scanNumbers(text, v, 2) < 2) return false;
    pair = Pair{v[0], v[1]};
    return true;
}

int CSetting::writePair(const char16_t* section, const char16_t* key, const Pair& pair) {
    u16 text = joinNumbers({pair.first, pair.second});
    return writeString(section, key, text.c_str()) ? 1 : 0;
}

std::vector<int32_t> CSetting::readIntList(const char16_t* section, std::span<const int32_t> defaults,
                                           size_t count) {
    std::vector<int32_t> out(count);
    for (size_t i = 0; i < count; ++i) out[i] = i < defaults.size() ? defaults[i] : 0;
    if (unusable_) return out;
    withStore([&](CIni& ini) {
        for (size_t i = 0; i < count; ++i) out[i] = ini.getInt(section, listKey(i).c_str(), out[i]);
    });
    return out;
}

int CSetting::writeIntList(const char16_t* section, std::span<const int32_t> values, bool skipNegative) {
    if (unusable_) return 0;
    int r = 1;
    bool saved = withStore([&](CIni& ini) {
        for (size_t i = 0; i < values.size(); ++i) {
            if (skipNegative && values[i] < 0) continue;
            if (!ini.setInt(section, listKey(i).c_str(), values[i])) r = 0;
        }
    });
    return saved ? r : 0;
}

std::vector<u16> CSetting::readStringList(const char16_t* section, std::span<const u16> defaults) {
    std::vector<u16> out;
    auto collect = [&](const CIni* ini) {
        for (size_t i = 0; i < MaxListEntries; ++i) {
            const char16_t* v = ini ? ini->getValue(section, listKey(i).c_str(), nullptr) : nullptr;
            if (!v) {
                if (i >= defaults.size()) break;
                v = defaults[i].c_str();
            }
            if (!*v) break;
            out.emplace_back(v);
        }
    };
    if (unusable_) collect(nullptr);
    else withStore([&](CIni& ini) { collect(&ini); });
    return out;
}

int CSetting::writeStringList(const char16_t* section, std::span<const u16> list) {
    if (unusable_) return 0;
    int r = 1;
    bool saved = withStore([&](CIni& ini) {
        for (size_t i = 0; i < list.size(); ++i)
            if (!ini.setValue(section, listKey(i).c_str(), list[i].c_str())) r = 0;
    });
    return saved ? r : 0;
}

void CSetting::beginBatch() {
    if (unusable_) return;
    if (mutex_) mutex_->lock();
    if (batchDepth_++ == 0) {
        batch_ = std::make_unique<CIni>();
        batch_->open(iniPath_, nullptr);   // the batch itself holds the mutex
        batchOwner_.store(std::this_thread::get_id());
    }
}

bool CSetting::endBatch() {
    if (!ownsBatch()) return false;
    bool ok = true;
    if (--batchDepth_ == 0) {
        ok = batch_->close();
        batch_.reset();
        batchOwner_.store(std::thread::id());
    }
    if (mutex_) mutex_->unlock();
    return ok;
}

void CSetting::dropBatch() {
    while (ownsBatch()) endBatch();
}
