#pragma once

#include "print/page_layout.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class CardDocument;
class FakePlatform;
class QTemporaryDir;

// Checks of printed pages shared by the cards' print tests.
namespace printChecks {

// Runs the card's "Друк" with the preview expected and messages recorded; false when
// the card type does not print.
bool printCard(CardDocument &doc, FakePlatform &platform);

// The glyph boxes of an element's visible, non-blank lines, in band units.
QList<QRectF> inkBoxes(const PageElement &e);

// What is wrong with a filled page: printed lines that overlap, leave the band or run
// into a frame line, and value memos in `fullMemos` that hide some of their lines.
QStringList layoutProblems(const PageLayout &layout, const QStringList &fullMemos);

// Where a test writes its PDF and images: $ZORVAT_RENDER_DIR when set, to look at
// them, otherwise the temporary directory.
QString renderDir(QTemporaryDir &temp);

// The text of a PDF as pdftotext reads it, lines joined by blanks and squeezed; empty
// with `error` set when it cannot be read.
QString pdfText(const QString &pdf, QString *error);

} // namespace printChecks
