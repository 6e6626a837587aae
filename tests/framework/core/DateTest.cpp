#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "framework/core/Date.h"

namespace {

class DateTest : public ::testing::Test {
  protected:
    void TearDown() override { fw::Date::ClearClockForTesting(); }
};

TEST_F(DateTest, AFixedClockGivesTheLocaleTextsOfThatLocalMoment) {
    const QDate day(2001, 2, 3);
    const QTime time(4, 5, 6);
    const qint64 moment = QDateTime(day, time).toMSecsSinceEpoch();
    fw::Date::SetClockForTesting([moment] { return moment; });

    const fw::Date now = fw::Date::Now();
    EXPECT_EQ(now.MillisecondsSinceEpoch(), moment);
    EXPECT_EQ(now.ShortDate().ToStdString(),
              QLocale::system().toString(day, QLocale::ShortFormat).toStdString());
    EXPECT_EQ(now.LongTime().ToStdString(),
              QLocale::system().toString(time, QLocale::LongFormat).toStdString());
    EXPECT_FALSE(now.ShortDate().IsEmpty());
    EXPECT_FALSE(now.LongTime().IsEmpty());
}

TEST_F(DateTest, ClearingTheClockReturnsToTheRealTime) {
    fw::Date::SetClockForTesting([] { return qint64{0}; });
    EXPECT_EQ(fw::Date::Now().MillisecondsSinceEpoch(), 0);
    fw::Date::ClearClockForTesting();
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    const qint64 now = fw::Date::Now().MillisecondsSinceEpoch();
    EXPECT_GE(now, before);
    EXPECT_LE(now, QDateTime::currentMSecsSinceEpoch());
}

}  // namespace
