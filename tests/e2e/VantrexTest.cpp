#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Desktop.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"
#include "tests/support/TestText.h"

// The real program on a virtual display, driven as a user drives it: the mouse, the keyboard and
// the clipboard. Screenshots of what the user saw go to the build tree's e2e/screens folder.

namespace {

using e2e::Point;

// The main window's content, in its own coordinates: the points a user aims at.
constexpr Point kVariablesField{259, 111};
constexpr Point kSubjectsField{259, 138};
constexpr Point kOutputArea{230, 300};  // where the disclaimer lies over it at first
constexpr Point kOutputAreaBesideDisclaimer{30, 350};
constexpr Point kDisclaimer{50, 176};  // its top-left corner; it is 350 x 158
constexpr Point kCalculateButton{56, 388};
constexpr Point kPrintButton{171, 388};
// The start of the report's second line in the output area, and the report's line height.
constexpr Point kReportLine2{22, 184};
constexpr int kReportLineHeight = 12;
constexpr Point kQuitButton{406, 388};
constexpr int kContentHeight = 420;
// The Edit menu's title on the menu bar, from the window's top-left corner.
constexpr Point kEditMenu{56, 9};

// The lines of a report but its first, which holds the date and time of the calculation.
std::vector<std::string> AfterTheTime(const std::string& report) {
    std::vector<std::string> lines = testsupport::Lines(report);
    lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(1, lines.size()));
    return lines;
}

// Those of the report the main window writes for these numbers, made here by the same window
// headless.
std::vector<std::string> ReportFor(const char* vars, const char* subs) {
    fw::testing::EnsureRuntimeForTests();
    fw::Ref<main_window::ControlWnd> window = main_window::accessors::ControlWnd();
    window->Event_Activate();
    window->EditFldVars()->SetText(vars);
    window->EditFldSubs()->SetText(subs);
    window->CalculateBtn_Action(window->CalculateBtn());
    return AfterTheTime(window->EditFldOut()->Text().ToStdString());
}

void Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

class Vantrex : public ::testing::Test {
  protected:
    // The program on a screen of that size, at that scale: points of its windows are `scale`
    // screen pixels apart.
    explicit Vantrex(const std::string& screen = "1024x768", int scale = 1)
        : desktop(screen), scale(scale) {}

    void SetUp() override {
        ASSERT_TRUE(desktop.Ready()) << "no virtual display";
        std::filesystem::create_directories(VANTREX_SCREENS_DIR);
        app.emplace(std::vector<std::string>{"env", desktop.DisplayEntry(), "QT_QPA_PLATFORM=xcb",
                                             "QT_SCALE_FACTOR=" + std::to_string(scale),
                                             VANTREX_BINARY});
    }

    // The About window has no title of its own; the platform shows the application's name.
    std::string WaitForAbout() { return desktop.WaitForWindow("vantrex", "Vantrex"); }
    std::string WaitForMain(int seconds = 10) {
        return desktop.WaitForWindow("vantrex", "Vantrex Analysis", seconds);
    }

    // A point of the main window's content, below its menu bar, on the screen.
    Point OnMain(const std::string& window, Point at) {
        std::vector<int> g = desktop.Geometry(window);
        return {g[0] + at.x * scale, g[1] + g[3] - (kContentHeight - at.y) * scale};
    }

    void ClickMain(const std::string& window, Point at) { desktop.ClickAt(OnMain(window, at)); }

    // What the user copies out of a field or the output area (all of it), copying again for a
    // while until it holds the awaited text.
    std::string CopyFrom(const std::string& window, Point at, const std::string& awaited = "") {
        ClickMain(window, at);
        std::string copied;
        for (int attempt = 0; attempt < 20; ++attempt) {
            Pause(attempt == 0 ? 0 : 200);
            desktop.Keys("ctrl+a ctrl+c");
            copied = desktop.Clipboard();
            if (copied.find(awaited) != std::string::npos) {
                break;
            }
        }
        return copied;
    }

    // Whether the disclaimer's grey text shows over the output area.
    bool DisclaimerShown(const std::string& main) {
        Pause(300);  // a pointer that enters the output area hides it at once
        const Point at = OnMain(main, kDisclaimer);
        const std::string mean = desktop.Run(
            "import -window root -crop 350x158+" + std::to_string(at.x) + "+" +
            std::to_string(at.y) + " +repage -colorspace Gray -format '%[fx:mean]' info:");
        return !mean.empty() && std::stod(mean) < 0.99;  // white is 1
    }

    // A window titled with the application's name (the About window, a message box) that is not
    // the one given, waiting up to five seconds.
    std::string WaitForAboutOtherThan(const std::string& earlier) {
        std::string window = WaitForAbout();
        for (int attempt = 0; attempt < 50 && window == earlier; ++attempt) {
            Pause(100);
            window = WaitForAbout();
        }
        return window == earlier ? std::string() : window;
    }

    Point CentreOf(const std::string& window) {
        std::vector<int> g = desktop.Geometry(window);
        return {g[0] + g[2] / 2, g[1] + g[3] / 2};
    }

    // Edit, then up to its last item: "About Vantrex Analysis".
    void ChooseAboutItem(const std::string& main) {
        std::vector<int> m = desktop.Geometry(main);
        desktop.ClickAt({m[0] + kEditMenu.x * scale, m[1] + kEditMenu.y * scale});
        desktop.Keys("Up Return");
    }

    static std::string Screen(const char* name) {
        return std::string(VANTREX_SCREENS_DIR) + "/" + name;
    }

    e2e::Desktop desktop;  // outlives the program shown on it
    const int scale;
    std::optional<e2e::Process> app;
};

// The first walk through the program. The About window has no close button: a window manager's
// request to close it (Alt+F4) is refused, and its timer still hands over after four seconds.
// Return or keypad Enter in an input field presses Calculate, as a click does: its message on a
// bad entry, the focus where its handler puts it, the report. The fields take no line break; the
// output area does.
TEST_F(Vantrex, AboutFirstThenAfterFourSecondsTheMainWindowCalculateAndQuitWithTheButton) {
    const std::string about = WaitForAbout();
    ASSERT_FALSE(about.empty()) << "the About window did not appear";
    const auto shown = std::chrono::steady_clock::now();
    EXPECT_EQ(desktop.Geometry(about)[2], 249);
    EXPECT_EQ(desktop.Geometry(about)[3], 200);
    EXPECT_TRUE(desktop.Screenshot(Screen("about.png")));
    EXPECT_TRUE(desktop.RequestClose(about));
    const std::string main = WaitForMain(12);
    ASSERT_FALSE(main.empty()) << "the main window did not appear";
    EXPECT_GE(std::chrono::steady_clock::now() - shown, std::chrono::milliseconds(3000));
    EXPECT_TRUE(desktop.WaitForWindow("vantrex", "Vantrex", 1).empty())
        << "the About window stayed";

    // It opened under the pointer resting at the screen's centre, where the display puts it, over
    // the disclaimer: the pointer has not entered the output area, and the disclaimer stays. Then
    // the pointer jumps onto the disabled disclaimer from outside the window, never crossing the
    // output area's edge: the click still goes to the output area beneath, and so do the keys,
    // Return a line break there.
    EXPECT_TRUE(DisclaimerShown(main)) << "gone as the window opened under the resting pointer";
    desktop.MoveTo({0, 0});
    ClickMain(main, kOutputArea);
    EXPECT_FALSE(DisclaimerShown(main));
    desktop.Keys("x Return y");
    EXPECT_EQ(CopyFrom(main, kOutputAreaBesideDisclaimer), "x\ny");

    ClickMain(main, kVariablesField);
    desktop.Type("7");
    desktop.Keys("Return");
    ASSERT_FALSE(desktop.WaitForWindow("vantrex", "Vantrex", 5).empty())
        << "no message on the empty subjects field";
    EXPECT_TRUE(desktop.Screenshot(Screen("return-with-no-subjects.png")));
    desktop.Keys("Return");
    ASSERT_TRUE(desktop.WaitForWindow("vantrex", "Vantrex", 1).empty()) << "the message stayed";
    Pause(300);
    desktop.Type("120");  // Calculate's handler put the focus into the subjects field
    ClickMain(main, kCalculateButton);

    // The report, as the user copies it out of the output area.
    const std::vector<std::string> report =
        AfterTheTime(CopyFrom(main, kOutputArea, "Number of subjects"));
    EXPECT_EQ(report, ReportFor("7", "120"));
    EXPECT_EQ(CopyFrom(main, kVariablesField), "7");
    ClickMain(main, kCalculateButton);  // the selection goes; the report is shown as written
    Pause(300);
    EXPECT_TRUE(desktop.Screenshot(Screen("main-with-report.png")));

    // Its second and third lines dragged onto the subjects field, which has room for one more
    // character: the field takes a copy of what fits, and the report keeps both lines.
    const Point line2 = OnMain(main, kReportLine2);
    const Point line4 = OnMain(main, {kReportLine2.x, kReportLine2.y + 2 * kReportLineHeight});
    desktop.DragFromTo(line2, line4);
    desktop.DragFromTo({line2.x + 40, line2.y + kReportLineHeight / 2},
                       OnMain(main, kSubjectsField));
    Pause(300);
    EXPECT_TRUE(desktop.Screenshot(Screen("report-dragged-to-subjects.png")));
    EXPECT_EQ(AfterTheTime(CopyFrom(main, kOutputArea)), report);
    std::string subjectsField = CopyFrom(main, kSubjectsField);  // the N of "Number", dropped
    EXPECT_EQ(std::erase(subjectsField, 'N'), 1u);
    EXPECT_EQ(subjectsField, "120");

    desktop.Type("300");  // over the whole entry, still selected
    desktop.Keys("KP_Enter");
    EXPECT_EQ(AfterTheTime(CopyFrom(main, kOutputArea, "subjects:   300")), ReportFor("7", "300"));
    EXPECT_EQ(CopyFrom(main, kSubjectsField), "300");
    ClickMain(main, kQuitButton);
    EXPECT_EQ(app->WaitForExit(10000), std::optional<int>(0));
}

// The program at a scale of 1 or 2, the latter on a larger screen, which has room for its windows.
class Placement : public ::testing::WithParamInterface<int>, public Vantrex {
  protected:
    Placement() : Vantrex(GetParam() == 1 ? "1024x768" : "1280x1024", GetParam()) {}
};

// Without a window manager a window's frame is the window itself, so the centres are exact but for
// rounding: the About window and the main window on the screen, then, once the main window was
// moved, the About window again, two message boxes in a row and the print dialog over it, where it
// keeps its place. The About window shown again from the About item is the same window, and a key
// hands over, which uncovers the disclaimer under the resting pointer: the pointer enters the
// output area only as it moves.
TEST_P(Placement, EachWindowOpensCentredOnTheScreenOrOverTheWindowItSpeaksFor) {
    const Point screen = GetParam() == 1 ? Point{512, 384} : Point{640, 512};  // its centre
    struct Opened {
        const char* window;
        Point centre;
        Point expected;
    };
    std::vector<Opened> opened;
    const std::string about = WaitForAbout();
    ASSERT_FALSE(about.empty());
    opened.push_back({"About", CentreOf(about), screen});
    desktop.ClickAt(CentreOf(about));
    const std::string main = WaitForMain(2);
    ASSERT_FALSE(main.empty()) << "no hand-off on the click, before the timer's";
    opened.push_back({"main", CentreOf(main), screen});

    // Moved by the user towards the top-left corner, it stays there from now on.
    desktop.Xdotool("windowmove --sync " + main + " 20 30");
    const Point mainCentre = CentreOf(main);
    ChooseAboutItem(main);
    ASSERT_EQ(WaitForAbout(), about);
    const Point aboutCentre = CentreOf(about);
    opened.push_back({"About again", aboutCentre, mainCentre});
    desktop.MoveTo(aboutCentre);
    desktop.Keys("space");  // an About window left there would keep the place grey below
    EXPECT_TRUE(DisclaimerShown(main));
    desktop.Xdotool("mousemove_relative --sync 5 5");
    EXPECT_FALSE(DisclaimerShown(main));
    opened.push_back({"main again", CentreOf(main), mainCentre});

    // Calculate with both entries empty: two message boxes in a row, titled with the application's
    // name as the About window is, once that one is gone. No window is active as the first one
    // closes, and the second one still speaks for the main window.
    ClickMain(main, kCalculateButton);
    const std::string subjectsBox = WaitForAboutOtherThan(about);
    ASSERT_FALSE(subjectsBox.empty()) << "no message on the empty subjects field";
    opened.push_back({"message box", CentreOf(subjectsBox), mainCentre});
    desktop.Keys("Return");
    const std::string variablesBox = WaitForAboutOtherThan(subjectsBox);
    ASSERT_FALSE(variablesBox.empty()) << "no message on the empty variables field";
    opened.push_back({"second message box", CentreOf(variablesBox), mainCentre});
    desktop.Keys("Return");

    // The print dialog, asked for from the main window, opens over it too.
    desktop.Type("7");  // the focus is in the variables field, where the second message left it
    ClickMain(main, kSubjectsField);
    desktop.Type("120");
    ClickMain(main, kCalculateButton);
    ClickMain(main, kPrintButton);
    const std::string print = desktop.WaitForWindow("vantrex", "Print");
    ASSERT_FALSE(print.empty()) << "no print dialog";
    Pause(300);  // it is placed as it is shown; nothing moves it after
    opened.push_back({"print dialog", CentreOf(print), mainCentre});
    EXPECT_TRUE(desktop.Screenshot(Screen("print-dialog.png")));
    desktop.Keys("Escape");
    ASSERT_TRUE(desktop.WaitForWindow("vantrex", "Print", 1).empty()) << "the dialog stayed";

    for (const Opened& each : opened) {
        EXPECT_NEAR(each.centre.x, each.expected.x, 3) << each.window;
        EXPECT_NEAR(each.centre.y, each.expected.y, 3) << each.window;
    }
    ClickMain(main, kVariablesField);
    desktop.Keys("ctrl+q");
    EXPECT_EQ(app->WaitForExit(10000), std::optional<int>(0));
}

INSTANTIATE_TEST_SUITE_P(Scales, Placement, ::testing::Values(1, 2),
                         [](const auto& info) { return "Scale" + std::to_string(info.param); });

}  // namespace
