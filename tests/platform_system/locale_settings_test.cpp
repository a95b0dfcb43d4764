#include "platform/system/locale_settings.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <string>

namespace {

class LocaleSettingsTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::ResetLocaleSettings(); }
};

TEST_F(LocaleSettingsTest, SeparatorCanBeSetAndReset) {
  const char system = platform::DecimalSeparator();
  platform::SetDecimalSeparator(',');
  EXPECT_EQ(platform::DecimalSeparator(), ',');
  platform::SetDecimalSeparator('.');
  EXPECT_EQ(platform::DecimalSeparator(), '.');
  platform::ResetLocaleSettings();
  EXPECT_EQ(platform::DecimalSeparator(), system);
}

TEST_F(LocaleSettingsTest, DateAndTimeTextsFollowTheFormats) {
  platform::SetDateTimeFormats("dd.MM.yyyy", "HH:mm:ss");
  const platform::LocalDateTime when{2024, 3, 7, 9, 5, 2, 250};
  EXPECT_EQ(platform::ShortDateText(when), "07.03.2024");
  EXPECT_EQ(platform::LongTimeText(when), "09:05:02");
  platform::SetDateTimeFormats("M/d/yy", "h:mm:ss AP");
  EXPECT_EQ(platform::ShortDateText(when), "3/7/24");
  EXPECT_EQ(platform::LongTimeText(platform::LocalDateTime{2024, 3, 7, 21, 5, 2, 0}), "9:05:02 PM");
}

TEST_F(LocaleSettingsTest, SystemLongTimeCarriesNoTimeZone) {
  const QString zone = QDateTime::currentDateTime().timeZoneAbbreviation();
  const std::string text = platform::LongTimeText(platform::LocalDateTime{2024, 3, 7, 13, 5, 9, 0});
  EXPECT_NE(text.find("05"), std::string::npos) << text;
  if (!zone.isEmpty()) {
    EXPECT_EQ(text.find(zone.toStdString()), std::string::npos) << text;
  }
}

TEST_F(LocaleSettingsTest, ClockCanBeReplacedAndRestored) {
  platform::SetClock([] { return platform::LocalDateTime{1999, 12, 31, 23, 59, 58, 0}; });
  const platform::LocalDateTime fixed = platform::Now();
  EXPECT_EQ(fixed.year, 1999);
  EXPECT_EQ(fixed.second, 58);
  platform::SetClock({});
  EXPECT_GE(platform::Now().year, 2024);
}

}  // namespace
