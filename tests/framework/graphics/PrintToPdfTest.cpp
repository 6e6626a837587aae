#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "PdfProbe.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/StyledTextPrinter.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"

namespace {

using fw::testing::PrintDialogSeam;

class PrintToPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath("page.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
    }
    void TearDown() override { PrintDialogSeam::Reset(); }

    QTemporaryDir m_dir;
    QString m_pdf;
};

// A picture of two halves: red on the left, blue on the right.
fw::Ref<fw::Picture> RedBluePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            image.setPixelColor(x, y, Qt::blue);
        }
    }
    return std::make_shared<fw::Picture>(image);
}

bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool IsBlue(QColor c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool IsWhite(QColor c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

TEST_F(PrintToPdf, OnePageCarriesTheBannerTheBylineAndTheTextBlock) {
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        ASSERT_TRUE(g);
        g->DrawPicture(RedBluePicture(466, 47), 70.0, 20.0, -10000.0, -10000.0, 0.0, 0.0, -10000.0,
                       -10000.0);
        g->SetTextFont("Courier");
        g->SetTextSize(9.0);
        g->DrawString("(c) 2000 Vantrex Analytics", 220.0, 75.0);
        auto printer = std::make_shared<fw::StyledTextPrinter>(
            g, "Variables = 12\rSubjects = 300\r\rRoot  Mean  SE\n1  1.2345  .0123\n", "Courier",
            10.0, 540);
        printer->DrawBlock(20, 175, 720);
        EXPECT_TRUE(printer->AllDrawn());
    }  // the last references go: the page is printed

    EXPECT_EQ(pdfprobe::PageCount(m_pdf), 1);
    EXPECT_EQ(pdfprobe::Lines(m_pdf),
              QStringList({"(c) 2000 Vantrex Analytics", "Variables = 12", "Subjects = 300",
                           "Root Mean SE", "1 1.2345 .0123"}))
        << pdfprobe::Text(m_pdf).toStdString();

    // The byline's baseline is at 75: its letters stand on it and no glyph box starts below it.
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        if (word.text == "Vantrex") {
            EXPECT_NEAR(word.xMin, 220.0 + 9 * 5.4, 6.0);
            EXPECT_LT(word.yMin, 75.0);
            EXPECT_GT(word.yMax, 75.0);
            EXPECT_LT(word.yMax, 80.0);
        }
        if (word.text == "Variables") {
            EXPECT_NEAR(word.xMin, 20.0, 1.5);
            EXPECT_GE(word.yMin, 175.0 - 0.01);
            EXPECT_LT(word.yMin, 190.0);
        }
    }

    // The banner lies whole at its own size with its corner at (70, 20).
    QImage page = pdfprobe::RenderPage(m_pdf, 1);
    EXPECT_TRUE(IsRed(page.pixelColor(72, 22)));
    EXPECT_TRUE(IsBlue(page.pixelColor(70 + 464, 20 + 45)));
    EXPECT_TRUE(IsWhite(page.pixelColor(70 + 470, 20 + 20)));
    EXPECT_TRUE(IsWhite(page.pixelColor(70 + 400, 20 + 50)));
    EXPECT_TRUE(IsWhite(page.pixelColor(66, 40)));
}

TEST_F(PrintToPdf, CancelGivesNilAndWritesNoFile) {
    PrintDialogSeam::Cancel();
    EXPECT_EQ(fw::OpenPrinterDialog(), nullptr);
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 1);
    EXPECT_FALSE(QFile::exists(m_pdf));
}

TEST_F(PrintToPdf, APrinterThatCannotStartRaisesInsteadOfPrintingNothing) {
    PrintDialogSeam::PrintToPdf(
        fw::String(m_dir.filePath("no/such/folder/page.pdf").toStdString()));
    EXPECT_THROW(fw::OpenPrinterDialog(), fw::RuntimeException);
}

TEST_F(PrintToPdf, PicturePartsAndSizes) {
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        ASSERT_TRUE(g);
        auto picture = RedBluePicture(40, 20);
        g->DrawPicture(nullptr, 10.0, 10.0);  // nothing, and no failure
        // Whole, at its own size.
        g->DrawPicture(picture, 100.0, 100.0);
        // The right half only, at its own size.
        g->DrawPicture(picture, 100.0, 200.0, -10000.0, -10000.0, 20.0, 0.0, -10000.0, -10000.0);
        // The whole picture stretched to 80 x 40.
        g->DrawPicture(picture, 100.0, 300.0, 80.0, 40.0);
        // The left half stretched to 60 x 20.
        g->DrawPicture(picture, 100.0, 400.0, 60.0, 20.0, 0.0, 0.0, 20.0, 20.0);
    }
    QImage page = pdfprobe::RenderPage(m_pdf, 1);
    EXPECT_TRUE(IsRed(page.pixelColor(105, 110)));
    EXPECT_TRUE(IsBlue(page.pixelColor(135, 110)));
    EXPECT_TRUE(IsWhite(page.pixelColor(145, 110)));
    EXPECT_TRUE(IsWhite(page.pixelColor(110, 123)));

    EXPECT_TRUE(IsBlue(page.pixelColor(102, 210)));
    EXPECT_TRUE(IsBlue(page.pixelColor(117, 210)));
    EXPECT_TRUE(IsWhite(page.pixelColor(123, 210)));

    EXPECT_TRUE(IsRed(page.pixelColor(135, 335)));
    EXPECT_TRUE(IsBlue(page.pixelColor(175, 335)));
    EXPECT_TRUE(IsWhite(page.pixelColor(185, 320)));

    EXPECT_TRUE(IsRed(page.pixelColor(155, 415)));
    EXPECT_TRUE(IsWhite(page.pixelColor(165, 410)));
}

}  // namespace
