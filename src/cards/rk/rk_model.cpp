#include "cards/rk/rk_model.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "fields/edit_mask.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct PartyShape
{
    QString codeField;
    QString selector;
    QString numberField; // of the list the party belongs to
    // [label set][0 legal, 1 natural]
    QString labels[3][2];
};

const PartyShape &partyShape(RkParty party)
{
    static const PartyShape shapes[] = {
        {u"ed2457"_s, u"lizv"_s, {},
         {{u"2457 Код організації"_s, u"2457 Ідентифікаційний номер "_s},
          {u"2457 Код організації за ЄДРПУ "_s, u"2457 Ідентифікаційний номер"_s},
          {u"2457 Код організації за ЄДРПУ "_s, u"2457 Ідентифікаційний номер"_s}}},
        {u"ed2458"_s, u"lizz"_s, u"Edit1"_s,
         {{u"2458 Код організації за ЄДРПОУ"_s, u"2458 Ідентифікаційний номер"_s},
          {u"2458 Код організації за ЄДРПОУ"_s, u"2458 Ідентифікаційний номер"_s},
          {u"2458 Код організації за ЄДРПОУ"_s, u"2458 Індивідуальний податковий номер"_s}}},
        {u"cpk"_s, u"lizsv"_s, u"cpn"_s,
         {{u"Код організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s},
          {u"Код організації за ЄДРПОУ"_s, u"Ідентифікаційний номер"_s},
          {u"Код організації за ЄДРПОУ"_s, u"Індивідуальний податковий номер"_s}}},
    };
    return shapes[int(party)];
}

// Where the entries of a list live on the page, beyond the shared list settings.
struct ListShape
{
    int capacity;
    QString name;
    QString code;    // empty for stages
    QString address; // empty for stages
};

const ListShape &listShape(RkList list)
{
    static const ListShape shapes[] = {
        {201, u"mm2152"_s, u"ed2458"_s, u"mm2656"_s},
        {51, u"cpi"_s, u"cpk"_s, u"cpa"_s},
        {16, u"mm9036"_s, {}, {}},
    };
    return shapes[int(list)];
}

bool hasLiterals(const EditMask &mask)
{
    for (const EditMask::Position &p : mask.positions()) {
        if (p.literal)
            return true;
    }
    return false;
}

constexpr RkParty kParties[] = {RkParty::Executor, RkParty::Customer, RkParty::CoExecutor};
constexpr RkList kLists[] = {RkList::Customers, RkList::CoExecutors, RkList::Stages};

} // namespace

int rkPersonKind(const QString &selectorText)
{
    return int(rkPersonKinds().indexOf(selectorText)) + 1;
}

std::unique_ptr<CardModel> RkModel::clone() const
{
    return std::make_unique<RkModel>(*this);
}

RkModel::RkModel(const FieldTable &table) : CardModel(table)
{
    clearState();
}

void RkModel::clearState()
{
    for (auto &texts : m_texts) {
        for (QString &t : texts)
            t.clear();
    }
    for (RkParty party : kParties) {
        const QString field = codeField(party);
        setMask(field, fieldRules::legalCodeMask());
        const FieldSpec *info = table().find(field);
        setLabel(rkLabelName(field), info ? info->label : QString(), false);
        m_letters[int(party)] = fieldRules::legalLetter();
    }
    for (RkList list : kLists) {
        m_lists[int(list)].clearAll();
        m_current[int(list)] = 1;
    }
    // A cleared card names no other direction or result: their fields hide again.
    m_otherDirectionVisible = false;
    m_otherResultVisible = false;
    resetCounters();
}

QString RkModel::bilingual(RkText which, RkLanguage language) const
{
    return m_texts[int(which)][int(language)];
}

void RkModel::setBilingual(RkText which, RkLanguage language, const QString &text)
{
    m_texts[int(which)][int(language)] = text;
}

QString RkModel::bilingualField(RkText which)
{
    static const QString fields[] = {u"mm2151"_s, u"mm9027"_s, u"ed6120"_s};
    return fields[int(which)];
}

QString RkModel::languageField(RkText which)
{
    static const QString fields[] = {u"Indjz"_s, u"Indjzr"_s, u"indjzk"_s};
    return fields[int(which)];
}

void RkModel::showUkrainian(RkText which)
{
    setText(languageField(which), u"0"_s);
    setText(bilingualField(which), bilingual(which, RkLanguage::Ukrainian));
}

QString RkModel::codeField(RkParty party)
{
    return partyShape(party).codeField;
}

QString RkModel::selectorField(RkParty party)
{
    return partyShape(party).selector;
}

fieldRules::PersonKindSpec RkModel::personKindSpec(RkParty party, RkLabelSet labels)
{
    const PartyShape &shape = partyShape(party);
    fieldRules::PersonKindSpec info;
    info.selector = shape.selector;
    info.codeField = shape.codeField;
    info.label = rkLabelName(shape.codeField);
    info.legalText = shape.labels[int(labels)][0];
    info.naturalText = shape.labels[int(labels)][1];
    info.numberField = shape.numberField;
    return info;
}

RkPartyCode RkModel::partyCode(RkParty party) const
{
    const QString field = codeField(party);
    const auto state = label(rkLabelName(field)).value_or(LabelState{});
    return {mask(field), state.text, state.blue, m_letters[int(party)]};
}

void RkModel::setPartyKind(RkParty party, bool natural, RkLabelSet labels)
{
    m_letters[int(party)] = fieldRules::applyPersonKind(*this, personKindSpec(party, labels), natural);
}

void RkModel::setFitted(const QString &field, const QString &value)
{
    fieldRules::assign(*this, field, value);
}

bool RkModel::isEmptyValue(const QString &field) const
{
    const QString value = text(field);
    if (value.isEmpty())
        return true;
    const QString m = mask(field);
    if (m.isEmpty())
        return false;
    const EditMask editMask(m);
    return !hasLiterals(editMask) && editMask.isBlank(value);
}

void RkModel::selectEntry(const QString &field, int index)
{
    const FieldSpec *info = table().find(field);
    setText(field, info ? info->items.value(index) : QString());
}

int RkModel::capacity(RkList list)
{
    return listShape(list).capacity;
}

EntryListSpec RkModel::entryListSpec(RkList list)
{
    EntryListSpec info;
    switch (list) {
    case RkList::Customers:
        info.numberField = u"Edit1"_s;
        info.maximum = 200;
        info.boundsMessage = entryLists::customerBounds();
        info.itemFields = {u"lizz"_s, u"ed2458"_s, u"gorz"_s, u"mm2152"_s, u"mm2656"_s, u"ed2935"_s, u"ed2395"_s};
        info.kind = personKindSpec(RkParty::Customer, RkLabelSet::Show);
        break;
    case RkList::CoExecutors:
        info.numberField = u"cpn"_s;
        info.maximum = 50;
        info.boundsMessage = entryLists::coExecutorBounds();
        info.itemFields = {u"lizsv"_s, u"cpk"_s, u"gorc"_s, u"cpi"_s, u"cpa"_s};
        info.kind = personKindSpec(RkParty::CoExecutor, RkLabelSet::Show);
        break;
    case RkList::Stages:
        info.numberField = u"ed9036n"_s;
        info.maximum = 15;
        info.boundsMessage = entryLists::stageBounds();
        info.itemFields = {u"ed9036p"_s, u"ed9036z"_s, u"ed9036v"_s, u"mm9036"_s};
        break;
    }
    // The selector keeps its text when an empty slot is shown.
    info.emptiedFields = info.itemFields;
    if (info.kind)
        info.emptiedFields.removeOne(info.kind->selector);
    return info;
}

QString RkModel::record(RkList list, int n) const
{
    return m_lists[int(list)].file(n);
}

QString RkModel::displayRecord(RkList list, int n) const
{
    return m_lists[int(list)].display(n);
}

void RkModel::setRecord(RkList list, int n, const QString &fileForm, const QString &displayForm)
{
    if (n >= 1 && n <= capacity(list))
        m_lists[int(list)].set(n, fileForm, displayForm);
}

int RkModel::recordCount(RkList list) const
{
    return int(m_lists[int(list)].files().size());
}

int RkModel::shownNumber(RkList list) const
{
    const std::optional<int> n = entryLists::number(*this, entryListSpec(list));
    return n && *n >= 1 && *n <= capacity(list) ? *n : 0;
}

void RkModel::storeFields(RkList list, int n, const QString &kindDigit)
{
    const EntryListSpec info = entryListSpec(list);
    const QString number = QString::number(n);
    const QString display = entryLists::compose(*this, number, info.itemFields);
    if (!info.kind) {
        setRecord(list, n, display, display);
        return;
    }
    // The file form carries the kind digit where the display form has the selector's text.
    QStringList items = EntryList::items(display);
    items[1] = kindDigit.isNull() ? QString::number(rkPersonKind(items.at(1))) : kindDigit;
    setRecord(list, n, EntryList::join(items), display);
}

bool RkModel::removeIfBlank(RkList list, int n, const QString &name)
{
    const ListShape &shape = listShape(list);
    if (!name.isEmpty() || !isEmptyValue(shape.code) || !text(shape.address).isEmpty())
        return false;
    if (record(list, n).isEmpty())
        return false;
    // Emptying the slot alone would end the card's group there and drop every later
    // entry from the saved card; the list closes up instead, and the fields show
    // what now holds this number, so that storing again does not remove that one too.
    removeEntry(list, n);
    showEntry(list, n);
    return true;
}

bool RkModel::storeCustomer()
{
    const int n = shownNumber(RkList::Customers);
    if (n == 0)
        return false;
    const QString name = text(u"mm2152"_s);
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
    const QString name = trimLine(text(u"cpi"_s));
    if (name.isEmpty() && !whateverName)
        return removeIfBlank(RkList::CoExecutors, n, name);
    storeFields(RkList::CoExecutors, n);
    return true;
}

bool RkModel::storeStage()
{
    const int n = shownNumber(RkList::Stages);
    if (n == 0 || text(u"mm9036"_s).isEmpty())
        return false;
    storeFields(RkList::Stages, n);
    return true;
}

void RkModel::showEntry(RkList list, int n)
{
    const EntryListSpec info = entryListSpec(list);
    QString *letter = list == RkList::Customers     ? &kindLetter(RkParty::Customer)
                      : list == RkList::CoExecutors ? &kindLetter(RkParty::CoExecutor)
                                                    : nullptr;
    entryLists::showEntry(*this, m_lists[int(list)], n, info, letter);
    setCurrentNumber(list, n);
}

void RkModel::removeEntry(RkList list, int n)
{
    m_lists[int(list)].remove(n);
}
