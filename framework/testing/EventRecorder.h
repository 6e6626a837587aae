#pragma once

#include <string>
#include <vector>

namespace fw::testing {

// Records, in order, what the user would see or hear: "beep", "msgbox: <text>" and
// "focus: <control name>". While a recorder lives, message boxes are answered at once, without
// a modal loop, and beeps are silent.
class EventRecorder {
  public:
    EventRecorder();
    ~EventRecorder();
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    const std::vector<std::string>& Events() const { return m_events; }
    void Clear() { m_events.clear(); }

    // The recorder in charge, the latest made; nil when none lives.
    static EventRecorder* Current();
    void Record(std::string event) { m_events.push_back(std::move(event)); }

  private:
    EventRecorder* m_previous;
    std::vector<std::string> m_events;
};

}  // namespace fw::testing
