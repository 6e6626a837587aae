#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "PdfProbe.h"
#include "framework/graphics/Picture.h"
#include "framework/testing/TestRuntime.h"

namespace {

class PictureFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        ASSERT_TRUE(m_dir.isValid());
        QImage image(30, 12, QImage::Format_ARGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(m_dir.filePath("Some.png")));
        fw::Picture::SetFolderForTesting(fw::String(m_dir.path().toStdString()));
    }
    void TearDown() override { fw::Picture::SetFolderForTesting(""); }

    QTemporaryDir m_dir;
};

TEST_F(PictureFolder, AnExistingFileLoadsAtItsOwnSize) {
    fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp("Some.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 30);
    EXPECT_EQ(picture->Height(), 12);
}

TEST_F(PictureFolder, MissingOrUnreadableOrOutsideTheFolderGivesNil) {
    EXPECT_EQ(fw::Picture::OpenFromApp("Missing.png"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp(""), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp("."), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp(".."), nullptr);

    // A name with a path in it never leaves the folder, even when the file exists there.
    QDir(m_dir.path()).mkdir("sub");
    QFile::copy(m_dir.filePath("Some.png"), m_dir.filePath("sub/Other.png"));
    EXPECT_EQ(fw::Picture::OpenFromApp("sub/Other.png"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp("../Some.png"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp(fw::String(m_dir.filePath("Some.png").toStdString())),
              nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp("sub\\Other.png"), nullptr);

    // A file that is no picture.
    QFile junk(m_dir.filePath("Junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    EXPECT_EQ(fw::Picture::OpenFromApp("Junk.png"), nullptr);
}

// The four pictures that the windows show are stored with the application and load.
TEST(StoredPictures, AllFourLoadWithTheirCanvasProportions) {
    fw::testing::EnsureRuntimeForTests();
    struct Expected {
        const char* name;
        int canvasWidth, canvasHeight;
    };
    for (Expected e : {Expected{"MainTitle.png", 466, 47}, Expected{"quest.png", 38, 23},
                       Expected{"Parallel.png", 147, 115}, Expected{"SplashTitle.png", 244, 30}}) {
        fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp(e.name);
        ASSERT_TRUE(picture) << e.name;
        // Shown at its own size in the canvas: it must not spill over the canvas.
        EXPECT_LE(picture->Width(), e.canvasWidth) << e.name;
        EXPECT_LE(picture->Height(), e.canvasHeight) << e.name;
        EXPECT_GE(picture->Width(), e.canvasWidth * 3 / 4) << e.name;
    }
}

}  // namespace
