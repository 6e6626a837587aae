#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ui/ClassRecord.h"
#include "framework/ui/PropertyList.h"
#include "main_window/Layout.h"
#include "main_window/Texts.h"

namespace {

using Entries = std::vector<fw::PropertyEntry>;

// The entries of each class's list, in order, as the framework expects them.
const std::map<std::string, std::vector<std::string>> kClassEntries = {
    {"Label", {"Name",          "Index",
               "Left",          "Top",
               "Width",         "Height",
               "LockLeft",      "LockTop",
               "LockRight",     "LockBottom",
               "TabIndex",      "TabPanelIndex",
               "TabStop",       "AllowAutoDeactivate",
               "Enabled",       "Tooltip",
               "Multiline",     "Selectable",
               "TextAlignment", "TextColor",
               "Transparent",   "Value",
               "Visible",       "Bold",
               "Italic",        "FontName",
               "Underline",     "FontSize",
               "FontUnit",      "DataSource",
               "DataField",     "InitialParent"}},
    {"TextArea",
     {"Name",
      "Index",
      "Left",
      "Top",
      "Width",
      "Height",
      "LockLeft",
      "LockTop",
      "LockRight",
      "LockBottom",
      "TabIndex",
      "TabPanelIndex",
      "TabStop",
      "AllowAutoDeactivate",
      "BackgroundColor",
      "HasBorder",
      "Enabled",
      "Format",
      "Tooltip",
      "HideSelection",
      "LineHeight",
      "LineSpacing",
      "Multiline",
      "HasHorizontalScrollbar",
      "HasVerticalScrollbar",
      "AllowStyledText",
      "TextColor",
      "Transparent",
      "AllowFocusRing",
      "Visible",
      "Bold",
      "Italic",
      "FontName",
      "FontSize",
      "FontUnit",
      "Underline",
      "Value",
      "AllowTabs",
      "TextAlignment",
      "AllowSpellChecking",
      "MaximumCharactersAllowed",
      "ValidationMask",
      "ReadOnly",
      "DataSource",
      "DataField",
      "InitialParent"}},
    {"TextField",
     {"Name",
      "Index",
      "Left",
      "Top",
      "Width",
      "Height",
      "LockLeft",
      "LockTop",
      "LockRight",
      "LockBottom",
      "TabIndex",
      "TabPanelIndex",
      "TabStop",
      "AllowAutoDeactivate",
      "BackgroundColor",
      "HasBorder",
      "Enabled",
      "Format",
      "Tooltip",
      "Password",
      "TextColor",
      "Transparent",
      "AllowFocusRing",
      "Visible",
      "FontName",
      "FontSize",
      "FontUnit",
      "Bold",
      "Italic",
      "Underline",
      "Hint",
      "Value",
      "AllowTabs",
      "TextAlignment",
      "AllowSpellChecking",
      "MaximumCharactersAllowed",
      "ValidationMask",
      "ReadOnly",
      "DataSource",
      "DataField",
      "InitialParent"}},
    {"PushButton", {"Name",           "Index",
                    "Left",           "Top",
                    "Width",          "Height",
                    "LockLeft",       "LockTop",
                    "LockRight",      "LockBottom",
                    "TabIndex",       "TabPanelIndex",
                    "TabStop",        "AllowAutoDeactivate",
                    "MacButtonStyle", "Cancel",
                    "Caption",        "Default",
                    "Enabled",        "Tooltip",
                    "Transparent",    "Visible",
                    "FontName",       "FontSize",
                    "FontUnit",       "Bold",
                    "Italic",         "Underline",
                    "InitialParent"}},
    {"Canvas", {"Name",           "Index",
                "Left",           "Top",
                "Width",          "Height",
                "LockLeft",       "LockTop",
                "LockRight",      "LockBottom",
                "TabIndex",       "TabPanelIndex",
                "TabStop",        "AllowAutoDeactivate",
                "Enabled",        "Tooltip",
                "AllowFocusRing", "Visible",
                "AllowFocus",     "AllowTabs",
                "Transparent",    "DoubleBuffer",
                "Transparent",    "InitialParent"}},
};

const std::vector<std::string> kWindowEntries = {"Width",
                                                 "Height",
                                                 "MinimumWidth",
                                                 "MinimumHeight",
                                                 "MaximumWidth",
                                                 "MaximumHeight",
                                                 "Type",
                                                 "Title",
                                                 "HasCloseButton",
                                                 "HasMaximizeButton",
                                                 "HasMinimizeButton",
                                                 "HasFullScreenButton",
                                                 "Resizeable",
                                                 "Composite",
                                                 "MacProcID",
                                                 "FullScreen",
                                                 "DefaultLocation",
                                                 "Visible",
                                                 "HasBackgroundColor",
                                                 "BackgroundColor",
                                                 "MenuBarVisible",
                                                 "LiveResize"};

// The byte length a list must have, from its entry names and the width each name's value
// takes: a count and the bytes for texts, 8 for whole numbers and doubles, 4 for the font size
// and the colours, 1 for the font unit and every flag.
std::size_t ExpectedByteLength(const Entries& entries) {
    static const std::set<std::string> texts = {
        "Name",    "Title", "Caption",        "Value",      "FontName",  "Format",
        "Tooltip", "Hint",  "ValidationMask", "DataSource", "DataField", "InitialParent"};
    static const std::set<std::string> eightBytes = {
        "Width",           "Height",        "MinimumWidth",  "MinimumHeight",
        "MaximumWidth",    "MaximumHeight", "Type",          "MacProcID",
        "DefaultLocation", "Index",         "Left",          "Top",
        "TabIndex",        "TabPanelIndex", "TextAlignment", "MaximumCharactersAllowed",
        "MacButtonStyle",  "LineHeight",    "LineSpacing"};
    static const std::set<std::string> fourBytes = {"FontSize", "BackgroundColor", "TextColor"};
    std::size_t length = 0;
    for (const fw::PropertyEntry& entry : entries) {
        length += entry.name.size() + 1;
        if (texts.contains(entry.name)) {
            length += 4 + std::get<fw::String>(entry.value).ByteCount();
        } else if (eightBytes.contains(entry.name)) {
            length += 8;
        } else if (fourBytes.contains(entry.name)) {
            length += 4;
        } else {
            length += 1;
        }
    }
    return length;
}

std::vector<std::string> NamesOf(const Entries& entries) {
    std::vector<std::string> names;
    for (const fw::PropertyEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

// The value of the first entry of that name, of the type the test expects.
template <class T>
T Get(const Entries& entries, std::string_view name) {
    for (const fw::PropertyEntry& entry : entries) {
        if (entry.name == name) {
            return std::get<T>(entry.value);
        }
    }
    ADD_FAILURE() << "no entry " << name;
    return T{};
}

std::string TextOf(const Entries& entries, std::string_view name) {
    return Get<fw::String>(entries, name).ToStdString();
}

bool Contains(const fw::String& list, std::string_view bytes) {
    return list.View().find(bytes) != std::string_view::npos;
}

// Short stand-ins for the two tables, with the CRs that part their entries.
const fw::String kEigenTable("1.2808\r1.2333\r0.6506");
const fw::String kErrorTable(".0074\r.0062\r.0009");

struct Built {
    std::string className;
    fw::String list;
    Entries entries;
};

std::map<std::string, Built> BuildControls() {
    std::map<std::string, Built> built;
    for (const fw::ControlLayout& control :
         main_window::ControlWndControls(kEigenTable, kErrorTable)) {
        built[control.name.ToStdString()] = {control.record().Name().ToStdString(),
                                             control.properties,
                                             fw::DecodePropertyList(control.properties)};
    }
    return built;
}

TEST(WindowList, HoldsItsEntriesInOrderWithTheWindowsSize) {
    fw::String list = main_window::ControlWndPropertyList();
    Entries entries = fw::DecodePropertyList(list);
    EXPECT_EQ(NamesOf(entries), kWindowEntries);
    EXPECT_EQ(list.ByteCount(), ExpectedByteLength(entries));

    using namespace std::string_view_literals;
    EXPECT_EQ(list.View().substr(0, 14), "Width \xD6\x01\0\0\0\0\0\0"sv);
    EXPECT_EQ(Get<std::int64_t>(entries, "Height"), 420);
    EXPECT_EQ(Get<std::int64_t>(entries, "MinimumWidth"), 64);
    EXPECT_EQ(Get<std::int64_t>(entries, "MaximumHeight"), 32000);
    EXPECT_EQ(TextOf(entries, "Title"), "Vantrex Analysis");
    EXPECT_TRUE(Get<bool>(entries, "HasCloseButton"));
    EXPECT_FALSE(Get<bool>(entries, "HasMaximizeButton"));
    EXPECT_TRUE(Get<bool>(entries, "HasMinimizeButton"));
    EXPECT_FALSE(Get<bool>(entries, "Resizeable"));
    EXPECT_FALSE(Get<bool>(entries, "FullScreen"));
    EXPECT_TRUE(Get<bool>(entries, "MenuBarVisible"));
    EXPECT_EQ(Get<fw::Color>(entries, "BackgroundColor"), (fw::Color{0xFF, 0xFF, 0xFF, 0x00}));
}

TEST(ControlLists, ComeInCreationOrderWithTheirClassesPlacesAndTabs) {
    struct Row {
        const char* name;
        const char* className;
        std::int64_t left, top, width, height, tabIndex;
        bool tabStop, visible, enabled;
        const char* initialParent;
    };
    const Row rows[] = {
        {"StaticText1", "Label", 16, 100, 191, 25, 1, false, true, true, ""},
        {"StaticText2", "Label", 16, 127, 215, 25, 2, false, true, true, ""},
        {"EditFldVars", "TextArea", 234, 102, 50, 19, 3, true, true, true, ""},
        {"EditFldSubs", "TextArea", 234, 129, 50, 19, 4, true, true, true, ""},
        {"EditFldOut", "TextArea", 20, 164, 425, 200, 5, true, true, true, ""},
        {"DisclaimFld", "TextArea", 50, 176, 350, 158, 0, false, true, false, "EditFldOut"},
        {"infoFld", "TextField", 196, 340, 80, 22, 1, false, false, false, "EditFldOut"},
        {"CalculateBtn", "PushButton", 16, 376, 80, 25, 6, false, true, true, ""},
        {"ClearBtn", "PushButton", 251, 376, 80, 25, 7, false, true, true, ""},
        {"Canvas1", "Canvas", 0, 0, 466, 47, 8, false, true, true, ""},
        {"PrintBrn", "PushButton", 131, 376, 80, 25, 10, false, true, true, ""},
        {"StaticText3", "Label", 3, 39, 440, 21, 11, false, true, true, ""},
        {"QuitBtn", "PushButton", 366, 376, 80, 25, 12, false, true, true, ""},
        {"EigenFld", "TextArea", 10, 67, 150, 22, 13, true, false, false, ""},
        {"SerrorFld", "TextArea", 281, 63, 150, 22, 14, true, false, false, ""},
        {"Canvas2", "Canvas", 403, 131, 38, 23, 15, false, true, true, ""},
    };
    std::vector<fw::ControlLayout> controls =
        main_window::ControlWndControls(kEigenTable, kErrorTable);
    ASSERT_EQ(controls.size(), std::size(rows));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(controls[i].name, row.name);
        EXPECT_EQ(controls[i].record().Name(), row.className);
        Entries entries = fw::DecodePropertyList(controls[i].properties);
        EXPECT_EQ(NamesOf(entries), kClassEntries.at(row.className));
        EXPECT_EQ(controls[i].properties.ByteCount(), ExpectedByteLength(entries));

        EXPECT_EQ(TextOf(entries, "Name"), row.name) << "the list repeats the registered name";
        EXPECT_EQ(Get<std::int64_t>(entries, "Left"), row.left);
        EXPECT_EQ(Get<std::int64_t>(entries, "Top"), row.top);
        EXPECT_EQ(Get<std::int64_t>(entries, "Width"), row.width);
        EXPECT_EQ(Get<std::int64_t>(entries, "Height"), row.height);
        EXPECT_EQ(Get<std::int64_t>(entries, "TabIndex"), row.tabIndex);
        EXPECT_NE(Get<std::int64_t>(entries, "TabIndex"), 9);
        EXPECT_EQ(Get<bool>(entries, "TabStop"), row.tabStop);
        EXPECT_EQ(Get<bool>(entries, "Visible"), row.visible);
        EXPECT_EQ(Get<bool>(entries, "Enabled"), row.enabled);
        EXPECT_EQ(TextOf(entries, "InitialParent"), row.initialParent);

        // What every control shares.
        EXPECT_EQ(Get<std::int64_t>(entries, "Index"), -2147483648LL);
        EXPECT_EQ(Get<std::int64_t>(entries, "TabPanelIndex"), 0);
        EXPECT_TRUE(Get<bool>(entries, "AllowAutoDeactivate"));
        EXPECT_EQ(TextOf(entries, "Tooltip"), "");
        bool locked = std::string_view(row.name) == "infoFld";
        for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"}) {
            EXPECT_EQ(Get<bool>(entries, lock), locked) << lock;
        }
    }
}

TEST(ControlLists, LayTheDisclaimerAndInformationHolderInsideTheOutputArea) {
    std::map<std::string, Built> built = BuildControls();
    auto rect = [&](const char* name) {
        const Entries& e = built.at(name).entries;
        return std::vector<std::int64_t>{
            Get<std::int64_t>(e, "Left"), Get<std::int64_t>(e, "Top"),
            Get<std::int64_t>(e, "Left") + Get<std::int64_t>(e, "Width"),
            Get<std::int64_t>(e, "Top") + Get<std::int64_t>(e, "Height")};
    };
    std::vector<std::int64_t> out = rect("EditFldOut");
    for (const char* inner : {"DisclaimFld", "infoFld"}) {
        std::vector<std::int64_t> r = rect(inner);
        EXPECT_GE(r[0], out[0]) << inner;
        EXPECT_GE(r[1], out[1]) << inner;
        EXPECT_LE(r[2], out[2]) << inner;
        EXPECT_LE(r[3], out[3]) << inner;
    }
}

TEST(ControlLists, CarryTheTextsFontsAndColours) {
    struct Look {
        const char* name;
        const char* fontName;
        float fontSize;
        fw::Color textColor;
        std::int64_t alignment;
        bool transparent;
    };
    const fw::Color black{0, 0, 0, 0};
    const Look looks[] = {
        {"StaticText1", "System", 12, {0xFE, 0x7F, 0x0F, 0}, 0, false},
        {"StaticText2", "System", 12, {0xFE, 0x7F, 0x0F, 0}, 0, false},
        {"EditFldVars", "System", 12, black, 2, true},
        {"EditFldSubs", "System", 12, black, 2, true},
        {"EditFldOut", "Courier", 10, black, 0, true},
        {"DisclaimFld", "System", 10, {0x77, 0x77, 0x77, 0}, 0, true},
        {"infoFld", "System", 10, black, 0, true},
        {"StaticText3", "System", 9, {0xFF, 0x99, 0x33, 0}, 2, false},
        {"EigenFld", "courier", 9, black, 0, true},
        {"SerrorFld", "courier", 9, black, 0, true},
    };
    std::map<std::string, Built> built = BuildControls();
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        const Entries& e = built.at(look.name).entries;
        EXPECT_EQ(TextOf(e, "FontName"), look.fontName);
        EXPECT_EQ(Get<float>(e, "FontSize"), look.fontSize);
        EXPECT_EQ(Get<std::uint8_t>(e, "FontUnit"), 0);
        EXPECT_EQ(Get<fw::Color>(e, "TextColor"), look.textColor);
        EXPECT_EQ(Get<std::int64_t>(e, "TextAlignment"), look.alignment);
        EXPECT_EQ(Get<bool>(e, "Transparent"), look.transparent);
        for (const char* style : {"Bold", "Italic", "Underline"}) {
            EXPECT_FALSE(Get<bool>(e, style)) << style;
        }
    }
    EXPECT_TRUE(
        Contains(built.at("StaticText1").list, std::string_view("FontSize \0\0\x40\x41", 13)));

    auto value = [&](const char* name) { return Get<fw::String>(built.at(name).entries, "Value"); };
    EXPECT_EQ(value("StaticText1").View(), "Number of Variables (5-100):");
    EXPECT_EQ(value("StaticText2").View(), "Number of Subjects (100-2,500):");
    EXPECT_EQ(value("StaticText3"), main_window::WindowByline());
    EXPECT_EQ(value("DisclaimFld"), main_window::DisclaimerText());
    EXPECT_EQ(value("infoFld"), main_window::InformationText());
    EXPECT_EQ(value("EditFldVars").View(), "");
    EXPECT_EQ(value("EditFldOut").View(), "");
    for (const char* label : {"StaticText1", "StaticText2", "StaticText3"}) {
        EXPECT_FALSE(Get<bool>(built.at(label).entries, "Multiline")) << label;
        EXPECT_FALSE(Get<bool>(built.at(label).entries, "Selectable")) << label;
    }
}

TEST(ControlLists, HandTheTablesToTheHiddenHoldersUnchanged) {
    std::map<std::string, Built> built = BuildControls();
    EXPECT_EQ(Get<fw::String>(built.at("EigenFld").entries, "Value"), kEigenTable);
    EXPECT_EQ(Get<fw::String>(built.at("SerrorFld").entries, "Value"), kErrorTable);

    // A table of the real size: its byte count fills more than two bytes of the count.
    std::string big;
    for (int i = 0; i < 11550; ++i) {
        big += (i == 0 ? "" : "\r");
        big += "1.2808";
    }
    fw::String table(big);
    std::vector<fw::ControlLayout> controls = main_window::ControlWndControls(table, kErrorTable);
    Entries eigen = fw::DecodePropertyList(controls.at(13).properties);
    EXPECT_EQ(controls.at(13).name, "EigenFld");
    EXPECT_EQ(Get<fw::String>(eigen, "Value"), table);
    EXPECT_EQ(controls.at(13).properties.ByteCount(), ExpectedByteLength(eigen));
}

TEST(ControlLists, SetTheTextControlsLimitsMasksAndBorders) {
    struct TextRow {
        const char* name;
        bool border, focusRing, spellChecking;
        std::int64_t maxChars;
        const char* mask;
    };
    const TextRow rows[] = {
        {"EditFldVars", true, true, true, 3, "###"}, {"EditFldSubs", true, true, true, 4, ""},
        {"EditFldOut", true, false, false, 0, ""},   {"DisclaimFld", false, false, false, 0, ""},
        {"infoFld", false, false, false, 0, ""},     {"EigenFld", false, false, true, 0, ""},
        {"SerrorFld", false, false, true, 0, ""},
    };
    std::map<std::string, Built> built = BuildControls();
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Entries& e = built.at(row.name).entries;
        EXPECT_EQ(Get<bool>(e, "HasBorder"), row.border);
        EXPECT_EQ(Get<bool>(e, "AllowFocusRing"), row.focusRing);
        EXPECT_EQ(Get<bool>(e, "AllowSpellChecking"), row.spellChecking);
        EXPECT_EQ(Get<std::int64_t>(e, "MaximumCharactersAllowed"), row.maxChars);
        EXPECT_EQ(TextOf(e, "ValidationMask"), row.mask);
        EXPECT_EQ(Get<fw::Color>(e, "BackgroundColor"), (fw::Color{0xFF, 0xFF, 0xFF, 0}));
        EXPECT_FALSE(Get<bool>(e, "ReadOnly"));
        EXPECT_FALSE(Get<bool>(e, "AllowTabs"));
    }
    struct AreaRow {
        const char* name;
        bool verticalScrollbar, styledText;
    };
    const AreaRow areas[] = {{"EditFldVars", false, false}, {"EditFldSubs", false, false},
                             {"EditFldOut", true, true},    {"DisclaimFld", false, true},
                             {"EigenFld", true, false},     {"SerrorFld", true, false}};
    for (const AreaRow& row : areas) {
        SCOPED_TRACE(row.name);
        const Entries& e = built.at(row.name).entries;
        EXPECT_EQ(Get<bool>(e, "HasVerticalScrollbar"), row.verticalScrollbar);
        EXPECT_EQ(Get<bool>(e, "AllowStyledText"), row.styledText);
        EXPECT_FALSE(Get<bool>(e, "HasHorizontalScrollbar"));
        EXPECT_TRUE(Get<bool>(e, "Multiline"));
        EXPECT_TRUE(Get<bool>(e, "HideSelection"));
        EXPECT_EQ(Get<double>(e, "LineHeight"), 0.0);
        EXPECT_EQ(Get<double>(e, "LineSpacing"), 1.0);
    }
    EXPECT_FALSE(Get<bool>(built.at("infoFld").entries, "Password"));
    EXPECT_EQ(TextOf(built.at("infoFld").entries, "Hint"), "");
}

TEST(ControlLists, MakeEveryButtonADefaultAndNoneACancel) {
    std::map<std::string, Built> built = BuildControls();
    const std::pair<const char*, const char*> buttons[] = {{"CalculateBtn", "Calculate"},
                                                           {"ClearBtn", "Clear"},
                                                           {"PrintBrn", "Print"},
                                                           {"QuitBtn", "Quit"}};
    for (const auto& [name, caption] : buttons) {
        SCOPED_TRACE(name);
        const Built& button = built.at(name);
        EXPECT_EQ(TextOf(button.entries, "Caption"), caption);
        EXPECT_FALSE(Get<bool>(button.entries, "Cancel"));
        EXPECT_EQ(Get<std::int64_t>(button.entries, "MacButtonStyle"), 0);
        EXPECT_TRUE(Contains(button.list, std::string_view("Default \x01", 9)));
        EXPECT_TRUE(Contains(button.list, std::string_view("Cancel \0", 8)));
    }
    EXPECT_TRUE(Contains(built.at("QuitBtn").list, std::string_view("Caption \x04\0\0\0Quit", 16)));
}

TEST(ControlLists, GiveEachCanvasTwoTrueTransparentEntriesAndNoBackdrop) {
    std::map<std::string, Built> built = BuildControls();
    for (const char* name : {"Canvas1", "Canvas2"}) {
        SCOPED_TRACE(name);
        const Entries& e = built.at(name).entries;
        int transparent = 0;
        for (const fw::PropertyEntry& entry : e) {
            EXPECT_NE(entry.name, "Backdrop");
            if (entry.name == "Transparent") {
                ++transparent;
                EXPECT_TRUE(std::get<bool>(entry.value));
            }
        }
        EXPECT_EQ(transparent, 2);
        EXPECT_TRUE(Get<bool>(e, "AllowFocusRing"));
        EXPECT_FALSE(Get<bool>(e, "AllowFocus"));
        EXPECT_FALSE(Get<bool>(e, "AllowTabs"));
        EXPECT_FALSE(Get<bool>(e, "DoubleBuffer"));
    }
}

}  // namespace
