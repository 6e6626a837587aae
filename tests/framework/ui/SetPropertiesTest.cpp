// Property lists as the layouts write them reach the Qt widgets; the main window's tests read
// back the controls' own values.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <tuple>
#include <vector>

#include "HostWnd.h"
#include "framework/ui/Label.h"

namespace {

using fw::Cast;
using fw::PropertyListBuilder;
using fw::Ref;
using uitest::HostWnd;
using SetProperties = uitest::WindowTest;

template <class T>
Ref<T> Make() {
    return Cast<T>(T::Record().New());
}

QString Family(QFontDatabase::SystemFont font) {
    return QFontDatabase::systemFont(font).family();
}

// Red, green, blue in stored order; one logical pixel a point of the layout; "Courier", in any
// case, the platform's monospace font.
TEST_F(SetProperties, TheListsReachTheWidgets) {
    auto area = Make<fw::TextArea>();
    fw::SetProperties(area, PropertyListBuilder()
                                .Integer("Left", 234)
                                .Integer("Top", 102)
                                .Integer("Width", 50)
                                .Integer("Height", 19)
                                .Boolean("HasBorder", false)
                                .Boolean("Enabled", false)
                                .Color("TextColor", {0xFE, 0x7F, 0x0F, 0})
                                .Text("FontName", "System")
                                .Single("FontSize", 12.0f)
                                .Integer("TextAlignment", 2)
                                .Build());
    auto* view = static_cast<QTextEdit*>(area->Widget());
    const QFont systemFont = view->font();
    auto courier = Make<fw::TextArea>();
    fw::SetProperties(courier, PropertyListBuilder().Text("FontName", "courier").Build());
    auto label = Make<fw::Label>();
    fw::SetProperties(label, PropertyListBuilder()
                                 .Color("TextColor", {0xFF, 0x99, 0x33, 0})
                                 .Text("Value", "by <b>Someone</b>")
                                 .Integer("TextAlignment", 2)
                                 .Build());
    auto* shown = static_cast<QLabel*>(label->Widget());
    auto button = Make<fw::PushButton>();
    fw::SetProperties(button, PropertyListBuilder().Text("Caption", "Save & Quit").Build());
    auto canvas = Make<fw::Canvas>();  // a canvas list carries Transparent twice
    fw::SetProperties(
        canvas,
        PropertyListBuilder().Boolean("Transparent", false).Boolean("Transparent", true).Build());
    auto window = Make<fw::Window>();
    fw::SetProperties(window, PropertyListBuilder()
                                  .Boolean("HasCloseButton", true)
                                  .Boolean("HasMinimizeButton", true)
                                  .Boolean("HasMaximizeButton", true)
                                  .Boolean("Resizeable", false)
                                  .Boolean("HasBackgroundColor", true)
                                  .Color("BackgroundColor", {0xFF, 0xFF, 0xFF, 0})
                                  .Build());
    const Qt::WindowFlags flags = window->Widget()->windowFlags();
    constexpr auto kClose = Qt::WindowCloseButtonHint, kMinimize = Qt::WindowMinimizeButtonHint;

    for (const auto& [what, actual, expected] :
         std::vector<std::tuple<const char*, QVariant, QVariant>>{
             {"area enabled", view->isEnabled(), false},
             {"area frame", view->frameShape() == QFrame::NoFrame, true},
             {"area colour", view->palette().color(QPalette::Text), QColor(0xFE, 0x7F, 0x0F)},
             {"area geometry", view->geometry(), QRect(234, 102, 50, 19)},
             {"area alignment",
              int(view->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask),
              int(Qt::AlignHCenter)},
             {"area font size", systemFont.pixelSize(), 12},
             {"area font", systemFont.family(), Family(QFontDatabase::GeneralFont)},
             {"courier", courier->Widget()->font().family(), Family(QFontDatabase::FixedFont)},
             {"label text", shown->text(), "by <b>Someone</b>"},
             {"label markup", shown->textFormat() == Qt::PlainText, true},
             {"label alignment", int(shown->alignment() & Qt::AlignHorizontal_Mask),
              int(Qt::AlignHCenter)},
             {"label colour", shown->palette().color(QPalette::WindowText),
              QColor(0xFF, 0x99, 0x33)},
             {"button", static_cast<QPushButton*>(button->Widget())->text(), "Save && Quit"},
             {"canvas", canvas->Transparent(), true},
             {"window buttons, fixed size",
              int(flags & (kClose | kMinimize | Qt::WindowMaximizeButtonHint)),
              int(kClose | kMinimize)},
             {"window colour", window->Content()->palette().color(QPalette::Window),
              QColor(Qt::white)}}) {
        EXPECT_EQ(actual, expected) << what;
    }
}

// A list is checked whole before anything of it is applied.
TEST_F(SetProperties, AnUnknownNameOrATruncatedListRaisesAndChangesNothing) {
    auto area = Make<fw::TextArea>();
    const fw::String whole =
        PropertyListBuilder().Text("Value", "kept out").Integer("Width", 300).Build();
    std::vector<std::string> messages;
    for (const auto& [object, list] : std::vector<std::pair<Ref<fw::Object>, fw::String>>{
             {area,
              PropertyListBuilder().Text("Value", "changed").Boolean("Checked", true).Build()},
             {area, fw::String(whole.View().substr(0, whole.ByteCount() - 3))},
             {Make<fw::Timer>(), PropertyListBuilder().Text("Name", "T").Build()}}) {
        try {
            fw::SetProperties(object, list);
        } catch (const fw::RuntimeException& e) {
            messages.push_back(e.what());
        }
    }
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("TextArea has no property Checked"), std::string::npos);
    EXPECT_EQ(area->Text(), "");
    EXPECT_EQ(area->Width(), 100);
    EXPECT_THROW(fw::SetProperties(nullptr, whole), fw::NilObjectException);
}

// The tab goes by TabIndex over the controls with a tab stop.
TEST_F(SetProperties, TheTabOrderFollowsTheLists) {
    HostWnd::createControls = [](HostWnd& window) {
        for (auto [name, tabIndex] : {std::pair{"EditFldOut", 5},
                                      {"EditFldVars", 3},
                                      {"EigenFld", 13},
                                      {"EditFldSubs", 4}}) {
            fw::SetProperties(window.Add<fw::TextArea>(name), PropertyListBuilder()
                                                                  .Integer("TabIndex", tabIndex)
                                                                  .Boolean("TabStop", true)
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
}

}  // namespace
