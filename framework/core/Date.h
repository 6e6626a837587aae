#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/String.h"

namespace fw {

// A moment: the current date and time when made with Now().
class Date {
  public:
    static Date Now();

    // The system locale's short date and long time texts.
    String ShortDate() const;
    String LongTime() const;

    std::int64_t MillisecondsSinceEpoch() const { return m_msecsSinceEpoch; }

    // Tests fix the clock: Now() returns this moment (local time zone) until cleared.
    static void SetClockForTesting(std::function<std::int64_t()> msecsSinceEpoch);
    static void ClearClockForTesting();

  private:
    explicit Date(std::int64_t msecsSinceEpoch) : m_msecsSinceEpoch(msecsSinceEpoch) {}
    std::int64_t m_msecsSinceEpoch = 0;
};

}  // namespace fw
