#include "cards/okd/okd_print.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_model.h"
#include "cards/okd/okd_names.h"
#include "cards/okd/okd_print_layouts.h"
#include "print/card_printout.h"
#include "print/layout_kit.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const LongText kTitle = {1, u"QRMemo3"_s, u"QRLabel26"_s, 9, u"9045. Тема дисертації "_s};
const LongText kAbstract = {2, u"QRMemo3"_s, u"QRLabel94"_s, 18, u"9118. Реферат "_s};

const QString kNoDate = u"  .  .  "_s;

// Labels that print a field as it stands, by page.
const QList<std::pair<QString, QString>> kPage1Copies = {
    {u"QRLabel57"_s, u"cb5013"_s}, {u"QRLabel9"_s, u"ed5436"_s},  {u"QRLabel2"_s, u"cb5256"_s},
    {u"QRLabel69"_s, u"ed7425"_s}, {u"QRLabel73"_s, u"ed6480"_s}, {u"QRLabel80"_s, u"ed7021"_s},
    {u"QRLabel29"_s, u"cb1133"_s},
};
const QList<std::pair<QString, QString>> kPage2Copies = {
    {u"QRLabel64"_s, u"cb7443"_s}, {u"QRLabel67"_s, u"ed5742"_s}, {u"QRLabel10"_s, u"ed5751"_s},
    {u"QRLabel3"_s, u"ed5760"_s},  {u"QRLabel37"_s, u"ed5778"_s}, {u"QRLabel5"_s, u"ed5787"_s},
    {u"QRLabel41"_s, u"ed5481"_s}, {u"QRLabel88"_s, u"ed5472"_s}, {u"QRLabel77"_s, u"cb5715"_s},
    {u"QRLabel55"_s, u"ed5743"_s}, {u"QRLabel93"_s, u"ed5744"_s}, {u"QRLabel56"_s, u"cb7344"_s},
    {u"QRLabel87"_s, u"ed6174"_s}, {u"QRLabel24"_s, u"ed6140"_s}, {u"QRLabel19"_s, u"ed6141"_s},
};

// Where page 1 prints organisation slots 1 to 3; the name follows its caption in one box.
struct OrganisationElements
{
    QString code;
    QString name;
    QString nameCaption;
    QString location;
    QString phone;
    QString email;
    QString subordination;
};

const OrganisationElements kOrganisations[] = {
    {u"QRLabel76"_s, u"QRMemo5"_s, u"2304. Найменування установи, організації   "_s, u"QRLabel35"_s, u"QRLabel30"_s,
     u"QRLabel49"_s, u"QRLabel40"_s},
    {u"QRLabel32"_s, u"QRMemo4"_s, u"3330. Найменування установи, організації   "_s, u"QRLabel77"_s, u"QRLabel55"_s,
     u"QRLabel56"_s, u"QRLabel34"_s},
    {u"QRLabel13"_s, u"QRMemo2"_s, u"2187. Найменування підприємства, установи, організації (або П.І.Б.)   "_s,
     u"QRLabel22"_s, u"QRLabel25"_s, u"QRLabel36"_s, u"QRLabel38"_s},
};

class OkdPrinter
{
public:
    OkdPrinter(const OkdModel &model, PrintJob &job, ReportLayouts &layouts)
        : m_model(model),
          m_out(job, {&layouts.layout(okdPrintLayouts::pageName(1)), &layouts.layout(okdPrintLayouts::pageName(2))})
    {
    }

    void run()
    {
        m_out.job().prepare();
        fillPage1();
        placeTwoLanguages(kTitle, OkdText::ThesisTitle, {u"1. "_s, {}, {}, {}, {}, u"3. "_s, {}});
        fillPage2();
        placeTwoLanguages(kAbstract, OkdText::ThesisAbstract, {u"1. "_s});
        m_out.job().finish(text(OkdText::ThesisTitle, TextLanguage::Ukrainian), m_out.pages());
    }

private:
    QString field(const QString &name) const { return m_model.text(name); }
    QString text(OkdText which, TextLanguage language) const { return m_model.texts().text(int(which), language); }
    void set(int page, const QString &element, const QString &value) { m_out.set(page, element, value); }
    PageElement &element(int page, const QString &name) { return m_out.page(page).at(name); }
    static QStringList valueMemos(const PageLayout &page)
    {
        return layoutKit::valueMemos(page, okdPrintLayouts::lineCounts(page.name()));
    }

    void copyFields(int page, const QList<std::pair<QString, QString>> &copies)
    {
        for (const auto &[element, name] : copies)
            set(page, element, field(name));
    }

    // A date or speciality code, or nothing for an untouched one.
    QString code(const QString &name) const
    {
        const QString value = field(name);
        return value == kNoDate ? QString() : value;
    }

    void fillPage1()
    {
        PageLayout &page = m_out.page(1);
        CardPrintout::reset(page, valueMemos(page), {kTitle.marker});
        set(1, u"QRLabel14"_s, CardPrintout::unlessBlank(field(okdField::stateAccountNumber), u"    U      "_s));
        const QString date = code(okdField::coverLetterDate);
        set(1, u"QRLabel3"_s, field(okdField::coverLetterNumber) + (date.isEmpty() ? QString() : u"; "_s + date));
        copyFields(1, kPage1Copies);

        set(1, u"QRMemo1"_s, u"1. "_s + text(OkdText::ApplicantName, TextLanguage::Ukrainian));
        set(1, u"QRMemo1"_s, u"3. "_s + text(OkdText::ApplicantName, TextLanguage::English));
        set(1, u"QRLabel67"_s, field(okdField::postgraduate) == u"1"_s ? u" Так "_s : QString());
        const QString second = code(okdField::secondSpecialityCode);
        set(1, u"QRLabel71"_s, code(okdField::specialityCode) + (second.isEmpty() ? QString() : u"; "_s + second));
        set(1, u"QRLabel75"_s, CardPrintout::unlessBlank(field(okdField::defenceDate), kNoDate));

        set(1, u"QRLabel39"_s, m_model.councilCipher());
        set(1, u"QRLabel83"_s, m_model.organisation(0).phone);
        for (int slot = 1; slot < OkdModel::kSlots; ++slot) {
            const OkdOrganisation &org = m_model.organisation(slot);
            const OrganisationElements &at = kOrganisations[slot - 1];
            set(1, at.code, org.code);
            set(1, at.name, at.nameCaption + org.name);
            set(1, at.location, org.location);
            set(1, at.phone, org.phone);
            set(1, at.email, org.email);
            set(1, at.subordination, org.subordination);
        }
    }

    // "1. " Ukrainian and "3. " English, the lines beyond the page's on the sheets; where
    // neither language has a text, the lines the clerk would write them on.
    void placeTwoLanguages(const LongText &t, OkdText which, const QStringList &emptyForm)
    {
        const QString uk = text(which, TextLanguage::Ukrainian);
        const QString en = text(which, TextLanguage::English);
        if (uk.isEmpty() && en.isEmpty())
            element(t.page, t.memo).lines << emptyForm;
        else
            m_out.placeLong(t, CardPrintout::twoLanguages(uk, en));
    }

    // "; " and each of degree, title and both speciality codes a person has.
    QString details(const QStringList &fields) const
    {
        QString line;
        for (int i = 1; i < fields.size(); ++i) {
            const QString value = code(fields.at(i));
            if (!value.isEmpty())
                line += u"; "_s + value;
        }
        return line;
    }

    void fillPage2()
    {
        PageLayout &page = m_out.page(2);
        CardPrintout::reset(page, valueMemos(page), {kAbstract.marker});
        copyFields(2, kPage2Copies);
        fillSupervisors();
        fillOpponents();

        set(2, u"QRMemo28"_s, field(okdField::udcIndex));
        set(2, u"QRMemo12"_s, CardPrintout::rubricCodes(m_model, okdRubricFields(), u"  "_s));
        const QString degree = field(okdField::chairmanDegree);
        set(2, u"QRMemo7"_s, (degree.isEmpty() ? QString() : degree + u", "_s) + field(okdField::chairmanTitle));
    }

    // A supervisor prints when the name field shows a name in the language chosen for
    // the page; the line then carries both languages.
    void fillSupervisors()
    {
        for (int n = 1; n <= OkdModel::kSupervisors; ++n) {
            const QStringList fields = okdSupervisorFields(n);
            const QString number = QString::number(n) + u". "_s;
            if (field(fields.first()).isEmpty()) {
                element(2, u"QRMemo2"_s).lines << number + u" "_s << QString();
                continue;
            }
            set(2, u"QRMemo2"_s,
                number + u" 1. "_s + m_model.supervisorName(n, TextLanguage::Ukrainian) + u" 3. "_s
                    + m_model.supervisorName(n, TextLanguage::English) + details(fields));
        }
    }

    void fillOpponents()
    {
        PageElement &box = element(2, u"QRMemo1"_s);
        box.lines.clear();
        for (int n = 1; n <= OkdModel::kOpponents; ++n) {
            const QStringList fields = okdOpponentFields(n);
            const QString name = field(fields.first());
            const QString line = name.isEmpty() ? u" "_s : name + details(fields);
            CardPrintout::append(box, QString::number(n) + u". "_s + line);
            box.lines << QString();
        }
    }

    const OkdModel &m_model;
    CardPrintout m_out;
};

} // namespace

void okdPrint(const OkdModel &model, PrintJob &job, ReportLayouts &layouts)
{
    layouts.createAll();
    OkdPrinter(model, job, layouts).run();
}
