#pragma once

#include "framework/core/String.h"

namespace fw {

// A modal message box with the text; returns when the user has dismissed it.
void MsgBox(const String& text);

// The system's alert sound.
void Beep();

// The box behind MsgBox, also used for the framework's own messages.
void ShowMessage(const String& text);

}  // namespace fw
