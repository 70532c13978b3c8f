// The maker's web addresses, in one place: the pictures, the notices and the information
// windows open or name them.
#pragma once

namespace telvana {

// The maker's web site (the left picture, the notice of categories not yet offered).
inline constexpr wchar_t kMakerSite[] = L"http://www.korvane.cn/";
// The maker's sales site (the bottom picture, and the hint of both pictures).
inline constexpr wchar_t kSalesSite[] = L"http://shop.korvane.cn/";

}  // namespace telvana
