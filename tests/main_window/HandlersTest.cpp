// The window's handlers besides Calculate and Print: the disclaimer, the help picture, Clear,
// Quit, closing, and the About menu item.
#include <QEnterEvent>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ShellStandIns.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/menus/MenuCommands.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextField.h"
#include "main_window/Texts.h"

namespace mwtest {
namespace {

// Each way of reaching the output area, on a new window each time: the disclaimer goes.
TEST_F(MainWindowTest, DisclaimerGoesWhenThePointerEntersTheOutputArea) {
    ASSERT_TRUE(window->DisclaimFld()->Visible());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(window->EditFldOut()->Widget(), &enter);
    EXPECT_FALSE(window->DisclaimFld()->Visible());
    EXPECT_FALSE(window->DisclaimFld()->Widget()->isVisible());
}

TEST_F(MainWindowTest, DisclaimerGoesWhenTheOutputAreaTakesTheFocus) {
    ASSERT_TRUE(window->DisclaimFld()->Visible());
    window->EditFldVars()->SetFocus();  // the input fields leave it alone
    EXPECT_TRUE(window->DisclaimFld()->Visible());
    window->EditFldOut()->SetFocus();
    EXPECT_FALSE(window->DisclaimFld()->Visible());
}

TEST_F(MainWindowTest, KeyInTheOutputAreaHidesTheDisclaimerAndIsStillTyped) {
    window->EditFldOut()->Widget()->setFocus();
    window->DisclaimFld()->SetVisible(true);  // as before any focus came
    QTest::keyClicks(window->EditFldOut()->Widget(), "ok");
    EXPECT_FALSE(window->DisclaimFld()->Visible());
    EXPECT_EQ(window->EditFldOut()->Text(), "ok");
}

TEST_F(MainWindowTest, DisclaimerGoesOnClearHelpAndCalculate) {
    window->ClearBtn()->Push();
    EXPECT_FALSE(window->DisclaimFld()->Visible());

    window->DisclaimFld()->SetVisible(true);
    QTest::mouseClick(window->Canvas2()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(window->DisclaimFld()->Visible());

    window->DisclaimFld()->SetVisible(true);
    Calculate("", "");  // even when both entries are rejected
    EXPECT_FALSE(window->DisclaimFld()->Visible());
}

TEST_F(MainWindowTest, HelpPictureReplacesTheReportWithOneCopyOfTheInformation) {
    Calculate("7", "120");
    window->EditFldVars()->SetFocus();
    recorder.Clear();
    QTest::mouseClick(window->Canvas2()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->EditFldOut()->Text(), window->infoFld()->Text());
    QTest::mouseClick(window->Canvas2()->Widget(), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(window->EditFldOut()->Text(), main_window::InformationText());
    // Neither the focus nor the state moved.
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_TRUE(window->EditFldVars()->HasFocus());
    EXPECT_EQ(window->Vars, 7);
    EXPECT_EQ(window->Subs, 120);
}

TEST_F(MainWindowTest, ClearEmptiesTheFieldsAndKeepsTheAcceptedNumbers) {
    Calculate("7", "120");
    window->EditFldOut()->SetFocus();
    recorder.Clear();
    window->ClearBtn()->Push();
    EXPECT_EQ(window->EditFldVars()->Text(), "");
    EXPECT_EQ(window->EditFldSubs()->Text(), "");
    EXPECT_EQ(window->EditFldOut()->Text(), "");
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"focus: EditFldVars"}));
    EXPECT_TRUE(window->EditFldVars()->HasFocus());
    EXPECT_EQ(window->Vars, 7);
    EXPECT_EQ(window->Subs, 120);
}

TEST_F(MainWindowTest, TypingInTheInputFieldsChangesOnlyTheirText) {
    Type(window->EditFldVars(), "12");
    Type(window->EditFldSubs(), "300");
    EXPECT_EQ(window->EditFldVars()->Text(), "12");
    EXPECT_EQ(window->EditFldSubs()->Text(), "300");
    EXPECT_EQ(window->EditFldOut()->Text(), "");
    EXPECT_TRUE(window->DisclaimFld()->Visible());
    EXPECT_EQ(window->Vars, 0);
}

TEST_F(MainWindowTest, QuitAndCloseBothAskToQuitWithCodeZero) {
    ASSERT_FALSE(fw::QuitRequested());
    window->QuitBtn()->Push();
    EXPECT_TRUE(fw::QuitRequested());
    window->Close();  // a second request is harmless
    EXPECT_EQ(fw::RuntimeExit(), 0);
    fw::RuntimeRun();  // returns at once and takes the request back
    EXPECT_FALSE(fw::QuitRequested());

    window = main_window::accessors::ControlWnd();
    window->Close();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
    fw::RuntimeRun();
}

TEST_F(MainWindowTest, AboutItemIsEnabledAndShowsTheOneAboutWindow) {
    AboutItem()->SetEnabled(false);
    window->RaiseEvent("EnableMenuItems");
    EXPECT_TRUE(AboutItem()->Enabled());

    fw::ChooseMenuItem(*window, AboutItem());
    auto about = AboutWindow();
    EXPECT_TRUE(about->IsShown());
    fw::ChooseMenuItem(*window, AboutItem());  // already shown: the same window again
    EXPECT_EQ(AboutWindow(), about);
    int aboutWindows = 0;
    for (const auto& open : fw::OpenWindows()) {
        aboutWindows += open->Class().Name() == "AboutStandIn.AboutStandIn" ? 1 : 0;
    }
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_FALSE(window->AboutVantrex_Action());
}

// A menu bar without the About item: enabling fails with the framework's message, and the
// window goes on working.
TEST_F(MainWindowTest, MissingAboutItemIsReportedAndHarmless) {
    SetAboutItemMissing(true);
    window->RaiseEvent("EnableMenuItems");
    SetAboutItemMissing(false);
    ASSERT_EQ(recorder.Events().size(), 1u);
    EXPECT_NE(recorder.Events()[0].find("NilObjectException"), std::string::npos)
        << recorder.Events()[0];
    Calculate("7", "120");
    EXPECT_EQ(window->Vars, 7);
}

// AddMenuHandlers takes only a main window.
TEST_F(MainWindowTest, MenuHandlersBindOnlyToAMainWindow) {
    EXPECT_THROW(window->AddMenuHandlers(AboutWindow()), fw::IllegalCastException);
    EXPECT_THROW(window->AddMenuHandlers(nullptr), fw::NilObjectException);
    EXPECT_NO_THROW(window->AddMenuHandlers(window));
}

}  // namespace
}  // namespace mwtest
