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

// Appends the lines of one paragraph, a text without line breaks, up to `maxLines`
// lines in all. A line breaks only at blanks; the blanks at a break belong to neither
// line. A word wider than the line is cut where the width ends, but a line always
// takes at least one character.
void wrapParagraph(QStringView paragraph, double width, const QFont &font, QStringList &lines, qsizetype maxLines)
{
    const std::unique_ptr<ParagraphWidths> widths = ParagraphWidths::of(paragraph, font);
    const qsizetype n = paragraph.size();
    qsizetype start = 0;
    double startX = 0; // of `start` from the paragraph's start
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
            const double withWord = used + widths->width(i, wordEnd, startX + used);
            if (withWord > width + kWidthTolerance)
                break;
            keptEnd = wordEnd;
            qsizetype blanksEnd = wordEnd;
            while (blanksEnd < n && isBlank(paragraph.at(blanksEnd)))
                ++blanksEnd;
            used = withWord + widths->width(wordEnd, blanksEnd, startX + withWord);
            i = next = blanksEnd;
        }
        if (keptEnd < 0) {
            // The first word does not fit: it is broken where the width ends.
            keptEnd = next = widths->fittingEnd(start, wordEnd, width, startX);
            used = widths->width(start, next, startX);
        }
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
