// Print from the real window, to a PDF file through the print dialog's seam, read back with the
// poppler tools.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "tests/support/PdfProbe.h"

namespace mwtest {
namespace {

using fw::testing::PrintDialogSeam;

const QString kByline = "(c) 2000, Vantrex Analytics";
const QRect kBanner(70, 20, 466, 47);
const std::vector<std::string> kRefused = {"beep", "msgbox: Nothing to print."};

class PrintingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_pdf = m_dir.filePath("report.pdf");
        PrintDialogSeam::PrintToPdf(fw::String(m_pdf.toStdString()));
    }

    // Presses Print; gives what the user heard and saw.
    std::vector<std::string> Print() {
        recorder.Clear();
        window->PrintBrn()->Push();
        return recorder.Events();
    }

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
    bool Inked(int page, const QRect& area) {
        const QImage image = pdfprobe::RenderPage(m_pdf, page);
        const QImage part = image.copy(area.intersected(image.rect()));
        QImage white(part.size(), part.format());
        white.fill(Qt::white);
        return part != white;
    }

    QTemporaryDir m_dir;
    QString m_pdf;
};

TEST_F(PrintingTest, WithoutAnAcceptedCalculationSinceActivationPrintRefuses) {
    EXPECT_EQ(Print(), kRefused);
    Calculate("4", "120");  // a rejected number is no calculation on record
    EXPECT_EQ(Print(), kRefused);
    // Coming back to the window forgets the calculation, but not the report on screen.
    Calculate("7", "120");
    const std::string report = Out();
    Activate();
    EXPECT_EQ(Print(), kRefused);
    EXPECT_EQ(Out(), report);
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 0);
    // A cancelled dialog prints nothing and says nothing.
    Calculate("7", "120");
    PrintDialogSeam::Cancel();
    EXPECT_TRUE(Print().empty());
    EXPECT_EQ(PrintDialogSeam::TimesAsked(), 1);
    EXPECT_FALSE(QFile::exists(m_pdf));
}

TEST_F(PrintingTest, PageCarriesTheBannerTheBylineAndTheReport) {
    Calculate("7", "120");
    const std::string report = Out();
    Print();
    ASSERT_EQ(pdfprobe::Info(m_pdf).pages, 1);
    const QStringList lines = pdfprobe::Lines(m_pdf);
    EXPECT_EQ(lines.first(), kByline);
    EXPECT_TRUE(lines.contains("Number of variables: 7"));
    EXPECT_EQ(PrintedRowNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
    // The banner prints from its high-resolution variant, sharp beside the text.
    EXPECT_EQ(pdfprobe::ImageSizes(m_pdf), std::vector<QSize>{kBanner.size() * 4});
    // The byline stands at (220, 75), the report's first line at the block's top-left corner.
    const auto words = pdfprobe::Words(m_pdf);
    ASSERT_GT(words.size(), 4u);
    EXPECT_NEAR(words[0].xMin, 220.0, 2.0);
    EXPECT_GT(words[0].yMax, 68.0);
    EXPECT_LT(words[0].yMin, 75.0);
    EXPECT_NEAR(words[4].xMin, 20.0, 3.0);  // after the byline's four words
    EXPECT_NEAR(words[4].yMin, 175.0, 4.0);
    EXPECT_EQ(Out(), report);  // printing changes nothing in the window
}

// A hundred rows do not fit in one block: the rest follows on further pages, in the same block,
// under no banner.
TEST_F(PrintingTest, LongReportGoesOnToFurtherPagesWithEveryRowInOrder) {
    Calculate("100", "2500");
    Print();
    ASSERT_GT(pdfprobe::Info(m_pdf).pages, 1);
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(PrintedRowNumbers(), expected);
    EXPECT_TRUE(pdfprobe::Lines(m_pdf).last().startsWith("Vantrex Analysis (c) 2000-2020"));
    EXPECT_FALSE(Inked(2, QRect(0, 0, 612, 170)));  // nothing above the block on page 2
    // No line reaches into the last half inch of the paper, on any page.
    const double foot = pdfprobe::Info(m_pdf).paper.height() - 36.0;
    double topOnPage2 = 1e9;
    for (const auto& word : pdfprobe::Words(m_pdf)) {
        if (word.page == 2) {
            topOnPage2 = std::min(topOnPage2, word.yMin);
            EXPECT_GT(word.xMin, 19.0);
        }
        EXPECT_LE(word.yMax, foot) << "page " << word.page << ": " << word.text.toStdString();
    }
    EXPECT_NEAR(topOnPage2, 175.0, 4.0);
}

// The page carries what there is: after Clear, which keeps the calculation on record, the banner
// and the byline; without a banner picture (its file could not be opened), all but the banner.
TEST_F(PrintingTest, APageWithoutReportOrBannerCarriesTheRest) {
    Calculate("7", "120");
    window->ClearBtn()->Push();
    Print();
    EXPECT_EQ(pdfprobe::Lines(m_pdf), QStringList{kByline});
    EXPECT_TRUE(Inked(1, kBanner));

    window->Canvas1()->SetBackdrop(nullptr);
    Calculate("7", "120");
    Print();
    EXPECT_FALSE(Inked(1, kBanner.adjusted(0, 0, 0, -12)));  // above the byline
    EXPECT_EQ(pdfprobe::Lines(m_pdf).first(), kByline);
    EXPECT_EQ(PrintedRowNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace mwtest
