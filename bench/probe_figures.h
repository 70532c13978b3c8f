// What the Windows probes share: spans in milliseconds, the process's processor time, a
// figure of several runs reported as its median, minimum and maximum, and running the
// message loop until it is quiet.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "ui/forms.h"

namespace telvana::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration span) {
  return std::chrono::duration<double, std::milli>(span).count();
}

// This process's processor time (user and kernel) so far.
inline double ProcessorMilliseconds() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           10000.0;
  };
  return ms(kernel) + ms(user);
}

// One line: `what` in a column `width` wide, then the runs' median, minimum and maximum.
inline void ReportRuns(const char* what, std::vector<double> values, int width) {
  if (values.empty()) {
    std::printf("  %-*s  (no result)\n", width, what);
    return;
  }
  std::sort(values.begin(), values.end());
  std::printf("  %-*s  median %7.1f ms   min %7.1f   max %7.1f   (%zu runs)\n", width, what,
              values[values.size() / 2], values.front(), values.back(), values.size());
}

// Handles messages until none waits and no window of the thread needs painting.
inline void RunUntilQuiet() {
  auto& application = ui::Application();
  do {
    application.ProcessMessages();
  } while (::GetQueueStatus(QS_ALLINPUT) != 0);
}

}  // namespace telvana::bench
