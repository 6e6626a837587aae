#include "framework/graphics/PrinterPage.h"

#include <QPageLayout>
#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/graphics/FontNames.h"

namespace fw {

namespace {

constexpr double kLeastBottomMargin = 36.0;  // points

}  // namespace

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
    // Coordinates start at the paper's corner, not at the printable area's.
    m_printer->setFullPage(true);
    if (!m_painter.begin(m_printer.get())) {
        throw RuntimeException("The printer could not be started.");
    }
    m_scale = m_printer->logicalDpiY() / 72.0;

    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Point);
    // The foot of the printable area: the page's bottom margin, or what the printer itself cannot
    // reach if that is more, and never less than half an inch, so that no line sits on the edge.
    double bottomMargin =
        std::max({layout.margins().bottom(), layout.minimumMargins().bottom(), kLeastBottomMargin});
    m_printableBottom = layout.fullRect().height() - bottomMargin;
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
