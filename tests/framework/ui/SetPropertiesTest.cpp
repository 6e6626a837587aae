#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <vector>

#include "HostWnd.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"

namespace {

using fw::Cast;
using fw::PropertyListBuilder;
using fw::Ref;
using uitest::HostWnd;

template <class T>
Ref<T> Make() {
    return Cast<T>(T::Record().New());
}

// The head of every control list, as the layouts write it.
PropertyListBuilder ControlHead(const char* name, std::int64_t left, std::int64_t top,
                                std::int64_t width, std::int64_t height, std::int64_t tabIndex = 3,
                                bool tabStop = true) {
    PropertyListBuilder list;
    list.Text("Name", name)
        .Integer("Index", -2147483648LL)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Integer("TabIndex", tabIndex)
        .Boolean("TabStop", tabStop);
    return list;
}

using SetProperties = uitest::WindowTest;

TEST_F(SetProperties, ATextAreaTakesItsListEntryByEntry) {
    auto area = Make<fw::TextArea>();
    fw::SetProperties(area, ControlHead("EditFldVars", 234, 102, 50, 19)
                                .Boolean("HasBorder", false)
                                .Boolean("Enabled", false)
                                .Color("TextColor", {0xFE, 0x7F, 0x0F, 0})
                                .Boolean("Visible", false)
                                .Text("FontName", "System")
                                .Single("FontSize", 12.0f)
                                .Text("Value", "12\r34")
                                .Integer("TextAlignment", 2)
                                .Integer("MaximumCharactersAllowed", 3)
                                .Build());
    EXPECT_EQ(area->Name(), "EditFldVars");
    EXPECT_EQ(area->Text(), "12\r34");
    EXPECT_EQ(area->MaximumCharactersAllowed(), 3);
    // The widget shows it: red, green, blue in stored order is an orange; one logical pixel a
    // point of the layout.
    auto* view = static_cast<QTextEdit*>(area->Widget());
    EXPECT_FALSE(view->isEnabled());
    EXPECT_TRUE(view->isHidden());
    EXPECT_EQ(view->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(view->palette().color(QPalette::Text), QColor(0xFE, 0x7F, 0x0F));
    EXPECT_EQ(view->geometry(), QRect(234, 102, 50, 19));
    EXPECT_EQ(view->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(view->font().pixelSize(), 12);
    EXPECT_EQ(view->font().family(),
              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    // "Courier", in any case, is the platform's monospace font.
    for (const char* courier : {"Courier", "courier"}) {
        fw::SetProperties(area, PropertyListBuilder().Text("FontName", courier).Build());
        EXPECT_EQ(view->font().family(),
                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }
}

TEST_F(SetProperties, TheOtherControlsTakeTheirLists) {
    auto label = Make<fw::Label>();
    fw::SetProperties(label, ControlHead("StaticText3", 3, 39, 440, 21)
                                 .Color("TextColor", {0xFF, 0x99, 0x33, 0})
                                 .Text("Value", "by <b>Someone</b>")
                                 .Build());
    auto* shown = static_cast<QLabel*>(label->Widget());
    EXPECT_EQ(shown->text(), "by <b>Someone</b>");
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);  // markup is shown as it is written
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0xFF, 0x99, 0x33));

    auto button = Make<fw::PushButton>();
    fw::SetProperties(button, ControlHead("QuitBtn", 366, 376, 80, 25)
                                  .Text("Caption", "Save & Quit")
                                  .Boolean("Default", true)
                                  .Build());
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(static_cast<QPushButton*>(button->Widget())->text(), "Save && Quit");

    auto canvas = Make<fw::Canvas>();  // a canvas list carries Transparent twice
    fw::SetProperties(canvas, ControlHead("Canvas1", 0, 0, 466, 47)
                                  .Boolean("Transparent", false)
                                  .Boolean("Transparent", true)
                                  .Build());
    EXPECT_TRUE(canvas->Transparent());

    auto field = Make<fw::TextField>();
    fw::SetProperties(field,
                      ControlHead("infoFld", 196, 340, 80, 22).Text("Value", "a\rb").Build());
    EXPECT_EQ(field->Text(), "a\rb");  // the single line keeps its CR

    auto timer = Make<fw::Timer>();
    fw::SetProperties(timer, PropertyListBuilder().Integer("Period", 4000).Build());
    EXPECT_EQ(timer->Period(), 4000);
}

TEST_F(SetProperties, AWindowTakesItsSizeTitleButtonsAndColour) {
    auto window = Make<fw::Window>();
    fw::SetProperties(window, PropertyListBuilder()
                                  .Integer("Width", 470)
                                  .Integer("Height", 420)
                                  .Text("Title", "Vantrex Analysis")
                                  .Boolean("HasCloseButton", true)
                                  .Boolean("HasMaximizeButton", false)
                                  .Boolean("HasMinimizeButton", true)
                                  .Boolean("Resizeable", false)
                                  .Boolean("HasBackgroundColor", true)
                                  .Color("BackgroundColor", {0xFF, 0xFF, 0xFF, 0})
                                  .Build());
    EXPECT_EQ(window->Content()->size(), QSize(470, 420));
    const Qt::WindowFlags flags = window->Widget()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->Widget()->windowTitle(), "Vantrex Analysis");
    EXPECT_EQ(window->Content()->palette().color(QPalette::Window), QColor(Qt::white));

    // Type 2 is a small title-less floating window, without a menu bar.
    fw::SetProperties(window, PropertyListBuilder().Integer("Type", 2).Build());
    EXPECT_TRUE(window->Widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window->ShowsMenuBar());
}

// A list is checked whole before anything of it is applied.
TEST_F(SetProperties, AnUnknownNameOrATruncatedListRaisesAndChangesNothing) {
    auto area = Make<fw::TextArea>();
    const fw::String unknown =
        PropertyListBuilder().Text("Value", "changed").Boolean("Checked", true).Build();
    try {
        fw::SetProperties(area, unknown);
        ADD_FAILURE() << "no exception";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("Checked"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("TextArea"), std::string::npos) << e.what();
    }
    const fw::String whole =
        PropertyListBuilder().Text("Value", "kept out").Integer("Width", 300).Build();
    EXPECT_THROW(fw::SetProperties(area, fw::String(whole.View().substr(0, whole.ByteCount() - 3))),
                 fw::RuntimeException);
    EXPECT_EQ(area->Text(), "");
    EXPECT_EQ(area->Width(), 100);
    EXPECT_THROW(
        fw::SetProperties(Make<fw::Timer>(), PropertyListBuilder().Text("Name", "T").Build()),
        fw::RuntimeException);
    EXPECT_THROW(fw::SetProperties(nullptr, whole), fw::NilObjectException);
}

// Controls made from lists: the tab goes by TabIndex over those with a tab stop, and a control
// with an initial parent keeps window coordinates and shows over that control.
TEST_F(SetProperties, TabOrderAndInitialParentsFollowTheLists) {
    HostWnd::createControls = [](HostWnd& window) {
        for (auto [name, top, tabIndex, tabStop, parent] :
             std::vector<std::tuple<const char*, int, int, bool, const char*>>{
                 {"EditFldOut", 164, 5, true, ""},
                 {"EditFldVars", 102, 3, true, ""},
                 {"EigenFld", 67, 13, true, ""},
                 {"DisclaimFld", 176, 0, false, "EditFldOut"},
                 {"EditFldSubs", 129, 4, true, ""}}) {
            window.AddControl(name, window.New(fw::TextArea::Record()));
            fw::SetProperties(window.ControlByName(name),
                              ControlHead(name, 20, top, 300, 60, tabIndex, tabStop)
                                  .Text("InitialParent", parent)
                                  .Build());
        }
    };
    Ref<HostWnd> window = HostWnd::Make();
    const auto widget = [&](const char* name) {
        return Cast<fw::TextArea>(window->ControlByName(name))->Widget();
    };
    QApplication::setActiveWindow(window->Widget());
    widget("EditFldVars")->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{widget("EditFldSubs"), widget("EditFldOut"),
                                              widget("EigenFld"), widget("EditFldVars")}));
    QWidget* disclaimer = widget("DisclaimFld");
    EXPECT_EQ(disclaimer->geometry(), QRect(20, 176, 300, 60));
    QWidget* shown = window->Content()->childAt(QPoint(100, 200));
    EXPECT_TRUE(shown == disclaimer || disclaimer->isAncestorOf(shown));
}

TEST_F(SetProperties, ACanvasPaintsItsBackdropAtThePicturesOwnSizeAtTheTopLeft) {
    auto canvas = HostWnd::Make()->Add<fw::Canvas>("Canvas1");
    canvas->SetBounds(0, 0, 40, 30);
    QImage image(10, 8, QImage::Format_RGB32);
    const QColor red(200, 10, 10);
    image.fill(red);
    canvas->SetBackdrop(std::make_shared<fw::Picture>(image));
    const QImage shot = canvas->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(9, 7), red);
    EXPECT_NE(shot.pixelColor(12, 2), red);
    EXPECT_NE(shot.pixelColor(2, 10), red);
    canvas->SetBackdrop(nullptr);  // nothing to paint, nothing fails
    EXPECT_NE(canvas->Widget()->grab().toImage().pixelColor(2, 2), red);
}

}  // namespace
