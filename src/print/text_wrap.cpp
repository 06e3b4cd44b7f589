#include "print/text_wrap.h"

#include "print/page_layout.h"
#include "print/paragraph_widths.h"

#include <QFontMetricsF>
#include <QStringView>
#include <QTextLayout>

#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

// Ends of runs of blanks and of other characters. Each run is scanned once however
// many lines start inside it: a word as long as the paragraph is not scanned again for
// every line it fills.
class Runs
{
public:
    explicit Runs(QStringView text) : m_text(text) {}

    // The end of the run of blanks (or of other characters) that starts at `from`.
    qsizetype end(qsizetype from, bool blanks)
    {
        Run &known = m_known[blanks ? 1 : 0];
        if (from >= known.from && from < known.end)
            return known.end;
        qsizetype e = from;
        while (e < m_text.size() && isBlank(m_text.at(e)) == blanks)
            ++e;
        if (e > from)
            known = {from, e};
        return e;
    }

private:
    struct Run
    {
        qsizetype from = 0;
        qsizetype end = 0;
    };
    QStringView m_text;
    Run m_known[2];
};

// A word longer than this that opens a line is cut from the line's start at once: it
// may well not fit, and its measuring then stops where the line does.
constexpr qsizetype kLongWord = 64;

// Appends the lines of one paragraph, a text without line breaks, up to `maxLines`
// lines in all. A line breaks only at blanks; the blanks at a break belong to neither
// line. A word wider than the line is cut where the width ends, but a line always
// takes at least one character. Each part of the paragraph is measured about once,
// so the time grows with the paragraph's length, long words or not.
void wrapParagraph(QStringView paragraph, double width, const QFont &font, QStringList &lines, qsizetype maxLines)
{
    const std::unique_ptr<ParagraphWidths> widths = ParagraphWidths::of(paragraph, font);
    Runs runs(paragraph);
    const qsizetype n = paragraph.size();
    const double room = width + kWidthTolerance;
    qsizetype start = 0;
    double startX = 0; // of `start` from the paragraph's start
    while (start < n && lines.size() < maxLines) {
        qsizetype keptEnd = -1; // end of the text this line shows
        qsizetype next = -1;    // where the next line starts
        qsizetype wordEnd = start;
        double used = 0; // width of paragraph[start, i)
        for (qsizetype i = start; i < n;) {
            wordEnd = runs.end(runs.end(i, true), false); // with the blanks that open the paragraph
            double withWord = 0;
            if (i == start && wordEnd - i > kLongWord) {
                const qsizetype cut = widths->fittingEnd(start, wordEnd, width, startX, &withWord);
                if (cut < wordEnd) {
                    keptEnd = next = cut;
                    used = withWord;
                    break;
                }
            } else {
                withWord = used + widths->widthUpTo(i, wordEnd, startX + used, room - used);
                if (withWord > room)
                    break;
            }
            keptEnd = wordEnd;
            const qsizetype blanksEnd = runs.end(wordEnd, true);
            used = withWord + widths->width(wordEnd, blanksEnd, startX + withWord);
            i = next = blanksEnd;
        }
        if (keptEnd < 0) // the first word does not fit: it is broken where the width ends
            keptEnd = next = widths->fittingEnd(start, wordEnd, width, startX, &used);
        // The last line keeps its trailing blanks, as a heading such as
        // "2142. Співвиконавці   " has them.
        lines << (next >= n ? paragraph.mid(start) : paragraph.mid(start, keptEnd - start)).toString();
        start = next;
        startX += used;
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
