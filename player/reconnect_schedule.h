// When a live stream that broke while playing is opened again: after 1, 2, 4, 8 and 16
// seconds, then every 30 seconds, until five minutes have passed since it broke. The times
// are data so that tests can shorten them. Portable.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace telvana::player {

struct ReconnectPolicy {
  using Duration = std::chrono::milliseconds;
  std::vector<Duration> first{Duration(1000), Duration(2000), Duration(4000), Duration(8000),
                              Duration(16000)};
  Duration then{30000};
  Duration giveUpAfter{300000};
  Duration tick{1000};  // how often the countdown on the bar is brought up to date
};

// The wait before attempt `attempt` (1 for the first), `sinceBreak` after the stream broke;
// none when that attempt would come later than the policy allows.
std::optional<ReconnectPolicy::Duration> ReconnectDelay(const ReconnectPolicy& policy, int attempt,
                                                        ReconnectPolicy::Duration sinceBreak);

// The bar's text while it waits: "连接中断，N 秒后重新连接（第 K 次）", N rounded up.
std::u16string ReconnectText(ReconnectPolicy::Duration left, int attempt);

}  // namespace telvana::player
