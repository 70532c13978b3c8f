#include "app/date_format.h"

namespace telvana {

namespace {
std::u16string Digits(int value, std::size_t width) {
  std::u16string out;
  const bool negative = value < 0;
  unsigned v = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v);
  while (out.size() < width) out.insert(out.begin(), u'0');
  if (negative) out.insert(out.begin(), u'-');
  return out;
}

char16_t Lower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}
}  // namespace

std::u16string FormatDateTime(std::u16string_view pattern, const LocalDateTime& when,
                              const DayNames& names) {
  std::u16string out;
  bool afterHour = false;  // an m/mm field right after an hour field is minutes
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (c == u'"' || c == u'\'') {
      const std::size_t end = pattern.find(c, i + 1);
      const std::size_t stop = end == std::u16string_view::npos ? pattern.size() : end;
      out.append(pattern.substr(i + 1, stop - i - 1));
      i = stop == pattern.size() ? stop : stop + 1;
      continue;
    }
    const char16_t key = Lower(c);
    std::size_t run = 1;
    while (i + run < pattern.size() && Lower(pattern[i + run]) == key) ++run;
    const int weekday = ((when.dayOfWeek % 7) + 7) % 7;
    switch (key) {
      case u'y':
        out += run <= 2 ? Digits(when.year % 100, 2) : Digits(when.year, 4);
        afterHour = false;
        break;
      case u'm':
        if (afterHour)
          out += Digits(when.minute, run >= 2 ? 2 : 1);
        else
          out += Digits(when.month, run >= 2 ? 2 : 1);
        afterHour = false;
        run = std::min<std::size_t>(run, 2);
        break;
      case u'd':
        if (run >= 4)
          out += names.longNames[weekday];
        else if (run == 3)
          out += names.shortNames[weekday];
        else
          out += Digits(when.day, run);
        afterHour = false;
        run = std::min<std::size_t>(run, 4);
        break;
      case u'h':
        out += Digits(when.hour, run >= 2 ? 2 : 1);
        afterHour = true;
        run = std::min<std::size_t>(run, 2);
        break;
      case u'n':
        out += Digits(when.minute, run >= 2 ? 2 : 1);
        afterHour = false;
        run = std::min<std::size_t>(run, 2);
        break;
      case u's':
        out += Digits(when.second, run >= 2 ? 2 : 1);
        run = std::min<std::size_t>(run, 2);
        break;
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

}  // namespace telvana
