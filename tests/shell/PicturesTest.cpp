#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>
#include <QTest>

#include "ShellFixture.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/Canvas.h"
#include "shell/Pictures.h"

// The pictures are cached for the life of the process, so this program keeps to one rule: the
// parallel-analysis picture is never there.

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VANTREX_PICTURES_DIR;

// A pictures folder of the test's own, holding only the banner and the help picture at first.
class Pictures : public shelltest::ShellTest {
  protected:
    static void SetUpTestSuite() {
        folder = fs::temp_directory_path() / ("vantrex-pictures-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* name : {"MainTitle.png", "quest.png"}) {
            fs::copy_file(kSource / name, folder / name);
        }
        fw::Picture::SetFolderForTesting(folder.string());
    }
    static void TearDownTestSuite() {
        fw::Picture::SetFolderForTesting("");
        fs::remove_all(folder);
    }

    static inline fs::path folder;
};

TEST_F(Pictures, OneThatOpenedIsKeptAndNotReadAgain) {
    fw::Ref<fw::Picture> banner = shell::MainTitle();
    ASSERT_NE(banner, nullptr);
    fs::rename(folder / "MainTitle.png", folder / "gone.png");
    EXPECT_EQ(shell::MainTitle(), banner);
    fs::rename(folder / "gone.png", folder / "MainTitle.png");

    // quest1 opens quest.png: no file is named after the accessor.
    EXPECT_FALSE(fs::exists(folder / "quest1.png"));
    fw::Ref<fw::Picture> help = shell::quest1();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shell::quest1(), help);
    EXPECT_NE(help, banner);
}

TEST_F(Pictures, OneThatIsMissingIsTriedAgainOnTheNextCall) {
    fs::remove(folder / "SplashTitle.png");
    EXPECT_EQ(shell::SplashTitle(), nullptr);
    EXPECT_EQ(shell::SplashTitle(), nullptr);
    fs::copy_file(kSource / "SplashTitle.png", folder / "SplashTitle.png");
    fw::Ref<fw::Picture> title = shell::SplashTitle();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(shell::SplashTitle(), title);
    // The missing one does not disturb the others.
    EXPECT_EQ(shell::Parallel(), nullptr);
    EXPECT_NE(shell::MainTitle(), nullptr);
}

TEST_F(Pictures, AboutWindowOpensWithAnEmptyCanvasForAMissingPicture) {
    fw::Ref<shell::classes::AboutWnd> about = shelltest::About();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->IsShown());
    EXPECT_EQ(about->Graph()->Backdrop(), nullptr);
    EXPECT_NE(about->StaticText2(), nullptr);
    EXPECT_NE(about->Timer1(), nullptr);
    // The empty canvas still takes a press to the window.
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(about->IsShown());
}

}  // namespace
