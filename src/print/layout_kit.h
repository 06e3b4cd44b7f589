#pragma once

#include "print/page_layout.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Building blocks of the cards' printed pages: static texts, value elements and
// frame lines, in layout units. A card's layout file lists its elements with these
// and hands them to build().
namespace layoutKit {

// A static text on one line.
PageElement text(double left, double top, const QString &s, int size = 13, bool bold = false);
PageElement bold(double left, double top, const QString &s, int size = 13);
// A static text set on several lines.
PageElement lines(double left, double top, double width, const QStringList &s, int size = 13);
// A value printed on one line, cut at its width; it starts as a blank.
PageElement label(const QString &name, double left, double top, double width, int size = 13);
// A block of value lines starting with one blank line; height 0 for a memo the form
// gives no height.
PageElement memo(const QString &name, double left, double top, double width, double height, int size = 13,
                 bool underline = false);

FrameLine hLine(double x1, double x2, double y, double width = 1);
FrameLine vLine(double x, double y1, double y2, double width = 1);

// A value memo begins with a blank line. Where the form gives it no height, or a
// height that would cut its last value lines, the memo is placed one line higher:
// its values then print from the top the form gives it and it ends where it did, so
// nothing runs into the row below.
void fitValueLines(PageElement &memo, int valueLines);

// Puts `elements` on `layout`: static texts are named "Text1", "Text2", ... in list
// order; each value memo named in `valueLines` is fitted to show that many value lines.
void build(PageLayout &layout, QList<PageElement> elements, const QHash<QString, int> &valueLines);

// Where a form puts its last rows below the band's bottom: each row (the elements of
// one top) stays where the form puts it while it fits; a row that does not is moved up
// just enough, and so is a row above it that it would then run into, as far as their
// texts share columns. Rows keep their order from top to bottom. Labels take their
// whole width, static texts the width of their text.
void fitToBand(PageLayout &layout);

// The memos of `layout` named in `valueLines`, in layout order: the value memos a print
// empties and starts with one blank line.
QStringList valueMemos(const PageLayout &layout, const QHash<QString, int> &valueLines);

} // namespace layoutKit
