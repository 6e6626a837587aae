#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <tuple>

#include "framework/graphics/Picture.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/Canvas.h"

namespace {

// Only a picture file of the pictures folder opens, at its own size, with its high-resolution
// variant where there is one, read once when it is first asked for; no name leads out of the
// folder. The stored pictures the windows show are each at most their canvas's size, and each has
// a variant of four times its size.
TEST(Picture, OnlyAPictureFileOfThePicturesFolderOpensAtItsOwnSize) {
    fw::testing::EnsureRuntimeForTests();
    QTemporaryDir dir;
    QImage image(30, 12, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    QDir(dir.path()).mkdir("sub");
    ASSERT_TRUE(image.save(dir.filePath("Some.png")) && image.save(dir.filePath("sub/Other.png")));
    QFile junk(dir.filePath("Junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a picture") > 0);
    junk.close();
    fw::Picture::SetFolderForTesting(fw::String(dir.path().toStdString()));
    fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp("Some.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(QSize(picture->Width(), picture->Height()), QSize(30, 12));
    // The variant is the file there is when it is first asked for, and it stays when that goes.
    ASSERT_TRUE(image.scaled(120, 48).save(dir.filePath("Some@4x.png")));
    const QImage* detailed = &picture->Detailed();
    EXPECT_EQ(detailed->size(), QSize(120, 48));
    ASSERT_TRUE(QFile::remove(dir.filePath("Some@4x.png")));
    EXPECT_EQ(&picture->Detailed(), detailed);
    EXPECT_EQ(picture->Detailed().size(), QSize(120, 48));
    picture = fw::Picture::OpenFromApp("Some.png");
    EXPECT_EQ(&picture->Detailed(), &picture->Image());
    for (const QString& name :
         {QString("Missing.png"), QString(), QString("sub/Other.png"), QString("../Some.png"),
          dir.filePath("Some.png"), QString("Junk.png")}) {
        EXPECT_EQ(fw::Picture::OpenFromApp(fw::String(name.toStdString())), nullptr)
            << name.toStdString();
    }

    fw::Picture::SetFolderForTesting("");
    for (auto [name, width, height] :
         {std::tuple{"MainTitle.png", 466, 47}, std::tuple{"quest.png", 38, 23},
          std::tuple{"Parallel.png", 147, 115}, std::tuple{"SplashTitle.png", 244, 30}}) {
        picture = fw::Picture::OpenFromApp(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_LE(picture->Width(), width) << name;
        EXPECT_LE(picture->Height(), height) << name;
        EXPECT_GE(picture->Width(), width * 3 / 4) << name;
        EXPECT_EQ(picture->Detailed().size(), picture->Image().size() * 4) << name;
    }
}

// A canvas paints its backdrop at the picture's own size at its top-left corner, from the variant
// on a screen that gives a point two pixels; without one it paints nothing, and nothing fails.
TEST(Picture, ACanvasShowsItAtItsOwnSizeAtTheTopLeftFromTheVariantOnAScaledScreen) {
    fw::testing::EnsureRuntimeForTests();
    QImage plain(30, 12, QImage::Format_RGB32);
    plain.fill(Qt::red);
    QImage detailed(120, 48, QImage::Format_RGB32);
    detailed.fill(Qt::blue);
    auto canvas = std::make_shared<fw::Canvas>();
    canvas->SetBackdrop(std::make_shared<fw::Picture>(plain, detailed));
    canvas->Widget()->resize(40, 20);
    for (auto [ratio, color] : {std::pair{1, QColor(Qt::red)}, std::pair{2, QColor(Qt::blue)}}) {
        QImage shot(QSize(40, 20) * ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        canvas->Widget()->render(&shot);
        EXPECT_EQ(shot.pixelColor(30 * ratio - 1, 12 * ratio - 1), color) << ratio;
        EXPECT_NE(shot.pixelColor(30 * ratio, 2), color) << ratio;
        EXPECT_NE(shot.pixelColor(2, 12 * ratio), color) << ratio;
    }
    canvas->SetBackdrop(nullptr);
    EXPECT_NE(canvas->Widget()->grab().toImage().pixelColor(2, 2), QColor(Qt::red));
}

}  // namespace
