#include "cards/ok/ok_print.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_model.h"
#include "cards/ok/ok_names.h"
#include "cards/ok/ok_print_layouts.h"
#include "print/card_printout.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const LongText kTitle = {2, u"mm9027"_s, u"markTitle"_s, 8, u"9027. Назва роботи "_s};
const LongText kStage = {1, u"mm9036"_s, u"markStage"_s, 3,
                         u"9036. Порядковий №; початок етапу; закінчення етапу; вид етапу; назва етапу "_s};
const LongText kAbstract = {2, u"mm9117"_s, u"markAbstract"_s, 16, u"9117. Реферат "_s};
const LongText kCoExecutors = {1, u"mm2142"_s, u"markCoExecutors"_s, 4, u"2142. Співвиконавці   "_s};
const LongText kBibliography = {2, u"mm5481"_s, u"markBibliography"_s, 2, u"5481 Бібліографічний опис "_s};

// Value elements named after the field they print as it is.
const QStringList kPage1Copies = {u"cb5256"_s, u"ed2457"_s, u"ed2358"_s, u"mm2655"_s, u"ed2934"_s, u"ed2394"_s,
                                  u"ed1332"_s, u"cb1133"_s, u"ed7700"_s, u"ed7022"_s, u"fin"_s,    u"fin1"_s};
const QStringList kPage2Copies = {u"cb5040"_s, u"cb5715"_s, u"ed5742"_s, u"ed5743"_s, u"ed5744"_s,
                                  u"cb5535"_s, u"cb5211"_s, u"ed5634"_s, u"ed6111"_s, u"ed6210vc"_s,
                                  u"ed6228vc"_s, u"ed6141"_s, u"ed6140"_s};

// Labels of page 1 a print sets to a blank before it fills the page; page 2's cut marks
// and executor-list rows are emptied.
const QStringList kPage1Blanks = {u"ed7700"_s,    u"ed5518"_s,          u"ed5436"_s,     u"ed5437"_s, u"sum"_s,
                                  u"sum1"_s,      u"markStage"_s,       u"markOwners"_s, u"markCoExecutors"_s};
const QStringList kPage2Marks = {u"markTitle"_s, u"markAbstract"_s, u"markBibliography"_s, u"markExecutors"_s};

// Items of a co-executor's record.
enum CoExecutorItem { CoExecutorCode = 3, CoExecutorName = 5, CoExecutorAddress = 6 };

// Items of an owner's record.
enum OwnerItem {
    Code = 3, FullName = 5, Address = 6, Phone = 7, Email = 8, ShortName = 9, Subordination = 10, Document = 11,
    DocumentDate = 12
};

class OkPrinter
{
public:
    OkPrinter(OkModel &model, PrintJob &job, ReportLayouts &layouts)
        : m_model(model),
          m_out(job, {&layouts.layout(okPrintLayouts::pageName(1)), &layouts.layout(okPrintLayouts::pageName(2))})
    {
    }

    void run()
    {
        reset();
        fillRegistration();
        fillExecutor();
        fillFinancing();
        fillTitle();
        fillStage();
        fillAbstract();
        fillOwners();
        fillCoExecutors();
        fillReport();
        m_out.placeLong(kBibliography, field(okField::bibliography));
        fillExecutorList();
        m_out.job().finish(m_model.bilingual(OkText::WorkTitle, TextLanguage::Ukrainian), m_out.pages());
    }

private:
    QString field(const QString &name) const { return m_model.text(name); }
    void set(int page, const QString &element, const QString &value) { m_out.set(page, element, value); }
    PageElement &element(int page, const QString &name) { return m_out.page(page).at(name); }
    QString record(OkList list, int n) const { return m_model.lists().record(list, n); }
    static QString item(const QString &record, int k) { return EntryList::item(record, k); }
    QString bilingual(OkText which, TextLanguage language) const { return m_model.bilingual(which, language); }

    void reset()
    {
        m_out.job().prepare();
        PageLayout &page1 = m_out.page(1);
        PageLayout &page2 = m_out.page(2);
        CardPrintout::reset(page1, okPrintLayouts::valueMemos(page1), kPage1Blanks);
        CardPrintout::reset(page2, okPrintLayouts::valueMemos(page2), {});
        for (const QString &label : kPage2Marks)
            page2.at(label).text.clear();
        for (int row = 1; row <= 2; ++row) {
            for (const QString &label : okPrintLayouts::executorRow(row))
                page2.at(label).text.clear();
        }
    }

    void copyFields(int page, const QStringList &names)
    {
        for (const QString &name : names)
            set(page, name, field(name));
    }

    void fillRegistration()
    {
        set(1, u"ed5437"_s, CardPrintout::unlessBlank(field(okField::stateAccountNumber), u"    U       "_s));
        set(1, u"ed5436"_s, field(okField::stateNumber));
        const QString date = field(okField::coverLetterDate);
        set(1, u"ed5418"_s, field(okField::coverLetterNumber) + (date == u"  .  .  "_s ? QString() : u"; "_s + date));

        const QStringList numbers = m_model.stageNumbers();
        PageElement &stages = element(1, u"ed5526"_s);
        if (numbers.isEmpty())
            stages.lines << u"   "_s << QString() << u"    "_s << QString() << u"   "_s;
        else
            CardPrintout::append(stages, numbers.join(u"; "_s) + u"; "_s);
        copyFields(1, kPage1Copies);
    }

    // Both names, or where neither is known the two lines the clerk writes them on.
    void fillExecutor()
    {
        const QString uk = bilingual(OkText::ExecutorName, TextLanguage::Ukrainian);
        const QString en = bilingual(OkText::ExecutorName, TextLanguage::English);
        PageElement &names = element(1, u"mm2151"_s);
        if (uk.isEmpty() && en.isEmpty()) {
            names.lines << u"1 - українською мовою "_s << QString() << QString() << QString()
                        << u"3 - англійською мовою"_s;
            return;
        }
        CardPrintout::append(names, u"1. "_s + uk);
        CardPrintout::append(names, u"3. "_s + en);
    }

    void fillFinancing()
    {
        if (!field(okField::financingDirection).isEmpty())
            set(1, u"cb7201"_s, field(okField::financingDirection) + u"  "_s + field(okField::otherFinancingDirection));
        if (!field(okField::targetProgrammeName).isEmpty())
            set(1, u"ed7023"_s, field(okField::targetProgrammeName));
        set(1, u"sum"_s, CardPrintout::amount(field(okField::firstAmount), field(okField::firstCurrency)));
        set(1, u"sum1"_s, CardPrintout::amount(field(okField::secondAmount), field(okField::secondCurrency)));
    }

    // A two-language text as two paragraphs, "1. " Ukrainian and "3. " English.
    QString bothLanguages(OkText which) const
    {
        return CardPrintout::twoLanguages(bilingual(which, TextLanguage::Ukrainian),
                                          bilingual(which, TextLanguage::English));
    }

    bool hasText(OkText which) const
    {
        return !bilingual(which, TextLanguage::Ukrainian).isEmpty() || !bilingual(which, TextLanguage::English).isEmpty();
    }

    void fillTitle()
    {
        if (hasText(OkText::WorkTitle))
            m_out.placeLong(kTitle, bothLanguages(OkText::WorkTitle));
        else
            element(2, kTitle.memo).lines << u"1. "_s << QString() << QString() << u"3. "_s << QString();
    }

    // A stage prints when it has a number or a name: a name typed without its number
    // still reaches the paper. A one-digit number drops the blank its mask leaves.
    void fillStage()
    {
        const QString number = field(okField::stageNumber).trimmed();
        if (number.isEmpty() && field(okField::stageName).isEmpty())
            return;
        m_out.placeLong(kStage, number + u". "_s + field(okField::stageStart) + u", "_s + field(okField::stageEnd)
                                    + u", "_s + field(okField::stageKind) + u", "_s + field(okField::stageName));
    }

    void fillAbstract()
    {
        if (hasText(OkText::WorkAbstract))
            m_out.placeLong(kAbstract, bothLanguages(OkText::WorkAbstract));
        else
            element(2, kAbstract.memo).lines << u"1. "_s;
    }

    // Stores the entry shown when it has a name; an entry without one is left alone, so
    // printing never empties or moves a list entry the fields show.
    void storeShown(OkList list, const QString &nameField)
    {
        const int n = m_model.shownNumber(list);
        if (n > 0 && !field(nameField).isEmpty())
            m_model.storeFields(list, n);
    }

    void fillOwners()
    {
        storeShown(OkList::Owners, okField::ownerName);
        const QString first = record(OkList::Owners, 1);
        set(1, u"ed2459"_s, item(first, Code));
        set(1, u"mm2153"_s, u"2153. Повне найменування юридичної особи (або П.І.Б.)  "_s + item(first, FullName));
        set(1, u"ed2360"_s, item(first, ShortName));
        set(1, u"mm2657"_s, item(first, Address));
        set(1, u"ed2935"_s, item(first, Phone));
        set(1, u"ed2395"_s, item(first, Email));
        set(1, u"ed1333"_s, item(first, Subordination));
        if (!item(first, Document).isEmpty())
            set(1, u"ed5518"_s, item(first, Document) + u", "_s + item(first, DocumentDate));
        if (record(OkList::Owners, 2).isEmpty())
            return;

        set(1, u"markOwners"_s, u"(див.продовження)"_s);
        QStringList lines;
        for (int n = 2; n <= OkModel::capacity(OkList::Owners); ++n) {
            const QString owner = record(OkList::Owners, n);
            if (owner.isEmpty())
                break;
            if (item(owner, Code).trimmed().isEmpty())
                continue;
            lines << u"2459. Код за ЄДРПОУ (ідентифікаційний номер)  "_s + item(owner, Code)
                  << u"2153. Найменування юридичної особи (або П.І.Б.)  "_s + item(owner, FullName)
                  << u"2360. Скорочене найменування юридичної особи   "_s + item(owner, ShortName)
                  << u"2657. Місцезнаходження  "_s + item(owner, Address)
                  << u"2935. Телефон / Факс   "_s + item(owner, Phone) + u",   2395. E-mail / WWW   "_s
                         + item(owner, Email)
                  << u"1333. Відомча підпорядкованість  "_s + item(owner, Subordination)
                  << u"5518. № юридичного документа   "_s + item(owner, Document) + u",  дата видачі   "_s
                         + item(owner, DocumentDate)
                  << QString(69, u'-');
        }
        m_out.job().placeBlock(u"   ВІДОМОСТІ ПРО ВЛАСНИКА РЕЗУЛЬТАТІВ НДР (ДКР)"_s, lines);
    }

    void fillCoExecutors()
    {
        storeShown(OkList::CoExecutors, okField::coExecutorName);
        QStringList paragraphs;
        for (int n = 1; n <= OkModel::capacity(OkList::CoExecutors); ++n) {
            const QString coExecutor = record(OkList::CoExecutors, n);
            if (item(coExecutor, CoExecutorName).isEmpty())
                break;
            paragraphs << QString::number(n) + u". "_s + item(coExecutor, CoExecutorCode) + u"; "_s
                              + item(coExecutor, CoExecutorName) + u"; "_s + item(coExecutor, CoExecutorAddress);
        }
        if (paragraphs.isEmpty()) {
            element(1, kCoExecutors.memo).lines << u"2142. Співвиконавці"_s;
            return;
        }
        paragraphs.first().prepend(u"2142. Співвиконавці     "_s);
        m_out.placeLong(kCoExecutors, paragraphs.join(u'\n'));
    }

    // The six subject codes; an untouched code gives an empty piece.
    QString rubrics() const
    {
        return CardPrintout::rubricCodes(m_model, okRubricFields(), u"  "_s);
    }

    void fillReport()
    {
        copyFields(2, kPage2Copies);
        set(2, u"ed5616"_s, rubrics());
        PageElement &head = element(2, u"ed6120"_s);
        CardPrintout::append(head, u"1. "_s + bilingual(OkText::WorkHead, TextLanguage::Ukrainian));
        CardPrintout::append(head, u"3. "_s + bilingual(OkText::WorkHead, TextLanguage::English));
    }

    // Persons 1 and 2 in the table of page 2, the others on the continuation sheets. The
    // person shown is stored first, as a save stores it: a print from the executor-list
    // page, before the page is left, still has the person just typed.
    void fillExecutorList()
    {
        storeShown(OkList::Executors, okField::listedExecutorName);
        for (int row = 1; row <= 2; ++row) {
            const QString person = record(OkList::Executors, row);
            const QStringList names = okPrintLayouts::executorRow(row);
            for (int i = 0; i < names.size(); ++i)
                set(2, names.at(i), item(person, 2 + i));
        }
        if (record(OkList::Executors, 3).isEmpty())
            return;
        set(2, u"markExecutors"_s, CardPrintout::continued());
        QStringList lines;
        for (int n = 3; n <= OkModel::capacity(OkList::Executors); ++n) {
            const QString person = record(OkList::Executors, n);
            if (person.isEmpty())
                break;
            lines << QString::number(n) + u". "_s + item(person, 2) + u"; "_s + item(person, 3) + u"; "_s
                         + item(person, 4);
        }
        m_out.job().placeBlock(u"6121. Список виконавців  (П.І.Б.; код посади; науковий ступінь, вчене звання)"_s,
                               lines);
    }

    OkModel &m_model;
    CardPrintout m_out;
};

} // namespace

void okPrint(OkModel &model, PrintJob &job, ReportLayouts &layouts)
{
    layouts.createAll();
    OkPrinter(model, job, layouts).run();
}
