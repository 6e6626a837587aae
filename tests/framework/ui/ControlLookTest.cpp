#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTextEdit>
#include <vector>

#include "HostWnd.h"
#include "framework/graphics/Picture.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::PropertyListBuilder;
using fw::Ref;

// A window whose controls come from lists, as the layouts give them.
class ListedWnd : public uitest::HostWnd {
  public:
    static const fw::ClassRecord& Record() {
        static const fw::ClassRecord record(
            fw::ClassRecord::Builder("ListedWnd.ListedWnd", &HostWnd::Record(),
                                     fw::AllocatorOf<ListedWnd>())
                .Event("CreateControls", &ListedWnd::CreateControls));
        return record;
    }

    void CreateControls() {
        Area("EditFldOut", 20, 164, 425, 100, 5, true, "");
        Area("EditFldVars", 234, 102, 50, 19, 3, true, "");
        Area("EigenFld", 10, 67, 150, 22, 13, true, "");
        Area("DisclaimFld", 50, 176, 350, 58, 0, false, "EditFldOut");
        Area("EditFldSubs", 234, 129, 50, 19, 4, true, "");
    }

    void Area(const char* name, int left, int top, int width, int height, int tabIndex,
              bool tabStop, const char* initialParent) {
        AddControl(name, New(fw::TextArea::Record()));
        fw::SetProperties(ControlByName(name), PropertyListBuilder()
                                                   .Text("Name", name)
                                                   .Integer("Left", left)
                                                   .Integer("Top", top)
                                                   .Integer("Width", width)
                                                   .Integer("Height", height)
                                                   .Integer("TabIndex", tabIndex)
                                                   .Boolean("TabStop", tabStop)
                                                   .Text("InitialParent", initialParent)
                                                   .Build());
    }

    QWidget* WidgetOf(const char* name) {
        return fw::Cast<fw::TextArea>(ControlByName(name))->Widget();
    }
};

class ControlLook : public ::testing::Test {
  protected:
    void SetUp() override { fw::testing::EnsureRuntimeForTests(); }
    void TearDown() override { fw::CloseAllWindowsSilently(); }
};

TEST_F(ControlLook, TabOrderFollowsTabIndexOverTheControlsWithTabStop) {
    auto window = fw::Cast<ListedWnd>(ListedWnd::Record().New());
    window->Constructor();
    QApplication::setActiveWindow(window->Widget());
    window->WidgetOf("EditFldVars")->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{
                           window->WidgetOf("EditFldSubs"), window->WidgetOf("EditFldOut"),
                           window->WidgetOf("EigenFld"), window->WidgetOf("EditFldVars")}));
    EXPECT_EQ(window->WidgetOf("DisclaimFld")->focusPolicy(), Qt::ClickFocus);  // no tab stop
}

TEST_F(ControlLook, ControlWithAnInitialParentKeepsWindowCoordinatesOverThatControl) {
    auto window = fw::Cast<ListedWnd>(ListedWnd::Record().New());
    window->Constructor();
    QWidget* disclaimer = window->WidgetOf("DisclaimFld");
    EXPECT_EQ(disclaimer->parentWidget(), window->Content());
    EXPECT_EQ(disclaimer->geometry(), QRect(50, 176, 350, 58));
    // What shows at a point inside both is the disclaimer.
    QWidget* shown = window->Content()->childAt(QPoint(100, 200));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown == disclaimer || disclaimer->isAncestorOf(shown));
}

TEST_F(ControlLook, CanvasPaintsItsBackdropAtThePicturesOwnSizeAtTheTopLeft) {
    auto window = uitest::HostWnd::Make();
    auto canvas = window->Add<fw::Canvas>("Canvas1");
    canvas->SetBounds(0, 0, 40, 30);
    QImage image(10, 8, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    canvas->SetBackdrop(std::make_shared<fw::Picture>(image));
    const QImage shot = canvas->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(200, 10, 10));
    EXPECT_EQ(shot.pixelColor(9, 7), QColor(200, 10, 10));
    EXPECT_NE(shot.pixelColor(12, 2), QColor(200, 10, 10));
    EXPECT_NE(shot.pixelColor(2, 10), QColor(200, 10, 10));

    canvas->SetBackdrop(nullptr);  // nothing to paint, nothing fails
    EXPECT_NE(canvas->Widget()->grab().toImage().pixelColor(2, 2), QColor(200, 10, 10));
}

}  // namespace
