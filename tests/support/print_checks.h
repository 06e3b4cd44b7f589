#pragma once

#include "print/page_layout.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class CardDocument;
class CardKind;
class CardModel;
class FakePlatform;
class PrintJob;
class ReportLayouts;

// Checks of printed pages shared by the cards' print tests.
namespace printChecks {

// Runs the card's "Друк" with the preview expected and messages recorded; false when
// the card type does not print.
bool printCard(CardDocument &doc, FakePlatform &platform);
// The job of the last printCard, kept until the next one: its pages, its sheets, its
// continuation.
PrintJob &lastPrint();
// Its layouts; before any print, layouts of their own that no print has filled.
ReportLayouts &layouts();

// Sets each "name=value" of `typed` into its field as typed, then prints as printCard.
bool typeAndPrint(CardDocument &doc, FakePlatform &platform, const QStringList &typed);

// Everything wrong with a filled page whose value memos show the value lines of
// `valueLines`: memos too low or hiding lines (also those of `moreMemos`), printed lines
// that overlap, leave the band or run into a frame line, and values cut at their width.
QStringList pageProblems(const PageLayout &layout, const QHash<QString, int> &valueLines,
                         const QStringList &moreMemos = {});

// What an element prints: a label's text or a memo's lines.
QStringList printed(const PageElement &e);

// The columns of a table of values printed: the card lines opened before the print,
// the fields then typed ("name=value"), the page and element looked at and what it
// prints.
void addValueColumns();
// One row of such a table, on a fresh card of `kind` whose printed pages
// `printedPages` gives after the print.
// A small card prints just its pages: no sheet and no message but the closing one.
void checkValuePrinted(const CardKind &kind, const std::function<QList<const PageLayout *>()> &printedPages);

// The text lines of continuation sheet `sheet` of the last print.
QStringList sheetLines(int sheet);


// The glyph boxes of an element's visible, non-blank lines, in band units.
QList<QRectF> inkBoxes(const PageElement &e);

// What is wrong with a filled page: printed lines that overlap, leave the band or run
// into a frame line, and value memos in `fullMemos` that hide some of their lines.
QStringList layoutProblems(const PageLayout &layout, const QStringList &fullMemos);

// Value memos of `memos` too low for their blank first line and the value lines that
// `valueLines` gives each.
QStringList shortMemos(const PageLayout &layout, const QStringList &memos,
                       const std::function<int(const QString &)> &valueLines);

// The headings that do not open a block of the sheet lines `placed` after the
// headings before them, each block opened by a blank line.
QStringList blocksOutOfOrder(const QStringList &placed, const QStringList &headings);

// Every field's text by name, and the names of the fields whose text now differs.
QHash<QString, QString> fieldTexts(const CardModel &model);
QStringList changedFields(const CardModel &model, const QHash<QString, QString> &before);

// Value labels whose text is wider than the label, so that the page cuts it.
QStringList cutLabels(const PageLayout &layout);

// A text of `words` words ("word1 word2 ..."), long enough to wrap over many lines.
QString longText(const QString &word, int words);

// Whether a PDF written here can be read back with poppler's pdftotext: not under Wine,
// which starts a Linux program without letting its output be read.
bool canReadPdfText();
#define PDF_TEXT_OR_SKIP()                                                                                             \
    do {                                                                                                               \
        if (!printChecks::canReadPdfText())                                                                            \
            QSKIP("Wine starts Linux programs (poppler's pdftotext, pdfinfo) without letting their output be read");  \
    } while (false)

// Writes `pages` as one PDF "<stem>.pdf" and an image "<stem>-<layout>.png" of each page
// into $ZORVAT_RENDER_DIR when set (to look at them) or a temporary directory, and
// returns the PDF's text as pdftotext reads it, lines joined by blanks and squeezed;
// empty with `error` set when a step fails.
QString renderAndRead(const QList<const PageLayout *> &pages, const QString &stem, QString *error);
// The `values` that the PDF of `pages` does not hold (blanks squeezed), or why it could
// not be read.
QStringList missingFromPdf(const QList<const PageLayout *> &pages, const QString &stem, const QStringList &values);
// Each list of `sequences` is looked for in that PDF's text in its order, each piece
// after the one before it: the pieces not found so, or why the PDF could not be read.
QStringList missingInOrderFromPdf(const QList<const PageLayout *> &pages, const QString &stem,
                                  const QList<QStringList> &sequences);

// The pages of both print jobs of the card just printed: job 1 as previewed, then
// "Друк листів продовжень" run for sheets 2 and on.
QList<const PageLayout *> bothJobs(FakePlatform &platform);

} // namespace printChecks
