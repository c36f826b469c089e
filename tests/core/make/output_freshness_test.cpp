#include "make/output_freshness.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using output_freshness::Freshness;

// Write times in seconds from a common start; nullopt: the file is missing.
struct Times {
    std::optional<int> root, document, dvi, ps, pdf;
};

struct Case {
    const char* what;
    Times times;
    Freshness want;
};

void place(const TempDir& dir, u16view name, std::optional<int> seconds, fs::file_time_type start) {
    if (!seconds) return;
    ASSERT_TRUE(dir.write(name, "x"));
    fs::last_write_time(fs::path(dir.file(name)), start + std::chrono::seconds(*seconds));
}

TEST(OutputFreshness, EachOutputIsFreshOnlyWhenNewerThanItsInputs) {
    const Case cases[] = {
        {"all made after the last save", {0, 1, 5, 6, 7}, {true, true, true}},
        {"edited file saved by hand after the DVI", {0, 6, 5, 7, 8}, {false, false, false}},
        {"root saved after the DVI", {6, 1, 5, 7, 8}, {false, false, false}},
        {"DVI written in the same tick as the save", {0, 5, 5, 7, 8}, {false, false, false}},
        {"no DVI", {0, 1, {}, 7, 8}, {false, false, false}},
        {"edited file gone", {0, {}, 5, 7, 8}, {false, false, false}},
        {"PostScript older than the DVI", {0, 1, 5, 4, 8}, {true, false, true}},
        {"PDF older than the DVI", {0, 1, 5, 6, 3}, {true, true, false}},
        {"PDF as old as the DVI", {0, 1, 5, 6, 5}, {true, true, false}},
        {"no PostScript and no PDF", {0, 1, 5, {}, {}}, {true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        ASSERT_TRUE(dir.makeFolder(u"doc") && dir.makeFolder(u"doc/chap"));
        // Times relative to a stamp the file system itself gave.
        ASSERT_TRUE(dir.write(u"start", ""));
        fs::file_time_type start = fs::last_write_time(fs::path(dir.file(u"start"))) - std::chrono::hours(1);
        place(dir, u"doc/main.tex", c.times.root, start);
        place(dir, u"doc/chap/one.tex", c.times.document, start);
        place(dir, u"doc/main.dvi", c.times.dvi, start);
        place(dir, u"doc/main.ps", c.times.ps, start);
        place(dir, u"doc/main.pdf", c.times.pdf, start);
        EXPECT_EQ(output_freshness::Check(dir.file(u"doc/main.tex"), dir.file(u"doc/chap/one.tex")), c.want);
    }
}

TEST(OutputFreshness, ADocumentThatIsItsOwnRootAndTheVariables) {
    TempDir dir;
    ASSERT_TRUE(dir.write(u"a.b.tex", "x") && dir.write(u"a.b.dvi", "x"));
    fs::file_time_type t = fs::last_write_time(fs::path(dir.file(u"a.b.tex")));
    fs::last_write_time(fs::path(dir.file(u"a.b.dvi")), t + std::chrono::seconds(2));
    Freshness fresh = output_freshness::Check(dir.file(u"a.b.tex"), dir.file(u"a.b.tex"));
    EXPECT_EQ(fresh, (Freshness{true, false, false}));
    EXPECT_EQ(output_freshness::Variables(fresh), (std::vector<batch_env::Variable>{
                                                      {u"Vexa2_DviFresh", u"1"},
                                                      {u"Vexa2_PSFresh", u"0"},
                                                      {u"Vexa2_PDFFresh", u"0"},
                                                  }));
}

} // namespace
