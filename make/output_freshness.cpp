#include "make/output_freshness.h"

#include "base/platform.h"
#include "make/tex_path.h"

#include <cstdint>

namespace output_freshness {

namespace {
bool writeTime(u16view path, uint64_t& time) {
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp)) return false;
    time = stamp.writeTime;
    return true;
}
const char16_t* flag(bool on) { return on ? u"1" : u"0"; }
} // namespace

Freshness Check(u16view root, u16view document) {
    Freshness fresh;
    uint64_t rootTime = 0, documentTime = 0, dvi = 0, output = 0;
    u16 base = tex_path::withoutExtension(root);
    if (!writeTime(root, rootTime) || !writeTime(document, documentTime) || !writeTime(base + u".dvi", dvi))
        return fresh;
    fresh.dvi = dvi > rootTime && dvi > documentTime;
    if (!fresh.dvi) return fresh;
    // Later outputs are made from the DVI, whichever way the PDF is made.
    fresh.ps = writeTime(base + u".ps", output) && output > dvi;
    fresh.pdf = writeTime(base + u".pdf", output) && output > dvi;
    return fresh;
}

std::vector<batch_env::Variable> Variables(const Freshness& fresh) {
    return {
        {u"Vexa2_DviFresh", flag(fresh.dvi)},
        {u"Vexa2_PSFresh", flag(fresh.ps)},
        {u"Vexa2_PDFFresh", flag(fresh.pdf)},
    };
}

} // namespace output_freshness
