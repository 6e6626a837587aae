#include "framework/ui/Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QShowEvent>
#include <cstdio>

#include "framework/testing/EventRecorder.h"
#include "framework/ui/Placement.h"
#include "framework/ui/QtConversions.h"

namespace fw {

namespace {

// A message box knows its size only as it is shown; it is placed then, before it appears.
class CentredMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (!event->spontaneous()) {  // not when the window system shows it again
            CentreWindow(*this, parentWidget());
        }
    }
};

}  // namespace

void MsgBox(const String& text) {
    ShowMessage(text);
}

void ShowMessage(const String& text) {
    if (auto* recorder = testing::EventRecorder::Current()) {
        recorder->Record("msgbox: " + text.ToStdString());
        return;
    }
    if (QApplication::instance() == nullptr) {
        // Before the runtime is up there is no screen to show a box on.
        std::fprintf(stderr, "%s\n", text.ToStdString().c_str());
        return;
    }
    // It speaks for the active window: over that one, and kept above it by the window manager.
    // Made on the heap, as that window may go while the box is shown, and take the box with it.
    QPointer<QMessageBox> box =
        new CentredMessageBox(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text),
                              QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
}

void Beep() {
    if (auto* recorder = testing::EventRecorder::Current()) {
        recorder->Record("beep");
        return;
    }
    QApplication::beep();
}

}  // namespace fw
