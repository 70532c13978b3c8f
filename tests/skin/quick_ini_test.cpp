#include "skin/quick_ini.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace telvana {
namespace {

using ::testing::ElementsAre;

TQuickIni Loaded(std::string_view text) {
  TQuickIni ini;
  ini.Load(text);
  return ini;
}

TEST(TQuickIniTest, LineEndsTrimmingAndComments) {
  const std::string text =
      "[A]\rcr=1\nlf=2\r\ncrlf=3\n\r"
      "  \t spaced  =  value with  inner  blanks \t\x01\r\n"
      "; comment=9\r\n"
      "   ;indented comment=9\r\n"
      "\r\n\r\n"
      "last=4";
  const TQuickIni ini = Loaded(text);
  EXPECT_EQ(ini.LineCount(), 6u);  // the header and five keys
  EXPECT_EQ(ini.ReadString("A", "cr", "-"), "1");
  EXPECT_EQ(ini.ReadString("A", "lf", "-"), "2");
  EXPECT_EQ(ini.ReadString("A", "crlf", "-"), "3");
  EXPECT_EQ(ini.ReadString("A", "spaced", "-"), "value with  inner  blanks");
  EXPECT_EQ(ini.ReadString("A", "; comment", "-"), "-");
  EXPECT_EQ(ini.ReadString("A", ";indented comment", "-"), "-");
  EXPECT_EQ(ini.ReadString("A", "last", "-"), "4");
}

TEST(TQuickIniTest, ANulByteEndsTheWholeText) {
  const std::string text = std::string("[A]\r\nbefore=1") + '\0' + "\r\nafter=2\r\n";
  const TQuickIni ini = Loaded(text);
  EXPECT_EQ(ini.ReadString("A", "before", "-"), "1");
  EXPECT_EQ(ini.ReadString("A", "after", "-"), "-");
}

TEST(TQuickIniTest, SectionsAndKeysIgnoreCase) {
  const TQuickIni ini =
      Loaded("[colours]\r\nButtonFace=1 2 3 \r\n[MdiControls]\r\nRightwidth=7\r\n");
  EXPECT_EQ(ini.ReadString("Colours", "BUTTONFACE", "-"), "1 2 3");
  EXPECT_EQ(ini.ReadString("COLOURS", "buttonface", "-"), "1 2 3");
  EXPECT_EQ(ini.ReadInteger("MDICONTROLS", "RightWidth", 0), 7);
}

TEST(TQuickIniTest, KeysAreFoundOnlyInTheirOwnSection) {
  const TQuickIni ini = Loaded(
      "top=0\r\n"  // before any section: in none
      "[First]\r\na=1\r\n[Second]\r\nb=2\r\n[First]\r\nc=3\r\n[Empty]\r\n");
  EXPECT_EQ(ini.ReadString("First", "a", "-"), "1");
  EXPECT_EQ(ini.ReadString("First", "b", "-"), "-");  // stops at the next header
  EXPECT_EQ(ini.ReadString("First", "c", "-"), "-");  // the repeated section is never found
  EXPECT_EQ(ini.ReadString("Second", "b", "-"), "2");
  EXPECT_EQ(ini.ReadString("Empty", "a", "-"), "-");
  EXPECT_EQ(ini.ReadString("Missing", "a", "-"), "-");
  EXPECT_EQ(ini.ReadString("", "top", "-"), "-");
}

TEST(TQuickIniTest, OnlyTheFirstLineWithAKeyCountsEvenWhenEmpty) {
  const TQuickIni ini = Loaded("[S]\r\nkey=\r\nKEY=second\r\nother=x\r\nother=y\r\n");
  EXPECT_EQ(ini.ReadString("S", "key", "default"), "default");
  EXPECT_EQ(ini.ReadInteger("S", "key", 42), 42);
  EXPECT_EQ(ini.ReadString("S", "other", "-"), "x");
}

TEST(TQuickIniTest, KeyAndValueSplitAtTheFirstEqualsSign) {
  const TQuickIni ini = Loaded("[S]\r\n a b = c=d \r\nnoequals\r\n= orphan\r\n");
  EXPECT_EQ(ini.ReadString("S", "a b", "-"), "c=d");
  EXPECT_EQ(ini.ReadString("S", "noequals", "-"), "-");
  EXPECT_EQ(ini.ReadString("S", "", "-"), "-");  // keyless lines answer nothing
}

TEST(TQuickIniTest, HeadersNeedBothBracketsAndKeepTheirInsides) {
  const TQuickIni ini =
      Loaded("[Open\r\nx=1\r\n[ Spaced ]\r\ny=2\r\n[]\r\nz=3\r\n[Trackbar.ThumbHorz]\r\n");
  EXPECT_EQ(ini.ReadString("Open", "x", "-"), "-");
  EXPECT_EQ(ini.ReadString("Spaced", "y", "-"), "-");  // the header is "[ Spaced ]"
  EXPECT_EQ(ini.ReadString(" Spaced ", "y", "-"), "2");
  EXPECT_EQ(ini.ReadString("", "z", "-"), "3");
  EXPECT_THAT(ini.ReadSections(), ElementsAre("Spaced", "", "Trackbar.ThumbHorz"));
}

TEST(TQuickIniTest, ReadSectionsListsEveryHeaderInFileOrder) {
  const TQuickIni ini = Loaded("[Button0]\r\n[Buttons]\r\n[button0]\r\n[COLOUR1]\r\n");
  EXPECT_THAT(ini.ReadSections(), ElementsAre("Button0", "Buttons", "button0", "COLOUR1"));
}

TEST(TQuickIniTest, IntegersAndDefaults) {
  const TQuickIni ini = Loaded("[S]\r\nhex=0x1F\r\nword=12ab\r\nneg=-3\r\n");
  EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "word", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "neg", 5), -3);
  EXPECT_EQ(ini.ReadInteger("S", "missing", -1), -1);
}

TEST(TQuickIniTest, ColoursAndColourTriples) {
  const TQuickIni ini = Loaded(
      "[Colours]\r\nbuttonface=223 223 219\r\nhalf=51 51\r\nempty=\r\n"
      "[Personality]\r\nActiveTextR=255\r\nActiveTextG=256\r\nActiveTextB=0x10\r\n"
      "InActiveTextR=1\r\nInActiveTextG=2\r\n"
      "NegR=1\r\nNegG=-2\r\nNegB=3\r\n");
  EXPECT_EQ(ini.ReadColour("Colours", "ButtonFace", 7), RgbColour(223, 223, 219));
  EXPECT_EQ(ini.ReadColour("Colours", "Half", 7), RgbColour(51, 0, 0));
  EXPECT_EQ(ini.ReadColour("Colours", "Empty", SystemColour(15)), SystemColour(15));
  EXPECT_EQ(ini.ReadColour("Colours", "Missing", SystemColour(8)), SystemColour(8));
  EXPECT_EQ(ini.ReadColourTriple("Personality", "ActiveText"),
            RgbColour(255, 0, 16));                                              // modulo 256
  EXPECT_EQ(ini.ReadColourTriple("Personality", "InActiveText"), std::nullopt);  // no blue
  EXPECT_EQ(ini.ReadColourTriple("Personality", "Neg"), std::nullopt);
}

TEST(TQuickIniTest, AnEmptyTextAnswersDefaultsAndLoadReplacesEverything) {
  TQuickIni ini;
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
  ini.Load("[S]\r\nk=1\r\n");
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "1");
  ini.Load("[T]\r\nk=2\r\n");
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
  EXPECT_THAT(ini.ReadSections(), ElementsAre("T"));
  ini.Load("");
  EXPECT_EQ(ini.LineCount(), 0u);
}

TEST(TQuickIniTest, GbkBytesPassThrough) {
  // "SkinName=秋之收获" in GBK.
  const std::string text = "[TitlebarSkin]\r\nSkinName=\xC7\xEF\xD6\xAE\xCA\xD5\xBB\xF1\r\n";
  EXPECT_EQ(Loaded(text).ReadString("TitlebarSkin", "SkinName", ""),
            "\xC7\xEF\xD6\xAE\xCA\xD5\xBB\xF1");
}

}  // namespace
}  // namespace telvana
