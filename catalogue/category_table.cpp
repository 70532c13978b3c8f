// The category table and the filling of the channel list from it.
//
// Every text keeps the exact characters of its menu caption or list row: the dash in the
// CCTV keys and the 张家界 rows is U+2014 (GBK A1 AA), the separator of the first seven
// regional keys is U+3001 (GBK A1 A2), the later regional keys use one ASCII blank, and the
// hyphens in the 泰州 and 江苏交通 rows are ASCII. Blank rows show as empty lines at the end
// of a category.
#include "catalogue/category_table.h"

#include <iterator>

namespace telvana {
namespace {

// One row per line, as the list shows them.
// clang-format off

// 1. "影视频道": 11 rows.
constexpr std::u16string_view kFilmRows[] = {
    u"天津影视频道",
    u"海南影视娱乐频道",
    u"浙江影视文化频道连接1",
    u"浙江影视文化频道连接2",
    u"江西影视频道(四套)连接1",
    u"江西影视频道(四套)连接2",
    u"江苏影视频道",
    u"河北影视频道",
    u"陕西影视频道",
    u"南京影视频道",
    u"石家庄影视频道",
};

// 2. "体育频道": 11 rows.
constexpr std::u16string_view kSportsRows[] = {
    u"上海体育频道",
    u"天津体育频道",
    u"江苏体育频道",
    u"淅江体育频道",
    u"陕西体育频道连接1",
    u"陕西体育频道连接2",
    u"湖北体育频道",
    u"广东体育频道",
    u"山东体育频道连接1",
    u"山东体育频道连接2",
    u"南京文体频道",
};

// 3. "儿童频道": 5 rows.
constexpr std::u16string_view kChildrenRows[] = {
    u"天津少儿频道",
    u"海南少儿频道",
    u"江苏少儿频道",
    u"浙江少儿频道",
    u"河北少儿科教频道",
};

// 4. "知名音乐电台": 13 rows.
constexpr std::u16string_view kMusicRadioRows[] = {
    u"江苏交通广播网-热门电台",
    u"上海东方电台动感101",
    u"上海东方电台魅力103",
    u"重庆电台音乐频道",
    u"云南电台音乐广播",
    u"山东电台音乐频道",
    u"贵州电台音乐广播",
    u"新疆电台音乐广播",
    u"陕西电台音乐频率",
    u"广东电台音乐之声",
    u"南京电台音乐频率",
    u"广州电台金曲广播",
    u"西安电台音乐频率",
};

// 5. "知名网络电台": 3 rows, the last 1 blank.
constexpr std::u16string_view kWebRadioPicksRows[] = {
    u"泰州973快乐先锋-上",
    u"泰州973快乐先锋-下",
    u"",
};

// 6. "在线直播": 2 rows.
constexpr std::u16string_view kLiveRows[] = {
    u"Korvane影院一",
    u"Korvane影院二",
};

// 7. "在线点播": 11 rows, the last 5 blank.
constexpr std::u16string_view kOnDemandRows[] = {
    u"张家界核心景区—水绕四门",
    u"张家界核心景区—御笔峰",
    u"张家界核心景区—老磨湾",
    u"张家界核心景区—黄石寨",
    u"张家界核心景区—迷魂台",
    u"张家界核心景区—点将台",
    u"", u"", u"", u"", u"",
};

// 8. "香港": 2 rows, the last 1 blank.
constexpr std::u16string_view kHongKongRows[] = {
    u"凤凰卫视咨讯台",
    u"",
};

// 9. "台湾": 10 rows.
constexpr std::u16string_view kTaiwanRows[] = {
    u"民视交通台",
    u"台湾好消息",
    u"东森购物一台",
    u"东森购物二台",
    u"东森购物三台",
    u"东森购物五台",
    u"中天新闻台",
    u"佛卫慈悲台",
    u"台湾电玩巨人",
    u"年代购物台",
};

// 10. "央视01—08套": 11 rows.
constexpr std::u16string_view kCctv01To08Rows[] = {
    u"CCTV-1连接1",
    u"CCTV-1连接2",
    u"CCTV-2连接1",
    u"CCTV-2连接2",
    u"CCTV-3",
    u"CCTV-4连接1",
    u"CCTV-4连接2",
    u"CCTV-5",
    u"CCTV-6",
    u"CCTV-7",
    u"CCTV-8",
};

// 11. "央视09—15套": 10 rows.
constexpr std::u16string_view kCctv09To15Rows[] = {
    u"CCTV-9连接1",
    u"CCTV-9连接2",
    u"CCTV-10",
    u"CCTV-11",
    u"CCTV-12",
    u"CCTV新闻连接1",
    u"CCTV新闻连接2",
    u"CCTV少儿",
    u"CCTV音乐",
    u"CCTV E&f",
};

// 12. "北京、上海、天津、重庆": 12 rows.
constexpr std::u16string_view kMunicipalitiesRows[] = {
    u"上海第一财经频道",
    u"上海东方卫视频道",
    u"上海普陀电视",
    u"天津影视频道",
    u"天津都市频道",
    u"天津体育频道",
    u"天津科教频道",
    u"天津少儿频道",
    u"天津卫视频道",
    u"天津经济生活频道",
    u"天津文化娱乐频道",
    u"重庆卫视频道",
};

// 13. "河北、山西、内蒙古、辽宁、吉林": 7 rows.
constexpr std::u16string_view kNorthTvRows[] = {
    u"河北公共频道",
    u"河北影视频道",
    u"河北都市频道",
    u"河北新闻综合频道",
    u"河北经济生活频道",
    u"河北少儿科教频道",
    u"吉林卫视频道",
};

// 14. "黑龙江、江苏、浙江、安徽、福建": 19 rows.
constexpr std::u16string_view kEastTvRows[] = {
    u"江苏卫视频道连接1",
    u"江苏卫视频道连接2",
    u"江苏城市频道",
    u"江苏综艺频道",
    u"江苏影视频道",
    u"江苏公共频道",
    u"江苏体育频道",
    u"江苏国际频道",
    u"江苏靓妆频道",
    u"江苏少儿频道",
    u"浙江卫视频道",
    u"浙江公共频道",
    u"浙江少儿频道",
    u"浙江影视文化频道连接1",
    u"浙江影视文化频道连接2",
    u"浙江经济生活频道",
    u"浙江教育科技频道",
    u"安徽经济生活频道",
    u"安徽卫视频道",
};

// 15. "江西、山东、河南、湖北、湖南": 21 rows.
constexpr std::u16string_view kCentralTvRows[] = {
    u"江西卫星频道(一套)连接1",
    u"江西卫星频道(一套)连接2",
    u"江西都市频道(二套)",
    u"江西经视频道(三套)",
    u"江西影视频道(四套)",
    u"江西公共频道(五套)",
    u"江西教育频道",
    u"江西导视频道",
    u"山东卫视频道连接1",
    u"山东卫视频道连接2",
    u"山东体育频道连接1",
    u"山东体育频道连接2",
    u"山东齐鲁频道连接1",
    u"山东齐鲁频道连接2",
    u"山东公共新闻频道连接1",
    u"山东公共新闻频道连接2",
    u"湖北微波频道连接1",
    u"湖北微波频道连接2",
    u"湖北卫星频道",
    u"湖北体育频道",
    u"湖南卫视频道",
};

// 16. "广东、广西、海南、四川、贵州": 6 rows.
constexpr std::u16string_view kSouthTvRows[] = {
    u"广东体育频道",
    u"海南综合频道",
    u"海南公共频道",
    u"海南少儿频道",
    u"海南影视娱乐频道",
    u"海南旅游卫视频道",
};

// 17. "云南、西藏、陕西、甘肃、宁夏": 6 rows.
constexpr std::u16string_view kWestTvRows[] = {
    u"陕西都市青春频道连接1",
    u"陕西都市青春频道连接2",
    u"陕西都市青春频道连接3",
    u"陕西体育频道连接1",
    u"陕西体育频道连接2",
    u"陕西影视频道",
};

// 18. "青海、新疆": 1 rows.
constexpr std::u16string_view kQinghaiXinjiangTvRows[] = {
    u"暂无频道",
};

// 19. "河北 山西 内蒙古 辽宁 吉林": 2 rows.
constexpr std::u16string_view kNorthCityTvRows[] = {
    u"石家庄影视频道",
    u"石家庄都市频道",
};

// 20. "黑龙江 江苏 浙江 安徽 福建": 34 rows, the last 2 blank.
constexpr std::u16string_view kEastCityTvRows[] = {
    u"南京新闻频道",
    u"南京影视频道",
    u"南京文体频道",
    u"南京生活频道",
    u"南京教科频道",
    u"南京十八频道",
    u"常州新闻频道",
    u"常州公共频道",
    u"常州影视频道",
    u"常州都市频道",
    u"常州图文频道",
    u"无锡新闻综合频道",
    u"无锡都市咨讯频道",
    u"徐州新闻综合频道",
    u"徐州经济生活频道",
    u"徐州文艺影视频道",
    u"徐州社会政法频道",
    u"温州新闻综合频道",
    u"温州经济科教频道",
    u"丽水一套频道",
    u"丽水二套频道",
    u"宁波一套频道",
    u"宁波二套频道",
    u"宁波三套频道",
    u"宁波四套频道",
    u"绍兴新闻频道",
    u"绍兴公共频道",
    u"金华新闻综合频道",
    u"淮南一套频道",
    u"淮南二套频道",
    u"淮南三套频道",
    u"厦门卫视频道",
    u"", u"",
};

// 21. "江西 山东 河南 湖北 湖南": 5 rows.
constexpr std::u16string_view kCentralCityTvRows[] = {
    u"鹰潭新闻综合频道",
    u"景德镇新闻综合频道",
    u"南阳一套频道",
    u"安阳一套频道",
    u"安阳二套频道",
};

// 22. "广东 广西 海南 四川 贵州": 4 rows.
constexpr std::u16string_view kSouthCityTvRows[] = {
    u"潮州新闻频道",
    u"潮州公共频道",
    u"珠海一套频道",
    u"绵阳电影频道",
};

// 23. "云南 西藏 陕西 甘肃 宁夏": 2 rows.
constexpr std::u16string_view kWestCityTvRows[] = {
    u"西安一套频道",
    u"西安二套频道",
};

// 24. "青海 新疆": 2 rows, the last 1 blank.
constexpr std::u16string_view kQinghaiXinjiangCityTvRows[] = {
    u"暂无频道",
    u"",
};

// 25. "网络电台": 3 rows.
constexpr std::u16string_view kWebRadioRows[] = {
    u"45度网络广播电台",
    u"泰州973快乐先锋-上",
    u"泰州973快乐先锋-下",
};

// 26. "中央电台": 12 rows.
constexpr std::u16string_view kNationalRadioRows[] = {
    u"中央人民广播电台一套",
    u"中央人民广播电台二套",
    u"中央人民广播电台三套",
    u"中央人民广播电台四套",
    u"中央人民广播电台五套",
    u"中央人民广播电台六套",
    u"中央人民广播电台七套",
    u"中央人民广播电台八套",
    u"中央人民广播电台华夏之声",
    u"中国国际广播电台FM91.5",
    u"中国国际广播电台FM88.7",
    u"中国国际广播电台华语直播",
};

// 27. "省级电台": 89 rows, the last 15 blank.
constexpr std::u16string_view kProvincialRadioRows[] = {
    u"上海人民电台新闻频率",
    u"上海人民电台交通频率",
    u"上海人民电台开心调频",
    u"上海人民电台海上戏剧",
    u"上海东方电台东广新闻",
    u"上海东方电台第一财经",
    u"上海东方电台都市792",
    u"上海东方电台动感101",
    u"上海东方电台魅力103",
    u"上海东方电台经典947",
    u"重庆电台新闻频道",
    u"重庆电台交通频道",
    u"重庆电台经济频道",
    u"重庆电台音乐频道",
    u"江苏交通广播网-热门电台",
    u"陕西电台新闻频率",
    u"陕西电台文艺频率",
    u"陕西电台财富频率",
    u"陕西电台交通频率",
    u"陕西电台农村频率",
    u"陕西电台音乐频率",
    u"陕西电台生活频率",
    u"四川广播电台经济频率大众广播",
    u"四川广播电台经济频率时代广播",
    u"湖南电台新闻频道",
    u"湖南电台经济频道",
    u"湖南电台文艺频道",
    u"湖南电台交通频道",
    u"广西卫星广播",
    u"广西经济广播",
    u"广西教育生活广播",
    u"广西文艺广播",
    u"广西对外广播",
    u"广西交通台",
    u"广东卫星广播",
    u"广东电台音乐之声",
    u"广东电台城市之声",
    u"山东电台新闻频道",
    u"山东电台经济频道",
    u"山东电台文艺频道",
    u"山东电台生活频道",
    u"山东电台交通频道",
    u"山东电台第六频道",
    u"山东电台音乐频道",
    u"山东电台休闲音乐频道",
    u"贵州电台卫星广播",
    u"贵州电台经济广播",
    u"贵州电台交通广播",
    u"贵州电台音乐广播",
    u"贵州电台健康广播",
    u"新疆电台汉语广播",
    u"新疆电台维语广播",
    u"新疆电台哈语广播",
    u"新疆电台蒙语广播",
    u"新疆电台柯语广播",
    u"新疆电台经济广播",
    u"新疆电台音乐广播",
    u"黑龙江电台新闻广播",
    u"黑龙江电台交通广播",
    u"黑龙江电台金融广播",
    u"黑龙江电台生活文艺广播",
    u"黑龙江电台妇女儿童广播",
    u"吉林电台新闻综合频率",
    u"吉林电台健康娱乐频率",
    u"吉林电台大众生活频率",
    u"吉林电台交通文艺频率",
    u"吉林电台东北亚音乐频率",
    u"四川电台大众广播",
    u"四川电台时代广播",
    u"云南电台音乐广播",
    u"宁夏电台新闻综合频率",
    u"宁夏电台都市生活频率",
    u"宁夏电台交通音乐频率",
    u"宁夏电台经济频率",
    u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"",
};

// 28. "地方电台": 59 rows, the last 14 blank.
constexpr std::u16string_view kLocalRadioRows[] = {
    u"南京电台新闻频率",
    u"南京电台经济频率",
    u"南京电台交通频率",
    u"南京电台音乐频率",
    u"南京电台体育频率",
    u"徐州电台新闻频率",
    u"徐州电台经济频率",
    u"徐州电台交通频率",
    u"徐州电台文艺频率",
    u"常熟电台新闻综合频率",
    u"常熟电台经济服务频率",
    u"常熟电台交通音乐频率",
    u"西安电台音乐频率",
    u"合肥电台人民频道",
    u"合肥电台文艺频道",
    u"合肥电台交通频道",
    u"武汉电台人民台",
    u"武汉电台长江台",
    u"武汉电台文艺台",
    u"武汉电台交通台",
    u"广州电台经济环保广播",
    u"广州电台调频广播",
    u"广州电台金曲广播",
    u"济南电台新闻频率",
    u"济南电台经济频率",
    u"济南电台交通频率",
    u"济南电台文艺频率",
    u"青岛电台经济频率",
    u"青岛电台新闻频率",
    u"淄博电台新闻频道",
    u"淄博电台经济频道",
    u"淄博电台交通文艺",
    u"成都电台新闻广播",
    u"成都电台交通广播",
    u"成都电台财富广播",
    u"南宁电台交通音乐频道",
    u"南宁电台新闻综合频道",
    u"佛山电台FM946",
    u"佛山电台FM985",
    u"深圳电台1",
    u"深圳电台2",
    u"深圳电台3",
    u"珠海电台城市之声FM95.1",
    u"珠海电台交通音乐FM87.5",
    u"汉中电台音乐频率",
    u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"",
};

constexpr Category kCategories[] = {
    {u"影视频道", kFilmRows},
    {u"体育频道", kSportsRows},
    {u"儿童频道", kChildrenRows},
    {u"知名音乐电台", kMusicRadioRows},
    {u"知名网络电台", kWebRadioPicksRows},
    {u"在线直播", kLiveRows},
    {u"在线点播", kOnDemandRows},
    {u"香港", kHongKongRows},
    {u"台湾", kTaiwanRows},
    {u"央视01—08套", kCctv01To08Rows},
    {u"央视09—15套", kCctv09To15Rows},
    {u"北京、上海、天津、重庆", kMunicipalitiesRows},
    {u"河北、山西、内蒙古、辽宁、吉林", kNorthTvRows},
    {u"黑龙江、江苏、浙江、安徽、福建", kEastTvRows},
    {u"江西、山东、河南、湖北、湖南", kCentralTvRows},
    {u"广东、广西、海南、四川、贵州", kSouthTvRows},
    {u"云南、西藏、陕西、甘肃、宁夏", kWestTvRows},
    {u"青海、新疆", kQinghaiXinjiangTvRows},
    {u"河北 山西 内蒙古 辽宁 吉林", kNorthCityTvRows},
    {u"黑龙江 江苏 浙江 安徽 福建", kEastCityTvRows},
    {u"江西 山东 河南 湖北 湖南", kCentralCityTvRows},
    {u"广东 广西 海南 四川 贵州", kSouthCityTvRows},
    {u"云南 西藏 陕西 甘肃 宁夏", kWestCityTvRows},
    {u"青海 新疆", kQinghaiXinjiangCityTvRows},
    {u"网络电台", kWebRadioRows},
    {u"中央电台", kNationalRadioRows},
    {u"省级电台", kProvincialRadioRows},
    {u"地方电台", kLocalRadioRows},
};
// clang-format on

static_assert(std::size(kCategories) == 28);

}  // namespace

std::span<const Category> CategoryTable() {
  return kCategories;
}

void FillChannelList(std::u16string_view categoryName, ChannelListRows& list) {
  try {
    // Every key is compared; keys are distinct, so at most one category fills the list.
    for (const Category& category : kCategories) {
      if (category.key != categoryName) continue;
      list.clear();
      for (std::u16string_view row : category.rows) list.append(row);
    }
  } catch (...) {
    // The catalogue reports nothing; a fill that fails midway keeps the rows it appended.
  }
}

}  // namespace telvana
