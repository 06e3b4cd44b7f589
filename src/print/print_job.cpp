#include "print/print_job.h"

#include "fields/card_document.h"
#include "fields/platform.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString secondSheetMessage(const CardDocument &document)
{
    if (document.kind().type() == CardType::OKD)
        return u"Друк 2-го листа продовження - іншою функцією!"_s;
    return u"Друк продовження з 2-го листа - іншою функцією!"_s;
}

} // namespace

PrintJob::PrintJob(CardDocument &document) : m_document(document), m_sheets(m_state, m_layouts)
{
}

QString PrintJob::documentTitle(const CardDocument &document, const QString &cardFile)
{
    const QString name = document.kind().windowCaption();
    return cardFile.isEmpty() ? name : name + u" — "_s + bareFileName(cardFile);
}

QString PrintJob::previewTitle() const
{
    const QString file = m_document.saveName().isEmpty() ? m_document.openedName() : m_document.saveName();
    return documentTitle(m_document, file);
}

void PrintJob::finish(const QString &title, const QList<const PageLayout *> &cardPages)
{
    Platform &platform = Platform::instance();
    const int sheetCount = m_sheets.state().sheetCount;
    if (sheetCount == 1) {
        platform.message(u"Формується лист доповнення!"_s);
    } else if (sheetCount >= 2) {
        m_document.setContinuationEnabled(true);
        platform.message(secondSheetMessage(m_document));
    }
    m_sheets.finish(title);
    platform.showPreview(m_sheets.job1Pages(cardPages), previewTitle());
    m_sheets.resetTitleCaptions();
}

void PrintJob::printContinuation()
{
    Platform &platform = Platform::instance();
    const QList<const PageLayout *> pages = m_sheets.job2Pages();
    // No sheet beyond the first: there is nothing to preview.
    if (!pages.isEmpty())
        platform.showPreview(pages, previewTitle());
    m_document.setContinuationEnabled(false);
}
