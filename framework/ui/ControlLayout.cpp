#include "framework/ui/ControlLayout.h"

#include "framework/graphics/Picture.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/SetProperties.h"
#include "framework/ui/Window.h"

namespace fw {

void CreateControl(Window& window, const ControlLayout& control) {
    {
        Ref<Object> made = window.New(control.record());
        Cast<Control>(made)->Constructor();
        window.AddControl(control.name, made);
    }
    // From here on the window holds the control; each step fetches it again by name.
    if (control.backdrop != nullptr) {
        // Set before the list is applied; a picture that did not open leaves the canvas empty.
        Cast<Canvas>(window.ControlByName(control.name))->SetBackdrop(control.backdrop());
    }
    SetProperties(window.ControlByName(control.name), control.properties);
}

}  // namespace fw
