#include "framework/ui/DisplayedText.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "framework/core/Text.h"

namespace fw {

namespace {

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Walks a stored text one shown step at a time: a CR LF pair is one step (two characters, one
// shown unit), any other character one step. A character counts where a byte that is no
// continuation byte starts, as Len counts.
class Walker {
  public:
    Walker(std::string_view text, DisplayedText::Breaks breaks) : m_text(text), m_breaks(breaks) {}

    bool AtEnd() const { return m_byte >= m_text.size(); }
    std::size_t Byte() const { return m_byte; }
    std::int64_t Position() const { return m_position; }
    qsizetype Unit() const { return m_unit; }

    // Takes the next step; appends what it shows when out is given.
    void Step(QString* out) {
        const char c = m_text[m_byte];
        if (c == '\r' || c == '\n') {
            const bool pair = c == '\r' && m_byte + 1 < m_text.size() && m_text[m_byte + 1] == '\n';
            if (out != nullptr) {
                out->append(m_breaks == DisplayedText::Breaks::AsLineBreaks ? QChar('\n')
                                                                            : QChar(' '));
            }
            m_byte += pair ? 2 : 1;
            m_position += pair ? 2 : 1;
            m_unit += 1;
            return;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            if (out != nullptr) {
                out->append(QChar(c));
            }
            ++m_byte;
            ++m_position;
            ++m_unit;
            return;
        }
        std::size_t end = m_byte + 1;
        while (end < m_text.size() && IsContinuation(m_text[end])) {
            ++end;
        }
        const QString decoded =
            QString::fromUtf8(m_text.data() + m_byte, static_cast<qsizetype>(end - m_byte));
        if (out != nullptr) {
            out->append(decoded);
        }
        if (!IsContinuation(c)) {
            ++m_position;
        }
        m_byte = end;
        m_unit += decoded.size();
    }

  private:
    std::string_view m_text;
    DisplayedText::Breaks m_breaks;
    std::size_t m_byte = 0;
    std::int64_t m_position = 0;
    qsizetype m_unit = 0;
};

// The byte where the character at a position starts (the end for positions past it).
std::size_t ByteOf(std::string_view text, std::int64_t position) {
    std::int64_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuation(text[i])) {
            if (seen == position) {
                return i;
            }
            ++seen;
        }
    }
    return text.size();
}

// Whether every character is one ASCII byte and no CR is followed by an LF.
bool IsDirect(std::string_view text) {
    char previous = 0;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || (previous == '\r' && c == '\n')) {
            return false;
        }
        previous = c;
    }
    return true;
}

std::string StoredFromShown(const QString& shown) {
    QString stored = shown;
    for (QChar& c : stored) {
        if (c == '\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = '\r';
        }
    }
    return stored.toStdString();
}

}  // namespace

QString ShownText(const String& text, DisplayedText::Breaks breaks) {
    QString shown;
    shown.reserve(static_cast<qsizetype>(text.ByteCount()));
    Walker walker(text.View(), breaks);
    while (!walker.AtEnd()) {
        walker.Step(&shown);
    }
    return shown;
}

QString ShortEntryText(QString text) {
    text.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return text;
}

void DisplayedText::Set(const String& text) {
    m_text = text;
    m_shown = ShownText(text, m_breaks);
    m_length = Len(text);
    m_direct = IsDirect(text.View());
}

qsizetype DisplayedText::ShownIndexOf(std::int64_t position) const {
    if (m_direct) {
        return static_cast<qsizetype>(std::clamp<std::int64_t>(position, 0, m_length));
    }
    Walker walker(m_text.View(), m_breaks);
    while (!walker.AtEnd() && walker.Position() < position) {
        walker.Step(nullptr);
    }
    return walker.Unit();
}

std::int64_t DisplayedText::PositionOf(qsizetype shownIndex) const {
    if (m_direct) {
        return std::clamp<std::int64_t>(shownIndex, 0, m_length);
    }
    Walker walker(m_text.View(), m_breaks);
    while (!walker.AtEnd() && walker.Unit() < shownIndex) {
        walker.Step(nullptr);
    }
    return walker.Position();
}

bool DisplayedText::Replace(std::int64_t from, std::int64_t to, const String& piece) {
    from = std::clamp<std::int64_t>(from, 0, m_length);
    to = std::clamp<std::int64_t>(to, from, m_length);
    if (m_direct && ReplaceDirect(from, to, piece)) {
        return true;
    }
    const qsizetype shownFrom = ShownIndexOf(from);
    const qsizetype shownTo = ShownIndexOf(to);
    const std::string_view old = m_text.View();
    const std::size_t byteFrom = ByteOf(old, from);
    const std::size_t byteTo = ByteOf(old, to);
    std::string joined;
    joined.reserve(old.size() - (byteTo - byteFrom) + piece.ByteCount());
    joined.append(old.substr(0, byteFrom));
    joined.append(piece.View());
    joined.append(old.substr(byteTo));
    QString expected = m_shown;
    expected.replace(shownFrom, shownTo - shownFrom, ShownText(piece, m_breaks));
    Set(String(std::move(joined)));
    return expected == m_shown;
}

bool DisplayedText::ReplaceDirect(std::int64_t from, std::int64_t to, const String& piece) {
    const std::string_view old = m_text.View();
    const std::string_view added = piece.View();
    if (!IsDirect(added)) {
        return false;
    }
    // The joins must not make a CR LF pair: that would be one line break where there were two.
    const char before = from > 0 ? old[static_cast<std::size_t>(from - 1)] : '\0';
    const char after = to < m_length ? old[static_cast<std::size_t>(to)] : '\0';
    const char first = added.empty() ? after : added.front();
    const char last = added.empty() ? before : added.back();
    if ((before == '\r' && first == '\n') || (last == '\r' && after == '\n')) {
        return false;
    }
    const auto byteFrom = static_cast<std::size_t>(from);
    const auto byteTo = static_cast<std::size_t>(to);
    std::string joined;
    joined.reserve(old.size() - (byteTo - byteFrom) + added.size());
    joined.append(old.substr(0, byteFrom));
    joined.append(added);
    joined.append(old.substr(byteTo));
    m_text = String(std::move(joined));
    m_shown.replace(static_cast<qsizetype>(from), static_cast<qsizetype>(to - from),
                    ShownText(piece, m_breaks));
    m_length += static_cast<std::int64_t>(added.size()) - (to - from);
    return true;
}

String DisplayedText::Slice(std::int64_t from, std::int64_t to) const {
    from = std::clamp<std::int64_t>(from, 0, m_length);
    to = std::clamp<std::int64_t>(to, from, m_length);
    const std::string_view text = m_text.View();
    const std::size_t byteFrom = ByteOf(text, from);
    return String(text.substr(byteFrom, ByteOf(text, to) - byteFrom));
}

bool DisplayedText::MergeEdit(const QString& edited, std::int64_t limit, bool* changed) {
    *changed = false;
    QString normal = edited;
    for (QChar& c : normal) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = m_breaks == Breaks::AsLineBreaks ? QChar('\n') : QChar(' ');
        }
    }
    if (normal == m_shown) {
        return true;
    }
    // The stretch that differs: what is left after the common beginning and end.
    const qsizetype shortest = std::min(normal.size(), m_shown.size());
    qsizetype head = 0;
    while (head < shortest && normal[head] == m_shown[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shortest - head &&
           normal[normal.size() - 1 - tail] == m_shown[m_shown.size() - 1 - tail]) {
        ++tail;
    }
    // Never split a surrogate pair.
    if (head > 0 && QChar::isHighSurrogate(normal[head - 1].unicode())) {
        --head;
    }
    if (tail > 0 && QChar::isLowSurrogate(normal[normal.size() - tail].unicode())) {
        --tail;
    }
    const std::int64_t from = PositionOf(head);
    const std::int64_t to = PositionOf(m_shown.size() - tail);
    QString edit = normal.mid(head, normal.size() - tail - head);
    if (limit > 0) {
        edit = ShortEntryText(edit);
    }
    String piece(StoredFromShown(edit));
    if (limit > 0) {
        const std::int64_t room = limit - (m_length - (to - from));
        const std::int64_t pieceLength = Len(piece);
        if (pieceLength > room && pieceLength > 0) {
            const std::int64_t kept = std::max<std::int64_t>(room, 0);
            piece = String(piece.View().substr(0, ByteOf(piece.View(), kept)));
        }
    }
    if (piece.IsEmpty() && from == to) {
        return false;  // nothing of the edit was taken
    }
    Replace(from, to, piece);
    *changed = true;
    return m_shown == normal;
}

}  // namespace fw
