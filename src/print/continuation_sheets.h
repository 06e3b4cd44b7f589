#pragma once

#include "print/continuation_state.h"

#include <QList>
#include <QString>
#include <QStringList>

class PageLayout;
class ReportLayouts;

// Places the overflow of one print on the shared continuation-sheet layouts and
// assembles the two print jobs. Works on one editor's state; shows nothing.
class ContinuationSheets
{
public:
    // `sheets` is how many sheets the card may fill: 5, or 10 for the dissertation card.
    ContinuationSheets(ContinuationState &state, int sheets, ReportLayouts &layouts);

    int sheets() const { return m_sheets; }
    ContinuationState &state() { return m_state; }
    PageLayout &sheet(int number);

    // Before a print lays out its texts: counters to 0, every sheet's text, number and
    // the title emptied, the captions beside the title as every card but one has them.
    void prepare();

    // The two lines beside the title on sheet 1 for this print ("Назва роботи" and a
    // blank unless a card says otherwise), and back to those.
    void setTitleCaptions(const QString &first, const QString &second);
    void resetTitleCaptions();

    // Places the block in `mmtext` from line `dopStartLine` on: a blank separator line,
    // then the lines up to the first empty one; then numbers the sheets.
    void ListDop(const QStringList &mmtext);
    // One block: the heading line and the overflow lines, wrapped again at the sheets'
    // text width as the continuation text does, and placed from its first line.
    void placeBlock(const QString &heading, const QStringList &lines);

    // How many more lines the sheets show: the last sheet takes every line beyond, but
    // its page shows only what fits, so a block needs no more lines than this.
    int linesLeft();

    // After the last block, when a sheet was filled: the heading of sheet 1, the card's
    // title above the text, a closing empty line. Keeps sheets 2 and on for job 2.
    void finish(const QString &title);

    // Print job 1: the card's pages, then sheet 1 when a sheet was filled.
    QList<const PageLayout *> job1Pages(const QList<const PageLayout *> &cardPages);
    // Print job 2: sheets 2 to sheetCount, with this editor's lines put back on them.
    QList<const PageLayout *> job2Pages();

    // The heading of sheet 1 for a print that filled `sheetCount` sheets.
    static QString headingFor(int sheetCount);

private:
    void numberSheets();

    ContinuationState &m_state;
    int m_sheets;
    ReportLayouts &m_layouts;
};
