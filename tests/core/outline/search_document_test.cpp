#include "outline/search.h"

#include "make/tex_path.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "tests/support/memory_editor.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

// The plug-in's form: settings from the file, the root from the document's
// first line, every other file and the database from disk, the edited
// chapter from the editor.
TEST(CSearchDocument, ScansTheRootFromDiskAndTheEditedChapterFromTheEditor) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    dir.write(u"main.tex", "\\documentclass{book}\r\n\\begin{document}\r\n\\include{chap1}\r\n"
                           "\\include{chap2}\r\n\\bibliography{refs}\r\n\\end{document}\r\n");
    dir.write(u"chap1.tex", "\\chapter{Saved}");
    dir.write(u"chap2.tex", "\\chapter{Two}\\label{figure-x}");
    dir.write(u"refs.bib", "@book{knuth, title = {The Book}}");
    dir.write(ini_keys::FileName, "[Search]\r\nfigure=figure-\r\n");

    MemoryEditor editor(u"%Root main.tex\r\n\\chapter{Edited}\\label{chap:new}");
    editor.setPath(tex_path::backslashed(dir.file(u"chap1.tex")));
    CSetting settings(dir.path());
    CSearch s(editor, settings, u"");

    const u16 folder = tex_path::backslashed(dir.path());
    EXPECT_EQ(s.rootDirectory(), folder);
    ASSERT_EQ(s.files().size(), 3u);
    EXPECT_EQ(s.files()[0].path, folder + u"\\main.tex");
    EXPECT_EQ(s.files()[1].isCurrent, 1);
    EXPECT_EQ(s.files()[2].isCurrent, 0);

    std::vector<u16> names;
    std::vector<int32_t> kinds;
    for (const OutlineItem& item : s.items()) {
        names.push_back(item.name);
        kinds.push_back(item.kind);
    }
    EXPECT_EQ(names, (std::vector<u16>{u"main.tex", u"chap1.tex", u"Edited", u"chap:new", u"chap2.tex", u"Two",
                                       u"figure-x", u"knuth"}));
    EXPECT_EQ(kinds[3], outline_kind::ChapterLabel);
    EXPECT_EQ(kinds[6], outline_kind::FigureLabel); // the prefix from the settings file
    EXPECT_EQ(s.items()[2].file, outline_file::Current);
    EXPECT_EQ(s.items()[5].file, 2);
    ASSERT_EQ(s.entries().size(), 1u);
    EXPECT_EQ(s.entries()[0].fields[0].value, u"The Book");

    // A document that is its own root is scanned from the editor alone.
    MemoryEditor own(u"\\begin{document}\\section{Own}\\input{chap2}");
    own.setPath(tex_path::backslashed(dir.file(u"own.tex")));
    CSearch t(own, settings, u"");
    ASSERT_EQ(t.files().size(), 2u);
    EXPECT_EQ(t.files()[0].isCurrent, 1);
    EXPECT_EQ(t.items()[1].name, u"Own");
}
