#include "app/date_format.h"

#include <gtest/gtest.h>

#include <string>

namespace telvana {
namespace {

DayNames ChineseNames() {
  return {{u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六"},
          {u"日", u"一", u"二", u"三", u"四", u"五", u"六"}};
}

DayNames EnglishNames() {
  return {{u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
          {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"}};
}

// 08:05:09 on Sunday 15 January 2006.
constexpr LocalDateTime kSunday{2006, 1, 15, 0, 8, 5, 9};

std::u16string Format(std::u16string_view pattern, const LocalDateTime& when = kSunday,
                      const DayNames& names = ChineseNames()) {
  return FormatDateTime(pattern, when, names);
}

TEST(ClockFormat, TheStatusBarClock) {
  EXPECT_EQ(Format(kClockPattern), u"2006年01月15日 星期日  08时05分09秒");
  EXPECT_EQ(Format(kClockPattern, {2009, 12, 31, 4, 23, 59, 58}),
            u"2009年12月31日 星期四  23时59分58秒");
  EXPECT_EQ(Format(kClockPattern, kSunday, EnglishNames()), u"2006年01月15日 Sunday  08时05分09秒");
}

TEST(ClockFormat, MonthOrMinuteDependsOnThePrecedingField) {
  const LocalDateTime when{2006, 3, 15, 3, 8, 45, 9};  // month 3, minute 45
  EXPECT_EQ(Format(u"mm", when), u"03");
  EXPECT_EQ(Format(u"hh:mm", when), u"08:45");
  EXPECT_EQ(Format(u"hh\"时\"mm", when), u"08时45");  // across quoted text
  EXPECT_EQ(Format(u"hh'h' mm", when), u"08h 45");    // across quotes and a blank
  EXPECT_EQ(Format(u"h:m", when), u"8:45");
  EXPECT_EQ(Format(u"mm/dd hh mm", when), u"03/15 08 45");
  EXPECT_EQ(Format(u"hh dd mm", when), u"08 15 03");  // a day in between: month again
  EXPECT_EQ(Format(u"hh:mm mm", when), u"08:45 03");  // only the first one after the hour
  EXPECT_EQ(Format(u"yyyy hh nn mm", when), u"2006 08 45 03");
  EXPECT_EQ(Format(u"hh:nn:ss", when), u"08:45:09");
}

TEST(ClockFormat, SingleLetterFieldsHaveNoLeadingZero) {
  const LocalDateTime when{2006, 1, 5, 4, 8, 5, 9};
  EXPECT_EQ(Format(u"yy m d h n s", when), u"06 1 5 8 5 9");
  EXPECT_EQ(Format(u"yyyy-mm-dd hh:nn:ss", when), u"2006-01-05 08:05:09");
  EXPECT_EQ(Format(u"d", {2006, 1, 25, 3, 18, 45, 30}), u"25");
  EXPECT_EQ(Format(u"h n s", {2006, 1, 25, 3, 18, 45, 30}), u"18 45 30");
  EXPECT_EQ(Format(u"yyyy", {987, 1, 1, 0, 0, 0, 0}), u"0987");
  EXPECT_EQ(Format(u"yy", {2000, 1, 1, 6, 0, 0, 0}), u"00");
}

TEST(ClockFormat, LettersAreCaseInsensitive) {
  EXPECT_EQ(Format(u"YYYY-MM-DD HH:MM:SS"), u"2006-01-15 08:05:09");
  EXPECT_EQ(Format(u"DDDD ddd", kSunday, EnglishNames()), u"Sunday Sun");
}

TEST(ClockFormat, WeekdayNamesFollowTheDay) {
  const DayNames names = EnglishNames();
  for (int day = 0; day < 7; ++day) {
    const LocalDateTime when{2006, 1, 15 + day, day, 0, 0, 0};
    EXPECT_EQ(Format(u"dddd", when, names), names.longNames[day]);
    EXPECT_EQ(Format(u"ddd", when, names), names.shortNames[day]);
  }
  EXPECT_EQ(Format(u"dddd"), u"星期日");
  EXPECT_EQ(Format(u"ddd"), u"日");
}

TEST(ClockFormat, QuotedAndOtherTextIsLiteral) {
  EXPECT_EQ(Format(u"\"yyyy mm dd\""), u"yyyy mm dd");
  EXPECT_EQ(Format(u"'hh:nn'"), u"hh:nn");
  EXPECT_EQ(Format(u"\"it's\" yyyy"), u"it's 2006");  // the other kind of quote inside
  EXPECT_EQ(Format(u"'say \"hi\"'"), u"say \"hi\"");
  EXPECT_EQ(Format(u"\"\"yyyy"), u"2006");    // an empty quotation
  EXPECT_EQ(Format(u"yyyy\"年"), u"2006年");  // an open quote runs to the end
  EXPECT_EQ(Format(u"年月日 ,.:/-"), u"年月日 ,.:/-");
  EXPECT_EQ(Format(u"at"), u"at");
  EXPECT_EQ(Format(u""), u"");
}

}  // namespace
}  // namespace telvana
