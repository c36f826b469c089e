#include "dialogs/date_format.h"

#include "base/platform.h"
#include "base/str.h"

#include <clocale>

namespace date_format {

bool valid(u16view format) {
    static constexpr u16view Known = u"aAbBcdHIjmMpSUwWxXyYzZ%";
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') continue;
        if (++i < format.size() && format[i] == u'#') ++i;
        if (i >= format.size() || Known.find(format[i]) == u16view::npos) return false;
    }
    return true;
}

std::tm combine(int year, int month, int day, const std::tm& now) {
    std::tm t = now;
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_isdst = -1;   // the chosen day may lie on the other side of a clock change
    std::tm copy = t;
    if (std::mktime(&copy) != static_cast<std::time_t>(-1)) t = copy;
    return t;
}

// Only the conversions go to the runtime, one at a time: a runtime may pass
// the whole format through the ANSI code page, which loses literal text it
// cannot represent (a «年» under the "C" locale).
u16 expand(u16view format, const std::tm& t) {
    if (format.empty() || !valid(format)) return {};
    u16 out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            out += format[i];
        } else {
            size_t end = i + 1;
            if (format[end] == u'#') ++end;
            if (format[end] == u'%') out += u'%';
            else out += platform::formatTime(format.substr(i, end + 1 - i), t, MaxLength);
            i = end;
        }
        if (out.size() > MaxLength) return {};
    }
    return out;
}

} // namespace date_format

Locale::Locale(u16view name) {
    if (name.empty()) return;
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    previous_ = current ? current : "C";
    applied_ = std::setlocale(LC_CTYPE, str::toUtf8(name).c_str()) != nullptr;
}

Locale::~Locale() {
    if (applied_) std::setlocale(LC_CTYPE, previous_.c_str());
}
