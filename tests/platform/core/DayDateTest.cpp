#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "tests/support/QtPrinters.h"

namespace {

TEST(DayDateTest, DayNumbersOfKnownDates) {
  struct Case {
    int y, mo, d, h, mi, s, ms;
    TDateTime value;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0, 0, 0.0},     {1899, 12, 31, 0, 0, 0, 0, 1.0},
      {1900, 1, 1, 0, 0, 0, 0, 2.0},       {2000, 1, 1, 0, 0, 0, 0, 36526.0},
      {2024, 2, 29, 12, 0, 0, 0, 45351.5}, {2000, 1, 1, 6, 0, 0, 0, 36526.25},
      {1899, 12, 29, 6, 0, 0, 0, -1.25},  // negative days keep a positive time of day
      {1899, 12, 29, 18, 0, 0, 0, -1.75},  {1899, 12, 28, 0, 0, 0, 0, -2.0},
      {1899, 12, 30, 12, 0, 0, 0, 0.5},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(DayDate::Encode(c.y, c.mo, c.d, c.h, c.mi, c.s, c.ms), c.value)
        << c.y << '-' << c.mo << '-' << c.d;
    const QDateTime dt = DayDate::ToDateTime(c.value);
    EXPECT_EQ(dt, QDateTime(QDate(c.y, c.mo, c.d), QTime(c.h, c.mi, c.s, c.ms), Qt::UTC)) << c.value;
    EXPECT_EQ(dt.timeSpec(), Qt::UTC);
    EXPECT_EQ(DayDate::ToDate(c.value), QDate(c.y, c.mo, c.d));
    EXPECT_EQ(DayDate::ToTime(c.value), QTime(c.h, c.mi, c.s, c.ms));
    EXPECT_DOUBLE_EQ(DayDate::FromDateTime(dt), c.value);
  }
  EXPECT_EQ(DayDate::BaseDate(), QDate(1899, 12, 30));
  // -0.5 is the classic alternative spelling of 30/12/1899 12:00.
  EXPECT_EQ(DayDate::ToDateTime(-0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0), Qt::UTC));
}

TEST(DayDateTest, TimesKeepMillisecondsRoundedToTheNearest) {
  EXPECT_EQ(DayDate::ToTime(0.5), QTime(12, 0, 0, 0));
  const TDateTime t = DayDate::Encode(2023, 10, 29, 2, 30, 15, 123);
  EXPECT_EQ(DayDate::ToDateTime(t), QDateTime(QDate(2023, 10, 29), QTime(2, 30, 15, 123), Qt::UTC));
  EXPECT_EQ(DayDate::ToTime(DayDate::Encode(2023, 1, 1, 23, 59, 59, 999)), QTime(23, 59, 59, 999));
  // A hair before midnight is the next day, never 24:00.
  EXPECT_EQ(DayDate::ToDateTime(1.99999999999), QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(DayDate::ToDateTime(-1.99999999999), QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(DayDate::ToTime(1.0 + 0.4 / 86400000.0), QTime(0, 0, 0, 0));
  EXPECT_EQ(DayDate::ToTime(1.0 + 0.6 / 86400000.0), QTime(0, 0, 0, 1));
  EXPECT_DOUBLE_EQ(DayDate::FromTime(QTime(18, 0)), 0.75);
  EXPECT_DOUBLE_EQ(DayDate::FromDate(QDate(2000, 1, 1)), 36526.0);
}

TEST(DayDateTest, DateOfAndTimeOfSplitTheValue) {
  EXPECT_DOUBLE_EQ(DayDate::DateOf(45351.75), 45351.0);
  EXPECT_DOUBLE_EQ(DayDate::TimeOf(45351.75), 0.75);
  EXPECT_DOUBLE_EQ(DayDate::DateOf(-1.25), -1.0);
  EXPECT_DOUBLE_EQ(DayDate::TimeOf(-1.25), 0.25);
  EXPECT_DOUBLE_EQ(DayDate::DateOf(1.99999999999), 2.0);
  EXPECT_DOUBLE_EQ(DayDate::TimeOf(1.99999999999), 0.0);
}

TEST(DayDateTest, WallClockIsKeptWhateverTheZone) {
  const QDate d(2023, 3, 26);  // a daylight-saving change day in Spain
  const QTime t(2, 30);
  const TDateTime expected = DayDate::Encode(2023, 3, 26, 2, 30);
  EXPECT_DOUBLE_EQ(DayDate::FromDateTime(QDateTime(d, t, Qt::UTC)), expected);
  EXPECT_DOUBLE_EQ(DayDate::FromDateTime(QDateTime(d, t, Qt::OffsetFromUTC, 3600)), expected);
  EXPECT_DOUBLE_EQ(DayDate::FromDateTime(QDateTime(d, QTime(13, 0), Qt::LocalTime)),
                   DayDate::Encode(2023, 3, 26, 13, 0));
}

TEST(DayDateTest, NowAndTodayReadTheLocalClock) {
  TDateTime today = 0;
  TDateTime now = 0;
  for (int i = 0; i < 3; ++i) {  // retry when the day changes in between
    today = DayDate::Today();
    now = DayDate::Now();
    if (DayDate::Today() == today) break;
  }
  EXPECT_EQ(today, std::floor(today));
  EXPECT_DOUBLE_EQ(today, DayDate::FromDate(QDate::currentDate()));
  EXPECT_GE(now, today);
  EXPECT_LT(now, today + 1.0);
  const QTime local = QTime::currentTime();
  EXPECT_NEAR(DayDate::TimeOf(now) * 86400.0, local.msecsSinceStartOfDay() / 1000.0, 5.0);
}

TEST(DayDateTest, DisplayStringAndBadInput) {
  EXPECT_EQ(DayDate::ToDisplayString(0.0), QStringLiteral("30/12/1899"));
  EXPECT_EQ(DayDate::ToDisplayString(DayDate::Encode(2024, 2, 29, 13, 5, 9)),
            QStringLiteral("29/02/2024 13:05:09"));
  EXPECT_EQ(DayDate::ToDisplayString(-1.25), QStringLiteral("29/12/1899 06:00:00"));
  EXPECT_EQ(DayDate::ToDisplayString(DayDate::Encode(2024, 1, 2, 0, 0, 0, 400)),
            QStringLiteral("02/01/2024 00:00:00"));

  EXPECT_THROW(DayDate::Encode(2023, 2, 29), EConvertError);
  EXPECT_THROW(DayDate::Encode(2023, 1, 1, 24, 0), EConvertError);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(DayDate::ToDateTime(nan).isValid());
  EXPECT_FALSE(DayDate::ToDate(1e300).isValid());
  EXPECT_TRUE(DayDate::ToDisplayString(std::numeric_limits<double>::infinity()).isEmpty());
  EXPECT_DOUBLE_EQ(DayDate::FromDateTime(QDateTime()), DayDate::kZeroDay);
  EXPECT_DOUBLE_EQ(DayDate::FromDate(QDate()), DayDate::kZeroDay);
}

}  // namespace
