#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

struct PageElement;

// The font of a printed text: the family asked for by name and a pixel size in
// layout units. Hinting is off, so widths are the font's design widths on every
// device and a line measured here has the same width on screen, paper and PDF.
QFont layoutFont(const QString &family, int pixelSize, bool bold = false, bool underline = false);
QFont elementFont(const PageElement &element);

// Width of one line of text in layout units, measured as the renderer draws it.
double textWidth(const QString &text, const QFont &font);
// Distance from one printed line to the next in layout units.
double lineSpacing(const QFont &font);

// Breaks a text into lines `width` layout units wide, the way a word-wrapping text
// box does: at blanks, a word longer than the width where the width ends, and at
// every line break of the text. A line break at the very end opens no further line.
// The lines are final: the renderer draws them as they are. With `maxLines` at 0 or
// more, only the first `maxLines` lines are made (the same as the first lines of the
// whole wrap) and the text beyond them is not measured at all.
QStringList wrapText(const QString &text, double width, const QFont &font, int maxLines = -1);
