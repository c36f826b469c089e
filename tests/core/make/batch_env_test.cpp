#include "make/batch_env.h"

#include "base/str.h"
#include "settings/setting.h"
#include "make/tex_path.h"
#include "settings/setting_keys.h"
#include "tests/support/memory_editor.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using batch_env::Variable;

TEST(BatchEnv, TypesettingVariablesInTheirOrder) {
    TempDir dir;
    CSetting settings(dir.path());
    batch_env::MakeInput in;
    in.root = u"C:\\doc & co\\main.tex";
    in.document = u"C:\\doc & co\\sub\\ch1.tex";
    in.type = 6;
    in.set = 7;
    in.newlySaved = true;
    in.caretLine = -3;
    in.paperSize = u"a4";
    std::vector<Variable> want = {
        {u"Vexa2_CFName", u"main"}, {u"Vexa2_CFPath", u"C:\\doc & co"},     {u"Vexa2_FName", u"ch1"},
        {u"Vexa2_FPath", u"C:\\doc & co\\sub"}, {u"Vexa2_Type", u"6"},      {u"Vexa2_Set", u"2"},
        {u"Vexa2_New", u"1"},            {u"Vexa2_PSPDFDefault", u"0"},     {u"Vexa2_AutoClose", u"1"},
        {u"Vexa2_ShortMake", u"1"},      {u"Vexa2_Line", u"1"},             {u"Vexa2_PSize", u"a4"},
    };
    EXPECT_EQ(batch_env::MakeVariables(in, settings), want);

    settings.writeInt(ini_keys::make::Section, ini_keys::make::AutoClose, 0);
    settings.writeInt(ini_keys::make::Section, ini_keys::make::PSPDFDefault, 1);
    in.caretLine = 41;
    in.set = 1;
    in.paperSize.clear();
    auto vars = batch_env::MakeVariables(in, settings);
    EXPECT_EQ(vars[5], (Variable{u"Vexa2_Set", u"1"}));
    EXPECT_EQ(vars[7], (Variable{u"Vexa2_PSPDFDefault", u"1"}));
    EXPECT_EQ(vars[8], (Variable{u"Vexa2_AutoClose", u"0"}));
    EXPECT_EQ(vars[10], (Variable{u"Vexa2_Line", u"42"}));
    EXPECT_EQ(vars[11], (Variable{u"Vexa2_PSize", u""}));
}

TEST(BatchEnv, ImageVariablesAndBatchFiles) {
    TempDir dir;
    CSetting settings(dir.path());
    std::vector<Variable> want = {
        {u"Vexa2_Type", u"10"}, {u"Vexa2_Set", u"1"}, {u"Vexa2_AutoClose", u"1"},
        {u"Vexa2_cmd", u"S:\\Vexa2cmd.bat"}, {u"Vexa2_ImageFile", u"C:\\img\\p.1.jpg"},
        {u"Vexa2_ImageFileName", u"C:\\img\\p.1"}, {u"Vexa2_DLLPath", u"P:\\plug"},
    };
    EXPECT_EQ(batch_env::ImageVariables(1, u"C:\\img\\p.1.jpg", u"S:\\Vexa2cmd.bat", u"P:\\plug", settings), want);
    EXPECT_EQ(batch_env::CommandVariables(u"S:\\c.bat", u"P:\\plug"),
              (std::vector<Variable>{{u"Vexa2_cmd", u"S:\\c.bat"}, {u"Vexa2_DLLPath", u"P:\\plug"}}));
    EXPECT_EQ(batch_env::BatchFileFor(9, u"S:\\set", u"P:\\plug"), u"S:\\set\\Vexa2Usr.bat");
    EXPECT_EQ(batch_env::BatchFileFor(9, u"", u"P:\\plug"), u"P:\\plug\\Vexa2Usr.bat");
    EXPECT_EQ(batch_env::BatchFileFor(1, u"S:\\set", u"P:\\plug\\"), u"P:\\plug\\Vexa2.bat");
}

TEST(BatchEnv, TheRunTakesAnExistingRootElseAnAcceptableDocument) {
    TempDir dir;
    dir.write(u"main.tex", "\\begin{document}");
    dir.write(u"ch1.tex", "");
    MemoryEditor ed(u"%Root main.tex");
    ed.setPath(dir.file(u"ch1.tex"));
    batch_env::RunRoot root = batch_env::RootForRun(ed, u"");
    EXPECT_EQ(root.file, tex_path::backslashed(dir.file(u"main.tex")));
    EXPECT_TRUE(root.separate); // its own file decides the paper

    MemoryEditor missing(u"%Root gone.tex");
    missing.setPath(dir.file(u"ch1.tex"));
    EXPECT_EQ(batch_env::AcceptedRoot(missing, u""), u"");
    root = batch_env::RootForRun(missing, u"");
    EXPECT_EQ(root.file, dir.file(u"ch1.tex"));
    EXPECT_FALSE(root.separate);

    dir.makeFolder(u"dir.tex");
    MemoryEditor folder(u"%Root dir.tex");
    folder.setPath(dir.file(u"my file.tex"));
    EXPECT_EQ(batch_env::RootForRun(folder, u"").file, u""); // neither a root nor an acceptable name
}

// Unlike typesetting, an image conversion needs no acceptable name: it only
// needs a folder to run in.
TEST(BatchEnv, ImageConversionRunsInTheRootFolderElseTheDocumentFolder) {
    TempDir dir;
    auto at = [&](u16view name) { return tex_path::backslashed(dir.file(name)); };
    dir.makeFolder(u"paper");
    dir.makeFolder(u"paper/chap");
    dir.write(u"paper/main.tex", "\\begin{document}");
    struct Case {
        u16 firstLine;
        u16 document;
        u16 folder;
    } cases[] = {
        {u"%Root ../main.tex", dir.file(u"paper/chap/ch1.tex"), at(u"paper")},
        {u"%Root ../gone.tex", dir.file(u"paper/chap/ch1.tex"), at(u"paper/chap")},
        {u"no root", dir.file(u"paper/chap/my figures.txt"), at(u"paper/chap")},
        {u"no root", u"", u""},
    };
    for (const Case& c : cases) {
        MemoryEditor ed(c.firstLine);
        ed.setPath(c.document);
        EXPECT_EQ(batch_env::ImageWorkingFolder(ed, u""), c.folder) << str::toUtf8(c.document);
    }
    // A locked root wins over the document's own line.
    MemoryEditor locked(u"%Root ../gone.tex");
    locked.setPath(dir.file(u"paper/chap/ch1.tex"));
    EXPECT_EQ(batch_env::ImageWorkingFolder(locked, dir.file(u"paper/main.tex")), at(u"paper"));
}

} // namespace
