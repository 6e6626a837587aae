// The process: a display to show the window on, the framework's start-up, the initialisers, the
// program's own start-up and event loop, the finalisers and the exit status. The program takes no
// command line.
#include <cstdio>
#include <exception>
#include <string>

#include "framework/ui/Display.h"
#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "shell/Startup.h"

int main() {
    // Without a display the window has nowhere to go: say how to get one, and stop.
    const std::string missing = fw::RuntimeMissingDisplay();
    if (!missing.empty()) {
        std::fprintf(stderr,
                     "vantrex: %s; set DISPLAY to a running X display, or start the program with "
                     "./run, which gives it a virtual one\n",
                     missing.c_str());
        return 1;
    }
    static char name[] = "vantrex";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    fw::RuntimeStartup(argc, argv);
    shell::AddInitializers();
    std::exception_ptr pending = fw::RunInitializers();
    shell::Main(pending);
    fw::RunFinalizers();
    return fw::RuntimeExit();
}
