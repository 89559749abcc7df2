// Characters and separators of paths by their code page's rules: UTF-8, which the program
// speaks, and the double-byte code pages whose second bytes include the backslash's.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "index/CodePage.h"
#include "index/PathText.h"

namespace {

int Separator(const std::string& text, const CodePageRules& rules)
{
    return LastSeparator(text.data(), static_cast<int>(text.size()), rules);
}

int CharacterStart(const std::string& text, const CodePageRules& rules)
{
    return LastCharacterStart(text.data(), static_cast<int>(text.size()), rules);
}

bool Utf8(const std::string& text)
{
    return IsUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

TEST(PathTextTest, TheProgramsCodeRunsInUtf8)
{
    // The manifest linked into this test program, as into the program itself.
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_TRUE(ActiveCodePageRules().utf8);
}

TEST(PathTextTest, BackslashBytesInsideDoubleByteCharactersAreNoSeparators)
{
    // 一覧表 in code page 932 and 乗 in 936: each ends with the byte 0x5C.
    const std::string list932 = "\x88\xea\x97\x97\x95\x5c";
    const std::string ride936 = "\x81\x5c";
    struct Case {
        UINT codePage;
        std::string name;
    };
    for (const Case& c : {Case{932, list932}, Case{936, ride936}}) {
        SCOPED_TRACE(c.codePage);
        const CodePageRules rules = CodePageRulesOf(c.codePage);
        const int end = 3 + static_cast<int>(c.name.size());
        EXPECT_EQ(Separator("D:\\" + c.name, rules), 2);
        EXPECT_EQ(Separator("D:\\" + c.name + "\\" + c.name, rules), end);
        EXPECT_EQ(Separator(c.name, rules), -1);
        EXPECT_EQ(CharacterStart("D:\\" + c.name, rules), end - 2);
        // A lead byte cut off from its second byte stands alone.
        EXPECT_EQ(CharacterStart("ab\x81", rules), 2);
    }
    // A single-byte code page has no lead bytes: there every 0x5C is a backslash.
    EXPECT_EQ(Separator("D:\\" + list932, CodePageRulesOf(1252)), 8);
}

TEST(PathTextTest, Utf8CharactersAreReadWholeAndOnlyWellFormedTextIsUtf8)
{
    EXPECT_EQ(CharacterStart("emoji😀", kUtf8Rules), 5);
    EXPECT_EQ(CharacterStart("Café", kUtf8Rules), 3);
    EXPECT_EQ(CharacterStart("", kUtf8Rules), 0);
    EXPECT_EQ(Separator("D:\\Ελ\\一", kUtf8Rules), 7);

    EXPECT_TRUE(Utf8(""));
    EXPECT_TRUE(Utf8("D:\\Café\\一覧\\emoji😀"));
    EXPECT_FALSE(Utf8("D:\\Caf\xe9"));                   // code page 1252
    EXPECT_FALSE(Utf8("D:\\\x88\xea\x97\x97\x95\x5c"));  // code page 932
    EXPECT_FALSE(Utf8("\xc0\xaf"));                      // an overlong '/'
    EXPECT_FALSE(Utf8("\xed\xa0\x80"));                  // a surrogate
    EXPECT_FALSE(Utf8("\xf4\x90\x80\x80"));              // past U+10FFFF
    EXPECT_FALSE(Utf8("\xe4\xb8"));                      // cut short
}
