#include "framework/menus/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>
#include <string_view>
#include <utility>

#include "framework/ui/TextLayouts.h"

namespace fw {

namespace {

enum class Command { None, Undo, Cut, Copy, Paste, Clear };

Command CommandOf(const String& name) {
    constexpr std::pair<std::string_view, Command> kCommands[] = {{"EditUndo", Command::Undo},
                                                                  {"EditCut", Command::Cut},
                                                                  {"EditCopy", Command::Copy},
                                                                  {"EditPaste", Command::Paste},
                                                                  {"EditClear", Command::Clear}};
    for (const auto& [itemName, command] : kCommands) {
        if (name.View() == itemName) {
            return command;
        }
    }
    return Command::None;
}

// What the commands need to know of the focused text control.
struct TextState {
    bool editable;
    bool selection;
    bool undoable;
    bool pastable;
};

bool Allowed(Command command, const TextState& text) {
    switch (command) {
        case Command::Undo:
            return text.editable && text.undoable;
        case Command::Cut:
        case Command::Clear:
            return text.editable && text.selection;
        case Command::Copy:
            return text.selection;
        case Command::Paste:
            return text.editable && text.pastable;
        case Command::None:
            break;
    }
    return false;
}

// Both text widgets undo, cut, copy and paste alike; each clears its selection its own way.
template <class Widget, class Clear>
void Run(Command command, Widget* widget, Clear clear) {
    switch (command) {
        case Command::Undo:
            widget->undo();
            break;
        case Command::Cut:
            widget->cut();
            break;
        case Command::Copy:
            widget->copy();
            break;
        case Command::Paste:
            widget->paste();
            break;
        case Command::Clear:
            clear();
            break;
        case Command::None:
            break;
    }
}

}  // namespace

bool IsEditCommand(const String& itemName) {
    return CommandOf(itemName) != Command::None;
}

bool EditCommandEnabled(const String& itemName, QWidget* focus) {
    FlushTextLayouts();  // the command edits as the user sees the area
    const Command command = CommandOf(itemName);
    if (auto* area = qobject_cast<QTextEdit*>(focus)) {
        return Allowed(command,
                       {!area->isReadOnly() && area->isEnabled(), area->textCursor().hasSelection(),
                        area->document()->isUndoAvailable(), area->canPaste()});
    }
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        const QMimeData* clipboard = QApplication::clipboard()->mimeData();
        return Allowed(command,
                       {!field->isReadOnly() && field->isEnabled(), field->hasSelectedText(),
                        field->isUndoAvailable(), clipboard != nullptr && clipboard->hasText()});
    }
    return false;
}

void RunEditCommand(const String& itemName, QWidget* focus) {
    if (!EditCommandEnabled(itemName, focus)) {
        return;
    }
    const Command command = CommandOf(itemName);
    if (auto* area = qobject_cast<QTextEdit*>(focus)) {
        Run(command, area, [area] { area->textCursor().removeSelectedText(); });
    } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        Run(command, field, [field] { field->del(); });
    }
}

}  // namespace fw
