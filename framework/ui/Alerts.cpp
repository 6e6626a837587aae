#include "framework/ui/Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <cstdio>

#include "framework/testing/EventRecorder.h"
#include "framework/ui/CentredDialog.h"
#include "framework/ui/DialogOwner.h"
#include "framework/ui/QtConversions.h"

namespace fw {

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
    // Over the window it speaks for, and kept above that one by the window manager. Made on the
    // heap, as that window may go while the box is shown, and take the box with it.
    QWidget* owner = DialogOwner();
    QPointer<QMessageBox> box =
        new CentredDialog<QMessageBox>(owner, QMessageBox::NoIcon, QApplication::applicationName(),
                                       ToQString(text), QMessageBox::Ok, owner);
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
