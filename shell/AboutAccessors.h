#pragma once

#include "framework/core/Object.h"

namespace fw {
class AppleMenuItem;
class Window;
}  // namespace fw

namespace shell {

// What the main window needs of the application shell: the About window (the open one, or a
// new one) and the About item of the application's menu bar. The shell defines both.
fw::Ref<fw::Window> AboutWnd();
fw::Ref<fw::AppleMenuItem> AboutVantrex();

}  // namespace shell
