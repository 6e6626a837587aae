#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "PdfProbe.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/StyledTextPrinter.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::testing::PrintDialogSeam;

// Prints into a PDF file as the user's print dialog would; the page is written when the last
// reference to the graphics goes.
class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath("page.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
    }
    void TearDown() override { PrintDialogSeam::Reset(); }

    fw::Ref<fw::StyledTextPrinter> Printer(const fw::Ref<fw::Graphics>& g, const std::string& text,
                                           std::int64_t width = 540) {
        return std::make_shared<fw::StyledTextPrinter>(g, fw::String(text), "Courier", 10.0, width);
    }

    QTemporaryDir m_dir;
    QString m_pdf;
};

std::string Row(int i) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%3d      %6.4f      %5.4f", i, 3.0 / i, 0.01 * i);
    return buffer;
}

bool Near(QColor c, QColor expected) {
    return std::abs(c.red() - expected.red()) < 50 && std::abs(c.green() - expected.green()) < 50 &&
           std::abs(c.blue() - expected.blue()) < 50;
}

TEST_F(Printing, OnePageCarriesTheBannerTheBylineAndATextAreasTextInItsFont) {
    const std::string text =
        "Number of variables = 12\rSubjects = 300\r\rRoot  Mean  SE\n1  .0123\r\n";
    auto area = std::make_shared<fw::TextArea>();
    fw::SetProperties(
        area,
        fw::PropertyListBuilder().Text("FontName", "Courier").Single("FontSize", 10.0f).Build());
    area->SetText(fw::String(text));
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        ASSERT_TRUE(g);
        QImage banner(466, 47, QImage::Format_RGB32);  // red on the left, blue on the right
        banner.fill(Qt::red);
        for (int y = 0; y < 47; ++y) {
            for (int x = 233; x < 466; ++x) {
                banner.setPixelColor(x, y, Qt::blue);
            }
        }
        g->DrawPicture(nullptr, 10.0, 10.0);  // nothing, and no failure
        g->DrawPicture(std::make_shared<fw::Picture>(banner), 70.0, 20.0);
        g->SetTextFont("Courier");
        g->SetTextSize(9.0);
        g->DrawString("(c) 2000 Vantrex Analytics", 220.0, 75.0);
        fw::Ref<fw::StyledTextPrinter> printer = area->StyledTextPrinter(g, 540);
        printer->DrawBlock(20, 175, 720);
        EXPECT_TRUE(printer->AllDrawn());
    }
    EXPECT_EQ(area->Text(), fw::String(text));
    EXPECT_EQ(pdfprobe::PageCount(m_pdf), 1);
    EXPECT_EQ(pdfprobe::Lines(m_pdf),
              QStringList({"(c) 2000 Vantrex Analytics", "Number of variables = 12",
                           "Subjects = 300", "Root Mean SE", "1 .0123"}));

    // The byline stands on its baseline at 75; the block starts at (20, 175); Courier is the
    // monospace font at the area's 10 points, every character 0.6 of the size wide.
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        if (word.text == "Vantrex") {
            EXPECT_NEAR(word.xMin, 220.0 + 9 * 5.4, 6.0);
            EXPECT_LT(word.yMin, 75.0);
            EXPECT_GT(word.yMax, 75.0);
            EXPECT_LT(word.yMax, 80.0);
        }
        if (word.text == "Number") {
            EXPECT_NEAR(word.xMin, 20.0, 1.5);
            EXPECT_GE(word.yMin, 175.0 - 0.01);
            EXPECT_LT(word.yMin, 190.0);
        }
        if (word.text == "variables") {
            EXPECT_NEAR(word.xMax - word.xMin, 9 * 6.02, 1.0);
        }
    }

    // The banner lies whole at its own size with its corner at (70, 20).
    const QImage page = pdfprobe::RenderPage(m_pdf, 1);
    EXPECT_TRUE(Near(page.pixelColor(72, 22), Qt::red));
    EXPECT_TRUE(Near(page.pixelColor(70 + 464, 20 + 45), Qt::blue));
    EXPECT_TRUE(Near(page.pixelColor(70 + 470, 20 + 20), Qt::white));
    EXPECT_TRUE(Near(page.pixelColor(70 + 400, 20 + 50), Qt::white));
    EXPECT_TRUE(Near(page.pixelColor(66, 40), Qt::white));
}

TEST_F(Printing, CancelGivesNilAndAPrinterThatCannotStartRaises) {
    PrintDialogSeam::Cancel();
    EXPECT_EQ(fw::OpenPrinterDialog(), nullptr);
    EXPECT_FALSE(QFile::exists(m_pdf));
    PrintDialogSeam::PrintToPdf(
        fw::String(m_dir.filePath("no/such/folder/page.pdf").toStdString()));
    EXPECT_THROW(fw::OpenPrinterDialog(), fw::RuntimeException);
    EXPECT_THROW(fw::StyledTextPrinter(nullptr, "text", "Courier", 10.0, 540),
                 fw::NilObjectException);
}

TEST_F(Printing, CrLfAndCrLfEachEndOneLine) {
    fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
    for (auto [text, lines] : std::map<std::string, int>{{"", 0},
                                                         {"one", 1},
                                                         {"a\rb\nc\r\nd", 4},
                                                         {"a\r\n\r\nb", 3},
                                                         {"a\n\rb", 3},
                                                         {"a\r", 1},  // a last break starts none
                                                         {"\r\r", 2}}) {
        EXPECT_EQ(Printer(g, text)->LineCount(), lines) << text;
    }
}

TEST_F(Printing, ALongLineWrapsAtTheWidthAndLosesNoWord) {
    std::string line;
    for (int i = 0; i < 60; ++i) {
        line += "word" + std::to_string(100 + i) + " ";
    }
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        auto printer = Printer(g, line, 300);
        printer->DrawBlock(20, 175, 720);
        EXPECT_TRUE(printer->AllDrawn());
    }
    int found = 0;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        EXPECT_LE(word.xMax, 20.0 + 300.0 + 0.5) << word.text.toStdString();
        EXPECT_EQ(word.text.toStdString(), "word" + std::to_string(100 + found++));
    }
    EXPECT_EQ(found, 60);
}

// Block by block, a page for each, as the main window prints: every line once and in order,
// none past the printable foot, each page as full as it can be and its block at the top.
TEST_F(Printing, ALongTextGoesOnToFurtherPagesEveryLineOnceAndInOrder) {
    std::string text;
    QStringList expected;
    for (int i = 1; i <= 120; ++i) {
        text += Row(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
        expected << QString::fromStdString(Row(i)).simplified();
    }
    std::int64_t pages = 0;
    double foot = 0;
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        auto printer = Printer(g, text);
        printer->DrawBlock(20, 100, 60);  // a block of its own height: whole lines only
        const std::int64_t small = printer->LinesDrawn();
        EXPECT_GE(small, 4);
        EXPECT_LE(small, 6);
        printer->DrawBlock(20, static_cast<std::int64_t>(g->PrintableBottom()) + 1, 720);
        EXPECT_EQ(printer->LinesDrawn(), small);  // below the printable area: nothing
        while (!printer->AllDrawn()) {
            const std::int64_t before = printer->LinesDrawn();
            g->NextPage();
            printer->DrawBlock(20, 175, 5000);
            ASSERT_GT(printer->LinesDrawn(), before) << "no progress";
        }
        pages = g->PageCount();
        foot = g->PrintableBottom();
    }
    EXPECT_GE(pages, 3);
    EXPECT_EQ(pdfprobe::PageCount(m_pdf), pages);
    EXPECT_EQ(pdfprobe::Lines(m_pdf), expected);

    std::map<int, std::set<double>> tops;
    std::map<int, double> bottoms;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        EXPECT_LE(word.yMax, foot + 0.5) << word.text.toStdString();
        tops[word.page].insert(word.yMin);
        bottoms[word.page] = std::max(bottoms[word.page], word.yMax);
    }
    for (int page = 2; page <= pages; ++page) {
        EXPECT_GE(*tops[page].begin(), 175.0 - 0.01) << "page " << page;
        EXPECT_LT(*tops[page].begin(), 185.0) << "page " << page;
    }
    const double step = *std::next(tops[2].begin()) - *tops[2].begin();
    EXPECT_GT(bottoms[2] + step, foot - 1.0);  // another line would not have fitted
}

}  // namespace
