#include "print/text_wrap.h"

#include "print/page_layout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringView>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

QTextOption measuringOption(QTextOption::WrapMode mode)
{
    QTextOption option;
    option.setWrapMode(mode);
    option.setUseDesignMetrics(true);
    return option;
}

// Tolerance of a width comparison, far below anything visible.
constexpr double kEpsilon = 1e-3;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

QTextLine singleLine(QTextLayout &layout)
{
    layout.setTextOption(measuringOption(QTextOption::NoWrap));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

// How the wrap measures a paragraph: widths of its parts as the renderer draws them
// inside the unbroken paragraph, so that the width of a run of parts is their sum.
class ParagraphWidths
{
public:
    virtual ~ParagraphWidths() = default;
    // Width of paragraph[from, to).
    virtual double width(qsizetype from, qsizetype to) = 0;
    // The end of the longest run paragraph[from, p) no wider than `room`, p a cursor
    // position after `from`; at least one character, as a line always takes one. The
    // search goes no further than `limit`.
    virtual qsizetype fittingEnd(qsizetype from, qsizetype limit, double room) = 0;
};

// The paragraph shaped as one text, as the renderer shapes it, for texts with
// characters that need more than their next neighbour to be shaped. The layout is cut
// into short lines of a fixed number of characters, made as the wrap reaches them: a
// position's x is then found within its short line, not from the paragraph's start.
// A tab reaches the next tab stop from the paragraph's start, so a paragraph with tabs
// stays one line.
class ShapedParagraph : public ParagraphWidths
{
public:
    ShapedParagraph(QStringView paragraph, const QFont &font)
        : m_layout(paragraph.toString(), font), m_columns(paragraph.contains(u'\t') ? 0 : kColumns)
    {
        m_layout.setTextOption(measuringOption(m_columns > 0 ? QTextOption::WrapAnywhere : QTextOption::NoWrap));
        m_layout.beginLayout();
    }
    ~ShapedParagraph() override { m_layout.endLayout(); }

    double width(qsizetype from, qsizetype to) override { return x(int(to)) - x(int(from)); }

    qsizetype fittingEnd(qsizetype from, qsizetype, double room) override
    {
        const int n = int(m_layout.text().size());
        int cut = m_layout.nextCursorPosition(int(from));
        for (int p = cut; p < n;) {
            p = m_layout.nextCursorPosition(p);
            if (width(from, p) > room + kEpsilon)
                break;
            cut = p;
        }
        return cut;
    }

private:
    static constexpr int kColumns = 64;

    struct Piece
    {
        QTextLine line;
        int start;
        double offset; // x of the piece's start in the paragraph
        double base;   // x of the piece's start in its own line
    };

    double x(int pos)
    {
        while (m_pieces.empty() || pos > m_pieces.back().start + m_pieces.back().line.textLength()) {
            QTextLine line = m_layout.createLine();
            if (!line.isValid())
                break;
            if (m_columns > 0)
                line.setNumColumns(m_columns);
            double offset = 0;
            if (!m_pieces.empty()) {
                const Piece &last = m_pieces.back();
                offset = last.offset + last.line.cursorToX(last.start + last.line.textLength()) - last.base;
            }
            m_pieces.push_back({line, line.textStart(), offset, line.cursorToX(line.textStart())});
        }
        if (m_pieces.empty())
            return 0;
        // The last piece that starts at or before `pos`.
        auto it = std::upper_bound(m_pieces.begin(), m_pieces.end(), pos,
                                   [](int p, const Piece &piece) { return p < piece.start; });
        const Piece &piece = *(it == m_pieces.begin() ? it : it - 1);
        return piece.offset + piece.line.cursorToX(pos) - piece.base;
    }

    QTextLayout m_layout;
    int m_columns; // 0: one line
    std::vector<Piece> m_pieces;
};

// The renderer shapes a paragraph in items: runs of one script, none longer than
// this, with no kerning between two items.
constexpr qsizetype kMaxItemLength = 4096;

// Characters measured word by word: letters, digits and punctuation of the card's code
// page that need no neighbour beyond the next one and no position to be shaped.
bool measuredByWords(char16_t c)
{
    if (c >= 0x20 && c <= 0x7E)
        return true;
    if (c >= 0xA1 && c <= 0xFF)
        return c != 0xAD; // the soft hyphen is a format character
    if (c >= 0x400 && c <= 0x4FF)
        return c < 0x483 || c > 0x489; // combining marks join their base
    switch (c) {
    case 0x2013: case 0x2014: case 0x2018: case 0x2019: case 0x201A: case 0x201C: case 0x201D:
    case 0x201E: case 0x2020: case 0x2021: case 0x2022: case 0x2026: case 0x2030: case 0x2039:
    case 0x203A: case 0x20AC: case 0x2116: case 0x2122:
        return true;
    default:
        return false;
    }
}

// The paragraph measured in pieces: every word and every run of blanks is shaped on
// its own with the characters beside it, as far as they fall in the same item, so the
// kerning across its ends is the paragraph's own. A piece's width is then the distance
// between its ends, and pieces recur: their widths are kept per font.
class PieceWidths : public ParagraphWidths
{
public:
    PieceWidths(QStringView paragraph, const QFont &font, QHash<QString, double> &cache)
        : m_text(paragraph), m_font(font), m_cache(cache)
    {
        findItems();
    }

    double width(qsizetype from, qsizetype to) override
    {
        double sum = 0;
        forEachPart(from, to, kPart, [&](qsizetype a, qsizetype b, qsizetype item) { sum += measure(a, b, item); });
        return sum;
    }

    qsizetype fittingEnd(qsizetype from, qsizetype limit, double room) override
    {
        qsizetype cut = from + 1;
        double used = 0;
        bool done = false;
        // Each part is shaped once and every position in it read from that layout.
        forEachPart(from, limit, kWindow, [&](qsizetype a, qsizetype b, qsizetype item) {
            if (done)
                return;
            const Shaped s = shape(a, b, item);
            QTextLayout layout(s.text(), m_font);
            const QTextLine line = singleLine(layout);
            const double x0 = line.cursorToX(s.start);
            for (qsizetype q = a + 1; q <= b; ++q) {
                if (q > from + 1 && used + line.cursorToX(s.start + int(q - a)) - x0 > room + kEpsilon) {
                    done = true;
                    return;
                }
                cut = q;
            }
            used += line.cursorToX(s.start + int(b - a)) - x0;
        });
        return cut;
    }

private:
    static constexpr qsizetype kPart = 1024;  // longer pieces are measured in parts
    static constexpr qsizetype kWindow = 256; // the parts an over-long word is cut in
    static constexpr qsizetype kCachedLength = 256;
    static constexpr qsizetype kCacheSize = 50'000;

    struct Item
    {
        qsizetype start;
        QChar::Script script;
    };

    // The key of a part: a marker of the neighbours taken, then the text to shape.
    struct Shaped
    {
        const QString &key;
        int start; // where the part starts in the text shaped
        QString text() const { return key.mid(1); }
    };

    // Script runs as the renderer forms them: a character of no particular script
    // (blanks, digits, punctuation) goes with the run before it, or at the start with
    // the first run; each run is cut every kMaxItemLength characters.
    void findItems()
    {
        QChar::Script current = QChar::Script_Common;
        qsizetype runStart = 0;
        const auto close = [this, &current, &runStart](qsizetype end) {
            for (qsizetype s = runStart; s < end; s += kMaxItemLength)
                m_items.push_back({s, current});
        };
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            const QChar::Script script = scriptOf(m_text.at(i));
            if (script == current || script <= QChar::Script_Common)
                continue;
            if (current <= QChar::Script_Common) {
                current = script;
                continue;
            }
            close(i);
            runStart = i;
            current = script;
        }
        close(m_text.size());
        if (m_items.empty())
            m_items.push_back({0, QChar::Script_Common});
    }

    static QChar::Script scriptOf(QChar c)
    {
        // The common cases without the table.
        if (c.unicode() < 0x80)
            return c.isLetter() ? QChar::Script_Latin : QChar::Script_Common;
        if (c.unicode() >= 0x400 && c.unicode() < 0x483)
            return QChar::Script_Cyrillic;
        return c.script();
    }

    qsizetype itemEnd(qsizetype item) const
    {
        return item + 1 < qsizetype(m_items.size()) ? m_items[item + 1].start : m_text.size();
    }

    // Calls fn(a, b, item) for the parts of [from, to), each inside one item and at
    // most `longest` characters.
    template<typename Fn>
    void forEachPart(qsizetype from, qsizetype to, qsizetype longest, Fn fn) const
    {
        auto it = std::upper_bound(m_items.begin(), m_items.end(), from,
                                   [](qsizetype p, const Item &item) { return p < item.start; });
        qsizetype item = (it - m_items.begin()) - 1;
        for (qsizetype a = from; a < to;) {
            while (itemEnd(item) <= a)
                ++item;
            const qsizetype b = std::min({to, itemEnd(item), a + longest});
            fn(a, b, item);
            a = b;
        }
    }

    // The part with its neighbours inside the item, after a letter of the item's
    // script and a blank: the text is then shaped in that script whatever the part
    // holds, and neither added character changes the part's own widths.
    Shaped shape(qsizetype a, qsizetype b, qsizetype item)
    {
        const qsizetype before = a > m_items[item].start ? 1 : 0;
        const qsizetype after = b < itemEnd(item) ? 1 : 0;
        // One buffer for every key: most parts are found in the cache and need no copy.
        QString &text = m_key;
        text.resize(0);
        text += QChar(char16_t(u'0' + before * 2 + after));
        const QChar anchor = anchorOf(m_items[item].script);
        if (!anchor.isNull())
            text += anchor;
        text += u' ';
        const int start = int(text.size() + before - 1);
        text += m_text.mid(a - before, b - a + before + after);
        return {text, start};
    }

    static QChar anchorOf(QChar::Script script)
    {
        switch (script) {
        case QChar::Script_Latin:
            return QLatin1Char('n');
        case QChar::Script_Cyrillic:
            return QChar(0x043D); // н
        default:
            return {};
        }
    }

    double measure(qsizetype a, qsizetype b, qsizetype item)
    {
        const Shaped s = shape(a, b, item);
        if (const auto it = m_cache.constFind(s.key); it != m_cache.constEnd())
            return *it;
        QTextLayout layout(s.text(), m_font);
        const QTextLine line = singleLine(layout);
        const double w = line.cursorToX(s.start + int(b - a)) - line.cursorToX(s.start);
        // Words recur, parts of over-long ones hardly; and a print of a very long text
        // would otherwise keep every word it met.
        if (b - a <= kCachedLength) {
            if (m_cache.size() >= kCacheSize)
                m_cache.clear();
            m_cache.insert(s.key, w);
        }
        return w;
    }

    QStringView m_text;
    QFont m_font;
    QHash<QString, double> &m_cache;
    std::vector<Item> m_items;
    QString m_key;
};

QHash<QString, double> &widthCache(const QFont &font)
{
    // Printing runs on one thread; each thread keeps its own widths.
    thread_local std::unordered_map<QString, QHash<QString, double>> caches;
    return caches[font.toString() + QLatin1Char('/') + QString::number(int(font.hintingPreference()))];
}

std::unique_ptr<ParagraphWidths> widthsOf(QStringView paragraph, const QFont &font)
{
    for (QChar c : paragraph) {
        if (!measuredByWords(c.unicode()))
            return std::make_unique<ShapedParagraph>(paragraph, font);
    }
    return std::make_unique<PieceWidths>(paragraph, font, widthCache(font));
}

// Appends the lines of one paragraph, a text without line breaks, up to `maxLines`
// lines in all. A line breaks only at blanks; the blanks at a break belong to neither
// line. A word wider than the line is cut where the width ends, but a line always
// takes at least one character.
void wrapParagraph(QStringView paragraph, double width, const QFont &font, QStringList &lines, qsizetype maxLines)
{
    const std::unique_ptr<ParagraphWidths> widths = widthsOf(paragraph, font);
    const qsizetype n = paragraph.size();
    qsizetype start = 0;
    while (start < n && lines.size() < maxLines) {
        qsizetype keptEnd = -1; // end of the text this line shows
        qsizetype next = -1;    // where the next line starts
        qsizetype wordEnd = start;
        double used = 0; // width of paragraph[start, i)
        for (qsizetype i = start; i < n;) {
            wordEnd = i;
            while (wordEnd < n && isBlank(paragraph.at(wordEnd))) // blanks that open the paragraph
                ++wordEnd;
            while (wordEnd < n && !isBlank(paragraph.at(wordEnd)))
                ++wordEnd;
            const double withWord = used + widths->width(i, wordEnd);
            if (withWord > width + kEpsilon)
                break;
            keptEnd = wordEnd;
            qsizetype blanksEnd = wordEnd;
            while (blanksEnd < n && isBlank(paragraph.at(blanksEnd)))
                ++blanksEnd;
            used = withWord + widths->width(wordEnd, blanksEnd);
            i = next = blanksEnd;
        }
        if (keptEnd < 0) {
            // The first word does not fit: it is broken where the width ends.
            keptEnd = next = widths->fittingEnd(start, wordEnd, width);
        }
        // The last line keeps its trailing blanks, as a heading such as
        // "2142. Співвиконавці   " has them.
        lines << (next >= n ? paragraph.mid(start) : paragraph.mid(start, keptEnd - start)).toString();
        start = next;
    }
}

} // namespace

QFont layoutFont(const QString &family, int pixelSize, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont elementFont(const PageElement &element)
{
    return layoutFont(element.family, element.pixelSize, element.bold, element.underline);
}

double textWidth(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.setTextOption(measuringOption(QTextOption::NoWrap));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0.0;
}

double lineSpacing(const QFont &font)
{
    return QFontMetricsF(font).lineSpacing();
}

QStringList wrapText(const QString &text, double width, const QFont &font, int maxLines)
{
    const qsizetype limit = maxLines < 0 ? std::numeric_limits<qsizetype>::max() : maxLines;
    QStringList lines;
    const QStringView all(text);
    qsizetype from = 0;
    while (from < all.size() && lines.size() < limit) {
        // A paragraph ends at CR LF, CR or LF; a break at the very end opens no line.
        qsizetype end = from;
        while (end < all.size() && all.at(end) != QLatin1Char('\n') && all.at(end) != QLatin1Char('\r'))
            ++end;
        const QStringView paragraph = all.mid(from, end - from);
        if (paragraph.isEmpty() || width <= 0)
            lines << paragraph.toString();
        else
            wrapParagraph(paragraph, width, font, lines, limit);
        from = end;
        if (from < all.size())
            from += (all.mid(from).startsWith(QLatin1String("\r\n"))) ? 2 : 1;
    }
    return lines;
}
