#include "framework/ui/Canvas.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

#include "framework/graphics/Picture.h"

namespace fw {

// The widget of a Canvas: paints the backdrop and hands presses to the canvas.
class CanvasView : public QWidget {
  public:
    explicit CanvasView(Canvas* owner) : m_owner(owner) {}
    void Detach() { m_owner = nullptr; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (m_owner == nullptr) {
            return;
        }
        QPainter painter(this);
        if (!m_owner->m_transparent) {
            painter.fillRect(rect(), palette().color(QPalette::Window));
        }
        if (const Ref<Picture>& picture = m_owner->m_backdrop) {
            // A scaled screen has more than one pixel to a point: the picture's most detailed
            // pixels fill its place there, where the plain ones would be blown up. The ratio is
            // the painted device's, which is not the widget's when it is rendered elsewhere.
            if (painter.paintEngine()->paintDevice()->devicePixelRatio() > 1.0) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(QRectF(0, 0, picture->Width(), picture->Height()),
                                  picture->Detailed());
            } else {
                painter.drawImage(QPoint(0, 0), picture->Image());
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (m_owner != nullptr && m_owner->MouseDown(at.x(), at.y())) {
            event->accept();
            return;
        }
        event->ignore();  // the press goes on to the window
    }

  private:
    Canvas* m_owner;
};

const ClassRecord& Canvas::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("Canvas", &RectControl::Record(), AllocatorOf<Canvas>()));
    return record;
}

Canvas::Canvas() : RectControl(new CanvasView(this)) {}

Canvas::~Canvas() {
    if (auto* view = static_cast<CanvasView*>(WidgetOrNull())) {
        view->Detach();
    }
}

void Canvas::SetBackdrop(const Ref<Picture>& picture) {
    m_backdrop = picture;
    Widget()->update();
}

bool Canvas::MouseDown(std::int64_t x, std::int64_t y) {
    EventArgs args;
    args.x = x;
    args.y = y;
    return RaiseEvent(kMouseDown, args);
}

std::span<const Control::EventSpec> Canvas::Events() const {
    static constexpr std::array<EventSpec, 1> kEvents = {{
        {kMouseDown, "MouseDown", EventShape::SenderPosition,
         "( Canvas, Integer, Integer ) as Boolean"},
    }};
    return kEvents;
}

const PropertyTable& Canvas::Properties() const {
    static const PropertyTable table =
        PropertyTable::For<Canvas>(CommonProperties())
            .Boolean("Transparent",
                     [](Canvas& canvas, bool transparent) {
                         canvas.m_transparent = transparent;
                         canvas.Widget()->update();
                     })
            .Boolean("AllowFocus", Store(&Canvas::m_allowFocus, &Canvas::ApplyFocusPolicy))
            .Ignored({"AllowFocusRing", "AllowTabs", "DoubleBuffer"});
    return table;
}

void Canvas::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(!m_allowFocus ? Qt::NoFocus
                                           : (TabStop() ? Qt::StrongFocus : Qt::ClickFocus));
}

}  // namespace fw
