#include "cards/ik/ik_read.h"

#include "cardfile/card_item.h"
#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_names.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

// Codes whose items go into fields as they stand: item 2 into the first field, item 3
// into the second, and so on.
const QHash<QString, QStringList> &plainCodes()
{
    static const QHash<QString, QStringList> codes = plainLineCodes(ikFieldTable(),
        {
            ikField::stateNumber, ikField::stateAccountingNumber, ikField::inventoryNumber, ikField::registrationDate,
            ikField::implementationStatus, ikField::headOfOrganisation, ikField::stateRegistrationHead,
            ikField::documentsPreparedBy, ikField::headScientificDegree, ikField::applicationArea,
            ikField::productDescription, ikField::technicalAdvantages, ikField::economicAdvantages,
            ikField::environmentalImpact
        },
        {
            {u"9153"_s, {ikField::productKind, ikField::otherProductKind}},
            {u"7326"_s, {ikField::completionStage, ikField::otherCompletionStage}},
            {u"5638"_s, ikField::practicalUse},
            {u"1005"_s, {ikField::intellectualProperty, ikField::otherIntellectualProperty}},
            {u"1004"_s, {ikField::transferTerms, ikField::otherTransferTerms}},
            {u"1006"_s, ikField::investorTerms},
            {u"1009"_s, {ikField::organisationStatus, ikField::organisationSize}},
        });
    return codes;
}

// The owner's older lines: each fills its fields and the owner shown is stored again.
const QHash<QString, QStringList> &olderOwnerCodes()
{
    static const QHash<QString, QStringList> codes = {
        {u"2153"_s, {ikField::ownerFullName}},
        {u"2657"_s, {ikField::ownerCity, ikField::ownerAddress}},
    };
    return codes;
}

const QString kLegal = u"1"_s;

} // namespace

IkReader::IkReader(IkModel &model)
    : LineInterpreter({u"5635"_s, u"5636"_s, u"1001"_s, u"5637"_s, u"9156"_s, u"9027"_s, u"9118"_s, u"2153"_s,
                       u"2657"_s, u"1000"_s, u"9155"_s},
                      // Read even when their first value is empty: an e-mail line empties its field,
                      // and the practical use and the investor's terms start with a field the
                      // clerk may leave empty while filling the ones after it.
                      {u"2394"_s, u"2395"_s, u"5638"_s, u"1006"_s}),
      m_model(model)
{
}

void IkReader::applyLine(const QString &code, const QString &line)
{
    if (const auto it = plainCodes().constFind(code); it != plainCodes().cend()) {
        putItems(m_model, line, *it);
        for (int i = 0; i < it->size(); ++i)
            report().keep(it->at(i), item(line, i + 2));
        report().dropItemsAfter(line, int(it->size()) + 1);
    } else if (code == QLatin1String("2459")) {
        readOwner(line);
    } else if (code == QLatin1String("5616")) {
        readRubricLine(m_model, ikRubricFields(), line);
    } else {
        report().unknownCode();
    }
}

void IkReader::finish()
{
    settleSkippedLines(m_model, plainCodes());
    report().dropRecordsAfter(u"2459"_s, int(m_model.lists().records(IkList::Owners).size()), IkModel::kOwnerSlots);
}

void IkReader::applyMultiLine(const QString &code, const QString &value)
{
    if (code == QLatin1String("9027")) {
        report().bilingual(value);
        m_model.titles().readLine(0, value);
    } else if (const auto it = olderOwnerCodes().constFind(code); it != olderOwnerCodes().cend()) {
        putItems(m_model, value, *it);
        report().dropItemsAfter(value, int(it->size()) + 1);
        m_model.rebuildOwner(m_model.ownerKindCode());
    } else if (plainCodes().contains(code)) {
        applyLine(code, value);
    } else {
        report().unknownCode(); // a line of another card, read for its continuation lines only
    }
}

void IkReader::readOwner(const QString &line)
{
    const QString second = item(line, 2);
    const QString kind = item(line, 3);
    if (kind.size() >= 2) {
        // Older form 2459\kind\code; the name and the address come on lines of their
        // own. The code takes the mask of the kind given, so a tax number keeps its digits.
        m_model.setOwnerKind(second != kLegal);
        m_model.setFitted(ikField::ownerCode, kind);
        m_model.setText(ikField::ownerNumber, u"1"_s);
        m_model.setOwnerNo(1);
        m_model.selectNumbered(ikField::ownerKind, second);
        m_model.setOwnerKindCode(second);
        report().dropItemsAfter(line, 3);
        return;
    }
    if (kind.size() != 1 || kind == QLatin1String("0")) {
        if (holdsData(line.mid(5)))
            report().drop(u"вид особи (третє значення) має бути 1 або 2: рядок не прочитано"_s);
        return;
    }
    const int n = cardNumber(second);
    if (n < 1 || n > IkModel::kOwnerSlots) {
        report().numberOutOfRange(second, IkModel::kOwnerSlots);
        return;
    }
    // The code read is checked later against the kind it was read with.
    m_model.setOwnerKind(kind != kLegal);
    m_model.setText(ikField::ownerNumber, second);
    m_model.setOwnerNo(n);
    m_model.selectNumbered(ikField::ownerKind, kind);
    const QStringList &fields = ikOwnerFields();
    for (int i = 0; i < fields.size(); ++i)
        m_model.setFitted(fields.at(i), item(line, i + 4));
    m_model.setOwnerKindCode(kind);
    m_model.rebuildOwner(kind);
    report().keep(ReadReport::recordSlot(u"2459"_s, n), line.mid(line.indexOf(QLatin1Char('\\'), 5)));
    report().dropItemsAfter(line, int(fields.size()) + 3);
}

void ikShowAfterRead(IkModel &model)
{
    model.showUkrainianTitle();
}
