#include "playlists/import_notice.h"

#include <string>

namespace telvana::playlists {
namespace {

// In SkipReason's order.
constexpr std::u16string_view kReasons[] = {u"本地或相对路径", u"不支持的地址类型", u"缺少地址",
                                            u"已在列表中", u"列表已满"};
static_assert(std::size(kReasons) == static_cast<std::size_t>(SkipReason::kCount));

std::u16string Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string ImportNotice(const MergeResult& result) {
  std::u16string text = u"导入了 " + Number(result.taken) + u" 个频道";
  const std::size_t skipped = result.skipped.Total();
  if (skipped == 0) return text + u"。";
  // One reason a line: the notice stays narrow however many reasons there are.
  text += u"，略过 " + Number(skipped) + u" 个：";
  for (std::size_t i = 0; i < std::size(kReasons); ++i) {
    const std::size_t n = result.skipped.counts[i];
    if (n != 0) text += u"\n    " + std::u16string(kReasons[i]) + u" " + Number(n) + u" 个";
  }
  return text;
}

}  // namespace telvana::playlists
