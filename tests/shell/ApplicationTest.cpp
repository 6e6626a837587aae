#include <gtest/gtest.h>

#include "framework/core/Text.h"
#include "framework/menus/AppleMenuItem.h"
#include "framework/testing/TestRuntime.h"
#include "shell/Menu.h"
#include "shell/Startup.h"
#include "shell/Vantrex.h"

namespace {

class ApplicationObject : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        fw::RuntimeRegisterAppObject(nullptr);
    }
    void TearDown() override {
        fw::RuntimeRegisterAppObject(nullptr);
        shell::classes::Menu::implicitInstance = nullptr;
    }
};

TEST_F(ApplicationObject, IsNilUntilRegisteredThenAlwaysTheSameObject) {
    EXPECT_EQ(shell::App(), nullptr);
    shell::NewAppInstance();
    fw::Ref<shell::classes::Vantrex> app = shell::App();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(shell::App(), app);
    EXPECT_EQ(fw::GetAppObject(), app);
    // It carries the one menu bar.
    EXPECT_EQ(app->MenuBar(), shell::Menu());
}

TEST_F(ApplicationObject, CarriesItsVersionData) {
    shell::NewAppInstance();
    fw::Ref<shell::classes::Vantrex> app = shell::App();
    EXPECT_EQ(app->MajorVersion(), 2);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->ShortVersion(), "Vantrex");
    EXPECT_EQ(app->PackageInfo(), "Vantrex");
    // The ownership notice: one line of 30 characters, 31 bytes, starting with the copyright sign.
    fw::String notice = app->LongVersion();
    EXPECT_EQ(fw::Len(notice), 30);
    EXPECT_EQ(notice.ByteCount(), 31u);
    EXPECT_EQ(notice.View().substr(0, 2), "\xC2\xA9");
    EXPECT_EQ(notice.View().find_first_of("\r\n"), std::string_view::npos);
}

TEST_F(ApplicationObject, AboutItemIsFoundInTheInstalledBar) {
    shell::NewAppInstance();
    fw::Ref<fw::AppleMenuItem> about = shell::AboutVantrex();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Name(), "AboutVantrex");
    EXPECT_EQ(about->Value(), "About Vantrex Analysis");
    EXPECT_EQ(about->Shortcut(), "");
    EXPECT_EQ(shell::AboutVantrex(), about);
    EXPECT_EQ(about->Parent(), shell::Menu()->Child("UntitledMenu0").get());
}

TEST_F(ApplicationObject, AboutItemWithoutApplicationOrBarIsANilObject) {
    EXPECT_THROW(shell::AboutVantrex(), fw::NilObjectException);
    // An application object without a bar.
    auto bare = fw::Cast<shell::classes::Vantrex>(shell::classes::Vantrex::Record().New());
    fw::RuntimeRegisterAppObject(bare);
    EXPECT_THROW(shell::AboutVantrex(), fw::NilObjectException);
    // An application object of another class is a failed cast.
    fw::RuntimeRegisterAppObject(fw::Cast<fw::Application>(fw::Application::Record().New()));
    EXPECT_THROW(shell::App(), fw::IllegalCastException);
}

TEST_F(ApplicationObject, HandlesNoEventOfItsOwn) {
    shell::NewAppInstance();
    fw::Ref<shell::classes::Vantrex> app = shell::App();
    for (const char* event : {"Open", "Close", "EnableMenuItems", "NewDocument", "Activate", ""}) {
        EXPECT_FALSE(app->IsEventImplemented(event)) << event;
    }
    EXPECT_EQ(shell::classes::Vantrex::Record().Base(), &fw::Application::Record());
}

}  // namespace
