#include "print/page_renderer.h"

#include "cardfile/atomic_write.h"
#include "print/text_wrap.h"
#include "zorvat_version.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// The glyphs of one font, as the lines of a page need them: a printed card is Cyrillic
// and Latin text in one font per element, which needs no shaping beyond the font's own
// glyphs and kerning, and thousands of pages of it are drawn.
class GlyphLines
{
public:
    explicit GlyphLines(const QFont &font) : m_raw(QRawFont::fromFont(font)), m_underline(font.underline()) {}

    // The line as glyphs placed from its baseline's start; false when the font lacks a
    // character (the line then takes Qt's own layout, with its fallback fonts).
    bool place(const QString &text, QGlyphRun &run, double &width) const
    {
        if (!m_raw.isValid())
            return false;
        for (const QChar ch : text) {
            if (ch.isSurrogate() || ch.category() == QChar::Mark_NonSpacing)
                return false;
        }
        const QList<quint32> glyphs = m_raw.glyphIndexesForString(text);
        if (glyphs.size() != text.size() || glyphs.contains(0u))
            return false;
        const QList<QPointF> advances =
            m_raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        double x = 0;
        for (const QPointF &advance : advances) {
            positions << QPointF(x, 0);
            x += advance.x();
        }
        run.setRawFont(m_raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        run.setUnderline(m_underline);
        width = x;
        return true;
    }
    double ascent() const { return m_raw.ascent(); }

private:
    QRawFont m_raw;
    bool m_underline;
};

PrintFonts::PrintFonts() = default;
PrintFonts::~PrintFonts() = default;

const GlyphLines &PrintFonts::of(const QFont &font)
{
    std::unique_ptr<GlyphLines> &lines = m_fonts[font.key()];
    if (!lines)
        lines = std::make_unique<GlyphLines>(font);
    return *lines;
}

namespace {

// Elements without a width are not cut; the clip then reaches far beyond the page.
constexpr double kNoLimit = 1e6;

double spacingOf(const PageElement &e, const QFont &font)
{
    return e.lineSpacing > 0 ? e.lineSpacing : lineSpacing(font);
}

// Draws one line with its top at `top`, laid out with the same design metrics as the
// wrap measured it; the painter's transform does the scaling to the device.
void drawLine(QPainter &painter, const GlyphLines &glyphs, const QFont &font, const QString &text, double left,
              double top, double boxWidth, PageElement::Align align)
{
    // Blanks leave no ink; an underlined font would still draw a stray stroke.
    if (text.trimmed().isEmpty())
        return;
    const auto aligned = [&](double width) {
        const double free = boxWidth - width;
        if (boxWidth > 0 && free > 0 && align == PageElement::Align::Center)
            return left + free / 2;
        if (boxWidth > 0 && free > 0 && align == PageElement::Align::Right)
            return left + free;
        return left;
    };
    QGlyphRun run;
    double width = 0;
    if (glyphs.place(text, run, width)) {
        painter.drawGlyphRun(QPointF(aligned(width), top + glyphs.ascent()), run);
        return;
    }
    QTextLayout layout(text, font);
    layout.setCacheEnabled(true); // drawn with the glyphs shaped for the layout, not shaped again
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    double x = left;
    const double free = boxWidth - line.naturalTextWidth();
    if (boxWidth > 0 && free > 0) {
        if (align == PageElement::Align::Center)
            x += free / 2;
        else if (align == PageElement::Align::Right)
            x += free;
    }
    line.setPosition(QPointF(0, 0));
    layout.draw(&painter, QPointF(x, top));
}

QRectF widthClip(const PageElement &e)
{
    const double width = e.width > 0 ? e.width : kNoLimit;
    return QRectF(e.left, e.top - kNoLimit / 2, width, kNoLimit);
}

// A label is one line: line breaks in its text are shown as blanks.
QString oneLine(const QString &text)
{
    QString s = text;
    s.replace(u"\r\n"_s, u" "_s);
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return s;
}

void paintElement(QPainter &painter, PrintFonts &fonts, const PageElement &e)
{
    const QFont font = elementFont(e);
    const GlyphLines &glyphs = fonts.of(font); // once: a font's key is a string built anew
    painter.save();
    painter.setClipRect(widthClip(e), Qt::IntersectClip);
    if (e.type == PageElement::Type::Label) {
        drawLine(painter, glyphs, font, oneLine(e.text), e.left, e.top, e.width, e.align);
    } else {
        const double spacing = spacingOf(e, font);
        const int shown = std::min<int>(memoCapacity(e), int(e.lines.size()));
        for (int i = 0; i < shown; ++i)
            drawLine(painter, glyphs, font, e.lines.at(i), e.left, e.top + i * spacing, e.width, e.align);
    }
    painter.restore();
}

void paintFrames(QPainter &painter, const PageLayout &layout)
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    for (const FrameLine &f : layout.frames) {
        pen.setWidthF(f.width);
        painter.setPen(pen);
        painter.drawLine(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2));
    }
    painter.setBrush(Qt::NoBrush);
    for (const FrameBox &b : layout.boxes) {
        pen.setWidthF(b.penWidth);
        painter.setPen(pen);
        painter.drawRect(QRectF(b.left, b.top, b.width, b.height));
    }
}

} // namespace

double drawnWidth(const QString &text, const QFont &font)
{
    QGlyphRun run;
    double width = 0;
    if (GlyphLines(font).place(text, run, width))
        return width;
    return textWidth(text, font);
}

int memoCapacity(const PageElement &memo)
{
    if (memo.height <= 0)
        return std::numeric_limits<int>::max();
    const QFont font = elementFont(memo);
    const QFontMetricsF fm(font);
    const double glyphs = fm.ascent() + fm.descent();
    const double spacing = spacingOf(memo, font);
    // The last line needs its glyphs inside the memo, not the gap below them. A memo
    // lower than one line still shows its first line rather than nothing.
    const int whole = int(std::floor((memo.height - glyphs) / spacing + 1e-6)) + 1;
    return std::max(1, whole);
}

QStringList memoLines(const PageElement &memo, const QString &text)
{
    const int room = std::max(0, memoCapacity(memo) - int(memo.lines.size()));
    return wrapText(text, memo.width, elementFont(memo), room);
}

void paintPage(QPainter &painter, const PageLayout &layout, const QRectF &page, PrintFonts *fonts)
{
    PrintFonts ownFonts;
    PrintFonts &lineFonts = fonts ? *fonts : ownFonts;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.topLeft());
    painter.scale(page.width() / PageLayout::kPageWidth, page.height() / PageLayout::kPageHeight);
    painter.translate(layout.bandLeft, layout.bandTop);

    paintFrames(painter, layout);
    painter.setPen(Qt::black);
    for (const PageElement &e : layout.elements)
        paintElement(painter, lineFonts, e);
    painter.restore();
}

QImage renderPage(const PageLayout &layout, int dpi)
{
    if (dpi <= 0)
        return {};
    const double scale = dpi / kUnitsPerInch;
    QImage image(qRound(PageLayout::kPageWidth * scale), qRound(PageLayout::kPageHeight * scale),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, layout, QRectF(0, 0, image.width(), image.height()));
    return image;
}

bool writePdf(const QList<const PageLayout *> &pages, const QString &path, QString *error, const QString &title)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (pages.isEmpty())
        return fail(u"Файл «%1» не записано: немає сторінок для друку."_s.arg(path));

    // The document is made in memory first, so a failure leaves the old file whole.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromUtf8("ЗОРВАТ " ZORVAT_VERSION));
        writer.setTitle(title);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(u"Файл «%1» не записано: не вдалося почати документ PDF."_s.arg(path));
        const QRectF paper = writer.pageLayout().fullRectPixels(writer.resolution());
        PrintFonts fonts; // made once for the whole document
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, *pages.at(i), QRectF(QPointF(0, 0), paper.size()), &fonts);
        }
        painter.end();
    }

    const WriteResult written = writeFileAtomically(path, buffer.data());
    return written.ok || fail(written.message);
}
