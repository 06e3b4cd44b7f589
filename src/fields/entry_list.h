#pragma once

#include "fields/field_rules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CardModel;
class RuleContext;

// A list of repeated records (customers, owners, co-executors, stages, persons) kept
// in numbered slots from 1. Each slot holds a record in its file form (items joined
// with "\", as the card line carries it) and, where the card shows a kind, in a
// display form; display() falls back to the file form.
class EntryList
{
public:
    bool holds(int n) const;           // the slot holds a record
    QString file(int n) const;         // "" for an empty slot
    QString display(int n) const;
    void set(int n, const QString &file, const QString &display = {});
    void clear(int n);
    void clearAll();
    // The highest slot that holds a record, 0 for none.
    int last() const;
    // The file forms of the slots from 1 up to the first empty slot (what the card
    // lines write), and the same for the display forms.
    QStringList files() const;
    QStringList displays() const;
    // Removes the record of slot n: every later record moves up one slot and is given
    // its new number as its first item, so the slots stay filled from 1 without gaps.
    void remove(int n);

    // "\"-joined items and back; item k counts from 1, beyond the last it is "".
    static QString join(const QStringList &items);
    static QStringList items(const QString &record);
    static QString item(const QString &record, int k);
    // The record with its first item (its number) replaced by `number`.
    static QString renumbered(const QString &record, int number);

private:
    struct Slot
    {
        QString file;
        QString display;
    };
    QList<Slot> m_slots; // index 0 is slot 1
};

// How a card shows the records of one list in its fields.
struct EntryListSettings
{
    QString numberField;       // "Edit1", "cpn", "ed9036n"
    int maximum = 0;           // the bound: 200 customers, 50 co-executors, 15 stages
    QString boundsMessage;     // "Кількість замовників від 1 до 200"
    QString nameField;         // the field without which an entry is not stored
    QString unnamedMessage;    // "next" from an entry that has no name yet
    // The fields of display-form items 2, 3, ...; an empty name skips that item.
    QStringList itemFields;
    // The fields emptied before an entry is shown.
    QStringList emptiedFields;
    // The person-kind selector among itemFields, with its code field and label.
    std::optional<fieldRules::PersonKindSettings> kind;
};

namespace entryLists {

QString customerBounds();   // "Кількість замовників від 1 до 200"
QString coExecutorBounds(); // "Кількість співвиконавців від 1 до 50"
QString stageBounds();      // "Кількість етапів від 1 до 15"
QString sequenceError();    // "Помилка в послідовності номерів !"
// "Next" from an owner without a name, which would not be stored.
QString ownerUnnamed();

// The number in the list's number field; nullopt when it holds no number.
std::optional<int> number(const CardModel &model, const EntryListSettings &info);
// Shows entry n: the number field gets n, the emptied fields are emptied and, when
// slot n holds a record, the item fields are filled from its display form; the kind
// selector's text sets the code mask and label first, and `letter` when given.
void showEntry(CardModel &model, const EntryList &list, int n, const EntryListSettings &info,
               QString *letter = nullptr);
// "Next" from entry n: true when entry n + 1 may be shown. At the list's bound the
// bounds message is shown and the focus goes to `boundsFocus`; from an entry that
// holds no record (it has no name) the next one would follow a gap, which the card
// lines drop, so the clerk is told why and sent to the name field.
bool mayStepNext(RuleContext &ctx, const EntryList &list, int n, const EntryListSettings &info,
                 const QString &boundsFocus);
// A record composed of `number` and the texts of `fields`, "\"-joined.
QString compose(const CardModel &model, const QString &number, const QStringList &fields);

} // namespace entryLists
