#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

class Picture;
class PrinterPage;
class StyledTextPrinter;

// A drawing context on printer pages. Coordinates are in points, 72 to the inch, measured from the
// top-left corner of the paper, x to the right and y downwards. The pages go to the printer when
// the last reference to the Graphics is released.
class Graphics : public Object {
  public:
    // A size passed as this value is not given: the picture's own size is used.
    static constexpr double kNotGiven = -10000.0;

    explicit Graphics(std::unique_ptr<PrinterPage> page);
    ~Graphics() override;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Draws the source rectangle of the picture into the destination rectangle whose top-left
    // corner is (x, y). Sizes not given: the whole picture, at its own size (one pixel a point).
    // Both rectangles are measured in the plain picture; its high-resolution variant, where it
    // has one, is what fills them. A nil picture draws nothing.
    void DrawPicture(const Ref<Picture>& picture, double x, double y, double destWidth = kNotGiven,
                     double destHeight = kNotGiven, double srcX = 0.0, double srcY = 0.0,
                     double srcWidth = kNotGiven, double srcHeight = kNotGiven);

    // The font of text drawn from now on: "System" is the platform's UI font, "Courier" (any
    // case) its monospace font, any other name the font family of that name.
    String TextFont() const { return m_textFont; }
    void SetTextFont(const String& name) { m_textFont = name; }

    // The size of text drawn from now on, in points.
    double TextSize() const { return m_textSize; }
    void SetTextSize(double points) { m_textSize = points; }

    // Draws text on one line (its line breaks as blanks) with its baseline at y.
    void DrawString(const String& text, double x, double y);

    // Ends the current page and starts a new, empty one.
    void NextPage();

    // The bottom of the printable area, in points from the paper's top.
    double PrintableBottom() const;

    // The number of pages begun so far (1 after the dialog).
    std::int64_t PageCount() const;

  private:
    friend class StyledTextPrinter;

    std::unique_ptr<PrinterPage> m_page;
    String m_textFont{"System"};
    double m_textSize = 12.0;
};

// Shows the print dialog (a real printer, or printing to a PDF file) and returns the drawing
// context of the printer when the user confirms, nil when the user cancels. While a test has set
// an answer (PrintDialogSeam) no dialog is shown. A printer that cannot start raises
// RuntimeException.
Ref<Graphics> OpenPrinterDialog();

}  // namespace fw
