#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

class ClassRecord;
class Picture;
class Window;

// One control of a window's layout, as data: the name the window registers it under, its class,
// its property list and, for a canvas, the picture accessor of its backdrop.
struct ControlLayout {
    String name;
    const ClassRecord& (*record)();
    String properties;
    Ref<Picture> (*backdrop)() = nullptr;
};

// Makes the control in the window, as a window's CreateControls does: a new object of its class
// through the window, constructed and registered under its name; then, fetched again by name each
// time, a canvas's backdrop set and the property list applied. What any step raises ends it.
void CreateControl(Window& window, const ControlLayout& control);

}  // namespace fw
