#include "main_window/Layout.h"

#include <cstdint>
#include <limits>

#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "main_window/Texts.h"
#include "shell/Pictures.h"

namespace main_window {

namespace {

using fw::ControlLayout;
using fw::PropertyListBuilder;

// Colours in stored order.
constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF, 0x00};
constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0x00};
constexpr fw::Color kDisclaimerGrey{0x77, 0x77, 0x77, 0x00};
constexpr fw::Color kCaptionColor{0xFE, 0x7F, 0x0F, 0x00};
constexpr fw::Color kBylineColor{0xFF, 0x99, 0x33, 0x00};

// The entries that open the list of every control class of this window.
PropertyListBuilder Head(const ControlPlace& place) {
    PropertyListBuilder list = PlaceEntries(place);
    list.Boolean("AllowAutoDeactivate", true);
    return list;
}

struct LabelLook {
    fw::String text{};
    float fontSize = 12;
    std::int64_t alignment = 0;
    fw::Color textColor = kBlack;
};

ControlLayout Label(const ControlPlace& place, const LabelLook& look) {
    PropertyListBuilder list = Head(place);
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Multiline", false)
        .Boolean("Selectable", false)
        .Integer("TextAlignment", look.alignment)
        .Color("TextColor", look.textColor)
        .Boolean("Transparent", false)
        .Text("Value", look.text.View())
        .Boolean("Visible", true)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Text("FontName", "System")
        .Boolean("Underline", false)
        .Single("FontSize", look.fontSize)
        .Unit("FontUnit", 0)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "");
    return {fw::String(place.name), &fw::Label::Record, list.Build()};
}

// What sets one text control apart from the others; the text area and the text field share it.
struct TextLook {
    bool hasBorder = false;
    bool enabled = true;
    bool visible = true;
    bool verticalScrollbar = false;
    bool styledText = false;
    fw::Color textColor = kBlack;
    bool focusRing = false;
    std::string_view fontName = "System";
    float fontSize = 12;
    fw::String value{};
    std::int64_t alignment = 0;
    bool spellChecking = false;
    std::int64_t maximumCharacters = 0;  // 0: no limit
    std::string_view validationMask{};
    std::string_view initialParent{};
};

// The text area's list and the text field's share their first entries after the head, a run in
// the middle and their last entries; each class has its own entries and font order between.
PropertyListBuilder TextHead(const ControlPlace& place, const TextLook& look) {
    PropertyListBuilder list = Head(place);
    list.Color("BackgroundColor", kWhite)
        .Boolean("HasBorder", look.hasBorder)
        .Boolean("Enabled", look.enabled)
        .Text("Format", "")
        .Text("Tooltip", "");
    return list;
}

void TextColours(PropertyListBuilder& list, const TextLook& look) {
    list.Color("TextColor", look.textColor)
        .Boolean("Transparent", true)
        .Boolean("AllowFocusRing", look.focusRing)
        .Boolean("Visible", look.visible);
}

fw::String TextTail(PropertyListBuilder& list, const TextLook& look) {
    return list.Text("Value", look.value.View())
        .Boolean("AllowTabs", false)
        .Integer("TextAlignment", look.alignment)
        .Boolean("AllowSpellChecking", look.spellChecking)
        .Integer("MaximumCharactersAllowed", look.maximumCharacters)
        .Text("ValidationMask", look.validationMask)
        .Boolean("ReadOnly", false)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", look.initialParent)
        .Build();
}

ControlLayout TextArea(const ControlPlace& place, const TextLook& look) {
    PropertyListBuilder list = TextHead(place, look);
    list.Boolean("HideSelection", true)
        .Double("LineHeight", 0.0)
        .Double("LineSpacing", 1.0)
        .Boolean("Multiline", true)
        .Boolean("HasHorizontalScrollbar", false)
        .Boolean("HasVerticalScrollbar", look.verticalScrollbar)
        .Boolean("AllowStyledText", look.styledText);
    TextColours(list, look);
    list.Boolean("Bold", false)
        .Boolean("Italic", false)
        .Text("FontName", look.fontName)
        .Single("FontSize", look.fontSize)
        .Unit("FontUnit", 0)
        .Boolean("Underline", false);
    return {fw::String(place.name), &fw::TextArea::Record, TextTail(list, look)};
}

// A single-line text control; the look's scrollbar and styled-text settings do not apply.
ControlLayout TextField(const ControlPlace& place, const TextLook& look) {
    PropertyListBuilder list = TextHead(place, look);
    list.Boolean("Password", false);
    TextColours(list, look);
    list.Text("FontName", look.fontName)
        .Single("FontSize", look.fontSize)
        .Unit("FontUnit", 0)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Text("Hint", "");
    return {fw::String(place.name), &fw::TextField::Record, TextTail(list, look)};
}

ControlLayout PushButton(const ControlPlace& place, std::string_view caption) {
    PropertyListBuilder list = Head(place);
    list.Integer("MacButtonStyle", 0)
        .Boolean("Cancel", false)
        .Text("Caption", caption)
        .Boolean("Default", true)
        .Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("Transparent", true)
        .Boolean("Visible", true)
        .Text("FontName", "System")
        .Single("FontSize", 12)
        .Unit("FontUnit", 0)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Text("InitialParent", "");
    return {fw::String(place.name), &fw::PushButton::Record, list.Build()};
}

// The backdrop is no entry of the list: its picture is set before the list is applied.
// Transparent comes twice in every canvas list, both times True.
ControlLayout Canvas(const ControlPlace& place, fw::Ref<fw::Picture> (*backdrop)()) {
    PropertyListBuilder list = Head(place);
    list.Boolean("Enabled", true)
        .Text("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("Visible", true)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Transparent", true)
        .Text("InitialParent", "");
    return {fw::String(place.name), &fw::Canvas::Record, list.Build(), backdrop};
}

}  // namespace

fw::PropertyListBuilder PlaceEntries(const ControlPlace& place) {
    // The Index every control carries: none of them belongs to a control set.
    constexpr std::int64_t kNoIndex = std::numeric_limits<std::int32_t>::min();
    fw::PropertyListBuilder list;
    list.Text("Name", place.name)
        .Integer("Index", kNoIndex)
        .Integer("Left", place.left)
        .Integer("Top", place.top)
        .Integer("Width", place.width)
        .Integer("Height", place.height)
        .Boolean("LockLeft", place.locked)
        .Boolean("LockTop", place.locked)
        .Boolean("LockRight", place.locked)
        .Boolean("LockBottom", place.locked)
        .Integer("TabIndex", place.tabIndex)
        .Integer("TabPanelIndex", 0)
        .Boolean("TabStop", place.tabStop);
    return list;
}

fw::String WindowPropertyList(std::int64_t width, std::int64_t height, std::int64_t type,
                              std::string_view title, bool hasCloseButton) {
    return PropertyListBuilder()
        .Integer("Width", width)
        .Integer("Height", height)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", type)
        .Text("Title", title)
        .Boolean("HasCloseButton", hasCloseButton)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", true)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", 0)
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", true)
        .Color("BackgroundColor", kWhite)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", false)
        .Build();
}

fw::String ControlWndPropertyList() {
    return WindowPropertyList(470, 420, 0, "Vantrex Analysis", true);
}

std::vector<ControlLayout> ControlWndControls(const fw::String& eigenvalueTable,
                                              const fw::String& standardErrorTable) {
    // TabIndex 9 is left out; the disclaimer and the information holder, which lie inside the
    // output area, count from 0 again.
    return {
        Label({"StaticText1", 16, 100, 191, 25, 1},
              {.text = "Number of Variables (5-100):", .textColor = kCaptionColor}),
        Label({"StaticText2", 16, 127, 215, 25, 2},
              {.text = "Number of Subjects (100-2,500):", .textColor = kCaptionColor}),
        TextArea({"EditFldVars", 234, 102, 50, 19, 3, true}, {.hasBorder = true,
                                                              .focusRing = true,
                                                              .alignment = 2,
                                                              .spellChecking = true,
                                                              .maximumCharacters = 3,
                                                              .validationMask = "###"}),
        TextArea({"EditFldSubs", 234, 129, 50, 19, 4, true}, {.hasBorder = true,
                                                              .focusRing = true,
                                                              .alignment = 2,
                                                              .spellChecking = true,
                                                              .maximumCharacters = 4}),
        TextArea({"EditFldOut", 20, 164, 425, 200, 5, true}, {.hasBorder = true,
                                                              .verticalScrollbar = true,
                                                              .styledText = true,
                                                              .fontName = "Courier",
                                                              .fontSize = 10}),
        TextArea({"DisclaimFld", 50, 176, 350, 158, 0}, {.enabled = false,
                                                         .styledText = true,
                                                         .textColor = kDisclaimerGrey,
                                                         .fontSize = 10,
                                                         .value = DisclaimerText(),
                                                         .initialParent = "EditFldOut"}),
        TextField({"infoFld", 196, 340, 80, 22, 1, false, true}, {.enabled = false,
                                                                  .visible = false,
                                                                  .fontSize = 10,
                                                                  .value = InformationText(),
                                                                  .initialParent = "EditFldOut"}),
        PushButton({"CalculateBtn", 16, 376, 80, 25, 6}, "Calculate"),
        PushButton({"ClearBtn", 251, 376, 80, 25, 7}, "Clear"),
        Canvas({"Canvas1", 0, 0, 466, 47, 8}, &shell::MainTitle),
        PushButton({"PrintBrn", 131, 376, 80, 25, 10}, "Print"),
        Label({"StaticText3", 3, 39, 440, 21, 11},
              {.text = WindowByline(), .fontSize = 9, .alignment = 2, .textColor = kBylineColor}),
        PushButton({"QuitBtn", 366, 376, 80, 25, 12}, "Quit"),
        TextArea({"EigenFld", 10, 67, 150, 22, 13, true}, {.enabled = false,
                                                           .visible = false,
                                                           .verticalScrollbar = true,
                                                           .fontName = "courier",
                                                           .fontSize = 9,
                                                           .value = eigenvalueTable,
                                                           .spellChecking = true}),
        TextArea({"SerrorFld", 281, 63, 150, 22, 14, true}, {.enabled = false,
                                                             .visible = false,
                                                             .verticalScrollbar = true,
                                                             .fontName = "courier",
                                                             .fontSize = 9,
                                                             .value = standardErrorTable,
                                                             .spellChecking = true}),
        Canvas({"Canvas2", 403, 131, 38, 23, 15}, &shell::quest1),
    };
}

}  // namespace main_window
