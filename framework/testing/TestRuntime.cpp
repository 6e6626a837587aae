#include "framework/testing/TestRuntime.h"

#include "framework/ui/Runtime.h"

namespace fw::testing {

void EnsureRuntimeForTests() {
    static int argc = 1;
    static char name[] = "vantrex-tests";
    static char* argv[] = {name, nullptr};
    RuntimeStartup(argc, argv);
}

}  // namespace fw::testing
