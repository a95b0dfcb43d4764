#pragma once
// The user's regional settings and the clock, read through one place so that
// tests can set them. Defaults come from the system locale (Qt's QLocale).
#include <functional>
#include <string>

namespace platform {

struct LocalDateTime {
  int year = 1970, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Text of a date in the short date format and of a time in the long time
// format; formats use Qt's date-time pattern letters. Texts and formats are
// Windows-1252. The system's long time format is taken without its time-zone
// part.
std::string ShortDateText(const LocalDateTime& when);
std::string LongTimeText(const LocalDateTime& when);
void SetDateTimeFormats(std::string shortDateFormat, std::string longTimeFormat);

LocalDateTime Now();
// Tests replace the clock; an empty function restores the system clock.
void SetClock(std::function<LocalDateTime()> clock);

// Back to the system's separator, formats and clock.
void ResetLocaleSettings();

}  // namespace platform
