#include "skin/ini_values.h"

#include <gtest/gtest.h>

#include <optional>

namespace telvana {
namespace {

TEST(IniValuesTest, IntegersAreDecimalOrZeroXHex) {
  EXPECT_EQ(ParseIniInteger("31"), 31);
  EXPECT_EQ(ParseIniInteger("-7"), -7);
  EXPECT_EQ(ParseIniInteger("+7"), 7);
  EXPECT_EQ(ParseIniInteger("007"), 7);
  EXPECT_EQ(ParseIniInteger("0x1F"), 31);
  EXPECT_EQ(ParseIniInteger("0X1f"), 31);
  EXPECT_EQ(ParseIniInteger("0xFFFFFFFF"), -1);
  EXPECT_EQ(ParseIniInteger("0x000000010"), 16);  // leading zeros do not count against 32 bits
  EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseIniInteger("-2147483648"), INT32_MIN);
}

TEST(IniValuesTest, WhatIsNotAnIntegerYieldsNothing) {
  for (const char* text : {"", "12ab", "abc", "0x", "0X", "-", "+", "1 2", "1.5", "-0x10", "0x1G",
                           "0x100000000", "2147483648", "-2147483649", "$1F", " 5"}) {
    EXPECT_EQ(ParseIniInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(IniValuesTest, ColoursAreUpToThreeNumbersInRedGreenBlueOrder) {
  EXPECT_EQ(ParseIniColour("223 223 219"), RgbColour(223, 223, 219));
  EXPECT_EQ(ParseIniColour("223 223 219 "), RgbColour(223, 223, 219));
  EXPECT_EQ(ParseIniColour("10,20,30"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseIniColour("(10, 20; 30)"), RgbColour(10, 20, 30));  // any run of non-digits
  EXPECT_EQ(ParseIniColour("R10G20B30"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseIniColour("-1 -2 -3"), RgbColour(1, 2, 3));  // a sign is just a separator
}

TEST(IniValuesTest, ANumberEndingTheTextCountsOnlyAsTheThird) {
  EXPECT_EQ(ParseIniColour("51 51"), RgbColour(51, 0, 0));
  EXPECT_EQ(ParseIniColour("51 51 "), RgbColour(51, 51, 0));
  EXPECT_EQ(ParseIniColour("255"), RgbColour(0, 0, 0));
  EXPECT_EQ(ParseIniColour("255 "), RgbColour(255, 0, 0));
  EXPECT_EQ(ParseIniColour("no digits"), RgbColour(0, 0, 0));
}

TEST(IniValuesTest, ColourEdgeNumbers) {
  EXPECT_EQ(ParseIniColour("99999999999 5 6"), RgbColour(0, 5, 6));  // too large: 0
  EXPECT_EQ(ParseIniColour("1 2 3 4 5"), RgbColour(1, 2, 3));        // beyond three: ignored
  EXPECT_EQ(ParseIniColour("300 0 0"), 300u);  // not clamped: spills into green
  EXPECT_EQ(ParseIniColour(""), std::nullopt);
}

}  // namespace
}  // namespace telvana
