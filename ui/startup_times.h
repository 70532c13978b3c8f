// Where start-up time goes: a record of the parts of the program's start (reading the window
// descriptions, decoding pictures, creating windows, ...), kept only when asked for. Each
// moment of the start belongs to exactly one part: a part entered inside another takes its
// time away from the outer one, so the parts add up to the whole start.
//
// When nobody asked, entering a part costs one test of a flag: the record stays compiled in
// so that the figures come from the program as shipped.
#pragma once

#include <array>
#include <string_view>

namespace telvana {

enum class StartupPart {
  kOther,         // whatever no other part claims
  kInitialise,    // COM, common controls, window classes, the application window
  kDescriptions,  // reading the stored descriptions into components
  kPictures,      // decoding the JPEG pictures they carry
  kSkinData,      // parsing the stored skin
  kWindows,       // creating the windows of the forms and their controls
  kShortcut,      // renewing the desktop shortcut
  kChannelList,   // filling the channel list with the first category
  kShow,          // showing and activating the main window
  kFirstPaint,    // from then on until every window has painted
  kCount
};
inline constexpr int kStartupPartCount = static_cast<int>(StartupPart::kCount);
inline constexpr std::string_view kStartupPartNames[kStartupPartCount] = {
    "other",   "initialise", "descriptions", "pictures", "skin-data",
    "windows", "shortcut",   "channel-list", "show",     "first-paint"};

namespace startup_detail {
extern bool recording;
void Enter(StartupPart part);
void Leave();
}  // namespace startup_detail

inline bool StartupTimesRecording() {
  return startup_detail::recording;
}

// Starts the record: the time from now on is counted, first as kOther.
void StartStartupTimes();
// Ends the record and gives the milliseconds spent in each part.
std::array<double, kStartupPartCount> StopStartupTimes();
// Moves the outermost level to `part` (for parts that end where another begins, such as
// showing the window and then waiting for its paint).
void SwitchStartupPart(StartupPart part);

// The time from construction to destruction belongs to `part` (less what inner parts take).
class StartupScope {
 public:
  explicit StartupScope(StartupPart part) : active_(startup_detail::recording) {
    if (active_) startup_detail::Enter(part);
  }
  ~StartupScope() {
    if (active_) startup_detail::Leave();
  }
  StartupScope(const StartupScope&) = delete;
  StartupScope& operator=(const StartupScope&) = delete;

 private:
  bool active_;
};

}  // namespace telvana
