#pragma once

#include "framework/core/String.h"

class QWidget;

namespace fw {

// The Edit menu's commands, known by item name (EditUndo, EditCut, EditCopy, EditPaste,
// EditClear), acting on the focused text control of a window.
bool IsEditCommand(const String& itemName);
// Whether the command can act on the focused widget now (nil: no focus, nothing to act on).
bool EditCommandEnabled(const String& itemName, QWidget* focus);
void RunEditCommand(const String& itemName, QWidget* focus);

}  // namespace fw
