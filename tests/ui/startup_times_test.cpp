// The start-up record: each moment belongs to one part, inner parts take their time from
// outer ones, and nothing is kept unless the record was started.
#include "ui/startup_times.h"

#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <thread>

namespace telvana {
namespace {

using namespace std::chrono_literals;

double At(const std::array<double, kStartupPartCount>& ms, StartupPart part) {
  return ms[static_cast<int>(part)];
}

TEST(StartupTimes, InnerPartsTakeTheirTimeFromOuterOnesAndThePartsAddUpToTheWhole) {
  const auto before = std::chrono::steady_clock::now();
  StartStartupTimes();
  {
    StartupScope outer(StartupPart::kDescriptions);
    std::this_thread::sleep_for(20ms);
    {
      StartupScope inner(StartupPart::kPictures);
      std::this_thread::sleep_for(30ms);
    }
  }
  SwitchStartupPart(StartupPart::kShow);
  std::this_thread::sleep_for(10ms);
  const auto ms = StopStartupTimes();
  const double whole =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();

  EXPECT_GE(At(ms, StartupPart::kDescriptions), 20.0);
  EXPECT_GE(At(ms, StartupPart::kPictures), 30.0);
  EXPECT_GE(At(ms, StartupPart::kShow), 10.0);
  EXPECT_EQ(At(ms, StartupPart::kWindows), 0.0);
  // Counting the inner part in the outer one too would make the sum exceed the whole.
  EXPECT_LE(std::accumulate(ms.begin(), ms.end(), 0.0), whole);
  EXPECT_FALSE(StartupTimesRecording());
}

TEST(StartupTimes, NothingIsKeptWithoutAStart) {
  {
    StartupScope part(StartupPart::kPictures);
    std::this_thread::sleep_for(5ms);
    // A part that began before the record did is not counted when it ends.
    StartStartupTimes();
  }
  const auto ms = StopStartupTimes();
  EXPECT_EQ(At(ms, StartupPart::kPictures), 0.0);
  const auto again = StopStartupTimes();
  EXPECT_EQ(std::accumulate(again.begin(), again.end(), 0.0), 0.0);
}

}  // namespace
}  // namespace telvana
