#include "project/cp1250.h"

#include <gtest/gtest.h>

#include "project/binary_record.h"

namespace orvanta {
namespace {

TEST(Cp1250, PolishLettersMapToTheirBytesBothWays) {
  const std::string utf8 = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
  const std::string bytes = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
  EXPECT_EQ(Utf8ToCp1250(utf8), bytes);
  EXPECT_EQ(Cp1250ToUtf8(bytes), utf8);
  EXPECT_EQ(Cp1250ToUtf8("\x80\x84\x96\xB0\xD7"), "€„–°×");
}

TEST(Cp1250, EveryDefinedByteSurvivesTheRoundTrip) {
  int undefined = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1250ToUtf8(byte);
    if (utf8 == "?" && b != '?') {
      ++undefined;
      EXPECT_TRUE(b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) << b;
      continue;
    }
    EXPECT_EQ(Utf8ToCp1250(utf8), byte) << b;
    EXPECT_EQ(Utf8CharacterCount(utf8), 1u) << b;
  }
  EXPECT_EQ(undefined, 5);
}

TEST(Cp1250, WhatTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1250("a→b 日本 ø"), "a?b ?? ?");  // ø is not in the Central European page
  EXPECT_EQ(Utf8ToCp1250("\xC3"), "?");              // truncated sequence
  EXPECT_EQ(Utf8ToCp1250("x\xFF\xC0\xAFy"), "x???y");  // invalid and overlong bytes
  EXPECT_EQ(Utf8ToCp1250("😀"), "?");                  // one character, one byte
}

TEST(Cp1250, FitTextCountsCharactersNotBytes) {
  EXPECT_EQ(FitText("Żółć gęślą jaźń", 10), "Żółć gęślą");
  EXPECT_EQ(FitText("abc", 10), "abc");
  EXPECT_EQ(FitText("abc", 0), "");
  EXPECT_EQ(FitText("日本語テキスト", 3), "???");
  EXPECT_EQ(FitText(FitText("ÀÁ→ok", 4), 4), FitText("ÀÁ→ok", 4));  // idempotent
}

TEST(ShortStringField, WritesLengthByteAndZeroFillAndRefusesAnOverlongLength) {
  std::vector<std::uint8_t> rec(12, 0xEE);
  record::PutShortString(rec, 0, 10, "Pokój nr 12");
  EXPECT_EQ(rec[0], 10);
  EXPECT_EQ(std::string(rec.begin() + 1, rec.begin() + 11), "Pok\xF3j nr 1");
  EXPECT_EQ(rec[11], 0xEE);  // the field ends at its capacity
  EXPECT_EQ(record::GetShortString(rec, 0, 10), "Pokój nr 1");
  record::PutShortString(rec, 0, 10, "ab");
  EXPECT_EQ(rec[3], 0);
  rec[0] = 11;
  EXPECT_EQ(record::GetShortString(rec, 0, 10), std::nullopt);
  EXPECT_THROW(record::GetShortString(rec, 2, 10), std::out_of_range);
}

TEST(BinaryFields, DoublesAreLittleEndianAndBoolsStrict) {
  std::vector<std::uint8_t> rec(9, 0);
  record::PutDouble(rec, 1, 1.0);
  const std::vector<std::uint8_t> one = {0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  EXPECT_EQ(rec, one);
  EXPECT_EQ(record::GetDouble(rec, 1), 1.0);
  rec[0] = 1;
  EXPECT_EQ(record::GetBool(rec, 0), true);
  rec[0] = 2;
  EXPECT_EQ(record::GetBool(rec, 0), std::nullopt);
}

}  // namespace
}  // namespace orvanta
