#include "dialogs/figure_file.h"

#include "base/str.h"

#include <gtest/gtest.h>

TEST(FigureFile, BoxTextByStyle) {
    struct Case {
        const char* full;
        const char* document;
        root_form::Form style;
        const char* box;
    } cases[] = {
        {"C:\\doc\\img\\a.eps", "C:\\doc\\main.tex", root_form::Absolute, "C:/doc/img/a.eps"},
        {"C:\\doc\\img\\a.eps", "C:\\doc\\main.tex", root_form::Relative, "img/a.eps"},
        {"C:\\pics\\a.eps", "C:\\doc\\main.tex", root_form::Relative, "../pics/a.eps"},
        {"D:\\pics\\a.eps", "C:\\doc\\main.tex", root_form::Relative, "D:/pics/a.eps"},
        {"C:\\doc\\img\\a.eps", "", root_form::Relative, "a.eps"},
        {"C:\\doc\\img\\a.eps", "C:\\doc\\main.tex", root_form::NameOnly, "a.eps"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.box);
        EXPECT_EQ(str::toUtf8(figure_file::boxText(str::fromUtf8(tc.full), str::fromUtf8(tc.document), tc.style)),
                  tc.box);
    }
}

TEST(FigureFile, ConvertibleNames) {
    struct Case {
        const char16_t* name;
        bool convertible;
    } cases[] = {
        {u"a.jpg", true},   {u"A.JPEG", true}, {u"x.Jpe", true}, {u"photo.jfif", true},
        {u".jpg", false},   {u"a.png", false}, {u"", false},     {u"a.jpg.eps", false},
        {u"dir.jpg\\a", false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(str::toUtf8(tc.name));
        EXPECT_EQ(figure_file::convertible(tc.name), tc.convertible);
    }
    EXPECT_EQ(figure_file::epsName(u"C:\\p.q\\photo.jpeg"), u"C:\\p.q\\photo.eps");
}

TEST(FigureFile, FileOfABoxTextIsTakenAgainstTheDocument) {
    struct Case {
        const char16_t* box;
        const char16_t* document;
        const char16_t* file;
    } cases[] = {
        {u"img/a.jpg", u"C:\\doc\\main.tex", u"C:\\doc\\img\\a.jpg"},
        {u"../pics/a.jpg", u"C:\\doc\\main.tex", u"C:\\pics\\a.jpg"},
        {u"a.jpg", u"C:\\doc\\main.tex", u"C:\\doc\\a.jpg"},
        {u"D:/pics/a.jpg", u"C:\\doc\\main.tex", u"D:\\pics\\a.jpg"},
        // An unsaved document has no folder to take a name against.
        {u"img/a.jpg", u"", u"img\\a.jpg"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(str::toUtf8(tc.box));
        EXPECT_EQ(figure_file::fileOf(tc.box, tc.document), tc.file);
    }
}
