#include "cards/ok/ok_read.h"

#include "cardfile/card_item.h"
#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_names.h"
#include "fields/common_texts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

// Codes whose items go into fields as they stand: item 2 into the first field, item 3
// into the second. Lines and multi-line values alike.
const QHash<QString, QStringList> &plainCodes()
{
    static const QHash<QString, QStringList> codes = plainLineCodes(okFieldTable(),
        {
            okField::securityMark, okField::stateNumber, okField::stateAccountNumber, okField::budgetProgrammeCode,
            okField::targetProgrammeName, okField::targetProgrammeCode, okField::executorShortName,
            okField::executorPhone, okField::executorMail, okField::executorSubordination, okField::scienceSector,
            okField::reportKind, okField::reportLanguage, okField::distributionInUkraine, okField::transferAbroad,
            okField::pageCount, okField::electronicMediaCount, okField::fileCount, okField::udcIndex,
            okField::headOfOrganisation, okField::headOfRegistrationOffice, okField::responsibleForDocuments,
            okField::headOfOrganisationDegree, okField::headOfDevelopmentDegree, okField::bibliography
        },
        {
            {u"5418"_s, {okField::coverLetterNumber, okField::coverLetterDate}},
            {u"2360"_s, {okField::ownerShortName}},
            {u"2935"_s, {okField::ownerPhone}},
            {u"2395"_s, {okField::ownerMail}},
            {u"1333"_s, {okField::ownerSubordination}},
            {u"5518"_s, {okField::ownerDocumentNumber, okField::ownerDocumentDate}},
            {u"2655"_s, {okField::executorCity, okField::executorAddress}},
            {u"2153"_s, {okField::ownerName}},
            {u"2657"_s, {okField::ownerCity, okField::ownerAddress}},
        });
    return codes;
}

const QHash<QString, OkText> &bilingualCodes()
{
    static const QHash<QString, OkText> codes = {
        {u"2151"_s, OkText::ExecutorName}, {u"9027"_s, OkText::WorkTitle}, {u"9117"_s, OkText::WorkAbstract}};
    return codes;
}

const QString kLegal = u"1"_s;

// The number of a list line: item 2 as a number, 0 (and noted) when outside 1..capacity.
int listNumber(const QString &line, OkList list, ReadReport &report)
{
    const int n = cardNumber(item(line, 2));
    if (n >= 1 && n <= OkModel::capacity(list))
        return n;
    report.numberOutOfRange(item(line, 2), OkModel::capacity(list));
    return 0;
}

// A record read into slot n of a list: a later line for the same slot replaces it.
void keepRecord(ReadReport &report, const QString &line, int n, int lastItem)
{
    report.keep(ReadReport::recordSlot(lineCode(line), n), line.mid(line.indexOf(QLatin1Char('\\'), 5)));
    report.dropItemsAfter(line, lastItem);
}

void readDirection(OkModel &m, const QString &line)
{
    m.setText(okField::financingDirection, item(line, 2));
    const QString other = item(line, 3);
    m.setText(okField::otherFinancingDirection, other);
    // The other direction and its label appear once a card names one.
    if (!other.isEmpty())
        m.setOtherDirectionVisible(true);
}

void readExecutorCode(OkModel &m, const QString &line)
{
    const QString type = item(line, 2);
    m.setPartyKind(OkParty::Executor, type != kLegal, PartyLabels::Read, false);
    m.setFitted(okField::executorCode, item(line, 3));
    m.selectNumbered(okField::executorKind, type);
}

void readOwner(OkModel &m, ReadReport &report, const QString &line)
{
    const QString second = item(line, 2);
    const QString type = item(line, 3);
    if (type.size() >= 2) {
        // Older form 2459\type\code; the rest of the owner comes on lines of its own.
        // The code takes the mask of the type given, so a tax number keeps its digits.
        m.setPartyKind(OkParty::Owner, second != kLegal, PartyLabels::Read, false);
        m.setFitted(okField::ownerCode, type);
        m.selectNumbered(okField::ownerKind, second);
        return;
    }
    if (type.size() != 1 || type == QLatin1String("0")) {
        if (holdsData(line.mid(5)))
            report.drop(u"вид особи (третє значення) має бути 1 або 2: рядок не прочитано"_s);
        return;
    }
    const int n = listNumber(line, OkList::Owners, report);
    if (n == 0)
        return;
    m.setPartyKind(OkParty::Owner, type != kLegal, PartyLabels::Read, false);
    m.setText(okField::ownerNumber, second);
    m.lists().setCurrentNumber(OkList::Owners, n);
    m.selectNumbered(okField::ownerKind, type);
    const QStringList fields = {okField::ownerCode,        okField::ownerCity,          okField::ownerName,
                                okField::ownerAddress,     okField::ownerPhone,         okField::ownerMail,
                                okField::ownerShortName,   okField::ownerSubordination, okField::ownerDocumentNumber,
                                okField::ownerDocumentDate};
    for (int i = 0; i < fields.size(); ++i)
        m.setFitted(fields.at(i), item(line, i + 4));
    m.storeFields(OkList::Owners, n, type);
    keepRecord(report, line, n, 13);
}

void readStageNumbers(OkModel &m, ReadReport &report, const QString &line)
{
    const QString value = item(line, 2);
    int n = 1;
    for (; n <= OkModel::kStageNumbers; ++n) {
        const QString number = item(value, n, QLatin1Char(';'));
        if (number.isEmpty())
            break;
        m.setStageNumber(n, number);
    }
    m.setFitted(okField::stageAccountNumber, m.stageNumber(1));
    // The numbers are taken up to the first empty one, and no more than the card holds.
    const QString rest = value.section(QLatin1Char(';'), n - 1);
    if (holdsData(rest))
        report.drop(u"номери етапів «%1» не прочитано: картка бере до %2 номерів, до першого порожнього"_s.arg(rest)
                        .arg(OkModel::kStageNumbers));
    report.dropItemsAfter(line, 2);
}

void readCoExecutor(OkModel &m, ReadReport &report, const QString &line)
{
    const int n = listNumber(line, OkList::CoExecutors, report);
    if (n == 0)
        return;
    const QString type = item(line, 3);
    const bool current = type.size() < 2;
    // The older forms carry no type: a code longer than an organisation code is a tax number.
    const bool natural = current ? type == QLatin1String("2") : type.size() > 8;
    const QString typeText = commonTexts::personKinds().at(natural ? 1 : 0);
    m.setPartyKind(OkParty::CoExecutor, natural, PartyLabels::Read, false);
    m.setText(okField::coExecutorKind, current ? typeText : QString());
    const int first = current ? 4 : 3;
    QStringList file{QString::number(n), natural ? u"2"_s : kLegal};
    QStringList display{QString::number(n), typeText};
    for (int i = first; i < first + 4; ++i) {
        file << item(line, i);
        display << item(line, i);
    }
    m.lists().setRecord(OkList::CoExecutors, n, EntryList::join(file), EntryList::join(display));
    m.setText(okField::coExecutorNumber, u"1"_s);
    keepRecord(report, line, n, first + 3);
}

void readWorkHead(OkModel &m, ReadReport &report, const QString &line)
{
    const QString sub = item(line, 2);
    if (sub.size() != 1) {
        m.setBilingual(OkText::WorkHead, TextLanguage::Ukrainian, sub); // older form 6120\name
        report.keep(u"6120:uk"_s, sub);
        report.dropItemsAfter(line, 2);
    } else {
        report.bilingual(line);
        m.texts().readLine(int(OkText::WorkHead), line);
    }
    m.showUkrainian(OkText::WorkHead);
}

void readPerson(OkModel &m, ReadReport &report, const QString &line)
{
    const int n = listNumber(line, OkList::Executors, report);
    if (n == 0)
        return;
    m.setText(okField::listedExecutorNumber, item(line, 2));
    m.lists().setCurrentNumber(OkList::Executors, n);
    const QStringList fields = {okField::listedExecutorName, okField::listedExecutorPosition,
                                okField::listedExecutorDegree};
    for (int i = 0; i < fields.size(); ++i)
        m.setText(fields.at(i), item(line, i + 3));
    m.storeFields(OkList::Executors, n);
    keepRecord(report, line, n, 5);
}

void readFinancing(OkModel &m, ReadReport &report, const QString &code, const QString &line)
{
    const int count = m.countFinancingLine();
    if (count > okFinancingRows().size()) {
        report.drop(u"обидва рядки фінансування вже заповнено: рядок не прочитано"_s);
        return;
    }
    const QStringList &row = okFinancingRows().at(count - 1);
    m.setText(row.at(0), code);
    m.setText(row.at(1), item(line, 2));
    m.setText(row.at(2), item(line, 3));
    report.dropItemsAfter(line, 3);
}

void readStage(OkModel &m, ReadReport &report, const QString &value)
{
    const QStringList fields = {okField::stageNumber, okField::stageStart, okField::stageEnd};
    for (int i = 0; i < fields.size(); ++i) {
        const QString given = item(value, i + 2);
        m.setFitted(fields.at(i), given);
        // A value longer than its field (stage 999 in a field of two digits) is cut: said.
        const QString kept = m.text(fields.at(i));
        if (QString(kept).remove(u' ') != QString(given).remove(u' '))
            report.drop(u"«%1» не вміщається в поле етапу: прочитано «%2»"_s.arg(given.trimmed(), kept.trimmed()));
    }
    const OkStageItems stage = okStageItems(value);
    m.setText(okField::stageKind, stage.kind);
    m.setText(okField::stageName, stage.name);
    // The card holds one stage: a later stage line replaces this one.
    report.keep(u"9036"_s, value.mid(5));
    if (!stage.droppedKind.isEmpty())
        report.drop(u"вид етапу «%1» не буде прочитано: у картці ОК це одна літера, П або З"_s
                        .arg(trimLine(stage.droppedKind)));
    for (const QString &rest : stage.dropped)
        report.drop(u"«%1» після назви етапу не буде прочитано"_s.arg(rest));
}

} // namespace

OkStageItems okStageItems(const QString &value)
{
    OkStageItems stage;
    const QString kind = trimLine(item(value, 5));
    // Names hold no "\": a value with a sixth item is the current form, whose fifth
    // item is the kind, empty when none was chosen (an RK line has its report kind
    // there, which OK does not keep). Without a sixth item it is the older form, whose
    // fifth item is the name, unless it is a kind alone.
    if (value.count(QLatin1Char('\\')) >= 5) {
        if (kind.size() <= 1)
            stage.kind = kind;
        else
            stage.droppedKind = item(value, 5);
        stage.name = item(value, 6);
        for (int n = 7; n <= value.count(QLatin1Char('\\')) + 1; ++n) {
            if (!trimLine(item(value, n)).isEmpty())
                stage.dropped << item(value, n);
        }
    } else if (kind.size() == 1) {
        stage.kind = kind;
    } else {
        stage.name = item(value, 5);
    }
    return stage;
}

OkReader::OkReader(OkModel &model)
    : LineInterpreter({u"2151"_s, u"2655"_s, u"2153"_s, u"2657"_s, u"9036"_s, u"9027"_s, u"9117"_s, u"5635"_s,
                       u"5481"_s},
                      // The city before an address may be empty: its line is still the address's.
                      // A letter's date stays when its number was left empty.
                      {u"2394"_s, u"2395"_s, u"2655"_s, u"2657"_s, u"5418"_s}),
      m_model(model)
{
}

void OkReader::applyLine(const QString &code, const QString &line)
{
    if (const auto it = plainCodes().constFind(code); it != plainCodes().cend()) {
        putItems(m_model, line, *it);
        for (int i = 0; i < it->size(); ++i)
            report().keep(it->at(i), item(line, i + 2));
        report().dropItemsAfter(line, int(it->size()) + 1);
    } else if (code == QLatin1String("7201")) {
        readDirection(m_model, line);
    } else if (code == QLatin1String("2457")) {
        readExecutorCode(m_model, line);
    } else if (code == QLatin1String("2459")) {
        readOwner(m_model, report(), line);
    } else if (code == QLatin1String("5526")) {
        readStageNumbers(m_model, report(), line);
    } else if (code == QLatin1String("2142")) {
        readCoExecutor(m_model, report(), line);
    } else if (code == QLatin1String("6120")) {
        readWorkHead(m_model, report(), line);
    } else if (code == QLatin1String("6121")) {
        readPerson(m_model, report(), line);
    } else if (code == QLatin1String("5616")) {
        readRubricLine(m_model, okRubricFields(), line);
    } else if (commonTexts::financingSources().contains(code)) {
        readFinancing(m_model, report(), code, line);
    } else {
        report().unknownCode();
    }
}

void OkReader::finish()
{
    settleSkippedLines(m_model, plainCodes());
    for (const auto &[list, code] : {std::pair{OkList::Owners, u"2459"_s}, std::pair{OkList::CoExecutors, u"2142"_s},
                                     std::pair{OkList::Executors, u"6121"_s}})
        report().dropRecordsAfter(code, int(m_model.lists().records(list).size()), OkModel::capacity(list));
}

void OkReader::applyMultiLine(const QString &code, const QString &value)
{
    if (const auto it = bilingualCodes().constFind(code); it != bilingualCodes().cend()) {
        report().bilingual(value);
        m_model.texts().readLine(int(*it), value);
    } else if (code == QLatin1String("9036")) {
        readStage(m_model, report(), value);
    } else if (code != QLatin1String("5635")) {
        applyLine(code, value);
    } else {
        report().unknownCode(); // an IK line, read for its continuation lines only
    }
}

void okShowAfterRead(OkModel &model)
{
    for (OkText which : {OkText::ExecutorName, OkText::WorkTitle, OkText::WorkAbstract, OkText::WorkHead})
        model.showUkrainian(which);
    // Co-executor 1 with its kind; a legal entity when it has none.
    const QString record = model.lists().displayRecord(OkList::CoExecutors, 1);
    if (record.isEmpty() || EntryList::item(record, 2).isEmpty()) {
        model.setText(okField::coExecutorKind, commonTexts::personKinds().at(0));
        model.setPartyKind(OkParty::CoExecutor, false, PartyLabels::Show, false);
    }
    model.showEntry(OkList::CoExecutors, 1);
}
