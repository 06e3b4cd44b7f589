#pragma once

#include "fields/field_rules.h"

#include <QList>
#include <QString>

class CardModel;

// The label texts a party's code field gets: when a card line is read, when the user
// leaves the person kind selector, and when an entry of a list is shown.
enum class PartyLabels { Read, Select, Show };

// A party whose code field follows a person kind selector (executor, customer,
// owner, co-executor), with its label texts [label set][0 legal, 1 natural].
struct PartyShape
{
    QString codeField;
    QString selector;
    QString label;       // component name of the code's label
    QString numberField; // of the list the party belongs to; "" for the executor
    QString texts[3][2];
};

// How a party's code field stands now.
struct PartyCode
{
    QString mask;
    QString label;
    bool blue = false; // natural person; the window text colour otherwise
    QString letter;    // "ю" legal person, "ф" natural person, "" not yet chosen
};

// The parties of a card and the kind letter of each, which the code rules read.
class PartyCodes
{
public:
    explicit PartyCodes(const QList<PartyShape> &shapes);

    const PartyShape &shape(int party) const { return m_shapes.at(party); }
    static fieldRules::PersonKindSettings settings(const PartyShape &shape, PartyLabels labels);
    fieldRules::PersonKindSettings settings(int party, PartyLabels labels) const { return settings(shape(party), labels); }

    // Every code field back to a legal person's mask, its label to the text of the
    // field table; every kind letter becomes `letter`.
    void reset(CardModel &model, const QString &letter);

    PartyCode code(const CardModel &model, int party) const;
    QString &letter(int party) { return m_letters[party]; }
    // Mask, label and colour for a legal or natural person; returns the kind letter
    // without keeping it.
    QString apply(CardModel &model, int party, bool natural, PartyLabels labels) const;
    // The same, and the party's kind letter follows.
    void setKind(CardModel &model, int party, bool natural, PartyLabels labels);

private:
    const QList<PartyShape> &m_shapes;
    QList<QString> m_letters;
};
