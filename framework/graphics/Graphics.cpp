#include "framework/graphics/Graphics.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include "framework/graphics/Picture.h"
#include "framework/graphics/PrinterPage.h"
#include "framework/ui/QtConversions.h"

namespace fw {

namespace {

// A negative size is not given (the callers pass kNotGiven): the rest of the picture is used.
double GivenOr(double size, double fallback) {
    return size < 0.0 ? fallback : size;
}

}  // namespace

Graphics::Graphics(std::unique_ptr<PrinterPage> page) : m_page(std::move(page)) {}

// Ending the painter sends the pages; Qt reports no failure here, and nothing may be thrown.
Graphics::~Graphics() = default;

void Graphics::DrawPicture(const Ref<Picture>& picture, double x, double y, double destWidth,
                           double destHeight, double srcX, double srcY, double srcWidth,
                           double srcHeight) {
    if (!picture || picture->Image().isNull()) {
        return;
    }
    const QImage& image = picture->Image();
    QRectF source(srcX, srcY, GivenOr(srcWidth, image.width() - srcX),
                  GivenOr(srcHeight, image.height() - srcY));
    if (source.width() <= 0.0 || source.height() <= 0.0) {
        return;
    }
    double s = m_page->Scale();
    QRectF target(x * s, y * s, GivenOr(destWidth, source.width()) * s,
                  GivenOr(destHeight, source.height()) * s);
    QPainter& painter = m_page->Painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image, source);
    painter.restore();
}

void Graphics::DrawString(const String& text, double x, double y, double wrapWidth, bool condense) {
    QPainter& painter = m_page->Painter();
    QFont font = m_page->FontFor(m_textFont, m_textSize);
    QString content = ToQString(text);
    double s = m_page->Scale();
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (wrapWidth <= 0.0 || condense) {
        // One line. Condensed text wider than the wrap width is squeezed to fit it.
        content.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), ' ');
        QPointF origin = m_page->ToDevice(x, y);
        double natural = QFontMetricsF(font, &m_page->Printer()).horizontalAdvance(content);
        if (condense && wrapWidth > 0.0 && natural > wrapWidth * s) {
            painter.translate(origin);
            painter.scale(wrapWidth * s / natural, 1.0);
            origin = QPointF(0.0, 0.0);
        }
        painter.drawText(origin, content);
        painter.restore();
        return;
    }
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    content.replace('\n', QChar::LineSeparator);
    QTextLayout layout(content, font, const_cast<QPrinter*>(&m_page->Printer()));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double top = 0.0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth * s);
        line.setPosition(QPointF(0.0, top));
        top += line.height();
    }
    layout.endLayout();
    // The first line's baseline lies at y.
    double ascent = layout.lineCount() > 0 ? layout.lineAt(0).ascent() : 0.0;
    layout.draw(&painter, QPointF(x * s, y * s - ascent));
    painter.restore();
}

void Graphics::NextPage() {
    m_page->NextPage();
}

double Graphics::PageWidth() const {
    return m_page->PageWidth();
}

double Graphics::PageHeight() const {
    return m_page->PageHeight();
}

double Graphics::PrintableBottom() const {
    return m_page->PrintableBottom();
}

std::int64_t Graphics::PageCount() const {
    return m_page->PageCount();
}

}  // namespace fw
