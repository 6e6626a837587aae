#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "framework/core/Date.h"

namespace {

TEST(Date, AFixedClockGivesTheLocaleTextsOfThatLocalMomentUntilItIsCleared) {
    const QDateTime moment(QDate(2001, 2, 3), QTime(4, 5, 6));
    fw::Date::SetClockForTesting([&] { return moment.toMSecsSinceEpoch(); });
    const fw::Date now = fw::Date::Now();
    const QLocale locale = QLocale::system();
    EXPECT_EQ(now.ShortDate().ToStdString(),
              locale.toString(moment.date(), QLocale::ShortFormat).toStdString());
    EXPECT_EQ(now.LongTime().ToStdString(),
              locale.toString(moment.time(), QLocale::LongFormat).toStdString());

    fw::Date::ClearClockForTesting();
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    EXPECT_GE(fw::Date::Now().MillisecondsSinceEpoch(), before);
}

}  // namespace
