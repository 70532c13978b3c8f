#include "player/reconnect_schedule.h"

#include <algorithm>

namespace telvana::player {

namespace {

std::u16string Number(long long n) {
  std::u16string out;
  for (const char c : std::to_string(n)) out += static_cast<char16_t>(c);
  return out;
}

}  // namespace

std::optional<ReconnectPolicy::Duration> ReconnectDelay(const ReconnectPolicy& policy, int attempt,
                                                        ReconnectPolicy::Duration sinceBreak) {
  if (attempt < 1) return std::nullopt;
  const auto index = static_cast<std::size_t>(attempt - 1);
  const ReconnectPolicy::Duration delay =
      index < policy.first.size() ? policy.first[index] : policy.then;
  if (sinceBreak + delay > policy.giveUpAfter) return std::nullopt;
  return delay;
}

std::u16string ReconnectText(ReconnectPolicy::Duration left, int attempt) {
  const long long seconds = std::max<long long>(0, (left.count() + 999) / 1000);
  return u"连接中断，" + Number(seconds) + u" 秒后重新连接（第 " + Number(attempt) + u" 次）";
}

}  // namespace telvana::player
