#pragma once

#include <cstdint>
#include <memory>

#include "framework/ui/Control.h"

namespace fw {

// A timer that a window holds among its controls by name. RunMode 0 is off, 1 a single shot
// (the Action comes once, Period milliseconds after the mode or period was set; the mode then
// returns to 0), 2 repeating (each Action Period milliseconds after the one before). An Action
// never comes before its Period has passed. Event 0 Action "( Timer )".
class Timer : public Control {
  public:
    static constexpr std::int64_t kAction = 0;
    static constexpr std::int64_t kOff = 0;
    static constexpr std::int64_t kSingle = 1;
    static constexpr std::int64_t kMultiple = 2;

    static const ClassRecord& Record();

    Timer();
    ~Timer() override;

    std::int64_t Period() const { return m_period; }
    void SetPeriod(std::int64_t milliseconds);
    std::int64_t RunMode() const { return m_runMode; }
    void SetRunMode(std::int64_t mode);

    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override;

  private:
    void Restart();
    // Asks the event loop to wake the timer once that much time has passed.
    void Wake(std::int64_t nanoseconds);
    void Tick();
    void Fire();

    struct Clock;
    std::unique_ptr<Clock> m_clock;
    std::int64_t m_period = 1000;
    std::int64_t m_runMode = kOff;
};

}  // namespace fw
