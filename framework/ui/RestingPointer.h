#pragma once

class QEnterEvent;

namespace fw {

// The pointer enters a control when the user moves it in. A window shown under a resting pointer
// (opened there, or brought back as the window above it goes) has not been entered, though the
// platform says so: the framework tells the two apart by where the pointer rested when the
// program last showed a window.

// Notes where the pointer rests now, as the program shows a window.
void NoteRestingPointer();

// Whether the pointer came over the control without moving since the program last showed a
// window.
bool CameUnderRestingPointer(const QEnterEvent& event);

}  // namespace fw
