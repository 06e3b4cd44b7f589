#include "print/card_printout.h"

#include "print/dop_sheets.h"
#include "print/page_layout.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/paragraph_widths.h"
#include "print/text_wrap.h"

#include "fields/card_model.h"
#include "fields/record_lists.h"

#include <QFontMetricsF>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

CardPrintout::CardPrintout(PrintJob &job, const QList<PageLayout *> &pages) : m_job(job), m_pages(pages)
{
}

QList<const PageLayout *> CardPrintout::pages() const
{
    QList<const PageLayout *> pages;
    for (const PageLayout *p : m_pages)
        pages << p;
    return pages;
}

void CardPrintout::set(int pageNumber, const QString &element, const QString &value)
{
    PageElement &e = page(pageNumber).at(element);
    if (e.type == PageElement::Type::Label)
        e.text = value;
    else
        append(e, value);
}

void CardPrintout::append(PageElement &memo, const QString &value)
{
    memo.lines << memoLines(memo, value);
}

void CardPrintout::setOneLine(PageElement &memo, const QString &value, int size, int smallest)
{
    QString shown = value;
    while (shown.endsWith(QLatin1Char(' '))) // blanks at the end leave no ink
        shown.chop(1);
    memo.pixelSize = size;
    memo.lineSpacing = 0;
    while (memo.pixelSize > smallest && textWidth(shown, elementFont(memo)) > memo.width + kWidthTolerance)
        --memo.pixelSize;
    if (memo.pixelSize != size) {
        const QFontMetricsF full(layoutFont(memo.family, size, memo.bold, memo.underline));
        const QFontMetricsF smaller(elementFont(memo));
        memo.lineSpacing = full.lineSpacing() + full.ascent() - smaller.ascent();
    }
    append(memo, value);
}

void CardPrintout::reset(PageLayout &layout, const QStringList &memos, const QStringList &blanks)
{
    for (const QString &memo : memos)
        layout.at(memo).lines = {blank()};
    for (const QString &label : blanks)
        layout.at(label).text = blank();
}

QStringList CardPrintout::cutLines(const QString &text, int maxLines)
{
    return upToEmpty(wrapText(text, dopSheets::kTextWidth, layoutFont(u"Arial"_s, 13), maxLines));
}

void CardPrintout::placeLong(const LongText &t, const QString &text)
{
    // Every line the card does not hold goes to the sheets, as many as it fills. The
    // lines are wrapped at the sheets' width in their font already.
    const QStringList lines = cutLines(text);
    page(t.page).at(t.memo).lines << lines.mid(0, t.cardLines);
    if (lines.size() <= t.cardLines)
        return;
    page(t.page).at(t.marker).text = continued();
    m_job.placeWrappedBlock(t.heading, lines.mid(t.cardLines));
}

QString CardPrintout::twoLanguages(const QString &ukrainian, const QString &english)
{
    const auto withoutEmptyLines = [](const QString &text) {
        QStringList kept;
        for (const QString &line : text.split(QRegularExpression(u"\\r\\n|\\r|\\n"_s))) {
            if (!line.trimmed().isEmpty())
                kept << line;
        }
        return kept.join(QLatin1Char('\n'));
    };
    return u"1. "_s + withoutEmptyLines(ukrainian) + u"\n3. "_s + withoutEmptyLines(english);
}

QString CardPrintout::unlessBlank(const QString &value, const QString &blankForm)
{
    return value == blankForm ? blank() : value;
}

QString CardPrintout::rubricCodes(const CardModel &model, const QStringList &fields, const QString &separator)
{
    QStringList pieces;
    for (const QString &name : fields) {
        const QString code = model.text(name);
        pieces << (code == u"  .  .  .  "_s ? QString() : code);
    }
    return pieces.join(separator);
}

QString CardPrintout::amount(const QString &sum, const QString &unit)
{
    if (sum.isEmpty())
        return blank();
    return unit == u"тис.грн."_s ? sum : sum + QLatin1Char(' ') + unit;
}
