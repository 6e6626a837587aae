// Saves pictures of the main window as a display shows it, for a person to look at: at start,
// with a report for 10 variables and 300 subjects, and with the largest report; and prints that
// largest report to PDF. Run it on a display; under a window manager the pictures take in the
// window's frame. The README's docs/main-window.png is its window-report.png, made so:
//     xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'openbox & sleep 0.5;
//         build/release/tools/window_pictures/window_pictures OUTPUT_FOLDER'
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "framework/testing/EventRecorder.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"
#include "shell/Startup.h"

namespace {

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

bool Save(const fw::Ref<main_window::ControlWnd>& window, const QString& path) {
    Settle();
    // The window with its frame, as the screen shows it (the frame is the window manager's).
    QWidget* widget = window->Widget();
    const QRect frame = widget->frameGeometry();
    const bool saved = widget->screen()
                           ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                           .save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

void TypeInto(const fw::Ref<fw::TextArea>& field, const char* keys) {
    field->SetFocus();
    QTest::keyClicks(field->Widget(), keys);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    fw::RuntimeStartup(argc, argv);
    shell::NewAppInstance();  // the application object, with the menu bar the window shows
    const QDir out(QString::fromLocal8Bit(argv[1]));
    fw::testing::EventRecorder recorder;  // no modal box can stop the run

    auto window = main_window::accessors::ControlWnd();
    window->Show();
    bool ok = Save(window, out.filePath("window-start.png"));

    TypeInto(window->EditFldVars(), "10");
    TypeInto(window->EditFldSubs(), "300");
    window->CalculateBtn()->Push();
    ok = Save(window, out.filePath("window-report.png")) && ok;

    window->EditFldVars()->SetText("100");
    window->EditFldSubs()->SetText("2500");
    window->CalculateBtn()->Push();
    ok = Save(window, out.filePath("window-100.png")) && ok;
    const QString pdf = out.filePath("report-100.pdf");
    fw::testing::PrintDialogSeam::PrintToPdf(fw::String(pdf.toStdString()));
    window->PrintBrn()->Push();
    std::printf("printed %s\n", qPrintable(pdf));
    for (const std::string& event : recorder.Events()) {
        std::printf("seen: %s\n", event.c_str());
    }
    std::fflush(stdout);
    fw::RuntimeExit();  // the windows go while the application still lives
    return ok ? 0 : 1;
}
