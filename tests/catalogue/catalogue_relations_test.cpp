// How the category table and the stream table meet: which rows play, and what they play.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/category_table.h"
#include "catalogue/playback_start.h"
#include "catalogue/stream_table.h"
#include "tests/catalogue/recording_list.h"
#include "tests/support/recording_player.h"

namespace telvana {
namespace {

using testsupport::RecordingList;
using testsupport::RecordingPlayer;

std::set<std::u16string_view> ListNames() {
  std::set<std::u16string_view> names;
  for (const Category& category : CategoryTable()) {
    for (auto row : category.rows) {
      if (!row.empty()) names.insert(row);
    }
  }
  return names;
}

std::map<std::u16string_view, int> StreamRowsPerChannel() {
  std::map<std::u16string_view, int> rows;
  for (const StreamRow& row : StreamTable()) ++rows[row.channel];
  return rows;
}

TEST(CatalogueRelations, TenListedChannelsHaveNoStreamRow) {
  const auto streams = StreamRowsPerChannel();
  std::set<std::u16string_view> without;
  int withOne = 0;
  for (auto name : ListNames()) {
    const auto it = streams.find(name);
    if (it == streams.end()) {
      without.insert(name);
    } else {
      EXPECT_EQ(it->second, 1);
      ++withOne;
    }
  }
  const std::set<std::u16string_view> expected = {
      u"江西影视频道(四套)连接1",
      u"江西影视频道(四套)连接2",
      u"陕西影视频道",
      u"上海体育频道",
      u"淅江体育频道",
      u"湖南卫视频道",
      u"暂无频道",
      u"四川广播电台经济频率大众广播",
      u"四川广播电台经济频率时代广播",
      u"成都电台交通广播",
  };
  EXPECT_EQ(without, expected);
  EXPECT_EQ(withOne, 285);
}

TEST(CatalogueRelations, OnlyTheKeyEndingInABlankIsReachedByNoRow) {
  const auto names = ListNames();
  std::vector<std::u16string_view> unreached;
  for (const StreamRow& row : StreamTable()) {
    if (!names.contains(row.channel)) unreached.push_back(row.channel);
  }
  EXPECT_EQ(unreached, std::vector<std::u16string_view>{u"成都电台交通文艺 "});
}

// Plays `channel` as the row of the list that `category` fills and returns what the player
// was given.
std::u16string PlayFrom(std::u16string_view category, std::u16string_view channel) {
  RecordingList list;
  FillChannelList(category, list);
  size_t index = list.rows.size();
  for (size_t i = 0; i < list.rows.size(); ++i) {
    if (list.rows[i] == channel) index = i;
  }
  EXPECT_LT(index, list.rows.size());
  RecordingPlayer player;
  std::u16string status;
  StartPlayback([&] { return list.rows.at(index); }, player,
                [&](std::u16string_view text) { status = text; });
  EXPECT_EQ(status.substr(5), channel);
  return player.url();
}

TEST(CatalogueRelations, ChannelInTwoCategoriesPlaysTheSameAddressFromEither) {
  const std::u16string fromFilms = PlayFrom(u"影视频道", u"天津影视频道");
  EXPECT_FALSE(fromFilms.empty());
  EXPECT_EQ(fromFilms, PlayFrom(u"北京\u3001上海\u3001天津\u3001重庆", u"天津影视频道"));

  const std::u16string fromMusic = PlayFrom(u"知名音乐电台", u"广州电台金曲广播");
  EXPECT_FALSE(fromMusic.empty());
  EXPECT_EQ(fromMusic, PlayFrom(u"地方电台", u"广州电台金曲广播"));
}

TEST(CatalogueRelations, ShijiazhuangPairPlaysOneAddress) {
  const auto category = u"河北 山西 内蒙古 辽宁 吉林";
  const std::u16string films = PlayFrom(category, u"石家庄影视频道");
  EXPECT_FALSE(films.empty());
  EXPECT_EQ(films, PlayFrom(category, u"石家庄都市频道"));
}

}  // namespace
}  // namespace telvana
