#pragma once

#include "print/continuation_state.h"

#include <QList>
#include <QString>
#include <QStringList>

class PageLayout;
class ReportLayouts;

// Places the overflow of one print on its continuation-sheet layouts and assembles
// the two print jobs. Shows nothing. The sheets
// take every line handed to them: a print fills as many sheets as its texts need.
class ContinuationSheets
{
public:
    ContinuationSheets(ContinuationState &state, ReportLayouts &layouts);

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
    void placeLines(const QStringList &mmtext);
    // One block: the heading line and the overflow lines, wrapped again at the sheets'
    // text width as the continuation text does, and placed from its first line.
    void placeBlock(const QString &heading, const QStringList &lines);
    // The same for overflow lines already wrapped at the sheets' text width in their
    // font (Arial 13): wrapping them again would give the same lines, so only the
    // heading is wrapped. A long text is then measured once, not twice.
    void placeWrappedBlock(const QString &heading, const QStringList &lines);

    // After the last block, when a sheet was filled: the heading of sheet 1, the card's
    // title above the text, a closing empty line.
    void finish(const QString &title);

    // Print job 1: the card's pages, then sheet 1 when a sheet was filled.
    QList<const PageLayout *> job1Pages(const QList<const PageLayout *> &cardPages);
    // Print job 2: sheets 2 to sheetCount.
    QList<const PageLayout *> job2Pages();

    // The heading of sheet 1 for a print that filled `sheetCount` sheets.
    static QString headingFor(int sheetCount);

private:
    void numberSheets();

    ContinuationState &m_state;
    ReportLayouts &m_layouts;
};
