#include "cards/ok/ok_model.h"

#include "cardfile/card_item.h"
#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_names.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A party's code labels: the texts after a card line is read are given; leaving the
// selector names a natural person's "Ідентифікаційний номер", an entry shown its
// "Індивідуальний податковий номер". The executor and owner labels start with their code.
PartyShape okParty(const QString &codeField, const QString &selector, const QString &label, const QString &prefix,
                   const QString &readLegal, const QString &readNatural)
{
    const QString legal = prefix + u"Код організації за ЄДРПОУ"_s;
    return {codeField,
            selector,
            label,
            {},
            {{prefix + readLegal, prefix + readNatural},
             {legal, prefix + u"Ідентифікаційний номер"_s},
             {legal, prefix + u"Індивідуальний податковий номер"_s}}};
}

const QList<PartyShape> &okParties()
{
    // A co-executor line read names a legal entity with a Latin "K"; the entry shown
    // after the open writes it again.
    static const QList<PartyShape> shapes = {
        okParty(okField::executorCode, okField::executorKind, okLabelName(okField::executorCode), u"2457 "_s,
                u"Код організації за ЄДРПОУ"_s, u"Ідентифікаційний номер "_s),
        okParty(okField::ownerCode, okField::ownerKind, okLabelName(okField::ownerCode), u"2459 "_s,
                u"Код організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s),
        okParty(okField::coExecutorCode, okField::coExecutorKind, okLabelName(okField::coExecutorCode), {},
                u"Kод організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s),
    };
    return shapes;
}

constexpr int kCapacities[] = {50, 20, 120};

} // namespace

OkModel::OkModel(const FieldTable &table)
    : CardModel(table),
      m_texts({{u"2151"_s, okField::executorName, okField::executorNameLanguage},
               {u"9027"_s, okField::workTitle, okField::titleLanguage},
               {u"9117"_s, okField::workAbstract, okField::titleLanguage},
               {u"6120"_s, okField::headOfDevelopment, okField::headOfDevelopmentLanguage, true}}),
      m_parties(okParties()),
      m_lists({kCapacities[0], kCapacities[1], kCapacities[2]})
{
    // A new card: legal persons, and no person kind mark until a selector is left.
    m_parties.reset(*this, QString());
    clearState();
}

void OkModel::clearState()
{
    m_texts.clear();
    m_lists.clear();
    m_stageNumbers.clear();
    m_financingLines = 0;
    m_otherDirectionVisible = false;
}

fieldRules::PersonKindSettings OkModel::personKindSettings(OkParty party, PartyLabels labels)
{
    fieldRules::PersonKindSettings info = PartyCodes::settings(okParties().at(int(party)), labels);
    info.resetInvalidText = false;
    info.invalidMessage = u" Помилка "_s;
    info.beepOnInvalid = true;
    info.entryCase = Qt::CaseInsensitive;
    return info;
}

void OkModel::setPartyKind(OkParty party, bool natural, PartyLabels labels, bool mark)
{
    if (mark)
        m_parties.setKind(*this, int(party), natural, labels);
    else
        m_parties.apply(*this, int(party), natural, labels);
}

QString OkModel::stageNumber(int n) const
{
    return m_stageNumbers.value(n - 1);
}

int OkModel::setStageNumber(int n, const QString &number)
{
    if (n < 1 || n > kStageNumbers)
        return 0;
    if (number.isEmpty()) {
        if (n <= m_stageNumbers.size())
            m_stageNumbers.removeAt(n - 1);
        return 0;
    }
    if (n <= m_stageNumbers.size()) {
        m_stageNumbers[n - 1] = number;
        return n;
    }
    m_stageNumbers << number;
    return int(m_stageNumbers.size());
}

QStringList OkModel::stageNumbers() const
{
    return m_stageNumbers;
}

int OkModel::capacity(OkList list)
{
    return kCapacities[int(list)];
}

EntryListSettings OkModel::entryListSettings(OkList list)
{
    // Number field, name field, bounds message, item fields; co-executors and owners
    // have a person kind selector as their first item.
    static const QStringList shapes[] = {
        {okField::coExecutorNumber, okField::coExecutorName, entryLists::coExecutorBounds(), okField::coExecutorKind,
         okField::coExecutorCode, okField::coExecutorCity, okField::coExecutorName, okField::coExecutorAddress},
        {okField::ownerNumber, okField::ownerName, u"Кількість власників від 1 до 20"_s, okField::ownerKind,
         okField::ownerCode, okField::ownerCity, okField::ownerName, okField::ownerAddress, okField::ownerPhone,
         okField::ownerMail, okField::ownerShortName, okField::ownerSubordination, okField::ownerDocumentNumber,
         okField::ownerDocumentDate},
        {okField::listedExecutorNumber, okField::listedExecutorName, u"Кількість виконавців з списку від 1 до 120"_s,
         okField::listedExecutorName, okField::listedExecutorPosition, okField::listedExecutorDegree},
    };
    const QStringList &shape = shapes[int(list)];
    EntryListSettings info;
    info.numberField = shape.at(0);
    info.nameField = shape.at(1);
    info.boundsMessage = shape.at(2);
    info.itemFields = shape.mid(3);
    info.maximum = capacity(list);
    static const QString unnamed[] = {
        u"Спочатку введіть найменування цього співвиконавця: без нього співвиконавець не зберігається."_s,
        entryLists::ownerUnnamed(),
        u"Спочатку введіть прізвище цього виконавця: без нього виконавець не зберігається."_s,
    };
    info.unnamedMessage = unnamed[int(list)];
    if (list == OkList::CoExecutors)
        info.kind = personKindSettings(OkParty::CoExecutor, PartyLabels::Show);
    else if (list == OkList::Owners)
        info.kind = personKindSettings(OkParty::Owner, PartyLabels::Show);
    info.emptiedFields = emptiedFieldsOf(info);
    return info;
}

void OkModel::storeFields(OkList list, int n, const QString &kindDigit)
{
    m_lists.storeFields(*this, int(list), n, entryListSettings(list), kindDigit);
}

QString *OkModel::letterOf(OkList list)
{
    return list == OkList::Owners ? &kindLetter(OkParty::Owner) : nullptr;
}

bool OkModel::storeCoExecutor()
{
    const int n = shownNumber(OkList::CoExecutors);
    if (n == 0)
        return false;
    if (!text(okField::coExecutorName).isEmpty()) {
        storeFields(OkList::CoExecutors, n);
        return true;
    }
    // Item 6 of the record is its address.
    if (!item(m_lists.record(OkList::CoExecutors, n), 6).isEmpty())
        return false;
    return m_lists.closeUp(*this, int(OkList::CoExecutors), n, entryListSettings(OkList::CoExecutors));
}

bool OkModel::storeOwner()
{
    const int n = shownNumber(OkList::Owners);
    if (n == 0)
        return false;
    if (!text(okField::ownerName).isEmpty()) {
        storeFields(OkList::Owners, n);
        return true;
    }
    if (!isEmptyValue(okField::ownerCode) || !text(okField::ownerAddress).isEmpty())
        return false;
    return m_lists.closeUp(*this, int(OkList::Owners), n, entryListSettings(OkList::Owners), letterOf(OkList::Owners));
}

bool OkModel::storePerson()
{
    const int n = shownNumber(OkList::Executors);
    if (n == 0)
        return false;
    m_lists.setCurrentNumber(OkList::Executors, n);
    if (!text(okField::listedExecutorName).isEmpty()) {
        storeFields(OkList::Executors, n);
        return true;
    }
    if (!text(okField::listedExecutorPosition).isEmpty())
        return false;
    return m_lists.closeUp(*this, int(OkList::Executors), n, entryListSettings(OkList::Executors));
}

bool OkModel::storeListEntry(int list)
{
    switch (OkList(list)) {
    case OkList::CoExecutors:
        return storeCoExecutor();
    case OkList::Owners:
        return storeOwner();
    case OkList::Executors:
        return storePerson();
    }
    return false;
}

void OkModel::showEntry(OkList list, int n)
{
    m_lists.showEntry(*this, int(list), n, entryListSettings(list), letterOf(list));
}
