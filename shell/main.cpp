// The process: the framework's start-up, the initialisers, the program's own start-up and event
// loop, the finalisers and the exit status. The program takes no command line.
#include <exception>

#include "framework/ui/Initializers.h"
#include "framework/ui/Runtime.h"
#include "shell/Startup.h"

int main() {
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
