#include "framework/ui/PushButton.h"

#include <QPushButton>

#include "framework/ui/QtConversions.h"

namespace fw {

const ClassRecord& PushButton::Record() {
    static const ClassRecord record(
        ClassRecord::Builder("PushButton", &RectControl::Record(), AllocatorOf<PushButton>()));
    return record;
}

PushButton::PushButton() : RectControl(new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseEvent(kAction); });
    ApplyFont();
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

const PropertyTable& PushButton::Properties() const {
    static const PropertyTable table =
        PropertyTable::For<PushButton>(WithFont(CommonProperties()))
            .Text("Caption",
                  [](PushButton& button, const String& caption) { button.SetCaption(caption); })
            // Return in a short entry presses the window's first button that carries it.
            .Boolean("Default", Store(&PushButton::m_default))
            .Boolean("Cancel", Store(&PushButton::m_cancel))
            .Ignored({"MacButtonStyle"});
    return table;
}

void PushButton::ApplyFocusPolicy() {
    Widget()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
}

}  // namespace fw
