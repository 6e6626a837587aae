// Print from the real window, to a PDF file through the print dialog's seam, read back with the
// poppler tools.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "../framework/graphics/PdfProbe.h"
#include "MainWindowFixture.h"
#include "framework/ui/Canvas.h"
#include "main_window/Texts.h"

namespace mwtest {
namespace {

using fw::testing::PrintDialogSeam;

class PrintingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath("report.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
    }

    void Print() { window->PrintBrn()->Push(); }

    // The eigenvalue numbers of the printed rows, in reading order.
    std::vector<int> PrintedRowNumbers() {
        std::vector<int> numbers;
        static const QRegularExpression row(R"(^\s*(\d+) (\d\.\d{4}) (\.\d{4})$)");
        for (const QString& line : pdfprobe::Lines(m_pdf)) {
            QRegularExpressionMatch match = row.match(line);
            if (match.hasMatch()) {
                numbers.push_back(match.captured(1).toInt());
            }
        }
        return numbers;
    }

    // Whether anything but white lies in the rectangle of the page (in points).
    bool Inked(int page, QRect area) {
        const QImage image = pdfprobe::RenderPage(m_pdf, page);
        area = area.intersected(image.rect());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() < 230 || c.green() < 230 || c.blue() < 230) {
                    return true;
                }
            }
        }
        return false;
    }

    QTemporaryDir m_dir;
    QString m_pdf;
};

const QRect kBanner(70, 20, 466, 47);

TEST_F(PrintingTest, NothingOnRecordIsRefusedWithABeepThenAMessage) {
    Print();
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"beep", "msgbox: Nothing to print."}));
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 0);

    Calculate("4", "120");  // a rejected number is no calculation on record
    recorder.Clear();
    Print();
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"beep", "msgbox: Nothing to print."}));
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 0);
}

TEST_F(PrintingTest, AfterAnActivationPrintRefusesUntilTheNextCalculate) {
    Calculate("7", "120");
    Activate();
    recorder.Clear();
    Print();
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"beep", "msgbox: Nothing to print."}));
    Calculate("7", "120");
    recorder.Clear();
    Print();
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 1);
}

TEST_F(PrintingTest, CancelledDialogPrintsNothingAndSaysNothing) {
    Calculate("7", "120");
    PrintDialogSeam::Cancel();
    recorder.Clear();
    Print();
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 1);
    EXPECT_FALSE(QFile::exists(m_pdf));
}

TEST_F(PrintingTest, PageCarriesTheBannerTheBylineAndTheReport) {
    Calculate("7", "120");
    const std::string report = Out();
    Print();
    ASSERT_EQ(pdfprobe::PageCount(m_pdf), 1);
    const QStringList lines = pdfprobe::Lines(m_pdf);
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines[0], QString::fromStdString(main_window::PrintedByline().ToStdString()));
    EXPECT_TRUE(lines.contains("Number of variables: 7"));
    EXPECT_TRUE(lines.contains("Number of subjects: 120"));
    EXPECT_TRUE(lines.contains(" 1 1.3540 .0080") || lines.contains("1 1.3540 .0080"));
    EXPECT_EQ(PrintedRowNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(lines.last().startsWith("Vantrex Analysis (c) 2000-2020"));
    EXPECT_TRUE(Inked(1, kBanner));

    // The byline stands at (220, 75), the report's first line at the block's top-left corner.
    const auto words = pdfprobe::Words(m_pdf);
    ASSERT_FALSE(words.empty());
    EXPECT_NEAR(words[0].xMin, 220.0, 2.0);
    EXPECT_GT(words[0].yMax, 68.0);
    EXPECT_LT(words[0].yMin, 75.0);
    EXPECT_NEAR(words[1 + 3].xMin, 20.0, 3.0);  // after the byline's three words
    EXPECT_NEAR(words[1 + 3].yMin, 175.0, 4.0);
    // Printing changes nothing in the window.
    EXPECT_EQ(Out(), report);
    EXPECT_EQ(window->Vars, 7);
}

// A hundred rows do not fit in one block: the rest follows on further pages, in the same block,
// under no banner.
TEST_F(PrintingTest, LongReportGoesOnToFurtherPagesWithEveryRowInOrder) {
    Calculate("100", "2500");
    Print();
    const int pages = pdfprobe::PageCount(m_pdf);
    ASSERT_GT(pages, 1);
    std::vector<int> expected;
    for (int i = 1; i <= 100; ++i) {
        expected.push_back(i);
    }
    EXPECT_EQ(PrintedRowNumbers(), expected);
    EXPECT_TRUE(pdfprobe::Lines(m_pdf).last().startsWith("Vantrex Analysis (c) 2000-2020"));
    EXPECT_TRUE(Inked(1, kBanner));
    EXPECT_FALSE(Inked(2, QRect(0, 0, 612, 170)));  // nothing above the block on page 2

    double firstOnPage2 = 1e9;
    double leftOnPage2 = 1e9;
    for (const auto& word : pdfprobe::Words(m_pdf)) {
        if (word.page == 2) {
            firstOnPage2 = std::min(firstOnPage2, word.yMin);
            leftOnPage2 = std::min(leftOnPage2, word.xMin);
        }
        EXPECT_LT(word.yMax, 175.0 + 720.0 + 1.0) << word.text.toStdString();
    }
    EXPECT_NEAR(firstOnPage2, 175.0, 4.0);
    EXPECT_GT(leftOnPage2, 19.0);
}

TEST_F(PrintingTest, AfterClearThePageHasTheBannerAndTheBylineOnly) {
    Calculate("7", "120");
    window->ClearBtn()->Push();
    Print();
    ASSERT_EQ(pdfprobe::PageCount(m_pdf), 1);
    EXPECT_EQ(pdfprobe::Lines(m_pdf),
              QStringList{QString::fromStdString(main_window::PrintedByline().ToStdString())});
    EXPECT_TRUE(Inked(1, kBanner));
}

// Without a banner picture (its file could not be opened) the page carries the rest.
TEST_F(PrintingTest, MissingBannerLeavesOnlyTheBannerOut) {
    window->Canvas1()->SetBackdrop(nullptr);
    Calculate("7", "120");
    Print();
    ASSERT_EQ(pdfprobe::PageCount(m_pdf), 1);
    EXPECT_FALSE(Inked(1, kBanner.adjusted(0, 0, 0, -12)));  // above the byline
    EXPECT_EQ(PrintedRowNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(pdfprobe::Lines(m_pdf).first(),
              QString::fromStdString(main_window::PrintedByline().ToStdString()));
}

TEST_F(PrintingTest, AfterTheHelpPictureTheInformationIsPrinted) {
    Calculate("7", "120");
    QTest::mouseClick(window->Canvas2()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    Print();
    const QString text = pdfprobe::Text(m_pdf);
    const std::string info = main_window::InformationText().ToStdString();
    const std::string firstWords = info.substr(0, info.find(' ', 20));
    EXPECT_TRUE(text.simplified().startsWith(
        QString::fromStdString(main_window::PrintedByline().ToStdString() + " " + firstWords)))
        << text.left(200).toStdString();
}

}  // namespace
}  // namespace mwtest
