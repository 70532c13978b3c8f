#include "catalogue/stream_table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/recording_player.h"

namespace telvana {
namespace {

using testsupport::RecordingPlayer;

struct Address {
  std::u16string scheme;
  std::u16string host;
  int port = 0;         // 0: the scheme's default
  std::u16string rest;  // path, query and fragment as stored
};

Address Parse(std::u16string_view url) {
  Address a;
  const size_t colon = url.find(u"://");
  if (colon == std::u16string_view::npos) {
    ADD_FAILURE() << "no scheme in " << Utf16ToUtf8(url);
    return a;
  }
  a.scheme = url.substr(0, colon);
  std::u16string_view after = url.substr(colon + 3);
  const size_t slash = after.find(u'/');
  std::u16string_view authority = after.substr(0, slash);
  if (slash != std::u16string_view::npos) a.rest = after.substr(slash);
  const size_t portColon = authority.find(u':');
  a.host = authority.substr(0, portColon);
  if (portColon != std::u16string_view::npos) {
    for (char16_t c : authority.substr(portColon + 1)) {
      EXPECT_TRUE(c >= u'0' && c <= u'9');
      a.port = a.port * 10 + (c - u'0');
    }
  }
  return a;
}

// The four octets of a dotted IPv4 host, or nothing for a DNS name.
std::optional<std::vector<int>> DottedIPv4(std::u16string_view host) {
  std::vector<int> octets;
  int value = -1;
  for (char16_t c : host) {
    if (c == u'.') {
      if (value < 0) return std::nullopt;
      octets.push_back(value);
      value = -1;
    } else if (c >= u'0' && c <= u'9') {
      value = (value < 0 ? 0 : value * 10) + (c - u'0');
      if (value > 255) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (value < 0) return std::nullopt;
  octets.push_back(value);
  if (octets.size() != 4) return std::nullopt;
  return octets;
}

std::u16string_view UrlOf(std::u16string_view channel) {
  for (const StreamRow& row : StreamTable()) {
    if (row.channel == channel) return row.url;
  }
  ADD_FAILURE() << "no stream row for " << Utf16ToUtf8(channel);
  return {};
}

TEST(StreamTable, HoldsDistinctChannels) {
  const auto table = StreamTable();
  EXPECT_EQ(table.size(), 286u);
  std::set<std::u16string_view> channels;
  for (const StreamRow& row : table) {
    EXPECT_FALSE(row.channel.empty());
    EXPECT_TRUE(channels.insert(row.channel).second) << Utf16ToUtf8(row.channel);
  }
}

TEST(StreamTable, CountsSchemes) {
  std::map<std::u16string, int> schemes;
  for (const StreamRow& row : StreamTable()) {
    ++schemes[row.url.empty() ? u"" : Parse(row.url).scheme];
  }
  const std::map<std::u16string, int> expected = {
      {u"mms", 189}, {u"rtsp", 46}, {u"http", 45}, {u"mmst", 2}, {u"", 4}};
  EXPECT_EQ(schemes, expected);
}

TEST(StreamTable, EmptyAddressesBelongToFourCctvChannels) {
  std::vector<std::u16string_view> empty;
  for (const StreamRow& row : StreamTable()) {
    if (row.url.empty()) empty.push_back(row.channel);
  }
  EXPECT_EQ(empty,
            (std::vector<std::u16string_view>{u"CCTV-10", u"CCTV-11", u"CCTV少儿", u"CCTV音乐"}));
}

TEST(StreamTable, CountsExplicitPortsBySchemeAndValue) {
  std::map<std::pair<std::u16string, int>, int> ports;
  int explicitPorts = 0;
  for (const StreamRow& row : StreamTable()) {
    if (row.url.empty()) continue;
    const Address a = Parse(row.url);
    if (a.port != 0) {
      ++ports[{a.scheme, a.port}];
      ++explicitPorts;
    }
  }
  const std::map<std::pair<std::u16string, int>, int> expected = {
      {{u"rtsp", 554}, 12}, {{u"mms", 8080}, 8},  {{u"http", 8080}, 5}, {{u"mms", 2004}, 4},
      {{u"mms", 1755}, 2},  {{u"mmst", 1755}, 1}, {{u"mms", 1055}, 1},  {{u"mms", 1095}, 1},
      {{u"mms", 1113}, 1},  {{u"mms", 1140}, 1},  {{u"mms", 1922}, 1},  {{u"mms", 3340}, 1},
      {{u"mms", 4512}, 1},  {{u"mms", 4575}, 1},  {{u"mms", 4619}, 1},  {{u"rtsp", 4185}, 1},
  };
  EXPECT_EQ(ports, expected);
  EXPECT_EQ(explicitPorts, 42);
  EXPECT_EQ(Parse(UrlOf(u"上海第一财经频道")).scheme, u"mmst");
  EXPECT_EQ(Parse(UrlOf(u"上海第一财经频道")).port, 1755);
}

TEST(StreamTable, HostsAreDocumentationAddressesOrBroadcasterNames) {
  int dotted = 0, named = 0;
  for (const StreamRow& row : StreamTable()) {
    if (row.url.empty()) continue;
    const std::u16string host = Parse(row.url).host;
    ASSERT_FALSE(host.empty());
    if (const auto octets = DottedIPv4(host)) {
      ++dotted;
      const bool net198 = (*octets)[0] == 198 && (*octets)[1] == 51 && (*octets)[2] == 100;
      const bool net203 = (*octets)[0] == 203 && (*octets)[1] == 0 && (*octets)[2] == 113;
      EXPECT_TRUE(net198 || net203) << Utf16ToUtf8(row.url);
    } else {
      ++named;
      bool letter = false;
      for (char16_t c : host) {
        letter |= c >= u'a' && c <= u'z';
        EXPECT_TRUE((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-')
            << Utf16ToUtf8(row.url);
      }
      EXPECT_TRUE(letter);
      EXPECT_NE(host.find(u'.'), std::u16string::npos);
    }
  }
  EXPECT_EQ(dotted, 156);
  EXPECT_EQ(named, 126);
}

TEST(StreamTable, TellingAddressesKeepTheirPaths) {
  struct Expected {
    std::u16string_view channel;
    std::u16string_view scheme;
    int port;
    std::u16string_view rest;
  };
  const Expected expected[] = {
      {u"Korvane影院一", u"mms", 0, u"/JingPinYingYuan"},
      {u"Korvane影院二", u"http", 0, u"/tv/play1.asp?id=380&gs=wmv"},
      {u"上海第一财经频道", u"mmst", 1755, u"/smg_finance_1"},
      {u"浙江公共频道", u"mms", 1095, u""},
      {u"宁夏电台新闻综合频率", u"mms", 1113, u""},
      {u"宁夏电台都市生活频率", u"mms", 4619, u""},
      {u"宁夏电台交通音乐频率", u"mms", 4512, u""},
      {u"宁夏电台经济频率", u"mms", 4575, u""},
      {u"张家界核心景区—水绕四门", u"mms", 0, u"/vv001.wmv"},
      {u"张家界核心景区—御笔峰", u"mms", 0, u"/vv002.wmv"},
      {u"张家界核心景区—老磨湾", u"mms", 0, u"/vv003.wmv"},
      {u"张家界核心景区—黄石寨", u"mms", 0, u"/vv005.wmv"},
      {u"张家界核心景区—迷魂台", u"mms", 0, u"/vv007.wmv"},
      {u"张家界核心景区—点将台", u"mms", 0, u"/vv008.wmv"},
      {u"徐州经济生活频道", u"mms", 0, u"/徐州广播电视网_经济生活"},
      {u"南京文体频道", u"rtsp", 0, u"/broadcast/O3.rm"},
      {u"中国国际广播电台FM91.5", u"http", 0, u"/fm915.ram"},
      {u"黑龙江电台新闻广播", u"http", 8080, u"/ramgen/real/rmt.rm"},
      {u"贵州电台交通广播", u"http", 0, u"/mbox/jtt.smi"},
      {u"上海人民电台新闻频率", u"http", 0, u"/990.asx"},
      {u"成都电台新闻广播", u"http", 0, u"/playradio.asp?tid=1#"},
      {u"成都电台交通文艺 ", u"http", 0, u"/playradio.asp?tid=2#"},
      {u"成都电台财富广播", u"http", 0, u"/playradio.asp?tid=3#"},
      {u"泰州973快乐先锋-上", u"http", 0, u"/jm/F001.WAV"},
      {u"泰州973快乐先锋-下", u"http", 0, u"/jm/F002.WAV"},
      {u"山东公共新闻频道连接1", u"mms", 0, u"/ggtv "},
      {u"陕西体育频道连接1", u"mms", 0, u"/live2/live2.asf "},
      {u"石家庄影视频道", u"mms", 0, u"/sjztv-4"},
      {u"石家庄都市频道", u"mms", 0, u"/sjztv-4"},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(Utf16ToUtf8(e.channel));
    const Address a = Parse(UrlOf(e.channel));
    EXPECT_EQ(a.scheme, e.scheme);
    EXPECT_EQ(a.port, e.port);
    EXPECT_EQ(a.rest, e.rest);
  }
  // Only the two addresses that the broadcasters publish that way end in a blank.
  int trailingBlank = 0;
  for (const StreamRow& row : StreamTable()) {
    trailingBlank += !row.url.empty() && row.url.back() == u' ' ? 1 : 0;
  }
  EXPECT_EQ(trailingBlank, 2);
}

TEST(StreamTable, ChannelsOfOneServerShareItsHost) {
  const std::u16string_view groups[][10] = {
      {u"天津经济生活频道", u"天津文化娱乐频道", u"天津影视频道", u"天津都市频道", u"天津体育频道",
       u"天津科教频道", u"天津少儿频道", u"天津卫视频道"},
      {u"宁夏电台新闻综合频率", u"宁夏电台都市生活频率", u"宁夏电台交通音乐频率",
       u"宁夏电台经济频率"},
      {u"上海人民电台新闻频率", u"上海人民电台交通频率", u"上海人民电台开心调频",
       u"上海人民电台海上戏剧", u"上海东方电台东广新闻", u"上海东方电台第一财经",
       u"上海东方电台都市792", u"上海东方电台动感101", u"上海东方电台魅力103",
       u"上海东方电台经典947"},
      {u"中央人民广播电台一套", u"中央人民广播电台二套", u"中央人民广播电台三套",
       u"中央人民广播电台四套", u"中央人民广播电台五套", u"中央人民广播电台六套",
       u"中央人民广播电台七套", u"中央人民广播电台八套"},
  };
  for (const auto& group : groups) {
    std::set<std::u16string> hosts;
    for (auto channel : group) {
      if (!channel.empty()) hosts.insert(Parse(UrlOf(channel)).host);
    }
    EXPECT_EQ(hosts.size(), 1u);
  }
  for (int i = 1; i <= 8; ++i) {
    const std::u16string n(1, static_cast<char16_t>(u'0' + i));
    EXPECT_EQ(Parse(UrlOf(groups[0][i - 1])).rest, u"/tj" + n);
    const Address cnr = Parse(UrlOf(groups[3][i - 1]));
    EXPECT_EQ(cnr.scheme, u"rtsp");
    EXPECT_EQ(cnr.port, 554);
    EXPECT_EQ(cnr.rest, u"/encoder/cnr" + n);
  }
}

TEST(StreamTable, XuzhouTelevisionPathsAreChinese) {
  for (std::u16string_view channel :
       {u"徐州经济生活频道", u"徐州文艺影视频道", u"徐州社会政法频道", u"徐州新闻综合频道"}) {
    const std::u16string rest = Parse(UrlOf(channel)).rest;
    const std::u16string_view kind = channel.substr(2, 4);  // 经济生活, 文艺影视, ...
    EXPECT_EQ(rest, u"/徐州广播电视网_" + std::u16string(kind));
  }
}

TEST(StreamTable, OnlyTheShijiazhuangPairSharesAWholeAddress) {
  std::map<std::u16string_view, std::vector<std::u16string_view>> byUrl;
  for (const StreamRow& row : StreamTable()) {
    if (!row.url.empty()) byUrl[row.url].push_back(row.channel);
  }
  std::vector<std::vector<std::u16string_view>> shared;
  for (const auto& [url, channels] : byUrl) {
    if (channels.size() > 1) shared.push_back(channels);
  }
  EXPECT_EQ(
      shared,
      (std::vector<std::vector<std::u16string_view>>{{u"石家庄影视频道", u"石家庄都市频道"}}));
}

TEST(SetChannelStream, SetsTheAddressOfEveryChannelExactlyOnce) {
  for (const StreamRow& row : StreamTable()) {
    RecordingPlayer player;
    SetChannelStream(row.channel, player);
    EXPECT_EQ(player.calls(), std::vector<std::string>{"URL=" + Utf16ToUtf8(row.url)});
    EXPECT_EQ(player.url(), row.url);
  }
}

TEST(SetChannelStream, EmptyAddressIsSetToo) {
  RecordingPlayer player;
  player.setURL(u"mms://198.51.100.8/JingPinYingYuan");
  player.clearCalls();
  SetChannelStream(u"CCTV-10", player);
  EXPECT_EQ(player.calls(), std::vector<std::string>{"URL="});
  EXPECT_TRUE(player.url().empty());
}

TEST(SetChannelStream, UnknownNameSetsNothing) {
  for (std::u16string_view miss : {u"", u"成都电台交通文艺", u"CCTV-1", u"cctv-5", u"CCTV—5",
                                   u"天津卫视频道 ", u"湖南卫视频道", u"暂无频道"}) {
    RecordingPlayer player;
    player.setURL(u"rtsp://203.0.113.92:4185/hzyy.rm");
    player.clearCalls();
    SetChannelStream(miss, player);
    EXPECT_TRUE(player.calls().empty());
    EXPECT_EQ(player.url(), u"rtsp://203.0.113.92:4185/hzyy.rm");
  }
}

TEST(SetChannelStream, KeyWithTrailingBlankMatchesOnlyWithIt) {
  RecordingPlayer player;
  SetChannelStream(u"成都电台交通文艺 ", player);
  EXPECT_EQ(player.url(), UrlOf(u"成都电台交通文艺 "));
  EXPECT_FALSE(player.url().empty());
}

TEST(SetChannelStream, RefusedAddressIsSwallowed) {
  RecordingPlayer player;
  player.fail(RecordingPlayer::Op::setURL);
  EXPECT_NO_THROW(SetChannelStream(u"CCTV-5", player));
  EXPECT_EQ(player.calls().size(), 1u);
  EXPECT_TRUE(player.url().empty());
}

}  // namespace
}  // namespace telvana
