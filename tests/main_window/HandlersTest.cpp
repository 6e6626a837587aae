// The window's handlers besides Print: Calculate through the real window (the keys typed into its
// fields, the tables in its hidden text areas, the report in its output area with the window's
// line ends), the disclaimer, the help picture, Clear, Quit, closing, and the About menu item
// with the real shell behind it.
#include <QEnterEvent>
#include <algorithm>
#include <functional>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "framework/core/Date.h"
#include "framework/core/Exceptions.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuCommands.h"
#include "framework/ui/Application.h"
#include "framework/ui/Label.h"
#include "framework/ui/Runtime.h"
#include "main_window/Texts.h"
#include "shell/AboutAccessors.h"
#include "shell/Menu.h"
#include "shell/Startup.h"
#include "shell/Vantrex.h"
#include "tests/calc/FakeCalculateWindow.h"
#include "tests/support/TestText.h"

namespace mwtest {
namespace {

// The whole report as the Calculate action writes it from the committed tables at the same moment,
// a CR ending each head line, with the window's footer; nothing is left of the earlier text.
TEST_F(MainWindowTest, CalculateWritesTheWholeReportIntoTheOutputArea) {
    ClickHelp();                          // the output area holds the information text first
    Type(window->EditFldVars(), "1000");  // the fields take 3 and 4 characters
    Type(window->EditFldSubs(), "25000");
    fw::Date::SetClockForTesting([] { return std::int64_t{1700000000000}; });
    window->CalculateBtn()->Push();
    calc::testing::FakeCalculateWindow action;
    action.Press("2500", "100");
    fw::Date::ClearClockForTesting();
    const std::string footer = action.kFooter;
    EXPECT_EQ(Out(), action.out.replace(action.out.find(footer), footer.size(),
                                        "Vantrex Analysis (c) 2000-2020 Vantrex Analytics."));
    // The random eigenvalues of a correlation matrix add up to the number of variables, and
    // descend, row by row.
    static const std::regex row(R"( +\d+ +(\d\.\d{4}) +\.\d{4})");
    std::vector<double> eigenvalues;
    for (const std::string& line : testsupport::Lines(Out())) {
        std::smatch match;
        if (std::regex_match(line, match, row)) {
            eigenvalues.push_back(std::stod(match[1]));
        }
    }
    EXPECT_EQ(eigenvalues.size(), 100u);
    EXPECT_TRUE(std::is_sorted(eigenvalues.rbegin(), eigenvalues.rend()));
    EXPECT_NEAR(std::accumulate(eigenvalues.begin(), eigenvalues.end(), 0.0), 100.0, 0.01);
}

// The window's limits, inclusive, and what the user hears and sees for an entry beyond them.
TEST_F(MainWindowTest, EntriesBeyondTheLimitsBeepTellAndTakeTheFocus) {
    const std::vector<std::string> rejected = {"beep",
                                               "msgbox: Number of subjects must be 100-2,500",
                                               "focus: EditFldSubs",
                                               "msgbox: Number of variables must be 5-100.",
                                               "beep",
                                               "focus: EditFldVars"};
    for (const auto& [vars, subs] : {std::pair{"4", "99"}, {"101", "2501"}, {"5", "100"}}) {
        SCOPED_TRACE(std::string(vars) + "/" + subs);
        const bool accepted = std::string(vars) == "5";
        window->EditFldOut()->SetText("earlier");
        recorder.Clear();
        Calculate(vars, subs);
        EXPECT_EQ(recorder.Events(),
                  accepted ? std::vector<std::string>{"focus: EditFldVars"} : rejected);
        EXPECT_EQ(Out() == "earlier", !accepted);
    }
}

// Each in turn, with the disclaimer shown again before it.
TEST_F(MainWindowTest, EveryReachForTheOutputAreaHidesTheDisclaimer) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"the pointer entering",
         [&] { QApplication::sendEvent(window->EditFldOut()->Widget(), &enter); }},
        {"the focus coming", [&] { window->EditFldOut()->SetFocus(); }},
        {"a click on the disabled disclaimer, which the output area beneath takes",
         [&] {
             window->EditFldVars()->SetFocus();
             QWidget* disclaimer = window->DisclaimFld()->Widget();
             const QPoint at = disclaimer->mapTo(window->Widget(), disclaimer->rect().center());
             QTest::mouseClick(window->Widget()->windowHandle(), Qt::LeftButton, {}, at);
             EXPECT_TRUE(window->EditFldOut()->HasFocus());
         }},
        {"the Tab key from the subjects field",
         [&] {
             window->EditFldSubs()->SetFocus();
             QTest::keyClick(window->EditFldSubs()->Widget(), Qt::Key_Tab);
         }},
        {"a key, which is still typed",
         [&] { QTest::keyClicks(window->EditFldOut()->Widget(), "ok"); }},
        {"Clear", [&] { window->ClearBtn()->Push(); }},
        {"the help picture", [&] { ClickHelp(); }},
        {"Calculate, even with both entries rejected", [&] { Calculate("", ""); }},
    };
    // Typing into the input fields changes nothing but their text.
    Type(window->EditFldVars(), "12");
    Type(window->EditFldSubs(), "300");
    EXPECT_EQ(Out(), "");
    EXPECT_TRUE(window->DisclaimFld()->Visible());
    for (const auto& [way, act] : ways) {
        SCOPED_TRACE(way);
        window->DisclaimFld()->SetVisible(true);
        act();
        EXPECT_FALSE(window->DisclaimFld()->Visible());
        EXPECT_FALSE(window->DisclaimFld()->Widget()->isVisible());
        EXPECT_EQ(Out() == "ok", std::string(way).starts_with("a key"));
    }
}

// The help picture replaces the output with one copy of the information, and does nothing else.
// Clear empties the fields and goes to the variables.
TEST_F(MainWindowTest, HelpPictureShowsTheInformationAndClearEmptiesTheFields) {
    Calculate("7", "120");
    window->EditFldVars()->SetFocus();
    recorder.Clear();
    ClickHelp();
    ClickHelp();
    EXPECT_EQ(window->EditFldOut()->Text(), main_window::InformationText());
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_TRUE(window->EditFldVars()->HasFocus());
    EXPECT_EQ(window->Vars, 7);

    window->EditFldOut()->SetFocus();
    recorder.Clear();
    window->ClearBtn()->Push();
    for (const auto& field : {window->EditFldVars(), window->EditFldSubs(), window->EditFldOut()}) {
        EXPECT_EQ(field->Text(), "") << field->Name().ToStdString();
    }
    EXPECT_EQ(recorder.Events(), std::vector<std::string>{"focus: EditFldVars"});
}

TEST_F(MainWindowTest, QuitAndCloseBothAskToQuitWithCodeZero) {
    const std::function<void()> ways[] = {[&] { window->QuitBtn()->Push(); },
                                          [&] { window->Close(); }};
    for (const auto& quit : ways) {
        window = main_window::accessors::ControlWnd();
        quit();
        EXPECT_TRUE(fw::QuitRequested());
        EXPECT_EQ(fw::RuntimeExit(), 0);
        fw::RuntimeRun();  // returns at once and takes the request back
    }
}

TEST_F(MainWindowTest, AboutItemIsEnabledAndShowsTheAboutWindow) {
    shell::NewAppInstance();
    shell::AboutVantrex()->SetEnabled(false);
    window->RaiseEvent("EnableMenuItems");
    EXPECT_TRUE(shell::AboutVantrex()->Enabled());
    fw::ChooseMenuItem(*window, shell::AboutVantrex());
    EXPECT_TRUE(shell::AboutWnd()->IsShown());
    // A menu bar without the item: enabling it raises rather than crashes.
    shell::App()->SetMenuBar(std::make_shared<fw::MenuBar>());
    EXPECT_THROW(window->Event_EnableMenuItems(), fw::NilObjectException);
    fw::RuntimeRegisterAppObject(nullptr);
    shell::classes::Menu::implicitInstance = nullptr;
}

TEST_F(MainWindowTest, WithoutItsControlsTheHandlersRaiseInsteadOfCrashing) {
    auto bare = fw::Cast<main_window::ControlWnd>(main_window::ControlWnd::Record().New());
    bare->Event_Activate();
    EXPECT_EQ(bare->EditFldOut(), nullptr);
    EXPECT_THROW(bare->ClearBtn_Action(nullptr), fw::NilObjectException);
    EXPECT_THROW(bare->Canvas2_MouseDown(nullptr, 0, 0), fw::NilObjectException);
    EXPECT_THROW(bare->CalculateBtn_Action(nullptr), fw::NilObjectException);
    EXPECT_THROW(bare->AddMenuHandlers(nullptr), fw::NilObjectException);
    EXPECT_THROW(bare->AddMenuHandlers(shell::AboutWnd()), fw::IllegalCastException);
    bare->AddControl("EditFldOut", bare->New(fw::Label::Record()));
    EXPECT_THROW(bare->EditFldOut(), fw::IllegalCastException);
}

}  // namespace
}  // namespace mwtest
