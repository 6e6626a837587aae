#include "framework/menus/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

#include "framework/ui/TextLayouts.h"

namespace fw {

namespace {

enum class Command { None, Undo, Cut, Copy, Paste, Clear };

Command CommandOf(const String& name) {
    if (name == "EditUndo") {
        return Command::Undo;
    }
    if (name == "EditCut") {
        return Command::Cut;
    }
    if (name == "EditCopy") {
        return Command::Copy;
    }
    if (name == "EditPaste") {
        return Command::Paste;
    }
    if (name == "EditClear") {
        return Command::Clear;
    }
    return Command::None;
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

}  // namespace

bool IsEditCommand(const String& itemName) {
    return CommandOf(itemName) != Command::None;
}

bool EditCommandEnabled(const String& itemName, QWidget* focus) {
    const Command command = CommandOf(itemName);
    FlushTextLayouts();  // the command edits as the user sees the area
    if (auto* area = qobject_cast<QTextEdit*>(focus)) {
        const bool editable = !area->isReadOnly() && area->isEnabled();
        const bool selection = area->textCursor().hasSelection();
        switch (command) {
            case Command::Undo:
                return editable && area->document()->isUndoAvailable();
            case Command::Cut:
            case Command::Clear:
                return editable && selection;
            case Command::Copy:
                return selection;
            case Command::Paste:
                return editable && area->canPaste();
            case Command::None:
                return false;
        }
    }
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        const bool editable = !field->isReadOnly() && field->isEnabled();
        switch (command) {
            case Command::Undo:
                return editable && field->isUndoAvailable();
            case Command::Cut:
            case Command::Clear:
                return editable && field->hasSelectedText();
            case Command::Copy:
                return field->hasSelectedText();
            case Command::Paste:
                return editable && ClipboardHasText();
            case Command::None:
                return false;
        }
    }
    return false;
}

void RunEditCommand(const String& itemName, QWidget* focus) {
    if (!EditCommandEnabled(itemName, focus)) {
        return;
    }
    const Command command = CommandOf(itemName);
    if (auto* area = qobject_cast<QTextEdit*>(focus)) {
        switch (command) {
            case Command::Undo:
                area->undo();
                break;
            case Command::Cut:
                area->cut();
                break;
            case Command::Copy:
                area->copy();
                break;
            case Command::Paste:
                area->paste();
                break;
            case Command::Clear:
                area->textCursor().removeSelectedText();
                break;
            case Command::None:
                break;
        }
    } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        switch (command) {
            case Command::Undo:
                field->undo();
                break;
            case Command::Cut:
                field->cut();
                break;
            case Command::Copy:
                field->copy();
                break;
            case Command::Paste:
                field->paste();
                break;
            case Command::Clear:
                field->del();
                break;
            case Command::None:
                break;
        }
    }
}

}  // namespace fw
