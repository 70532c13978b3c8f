// Formatting a local date and time with a pattern of the kind the status-bar clock uses:
//   yyyy"年"mm"月"dd"日" dddd  hh"时"mm"分"ss"秒"
// yyyy/yy year, m/mm month, d/dd day, ddd/dddd short/long weekday name, h/hh hour (24 h),
// n/nn minutes, s/ss seconds; m/mm right after an hour means minutes. Text in double or
// single quotes is literal, as is every other character. Portable.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace telvana {

struct LocalDateTime {
  int year, month, day;
  int dayOfWeek;  // 0 = Sunday ... 6 = Saturday
  int hour, minute, second;
};

struct DayNames {
  std::array<std::u16string, 7> longNames;   // Sunday first
  std::array<std::u16string, 7> shortNames;  // Sunday first
};

std::u16string FormatDateTime(std::u16string_view pattern, const LocalDateTime& when,
                              const DayNames& names);

// The clock's pattern.
inline constexpr char16_t kClockPattern[] =
    u"yyyy\"年\"mm\"月\"dd\"日\" dddd  hh\"时\"mm\"分\"ss\"秒\"";

}  // namespace telvana
