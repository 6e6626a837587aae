#include "framework/ui/Timer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <limits>

namespace fw {

namespace {

constexpr std::int64_t kNanosecondsPerMillisecond = 1000000;

// A period in nanoseconds; the event loop counts at most the largest int of milliseconds.
std::int64_t Nanoseconds(std::int64_t milliseconds) {
    return std::min<std::int64_t>(milliseconds, std::numeric_limits<int>::max()) *
           kNanosecondsPerMillisecond;
}

}  // namespace

// The event loop's timer wakes the Timer; the elapsed clock decides whether its period is over.
// (An event loop may wake a timer a little early: a coarse timer by up to 5 % of its interval.)
struct Timer::Clock {
    QPointer<QTimer> timer;
    QElapsedTimer sinceStart;  // since the period began
};

const ClassRecord& Timer::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("Timer", &Control::Record(), AllocatorOf<Timer>()));
    return record;
}

Timer::Timer() : m_clock(std::make_unique<Clock>()) {
    auto* timer = new QTimer;
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    m_clock->timer = timer;
    QObject::connect(timer, &QTimer::timeout, timer, [this] { Tick(); });
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
    m_clock->sinceStart.start();
    Wake(Nanoseconds(m_period));
}

void Timer::Wake(std::int64_t nanoseconds) {
    // Whole milliseconds, rounded up.
    const std::int64_t milliseconds =
        (nanoseconds + kNanosecondsPerMillisecond - 1) / kNanosecondsPerMillisecond;
    m_clock->timer->start(static_cast<int>(
        std::clamp<std::int64_t>(milliseconds, 0, std::numeric_limits<int>::max())));
}

void Timer::Tick() {
    const std::int64_t left = Nanoseconds(m_period) - m_clock->sinceStart.nsecsElapsed();
    if (left > 0) {
        Wake(left);  // woken early: the Action never comes before the period is over
        return;
    }
    if (m_runMode == kMultiple) {
        // The next period begins now.
        m_clock->sinceStart.start();
        Wake(Nanoseconds(m_period));
    }
    Fire();
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
