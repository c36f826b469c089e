// Reading and saving documents: the three encodings, saving in the encoding
// read, and no character lost when the ANSI code page cannot hold it.
#include "host/document.h"
#include "host/document_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using document_file::Encoding;

namespace {

TEST(DocumentFile, DecodesByByteOrderMark) {
    Encoding e{};
    EXPECT_EQ(document_file::decode("\xEF\xBB\xBF\xE6\x97\xA5 a", e), u"日 a");
    EXPECT_EQ(e, Encoding::Utf8Bom);
    EXPECT_EQ(document_file::decode(std::string("\xFF\xFE\xE5\x65\x41\x00", 6), e), u"日A");
    EXPECT_EQ(e, Encoding::Utf16LeBom);
    EXPECT_EQ(document_file::decode("plain \\tex", e), u"plain \\tex");
    EXPECT_EQ(e, Encoding::Ansi);
    EXPECT_EQ(document_file::decode("", e), u"");
    EXPECT_EQ(e, Encoding::Ansi);
    EXPECT_EQ(document_file::decode("\xEF\xBB\xBF", e), u""); // a BOM alone
    EXPECT_EQ(e, Encoding::Utf8Bom);
}

TEST(DocumentFile, EncodesInTheEncodingItWasReadWith) {
    for (Encoding start : {Encoding::Utf8Bom, Encoding::Utf16LeBom, Encoding::Ansi}) {
        Encoding e = start;
        std::string bytes = document_file::encode(u"a\r\nb", e);
        EXPECT_EQ(e, start);
        Encoding back{};
        EXPECT_EQ(document_file::decode(bytes, back), u"a\r\nb");
        EXPECT_EQ(back, start);
    }
}

TEST(DocumentFile, AnsiDocumentWithForeignCharactersBecomesUtf8) {
    // No single ANSI code page holds both Greek and Japanese.
    Encoding e = Encoding::Ansi;
    std::string bytes = document_file::encode(u"αβ 日本", e);
    EXPECT_EQ(e, Encoding::Utf8Bom);
    Encoding back{};
    EXPECT_EQ(document_file::decode(bytes, back), u"αβ 日本");
}

TEST(DocumentFile, SaveAndLoadRoundTripThroughTheDocument) {
    TempDir dir;
    ASSERT_TRUE(dir.ok());
    ASSERT_TRUE(dir.write(u"u16.tex", std::string("\xFF\xFE" "a\0\r\0\n\0\xE5\x65", 10)));
    Document doc;
    std::wstring path = reinterpret_cast<const wchar_t*>(dir.file(u"u16.tex").c_str());
    ASSERT_EQ(doc.load(path), document_file::LoadResult::Ok);
    EXPECT_EQ(doc.model.text(), u"a\r\n日");
    EXPECT_EQ(doc.encoding, Encoding::Utf16LeBom);
    doc.model.SetCaretPos(PosKind::Logical, {1, 1});
    doc.model.InsertText(u"本");
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(dir.read(u"u16.tex"), std::string("\xFF\xFE" "a\0\r\0\n\0\xE5\x65\x2C\x67", 12));
    EXPECT_FALSE(doc.model.IsDocumentModified());
}

TEST(DocumentFile, UnreadablePathsAreReported) {
    TempDir dir;
    ASSERT_TRUE(dir.makeFolder(u"folder.tex"));
    u16 text = u"kept";
    Encoding e = Encoding::Ansi;
    std::wstring folder = reinterpret_cast<const wchar_t*>(dir.file(u"folder.tex").c_str());
    EXPECT_EQ(document_file::load(folder, text, e), document_file::LoadResult::Unreadable);
    document_file::LoadResult result;
    EXPECT_EQ(openDocument(folder, 0, result), nullptr);
    EXPECT_EQ(result, document_file::LoadResult::Unreadable);
    // Saving into a folder that does not exist fails and leaves the document modified.
    Document doc;
    doc.setPath(reinterpret_cast<const wchar_t*>(dir.file(u"missing\\x.tex").c_str()));
    doc.model.InsertText(u"x");
    EXPECT_FALSE(doc.save());
    EXPECT_TRUE(doc.model.IsDocumentModified());
}

} // namespace
