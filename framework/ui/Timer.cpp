#include "framework/ui/Timer.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <limits>

namespace fw {

struct Timer::Clock {
    QPointer<QTimer> timer;
};

const ClassRecord& Timer::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("Timer", &Control::Record(), AllocatorOf<Timer>()));
    return record;
}

Timer::Timer() : m_clock(std::make_unique<Clock>()) {
    auto* timer = new QTimer;
    m_clock->timer = timer;
    QObject::connect(timer, &QTimer::timeout, timer, [this] { Fire(); });
}

Timer::~Timer() {
    if (QTimer* timer = m_clock->timer) {
        timer->stop();
        QObject::disconnect(timer, &QTimer::timeout, nullptr, nullptr);
        // Never deleted here: this may run inside the timer's own timeout.
        timer->deleteLater();
    }
}

void Timer::SetPeriod(std::int64_t milliseconds) {
    m_period = std::max<std::int64_t>(milliseconds, 0);
    Restart();
}

void Timer::SetRunMode(std::int64_t mode) {
    m_runMode = (mode == kSingle || mode == kMultiple) ? mode : kOff;
    Restart();
}

void Timer::Restart() {
    QTimer* timer = m_clock->timer;
    timer->stop();
    if (m_runMode == kOff) {
        return;
    }
    timer->setSingleShot(m_runMode == kSingle);
    timer->start(
        static_cast<int>(std::min<std::int64_t>(m_period, std::numeric_limits<int>::max())));
}

void Timer::Fire() {
    if (m_runMode == kSingle) {
        m_runMode = kOff;
    }
    RaiseEvent(kAction);
}

const PropertyTable& Timer::Properties() const {
    static const PropertyTable table =
        PropertyTable::For<Timer>()
            .Integer("Period", [](Timer& timer, std::int64_t period) { timer.SetPeriod(period); })
            .Integer("RunMode", [](Timer& timer, std::int64_t mode) { timer.SetRunMode(mode); });
    return table;
}

std::span<const Control::EventSpec> Timer::Events() const {
    static constexpr std::array<EventSpec, 1> kEvents = {{
        {kAction, "Action", EventShape::Sender, "( Timer )"},
    }};
    return kEvents;
}

}  // namespace fw
