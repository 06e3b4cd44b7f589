#include "print/continuation_sheets.h"

#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"

using namespace Qt::Literals::StringLiterals;

using namespace dopSheets;

ContinuationSheets::ContinuationSheets(ContinuationState &state, ReportLayouts &layouts)
    : m_state(state), m_layouts(layouts)
{
    m_layouts.createAll();
}

PageLayout &ContinuationSheets::sheet(int number)
{
    return m_layouts.sheet(number);
}

void ContinuationSheets::prepare()
{
    m_state = ContinuationState();
    // Every sheet there is, not only those this card fills.
    for (int n = 1; n <= m_layouts.sheetCount(); ++n) {
        PageLayout &s = sheet(n);
        s.at(textMemo()).lines.clear();
        s.at(number()).text = u" "_s;
    }
    sheet(1).at(titleMemo()).lines.clear();
    resetTitleCaptions();
}

void ContinuationSheets::setTitleCaptions(const QString &first, const QString &second)
{
    sheet(1).at(titleCaption()).text = first;
    sheet(1).at(titleCaption2()).text = second;
}

void ContinuationSheets::resetTitleCaptions()
{
    setTitleCaptions(workTitleCaption(), u" "_s);
}

void ContinuationSheets::placeLines(const QStringList &mmtext)
{
    bool first = true;
    int current = 0;                 // the sheet `memo` belongs to
    QStringList *memo = nullptr;
    while (m_state.dopStartLine >= 0 && m_state.dopStartLine < mmtext.size()
           && !mmtext.at(m_state.dopStartLine).isEmpty()) {
        // The block opens with a blank line; its own first line follows in round two.
        const QString text = first ? QString() : mmtext.at(m_state.dopStartLine);
        const int n = sheetForLine(m_state.dopLineCount);
        if (n != current) {
            memo = &sheet(n).at(textMemo()).lines;
            current = n;
        }
        *memo << text;
        m_state.sheetCount = n;
        ++m_state.dopLineCount;
        if (!first)
            ++m_state.dopStartLine;
        first = false;
    }
    numberSheets();
}

void ContinuationSheets::placeBlock(const QString &heading, const QStringList &lines)
{
    const QStringList block = QStringList{heading} + lines;
    m_state.dopStartLine = 0;
    placeLines(wrapText(block.join(QLatin1Char('\n')), kTextWidth, elementFont(sheet(1).at(textMemo()))));
}

void ContinuationSheets::placeWrappedBlock(const QString &heading, const QStringList &lines)
{
    m_state.dopStartLine = 0;
    placeLines(wrapText(heading, kTextWidth, elementFont(sheet(1).at(textMemo()))) + lines);
}

void ContinuationSheets::numberSheets()
{
    // A full sheet 1 is numbered even when nothing has reached sheet 2 yet, and so is
    // each sheet the line count has reached.
    if (m_state.dopLineCount >= firstLine(2))
        sheet(1).at(number()).text = u"1"_s;
    for (int n = 2; firstLine(n) <= m_state.dopLineCount; ++n)
        sheet(n).at(number()).text = QString::number(n);
}

QString ContinuationSheets::headingFor(int sheetCount)
{
    if (sheetCount <= 1)
        return u"Продовження 1"_s;
    return u"Продовження 1   (с.1-"_s + QString::number(sheetCount) + QLatin1Char(')');
}

void ContinuationSheets::finish(const QString &title)
{
    if (m_state.sheetCount < 1)
        return;
    PageLayout &first = sheet(1);
    first.at(heading()).text = headingFor(m_state.sheetCount);
    PageElement &titleBox = first.at(titleMemo());
    titleBox.lines << memoLines(titleBox, title);
    first.at(textMemo()).lines << QString();
}

QList<const PageLayout *> ContinuationSheets::job1Pages(const QList<const PageLayout *> &cardPages)
{
    QList<const PageLayout *> pages = cardPages;
    if (m_state.sheetCount >= 1)
        pages << &sheet(1);
    return pages;
}

QList<const PageLayout *> ContinuationSheets::job2Pages()
{
    QList<const PageLayout *> pages;
    for (int n = 2; n <= m_state.sheetCount; ++n)
        pages << &sheet(n);
    return pages;
}
