#pragma once

#include "print/page_layout.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <map>
#include <memory>

class GlyphLines;
class QFont;
class QPainter;

// The fonts a print draws its lines with, each made once: a document keeps one for all
// its pages. None may outlive the application (a font's glyphs belong to its font
// database), so a print drops it when done.
class PrintFonts
{
public:
    PrintFonts();
    ~PrintFonts();
    const GlyphLines &of(const QFont &font);

private:
    std::map<QString, std::unique_ptr<GlyphLines>> m_fonts;
};

// Paints one page layout into `page`, the device's whole sheet of paper in device
// pixels (a printer's paper rectangle, a PDF page, an image). The painter is scaled
// from layout units to the device; lines are drawn as the layout holds them and are
// never wrapped again, so every device shows the same lines. `fonts` carries the fonts
// from page to page of one document (none: the page makes its own).
void paintPage(QPainter &painter, const PageLayout &layout, const QRectF &page, PrintFonts *fonts = nullptr);

// The width of a line as paintPage draws it, in layout units: the same as the wrap
// measured (textWidth), or the lines would not fit the boxes they were cut for.
double drawnWidth(const QString &text, const QFont &font);

// How many lines of a memo its height shows.
int memoCapacity(const PageElement &memo);

// `text` broken at the memo's width in its font, as many lines as the memo still shows
// below the lines it holds: the rest would never be drawn, so it is not laid out.
QStringList memoLines(const PageElement &memo, const QString &text);

// The page as an image of `dpi` dots per inch on white; a null image for dpi <= 0.
QImage renderPage(const PageLayout &layout, int dpi);

// Writes the pages, in order, as one A4 PDF with selectable text, titled `title` (a
// viewer shows it in its title bar) and made by ЗОРВАТ of this version. The file is
// replaced only when the whole document was made; on failure `error` says why.
bool writePdf(const QList<const PageLayout *> &pages, const QString &path, QString *error = nullptr,
              const QString &title = {});
