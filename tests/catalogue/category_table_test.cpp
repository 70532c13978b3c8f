#include "catalogue/category_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/catalogue/recording_list.h"

namespace telvana {
namespace {

using testsupport::RecordingList;
using Rows = std::vector<std::u16string>;

Rows RowsOf(std::u16string_view key) {
  for (const Category& category : CategoryTable()) {
    if (category.key == key) return Rows(category.rows.begin(), category.rows.end());
  }
  ADD_FAILURE() << "no category with that key";
  return {};
}

size_t CountBlank(const Rows& rows) {
  size_t blank = 0;
  for (const auto& row : rows) blank += row.empty() ? 1 : 0;
  return blank;
}

TEST(CategoryTable, HoldsTheCategoriesInMenuOrderWithTheirRowCounts) {
  struct Expected {
    std::u16string_view key;
    size_t rows;
    size_t blank;
  };
  const Expected expected[] = {
      {u"影视频道", 11, 0},
      {u"体育频道", 11, 0},
      {u"儿童频道", 5, 0},
      {u"知名音乐电台", 13, 0},
      {u"知名网络电台", 3, 1},
      {u"在线直播", 2, 0},
      {u"在线点播", 11, 5},
      {u"香港", 2, 1},
      {u"台湾", 10, 0},
      {u"央视01\u201408套", 11, 0},
      {u"央视09\u201415套", 10, 0},
      {u"北京\u3001上海\u3001天津\u3001重庆", 12, 0},
      {u"河北\u3001山西\u3001内蒙古\u3001辽宁\u3001吉林", 7, 0},
      {u"黑龙江\u3001江苏\u3001浙江\u3001安徽\u3001福建", 19, 0},
      {u"江西\u3001山东\u3001河南\u3001湖北\u3001湖南", 21, 0},
      {u"广东\u3001广西\u3001海南\u3001四川\u3001贵州", 6, 0},
      {u"云南\u3001西藏\u3001陕西\u3001甘肃\u3001宁夏", 6, 0},
      {u"青海\u3001新疆", 1, 0},
      {u"河北 山西 内蒙古 辽宁 吉林", 2, 0},
      {u"黑龙江 江苏 浙江 安徽 福建", 34, 2},
      {u"江西 山东 河南 湖北 湖南", 5, 0},
      {u"广东 广西 海南 四川 贵州", 4, 0},
      {u"云南 西藏 陕西 甘肃 宁夏", 2, 0},
      {u"青海 新疆", 2, 1},
      {u"网络电台", 3, 0},
      {u"中央电台", 12, 0},
      {u"省级电台", 89, 15},
      {u"地方电台", 59, 14},
  };
  const auto table = CategoryTable();
  ASSERT_EQ(table.size(), std::size(expected));
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(table[i].key, expected[i].key);
    EXPECT_EQ(table[i].rows.size(), expected[i].rows);
    EXPECT_EQ(CountBlank(Rows(table[i].rows.begin(), table[i].rows.end())), expected[i].blank);
  }
}

TEST(CategoryTable, CountsRowsBlanksAndDistinctNames) {
  size_t rows = 0, blank = 0;
  std::set<std::u16string_view> names, keys;
  for (const Category& category : CategoryTable()) {
    keys.insert(category.key);
    for (auto row : category.rows) {
      ++rows;
      if (row.empty()) {
        ++blank;
      } else {
        names.insert(row);
      }
    }
  }
  EXPECT_EQ(keys.size(), 28u);
  EXPECT_EQ(rows, 373u);
  EXPECT_EQ(blank, 39u);
  EXPECT_EQ(names.size(), 295u);
}

TEST(CategoryTable, BlankRowsStandOnlyAtTheEndOfACategory) {
  for (const Category& category : CategoryTable()) {
    bool seenBlank = false;
    for (auto row : category.rows) {
      if (row.empty()) {
        seenBlank = true;
      } else {
        EXPECT_FALSE(seenBlank) << "named row after a blank one";
      }
    }
    EXPECT_FALSE(category.rows.empty());
    EXPECT_FALSE(category.rows.front().empty());
  }
}

TEST(CategoryTable, NoNameRepeatsWithinACategoryAndNoneEndsInABlank) {
  for (const Category& category : CategoryTable()) {
    std::set<std::u16string_view> seen;
    for (auto row : category.rows) {
      if (row.empty()) continue;
      EXPECT_TRUE(seen.insert(row).second);
      EXPECT_NE(row.front(), u' ');
      EXPECT_NE(row.back(), u' ');
    }
  }
}

TEST(CategoryTable, NamesSharedBetweenCategoriesStandInExactlyTwo) {
  std::map<std::u16string_view, int> standing;
  for (const Category& category : CategoryTable()) {
    for (auto row : category.rows) {
      if (!row.empty()) ++standing[row];
    }
  }
  const std::set<std::u16string_view> expected = {
      u"天津影视频道",          u"海南影视娱乐频道",    u"浙江影视文化频道连接1",
      u"浙江影视文化频道连接2", u"江苏影视频道",        u"河北影视频道",
      u"陕西影视频道",          u"南京影视频道",        u"石家庄影视频道",
      u"天津体育频道",          u"江苏体育频道",        u"陕西体育频道连接1",
      u"陕西体育频道连接2",     u"湖北体育频道",        u"广东体育频道",
      u"山东体育频道连接1",     u"山东体育频道连接2",   u"南京文体频道",
      u"天津少儿频道",          u"海南少儿频道",        u"江苏少儿频道",
      u"浙江少儿频道",          u"河北少儿科教频道",    u"江苏交通广播网-热门电台",
      u"上海东方电台动感101",   u"上海东方电台魅力103", u"重庆电台音乐频道",
      u"云南电台音乐广播",      u"山东电台音乐频道",    u"贵州电台音乐广播",
      u"新疆电台音乐广播",      u"陕西电台音乐频率",    u"广东电台音乐之声",
      u"南京电台音乐频率",      u"广州电台金曲广播",    u"西安电台音乐频率",
      u"泰州973快乐先锋-上",    u"泰州973快乐先锋-下",  u"暂无频道",
  };
  std::set<std::u16string_view> shared;
  for (const auto& [name, count] : standing) {
    EXPECT_LE(count, 2);
    if (count > 1) shared.insert(name);
  }
  EXPECT_EQ(shared, expected);
}

TEST(CategoryTable, ThemedRowsAlsoStandInARegionalOrRadioCategory) {
  const auto table = CategoryTable();
  std::set<std::u16string_view> later;
  for (size_t i = 5; i < table.size(); ++i)
    later.insert(table[i].rows.begin(), table[i].rows.end());
  std::set<std::u16string_view> onlyThemed;
  for (size_t i = 0; i < 5; ++i) {
    for (auto row : table[i].rows) {
      if (!row.empty() && !later.contains(row)) onlyThemed.insert(row);
    }
  }
  const std::set<std::u16string_view> expected = {
      u"江西影视频道(四套)连接1", u"江西影视频道(四套)连接2", u"上海体育频道", u"淅江体育频道"};
  EXPECT_EQ(onlyThemed, expected);
}

TEST(FillChannelList, ReplacesTheRowsWithThoseOfTheCategory) {
  for (const Category& category : CategoryTable()) {
    RecordingList list;
    list.rows = {u"old row"};
    FillChannelList(category.key, list);
    EXPECT_EQ(list.clears, 1);
    EXPECT_EQ(list.rows, Rows(category.rows.begin(), category.rows.end()));
  }
}

TEST(FillChannelList, FirstCategoryOpensWithElevenFilmChannels) {
  RecordingList list;
  FillChannelList(u"影视频道", list);
  ASSERT_EQ(list.rows.size(), 11u);
  EXPECT_EQ(list.rows.front(), u"天津影视频道");
  EXPECT_EQ(list.rows[4], u"江西影视频道(四套)连接1");
  EXPECT_EQ(list.rows.back(), u"石家庄影视频道");
}

TEST(FillChannelList, SameCategoryTwiceShowsItsRowsOnce) {
  RecordingList list;
  FillChannelList(u"台湾", list);
  FillChannelList(u"台湾", list);
  EXPECT_EQ(list.clears, 2);
  EXPECT_EQ(list.rows, RowsOf(u"台湾"));
  EXPECT_EQ(list.rows.size(), 10u);
}

TEST(FillChannelList, NameMatchingNoKeyLeavesTheListUntouched) {
  const std::u16string_view misses[] = {
      u"",
      u"影视频道 ",               // trailing blank
      u" 影视频道",               // leading blank
      u"影视",                    // prefix of a key
      u"影视频道影视频道",        // key twice
      u"央视01-08套",             // ASCII hyphen instead of the long dash
      u"央视09\u201315套",        // en dash
      u"北京,上海,天津,重庆",     // ASCII commas
      u"北京，上海，天津，重庆",  // full-width commas
      u"青海\u3000新疆",          // ideographic space
      u"青海  新疆",              // two blanks
      u"cctv",
      std::u16string_view(u"影视频道\0", 5),  // embedded NUL
  };
  for (auto miss : misses) {
    RecordingList list;
    list.rows = {u"一", u"", u"二"};
    FillChannelList(miss, list);
    EXPECT_EQ(list.clears, 0);
    EXPECT_EQ(list.rows, (Rows{u"一", u"", u"二"}));
  }
}

TEST(FillChannelList, CommaAndBlankSeparatedKeysAreDifferentCategories) {
  RecordingList withCommas, withBlanks;
  FillChannelList(u"河北\u3001山西\u3001内蒙古\u3001辽宁\u3001吉林", withCommas);
  FillChannelList(u"河北 山西 内蒙古 辽宁 吉林", withBlanks);
  EXPECT_EQ(withCommas.rows.size(), 7u);
  EXPECT_EQ(withBlanks.rows, (Rows{u"石家庄影视频道", u"石家庄都市频道"}));
}

TEST(FillChannelList, ShowsBlankLinesAfterTheNamedRows) {
  struct Case {
    std::u16string_view key;
    size_t named;
    size_t blank;
  };
  for (const Case& c : {Case{u"在线点播", 6, 5}, Case{u"省级电台", 74, 15},
                        Case{u"地方电台", 45, 14}, Case{u"知名网络电台", 2, 1}}) {
    RecordingList list;
    FillChannelList(c.key, list);
    ASSERT_EQ(list.rows.size(), c.named + c.blank);
    for (size_t i = 0; i < list.rows.size(); ++i) EXPECT_EQ(list.rows[i].empty(), i >= c.named);
  }
}

TEST(FillChannelList, QinghaiCategoriesShowNoChannel) {
  RecordingList withComma, withBlank;
  FillChannelList(u"青海\u3001新疆", withComma);
  FillChannelList(u"青海 新疆", withBlank);
  EXPECT_EQ(withComma.rows, (Rows{u"暂无频道"}));
  EXPECT_EQ(withBlank.rows, (Rows{u"暂无频道", u""}));
}

TEST(FillChannelList, FailureWhileAppendingKeepsTheRowsAppendedSoFar) {
  RecordingList list;
  list.failingAppend = 4;
  EXPECT_NO_THROW(FillChannelList(u"中央电台", list));
  EXPECT_EQ(list.rows, (Rows{u"中央人民广播电台一套", u"中央人民广播电台二套",
                             u"中央人民广播电台三套", u"中央人民广播电台四套"}));
}

TEST(FillChannelList, FailureOnTheFirstAppendLeavesAnEmptyList) {
  RecordingList list;
  list.rows = {u"旧"};
  list.failingAppend = 0;
  EXPECT_NO_THROW(FillChannelList(u"香港", list));
  EXPECT_EQ(list.clears, 1);
  EXPECT_TRUE(list.rows.empty());
}

TEST(FillChannelList, FailureWhileClearingAppendsNothing) {
  RecordingList list;
  list.rows = {u"旧"};
  list.failClear = true;
  EXPECT_NO_THROW(FillChannelList(u"香港", list));
  EXPECT_EQ(list.rows, (Rows{u"旧"}));
}

}  // namespace
}  // namespace telvana
