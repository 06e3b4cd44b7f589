#pragma once

#include "print/continuation_sheets.h"
#include "print/report_layouts.h"

#include <QList>
#include <QString>
#include <QStringList>

class CardDocument;
class PageLayout;

// One print of a card, as "Друк" runs it and "Друк листів продовжень" goes on with it:
// a card's printing code calls prepare(), places a block per overflowing text and
// calls finish() with its pages; the messages and the preview go through the platform.
// The job owns its page layouts and continuation sheets, which no other print touches:
// an editor keeps its last job for its continuation sheets.
class PrintJob
{
public:
    explicit PrintJob(CardDocument &document);
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    ReportLayouts &layouts() { return m_layouts; }
    const ContinuationState &state() const { return m_state; }
    ContinuationSheets &sheets() { return m_sheets; }

    void prepare() { m_sheets.prepare(); }
    // `lines`: the overflow after the heading line, wrapped at the sheets' text width.
    void placeBlock(const QString &heading, const QStringList &lines) { m_sheets.placeBlock(heading, lines); }
    // `lines` already wrapped at that width in the sheets' font.
    void placeWrappedBlock(const QString &heading, const QStringList &lines)
    {
        m_sheets.placeWrappedBlock(heading, lines);
    }
    // The captions beside the title on sheet 1 for this print only: finish() puts the
    // usual ones back after the preview.
    void setTitleCaptions(const QString &first, const QString &second) { m_sheets.setTitleCaptions(first, second); }

    // Print job 1: finishes the sheets, enables "Друк листів продовжень" when two or
    // more were filled and shows the card's pages with sheet 1; sheet 1's captions are
    // then the usual ones again. The preview's own buttons print and set up the page.
    void finish(const QString &title, const QList<const PageLayout *> &cardPages);
    // Print job 2: sheets 2 and on, and the command disabled.
    void printContinuation();

    // The title of a document printed from a card: the card's name and, when the card
    // has one, its file's name. PDF viewers show it in their title bar.
    static QString documentTitle(const CardDocument &document, const QString &cardFile);

private:
    // The card's title and the file it was last saved to or opened from.
    QString previewTitle() const;

    CardDocument &m_document;
    ReportLayouts m_layouts;
    ContinuationState m_state;
    ContinuationSheets m_sheets;
};
