// The main window as a class: its shared instance, its state on activation, its event table and
// reflection list, and the controls its layout makes.
#include <QWidget>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "calc/Tables.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"
#include "main_window/Texts.h"

namespace mwtest {
namespace {

using main_window::ControlWnd;

TEST_F(MainWindowTest, AccessorGivesTheSameWindowEveryTime) {
    EXPECT_EQ(main_window::accessors::ControlWnd(), window);
    EXPECT_EQ(main_window::accessors::ControlWnd(), window);
    int held = 0;
    for (const auto& open : fw::OpenWindows()) {
        held += open->Class().Name() == "ControlWnd.ControlWnd" ? 1 : 0;
    }
    EXPECT_EQ(held, 1);
    EXPECT_EQ(window->Title(), "Vantrex Analysis");
    EXPECT_EQ(window->Content()->size(), QSize(470, 420));
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->HasMaximizeButton());
}

TEST_F(MainWindowTest, ActivationSetsTheLimitsAndForgetsTheLastCalculation) {
    EXPECT_EQ(window->Vars, 0);
    EXPECT_EQ(window->Subs, 0);
    EXPECT_EQ(window->VarMin, 5);
    EXPECT_EQ(window->VarMax, 100);
    EXPECT_EQ(window->SubMin, 100);
    EXPECT_EQ(window->SubMax, 2500);
    EXPECT_EQ(window->kEOL.View(), "\r");

    Calculate("7", "120");
    ASSERT_EQ(window->Vars, 7);
    ASSERT_EQ(window->Subs, 120);
    const std::string report = Out();
    Activate();
    EXPECT_EQ(window->Vars, 0);
    EXPECT_EQ(window->Subs, 0);
    EXPECT_EQ(Out(), report);  // the report stays on screen
    EXPECT_FALSE(window->DisclaimFld()->Visible());
}

TEST_F(MainWindowTest, AnswersExactlyItsSixWindowEvents) {
    for (const char* event :
         {"Activate", "AddMenuHandlers", "Close", "CreateControls", "EnableMenuItems", "Layout"}) {
        EXPECT_TRUE(window->IsEventImplemented(event)) << event;
    }
    for (const char* event : {"Open", "CancelClose", "MouseDown", "KeyDown", "Deactivate", ""}) {
        EXPECT_FALSE(window->IsEventImplemented(event)) << event;
    }
}

TEST_F(MainWindowTest, ReflectionListsOperationsThenProperties) {
    std::vector<std::string> methods;
    std::vector<std::string> properties;
    for (const auto& member : ControlWnd::Record().Members()) {
        (member.kind == fw::ClassRecord::Member::Kind::Method ? methods : properties)
            .push_back(member.name.ToStdString());
    }
    EXPECT_EQ(properties, (std::vector<std::string>{"Vars", "Subs", "VarMin", "VarMax", "SubMin",
                                                    "SubMax", "kEOL"}));
    const std::vector<std::string> expected = {"Layout",
                                               "CreateControls",
                                               "CreateControls0",
                                               "StaticText1",
                                               "StaticText2",
                                               "EditFldVars",
                                               "EditFldSubs",
                                               "EditFldOut",
                                               "DisclaimFld",
                                               "infoFld",
                                               "CalculateBtn",
                                               "ClearBtn",
                                               "Canvas1",
                                               "PrintBrn",
                                               "StaticText3",
                                               "QuitBtn",
                                               "EigenFld",
                                               "SerrorFld",
                                               "Canvas2",
                                               "EditFldVars_TextChange",
                                               "EditFldVars_KeyDown",
                                               "EditFldSubs_TextChange",
                                               "EditFldSubs_KeyDown",
                                               "EditFldOut_MouseEnter",
                                               "EditFldOut_GotFocus",
                                               "EditFldOut_KeyDown",
                                               "CalculateBtn_Action",
                                               "ClearBtn_Action",
                                               "PrintBrn_Action",
                                               "QuitBtn_Action",
                                               "Canvas2_MouseDown",
                                               "AddMenuHandlers",
                                               "Event_Close",
                                               "Event_EnableMenuItems",
                                               "Event_Activate",
                                               "AboutVantrex_Action",
                                               "IsEventImplemented"};
    EXPECT_EQ(methods, expected);
}

// The sixteen controls, each under its name with its class, in the order they were made.
TEST_F(MainWindowTest, MakesTheSixteenControlsUnderTheirNames) {
    const std::vector<std::pair<const char*, const fw::ClassRecord*>> controls = {
        {"StaticText1", &fw::Label::Record()},    {"StaticText2", &fw::Label::Record()},
        {"EditFldVars", &fw::TextArea::Record()}, {"EditFldSubs", &fw::TextArea::Record()},
        {"EditFldOut", &fw::TextArea::Record()},  {"DisclaimFld", &fw::TextArea::Record()},
        {"infoFld", &fw::TextField::Record()},    {"CalculateBtn", &fw::PushButton::Record()},
        {"ClearBtn", &fw::PushButton::Record()},  {"Canvas1", &fw::Canvas::Record()},
        {"PrintBrn", &fw::PushButton::Record()},  {"StaticText3", &fw::Label::Record()},
        {"QuitBtn", &fw::PushButton::Record()},   {"EigenFld", &fw::TextArea::Record()},
        {"SerrorFld", &fw::TextArea::Record()},   {"Canvas2", &fw::Canvas::Record()},
    };
    for (const auto& [name, record] : controls) {
        auto control = fw::Cast<fw::Control>(window->ControlByName(name));
        ASSERT_TRUE(control) << name;
        EXPECT_EQ(control->ClassName(), record->Name()) << name;
        EXPECT_EQ(control->Name(), name);
    }
    // Each accessor gives the control of its own name, the same object every time.
    EXPECT_EQ(window->EditFldOut(), window->ControlByName("EditFldOut"));
    EXPECT_EQ(window->EditFldOut(), window->EditFldOut());
    EXPECT_EQ(window->Canvas2(), window->ControlByName("Canvas2"));
    EXPECT_EQ(window->infoFld(), window->ControlByName("infoFld"));
}

TEST_F(MainWindowTest, ControlsLookAsLaidOut) {
    auto disclaimer = window->DisclaimFld();
    EXPECT_TRUE(disclaimer->Visible());
    EXPECT_FALSE(disclaimer->Enabled());
    EXPECT_FALSE(disclaimer->HasBorder());
    EXPECT_EQ(disclaimer->TextColor(), (fw::Color{0x77, 0x77, 0x77, 0x00}));
    EXPECT_EQ(disclaimer->FontName(), "System");
    EXPECT_EQ(disclaimer->FontSize(), 10.0);
    EXPECT_EQ(disclaimer->Text(), main_window::DisclaimerText());
    EXPECT_TRUE(disclaimer->Widget()->isVisible());

    for (const char* hidden : {"infoFld", "EigenFld", "SerrorFld"}) {
        auto control = fw::Cast<fw::RectControl>(window->ControlByName(hidden));
        EXPECT_FALSE(control->Visible()) << hidden;
        EXPECT_FALSE(control->Enabled()) << hidden;
        EXPECT_FALSE(control->Widget()->isVisible()) << hidden;
    }
    EXPECT_EQ(window->infoFld()->Text(), main_window::InformationText());

    EXPECT_EQ(window->EditFldVars()->MaximumCharactersAllowed(), 3);
    EXPECT_EQ(window->EditFldSubs()->MaximumCharactersAllowed(), 4);
    EXPECT_EQ(window->EditFldVars()->ValidationMask(), "###");
    EXPECT_EQ(window->EditFldOut()->FontName(), "Courier");
    EXPECT_EQ(window->EditFldOut()->Text(), "");
    EXPECT_EQ(window->StaticText3()->Text(), main_window::WindowByline());
    EXPECT_EQ(window->CalculateBtn()->Caption(), "Calculate");
    EXPECT_EQ(window->PrintBrn()->Caption(), "Print");

    // The banner and the help picture got their pictures before their lists were applied.
    ASSERT_TRUE(window->Canvas1()->Backdrop());
    ASSERT_TRUE(window->Canvas2()->Backdrop());
    EXPECT_TRUE(window->Canvas1()->Transparent());
    EXPECT_EQ(window->Canvas2()->Left(), 403);
    EXPECT_EQ(window->Canvas2()->Top(), 131);
}

// The hidden text areas hand the committed tables over unchanged, byte for byte.
TEST_F(MainWindowTest, HiddenAreasHoldTheTablesExactly) {
    const fw::String eigen = window->EigenFld()->Text();
    const fw::String serror = window->SerrorFld()->Text();
    EXPECT_EQ(eigen.View(), calc::RandomEigenvalueTableText().View());
    EXPECT_EQ(serror.View(), calc::StandardErrorTableText().View());
    EXPECT_EQ(eigen.ByteCount(), 80836u);
    EXPECT_EQ(serror.ByteCount(), 69299u);
    EXPECT_EQ(eigen.View().find('\n'), std::string_view::npos);
}

TEST_F(MainWindowTest, HandlersAreHookedToTheirEvents) {
    EXPECT_TRUE(window->EditFldVars()->HasEventHandler(fw::TextArea::kTextChange));
    EXPECT_TRUE(window->EditFldVars()->HasEventHandler(fw::TextArea::kKeyDown));
    EXPECT_TRUE(window->EditFldSubs()->HasEventHandler(fw::TextArea::kTextChange));
    EXPECT_TRUE(window->EditFldSubs()->HasEventHandler(fw::TextArea::kKeyDown));
    EXPECT_TRUE(window->EditFldOut()->HasEventHandler(fw::TextArea::kMouseEnter));
    EXPECT_TRUE(window->EditFldOut()->HasEventHandler(fw::TextArea::kGotFocus));
    EXPECT_TRUE(window->EditFldOut()->HasEventHandler(fw::TextArea::kKeyDown));
    EXPECT_FALSE(window->EditFldOut()->HasEventHandler(fw::TextArea::kTextChange));
    for (const char* button : {"CalculateBtn", "ClearBtn", "PrintBrn", "QuitBtn"}) {
        EXPECT_TRUE(fw::Cast<fw::PushButton>(window->ControlByName(button))
                        ->HasEventHandler(fw::PushButton::kAction))
            << button;
    }
    EXPECT_TRUE(window->Canvas2()->HasEventHandler(fw::Canvas::kMouseDown));
    EXPECT_FALSE(window->Canvas1()->HasEventHandler(fw::Canvas::kMouseDown));
    for (const char* quiet : {"DisclaimFld", "EigenFld", "SerrorFld"}) {
        auto area = fw::Cast<fw::TextArea>(window->ControlByName(quiet));
        for (auto event : {fw::TextArea::kKeyDown, fw::TextArea::kMouseEnter,
                           fw::TextArea::kGotFocus, fw::TextArea::kTextChange}) {
            EXPECT_FALSE(area->HasEventHandler(event)) << quiet;
        }
    }
}

// A window of the class that has not made its controls yet: every accessor gives nil, and a
// handler that needs a control raises instead of going on.
TEST_F(MainWindowTest, AccessorsGiveNilBeforeTheControlsAreMade) {
    auto bare = fw::Cast<ControlWnd>(ControlWnd::Record().New());
    EXPECT_EQ(bare->StaticText1(), nullptr);
    EXPECT_EQ(bare->EditFldOut(), nullptr);
    EXPECT_EQ(bare->infoFld(), nullptr);
    EXPECT_EQ(bare->Canvas2(), nullptr);
    EXPECT_THROW(bare->ClearBtn_Action(nullptr), fw::NilObjectException);
    EXPECT_THROW(bare->Canvas2_MouseDown(nullptr, 0, 0), fw::NilObjectException);
    bare->Event_Activate();
    EXPECT_THROW(bare->CalculateBtn_Action(nullptr), fw::NilObjectException);
}

// A control of another class under an accessor's name raises the cast failure.
TEST_F(MainWindowTest, AccessorOfAControlOfAnotherClassRaises) {
    auto bare = fw::Cast<ControlWnd>(ControlWnd::Record().New());
    auto label = bare->New(fw::Label::Record());
    bare->AddControl("EditFldOut", label);
    EXPECT_THROW(bare->EditFldOut(), fw::IllegalCastException);
}

}  // namespace
}  // namespace mwtest
