#include "print/text_wrap.h"

#include "print/page_layout.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>

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

// The lines of one paragraph, a text without line breaks. A line breaks only at
// blanks; the blanks at a break belong to neither line. A word wider than the line is
// cut where the width ends, but a line always takes at least one character.
QStringList wrapParagraph(const QString &paragraph, double width, const QFont &font)
{
    // One unbroken layout of the whole paragraph: the width of any part of it is the
    // distance between two cursor positions, measured as the renderer draws it.
    QTextLayout layout(paragraph, font);
    layout.setTextOption(measuringOption(QTextOption::NoWrap));
    layout.beginLayout();
    const QTextLine measure = layout.createLine();
    layout.endLayout();
    const auto span = [&measure](int from, int to) { return measure.cursorToX(to) - measure.cursorToX(from); };
    const auto blank = [&paragraph](int i) { return paragraph.at(i) == QLatin1Char(' '); };

    QStringList lines;
    const int n = int(paragraph.size());
    int start = 0;
    while (start < n) {
        int keptEnd = -1; // end of the text this line shows
        int next = -1;    // where the next line starts
        for (int i = start; i < n;) {
            int wordEnd = i;
            while (wordEnd < n && blank(wordEnd)) // blanks that open the paragraph
                ++wordEnd;
            while (wordEnd < n && !blank(wordEnd))
                ++wordEnd;
            if (span(start, wordEnd) > width + kEpsilon)
                break;
            keptEnd = wordEnd;
            while (wordEnd < n && blank(wordEnd))
                ++wordEnd;
            i = next = wordEnd;
        }
        if (keptEnd < 0) {
            // The first word does not fit: it is broken where the width ends.
            int cut = layout.nextCursorPosition(start);
            for (int p = cut; p < n;) {
                p = layout.nextCursorPosition(p);
                if (span(start, p) > width + kEpsilon)
                    break;
                cut = p;
            }
            keptEnd = next = cut;
        }
        // The last line keeps its trailing blanks, as a heading such as
        // "2142. Співвиконавці   " has them.
        lines << (next >= n ? paragraph.mid(start) : paragraph.mid(start, keptEnd - start));
        start = next;
    }
    return lines;
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

QStringList wrapText(const QString &text, double width, const QFont &font)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList paragraphs = normal.split(QLatin1Char('\n'));
    if (paragraphs.constLast().isEmpty())
        paragraphs.removeLast();

    QStringList lines;
    for (const QString &paragraph : std::as_const(paragraphs)) {
        if (paragraph.isEmpty() || width <= 0)
            lines << paragraph;
        else
            lines << wrapParagraph(paragraph, width, font);
    }
    return lines;
}
