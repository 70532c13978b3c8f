// The web addresses the program opens or names, in one place: the main window's pictures,
// the notice of categories not yet offered, and the information windows' advertisements.
#pragma once

namespace telvana {

// The maker's web site (the left picture, the notice of categories not yet offered, the
// contact window, the maker's own places on the advertisement boards).
inline constexpr wchar_t kMakerSite[] = L"http://www.korvane.cn/";
// The maker's sales site (the bottom picture, and the hint of both pictures).
inline constexpr wchar_t kSalesSite[] = L"http://shop.korvane.cn/";

// Advertisers on the information windows.
// A: 星韵网络, hosting and domains (the help window's tall picture, the disclaimer's top one).
inline constexpr wchar_t kAdvertiserA[] = L"http://www.xingyun-idc.cn/";
// B: 影音天地, a television guide (the disclaimer's bottom picture, its home page).
inline constexpr wchar_t kAdvertiserB[] = L"http://www.yytiandi.com.cn/";
// The New Year programme page on B's site (the public-service board).
inline constexpr wchar_t kNewYearProgramme[] =
    L"http://www.yytiandi.com.cn/Article/jiemu/jiemu2006/200601/124.html";
// C: 飞鸿软件园, software downloads (the version window's top picture).
inline constexpr wchar_t kAdvertiserC[] = L"http://www.feihongsoft.cn/";
// D: 极速网吧联盟, internet cafés (the version window's bottom picture).
inline constexpr wchar_t kAdvertiserD[] = L"http://www.jisu-wangba.cn/";
// E: 金鼎电脑城, a computer market (the commercial board, box 1).
inline constexpr wchar_t kAdvertiserE[] = L"http://www.jinding-pc.cn/";
// F: 乐游游戏, online games (the commercial board, box 3).
inline constexpr wchar_t kAdvertiserF[] = L"http://www.leyou-game.cn/";
// G: 鸿运手机商城, mobile telephones (the commercial board, box 4).
inline constexpr wchar_t kAdvertiserG[] = L"http://www.hongyun-mobile.cn/";
// H: 绿野论坛, a forum (the friendship board, box 3).
inline constexpr wchar_t kAdvertiserH[] = L"http://bbs.lvye-net.cn/";
// The online shop page on the friendship board (box 1): the maker's shop on 易购商城.
inline constexpr wchar_t kShopPage[] = L"http://www.yigou-mall.cn/shop/korvane.html";

}  // namespace telvana
