#include <gtest/gtest.h>

#include <QTest>

#include "HostWnd.h"

namespace {

using uitest::HostWnd;

class Timers : public uitest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = HostWnd::Make();
        m_timer = fw::Cast<fw::Timer>(m_window->New(fw::Timer::Record()));
        m_timer->AddEventHandler(fw::Timer::kAction,
                                 fw::MakeDelegate(&HostWnd::Ticked, *m_window, "( Timer )"));
    }
    std::size_t Fired() const { return m_window->tickedAt.size(); }

    fw::Ref<HostWnd> m_window;
    fw::Ref<fw::Timer> m_timer;
};

// The event loop may wake a timer early: the Action still never comes before its period has
// passed. A single shot fires once and turns itself off.
TEST_F(Timers, ASingleShotFiresOnceAndNeverEarly) {
    constexpr qint64 kPeriod = 30;
    for (std::size_t shot = 1; shot <= 5; ++shot) {
        m_window->clock.start();
        fw::SetProperties(m_timer, fw::PropertyListBuilder()
                                       .Integer("Period", kPeriod)
                                       .Integer("RunMode", fw::Timer::kSingle)
                                       .Build());
        ASSERT_TRUE(QTest::qWaitFor([&] { return Fired() == shot; }, 1000));
        EXPECT_GE(m_window->tickedAt.back(), kPeriod * 1000000) << "shot " << shot;
    }
    QTest::qWait(2 * kPeriod);
    EXPECT_EQ(Fired(), 5u);
}

TEST_F(Timers, ARepeatingTimerFiresUntilTurnedOff) {
    m_timer->SetPeriod(10);
    QTest::qWait(30);
    EXPECT_EQ(Fired(), 0u);  // off until a run mode is set
    m_timer->SetRunMode(fw::Timer::kMultiple);
    QTest::qWait(100);
    m_timer->SetRunMode(fw::Timer::kOff);
    const std::size_t fired = Fired();
    EXPECT_GE(fired, 2u);
    QTest::qWait(50);
    EXPECT_EQ(Fired(), fired);
}

}  // namespace
