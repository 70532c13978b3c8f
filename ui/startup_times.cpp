#include "ui/startup_times.h"

#include <chrono>

namespace telvana {

namespace {

using Clock = std::chrono::steady_clock;

// The one record of the process: start-up happens once, and the parts that report to it
// (the picture decoder, the skin data, the forms) know nothing of each other.
struct Record {
  std::array<Clock::duration, kStartupPartCount> spent{};
  // The parts entered and not yet left; deeper nesting than this is counted, not kept.
  static constexpr int kMaxDepth = 16;
  std::array<StartupPart, kMaxDepth> stack{};
  int depth = 0;
  Clock::time_point since;

  StartupPart Current() const { return stack[depth < kMaxDepth ? depth : kMaxDepth - 1]; }
  // Gives the time since the last change to the part that was current.
  void Charge() {
    const Clock::time_point now = Clock::now();
    spent[static_cast<int>(Current())] += now - since;
    since = now;
  }
};

Record record;

}  // namespace

namespace startup_detail {

bool recording = false;

void Enter(StartupPart part) {
  record.Charge();
  ++record.depth;
  if (record.depth < Record::kMaxDepth) record.stack[record.depth] = part;
}

void Leave() {
  // A part may end after the record has (the report is written from inside the loop that
  // showing started).
  if (!recording || record.depth == 0) return;
  record.Charge();
  --record.depth;
}

}  // namespace startup_detail

void StartStartupTimes() {
  record = Record{};
  record.since = Clock::now();
  startup_detail::recording = true;
}

void SwitchStartupPart(StartupPart part) {
  if (!startup_detail::recording) return;
  record.Charge();
  record.stack[0] = part;
}

std::array<double, kStartupPartCount> StopStartupTimes() {
  std::array<double, kStartupPartCount> ms{};
  if (!startup_detail::recording) return ms;
  record.Charge();
  startup_detail::recording = false;
  for (int i = 0; i < kStartupPartCount; ++i) {
    ms[i] = std::chrono::duration<double, std::milli>(record.spent[i]).count();
  }
  return ms;
}

}  // namespace telvana
