#pragma once

#include <cstdint>

#include "framework/ui/RectControl.h"

namespace fw {

class Picture;

// A drawing area. Its Backdrop is painted at the picture's own size at the top-left corner.
// Event 21 MouseDown "( Canvas, Integer, Integer ) as Boolean": a press at x, y in the canvas;
// False leaves the press to the window. Without a handler the press is the window's.
class Canvas : public RectControl {
  public:
    static constexpr std::int64_t kMouseDown = 21;

    static const ClassRecord& Record();

    Canvas();
    ~Canvas() override;

    Ref<Picture> Backdrop() const { return m_backdrop; }
    // A nil picture shows nothing.
    void SetBackdrop(const Ref<Picture>& picture);
    bool Transparent() const { return m_transparent; }

    const PropertyTable& Properties() const override;

  protected:
    std::span<const EventSpec> Events() const override;
    void ApplyFocusPolicy() override;

  private:
    friend class CanvasView;
    bool MouseDown(std::int64_t x, std::int64_t y);

    Ref<Picture> m_backdrop;
    bool m_transparent = false;
    bool m_allowFocus = false;
};

}  // namespace fw
