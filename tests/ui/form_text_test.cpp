#include "ui/form_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace telvana {
namespace {

using Kind = DescValue::Kind;

// The value of the only property of a one-object description.
DescValue ValueOf(std::string_view valueText) {
  const DescObject root =
      ParseDescription("object A: TA\n  P = " + std::string(valueText) + "\nend\n");
  EXPECT_EQ(root.properties.size(), 1u);
  if (root.properties.empty()) return {};
  return root.properties[0].second;
}

// The line a faulty description is reported at; 0 when it parses.
int ErrorLine(std::string_view text) {
  try {
    ParseDescription(text);
  } catch (const DescriptionError& error) {
    return error.line();
  }
  return 0;
}

std::string Nested(int objects) {
  std::string text;
  for (int i = 0; i < objects; ++i) text += "object O" + std::to_string(i) + ": TPanel\n";
  for (int i = 0; i < objects; ++i) text += "end\n";
  return text;
}

TEST(DescriptionTree, ObjectsNestWithTheirPropertiesInStoredOrder) {
  const DescObject root = ParseDescription(
      "object Fmain1: TFmain1\n"         // 1
      "  Left = 178\n"                   // 2
      "  Caption = 'Main'\n"             // 3
      "  object Panel1: TPanel\n"        // 4
      "    Align = alTop\n"              // 5
      "    object ListBox1: TListBox\n"  // 6
      "      Font.Height = -12\n"        // 7
      "    end\n"                        // 8
      "  end\n"                          // 9
      "  object Timer1: TTimer\n"        // 10
      "  end\n"                          // 11
      "  Top = 109\n"                    // 12 properties may follow children
      "end\n");
  EXPECT_EQ(root.name, "Fmain1");
  EXPECT_EQ(root.className, "TFmain1");
  EXPECT_EQ(root.line, 1);
  ASSERT_EQ(root.properties.size(), 3u);
  EXPECT_EQ(root.properties[0].first, "Left");
  EXPECT_EQ(root.properties[0].second.integer, 178);
  EXPECT_EQ(root.properties[1].first, "Caption");
  EXPECT_EQ(root.properties[1].second.text, u"Main");
  EXPECT_EQ(root.properties[2].first, "Top");
  EXPECT_EQ(root.properties[2].second.integer, 109);

  ASSERT_EQ(root.children.size(), 2u);
  const DescObject& panel = root.children[0];
  EXPECT_EQ(panel.name, "Panel1");
  EXPECT_EQ(panel.className, "TPanel");
  EXPECT_EQ(panel.line, 4);
  ASSERT_EQ(panel.properties.size(), 1u);
  EXPECT_EQ(panel.properties[0].second.kind, Kind::Identifier);
  EXPECT_EQ(panel.properties[0].second.identifier, "alTop");
  ASSERT_EQ(panel.children.size(), 1u);
  EXPECT_EQ(panel.children[0].name, "ListBox1");
  EXPECT_EQ(panel.children[0].line, 6);
  ASSERT_EQ(panel.children[0].properties.size(), 1u);
  EXPECT_EQ(panel.children[0].properties[0].first, "Font.Height");  // dotted names are one name
  EXPECT_EQ(panel.children[0].properties[0].second.integer, -12);
  EXPECT_EQ(root.children[1].name, "Timer1");
  EXPECT_EQ(root.children[1].line, 10);
  EXPECT_TRUE(root.children[1].properties.empty());
}

TEST(DescriptionTree, CommentsBlanksAndByteOrderMarkAreIgnored) {
  const DescObject root = ParseDescription(
      "\xEF\xBB\xBF// a leading comment\n"
      "object A: TA // trailing comment\n"
      "\t\r\n"
      "  // P = 1\n"
      "  Q = 'http://x/y' // the slashes in the string stay\n"
      "end // done\r\n"
      "// after the end\n");
  EXPECT_EQ(root.name, "A");
  EXPECT_EQ(root.line, 2);
  ASSERT_EQ(root.properties.size(), 1u);
  EXPECT_EQ(root.properties[0].first, "Q");
  EXPECT_EQ(root.properties[0].second.text, u"http://x/y");
}

TEST(DescriptionTree, KeywordsAreWholeWords) {
  // "endpoint" and "objects" are property names, not the keywords they begin with.
  const DescObject root =
      ParseDescription("object A: TA\n  endpoint = 1\n  objects = end_\n  Flag = True\nend");
  ASSERT_EQ(root.properties.size(), 3u);
  EXPECT_EQ(root.properties[0].first, "endpoint");
  EXPECT_EQ(root.properties[1].first, "objects");
  EXPECT_EQ(root.properties[1].second.kind, Kind::Identifier);
  EXPECT_EQ(root.properties[1].second.identifier, "end_");
  EXPECT_EQ(root.properties[2].second.identifier, "True");
}

TEST(DescriptionStrings, QuotesCodesAndJoins) {
  struct Case {
    const char* stored;
    std::u16string expected;
  } cases[] = {
      {"''", u""},
      {"'it''s'", u"it's"},
      {"''''", u"'"},
      {"'Korvane影视 ★ 精彩'", u"Korvane影视 ★ 精彩"},
      {"#65", u"A"},
      {"#$41#$4e", u"AN"},
      {"#0", std::u16string(1, u'\0')},
      {"#65535", std::u16string(1, u'\xFFFF')},
      {"'a'#13#10'b'", u"a\r\nb"},
      {"#27700#24433", u"水影"},
      {"'line one' + 'line two'", u"line oneline two"},
      {"'a' +\n    'b' +\n    #67", u"abC"},
      {"'trailing blank '", u"trailing blank "},
      {"'😀'", u"\U0001F600"},
      {"#55357#56832", u"\U0001F600"},  // a surrogate pair given as two code units
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const DescValue value = ValueOf(c.stored);
    EXPECT_EQ(value.kind, Kind::String);
    EXPECT_EQ(value.text, c.expected);
  }
}

TEST(DescriptionStrings, InvalidUtf8InsideAStringBecomesReplacementCharacters) {
  const DescValue value = ValueOf(
      "'a\xFF"
      "b'");
  EXPECT_EQ(value.text, u"a\uFFFDb");
}

TEST(DescriptionStrings, AdjacentStringsInAListStaySeparate) {
  const DescValue list =
      ValueOf("(\n    'first'\n    'second' 'third'\n    'joined' + 'piece'\n    'a'#66 #67\n  )");
  ASSERT_EQ(list.kind, Kind::List);
  ASSERT_EQ(list.items.size(), 6u);
  const std::u16string expected[] = {u"first", u"second", u"third", u"joinedpiece", u"aB", u"C"};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(list.items[i].kind, Kind::String);
    EXPECT_EQ(list.items[i].text, expected[i]) << "item " << i;
  }
}

TEST(DescriptionIntegers, DecimalHexAndSigned) {
  struct Case {
    const char* stored;
    std::int64_t expected;
  } cases[] = {
      {"0", 0},
      {"113", 113},
      {"-12", -12},
      {"$FF", 255},
      {"$ff", 255},
      {"$00FF00", 0xFF00},
      {"-$10", -16},
      {"$FF000000", 0xFF000000LL},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"$7FFFFFFFFFFFFFFF", std::numeric_limits<std::int64_t>::max()},
      {"-$8000000000000000", std::numeric_limits<std::int64_t>::min()},
      {"0007", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const DescValue value = ValueOf(c.stored);
    EXPECT_EQ(value.kind, Kind::Integer);
    EXPECT_EQ(value.integer, c.expected);
  }
}

TEST(DescriptionIntegers, OverflowAndMissingDigitsAreFaults) {
  for (const char* stored : {"9223372036854775808", "-9223372036854775809", "18446744073709551616",
                             "99999999999999999999999", "$8000000000000000", "$FFFFFFFFFFFFFFFF",
                             "$10000000000000000", "-$8000000000000001", "-", "$", "-$"}) {
    SCOPED_TRACE(stored);
    EXPECT_EQ(ErrorLine("object A: TA\n  P = " + std::string(stored) + "\nend\n"), 2);
  }
}

TEST(DescriptionValues, SetsListsAndFiles) {
  const DescValue empty = ValueOf("[]");
  EXPECT_EQ(empty.kind, Kind::Set);
  EXPECT_TRUE(empty.items.empty());

  const DescValue set = ValueOf("[ biSystemMenu,biMinimize , fsBold ]");
  ASSERT_EQ(set.kind, Kind::Set);
  ASSERT_EQ(set.items.size(), 3u);
  EXPECT_EQ(set.items[0].identifier, "biSystemMenu");
  EXPECT_EQ(set.items[1].identifier, "biMinimize");
  EXPECT_EQ(set.items[2].identifier, "fsBold");
  for (const DescValue& item : set.items) EXPECT_EQ(item.kind, Kind::Identifier);

  const DescValue list = ValueOf("(1 -2 $3 'four' five (6 (7)) [x] ())");
  ASSERT_EQ(list.kind, Kind::List);
  ASSERT_EQ(list.items.size(), 8u);
  EXPECT_EQ(list.items[0].integer, 1);
  EXPECT_EQ(list.items[1].integer, -2);
  EXPECT_EQ(list.items[2].integer, 3);
  EXPECT_EQ(list.items[3].text, u"four");
  EXPECT_EQ(list.items[4].identifier, "five");
  ASSERT_EQ(list.items[5].kind, Kind::List);
  ASSERT_EQ(list.items[5].items.size(), 2u);
  EXPECT_EQ(list.items[5].items[1].kind, Kind::List);
  EXPECT_EQ(list.items[5].items[1].items.at(0).integer, 7);
  EXPECT_EQ(list.items[6].kind, Kind::Set);
  EXPECT_EQ(list.items[7].kind, Kind::List);
  EXPECT_TRUE(list.items[7].items.empty());

  const DescValue file = ValueOf("file 'main_left.jpg'");
  EXPECT_EQ(file.kind, Kind::File);
  EXPECT_EQ(file.text, u"main_left.jpg");
  const DescValue chinese = ValueOf("file '皮肤' + '.skn'");
  EXPECT_EQ(chinese.kind, Kind::File);
  EXPECT_EQ(chinese.text, u"皮肤.skn");
  // Without a name after it, "file" is a plain identifier.
  const DescValue word = ValueOf("file");
  EXPECT_EQ(word.kind, Kind::Identifier);
  EXPECT_EQ(word.identifier, "file");
}

TEST(DescriptionValues, CollectionsOfItems) {
  const DescObject root = ParseDescription(
      "object S: TStatusBar\n"
      "  Panels = <\n"
      "    item\n"
      "      Width = 200\n"
      "      Alignment = taLeftJustify\n"
      "    end\n"
      "    item\n"
      "    end\n"
      "    item\n"
      "      Text = 'notice' + ' text'\n"
      "      Bits = [a, b]\n"
      "      Rows = ('x' 'y')\n"
      "    end>\n"
      "  Empty = <>\n"
      "end\n");
  ASSERT_EQ(root.properties.size(), 2u);
  const DescValue& panels = root.properties[0].second;
  ASSERT_EQ(panels.kind, Kind::Collection);
  ASSERT_EQ(panels.collection.size(), 3u);
  ASSERT_EQ(panels.collection[0].size(), 2u);
  EXPECT_EQ(panels.collection[0][0].first, "Width");
  EXPECT_EQ(panels.collection[0][0].second.integer, 200);
  EXPECT_EQ(panels.collection[0][1].second.identifier, "taLeftJustify");
  EXPECT_TRUE(panels.collection[1].empty());
  ASSERT_EQ(panels.collection[2].size(), 3u);
  EXPECT_EQ(panels.collection[2][0].second.text, u"notice text");
  EXPECT_EQ(panels.collection[2][1].second.items.size(), 2u);
  EXPECT_EQ(panels.collection[2][2].second.items.size(), 2u);
  EXPECT_EQ(root.properties[1].second.kind, Kind::Collection);
  EXPECT_TRUE(root.properties[1].second.collection.empty());
}

TEST(DescriptionErrors, ReportTheLineOfTheFault) {
  struct Case {
    const char* text;
    int line;
  } cases[] = {
      {"", 1},                                             // no object at all
      {"objekt A: TA\nend\n", 1},                          // wrong keyword
      {"object A TA\nend\n", 1},                           // no colon
      {"object A: TA\n  P = 1\n", 3},                      // no end before the text ends
      {"object A: TA\n  P 1\nend\n", 2},                   // no '='
      {"object A: TA\n  P = 'open\n  Q = 1\nend\n", 2},    // a string may not span lines
      {"object A: TA\n  P = 'a' +\n\n  Q = 1\nend\n", 4},  // '+' needs a string after it
      {"object A: TA\n  P = #70000\nend\n", 2},            // beyond one code unit
      {"object A: TA\n  P = #x\nend\n", 2},
      {"object A: TA\n  P = [a b]\nend\n", 2},
      {"object A: TA\n  P = [a,\n", 3},
      {"object A: TA\n  P = (1 2\n", 3},
      {"object A: TA\n  P = <\n    item\n      W = 1\n  >\nend\n", 5},  // an item without its end
      {"object A: TA\n  P = <\n    W = 1\n  >\nend\n", 3},
      {"object A: TA\n  P = file ''\nend\n", 2},
      {"object A: TA\n  P = @\nend\n", 2},
      {"object A: TA\nend\nobject B: TB\nend\n", 3},  // a second root
      {"// comment\n// comment\nobject A: TA\n  object B: TB\n    P = ?\n  end\nend\n", 5},
      {"object A: TA\n  P = 'a' +\n    'b'\n  Q = 'c'\n  R = 'unterminated\nend\n", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ErrorLine(c.text), c.line);
  }
}

TEST(DescriptionErrors, MessageNamesTheLine) {
  try {
    ParseDescription("object A: TA\n\n  P = 'open\nend\n");
    FAIL() << "an unterminated string was accepted";
  } catch (const DescriptionError& error) {
    EXPECT_EQ(error.line(), 3);
    EXPECT_EQ(std::string(error.what()).rfind("line 3: ", 0), 0u) << error.what();
  }
}

TEST(DescriptionDepth, ObjectsNestUpToTheLimit) {
  // The root and kMaxDescriptionDepth levels below it.
  const DescObject deepest = ParseDescription(Nested(kMaxDescriptionDepth + 1));
  const DescObject* level = &deepest;
  int depth = 0;
  while (!level->children.empty()) {
    level = &level->children[0];
    ++depth;
  }
  EXPECT_EQ(depth, kMaxDescriptionDepth);
  EXPECT_EQ(ErrorLine(Nested(kMaxDescriptionDepth + 2)), kMaxDescriptionDepth + 2);
}

TEST(DescriptionDepth, HostileNestingIsAFaultNotACrash) {
  // Far beyond any stack: each of these must end in a DescriptionError.
  const int huge = 200000;
  EXPECT_GT(ErrorLine(Nested(huge)), 0);
  EXPECT_EQ(ErrorLine("object A: TA\n  P = " + std::string(huge, '(') + "\nend\n"), 2);
  std::string collections = "object A: TA\n  P = ";
  for (int i = 0; i < huge / 10; ++i) collections += "<item Q = ";
  EXPECT_EQ(ErrorLine(collections), 2);
}

}  // namespace
}  // namespace telvana
