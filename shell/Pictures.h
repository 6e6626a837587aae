#pragma once

#include "framework/core/Object.h"

namespace fw {
class Picture;
}

namespace shell {

// The pictures stored with the application, each opened by file name on first use and kept for
// the rest of the process. A picture that did not open gives nil and is tried again next time.

// The title banner of the main window ("MainTitle.png"), also printed at the top of the page.
fw::Ref<fw::Picture> MainTitle();

// The help picture right of the subjects field ("quest.png").
fw::Ref<fw::Picture> quest1();

// The parallel-analysis picture in the middle of the About window ("Parallel.png").
fw::Ref<fw::Picture> Parallel();

// The title across the top of the About window ("SplashTitle.png").
fw::Ref<fw::Picture> SplashTitle();

}  // namespace shell
