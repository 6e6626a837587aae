#include <gtest/gtest.h>

#include "framework/ui/PlatformPlugins.h"

namespace {

// The platforms installed with Qt here are found by their plugins' keys, in any case, and a
// platform no plugin provides is not.
TEST(PlatformPlugins, FindsTheInstalledPlatformsByName) {
    EXPECT_TRUE(fw::PlatformPluginInstalled("offscreen"));
    EXPECT_TRUE(fw::PlatformPluginInstalled("XCB"));
    EXPECT_FALSE(fw::PlatformPluginInstalled("nowhere"));
}

}  // namespace
