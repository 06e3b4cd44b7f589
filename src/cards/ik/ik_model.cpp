#include "cards/ik/ik_model.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_names.h"
#include "fields/field_rules.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QList<PartyShape> &ikParties()
{
    // The same label texts after a read, a choice and an owner shown.
    static const QString legal = u"2459 Код організації за ЄДРПОУ"_s;
    static const QString natural = u"2459 Індивідуальний податковий номер"_s;
    static const QList<PartyShape> shapes = {
        {ikField::ownerCode, ikField::ownerKind, ikLabelName(ikField::ownerCode), {},
         {{legal, natural}, {legal, natural}, {legal, natural}}},
    };
    return shapes;
}

} // namespace

IkModel::IkModel(const FieldTable &table)
    : CardModel(table),
      m_titles({{u"9027"_s, ikField::productTitle, ikField::titleLanguage}}),
      m_parties(ikParties()),
      m_lists({kOwnerSlots})
{
    clearState();
}

void IkModel::clearState()
{
    // The selector shows a legal person: the code takes that kind's mask, label and
    // check at once, not only once the selector was left.
    m_parties.reset(*this, fieldRules::legalLetter());
    m_titles.clear();
    m_lists.clear();
    m_ownerKindCode = u"1"_s;
    m_lastChecked = 0;
}

fieldRules::PersonKindSettings IkModel::ownerKindSettings()
{
    fieldRules::PersonKindSettings info = PartyCodes::settings(ikParties().at(0), PartyLabels::Show);
    info.resetInvalidText = false;
    info.invalidMessage = u" Помилка "_s;
    info.beepOnInvalid = true;
    return info;
}

void IkModel::setOwnerKind(bool natural)
{
    m_parties.setKind(*this, 0, natural, PartyLabels::Read);
}

EntryListSettings IkModel::ownerListSettings()
{
    EntryListSettings info;
    info.numberField = ikField::ownerNumber;
    info.nameField = ikField::ownerFullName;
    info.maximum = kOwnerMaximum;
    info.boundsMessage = u"Кількість власників від 1 до 5."_s;
    info.unnamedMessage = entryLists::ownerUnnamed();
    info.itemFields = QStringList{ikField::ownerKind} + ikOwnerFields();
    info.kind = ownerKindSettings();
    info.emptiedFields = emptiedFieldsOf(info);
    return info;
}

void IkModel::rebuildOwner(const QString &kindCode)
{
    m_lists.storeFields(*this, int(IkList::Owners), ownerNo(), ownerListSettings(), kindCode);
}

bool IkModel::storeOwner()
{
    const int n = listShown(int(IkList::Owners));
    if (n == 0)
        return false;
    setOwnerNo(n);
    if (text(ikField::ownerFullName).isEmpty())
        return false;
    m_ownerKindCode = fieldRules::kindDigit(text(ikField::ownerKind));
    rebuildOwner(m_ownerKindCode);
    return true;
}
