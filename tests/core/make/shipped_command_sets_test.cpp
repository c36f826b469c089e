// The command sets shipped in data/command_sets/: each is a complete
// command file that the make settings page can load and rewrite.
#include "make/command_file.h"

#include "base/platform.h"
#include "tests/core/make/source_tree.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using command_file::ToolStep;

struct Set {
    const char* file;
    const char16_t* engine;     // program of both TeX steps
    const char16_t* dviToPdf;   // program of both DVI-to-PDF steps
};

const Set Sets[] = {
    {"uplatex.bat", u"\"uplatex\"", u"\"dvipdfmx\""},
    {"pdflatex.bat", u"\"pdflatex\"", u"call :pdfready"},
    {"lualatex.bat", u"\"lualatex\"", u"call :pdfready"},
    {"latexmk.bat", u"\"latexmk\"", u"call :pdfready"},
};

TEST(ShippedCommandSets, EachIsACompleteCommandFileThatRewritesToItself) {
    for (const Set& s : Sets) {
        SCOPED_TRACE(s.file);
        std::string original;
        ASSERT_TRUE(platform::readFile(shippedFile((std::string("command_sets/") + s.file).c_str()), original));
        EXPECT_NE(original.substr(0, 200).find("\r\nrem Name: "), std::string::npos) << "no display name on top";

        TempDir dir;
        ASSERT_TRUE(dir.write(u"set.bat", original));
        {
            CommandFile file(dir.file(u"set.bat"));
            ASSERT_FALSE(file.IsInvalid());
            for (size_t k = 0; k < command_file::SectionCount; ++k) {
                ToolStep step;
                ASSERT_TRUE(file.ReadStep(k, step)) << k;
                EXPECT_FALSE(step.program.empty()) << k;
                // What the settings page writes when the user applies the
                // loaded set unchanged.
                ASSERT_TRUE(file.WriteStep(k, step)) << k;
            }
            ToolStep tex1, tex2, pdf1, pdf2, jump;
            ASSERT_TRUE(file.ReadStep(0, tex1) && file.ReadStep(10, tex2));
            EXPECT_EQ(tex1.program, s.engine);
            EXPECT_EQ(tex2, tex1);
            EXPECT_NE(tex1.arguments.find(u"-synctex=1"), u16::npos);
            ASSERT_TRUE(file.ReadStep(4, pdf1) && file.ReadStep(14, pdf2));
            EXPECT_EQ(pdf1.program, s.dviToPdf);
            EXPECT_EQ(pdf2, pdf1);
            // The jump set's viewer goes to the caret's line and knows the
            // way back.
            ASSERT_TRUE(file.ReadStep(18, jump));
            EXPECT_NE(jump.arguments.find(u"-forward-search \"%Vexa2_FPath%\\%Vexa2_FName%.tex\" %Vexa2_Line%"),
                      u16::npos);
            EXPECT_NE(jump.arguments.find(u"-inverse-search \"\\\"%Vexa2s_editor%\\\" /l %%l \\\"%%f\\\"\""), u16::npos);
        }
        EXPECT_EQ(dir.read(u"set.bat"), original) << "rewriting the steps changed the file";
    }
}

} // namespace
