#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "PdfProbe.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/StyledTextPrinter.h"
#include "framework/testing/PrintDialogSeam.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/SetProperties.h"
#include "framework/ui/TextArea.h"

namespace {

using fw::testing::PrintDialogSeam;

class StyledText : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::testing::EnsureRuntimeForTests();
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath("text.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
        m_graphics = fw::OpenPrinterDialog();
        ASSERT_TRUE(m_graphics);
    }
    void TearDown() override {
        m_graphics.reset();
        PrintDialogSeam::Reset();
    }

    fw::Ref<fw::StyledTextPrinter> Printer(const std::string& text, std::int64_t width = 540) {
        return std::make_shared<fw::StyledTextPrinter>(m_graphics, fw::String(text), "Courier",
                                                       10.0, width);
    }

    // Prints the rest of the text block by block, a page for each block, as the main window does.
    static void PrintAll(fw::Graphics& g, fw::StyledTextPrinter& printer) {
        printer.DrawBlock(20, 175, 720);
        while (!printer.AllDrawn()) {
            std::int64_t before = printer.LinesDrawn();
            g.NextPage();
            printer.DrawBlock(20, 175, 720);
            ASSERT_GT(printer.LinesDrawn(), before) << "no progress";
        }
    }

    // Ends the print job and writes the file.
    void Finish() { m_graphics.reset(); }

    QTemporaryDir m_dir;
    QString m_pdf;
    fw::Ref<fw::Graphics> m_graphics;
};

std::string Row(int i) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%3d      %6.4f      %5.4f", i, 3.0 / i, 0.01 * i);
    return buffer;
}

TEST_F(StyledText, LineBreaksAreCrLfAndCrLfEachOnce) {
    EXPECT_EQ(Printer("")->LineCount(), 0);
    EXPECT_TRUE(Printer("")->AllDrawn());
    EXPECT_EQ(Printer("one")->LineCount(), 1);
    EXPECT_EQ(Printer("a\rb\nc\r\nd")->LineCount(), 4);
    EXPECT_EQ(Printer("a\r\n\r\nb")->LineCount(), 3);  // one empty line between
    EXPECT_EQ(Printer("a\n\rb")->LineCount(), 3);      // LF then CR: two breaks
    EXPECT_EQ(Printer("a\r")->LineCount(), 1);         // a final break starts no line
    EXPECT_EQ(Printer("\r\r")->LineCount(), 2);
    EXPECT_FALSE(Printer("x")->AllDrawn());
}

TEST_F(StyledText, ALongLineWrapsAtTheWidthAndLosesNoWord) {
    std::string line;
    for (int i = 0; i < 60; ++i) {
        line += "word" + std::to_string(100 + i) + " ";
    }
    auto printer = Printer(line, 300);
    EXPECT_GT(printer->LineCount(), 3);
    printer->DrawBlock(20, 175, 720);
    EXPECT_TRUE(printer->AllDrawn());
    printer.reset();
    Finish();

    int found = 0;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        EXPECT_LE(word.xMax, 20.0 + 300.0 + 0.5) << word.text.toStdString();
        EXPECT_GE(word.xMin, 20.0 - 0.5);
        EXPECT_EQ(word.text.toStdString(), "word" + std::to_string(100 + found));
        ++found;
    }
    EXPECT_EQ(found, 60);
}

TEST_F(StyledText, ALongReportContinuesOnFurtherPagesEveryLineOnceAndInOrder) {
    std::string text;
    QStringList expected;
    for (int i = 1; i <= 120; ++i) {
        text += Row(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
        expected << QString::fromStdString(Row(i)).simplified();
    }
    auto printer = Printer(text);
    ASSERT_EQ(printer->LineCount(), 120);
    PrintAll(*m_graphics, *printer);
    std::int64_t pages = m_graphics->PageCount();
    EXPECT_GE(pages, 2);
    double bottom = m_graphics->PrintableBottom();
    printer.reset();
    Finish();

    EXPECT_EQ(pdfprobe::PageCount(m_pdf), pages);
    EXPECT_EQ(pdfprobe::Lines(m_pdf), expected);

    // No line runs past the printable foot of its page, and each page starts its block at 175.
    std::map<int, double> topOfPage;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        EXPECT_LE(word.yMax, bottom + 0.5) << word.text.toStdString();
        auto [it, added] = topOfPage.emplace(word.page, word.yMin);
        it->second = std::min(it->second, word.yMin);
    }
    for (auto [page, top] : topOfPage) {
        EXPECT_GE(top, 175.0 - 0.01) << "page " << page;
        EXPECT_LT(top, 185.0) << "page " << page;
    }
}

TEST_F(StyledText, TheBlockIsCutToItsHeightAndToThePrintableFoot) {
    std::string text;
    for (int i = 1; i <= 200; ++i) {
        text += Row(i) + "\r";
    }
    auto printer = Printer(text);

    // A block of its own height: whole lines only.
    printer->DrawBlock(20, 100, 60);
    std::int64_t small = printer->LinesDrawn();
    EXPECT_GE(small, 4);
    EXPECT_LE(small, 6);

    // A block far taller than the page stops at the printable foot.
    printer->DrawBlock(20, 175, 5000);
    EXPECT_GT(printer->LinesDrawn(), small + 40);
    EXPECT_FALSE(printer->AllDrawn());

    // A block below the printable area draws nothing and keeps the place.
    std::int64_t before = printer->LinesDrawn();
    printer->DrawBlock(20, static_cast<std::int64_t>(m_graphics->PrintableBottom()) + 1, 720);
    EXPECT_EQ(printer->LinesDrawn(), before);

    m_graphics->NextPage();
    printer->DrawBlock(20, 175, 24);
    EXPECT_GT(printer->LinesDrawn(), before);
    std::string next = Row(static_cast<int>(before) + 1);
    double printableBottom = m_graphics->PrintableBottom();
    printer.reset();
    Finish();

    // The last line of the first page ends above the printable foot, and another line would not
    // have fitted there.
    double lastTop = 0, lastBottom = 0, step = 0;
    bool nextFound = false;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        if (word.page == 1 && word.yMin > lastTop + 1.0) {
            step = word.yMin - lastTop;
            lastTop = word.yMin;
            lastBottom = word.yMax;
        }
        if (word.page == 2 && !nextFound) {
            nextFound = true;
            EXPECT_EQ(word.text, QString::fromStdString(next).split(' ', Qt::SkipEmptyParts)[0]);
        }
    }
    EXPECT_LE(lastBottom, printableBottom + 0.5);
    EXPECT_GT(lastBottom + step, printableBottom - 1.0);
    EXPECT_TRUE(nextFound);
    EXPECT_EQ(pdfprobe::PageCount(m_pdf), 2);
}

// A text area prints its own text, in its own font, and keeps its text as it was.
TEST_F(StyledText, ATextAreaPrintsItsTextInItsFont) {
    auto area = std::make_shared<fw::TextArea>();
    fw::SetProperties(area, fw::PropertyListBuilder()
                                .Text("FontName", "Courier")
                                .Single("FontSize", 10.0f)
                                .Boolean("Bold", false)
                                .Build());
    std::string text =
        "Number of variables = 12\rNumber of subjects = 300\r\r" + Row(1) + "\n" + Row(2) + "\r\n";
    area->SetText(fw::String(text));

    fw::Ref<fw::StyledTextPrinter> printer = area->StyledTextPrinter(m_graphics, 540);
    ASSERT_TRUE(printer);
    EXPECT_EQ(printer->LineCount(), 5);
    // The same text in another font lays out to other line heights: compare with a 20-point one.
    std::int64_t twentyPointLines = 0;
    {
        auto big = std::make_shared<fw::StyledTextPrinter>(m_graphics, fw::String(text), "Courier",
                                                           20.0, 540);
        big->DrawBlock(20, 600, 100);
        twentyPointLines = big->LinesDrawn();
    }
    printer->DrawBlock(20, 175, 100);
    EXPECT_TRUE(printer->AllDrawn());
    EXPECT_LT(twentyPointLines, 5);
    EXPECT_EQ(area->Text(), fw::String(text));
    printer.reset();
    Finish();

    // Courier 10 is the platform's monospace font at 10 points: every character 0.6 of the size
    // wide, so "variables" is 54 points wide.
    bool found = false;
    for (const pdfprobe::Word& word : pdfprobe::Words(m_pdf)) {
        if (word.text == "variables" && word.yMin < 300.0) {
            found = true;
            EXPECT_NEAR(word.xMax - word.xMin, 9 * 6.02, 1.0);
        }
    }
    EXPECT_TRUE(found);
    QStringList lines = pdfprobe::Lines(m_pdf);
    EXPECT_TRUE(lines.contains("Number of variables = 12"));
    EXPECT_TRUE(lines.contains(QString::fromStdString(Row(2)).simplified()));
}

TEST(StyledTextWithoutPrinter, ANilGraphicsRaisesRatherThanCrashing) {
    fw::testing::EnsureRuntimeForTests();
    EXPECT_THROW(fw::StyledTextPrinter(nullptr, "text", "Courier", 10.0, 540),
                 fw::NilObjectException);
}

}  // namespace
