#include "cards/rk/rk_read.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_names.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

// Codes whose items go into fields as they stand: item 2 into the first field, item 3
// into the second.
const QHash<QString, QStringList> &plainCodes()
{
    static const QHash<QString, QStringList> codes = plainLineCodes(rkFieldTable(),
        {
            rkField::securityMark, rkField::stateNumber, rkField::changedNumber, rkField::workBasis,
            rkField::leadExecutorNumber, rkField::executorStatus, rkField::workCode, rkField::budgetProgramCode,
            rkField::stateProgramName, rkField::stateProgramCode, rkField::priorityDirection, rkField::workKind,
            rkField::executorShortName, rkField::executorPhone, rkField::executorMail, rkField::executorSubordination,
            rkField::scienceSector, rkField::workStart, rkField::workEnd, rkField::udcIndex,
            rkField::headOfOrganisation, rkField::headOfOrganisationDegree, rkField::documentsPreparer,
            rkField::workHeadDegree, rkField::registrationDepartmentHead
        },
        {
            {u"5418"_s, {rkField::coverLetterNumber, rkField::coverLetterDate}},
            {u"2754"_s, {rkField::executorCity}}, // older form of the executor's city
            {u"2655"_s, {rkField::executorCity, rkField::executorAddress}},
        });
    return codes;
}

const QHash<QString, QString> &plainMultiLineCodes()
{
    static const QHash<QString, QString> codes = {
        {u"9126"_s, rkField::workPurpose}, {u"9155"_s, rkField::applicationArea}, {u"9156"_s, rkField::expertOpinion}};
    return codes;
}

const QString kLegal = u"1"_s;

// Fields set from one line's items 2, 3, ...; each noted as kept, and what stands after
// them as not read.
void putNoted(RkModel &m, ReadReport &report, const QString &line, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        m.setFitted(fields.at(i), item(line, i + 2));
        report.keep(fields.at(i), item(line, i + 2));
    }
    report.dropItemsAfter(line, int(fields.size()) + 1);
}

} // namespace

RkReader::RkReader(RkModel &model)
    : LineInterpreter({u"2151"_s, u"2152"_s, u"9027"_s, u"9126"_s, u"9155"_s, u"9156"_s, u"9036"_s},
                      // An empty e-mail or address line empties its field; a letter's date
                      // stays when its number was left empty.
                      {u"2394"_s, u"2655"_s, u"5418"_s}),
      m_model(model)
{
    m_model.resetCounters();
}

void RkReader::applyLine(const QString &code, const QString &line)
{
    if (const auto it = plainCodes().constFind(code); it != plainCodes().cend()) {
        putNoted(m_model, report(), line, *it);
    } else if (code == QLatin1String("7201")) {
        readOther(line, rkField::financingDirection, rkField::otherFinancingDirection,
                  &RkModel::setOtherDirectionVisible);
    } else if (code == QLatin1String("9153")) {
        readOther(line, rkField::expectedResult, rkField::otherExpectedResult, &RkModel::setOtherResultVisible);
    } else if (code == QLatin1String("2457")) {
        readExecutorCode(line);
    } else if (code == QLatin1String("2458")) {
        readCustomer(line);
    } else if (code == QLatin1String("2656")) {
        // Older form of the customer's city and address.
        m_model.setText(rkField::customerCity, item(line, 2));
        m_model.setText(rkField::customerAddress, item(line, 3));
        report().dropItemsAfter(line, 3);
        storeCurrentCustomer();
    } else if (code == QLatin1String("2142")) {
        readCoExecutor(line);
    } else if (code == QLatin1String("6120")) {
        readWorkHead(line);
    } else if (code == QLatin1String("5616")) {
        readRubric(line);
    } else if (code == QLatin1String("FING")) {
        readYears(line);
    } else if (rkFinancingSources().contains(code)) {
        readFinancing(code, line);
    } else {
        report().unknownCode();
    }
}

void RkReader::applyMultiLine(const QString &code, const QString &value)
{
    if (const auto it = plainMultiLineCodes().constFind(code); it != plainMultiLineCodes().cend()) {
        m_model.setText(*it, item(value, 2));
        report().keep(*it, item(value, 2));
        report().dropItemsAfter(value, 2);
    } else if (code == QLatin1String("2151")) {
        readBilingual(RkText::ExecutorName, value);
    } else if (code == QLatin1String("9027")) {
        readBilingual(RkText::WorkTitle, value);
    } else if (code == QLatin1String("2152")) {
        // Older form of the customer's name.
        m_model.setText(rkField::customerName, item(value, 2));
        report().dropItemsAfter(value, 2);
        storeCurrentCustomer();
    } else if (code == QLatin1String("9036")) {
        readStage(value);
    } else {
        report().unknownCode();
    }
}

void RkReader::finish()
{
    settleSkippedLines(m_model, plainCodes());
    const std::pair<RkList, QString> lists[] = {
        {RkList::Customers, u"2458"_s}, {RkList::CoExecutors, u"2142"_s}, {RkList::Stages, u"9036"_s}};
    for (const auto &[list, code] : lists)
        report().dropRecordsAfter(code, int(m_model.lists().records(int(list)).size()), RkModel::capacity(list));
}

void RkReader::readOther(const QString &line, const QString &codeField, const QString &otherField,
                         void (RkModel::*show)(bool))
{
    m_model.setText(codeField, item(line, 2));
    const QString other = item(line, 3);
    m_model.setText(otherField, other);
    report().keep(codeField, item(line, 2));
    report().keep(otherField, other);
    report().dropItemsAfter(line, 3);
    // The other field and its label appear once a card names something there.
    if (!other.isEmpty())
        (m_model.*show)(true);
}

void RkReader::readExecutorCode(const QString &line)
{
    const QString kind = item(line, 2);
    m_model.setPartyKind(RkParty::Executor, kind != kLegal, RkLabelSet::Read);
    m_model.selectNumbered(rkField::executorKind, kind);
    m_model.setFitted(rkField::executorCode, item(line, 3));
    report().keep(rkField::executorCode, item(line, 3));
    report().dropItemsAfter(line, 3);
}

// A record numbered outside its list's bound is not taken: the card holds no more
// records than the editor lets the clerk enter and the check accepts.
bool RkReader::beyondBound(RkList list, int n)
{
    return n < 1 || n > RkModel::capacity(list);
}

void RkReader::readCustomer(const QString &line)
{
    const QString number = item(line, 2);
    const QString kind = item(line, 3);
    if (kind.size() == 1 && kind != QLatin1String("0")) {
        const int n = cardNumber(number);
        if (beyondBound(RkList::Customers, n)) {
            report().numberOutOfRange(number, RkModel::capacity(RkList::Customers));
            return;
        }
        m_model.setPartyKind(RkParty::Customer, kind != kLegal, RkLabelSet::Read);
        m_model.setText(rkField::customerNumber, number);
        m_model.setCurrentNumber(RkList::Customers, n);
        m_model.selectNumbered(rkField::customerKind, kind);
        const QStringList fields = {rkField::customerCode,    rkField::customerCity,  rkField::customerName,
                                    rkField::customerAddress, rkField::customerPhone, rkField::customerMail};
        for (int i = 0; i < fields.size(); ++i)
            m_model.setFitted(fields.at(i), item(line, i + 4));
        m_model.storeFields(RkList::Customers, n, kind);
        report().keep(ReadReport::recordSlot(u"2458"_s, n), line.mid(line.indexOf(QLatin1Char('\\'), 5)));
        report().dropItemsAfter(line, 9);
    } else if (kind.size() >= 2) {
        // Older form 2458\kind\code: one customer. The code field takes the mask of the
        // kind given, so that a tax number keeps all its digits.
        m_model.setPartyKind(RkParty::Customer, number != kLegal, RkLabelSet::Read);
        m_model.setFitted(rkField::customerCode, kind);
        m_model.setText(rkField::customerNumber, u"1"_s);
        m_model.setCurrentNumber(RkList::Customers, 1);
        m_model.selectNumbered(rkField::customerKind, number);
        report().dropItemsAfter(line, 3);
    } else if (holdsData(line.mid(5))) {
        report().drop(u"вид особи (третє значення) має бути 1 або 2: рядок не прочитано"_s);
    }
}

void RkReader::storeCurrentCustomer()
{
    m_model.storeFields(RkList::Customers, m_model.currentNumber(RkList::Customers));
}

void RkReader::readCoExecutor(const QString &line)
{
    const QString number = item(line, 2);
    const QString kind = item(line, 3);
    const int n = cardNumber(number);
    if (beyondBound(RkList::CoExecutors, n)) {
        report().numberOutOfRange(number, RkModel::capacity(RkList::CoExecutors));
        return;
    }
    QStringList values;
    if (kind.size() <= 1) {
        m_model.setPartyKind(RkParty::CoExecutor, kind != kLegal, RkLabelSet::Read);
        if (!kind.isEmpty())
            m_model.selectNumbered(rkField::coExecutorKind, kind);
        for (int i = 4; i <= 7; ++i)
            values << item(line, i);
        report().dropItemsAfter(line, 7);
    } else {
        // Older form 2142\n\code\city\name\address, without the kind. A code longer
        // than an organisation code is a tax number and gets its mask.
        if (kind.size() > 8)
            m_model.setPartyKind(RkParty::CoExecutor, true, RkLabelSet::Read);
        m_model.setText(rkField::coExecutorKind, QString());
        for (int i = 3; i <= 6; ++i)
            values << item(line, i);
        report().dropItemsAfter(line, 6);
    }
    m_model.setText(rkField::coExecutorNumber, number);
    m_model.setCurrentNumber(RkList::CoExecutors, n);
    const QStringList fields = {rkField::coExecutorCode, rkField::coExecutorCity, rkField::coExecutorName,
                                rkField::coExecutorAddress};
    for (int i = 0; i < fields.size(); ++i)
        m_model.setFitted(fields.at(i), values.at(i));
    m_model.storeFields(RkList::CoExecutors, n);
    report().keep(ReadReport::recordSlot(u"2142"_s, n), line.mid(line.indexOf(QLatin1Char('\\'), 5)));
}

void RkReader::readStage(const QString &value)
{
    const QString number = trimLine(item(value, 2));
    if (number.isEmpty()) {
        m_model.setText(rkField::stageNumber, number);
        if (holdsData(value.mid(5)))
            report().drop(u"етап без номера не прочитано"_s);
        return;
    }
    const int n = cardNumber(number);
    if (beyondBound(RkList::Stages, n)) {
        report().numberOutOfRange(number, RkModel::capacity(RkList::Stages));
        return;
    }
    m_model.setText(rkField::stageNumber, number);
    m_model.setCurrentNumber(RkList::Stages, n);
    const QStringList fields = {rkField::stageStart, rkField::stageEnd, rkField::reportKind, rkField::stageTitle};
    for (int i = 0; i < fields.size(); ++i)
        m_model.setFitted(fields.at(i), item(value, i + 3));
    report().dropItemsAfter(value, 6);
    if (!m_model.text(rkField::stageTitle).isEmpty()) {
        m_model.storeFields(RkList::Stages, n);
        report().keep(ReadReport::recordSlot(u"9036"_s, n), value.mid(value.indexOf(QLatin1Char('\\'), 5)));
    } else if (holdsData(item(value, 3) + item(value, 4) + item(value, 5))) {
        report().drop(u"етап без назви не буде записано"_s);
    }
}

void RkReader::readBilingual(RkText which, const QString &value)
{
    report().bilingual(value);
    m_model.readBilingual(which, value);
    m_model.showUkrainian(which);
}

void RkReader::readWorkHead(const QString &line)
{
    const QString sub = item(line, 2);
    if (sub.size() != 1) {
        // Older form 6120\name.
        m_model.setBilingual(RkText::WorkHead, RkLanguage::Ukrainian, sub);
        m_model.showUkrainian(RkText::WorkHead);
        report().keep(u"6120:uk"_s, sub);
        report().dropItemsAfter(line, 2);
        return;
    }
    readBilingual(RkText::WorkHead, line);
}

void RkReader::readRubric(const QString &line)
{
    const int count = m_model.countLine(RkCounter::Rubric);
    if (count <= rkRubricFields().size()) {
        m_model.setFitted(rkRubricFields().at(count - 1), item(line, 2));
        report().dropItemsAfter(line, 2);
    } else {
        report().drop(rubricsFull());
    }
}

void RkReader::readYears(const QString &line)
{
    const QStringList &years = rkYearFields();
    for (int i = 0; i < years.size(); ++i) {
        const QString year = item(line, i + 2);
        if (!year.isEmpty()) {
            m_model.setText(years.at(i), year);
            report().keep(years.at(i), year);
        }
    }
    report().dropItemsAfter(line, int(years.size()) + 1);
}

void RkReader::readFinancing(const QString &code, const QString &line)
{
    const int count = m_model.countLine(RkCounter::Financing);
    if (count > rkFinancingRows().size()) {
        report().drop(u"обидва рядки фінансування вже заповнено: рядок не прочитано"_s);
        return;
    }
    const QStringList &row = rkFinancingRows().at(count - 1);
    m_model.setText(row.at(0), code);
    for (int i = 1; i < row.size(); ++i)
        m_model.setText(row.at(i), item(line, i + 1));
    report().dropItemsAfter(line, int(row.size()));
}

void rkShowAfterRead(RkModel &model)
{
    for (RkText which : {RkText::ExecutorName, RkText::WorkTitle, RkText::WorkHead})
        model.showUkrainian(which);
}
