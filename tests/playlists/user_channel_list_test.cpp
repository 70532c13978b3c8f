// The user's list: duplicates, its groups, its bound, its M3U text read back unchanged, and
// the notice an import ends with.
#include "playlists/user_channel_list.h"

#include <gtest/gtest.h>

#include "playlists/import_notice.h"

namespace telvana::playlists {
namespace {

TEST(UserChannelList, AnAddressIsKeptOnceInAGroupAndGroupsKeepTheirFirstOrder) {
  UserChannelList list;
  EXPECT_TRUE(list.Add({u"A", u"乙", u"http://127.0.0.1/a"}));
  EXPECT_TRUE(list.Add({u"B", u"甲", u"http://127.0.0.1/b"}));
  SkipReason why;
  EXPECT_FALSE(list.Add({u"A again", u"乙", u"http://127.0.0.1/a"}, &why));
  EXPECT_EQ(why, SkipReason::kDuplicate);
  EXPECT_TRUE(list.Add({u"A", u"甲", u"http://127.0.0.1/a"}));  // another group may hold it
  EXPECT_EQ(list.Groups(), (std::vector<std::u16string>{u"乙", u"甲"}));
  ASSERT_EQ(list.ChannelsOf(u"甲").size(), 2u);
  EXPECT_EQ(list.ChannelsOf(u"甲")[1]->name, u"A");
  EXPECT_EQ(list.Find(u"甲", u"B")->address, u"http://127.0.0.1/b");
  EXPECT_EQ(list.Find(u"乙", u"B"), nullptr);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.Groups().empty());
  EXPECT_TRUE(list.Add({u"A", u"乙", u"http://127.0.0.1/a"}));
}

TEST(UserChannelList, MergeCountsWhatTheReaderAndTheListLeftOut) {
  UserChannelList list;
  list.Add({u"old", u"g", u"http://127.0.0.1/1"});
  const auto read =
      ReadPlaylistText(u"http://127.0.0.1/1\nhttp://127.0.0.1/2\nhttp://127.0.0.1/2\nrelative.ts\n",
                       PlaylistFormat::kM3u, u"g");
  const MergeResult result = list.Merge(read);
  EXPECT_EQ(result.taken, 1u);
  EXPECT_EQ(result.skipped[SkipReason::kDuplicate], 2u);
  EXPECT_EQ(result.skipped[SkipReason::kNotNetwork], 1u);
  EXPECT_EQ(list.Channels().size(), 2u);
  EXPECT_EQ(list.Channels()[0].name, u"old");  // nothing already there is lost
  EXPECT_EQ(ImportNotice(result),
            u"导入了 1 个频道，略过 3 个：\n    本地或相对路径 1 个\n    已在列表中 2 个");
  EXPECT_EQ(ImportNotice(MergeResult{5, {}}), u"导入了 5 个频道。");
}

TEST(UserChannelList, StopsTakingAtItsBound) {
  UserChannelList list;
  PlaylistContents contents;
  for (std::size_t i = 0; i < kMaxUserChannels + 2; ++i) {
    const std::string n = std::to_string(i);
    contents.channels.push_back(
        {u"c", u"g", u"http://127.0.0.1/" + std::u16string(n.begin(), n.end())});
  }
  const MergeResult result = list.Merge(contents);
  EXPECT_EQ(result.taken, kMaxUserChannels);
  EXPECT_EQ(result.skipped[SkipReason::kListFull], 2u);
}

TEST(UserChannelList, ItsM3uTextReadsBackUnchanged) {
  UserChannelList list;
  list.Add({u"CCTV-1, 综合 \"高清\"", u"央视", u"http://127.0.0.1/1"});
  list.Add({u"Радио 😀", u"say \"hi\", 世界=1", u"mms://127.0.0.1/2?a=1&b=2"});
  list.Add({u"#not a tag", u"group-title=\"x\"", u"rtsp://127.0.0.1/3"});
  const std::string text = list.ToM3u();
  EXPECT_EQ(text.substr(0, 9), "#EXTM3U\r\n");
  UserChannelList again;
  const MergeResult result = again.Merge(ReadPlaylist(text, "m3u", u"other", nullptr));
  EXPECT_EQ(result.skipped.Total(), 0u);
  EXPECT_EQ(again.Channels(), list.Channels());
}

}  // namespace
}  // namespace telvana::playlists
