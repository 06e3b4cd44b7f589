#include "fields/record_lists.h"

#include "fields/card_model.h"

QStringList upToEmpty(const QStringList &entries)
{
    QStringList kept;
    for (const QString &entry : entries) {
        if (entry.isEmpty())
            break;
        kept << entry;
    }
    return kept;
}

QStringList emptiedFieldsOf(const EntryListSettings &info)
{
    QStringList fields = info.itemFields;
    if (info.kind)
        fields.removeOne(info.kind->selector);
    return fields;
}

RecordLists::RecordLists(QList<int> capacities) : m_capacities(std::move(capacities))
{
    m_lists.resize(m_capacities.size());
    m_current.resize(m_capacities.size());
    clear();
}

void RecordLists::clear()
{
    for (EntryList &l : m_lists)
        l.clearAll();
    m_current.fill(1);
}

void RecordLists::setRecord(int list, int n, const QString &fileForm, const QString &displayForm)
{
    if (n >= 1 && n <= capacity(list))
        m_lists[list].set(n, fileForm, displayForm);
}

QStringList RecordLists::records(int list) const
{
    return m_lists.at(list).files().mid(0, capacity(list));
}

int RecordLists::shownNumber(const CardModel &model, int list, const EntryListSettings &info) const
{
    const std::optional<int> n = entryLists::number(model, info);
    return n && *n >= 1 && *n <= capacity(list) ? *n : 0;
}

void RecordLists::storeFields(const CardModel &model, int list, int n, const EntryListSettings &info,
                              const QString &kindDigit)
{
    const QString display = entryLists::compose(model, QString::number(n), info.itemFields);
    if (!info.kind) {
        setRecord(list, n, display, display);
        return;
    }
    QStringList items = EntryList::items(display);
    items[1] = kindDigit.isNull() ? fieldRules::kindDigit(items.at(1)) : kindDigit;
    setRecord(list, n, EntryList::join(items), display);
}

void RecordLists::showEntry(CardModel &model, int list, int n, const EntryListSettings &info, QString *letter)
{
    entryLists::showEntry(model, m_lists.at(list), n, info, letter);
    m_current[list] = n;
}

bool RecordLists::closeUp(CardModel &model, int list, int n, const EntryListSettings &info, QString *letter)
{
    if (!m_lists.at(list).holds(n))
        return false;
    remove(list, n);
    showEntry(model, list, n, info, letter);
    return true;
}
