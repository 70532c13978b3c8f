#include "catalogue/connection_pairs.h"

#include <gtest/gtest.h>

#include "catalogue/stream_table.h"

namespace telvana {
namespace {

std::u16string UrlOf(std::u16string_view channel) {
  for (const StreamRow& row : StreamTable()) {
    if (row.channel == channel) return std::u16string(row.url);
  }
  return {};
}

TEST(ConnectionLabel, OnlyANameEndingInConnectionAndADigit) {
  EXPECT_EQ(ConnectionLabel(u"CCTV-1连接2"), u"连接2");
  EXPECT_EQ(ConnectionLabel(u"CCTV-12"), u"");
  EXPECT_EQ(ConnectionLabel(u"连接"), u"");
  EXPECT_EQ(ConnectionLabel(u"广告连接0"), u"");
}

TEST(OtherConnections, ThePairFromEitherSide) {
  const auto from_first = OtherConnections(u"CCTV-1连接1");
  ASSERT_EQ(from_first.size(), 1u);
  EXPECT_EQ(from_first[0].channel, u"CCTV-1连接2");
  EXPECT_EQ(from_first[0].label, u"连接2");
  EXPECT_EQ(from_first[0].url, UrlOf(u"CCTV-1连接2"));
  const auto from_second = OtherConnections(u"CCTV-1连接2");
  ASSERT_EQ(from_second.size(), 1u);
  EXPECT_EQ(from_second[0].channel, u"CCTV-1连接1");
}

TEST(OtherConnections, ThreeConnectionsInTheirOrder) {
  const auto others = OtherConnections(u"陕西都市青春频道连接2");
  ASSERT_EQ(others.size(), 2u);
  EXPECT_EQ(others[0].label, u"连接1");
  EXPECT_EQ(others[1].label, u"连接3");
}

TEST(OtherConnections, NoneForAChannelOverOneServerOrWithoutStreams) {
  EXPECT_TRUE(OtherConnections(u"CCTV-3").empty());
  EXPECT_TRUE(OtherConnections(u"江西影视频道(四套)连接1").empty());  // no stream rows at all
  EXPECT_TRUE(OtherConnections(u"山东卫视频道连接3").empty());
}

}  // namespace
}  // namespace telvana
