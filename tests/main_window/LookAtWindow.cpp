// A development aid, not a test: builds the main window on a real display (run it under
// xvfb-run), saves pictures of it at start and with a report in it, and prints a long report to
// PDF, so that a person can look at all three.
//     xvfb-run -a ./main_window_look OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "framework/testing/EventRecorder.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"

namespace {

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

bool Save(const fw::Ref<main_window::ControlWnd>& window, const QString& path) {
    Settle();
    const bool saved = window->Widget()->grab().save(path);
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
    const QDir out(QString::fromLocal8Bit(argv[1]));
    fw::testing::EventRecorder recorder;  // no modal box can stop the run

    auto window = main_window::accessors::ControlWnd();
    window->Show();
    bool ok = Save(window, out.filePath("window-start.png"));

    TypeInto(window->EditFldVars(), "12");
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
