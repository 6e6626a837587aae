#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <vector>

#include "HostWnd.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Timer.h"

namespace {

class TickWnd : public uitest::HostWnd {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(fw::ClassRecord::Builder(
            "TickWnd.TickWnd", &HostWnd::Record(), fw::AllocatorOf<TickWnd>()));
        return record;
    }
    void Timer1_Action(const fw::Ref<fw::Timer>& timer) {
        ++fired;
        firedBy = timer;
        firedAt.push_back(clock.nsecsElapsed());
    }
    int fired = 0;
    fw::Ref<fw::Timer> firedBy;
    QElapsedTimer clock;
    std::vector<qint64> firedAt;  // nanoseconds on the clock
};

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class Timers : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        m_window = fw::Cast<TickWnd>(TickWnd::Record().New());
        m_window->Constructor();
        m_timer = fw::Cast<fw::Timer>(m_window->New(fw::Timer::Record()));
        m_window->AddControl("Timer1", m_timer);
        m_timer->AddEventHandler(0,
                                 fw::MakeDelegate(&TickWnd::Timer1_Action, *m_window, "( Timer )"));
    }
    void TearDown() override { fw::CloseAllWindowsSilently(); }

    fw::Ref<TickWnd> m_window;
    fw::Ref<fw::Timer> m_timer;
};

TEST_F(Timers, SingleShotFiresOnceAndTurnsItselfOff) {
    fw::SetProperties(
        m_timer, fw::PropertyListBuilder().Integer("Period", 30).Integer("RunMode", 1).Build());
    Wait(250);
    EXPECT_EQ(m_window->fired, 1);
    EXPECT_EQ(m_window->firedBy, m_timer);
    EXPECT_EQ(m_timer->RunMode(), fw::Timer::kOff);
}

TEST_F(Timers, RepeatingTimerFiresUntilTurnedOff) {
    m_timer->SetPeriod(20);
    m_timer->SetRunMode(fw::Timer::kMultiple);
    Wait(200);
    m_timer->SetRunMode(fw::Timer::kOff);
    const int fired = m_window->fired;
    EXPECT_GE(fired, 2);
    Wait(100);
    EXPECT_EQ(m_window->fired, fired);
}

// The event loop may wake a timer early (a coarse one by up to 5 % of its interval, about every
// other time): the Action still never comes before its period has passed.
TEST_F(Timers, ActionNeverComesBeforeItsPeriodHasPassed) {
    constexpr qint64 kPeriod = 60;
    m_timer->SetPeriod(kPeriod);
    for (int shot = 1; shot <= 10; ++shot) {
        m_window->clock.start();
        m_timer->SetRunMode(fw::Timer::kSingle);
        for (int waited = 0; m_window->fired < shot && waited < 1000; waited += 5) {
            Wait(5);
        }
        ASSERT_EQ(m_window->fired, shot);
        EXPECT_GE(m_window->firedAt.back(), kPeriod * 1000000) << "shot " << shot;
    }
}

TEST_F(Timers, TimerThatIsOffNeverFires) {
    m_timer->SetPeriod(10);
    Wait(80);
    EXPECT_EQ(m_window->fired, 0);
}

}  // namespace
