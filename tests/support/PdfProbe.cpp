#include "tests/support/PdfProbe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

namespace pdfprobe {

namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error(
            QString("%1 failed: %2")
                .arg(program, QString::fromUtf8(process.readAllStandardError()))
                .toStdString());
    }
    return process.readAllStandardOutput();
}

}  // namespace

Document Info(const QString& pdf) {
    const QString info = QString::fromUtf8(Run("pdfinfo", {pdf}));
    const QRegularExpressionMatch pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    const QRegularExpressionMatch paper =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
    return {pages.hasMatch() ? pages.captured(1).toInt() : -1,
            QSizeF(paper.captured(1).toDouble(), paper.captured(2).toDouble())};
}

QImage RenderPage(const QString& pdf, int page) {
    QTemporaryDir dir;
    QString prefix = dir.filePath("page");
    Run("pdftoppm", {"-r", "72", "-png", "-singlefile", "-f", QString::number(page), "-l",
                     QString::number(page), pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

std::vector<Word> Words(const QString& pdf) {
    QString html = QString::fromUtf8(Run("pdftotext", {"-bbox", pdf, "-"}));
    std::vector<Word> words;
    int page = 0;
    QRegularExpression token(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = token.globalMatch(html); it.hasNext();) {
        QRegularExpressionMatch match = it.next();
        if (match.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble(), match.captured(4).toDouble(),
                         match.captured(5)});
    }
    return words;
}

std::vector<QSize> ImageSizes(const QString& pdf) {
    std::vector<QSize> sizes;
    // "page num type width height ...", where an image's transparency is a type of its own.
    static const QRegularExpression image(R"(^\s*\d+\s+\d+\s+image\s+(\d+)\s+(\d+)\s)");
    const QString list = QString::fromUtf8(Run("pdfimages", {"-list", pdf}));
    for (const QString& line : list.split('\n')) {
        QRegularExpressionMatch match = image.match(line);
        if (match.hasMatch()) {
            sizes.emplace_back(match.captured(1).toInt(), match.captured(2).toInt());
        }
    }
    return sizes;
}

QStringList Lines(const QString& pdf) {
    QStringList lines;
    const QString text = QString::fromUtf8(Run("pdftotext", {"-layout", pdf, "-"}));
    for (const QString& line : text.split(QRegularExpression("[\n\f]"))) {
        QString trimmed = line.simplified();
        if (!trimmed.isEmpty()) {
            lines << trimmed;
        }
    }
    return lines;
}

}  // namespace pdfprobe
