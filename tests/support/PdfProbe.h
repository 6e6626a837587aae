#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// Looks into printed PDF files with the poppler tools, for the printing tests.
namespace pdfprobe {

// The number of pages, and the size of the paper in points as the first page gives it (a report
// prints on one paper).
struct Document {
    int pages = -1;
    QSizeF paper;
};
Document Info(const QString& pdf);

// One page rendered at 72 dots per inch, so that a pixel is a point.
QImage RenderPage(const QString& pdf, int page);

// Every word with its box in points from the top-left corner of its page.
struct Word {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};
std::vector<Word> Words(const QString& pdf);

// The pixel size of every image placed on the pages, in the order the file lists them.
std::vector<QSize> ImageSizes(const QString& pdf);

// The non-empty lines of the text in reading order, each with its runs of blanks made one.
QStringList Lines(const QString& pdf);

}  // namespace pdfprobe
