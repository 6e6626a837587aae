#include "framework/core/Date.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <utility>

namespace fw {

namespace {

std::function<std::int64_t()>& TestClock() {
    static std::function<std::int64_t()> clock;
    return clock;
}

String FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QDateTime LocalDateTime(std::int64_t msecsSinceEpoch) {
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::LocalTime);
}

}  // namespace

Date Date::Now() {
    const auto& clock = TestClock();
    return Date(clock ? clock() : QDateTime::currentMSecsSinceEpoch());
}

String Date::ShortDate() const {
    return FromQString(
        QLocale::system().toString(LocalDateTime(m_msecsSinceEpoch).date(), QLocale::ShortFormat));
}

String Date::LongTime() const {
    return FromQString(
        QLocale::system().toString(LocalDateTime(m_msecsSinceEpoch).time(), QLocale::LongFormat));
}

void Date::SetClockForTesting(std::function<std::int64_t()> msecsSinceEpoch) {
    TestClock() = std::move(msecsSinceEpoch);
}

void Date::ClearClockForTesting() {
    TestClock() = nullptr;
}

}  // namespace fw
