// UTF-8 read by code point, and Windows-1252 whatever the system's code page.
#include <gtest/gtest.h>

#include "menu/text_1252.h"
#include "menu/utf8.h"

namespace pandor {
namespace {

TEST(Utf8Test, CodePointsAtEachLengthBoundaryGoThereAndBack) {
  for (const char32_t c : {U'\0', U'\x7F', U'\x80', U'\x7FF', U'\x800', U'\xFFFD', U'\xFFFF', U'\U00010000',
                           U'\U0010FFFF'}) {
    std::string text;
    AppendUtf8(text, c);
    size_t at = 0;
    EXPECT_EQ(NextCodePoint(text, at), c) << static_cast<uint32_t>(c);
    EXPECT_EQ(at, text.size());
  }
}

TEST(Utf8Test, WhatIsntUtf8ReadsAsOneReplacementPerByte) {
  for (const std::string bad : {"\x80", "\xC0\xAF", "\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF",
                                "\xC3(", "\xF0\x9F\x98"}) {
    size_t at = 0;
    EXPECT_EQ(NextCodePoint(bad, at), kReplacementCharacter) << ::testing::PrintToString(bad);
    EXPECT_EQ(at, 1u);
  }
  const std::string mixed = "\xC3\xA4\xC3" "b";  // ä, a cut-off sequence, b
  size_t at = 0;
  EXPECT_EQ(NextCodePoint(mixed, at), U'ä');
  EXPECT_EQ(NextCodePoint(mixed, at), kReplacementCharacter);
  EXPECT_EQ(NextCodePoint(mixed, at), U'b');
  EXPECT_EQ(at, mixed.size());
}

TEST(Text1252Test, EveryByteGoesThereAndBack) {
  for (int b = 0; b <= 0xFF; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8To1252(Windows1252ToUtf8(byte)), byte) << b;
  }
  EXPECT_EQ(Windows1252ToUtf8("Gr\xFC\xDF" "e \x80 \x96 \x9F"), "Grüße € – Ÿ");
}

TEST(Text1252Test, CharactersTheCodePageLacksAndBrokenUtf8HaveNoBytes) {
  EXPECT_EQ(Utf8To1252("Stra\xC3\x9F" "e \xE2\x80\x93 \xE2\x82\xAC"), std::string("Stra\xDF" "e \x96 \x80"));
  EXPECT_EQ(CodePointTo1252(0x80), std::nullopt);  // the byte 0x80 is €
  EXPECT_EQ(CodePointTo1252(0x81), '\x81');        // a byte the code page leaves free
  EXPECT_EQ(Utf8To1252("\xC5\x81" "odz"), std::nullopt);  // Ł
  EXPECT_EQ(Utf8To1252("\xF0\x9F\x98\x80"), std::nullopt);
  EXPECT_EQ(Utf8To1252("a\xFF"), std::nullopt);
  EXPECT_EQ(Utf8To1252("\xC3\xBF"), std::string("\xFF"));  // ÿ
}

}  // namespace
}  // namespace pandor
