#pragma once

#include "fields/card_kind.h"
#include "orgs/organisation.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class CardModel;

// The fields of a card that describe one organisation: the executor, the customer or
// owner shown, a co-executor, an organisation slot. A field a group lacks is empty.
// List entries and slots share their fields; `entries` and `show` put each saved one
// into them in turn.
struct OrgGroup
{
    QString title;            // "Виконавець", "Замовник"
    QString selector;         // person kind box; empty: always a legal person
    QString code;
    QString fullName;
    QString shortName;
    QString city;
    QString address;
    QString phone;
    QString email;
    QString subordination;
    QString languageField;    // the full name shows the language this group selects
    // Entries of a list or slot group: their numbers in a card as read, and how one
    // is shown in the fields. Both empty for a group of the card's own fields.
    std::function<QList<int>(CardModel &)> entries;
    std::function<void(CardModel &, int)> show;
    // Which kind the fields describe now, when the selector alone does not say it.
    std::function<QString(const CardModel &)> kindOf;

    // The fields filled from the directory, code first.
    QStringList fields() const;
    // The name fields a completer serves.
    QStringList nameFields() const;
};

// The groups of each card type (cards/card_orgs.cpp).
const QList<OrgGroup> &orgGroupsOf(CardType type);

// A group over the entries of record list `list` of a ListHolder model.
void setListEntries(OrgGroup &group, int list);

namespace orgGroups {

// "1" or "2": the kind the group's fields describe now.
QString kindOf(const OrgGroup &group, const CardModel &model);
// The organisation the group's fields show now.
Organisation read(const OrgGroup &group, const CardModel &model);
// The empty fields of the group take the organisation's values; the code only when
// the kind matches, the full name only while its Ukrainian text is shown. Returns the
// fields that changed.
QStringList fill(const OrgGroup &group, CardModel &model, const Organisation &org);
// Every organisation with a complete code that the card holds, list entries and
// slots included.
QList<Organisation> collect(CardType type, CardModel &model);
// The same from a card file, read with the card's own reader. False with `error`
// (Ukrainian) when the file cannot be read.
bool collectFromFile(const CardKind &kind, const QString &path, QList<Organisation> *orgs, QString *error);

} // namespace orgGroups
