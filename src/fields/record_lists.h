#pragma once

#include "fields/entry_list.h"

#include <QList>
#include <QString>
#include <QStringList>

class CardModel;

// The entries from the first up to the first empty one.
QStringList upToEmpty(const QStringList &entries);

// The fields emptied before an entry of the list is shown: its item fields but the
// person kind selector, which keeps its text when an empty slot is shown.
QStringList emptiedFieldsOf(const EntryListSettings &info);

// The record lists of a card (customers, owners, co-executors, stages, persons) with
// the number of the entry each shows. Slots count from 1 up to a list's capacity; a
// record outside is ignored. Records start with their slot number; where the list has
// a person kind selector, the file form carries the kind digit in item 2 and the
// display form the selector's text.
class RecordLists
{
public:
    explicit RecordLists(QList<int> capacities);

    // Every slot emptied, every list showing entry 1.
    void clear();

    int capacity(int list) const { return m_capacities.at(list); }
    const EntryList &entries(int list) const { return m_lists.at(list); }
    EntryList &entries(int list) { return m_lists[list]; }
    QString record(int list, int n) const { return m_lists.at(list).file(n); }
    QString displayRecord(int list, int n) const { return m_lists.at(list).display(n); }
    void setRecord(int list, int n, const QString &fileForm, const QString &displayForm);
    // The file forms from slot 1 up to the first empty slot.
    QStringList records(int list) const;
    int count(int list) const { return int(records(list).size()); }

    int currentNumber(int list) const { return m_current.at(list); }
    void setCurrentNumber(int list, int n) { m_current[list] = n; }
    // The number in the list's number field, 0 when it names no slot.
    int shownNumber(const CardModel &model, int list, const EntryListSettings &info) const;

    // Slot n gets the entry the fields show, with the selector's kind digit unless
    // `kindDigit` is given.
    void storeFields(const CardModel &model, int list, int n, const EntryListSettings &info,
                     const QString &kindDigit = {});
    // Puts entry n into the fields: emptied, then filled from its slot if it holds one;
    // the list shows n.
    void showEntry(CardModel &model, int list, int n, const EntryListSettings &info, QString *letter = nullptr);
    // Removes entry n; each later entry moves up one slot and gets its new number.
    void remove(int list, int n) { m_lists[list].remove(n); }
    // An entry emptied on the screen: emptying its slot alone would end the list there
    // and drop every later entry from the saved card, so the list closes up instead and
    // the fields show what now holds the number. False when slot n held nothing.
    bool closeUp(CardModel &model, int list, int n, const EntryListSettings &info, QString *letter = nullptr);

private:
    QList<int> m_capacities;
    QList<EntryList> m_lists;
    QList<int> m_current;
};

// The record lists of a card named by the card's own enumeration of its lists.
template <class List>
class RecordListsOf : public RecordLists
{
public:
    using RecordLists::RecordLists;

    QString record(List list, int n) const { return RecordLists::record(int(list), n); }
    QString displayRecord(List list, int n) const { return RecordLists::displayRecord(int(list), n); }
    void setRecord(List list, int n, const QString &fileForm, const QString &displayForm)
    {
        RecordLists::setRecord(int(list), n, fileForm, displayForm);
    }
    QStringList records(List list) const { return RecordLists::records(int(list)); }
    int count(List list) const { return RecordLists::count(int(list)); }
    int currentNumber(List list) const { return RecordLists::currentNumber(int(list)); }
    void setCurrentNumber(List list, int n) { RecordLists::setCurrentNumber(int(list), n); }
    void remove(List list, int n) { RecordLists::remove(int(list), n); }
};
