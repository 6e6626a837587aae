#include "framework/ui/PushButton.h"

#include <QFont>
#include <QPushButton>
#include <array>

#include "framework/ui/QtConversions.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 4> kOwnPropertyNames = {"MacButtonStyle", "Cancel",
                                                               "Caption", "Default"};

}  // namespace

const ClassRecord& PushButton::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("PushButton", &RectControl::Record(), AllocatorOf<PushButton>()));
    return record;
}

PushButton::PushButton() : RectControl(new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseEvent(kAction); });
    button->setFont(m_font.ToQFont());
}

PushButton::~PushButton() {
    if (QWidget* button = WidgetOrNull()) {
        // The button itself is deleted later; no click may reach this object meanwhile.
        QObject::disconnect(static_cast<QPushButton*>(button), &QPushButton::clicked, nullptr,
                            nullptr);
    }
}

void PushButton::SetCaption(const String& caption) {
    m_caption = caption;
    QString text = ToQString(caption);
    text.replace('&', "&&");  // a caption's "&" is text, not a mnemonic
    static_cast<QPushButton*>(Widget())->setText(text);
}

void PushButton::Push() {
    static_cast<QPushButton*>(Widget())->click();
}

std::span<const Control::EventSpec> PushButton::Events() const {
    static constexpr std::array<EventSpec, 1> kEvents = {{
        {kAction, "Action", EventShape::Sender, "( PushButton )"},
    }};
    return kEvents;
}

bool PushButton::KnowsOwnProperty(std::string_view name) const {
    return FontSpec::Knows(name) || NameIsIn(name, kOwnPropertyNames);
}

bool PushButton::ApplyOwnProperty(const PropertyEntry& entry) {
    const std::string& name = entry.name;
    if (name == "Caption") {
        SetCaption(TextValue(entry));
    } else if (m_font.Take(entry)) {
        Widget()->setFont(m_font.ToQFont());
    } else if (name == "Default") {
        // Stored only: which button Return presses is not settled, so none is made default.
        m_default = BooleanValue(entry);
    } else if (name == "Cancel") {
        m_cancel = BooleanValue(entry);
    } else {
        return false;
    }
    return true;
}

void PushButton::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
}

}  // namespace fw
