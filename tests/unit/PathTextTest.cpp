#include <gtest/gtest.h>

#include "sysutil/PathText.h"

namespace {

using namespace PathText;

TEST(PathText, NameAndFolderParts)
{
    EXPECT_EQ(NamePart(u"C:\\x\\a.exe"), u"a.exe");
    EXPECT_EQ(NamePart(u"C:a.exe"), u"a.exe");
    EXPECT_EQ(NamePart(u"a.exe"), u"a.exe");
    EXPECT_EQ(FolderPart(u"C:\\x\\a.exe"), u"C:\\x\\");
    EXPECT_EQ(FolderPart(u"a.exe"), u"");
}

TEST(PathText, ExtractFileTitle)
{
    const struct {
        const char16_t* path;
        const char16_t* title;
    } cases[] = {
        {u"C:\\Tools\\app.ver2.exe", u"app.ver2"},
        {u"C:\\dir.d\\README", u"README"},
        {u".profile", u""},
        {u"a.b.c", u"a.b"},
        {u"C:\\x\\noext", u"noext"},
        {u"C:\\x\\.cfg", u""},
        {u"C:\\x\\", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractFileTitle(c.path), c.title) << ::testing::PrintToString(std::u16string(c.path));
}

TEST(PathText, LastCharPos)
{
    EXPECT_EQ(LastCharPos(u".", u""), 0u);
    EXPECT_EQ(LastCharPos(u".", u"a.b.c"), 4u);
    EXPECT_EQ(LastCharPos(u"..", u"a.b"), 0u);
    EXPECT_EQ(LastCharPos(u"", u"a.b"), 0u);
}

TEST(PathText, LowerExtensionAndAsciiCase)
{
    EXPECT_EQ(LowerExtension(u"C:\\Scripts\\Job.QEL"), u".qel");
    EXPECT_EQ(LowerExtension(u"C:\\dir.x\\noext"), u"");
    EXPECT_EQ(UpperAscii(u"café.exe"), u"CAFé.EXE");
    EXPECT_TRUE(EqualsIgnoringAsciiCase(u"notepad.exe", u"NOTEPAD.EXE"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(u"CAFÉ.EXE", u"café.exe"));
}

} // namespace
