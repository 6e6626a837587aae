// The pictures stored with the application. They are kept for the life of the process, so this
// program keeps to one rule: the parallel-analysis picture is never there.
#include <unistd.h>

#include <QTest>
#include <filesystem>

#include "ShellFixture.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/Canvas.h"
#include "shell/Pictures.h"

namespace {

namespace fs = std::filesystem;

// A pictures folder of the test's own, holding only the banner and the help picture at first.
class Pictures : public shelltest::ShellTest {
  protected:
    static void SetUpTestSuite() {
        fs::create_directories(folder);
        for (const char* name : {"MainTitle.png", "quest.png"}) {
            fs::copy_file(fs::path(VANTREX_PICTURES_DIR) / name, folder / name);
        }
        fw::Picture::SetFolderForTesting(folder.string());
    }
    static void TearDownTestSuite() { fs::remove_all(folder); }

    static inline const fs::path folder =
        fs::temp_directory_path() / ("vantrex-pictures-" + std::to_string(::getpid()));
};

TEST_F(Pictures, OneThatOpenedIsKeptAndOneThatIsMissingIsTriedAgain) {
    const fw::Ref<fw::Picture> banner = shell::MainTitle();
    ASSERT_NE(banner, nullptr);
    fs::remove(folder / "MainTitle.png");
    EXPECT_EQ(shell::MainTitle(), banner);
    EXPECT_NE(shell::quest1(), nullptr);  // from quest.png
    EXPECT_EQ(shell::quest1(), shell::quest1());

    EXPECT_EQ(shell::SplashTitle(), nullptr);
    fs::copy_file(fs::path(VANTREX_PICTURES_DIR) / "SplashTitle.png", folder / "SplashTitle.png");
    const fw::Ref<fw::Picture> title = shell::SplashTitle();
    EXPECT_NE(title, nullptr);
    EXPECT_EQ(shell::SplashTitle(), title);
    EXPECT_EQ(shell::Parallel(), nullptr);  // its file is still missing
}

TEST_F(Pictures, AboutWindowOpensWithAnEmptyCanvasForAMissingPicture) {
    const fw::Ref<shell::classes::AboutWnd> about = shelltest::About();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->IsShown());
    EXPECT_EQ(about->Graph()->Backdrop(), nullptr);
    // The empty canvas still takes a press to the window.
    QTest::mouseClick(about->Graph()->Widget(), Qt::LeftButton);
    EXPECT_FALSE(about->IsShown());
}

}  // namespace
