// What the main window's printing does not reach: the text printer's line breaks, wrapping, font
// and page foot, a picture's place and size, and a printer that cannot start.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/StyledTextPrinter.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/TextArea.h"
#include "tests/support/PdfProbe.h"

namespace {

using fw::testing::PrintDialogSeam;

// Prints into a PDF file as the user's print dialog would; the pages are written when the last
// reference to the graphics goes.
class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        m_pdf = m_dir.filePath("page.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
    }
    void TearDown() override { PrintDialogSeam::Reset(); }

    QTemporaryDir m_dir;
    QString m_pdf;
};

TEST_F(Printing, CrLfAndCrLfEachEndOneLineAndAPrinterThatCannotStartRaises) {
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        for (auto [text, lines] : std::map<std::string, int>{{"", 0},
                                                             {"a\rb\nc\r\nd", 4},
                                                             {"a\r\n\r\nb", 3},
                                                             {"a\n\rb", 3},
                                                             {"a\r", 1},
                                                             {"\r\r", 2}}) {
            EXPECT_EQ(fw::StyledTextPrinter(g, fw::String(text), "Courier", 10, 540).LineCount(),
                      lines)
                << text;
        }
    }
    EXPECT_THROW(fw::StyledTextPrinter(nullptr, "text", "Courier", 10.0, 540),
                 fw::NilObjectException);
    PrintDialogSeam::PrintToPdf(fw::String(m_dir.filePath("no/folder/page.pdf").toStdString()));
    EXPECT_THROW(fw::OpenPrinterDialog(), fw::RuntimeException);
}

// A picture at its own size with its corner at (70, 20), and a text area's text in its font, in
// blocks of whole lines: one too small for more than a few, one below the printable foot that
// takes none, then a page each, every page as full as the foot allows. Long lines wrap at the
// width; no word is lost or repeated.
TEST_F(Printing, APictureAndATextAreasTextInBlocksOfWholeLinesOverPages) {
    std::string text;
    QStringList words;
    for (int i = 0; i < 160; ++i) {
        const std::string word = i < 40 ? "variables" + std::to_string(i) : std::to_string(i);
        text += word + (i < 40 ? (i % 8 == 7 ? "\r\n" : " ") : (i % 2 ? "\r" : "\n"));
        words << QString::fromStdString(word);
    }
    auto area = std::make_shared<fw::TextArea>();
    fw::SetProperties(
        area,
        fw::PropertyListBuilder().Text("FontName", "Courier").Single("FontSize", 10.0f).Build());
    area->SetText(fw::String(text));
    QImage banner(466, 47, QImage::Format_RGB32);  // red on the left, blue on the right
    banner.fill(Qt::red);
    QPainter(&banner).fillRect(233, 0, 233, 47, Qt::blue);
    double foot = 0;
    {
        fw::Ref<fw::Graphics> g = fw::OpenPrinterDialog();
        g->DrawPicture(std::make_shared<fw::Picture>(banner), 70.0, 20.0);
        fw::Ref<fw::StyledTextPrinter> printer = area->StyledTextPrinter(g, 300);
        printer->DrawBlock(20, 100, 60);
        const std::int64_t first = printer->LinesDrawn();
        EXPECT_GE(first, 4);
        foot = g->PrintableBottom();
        printer->DrawBlock(20, static_cast<std::int64_t>(foot) + 1, 720);
        EXPECT_EQ(printer->LinesDrawn(), first);  // below the printable area: nothing
        while (!printer->AllDrawn()) {
            g->NextPage();
            printer->DrawBlock(20, 175, 5000);
        }
    }
    QStringList printed;
    std::map<int, double> bottoms;
    std::set<double> tops;  // of page 2's lines
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        printed << word.text;
        EXPECT_LE(word.xMax, 20.0 + 300.0 + 0.5) << word.text.toStdString();
        EXPECT_LE(word.yMax, (word.page == 1 && word.yMin < 175 ? 160.0 : foot) + 0.5)
            << word.text.toStdString();
        if (word.text == "variables0") {  // Courier at 10 points: each character 0.6 wide
            EXPECT_NEAR(word.xMax - word.xMin, 10 * 6.02, 1.0);
        }
        if (word.page == 2) {
            tops.insert(word.yMin);
        }
        bottoms[word.page] = std::max(bottoms[word.page], word.yMax);
    }
    EXPECT_EQ(printed, words);
    ASSERT_GE(tops.size(), 2u);
    EXPECT_GT(bottoms[2] + *std::next(tops.begin()) - *tops.begin(),
              foot - 1.0);  // another line would not have fitted

    const QImage page = pdfprobe::RenderPage(m_pdf, 1);
    for (auto [x, y, color] : {std::tuple{72, 22, QColor(Qt::red)},
                               {534, 65, QColor(Qt::blue)},
                               {540, 40, QColor(Qt::white)},
                               {470, 70, QColor(Qt::white)},
                               {66, 40, QColor(Qt::white)}}) {
        const QColor c = page.pixelColor(x, y);
        EXPECT_LT(std::abs(c.red() - color.red()) + std::abs(c.blue() - color.blue()), 100)
            << x << "," << y;
    }
}

}  // namespace
