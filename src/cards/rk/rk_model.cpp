#include "cards/rk/rk_model.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_names.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QList<PartyShape> &rkParties()
{
    static const QList<PartyShape> shapes = {
        {rkField::executorCode, rkField::executorKind, rkLabelName(rkField::executorCode), {},
         {{u"2457 Код організації"_s, u"2457 Ідентифікаційний номер "_s},
          {u"2457 Код організації за ЄДРПУ "_s, u"2457 Ідентифікаційний номер"_s},
          {u"2457 Код організації за ЄДРПУ "_s, u"2457 Ідентифікаційний номер"_s}}},
        {rkField::customerCode, rkField::customerKind, rkLabelName(rkField::customerCode), rkField::customerNumber,
         {{u"2458 Код організації за ЄДРПОУ"_s, u"2458 Ідентифікаційний номер"_s},
          {u"2458 Код організації за ЄДРПОУ"_s, u"2458 Ідентифікаційний номер"_s},
          {u"2458 Код організації за ЄДРПОУ"_s, u"2458 Індивідуальний податковий номер"_s}}},
        {rkField::coExecutorCode, rkField::coExecutorKind, rkLabelName(rkField::coExecutorCode), rkField::coExecutorNumber,
         {{u"Код організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s},
          {u"Код організації за ЄДРПОУ"_s, u"Ідентифікаційний номер"_s},
          {u"Код організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s}}},
    };
    return shapes;
}

// Where the entries of a list live on the page, beyond the shared list settings.
struct ListShape
{
    int capacity; // the list's bound: the editor, the card lines and the check hold to it
    QString name;
    QString code;    // empty for stages
    QString address; // empty for stages
};

const ListShape &listShape(RkList list)
{
    static const ListShape shapes[] = {
        {200, rkField::customerName, rkField::customerCode, rkField::customerAddress},
        {50, rkField::coExecutorName, rkField::coExecutorCode, rkField::coExecutorAddress},
        {15, rkField::stageTitle, {}, {}},
    };
    return shapes[int(list)];
}

} // namespace

int rkPersonKind(const QString &selectorText)
{
    return int(rkPersonKinds().indexOf(selectorText)) + 1;
}

std::unique_ptr<CardModel> RkModel::clone() const
{
    return std::make_unique<RkModel>(*this);
}

RkModel::RkModel(const FieldTable &table)
    : CardModel(table),
      m_texts({{u"2151"_s, rkField::executorName, rkField::executorNameLanguage},
               {u"9027"_s, rkField::workTitle, rkField::workTitleLanguage},
               {u"6120"_s, rkField::workHead, rkField::workHeadLanguage, true}}),
      m_parties(rkParties()),
      m_lists({capacity(RkList::Customers), capacity(RkList::CoExecutors), capacity(RkList::Stages)})
{
    clearState();
}

void RkModel::clearState()
{
    m_texts.clear();
    m_parties.reset(*this, fieldRules::legalLetter());
    m_lists.clear();
    // A cleared card names no other direction or result: their fields hide again.
    m_otherDirectionVisible = false;
    m_otherResultVisible = false;
    resetCounters();
}

QString RkModel::bilingualField(RkText which)
{
    static const QString fields[] = {rkField::executorName, rkField::workTitle, rkField::workHead};
    return fields[int(which)];
}

QString RkModel::languageField(RkText which)
{
    static const QString fields[] = {rkField::executorNameLanguage, rkField::workTitleLanguage,
                                     rkField::workHeadLanguage};
    return fields[int(which)];
}

QString RkModel::codeField(RkParty party)
{
    return rkParties().at(int(party)).codeField;
}

QString RkModel::selectorField(RkParty party)
{
    return rkParties().at(int(party)).selector;
}

fieldRules::PersonKindSettings RkModel::personKindSettings(RkParty party, RkLabelSet labels)
{
    return PartyCodes::settings(rkParties().at(int(party)), labels);
}

int RkModel::capacity(RkList list)
{
    return listShape(list).capacity;
}

EntryListSettings RkModel::entryListSettings(RkList list)
{
    EntryListSettings info;
    switch (list) {
    case RkList::Customers:
        info.numberField = rkField::customerNumber;
        info.boundsMessage = entryLists::customerBounds();
        info.itemFields = {rkField::customerKind, rkField::customerCode,    rkField::customerCity,
                           rkField::customerName, rkField::customerAddress, rkField::customerPhone,
                           rkField::customerMail};
        info.kind = personKindSettings(RkParty::Customer, RkLabelSet::Show);
        break;
    case RkList::CoExecutors:
        info.numberField = rkField::coExecutorNumber;
        info.boundsMessage = entryLists::coExecutorBounds();
        info.itemFields = {rkField::coExecutorKind, rkField::coExecutorCode, rkField::coExecutorCity,
                           rkField::coExecutorName, rkField::coExecutorAddress};
        info.kind = personKindSettings(RkParty::CoExecutor, RkLabelSet::Show);
        break;
    case RkList::Stages:
        info.numberField = rkField::stageNumber;
        info.boundsMessage = entryLists::stageBounds();
        info.itemFields = {rkField::stageStart, rkField::stageEnd, rkField::reportKind, rkField::stageTitle};
        break;
    }
    info.maximum = capacity(list);
    info.nameField = listShape(list).name;
    static const QString unnamed[] = {
        u"Спочатку введіть найменування цього замовника: без нього замовник не зберігається."_s,
        u"Спочатку введіть найменування цього співвиконавця: без нього співвиконавець не зберігається."_s,
        u"Спочатку введіть назву цього етапу: без неї етап не зберігається."_s,
    };
    info.unnamedMessage = unnamed[int(list)];
    info.emptiedFields = emptiedFieldsOf(info);
    return info;
}

void RkModel::storeFields(RkList list, int n, const QString &kindDigit)
{
    m_lists.storeFields(*this, int(list), n, entryListSettings(list), kindDigit);
}

bool RkModel::removeIfBlank(RkList list, int n, const QString &name)
{
    const ListShape &shape = listShape(list);
    if (!name.isEmpty() || !isEmptyValue(shape.code) || !text(shape.address).isEmpty())
        return false;
    return m_lists.closeUp(*this, int(list), n, entryListSettings(list), letterOf(list));
}

bool RkModel::storeCustomer()
{
    const int n = shownNumber(RkList::Customers);
    if (n == 0)
        return false;
    const QString name = text(rkField::customerName);
    if (name.isEmpty())
        return removeIfBlank(RkList::Customers, n, name);
    storeFields(RkList::Customers, n);
    return true;
}

bool RkModel::storeCoExecutor(bool whateverName)
{
    const int n = shownNumber(RkList::CoExecutors);
    if (n == 0)
        return false;
    const QString name = trimLine(text(rkField::coExecutorName));
    if (name.isEmpty() && !whateverName)
        return removeIfBlank(RkList::CoExecutors, n, name);
    storeFields(RkList::CoExecutors, n);
    return true;
}

bool RkModel::storeStage()
{
    const int n = shownNumber(RkList::Stages);
    if (n == 0 || text(rkField::stageTitle).isEmpty())
        return false;
    storeFields(RkList::Stages, n);
    return true;
}

QString *RkModel::letterOf(RkList list)
{
    return list == RkList::Customers     ? &kindLetter(RkParty::Customer)
           : list == RkList::CoExecutors ? &kindLetter(RkParty::CoExecutor)
                                         : nullptr;
}

bool RkModel::storeListEntry(int list)
{
    switch (RkList(list)) {
    case RkList::Customers:
        return storeCustomer();
    case RkList::CoExecutors:
        return storeCoExecutor();
    case RkList::Stages:
        return storeStage();
    }
    return false;
}

void RkModel::showEntry(RkList list, int n)
{
    m_lists.showEntry(*this, int(list), n, entryListSettings(list), letterOf(list));
}
