#include <gtest/gtest.h>

#include "Codepage.h"
#include "FileNames.h"

namespace {

TEST(CodepageTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
}

TEST(CodepageTest, WindowsSpecialsMapToTheirCharacters) {
  EXPECT_EQ(AnsiToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(AnsiToUtf8("\x85\x92\x9F"), "\u2026\u2019\u0178");
  EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\u00E9");
  EXPECT_EQ(AnsiToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Utf8ToAnsi("Mod\u00E8le \u20AC \u0152"), "Mod\xE8le \x80 \x8C");
}

TEST(CodepageTest, UnmappableAndMalformedInputBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("\u65E5\u672C"), "??");          // no Windows-1252 form
  EXPECT_EQ(Utf8ToAnsi("\U0001F600x"), "?x");           // four-byte sequence
  EXPECT_EQ(Utf8ToAnsi("a\xE9" "b"), "a?b");            // a lone Latin-1 byte
  EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");                   // truncated
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");              // overlong "/"
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");         // a surrogate
  EXPECT_EQ(Utf8ToAnsi("\xE2\x82" "A"), "??A");         // cut short: each byte
}

}  // namespace

namespace {

TEST(CodepageTest, ExactConversionRefusesWhatItCannotHold) {
  EXPECT_EQ(Utf8ToAnsiExact("Mod\u00E8le \u20AC"), "Mod\xE8le \x80");
  EXPECT_EQ(Utf8ToAnsiExact(""), "");
  EXPECT_EQ(Utf8ToAnsiExact("\u65E5"), std::nullopt);  // no Windows-1252 form
  EXPECT_EQ(Utf8ToAnsiExact("a\xE9" "b"), std::nullopt);   // not UTF-8
  EXPECT_EQ(Utf8ToAnsiExact("?"), "?");                   // a real question mark stays one
}

// A name read from a source saved as UTF-8 that Windows-1252 cannot hold is
// told from a Windows-1252 name, which is rarely well-formed UTF-8.
TEST(CodepageTest, ANameOnlyUtf8CanSpellIsToldApart) {
  EXPECT_TRUE(IsUtf8("Unit1.pas"));
  EXPECT_FALSE(IsUtf8("Mod\xE8le.pas"));
  EXPECT_TRUE(IsUnusableFsName("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.pas"));  // Пример.pas
  EXPECT_FALSE(IsUnusableFsName("Mod\xC3\xA8le.pas"));  // UTF-8, but Windows-1252 holds it
  EXPECT_FALSE(IsUnusableFsName("Mod\xE8le.pas"));       // Windows-1252
  EXPECT_FALSE(IsUnusableFsName("Unit1.pas"));
}

}  // namespace
