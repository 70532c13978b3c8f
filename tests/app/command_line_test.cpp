#include "app/command_line.h"

#include <gtest/gtest.h>

namespace telvana {
namespace {

using Arguments = std::vector<std::u16string>;

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine(u""), Arguments{});
  EXPECT_EQ(SplitCommandLine(u"  \t "), Arguments{});
  EXPECT_EQ(SplitCommandLine(u" a  b\tc "), (Arguments{u"a", u"b", u"c"}));
  EXPECT_EQ(SplitCommandLine(u"\"mms://h/徐州 经济\" x"), (Arguments{u"mms://h/徐州 经济", u"x"}));
  EXPECT_EQ(SplitCommandLine(u"a\"b c\"d"), (Arguments{u"ab cd"}));
  EXPECT_EQ(SplitCommandLine(u"\"\""), (Arguments{u""}));
}

TEST(SplitCommandLine, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(SplitCommandLine(u"c:\\a\\b"), (Arguments{u"c:\\a\\b"}));
  EXPECT_EQ(SplitCommandLine(u"a\\\\\"b c\""), (Arguments{u"a\\b c"}));  // 2n: n, the quote groups
  EXPECT_EQ(SplitCommandLine(u"a\\\"b c"), (Arguments{u"a\"b", u"c"}));  // 2n+1: a plain quote
  EXPECT_EQ(SplitCommandLine(u"\"a\"\"b\""), (Arguments{u"a\"b"}));      // doubled inside a group
  EXPECT_EQ(SplitCommandLine(u"a\\"), (Arguments{u"a\\"}));
}

TEST(ReadCommandLine, TheFirstAddressThePlayerTakes) {
  EXPECT_EQ(ReadCommandLine(u"").address, u"");
  EXPECT_EQ(ReadCommandLine(u"/S c:\\x.asx").address, u"");
  EXPECT_EQ(ReadCommandLine(u"/S rtsp://127.0.0.1:8554/live mms://h/x").address,
            u"rtsp://127.0.0.1:8554/live");
  EXPECT_EQ(ReadCommandLine(u"\"MMS://h/a b\"").address, u"MMS://h/a b");  // as given
  EXPECT_EQ(ReadCommandLine(u"file:///c:/windows/win.ini").address, u"");
}

}  // namespace
}  // namespace telvana
