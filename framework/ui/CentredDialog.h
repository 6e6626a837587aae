#pragma once

#include <QPointer>
#include <QShowEvent>
#include <QWidget>
#include <utility>

#include "framework/ui/Placement.h"

namespace fw {

// A dialog of Qt's that opens centred over the window it speaks for (or on the screen, without
// one). Qt places a dialog before it has its size; this one is placed again as it is shown, once
// its size is known, and before it appears.
template <class Dialog>
class CentredDialog : public Dialog {
  public:
    template <class... Args>
    explicit CentredDialog(QWidget* over, Args&&... args)
        : Dialog(std::forward<Args>(args)...), m_over(over) {}

  protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        if (!event->spontaneous()) {  // not when the window system shows it again
            CentreWindow(*this, m_over);
        }
    }

  private:
    QPointer<QWidget> m_over;
};

}  // namespace fw
