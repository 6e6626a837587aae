#include "framework/ui/Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "framework/testing/EventRecorder.h"
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
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Beep() {
    if (auto* recorder = testing::EventRecorder::Current()) {
        recorder->Record("beep");
        return;
    }
    QApplication::beep();
}

}  // namespace fw
