// The main window as its layout builds it, read back from the real window and its controls, and
// the fixed texts it shows.
#include <QTextEdit>
#include <algorithm>
#include <optional>

#include "MainWindowFixture.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"
#include "main_window/Texts.h"
#include "shell/Pictures.h"
#include "tests/support/TestText.h"

namespace mwtest {
namespace {

struct Control {
    const char* name;
    std::int64_t left, top, width, height, tabIndex;
    bool tabStop, visible, enabled;
    const char* font;  // nullptr: a picture, without text
    double fontSize;
    std::optional<fw::Color> color;
    fw::String text;  // the label's text, the button's caption or the text control's text
};

// What a control shows: its text (a button's caption) and, where it has one, its text colour.
// What all controls of its class share is checked on the way.
std::pair<fw::String, std::optional<fw::Color>> Shown(const fw::Ref<fw::Object>& control) {
    if (auto label = std::dynamic_pointer_cast<fw::Label>(control)) {
        EXPECT_FALSE(label->Multiline());
        return {label->Text(), label->TextColor()};
    }
    if (auto area = std::dynamic_pointer_cast<fw::TextArea>(control)) {
        EXPECT_TRUE(area->Transparent() && !area->ReadOnly());
        EXPECT_EQ(area->BackgroundColor(), (fw::Color{0xFF, 0xFF, 0xFF, 0}));
        return {area->Text(), area->TextColor()};
    }
    if (auto button = std::dynamic_pointer_cast<fw::PushButton>(control)) {
        EXPECT_TRUE(button->Default() && !button->Cancel());
        return {button->Caption(), std::nullopt};
    }
    if (auto field = std::dynamic_pointer_cast<fw::TextField>(control)) {
        return {field->Text(), std::nullopt};
    }
    EXPECT_TRUE(fw::Cast<fw::Canvas>(control)->Transparent());
    return {};
}

TEST_F(MainWindowTest, IsTheOneFixedSizeWindowOfItsClass) {
    EXPECT_EQ(main_window::accessors::ControlWnd(), window);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_EQ(window->Title(), "Vantrex Analysis");
    EXPECT_EQ(window->Content()->size(), QSize(470, 420));
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->HasMaximizeButton());
    EXPECT_TRUE(window->HasMinimizeButton() && window->HasCloseButton());
    EXPECT_TRUE(window->ShowsMenuBar());
    // The banner and the help picture are there before the window shows.
    EXPECT_EQ(window->Canvas1()->Backdrop(), shell::MainTitle());
    EXPECT_EQ(window->Canvas2()->Backdrop(), shell::quest1());
}

TEST_F(MainWindowTest, EachControlHasItsPlaceStateFontColourAndText) {
    const fw::Color black{0, 0, 0, 0}, caption{0xFE, 0x7F, 0x0F, 0}, grey{0x77, 0x77, 0x77, 0};
    const fw::String eigen(testsupport::ReadCommittedTable("random_eigenvalues.txt"));
    const fw::String errors(testsupport::ReadCommittedTable("standard_errors.txt"));
    const Control controls[] = {
        {"StaticText1", 16, 100, 191, 25, 1, false, true, true, "System", 12, caption,
         "Number of Variables (5-100):"},
        {"StaticText2", 16, 127, 215, 25, 2, false, true, true, "System", 12, caption,
         "Number of Subjects (100-2,500):"},
        {"EditFldVars", 234, 102, 50, 19, 3, true, true, true, "System", 12, black, ""},
        {"EditFldSubs", 234, 129, 50, 19, 4, true, true, true, "System", 12, black, ""},
        {"EditFldOut", 20, 164, 425, 200, 5, true, true, true, "Courier", 10, black, ""},
        {"DisclaimFld", 50, 176, 350, 158, 0, false, true, false, "System", 10, grey,
         main_window::DisclaimerText()},
        {"infoFld", 196, 340, 80, 22, 1, false, false, false, "System", 10, std::nullopt,
         main_window::InformationText()},
        {"CalculateBtn", 16, 376, 80, 25, 6, false, true, true, "System", 12, {}, "Calculate"},
        {"ClearBtn", 251, 376, 80, 25, 7, false, true, true, "System", 12, {}, "Clear"},
        {"Canvas1", 0, 0, 466, 47, 8, false, true, true, nullptr, 0, {}, ""},
        {"PrintBrn", 131, 376, 80, 25, 10, false, true, true, "System", 12, {}, "Print"},
        {"StaticText3", 3, 39, 440, 21, 11, false, true, true, "System", 9,
         fw::Color{0xFF, 0x99, 0x33, 0}, "by Vantrex Analytics"},
        {"QuitBtn", 366, 376, 80, 25, 12, false, true, true, "System", 12, {}, "Quit"},
        {"EigenFld", 10, 67, 150, 22, 13, true, false, false, "courier", 9, black, eigen},
        {"SerrorFld", 281, 63, 150, 22, 14, true, false, false, "courier", 9, black, errors},
        {"Canvas2", 403, 131, 38, 23, 15, false, true, true, nullptr, 0, {}, ""},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        const fw::Ref<fw::Object> object = window->ControlByName(c.name);
        auto control = fw::Cast<fw::RectControl>(object);
        ASSERT_TRUE(control);
        EXPECT_EQ((std::vector{control->Left(), control->Top(), control->Width(), control->Height(),
                               control->TabIndex()}),
                  (std::vector{c.left, c.top, c.width, c.height, c.tabIndex}));
        EXPECT_EQ(control->TabStop(), c.tabStop);
        EXPECT_EQ(control->Visible(), c.visible);
        EXPECT_EQ(control->Widget()->isVisible(), c.visible);
        EXPECT_EQ(control->Enabled(), c.enabled);
        if (c.font != nullptr) {
            EXPECT_EQ(control->FontName(), c.font);
            EXPECT_EQ(control->FontSize(), c.fontSize);
            EXPECT_FALSE(control->Bold());
        }
        const auto [text, color] = Shown(object);
        EXPECT_EQ(text.View(), c.text.View());  // the tables byte for byte
        EXPECT_EQ(color, c.color);
    }
    EXPECT_EQ(window->StaticText3()->TextAlignment(), 2);
}

TEST_F(MainWindowTest, TextAreasHaveTheirBordersScrollBarsAndLimits) {
    const struct {
        const char* name;
        bool border, scrolls;
        std::int64_t alignment, maxCharacters;
        const char* mask;
    } areas[] = {{"EditFldVars", true, false, 2, 3, "###"},
                 {"EditFldSubs", true, false, 2, 4, ""},
                 {"EditFldOut", true, true, 0, 0, ""},
                 {"DisclaimFld", false, false, 0, 0, ""}};
    for (const auto& a : areas) {
        SCOPED_TRACE(a.name);
        auto area = fw::Cast<fw::TextArea>(window->ControlByName(a.name));
        EXPECT_EQ(area->HasBorder(), a.border);
        EXPECT_EQ(qobject_cast<QTextEdit*>(area->Widget())->verticalScrollBarPolicy(),
                  a.scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(area->TextAlignment(), a.alignment);
        EXPECT_EQ(area->MaximumCharactersAllowed(), a.maxCharacters);
        EXPECT_EQ(area->ValidationMask(), a.mask);
    }
}

TEST(Texts, DisclaimerAndInformationAreAsciiParagraphsWithCrLineEndsOnly) {
    const struct {
        fw::String text;
        std::size_t length, lines, paragraphs;
    } texts[] = {{main_window::DisclaimerText(), 778, 3, 2},
                 {main_window::InformationText(), 2840, 20, 10}};
    for (const auto& t : texts) {
        const std::string_view text = t.text.View();
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(text.size(), t.length);
        EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                                [](char c) { return c == '\r' || (c >= 0x20 && c < 0x7F); }));
        // Paragraphs are parted by one empty line.
        const std::vector<std::string> lines = testsupport::Lines(std::string(text));
        EXPECT_EQ(lines.size(), t.lines);
        EXPECT_EQ(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), "")) + 1,
                  t.paragraphs);
        EXPECT_EQ(text.find("\r\r\r"), std::string_view::npos);
        EXPECT_FALSE(text.starts_with('\r') || text.ends_with('\r'));
    }
    const std::string disclaimer = main_window::DisclaimerText().ToStdString();
    EXPECT_TRUE(disclaimer.ends_with(". "));  // one blank after the last sentence
    // In the information, in this order: the tables described as our own simulation; the
    // references, year first; the program's citation on a line of its own after three blanks;
    // the disclaimer's own rights clause, then a closing disclaimer of its own.
    const std::string info = main_window::InformationText().ToStdString();
    std::size_t at = 0;
    for (const std::string& part : std::vector<std::string>{
             "Monte Carlo simulation", "5 to 100 variables and 100 to 2,500 subjects",
             "normally distributed random data", "\r\r (1965). ", "\r\r(1989). ", "\r\r(1986). ",
             "\r\r(2000). ", "\r   Vantrex Analytics (2020). ",
             "\r\r" + disclaimer.substr(0, disclaimer.find('\r')) + "\r\r"}) {
        at = info.find(part, at);
        ASSERT_NE(at, std::string::npos) << part;
    }
}

}  // namespace
}  // namespace mwtest
