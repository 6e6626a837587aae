#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

class Graphics;
class TextLines;

// Prints the text of a text area on a Graphics, block by block. The text (CR, LF and CR LF each a
// line break) is laid out once, in the area's font, at the given width; each DrawBlock draws the
// lines that fit in its block, starting where the previous block stopped, so a long text continues
// on further pages:
//     auto printer = area->StyledTextPrinter(g, 540);
//     printer->DrawBlock(20, 175, 720);
//     while (!printer->AllDrawn()) { g->NextPage(); printer->DrawBlock(20, 175, 720); }
class StyledTextPrinter : public Object {
  public:
    // A nil Graphics raises NilObjectException. A font size of 0 is the font's own size.
    StyledTextPrinter(Ref<Graphics> graphics, const String& text, const String& fontName,
                      double fontSize, std::int64_t width, bool bold = false);
    ~StyledTextPrinter() override;
    StyledTextPrinter(const StyledTextPrinter&) = delete;
    StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

    // Draws the next lines into the block whose top-left corner is (x, y), as many whole lines as
    // fit in its height. The height is cut to what remains of the printable area of the page, so
    // no line is cut or lost at the page's foot.
    void DrawBlock(std::int64_t x, std::int64_t y, std::int64_t height);

    // True when every line has been drawn (at once for an empty text).
    bool AllDrawn() const;

    // The number of laid-out lines, and how many of them have been drawn so far.
    std::int64_t LineCount() const;
    std::int64_t LinesDrawn() const { return m_next; }

  private:
    Ref<Graphics> m_graphics;
    std::unique_ptr<TextLines> m_lines;
    std::int64_t m_next = 0;
};

}  // namespace fw
