#include "player/reconnect_schedule.h"

#include <gtest/gtest.h>

namespace telvana::player {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(ReconnectDelay, DoublesThenEveryHalfMinuteForFiveMinutes) {
  const ReconnectPolicy policy;
  milliseconds since{0};
  std::vector<long long> waits;
  for (int attempt = 1;; ++attempt) {
    const auto delay = ReconnectDelay(policy, attempt, since);
    if (!delay) break;
    waits.push_back(std::chrono::duration_cast<seconds>(*delay).count());
    since += *delay + milliseconds(200);  // each attempt takes a moment
  }
  // 1+2+4+8+16 = 31 s, then 30 s waits while the next one still ends within 300 s.
  const std::vector<long long> expected{1, 2, 4, 8, 16, 30, 30, 30, 30, 30, 30, 30, 30};
  EXPECT_EQ(waits, expected);
  EXPECT_FALSE(ReconnectDelay(policy, 0, milliseconds(0)));
}

TEST(ReconnectText, CountsDownWholeSecondsRoundedUp) {
  EXPECT_EQ(ReconnectText(milliseconds(3001), 2), u"连接中断，4 秒后重新连接（第 2 次）");
  EXPECT_EQ(ReconnectText(milliseconds(3000), 2), u"连接中断，3 秒后重新连接（第 2 次）");
  EXPECT_EQ(ReconnectText(milliseconds(-5), 1), u"连接中断，0 秒后重新连接（第 1 次）");
}

}  // namespace
}  // namespace telvana::player
