#include "framework/graphics/PrinterPage.h"

#include <QPageLayout>
#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/graphics/FontNames.h"

namespace fw {

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
    // Coordinates start at the paper's corner, not at the printable area's.
    m_printer->setFullPage(true);
    if (!m_painter.begin(m_printer.get())) {
        throw RuntimeException("The printer could not be started.");
    }
    m_scale = m_printer->logicalDpiY() / 72.0;

    QPageLayout layout = m_printer->pageLayout();
    QRectF paper = layout.fullRect(QPageLayout::Point);
    m_pageWidth = paper.width();
    m_pageHeight = paper.height();
    // The foot of the printable area: the larger of the page's bottom margin and what the printer
    // itself cannot reach.
    double bottomMargin = std::max(
        layout.margins(QPageLayout::Point).bottom(),
        layout.minimumMargins().bottom() * (layout.units() == QPageLayout::Point ? 1.0 : 0.0));
    m_printableBottom = m_pageHeight - bottomMargin;
}

PrinterPage::~PrinterPage() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

QFont PrinterPage::FontFor(const String& name, double points) const {
    QFont font = FontForName(name);
    if (points > 0.0) {
        font.setPointSizeF(points);
    }
    return QFont(font, m_printer.get());
}

void PrinterPage::NextPage() {
    if (m_printer->newPage()) {
        ++m_pageCount;
    } else {
        throw RuntimeException("The printer could not start a new page.");
    }
}

}  // namespace fw
