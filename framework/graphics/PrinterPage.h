#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "framework/core/String.h"

namespace fw {

// The Qt side of a Graphics: the printer, the painter on it, and the conversion from points
// (72 to the inch, from the paper's top-left corner) to the printer's device pixels.
class PrinterPage {
  public:
    // Starts painting on the printer; a printer that cannot start raises RuntimeException.
    explicit PrinterPage(std::unique_ptr<QPrinter> printer);
    // Ends painting, which sends the pages to the printer (or writes the PDF file).
    ~PrinterPage();
    PrinterPage(const PrinterPage&) = delete;
    PrinterPage& operator=(const PrinterPage&) = delete;

    QPainter& Painter() { return m_painter; }
    const QPrinter& Printer() const { return *m_printer; }

    // Device pixels per point.
    double Scale() const { return m_scale; }
    QPointF ToDevice(double x, double y) const { return {x * m_scale, y * m_scale}; }

    // The named font at a size in points, resolved for the printer's resolution.
    QFont FontFor(const String& name, double points) const;

    double PrintableBottom() const { return m_printableBottom; }

    void NextPage();
    int PageCount() const { return m_pageCount; }

  private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    double m_scale = 1.0;
    double m_printableBottom = 0.0;
    int m_pageCount = 1;
};

}  // namespace fw
