#include "framework/graphics/StyledTextPrinter.h"

#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/PrinterPage.h"
#include "framework/ui/QtConversions.h"
#include "framework/ui/TextArea.h"

namespace fw {

// The text laid out once into lines: one QTextLayout per paragraph, and every line in reading
// order with its height in device pixels.
class TextLines {
  public:
    struct Line {
        QTextLayout* layout;
        int index;
        double height;
    };

    TextLines(const String& text, const QFont& font, QPaintDevice* device, double width);

    const std::vector<Line>& Lines() const { return m_lines; }

  private:
    void AddParagraph(const QString& paragraph, const QFont& font, QPaintDevice* device,
                      double width);

    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<Line> m_lines;
};

TextLines::TextLines(const String& text, const QFont& font, QPaintDevice* device, double width) {
    QString all = ToQString(text);
    // CR, LF and CR LF each end a line; a break at the very end starts no further line.
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        QChar c = all[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        AddParagraph(all.mid(start, i - start), font, device, width);
        if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < all.size()) {
        AddParagraph(all.mid(start), font, device, width);
    }
}

void TextLines::AddParagraph(const QString& paragraph, const QFont& font, QPaintDevice* device,
                             double width) {
    auto layout = std::make_unique<QTextLayout>(paragraph, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    double top = 0.0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setLeadingIncluded(true);
        line.setPosition(QPointF(0.0, top));
        top += line.height();
    }
    layout->endLayout();
    for (int i = 0; i < layout->lineCount(); ++i) {
        m_lines.push_back({layout.get(), i, layout->lineAt(i).height()});
    }
    m_layouts.push_back(std::move(layout));
}

StyledTextPrinter::StyledTextPrinter(Ref<Graphics> graphics, const String& text,
                                     const String& fontName, double fontSize, std::int64_t width,
                                     bool bold)
    : m_graphics(NotNil(graphics)) {
    PrinterPage& page = *m_graphics->m_page;
    QFont font = page.FontFor(fontName, fontSize);
    font.setBold(bold);
    auto* device = const_cast<QPrinter*>(&page.Printer());
    m_lines = std::make_unique<TextLines>(
        text, font, device, static_cast<double>(std::max<std::int64_t>(width, 1)) * page.Scale());
}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(std::int64_t x, std::int64_t y, std::int64_t height) {
    PrinterPage& page = *m_graphics->m_page;
    double s = page.Scale();
    // The block ends at its own foot or at the foot of the printable area, whichever is higher.
    double bottom =
        std::min(static_cast<double>(y) + static_cast<double>(height), page.PrintableBottom());
    double room = (bottom - static_cast<double>(y)) * s;
    QPainter& painter = page.Painter();
    painter.save();
    painter.setPen(Qt::black);
    const auto& lines = m_lines->Lines();
    double used = 0.0;
    while (m_next < static_cast<std::int64_t>(lines.size())) {
        const TextLines::Line& line = lines[static_cast<std::size_t>(m_next)];
        if (used + line.height > room) {
            break;
        }
        QTextLine textLine = line.layout->lineAt(line.index);
        QPointF target = page.ToDevice(static_cast<double>(x), static_cast<double>(y));
        target.ry() += used;
        textLine.draw(&painter, target - textLine.position());
        used += line.height;
        ++m_next;
    }
    painter.restore();
}

bool StyledTextPrinter::AllDrawn() const {
    return m_next >= LineCount();
}

std::int64_t StyledTextPrinter::LineCount() const {
    return static_cast<std::int64_t>(m_lines->Lines().size());
}

// A text area prints its own text in its own font.
Ref<fw::StyledTextPrinter> TextArea::StyledTextPrinter(const Ref<Graphics>& g, std::int64_t width) {
    return std::make_shared<fw::StyledTextPrinter>(g, Text(), FontName(), FontSize(), width,
                                                   Bold());
}

}  // namespace fw
