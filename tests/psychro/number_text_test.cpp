#include <gtest/gtest.h>

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta {
namespace {

TEST(Rnd, TiesToEven) {
  EXPECT_EQ(Rnd(0.5), 0);
  EXPECT_EQ(Rnd(1.5), 2);
  EXPECT_EQ(Rnd(2.5), 2);
  EXPECT_EQ(Rnd(-2.5), -2);
  EXPECT_EQ(Rnd(-2.6), -3);
  EXPECT_EQ(Rnd(91.35), 91);
  EXPECT_EQ(Rnd(NAN), 0);
  EXPECT_GT(Rnd(1e300), 0);
}

TEST(RoundTo, DecimalsAndTens) {
  EXPECT_DOUBLE_EQ(RoundTo(13.734, -2), 13.73);
  EXPECT_DOUBLE_EQ(RoundTo(0.125, -2), 0.12);  // exact tie in binary: to even
  EXPECT_DOUBLE_EQ(RoundTo(0.375, -2), 0.38);
  EXPECT_DOUBLE_EQ(RoundTo(-1.25, -1), -1.2);
  EXPECT_DOUBLE_EQ(RoundTo(1250, 2), 1200);
  EXPECT_DOUBLE_EQ(RoundTo(7.5, 0), 8);
  EXPECT_DOUBLE_EQ(RoundToStep(9.25, 0.1), 9.2);
}

TEST(NumberText, ShortestFormWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(20), "20");
  EXPECT_EQ(NumberText(13.73), "13.73");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(1013.25, ','), "1013,25");
  EXPECT_EQ(NumberText(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(NumberText(-4.6520282844), "-4.6520282844");
  EXPECT_EQ(NumberText(1e-6), "1E-6");
  EXPECT_EQ(NumberText(123456789012345678.0), "1.23456789012346E17");
}

TEST(ParseNumber, AcceptsNumbersAndRefusesTheRest) {
  EXPECT_EQ(ParseNumber("20"), 20);
  EXPECT_EQ(ParseNumber(" -7,25 ", ','), -7.25);
  EXPECT_EQ(ParseNumber("7.25", ','), 7.25);
  EXPECT_EQ(ParseNumber("1e3"), 1000);
  EXPECT_EQ(ParseNumber("+.5"), 0.5);
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("   "));
  EXPECT_FALSE(ParseNumber("abc"));
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber("1.2.3"));
  EXPECT_FALSE(ParseNumber("1e"));
  EXPECT_FALSE(ParseNumber("-"));
  EXPECT_FALSE(ParseNumber("1e999"));
}

}  // namespace
}  // namespace orvanta
