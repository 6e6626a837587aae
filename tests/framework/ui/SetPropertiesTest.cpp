#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTextEdit>

#include "framework/core/Exceptions.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace {

using fw::Cast;
using fw::PropertyListBuilder;
using fw::Ref;

template <class T>
Ref<T> Make() {
    return Cast<T>(T::Record().New());
}

class SetProperties : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
};

// The common head of every control list, as the layouts write it.
PropertyListBuilder ControlHead(const char* name, std::int64_t left, std::int64_t top,
                                std::int64_t width, std::int64_t height) {
    PropertyListBuilder list;
    list.Text("Name", name)
        .Integer("Index", -2147483648LL)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", 3)
        .Integer("TabPanelIndex", 0)
        .Boolean("TabStop", true)
        .Boolean("AllowAutoDeactivate", true);
    return list;
}

TEST_F(SetProperties, TextAreaListIsAppliedEntryByEntry) {
    auto area = Make<fw::TextArea>();
    fw::String list = ControlHead("EditFldVars", 234, 102, 50, 19)
                          .Color("BackgroundColor", {0xFF, 0xFF, 0xFF, 0})
                          .Boolean("HasBorder", false)
                          .Boolean("Enabled", false)
                          .Text("Format", "")
                          .Double("LineSpacing", 1.0)
                          .Color("TextColor", {0xFE, 0x7F, 0x0F, 0})
                          .Boolean("Transparent", false)
                          .Boolean("Visible", false)
                          .Text("FontName", "System")
                          .Single("FontSize", 12.0f)
                          .Unit("FontUnit", 0)
                          .Text("Value", "12\r34")
                          .Integer("TextAlignment", 2)
                          .Boolean("AllowSpellChecking", true)
                          .Integer("MaximumCharactersAllowed", 3)
                          .Text("ValidationMask", "###")
                          .Text("InitialParent", "")
                          .Build();
    fw::SetProperties(area, list);

    EXPECT_EQ(area->Name(), "EditFldVars");
    EXPECT_EQ(area->Left(), 234);
    EXPECT_EQ(area->Top(), 102);
    EXPECT_EQ(area->Width(), 50);
    EXPECT_EQ(area->Height(), 19);
    EXPECT_EQ(area->TabIndex(), 3);
    EXPECT_FALSE(area->Enabled());
    EXPECT_FALSE(area->Visible());
    EXPECT_FALSE(area->HasBorder());
    EXPECT_EQ(area->Text(), "12\r34");
    EXPECT_EQ(area->TextAlignment(), 2);
    EXPECT_EQ(area->MaximumCharactersAllowed(), 3);
    EXPECT_EQ(area->ValidationMask(), "###");
    EXPECT_EQ(area->FontName(), "System");
    EXPECT_DOUBLE_EQ(area->FontSize(), 12.0);

    // The widget shows it: red, green, blue in stored order is an orange.
    auto* view = static_cast<QTextEdit*>(area->Widget());
    EXPECT_EQ(view->palette().color(QPalette::Text), QColor(0xFE, 0x7F, 0x0F));
    EXPECT_EQ(view->geometry(), QRect(234, 102, 50, 19));
    EXPECT_EQ(view->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(view->font().pixelSize(), 12);  // one logical pixel a point of the layout
}

TEST_F(SetProperties, FontNamesResolveToThePlatformsFonts) {
    auto system = Make<fw::Label>();
    auto courier = Make<fw::TextArea>();
    auto lower = Make<fw::TextArea>();
    fw::SetProperties(system, PropertyListBuilder().Text("FontName", "System").Build());
    fw::SetProperties(courier, PropertyListBuilder().Text("FontName", "Courier").Build());
    fw::SetProperties(lower, PropertyListBuilder().Text("FontName", "courier").Build());

    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    EXPECT_EQ(system->Widget()->font().family(), general.family());
    EXPECT_EQ(courier->Widget()->font().family(), fixed.family());
    EXPECT_EQ(lower->Widget()->font().family(), fixed.family());
}

TEST_F(SetProperties, OtherControlsTakeTheirLists) {
    auto label = Make<fw::Label>();
    fw::SetProperties(label, ControlHead("StaticText3", 3, 39, 440, 21)
                                 .Boolean("Multiline", false)
                                 .Boolean("Selectable", false)
                                 .Integer("TextAlignment", 2)
                                 .Color("TextColor", {0xFF, 0x99, 0x33, 0})
                                 .Text("Value", "by <b>Someone</b>")
                                 .Text("DataField", "")
                                 .Build());
    EXPECT_EQ(label->Text(), "by <b>Someone</b>");
    auto* shown = static_cast<QLabel*>(label->Widget());
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);  // markup is shown as it is written
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0xFF, 0x99, 0x33));

    auto button = Make<fw::PushButton>();
    fw::SetProperties(button, ControlHead("QuitBtn", 366, 376, 80, 25)
                                  .Integer("MacButtonStyle", 0)
                                  .Boolean("Cancel", false)
                                  .Text("Caption", "Save & Quit")
                                  .Boolean("Default", true)
                                  .Build());
    EXPECT_EQ(button->Caption(), "Save & Quit");
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(static_cast<QPushButton*>(button->Widget())->text(), "Save && Quit");

    // A canvas list carries Transparent twice.
    auto canvas = Make<fw::Canvas>();
    fw::SetProperties(canvas, ControlHead("Canvas1", 0, 0, 466, 47)
                                  .Boolean("Transparent", false)
                                  .Boolean("DoubleBuffer", false)
                                  .Boolean("Transparent", true)
                                  .Build());
    EXPECT_TRUE(canvas->Transparent());

    auto field = Make<fw::TextField>();
    fw::SetProperties(field, ControlHead("infoFld", 196, 340, 80, 22)
                                 .Boolean("Password", false)
                                 .Text("Hint", "")
                                 .Text("Value", "one\rtwo")
                                 .Build());
    EXPECT_EQ(field->Text(), "one\rtwo");  // the single line keeps its CR

    auto timer = Make<fw::Timer>();
    fw::SetProperties(timer,
                      PropertyListBuilder().Integer("Period", 4000).Integer("RunMode", 0).Build());
    EXPECT_EQ(timer->Period(), 4000);
}

TEST_F(SetProperties, WindowListSetsSizeTitleAndButtons) {
    auto window = Cast<fw::Window>(fw::Window::Record().New());
    fw::SetProperties(window, PropertyListBuilder()
                                  .Integer("Width", 470)
                                  .Integer("Height", 420)
                                  .Integer("MinimumWidth", 64)
                                  .Integer("MinimumHeight", 64)
                                  .Integer("MaximumWidth", 32000)
                                  .Integer("MaximumHeight", 32000)
                                  .Integer("Type", 0)
                                  .Text("Title", "Vantrex Analysis")
                                  .Boolean("HasCloseButton", true)
                                  .Boolean("HasMaximizeButton", false)
                                  .Boolean("HasMinimizeButton", true)
                                  .Boolean("HasFullScreenButton", false)
                                  .Boolean("Resizeable", false)
                                  .Boolean("Composite", false)
                                  .Integer("MacProcID", 0)
                                  .Boolean("FullScreen", false)
                                  .Integer("DefaultLocation", 0)
                                  .Boolean("Visible", false)
                                  .Boolean("HasBackgroundColor", true)
                                  .Color("BackgroundColor", {0xFF, 0xFF, 0xFF, 0})
                                  .Boolean("MenuBarVisible", true)
                                  .Boolean("LiveResize", false)
                                  .Build());
    EXPECT_EQ(window->Width(), 470);
    EXPECT_EQ(window->Height(), 420);
    EXPECT_EQ(window->Title(), "Vantrex Analysis");
    EXPECT_FALSE(window->Resizeable());
    const Qt::WindowFlags flags = window->Widget()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->Widget()->windowTitle(), "Vantrex Analysis");
    EXPECT_EQ(window->Content()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(SetProperties, SplashTypeIsATitleLessFloatingWindow) {
    auto window = Cast<fw::Window>(fw::Window::Record().New());
    fw::SetProperties(window, PropertyListBuilder().Integer("Type", 2).Build());
    EXPECT_TRUE(window->Widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window->ShowsMenuBar());
}

TEST_F(SetProperties, UnknownNameRaisesNamingItAndChangesNothing) {
    auto area = Make<fw::TextArea>();
    fw::String list = PropertyListBuilder()
                          .Text("Value", "changed")
                          .Integer("Width", 300)
                          .Boolean("Checked", true)  // no property of a TextArea
                          .Build();
    try {
        fw::SetProperties(area, list);
        FAIL() << "no exception";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("Checked"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("TextArea"), std::string::npos) << e.what();
    }
    EXPECT_EQ(area->Text(), "");
    EXPECT_EQ(area->Width(), 100);

    // The timer's lists hold Period and RunMode only.
    auto timer = Make<fw::Timer>();
    EXPECT_THROW(fw::SetProperties(timer, PropertyListBuilder().Text("Name", "T").Build()),
                 fw::RuntimeException);
}

TEST_F(SetProperties, TruncatedListRaisesAndChangesNothing) {
    auto label = Make<fw::Label>();
    fw::String whole =
        PropertyListBuilder().Text("Value", "kept out").Integer("Width", 300).Build();
    fw::String cut(whole.View().substr(0, whole.ByteCount() - 3));
    EXPECT_THROW(fw::SetProperties(label, cut), fw::RuntimeException);
    EXPECT_EQ(label->Text(), "");
    EXPECT_EQ(label->Width(), 100);

    EXPECT_THROW(fw::SetProperties(nullptr, whole), fw::NilObjectException);
}

}  // namespace
