#pragma once

#include <cstdint>

#include "framework/ui/RectControl.h"

namespace fw {

// A push button. Event 15 Action "( PushButton )": the button was pressed.
class PushButton : public RectControl {
  public:
    static constexpr std::int64_t kAction = 15;

    static const ClassRecord& Record();

    PushButton();
    ~PushButton() override;

    String Caption() const { return m_caption; }
    void SetCaption(const String& caption);
    bool Default() const { return m_default; }
    bool Cancel() const { return m_cancel; }

    // Presses the button as a click does.
    void Push();

    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override;
    void ApplyFocusPolicy() override;

  private:
    String m_caption;
    bool m_default = false;
    bool m_cancel = false;
};

}  // namespace fw
