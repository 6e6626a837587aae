#include "framework/graphics/Graphics.h"

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
    QRectF source(srcX, srcY, GivenOr(srcWidth, picture->Width() - srcX),
                  GivenOr(srcHeight, picture->Height() - srcY));
    if (source.width() <= 0.0 || source.height() <= 0.0) {
        return;
    }
    double s = m_page->Scale();
    QRectF target(x * s, y * s, GivenOr(destWidth, source.width()) * s,
                  GivenOr(destHeight, source.height()) * s);
    // Paper has many dots to a point: the picture's most detailed pixels go to the printer, the
    // source rectangle measured in them.
    const QImage& image = picture->Detailed();
    const double detail = static_cast<double>(image.width()) / picture->Width();
    source = QRectF(source.topLeft() * detail, source.size() * detail);
    QPainter& painter = m_page->Painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Stored without loss: JPEG would smear the sharp edges of the flat-coloured pictures, and
    // takes more room for them.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(target, image, source);
    painter.restore();
}

void Graphics::DrawString(const String& text, double x, double y) {
    QString line = ToQString(text);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QPainter& painter = m_page->Painter();
    painter.save();
    painter.setFont(m_page->FontFor(m_textFont, m_textSize));
    painter.setPen(Qt::black);
    painter.drawText(m_page->ToDevice(x, y), line);
    painter.restore();
}

void Graphics::NextPage() {
    m_page->NextPage();
}

double Graphics::PrintableBottom() const {
    return m_page->PrintableBottom();
}

std::int64_t Graphics::PageCount() const {
    return m_page->PageCount();
}

}  // namespace fw
