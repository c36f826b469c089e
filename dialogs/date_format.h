// The date dialog's formatting: a user-typed format expanded by C's wide
// strftime rules for a chosen day at the current time of day.
//
// The format is checked before it reaches the runtime: the Windows C
// runtime treats an unknown conversion as an invalid parameter, and its
// default handler ends the whole host process, taking the user's unsaved
// documents with it.
#pragma once
#include "base/text.h"

#include <ctime>
#include <string>

namespace date_format {

// Longest text a date may expand to.
constexpr size_t MaxLength = 2048;

// True when every '%' starts a conversion that every runtime the plug-in
// meets knows: a A b B c d H I j m M p S U w W x X y Y z Z or %, each
// optionally with the '#' flag.
bool valid(u16view format);

// The selected day (year, month 1-12, day) with the time of day of now,
// normalised by the system's time conversion (which fills the weekday and
// the day of the year).
std::tm combine(int year, int month, int day, const std::tm& now);

// The expansion of format for t; empty when the format is refused, the
// result is empty or it would exceed MaxLength.
u16 expand(u16view format, const std::tm& t);

} // namespace date_format

// Sets the character-type locale for its lifetime and restores the one
// before it at its end. An empty or unknown name leaves the locale alone.
class Locale {
public:
    explicit Locale(u16view name);
    ~Locale();
    Locale(const Locale&) = delete;
    Locale& operator=(const Locale&) = delete;
    bool applied() const { return applied_; }

private:
    std::string previous_;   // the locale to return to
    bool applied_ = false;
};
