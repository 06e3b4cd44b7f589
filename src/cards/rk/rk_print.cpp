#include "cards/rk/rk_print.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_names.h"
#include "cards/rk/rk_print_layouts.h"
#include "print/card_printout.h"
#include "print/print_job.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const LongText kStages = {1, u"QRMemo4"_s, u"QRLabel79"_s, 5,
                          u"9036. Порядковий №; початок та закінчення етапу; вид звітного документа з НДР (ДКР); "
                          u"назва етапу"_s};
const LongText kCoExecutors = {1, u"QRMemo2"_s, u"QRLabel78"_s, 4, u"2142. Співвиконавці   "_s};
const LongText kTitle = {2, u"QRMemo1"_s, u"QRLabel31"_s, 9, u"9027. Назва роботи "_s};
const LongText kPurpose = {2, u"QRMemo3"_s, u"QRLabel37"_s, 4, u"9126. Мета роботи "_s};
const LongText kApplication = {2, u"QRMemo16"_s, u"QRLabel36"_s, 4, u"9155. Галузь застосування"_s};
const LongText kOpinion = {2, u"QRMemo11"_s, u"QRLabel35"_s, 2, u"9156. Експертний висновок "_s};

// Value elements that print a field as it is.
struct Copy
{
    int page;
    QString element;
    QString field;
};

const QList<Copy> &plainCopies()
{
    static const QList<Copy> copies = {
        {1, u"QRLabel2"_s, u"ed5256"_s},   {1, u"QRLabel37"_s, u"ed7209"_s},  {1, u"QRLabel28"_s, u"ed7146"_s},
        {1, u"QRLabel27"_s, u"ed7021"_s},  {1, u"QRLabel5"_s, u"ed7210"_s},   {1, u"QRLabel76"_s, u"ed2457"_s},
        {1, u"QRLabel39"_s, u"ed2358"_s},  {1, u"QRLabel35"_s, u"mm2655"_s},  {1, u"QRLabel30"_s, u"ed2934"_s},
        {1, u"QRLabel49"_s, u"ed2394"_s},  {1, u"QRLabel40"_s, u"ed1332"_s},  {1, u"QRLabel29"_s, u"cb1133"_s},
        {1, u"QRLabel18"_s, u"ed7700"_s},  {1, u"QRMemo3"_s, u"ed7023"_s},    {1, u"QRLabel54"_s, u"ed7022"_s},
        {1, u"QRLabel58"_s, u"edgod1"_s},  {1, u"QRLabel59"_s, u"edgod2"_s},  {1, u"QRLabel60"_s, u"edgod3"_s},
        {1, u"QRLabel61"_s, u"edgod4"_s},  {1, u"QRLabel62"_s, u"edgod5"_s},  {1, u"QRLabel22"_s, u"edgod6"_s},
        {1, u"QRLabel31"_s, u"fin"_s},     {1, u"QRLabel66"_s, u"sumg1"_s},   {1, u"QRLabel67"_s, u"sumg2"_s},
        {1, u"QRLabel68"_s, u"sumg3"_s},   {1, u"QRLabel69"_s, u"sumg4"_s},   {1, u"QRLabel70"_s, u"sumg5"_s},
        {1, u"QRLabel23"_s, u"sumg6"_s},   {1, u"QRLabel63"_s, u"fin1"_s},    {1, u"QRLabel71"_s, u"sumg1a"_s},
        {1, u"QRLabel72"_s, u"sumg2a"_s},  {1, u"QRLabel73"_s, u"sumg3a"_s},  {1, u"QRLabel74"_s, u"sumg4a"_s},
        {1, u"QRLabel75"_s, u"sumg5a"_s},  {1, u"QRLabel82"_s, u"sumg6a"_s},
        {2, u"QRMemo2"_s, u"cb7199"_s},    {2, u"QRMemo5"_s, u"ed7191"_s},    {2, u"QRMemo9"_s, u"cb9153"_s},
        {2, u"QRMemo10"_s, u"cb9153a"_s},  {2, u"QRMemo28"_s, u"ed5634"_s},   {2, u"QRMemo13"_s, u"ed6111"_s},
        {2, u"QRMemo8"_s, u"ed6210"_s},    {2, u"QRMemo7"_s, u"ed6228"_s},    {2, u"QRLabel25"_s, u"ed6141"_s},
        {2, u"QRLabel24"_s, u"ed6140"_s},
    };
    return copies;
}

// Value labels a print sets to a blank before it fills the page.
const QStringList kPage1Blanks = {u"QRLabel47"_s, u"QRLabel9"_s,  u"QRLabel14"_s, u"QRLabel64"_s,
                                  u"QRLabel65"_s, u"QRLabel20"_s, u"QRLabel41"_s, u"QRLabel78"_s,
                                  u"QRLabel79"_s, u"QRLabel23"_s, u"QRLabel82"_s, u"QRLabel27"_s};
const QStringList kPage2Blanks = {u"QRLabel24"_s, u"QRLabel25"_s, u"QRLabel30"_s, u"QRLabel35"_s,
                                  u"QRLabel36"_s, u"QRLabel37"_s, u"QRLabel31"_s};

class RkPrinter
{
public:
    RkPrinter(RkModel &model, PrintJob &job, ReportLayouts &layouts)
        : m_model(model),
          m_out(job, {&layouts.layout(rkPrintLayouts::page1()), &layouts.layout(rkPrintLayouts::page2())}),
          m_page1(m_out.page(1)),
          m_page2(m_out.page(2))
    {
    }

    void run()
    {
        m_out.job().prepare();
        CardPrintout::reset(m_page1, rkPrintLayouts::valueMemos(m_page1), kPage1Blanks);
        fillPage1();
        fillStages();
        fillCustomers();
        fillCoExecutors();
        CardPrintout::reset(m_page2, rkPrintLayouts::valueMemos(m_page2), kPage2Blanks);
        fillPage2();
        m_out.job().finish(m_model.bilingual(RkText::WorkTitle, RkLanguage::Ukrainian), m_out.pages());
    }

private:
    QString field(const QString &name) const { return m_model.text(name); }
    void set(int page, const QString &element, const QString &value) { m_out.set(page, element, value); }
    void placeLong(const LongText &t, const QString &text) { m_out.placeLong(t, text); }

    // A field shown unless it holds `blankForm`, the text of the untouched field.
    QString unlessBlank(const QString &name, const QString &blankForm) const
    {
        return CardPrintout::unlessBlank(field(name), blankForm);
    }

    QString total(const QString &sumField, const QString &unitField) const
    {
        return CardPrintout::amount(field(sumField), field(unitField));
    }

    void fillPage1()
    {
        set(1, u"QRLabel9"_s, unlessBlank(rkField::stateNumber, u"    U       "_s));
        set(1, u"QRLabel14"_s,
            m_model.isEmptyValue(rkField::changedNumber) ? CardPrintout::blank() : field(rkField::changedNumber));
        const QString date = field(rkField::coverLetterDate);
        set(1, u"QRLabel3"_s, field(rkField::coverLetterNumber) + (date == u"  .  .  "_s ? QString() : u"; "_s + date));

        const QString uk = m_model.bilingual(RkText::ExecutorName, RkLanguage::Ukrainian);
        const QString en = m_model.bilingual(RkText::ExecutorName, RkLanguage::English);
        PageElement &executor = m_page1.at(u"QRMemo18"_s);
        if (uk.isEmpty() && en.isEmpty()) {
            executor.lines << u"1 - українською мовою"_s << QString() << QString() << u"3 - англійською мовою"_s;
        } else {
            CardPrintout::append(executor, u"1. "_s + uk);
            CardPrintout::append(executor, u"3. "_s + en);
        }

        if (!field(rkField::financingDirection).isEmpty())
            set(1, u"QRMemo5"_s,
                field(rkField::financingDirection) + u"  "_s + field(rkField::otherFinancingDirection));
        set(1, u"QRLabel64"_s, total(rkField::totalAmount, rkField::currency));
        set(1, u"QRLabel65"_s, total(rkField::secondTotalAmount, rkField::secondCurrency));
        set(1, u"QRLabel20"_s, unlessBlank(rkField::workStart, u"  .  "_s));
        set(1, u"QRLabel41"_s, unlessBlank(rkField::workEnd, u"  .  "_s));
        copyFields(1);
    }

    void copyFields(int pageNumber)
    {
        for (const Copy &c : plainCopies()) {
            if (c.page == pageNumber)
                set(c.page, c.element, field(c.field));
        }
    }

    void fillStages()
    {
        m_model.storeStage();
        QStringList stages;
        for (int n = 1; n <= RkModel::capacity(RkList::Stages); ++n) {
            const QString record = m_model.record(RkList::Stages, n);
            if (record.isEmpty() || EntryList::item(record, 5).isEmpty())
                break;
            stages << QString::number(n) + u". "_s + EntryList::item(record, 2) + u", "_s + EntryList::item(record, 3)
                          + u", "_s + EntryList::item(record, 4) + u", "_s + EntryList::item(record, 5);
        }
        if (stages.isEmpty()) {
            m_page1.at(kStages.memo).lines << u"1."_s << QString() << u"2."_s << QString() << u"3."_s;
            return;
        }
        placeLong(kStages, stages.join(u'\n'));
    }

    // Stores the entry shown when it has a name; an entry without one is left alone,
    // so printing never empties or moves a list entry the fields show.
    void storeShown(RkList list, const QString &name)
    {
        const int n = m_model.shownNumber(list);
        if (n > 0 && !name.isEmpty())
            m_model.storeFields(list, n);
    }

    void fillCustomers()
    {
        storeShown(RkList::Customers, field(rkField::customerName));
        const QString first = m_model.record(RkList::Customers, 1);
        set(1, u"QRLabel32"_s, EntryList::item(first, 3));
        set(1, u"QRMemo1"_s, u"2152. Повне найменування юридичної особи (або П.І.Б.)  "_s + EntryList::item(first, 5));
        set(1, u"QRLabel77"_s, EntryList::item(first, 6));
        set(1, u"QRLabel55"_s, EntryList::item(first, 7));
        set(1, u"QRLabel56"_s, EntryList::item(first, 8));
        if (m_model.record(RkList::Customers, 2).isEmpty())
            return;

        set(1, u"QRLabel47"_s, u"(див.продовження)"_s);
        QStringList lines;
        for (int n = 2; n <= RkModel::capacity(RkList::Customers); ++n) {
            const QString record = m_model.record(RkList::Customers, n);
            if (record.isEmpty())
                break;
            const QString code = EntryList::item(record, 3);
            if (code.isEmpty())
                continue;
            lines << u"2458. Код за ЄДРПОУ (ідентифікаційний номер)  "_s + code
                  << u"2152. Повне найменування юридичної особи (або П.І.Б.) "_s + EntryList::item(record, 5)
                  << u"2656. Місцезнаходження   "_s + EntryList::item(record, 6)
                  << u"2935. Телефон / Факс   "_s + EntryList::item(record, 7) + u",   2395. E-mail / WWW   "_s
                         + EntryList::item(record, 8)
                  << QString(69, u'-');
        }
        m_out.job().placeBlock(u"   ВІДОМОСТІ ПРО ЗАМОВНИКА "_s, lines);
    }

    void fillCoExecutors()
    {
        storeShown(RkList::CoExecutors, trimLine(field(rkField::coExecutorName)));
        QStringList coExecutors;
        for (int n = 1; n <= RkModel::capacity(RkList::CoExecutors); ++n) {
            const QString record = m_model.record(RkList::CoExecutors, n);
            if (record.isEmpty())
                break;
            coExecutors << QString::number(n) + u". "_s + EntryList::item(record, 3) + u"; "_s
                               + EntryList::item(record, 4) + u"; "_s + EntryList::item(record, 5) + u"; "_s
                               + EntryList::item(record, 6);
        }
        if (coExecutors.isEmpty()) {
            m_page1.at(kCoExecutors.memo).lines << u"2142. Співвиконавці"_s;
            return;
        }
        coExecutors.first().prepend(u"2142. Співвиконавці     "_s);
        placeLong(kCoExecutors, coExecutors.join(u'\n'));
    }

    // The six rubric codes, three to a line; an untouched code counts as empty.
    QString rubrics(qsizetype from) const
    {
        return CardPrintout::rubricCodes(m_model, rkRubricFields().mid(from, 3), u"    "_s);
    }

    void fillPage2()
    {
        const QString uk = m_model.bilingual(RkText::WorkTitle, RkLanguage::Ukrainian);
        const QString en = m_model.bilingual(RkText::WorkTitle, RkLanguage::English);
        if (uk.isEmpty() && en.isEmpty())
            m_page2.at(kTitle.memo).lines << u"1. "_s << QString() << QString() << u"3. "_s << QString();
        else
            placeLong(kTitle, CardPrintout::twoLanguages(uk, en));

        copyFields(2);
        set(2, u"QRMemo12"_s, rubrics(0));
        set(2, u"QRMemo14"_s, rubrics(3));
        PageElement &head = m_page2.at(u"QRMemo6"_s);
        CardPrintout::append(head, u"1. "_s + m_model.bilingual(RkText::WorkHead, RkLanguage::Ukrainian));
        CardPrintout::append(head, u"3. "_s + m_model.bilingual(RkText::WorkHead, RkLanguage::English));

        placeLong(kPurpose, field(rkField::workPurpose));
        placeLong(kApplication, field(rkField::applicationArea));
        placeLong(kOpinion, field(rkField::expertOpinion));
    }

    RkModel &m_model;
    CardPrintout m_out;
    PageLayout &m_page1;
    PageLayout &m_page2;
};

} // namespace

void rkPrint(RkModel &model, PrintJob &job, ReportLayouts &layouts)
{
    layouts.createAll();
    RkPrinter(model, job, layouts).run();
}
