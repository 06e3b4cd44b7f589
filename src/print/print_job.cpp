#include "print/print_job.h"

#include "fields/card_document.h"
#include "fields/platform.h"
#include "print/report_layouts.h"

namespace {

QString secondSheetMessage(const CardDocument &document)
{
    if (document.kind().type() == CardType::OKD)
        return QStringLiteral("Друк 2-го листа продовження - іншою функцією!");
    return QStringLiteral("Друк продовження з 2-го листа - іншою функцією!");
}

} // namespace

PrintJob::PrintJob(CardDocument &document) : PrintJob(document, ReportLayouts::instance())
{
}

PrintJob::PrintJob(CardDocument &document, ReportLayouts &layouts)
    : m_document(document), m_sheets(document.continuationState(), layouts)
{
}

QString PrintJob::closingMessage()
{
    // LF then CR, as the message has always broken its line.
    return QStringLiteral("В лінійці меню функції Save і Setup не підключені. Для збереження інформації\n\r"
                          "користуйтесь функцією \"Записати як...\"  в меню функції \"Файл\".");
}

QString PrintJob::documentTitle(const CardDocument &document, const QString &cardFile)
{
    const QString name = document.kind().windowCaption();
    return cardFile.isEmpty() ? name : name + QStringLiteral(" — ") + bareFileName(cardFile);
}

void PrintJob::finish(const QString &title, const QList<const PageLayout *> &cardPages)
{
    Platform &platform = Platform::instance();
    const int sheetCount = m_sheets.state().sheetCount;
    if (sheetCount == 1) {
        platform.message(QStringLiteral("Формується лист доповнення!"));
    } else if (sheetCount >= 2) {
        m_document.setContinuationEnabled(true);
        platform.message(secondSheetMessage(m_document));
    }
    m_sheets.finish(title);
    platform.showPreview(m_sheets.job1Pages(cardPages));
    if (m_closingMessage)
        platform.message(closingMessage());
    m_sheets.resetTitleCaptions();
}

void PrintJob::printContinuation()
{
    Platform &platform = Platform::instance();
    const QList<const PageLayout *> pages = m_sheets.job2Pages();
    // No sheet beyond the first: there is nothing to preview.
    if (!pages.isEmpty())
        platform.showPreview(pages);
    if (m_closingMessage)
        platform.message(closingMessage());
    m_document.setContinuationEnabled(false);
}
