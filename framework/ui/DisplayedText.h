#pragma once

#include <QString>
#include <cstdint>

#include "framework/core/String.h"

namespace fw {

// A control's text kept exactly as it was given (the source of truth, never copied), beside
// what the widget shows of it. Shown, CR, LF and CR LF are each one line break (or one blank on
// a single line). Positions of the stored text count characters (code points); positions of
// the shown text count UTF-16 units, as Qt's do.
class DisplayedText {
  public:
    enum class Breaks { AsLineBreaks, AsBlanks };

    explicit DisplayedText(Breaks breaks) : m_breaks(breaks) {}

    void Set(const String& text);
    const String& Text() const { return m_text; }
    const QString& Shown() const { return m_shown; }
    std::int64_t Length() const { return m_length; }

    // Where a character position of the stored text lies in the shown text, and back. Both
    // are clamped to the texts' ends.
    qsizetype ShownIndexOf(std::int64_t position) const;
    std::int64_t PositionOf(qsizetype shownIndex) const;

    // Replaces the characters [from, to) of the stored text with the piece. Gives true when the
    // shown text changed only there, as the piece shown, so that a widget can be edited in
    // place; false when a CR and an LF met or parted and the whole text must be shown again.
    bool Replace(std::int64_t from, std::int64_t to, const String& piece);

    // The stored characters [from, to).
    String Slice(std::int64_t from, std::int64_t to) const;

    // Takes the shown text after the user edited it: the stretch that differs is merged into
    // the stored text, a line break stored as CR. With a limit above 0 the text is a short
    // entry: the edit's line breaks and control characters are dropped, and an edit that would
    // make the text longer than the limit is cut to fit. Gives true when the shown text is
    // exactly what the widget holds (else the widget must show Shown() again); changed tells
    // whether the stored text changed.
    bool MergeEdit(const QString& edited, std::int64_t limit, bool* changed);

  private:
    // Replace for a direct text and a piece that keeps it direct; false (nothing changed) when
    // the piece or its joins would not.
    bool ReplaceDirect(std::int64_t from, std::int64_t to, const String& piece);

    Breaks m_breaks;
    String m_text;
    QString m_shown;
    std::int64_t m_length = 0;
    // True while every character is a single ASCII byte and no CR LF pair occurs: a position in
    // the stored text is then the same in the shown text, and nothing needs a walk. The report
    // and the tables are such texts, which keeps appending a report at the end cheap.
    bool m_direct = true;
};

// The shown form of a text (line breaks as '\n', or as blanks).
QString ShownText(const String& text, DisplayedText::Breaks breaks);

// The text without its line breaks and control characters (C0 and C1 controls, DEL, the line and
// paragraph separators): what a short entry takes of what the user types, pastes or drops.
QString ShortEntryText(QString text);

}  // namespace fw
