#include "cards/ik/ik_print.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_model.h"
#include "cards/ik/ik_names.h"
#include "cards/ik/ik_print_layouts.h"
#include "fields/record_lists.h"
#include "print/card_printout.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Six codes fit the box at 12 pixels; smaller than this a code is no longer read easily.
constexpr int kSmallestCodesSize = 10;

const LongText kName = {1, u"QRMemo1"_s, u"QRLabel36"_s, 9, u"9027. Назва науково-технічної продукції "_s};
// The texts cut on page 1 after the product name, in the order they reach the sheets.
const QList<std::pair<QString, LongText>> &longTexts()
{
    static const QList<std::pair<QString, LongText>> texts = {
        {u"mm9118"_s, {1, u"QRMemo2"_s, u"QRLabel29"_s, 7, u"9118. Опис науково-технічної продукціїї "_s}},
        {u"mm5635"_s,
         {1, u"QRMemo3"_s, u"QRLabel30"_s, 4,
          u"5635.Технічні переваги. Науково-технічний рівень по відношенню до кращих вітчизняних та зарубіжних "
          u"аналогів (прототипів) "_s}},
        {u"mm5636"_s, {1, u"QRMemo4"_s, u"QRLabel31"_s, 3, u"5636. Економічні переваги "_s}},
        {u"mm1001"_s, {1, u"QRMemo5"_s, u"QRLabel32"_s, 3, u"1001. Вплив на зовнішнє середовище. Екологічність"_s}},
    };
    return texts;
}

// A value element and what it prints: a field, or a code with its text after `glue`.
struct Value
{
    QString element;
    QString field;
    QString glue = {};
    QString second = {};
};

const QList<Value> kRegistration = {
    {u"QRLabel9"_s, u"ed5436"_s},
    {u"QRLabel14"_s, u"ed5437"_s},
    {u"QRLabel67"_s, u"cb9153"_s, u"   "_s, u"cb9153a"_s},
    {u"QRMemo6"_s, u"mm9155"_s},
};
const QList<Value> kCompletion = {
    {u"QRLabel23"_s, u"cb7326"_s, u"  "_s, u"ed7326"_s},
    {u"QRLabel19"_s, u"cb7344"_s},
    {u"QRLabel21"_s, u"ed5638a"_s},
    {u"QRLabel24"_s, u"ed5638b"_s},
    {u"QRLabel39"_s, u"ed5638c"_s},
    {u"QRLabel35"_s, u"ed5638d"_s},
    {u"QRLabel33"_s, u"cb1005"_s, u"  "_s, u"ed1005"_s},
    {u"QRLabel34"_s, u"cb1004"_s, u"  "_s, u"ed1004"_s},
};
const QList<Value> kInvestor = {
    {u"QRLabel18"_s, u"ed10061"_s}, {u"QRLabel32"_s, u"ed10062"_s}, {u"QRLabel34"_s, u"ed10063"_s},
    {u"QRLabel45"_s, u"ed10064"_s}, {u"QRLabel46"_s, u"ed10065"_s}, {u"QRLabel47"_s, u"ed10066"_s},
    {u"QRLabel48"_s, u"ed10067"_s},
};
const QList<Value> kHead = {
    {u"QRLabel65"_s, u"ed6111"_s},
    {u"QRLabel66"_s, u"cb6210"_s},
    {u"QRLabel25"_s, u"ed6141"_s},
    {u"QRLabel24"_s, u"ed6140"_s},
};

// Value labels a print sets to a blank before it fills the page.
const QStringList kPage1Blanks = {u"QRLabel9"_s,  u"QRLabel10"_s, u"QRLabel14"_s, u"QRLabel19"_s,
                                  u"QRLabel21"_s, u"QRLabel23"_s, u"QRLabel24"_s, u"QRLabel29"_s,
                                  u"QRLabel30"_s, u"QRLabel31"_s, u"QRLabel32"_s, u"QRLabel33"_s,
                                  u"QRLabel34"_s, u"QRLabel35"_s, u"QRLabel36"_s, u"QRLabel39"_s};
const QStringList kPage2Blanks = {u"QRLabel61"_s, u"QRLabel58"_s, u"QRLabel30"_s};

// Items of an owner's record.
enum OwnerItem {
    Code = 3, FullName = 5, Address = 6, Phone = 7, Email = 8, ShortName = 9, Subordination = 10, Document = 11,
    DocumentDate = 12, Names = 13
};

// Owner 1's elements on page 2 besides the full name, and the items they print.
const QList<std::pair<QString, int>> kFirstOwner = {
    {u"QRLabel59"_s, Code},      {u"QRLabel22"_s, ShortName},     {u"QRLabel77"_s, Address},
    {u"QRLabel55"_s, Phone},     {u"QRLabel56"_s, Email},         {u"QRLabel54"_s, Subordination},
    {u"QRLabel74"_s, Names},
};

// One line of an owner on the continuation sheets: its caption and an item of the
// record; two of the lines add a second item after `glue`.
struct OwnerLine
{
    QString head;
    int item;
    QString glue = {};
    int second = 0;
};

const QList<OwnerLine> &ownerLines()
{
    static const QList<OwnerLine> lines = {
        {u"2459. Код за ЄДРПОУ (ідентифікаційний номер) "_s, Code},
        {u"2153. Найменування юридичної особи  "_s, FullName},
        {u"2360. Скорочене найменування  "_s, ShortName},
        {u"2657. Місцезнаходження  "_s, Address},
        {u"2935. Телефон / Факс   "_s, Phone, u",   2395. E-mail / WWW   "_s, Email},
        {u"1333. Відомча підпорядкованість   "_s, Subordination},
        {u"6120. П.І.Б. власника(ків) наукової продукції  "_s, Names},
        {u"5518. № юридичного документа   "_s, Document, u",  дата видачі   "_s, DocumentDate},
    };
    return lines;
}

class IkPrinter
{
public:
    IkPrinter(IkModel &model, PrintJob &job, ReportLayouts &layouts)
        : m_model(model),
          m_out(job, {&layouts.layout(ikPrintLayouts::pageName(1)), &layouts.layout(ikPrintLayouts::pageName(2))})
    {
    }

    void run()
    {
        m_out.job().prepare();
        PageLayout &page1 = m_out.page(1);
        CardPrintout::reset(page1, ikPrintLayouts::valueMemos(page1), kPage1Blanks);
        fillRegistration();
        m_out.job().setTitleCaptions(u"Назва"_s, u"продукції"_s);
        fillName();
        CardPrintout::setOneLine(m_out.page(1).at(u"QRMemo12"_s), rubrics(), ikPrintLayouts::kRubricCodesSize,
                                 kSmallestCodesSize);
        fill(1, kCompletion);
        for (const auto &[name, text] : longTexts())
            m_out.placeLong(text, field(name));

        fillInvestor();
        fillOwners();
        m_out.job().finish(m_model.title(TextLanguage::Ukrainian), m_out.pages());
    }

private:
    QString field(const QString &name) const { return m_model.text(name); }
    void set(int page, const QString &element, const QString &value) { m_out.set(page, element, value); }
    QString owner(int n) const { return m_model.lists().displayRecord(IkList::Owners, n); }
    static QString item(const QString &record, int k) { return EntryList::item(record, k); }

    QString valueOf(const Value &v) const
    {
        return v.second.isEmpty() ? field(v.field) : field(v.field) + v.glue + field(v.second);
    }

    void fill(int page, const QList<Value> &values)
    {
        for (const Value &v : values)
            set(page, v.element, valueOf(v));
    }

    void fillRegistration()
    {
        const QString date = field(ikField::registrationDate);
        set(1, u"QRLabel3"_s, date == u"  .  .  "_s ? QString() : date);
        fill(1, kRegistration);
        set(1, u"QRLabel10"_s, CardPrintout::unlessBlank(field(ikField::inventoryNumber), u"    U      "_s));
    }

    void fillName()
    {
        const QString uk = m_model.title(TextLanguage::Ukrainian);
        const QString en = m_model.title(TextLanguage::English);
        if (uk.isEmpty() && en.isEmpty())
            m_out.page(1).at(kName.memo).lines << u"1. "_s << QString() << QString() << u"3."_s << QString();
        else
            m_out.placeLong(kName, CardPrintout::twoLanguages(uk, en));
    }

    QString rubrics() const
    {
        return CardPrintout::rubricCodes(m_model, ikRubricFields(), u"  "_s);
    }

    void fillInvestor()
    {
        PageLayout &page2 = m_out.page(2);
        CardPrintout::reset(page2, ikPrintLayouts::valueMemos(page2), kPage2Blanks);
        page2.at(u"QRLabel69"_s).text.clear();
        page2.at(u"QRLabel5"_s).text.clear();
        const bool restricted = field(ikField::restrictedUseMark).remove(u' ') == u"1"_s;
        set(2, u"QRLabel72"_s, restricted ? CardPrintout::blank() : ikPublicationSentence());
        fill(2, kInvestor);
        const QString status = field(ikField::organisationStatus);
        const QString size = field(ikField::organisationSize);
        if (!status.isEmpty() && !size.isEmpty())
            set(2, u"QRLabel61"_s, status + u";  "_s + size);
    }

    void fillOwners()
    {
        m_model.storeOwner();
        const QString first = owner(1);
        set(2, u"QRMemo4"_s, u"2153. Найменування юридичної особи  "_s + item(first, FullName));
        for (const auto &[element, k] : kFirstOwner)
            set(2, element, item(first, k));
        // A document number typed as blanks alone is no number.
        if (!item(first, Document).trimmed().isEmpty())
            set(2, u"QRLabel58"_s, item(first, Document) + u", "_s + item(first, DocumentDate));
        fill(2, kHead);
        if (owner(2).isEmpty())
            return;

        set(2, u"QRLabel5"_s, u"(див.продовження)"_s);
        QStringList others;
        for (int n = 2; n <= IkModel::kOwnerSlots; ++n)
            others << owner(n);
        QStringList lines;
        for (const QString &o : upToEmpty(others)) {
            // An owner whose code an older card left empty is not printed.
            if (item(o, Code).trimmed().isEmpty())
                continue;
            for (const OwnerLine &line : ownerLines())
                lines << line.head + item(o, line.item) + (line.second > 0 ? line.glue + item(o, line.second) : QString());
            lines << QString(69, u'-');
        }
        m_out.job().placeBlock(u"   ВІДОМОСТІ ПРО ВЛАСНИКА ПРОДУКЦІЇ"_s, lines);
    }

    IkModel &m_model;
    CardPrintout m_out;
};

} // namespace

QString ikPublicationSentence()
{
    return u"Підтверджуємо, що надані відомості не мають обмежень для публікації у відкритому друку."_s;
}

void ikPrint(IkModel &model, PrintJob &job, ReportLayouts &layouts)
{
    layouts.createAll();
    IkPrinter(model, job, layouts).run();
}
