#include "print/paragraph_widths.h"

#include <QHash>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

QTextOption measuringOption(QTextOption::WrapMode mode)
{
    QTextOption option;
    option.setWrapMode(mode);
    option.setUseDesignMetrics(true);
    return option;
}

double tabEnd(double x)
{
    // Text options set no tab stops: a tab goes to the next multiple of 80 units.
    constexpr double kStop = 80;
    return (std::floor(x / kStop) + 1) * kStop;
}

namespace {

QTextLine singleLine(QTextLayout &layout)
{
    // The glyphs are kept past endLayout(): otherwise each position read shapes the
    // text again.
    layout.setCacheEnabled(true);
    layout.setTextOption(measuringOption(QTextOption::NoWrap));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

// The paragraph shaped as one text, as the renderer shapes it, for texts with
// characters that need more than their next neighbour to be shaped. The layout is cut
// into short lines of a fixed number of characters, made as the wrap reaches them: a
// position's x is then found within its short line, not from the paragraph's start.
// A tab reaches the next tab stop from the paragraph's start, so a paragraph with tabs
// stays one line. Only the beginning of the paragraph the wrap has reached is shaped;
// the shaped part grows as the wrap goes on, so a long text asked for a few lines
// costs no more than those lines.
class ShapedParagraph : public ParagraphWidths
{
public:
    ShapedParagraph(QStringView paragraph, const QFont &font)
        : m_text(paragraph), m_font(font), m_columns(paragraph.contains(u'\t') ? 0 : kColumns)
    {
        shape(std::min<qsizetype>(paragraph.size(), kFirstLength));
    }
    ~ShapedParagraph() override { m_layout->endLayout(); }

    double width(qsizetype from, qsizetype to, double) override { return x(to) - x(from); }

    qsizetype fittingEnd(qsizetype from, qsizetype limit, double room, double, double *runWidth) override
    {
        qsizetype cut = next(from);
        for (qsizetype p = cut; p < limit;) {
            p = next(p);
            if (x(p) - x(from) > room + kWidthTolerance)
                break;
            cut = p;
        }
        *runWidth = x(cut) - x(from);
        return cut;
    }

private:
    static constexpr int kColumns = 64;
    static constexpr qsizetype kFirstLength = 16384;

    struct Piece
    {
        QTextLine line;
        int start;
        double offset; // x of the piece's start in the paragraph
        double base;   // x of the piece's start in its own line
    };

    // Shapes the first `length` characters. Positions well before the end come out as
    // in the whole paragraph: a character's shape depends on what precedes it and on
    // its next neighbour only.
    void shape(qsizetype length)
    {
        if (m_layout)
            m_layout->endLayout();
        m_pieces.clear();
        m_length = length;
        m_layout = std::make_unique<QTextLayout>(m_text.first(length).toString(), m_font);
        m_layout->setTextOption(measuringOption(m_columns > 0 ? QTextOption::WrapAnywhere : QTextOption::NoWrap));
        m_layout->beginLayout();
    }

    // Shaped at least up to `pos` and a few characters beyond.
    void reach(qsizetype pos)
    {
        constexpr qsizetype kMargin = 8;
        if (pos + kMargin > m_length && m_length < m_text.size())
            shape(std::min(m_text.size(), std::max(2 * m_length, pos + kFirstLength)));
    }

    qsizetype next(qsizetype pos)
    {
        reach(pos + 1);
        return m_layout->nextCursorPosition(int(pos));
    }

    double x(qsizetype at)
    {
        reach(at);
        const int pos = int(at);
        while (m_pieces.empty() || pos > m_pieces.back().start + m_pieces.back().line.textLength()) {
            QTextLine line = m_layout->createLine();
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

    QStringView m_text;
    QFont m_font;
    int m_columns; // 0: one line
    qsizetype m_length = 0;
    std::unique_ptr<QTextLayout> m_layout;
    std::vector<Piece> m_pieces;
};

// The renderer shapes a paragraph in items: runs of one script, none longer than
// this, with no kerning between two items.
constexpr qsizetype kMaxItemLength = 4096;

// Characters measured one by one: letters, digits and punctuation of the card's code
// page that need no neighbour beyond the next one to be shaped, and tabs.
bool measuredOneByOne(char16_t c)
{
    if ((c >= 0x20 && c <= 0x7E) || c == u'\t')
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

// The paragraph measured character by character, for the characters of the card's code
// page: each adds its advance as the renderer shapes it before its neighbour in the
// same item (the kerning of a pair goes to its first character's advance, and these
// characters need no other neighbour), so the width of any run is the sum over its
// characters, to the last bit. The advances are kept per font, for each character, its
// neighbour and the script of its item.
class CharacterWidths : public ParagraphWidths
{
public:
    CharacterWidths(QStringView paragraph, const QFont &font, QHash<quint64, double> &advances)
        : m_text(paragraph), m_font(font), m_advances(advances)
    {
        findItems();
    }

    double width(qsizetype from, qsizetype to, double x) override
    {
        return widthUpTo(from, to, x, std::numeric_limits<double>::infinity());
    }

    double widthUpTo(qsizetype from, qsizetype to, double x, double cap) override
    {
        double total = 0;
        qsizetype item = itemAt(from);
        for (qsizetype a = from; a < to; ++a) {
            total += advanceAt(item, a, x + total);
            if (total > cap)
                return std::numeric_limits<double>::infinity();
        }
        return total;
    }

    qsizetype fittingEnd(qsizetype from, qsizetype limit, double room, double x, double *runWidth) override
    {
        double used = 0;
        qsizetype item = itemAt(from);
        qsizetype end = from;
        while (end < limit) {
            const double step = advanceAt(item, end, x + used);
            if (end > from && used + step > room + kWidthTolerance)
                break;
            used += step;
            ++end;
        }
        *runWidth = used;
        return std::max(end, from + 1); // a line takes at least one character
    }

private:
    static constexpr qsizetype kCacheSize = 50'000;

    struct Item
    {
        qsizetype start;
        QChar::Script script;
        bool tab = false; // a tab, an item of its own
    };

    // Items as the renderer forms them: script runs, where a character of no
    // particular script (blanks, digits, punctuation, tabs) goes with the run before it,
    // or at the start with the first run; every tab an item of its own; and each stretch
    // between them cut every kMaxItemLength characters.
    void findItems()
    {
        QChar::Script current = QChar::Script_Common;
        qsizetype runStart = 0;
        const auto close = [this, &current, &runStart](qsizetype end) {
            qsizetype s = runStart;
            while (s < end) {
                const qsizetype found = m_text.mid(s, end - s).indexOf(u'\t');
                const qsizetype tab = found < 0 ? end : s + found;
                for (; s < tab; s += kMaxItemLength)
                    m_items.push_back({s, current});
                s = tab;
                if (s < end) {
                    m_items.push_back({s, current, true});
                    ++s;
                }
            }
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

    // The item that holds position `pos`.
    qsizetype itemAt(qsizetype pos) const
    {
        const auto it = std::upper_bound(m_items.begin(), m_items.end(), pos,
                                         [](qsizetype p, const Item &item) { return p < item.start; });
        return (it - m_items.begin()) - 1;
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

    // The advance of the character at `at`, which stands `x` from the paragraph's start (a
    // tab reaches the next tab stop); `item` moves on to the item that holds `at`.
    double advanceAt(qsizetype &item, qsizetype at, double x)
    {
        while (itemEnd(item) <= at)
            ++item;
        return m_items[item].tab ? tabEnd(x) - x : advanceBefore(item, at, itemEnd(item));
    }

    // The advance of the character at `at`, inside an item ending at `end`, as the
    // renderer shapes it before its neighbour: a pair's kerning goes to the advance of
    // its first character, and these characters need no other neighbour, so the width
    // of a run is the sum of these over its characters, to the last bit. Kept per font
    // and script for each character and neighbour.
    double advanceBefore(qsizetype item, qsizetype at, qsizetype end)
    {
        const char16_t c = m_text.at(at).unicode();
        const char16_t next = at + 1 < end ? m_text.at(at + 1).unicode() : 0;
        const quint64 key = (quint64(m_items[item].script) << 32) | (quint64(c) << 16) | next;
        if (const auto it = m_advances.constFind(key); it != m_advances.constEnd())
            return *it;
        QString text;
        const QChar anchor = anchorOf(m_items[item].script);
        if (!anchor.isNull())
            text += anchor;
        text += u' ';
        const int start = int(text.size());
        text += QChar(c);
        if (next)
            text += QChar(next);
        QTextLayout layout(text, m_font);
        const QTextLine line = singleLine(layout);
        const double advance = line.cursorToX(start + 1) - line.cursorToX(start);
        if (m_advances.size() >= kCacheSize)
            m_advances.clear();
        m_advances.insert(key, advance);
        return advance;
    }

    QStringView m_text;
    QFont m_font;
    QHash<quint64, double> &m_advances;
    std::vector<Item> m_items;
};

QString cacheKey(const QFont &font)
{
    return font.toString() + QLatin1Char('/') + QString::number(int(font.hintingPreference()));
}

// Printing runs on one thread; each thread keeps its own advances.
QHash<quint64, double> &advanceCache(const QFont &font)
{
    thread_local std::unordered_map<QString, QHash<quint64, double>> caches;
    return caches[cacheKey(font)];
}

} // namespace

std::unique_ptr<ParagraphWidths> ParagraphWidths::of(QStringView paragraph, const QFont &font)
{
    for (QChar c : paragraph) {
        if (!measuredOneByOne(c.unicode()))
            return std::make_unique<ShapedParagraph>(paragraph, font);
    }
    return std::make_unique<CharacterWidths>(paragraph, font, advanceCache(font));
}
