#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "framework/graphics/Picture.h"
#include "framework/testing/TestRuntime.h"

namespace {

TEST(Picture, OnlyAPictureFileOfThePicturesFolderOpensAtItsOwnSize) {
    fw::testing::EnsureRuntimeForTests();
    QTemporaryDir dir;
    QImage image(30, 12, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(dir.filePath("Some.png")));
    QDir(dir.path()).mkdir("sub");
    ASSERT_TRUE(image.save(dir.filePath("sub/Other.png")));
    QFile junk(dir.filePath("Junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    fw::Picture::SetFolderForTesting(fw::String(dir.path().toStdString()));

    fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp("Some.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 30);
    EXPECT_EQ(picture->Height(), 12);
    const std::string absolute = dir.filePath("Some.png").toStdString();
    for (const std::string& name :
         {std::string("Missing.png"), std::string(), std::string(".."),
          std::string("sub/Other.png"), std::string("sub\\Other.png"), std::string("../Some.png"),
          absolute, std::string("Junk.png")}) {
        EXPECT_EQ(fw::Picture::OpenFromApp(fw::String(name)), nullptr) << name;
    }
    fw::Picture::SetFolderForTesting("");
}

// The pictures the windows show are stored with the application, each at most its canvas's size.
TEST(Picture, TheStoredPicturesOpenAndFitTheirCanvases) {
    fw::testing::EnsureRuntimeForTests();
    struct Stored {
        const char* name;
        int canvasWidth, canvasHeight;
    };
    for (Stored s : {Stored{"MainTitle.png", 466, 47}, Stored{"quest.png", 38, 23},
                     Stored{"Parallel.png", 147, 115}, Stored{"SplashTitle.png", 244, 30}}) {
        fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp(s.name);
        ASSERT_TRUE(picture) << s.name;
        EXPECT_LE(picture->Width(), s.canvasWidth) << s.name;
        EXPECT_LE(picture->Height(), s.canvasHeight) << s.name;
        EXPECT_GE(picture->Width(), s.canvasWidth * 3 / 4) << s.name;
    }
}

}  // namespace
