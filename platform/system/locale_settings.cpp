#include "platform/system/locale_settings.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <utility>

#include "platform/text/win1252.h"

namespace platform {
namespace {

struct Settings {
  char decimalSeparator = '.';
  QString shortDateFormat;
  QString longTimeFormat;
  std::function<LocalDateTime()> clock;
};

char SeparatorOf(const QLocale& locale) {
  const std::string ansi = Utf8ToWin1252(locale.decimalPoint().toStdString());
  return ansi.size() == 1 && ansi[0] != '?' ? ansi[0] : '.';
}

// The long time format of some locales names the time zone ("t"); the
// original's time texts never carried one.
QString WithoutTimeZone(const QString& format) {
  QString out;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == u'\'') quoted = !quoted;
    if (!quoted && c == u't') {
      while (!out.isEmpty() && out.back() == u' ') out.chop(1);
      while (i + 1 < format.size() && format[i + 1] == u't') ++i;
      continue;
    }
    out.append(c);
  }
  return out.trimmed();
}

Settings SystemSettings() {
  const QLocale system = QLocale::system();
  Settings settings;
  settings.decimalSeparator = SeparatorOf(system);
  settings.shortDateFormat = system.dateFormat(QLocale::ShortFormat);
  settings.longTimeFormat = WithoutTimeZone(system.timeFormat(QLocale::LongFormat));
  return settings;
}

Settings& Current() {
  static Settings settings = SystemSettings();
  return settings;
}

LocalDateTime SystemNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return LocalDateTime{date.year(), date.month(), date.day(),
                       time.hour(), time.minute(), time.second(), time.msec()};
}

std::string ToAnsi(const QString& text) { return Utf8ToWin1252(text.toStdString()); }

QString FromAnsi(const std::string& text) { return QString::fromStdString(Win1252ToUtf8(text)); }

}  // namespace

char DecimalSeparator() { return Current().decimalSeparator; }

void SetDecimalSeparator(char separator) { Current().decimalSeparator = separator; }

std::string ShortDateText(const LocalDateTime& when) {
  const QDate date(when.year, when.month, when.day);
  return ToAnsi(QLocale::system().toString(date, Current().shortDateFormat));
}

std::string LongTimeText(const LocalDateTime& when) {
  const QTime time(when.hour, when.minute, when.second, when.millisecond);
  return ToAnsi(QLocale::system().toString(time, Current().longTimeFormat));
}

void SetDateTimeFormats(std::string shortDateFormat, std::string longTimeFormat) {
  Current().shortDateFormat = FromAnsi(shortDateFormat);
  Current().longTimeFormat = FromAnsi(longTimeFormat);
}

LocalDateTime Now() {
  const std::function<LocalDateTime()> clock = Current().clock;
  return clock ? clock() : SystemNow();
}

void SetClock(std::function<LocalDateTime()> clock) { Current().clock = std::move(clock); }

void ResetLocaleSettings() { Current() = SystemSettings(); }

}  // namespace platform
