#pragma once

#include <QDateTime>
#include <QString>

// One organisation (or natural person) of the directory, as the cards describe it.
struct Organisation
{
    QString kind;          // "1" legal person (8-digit ЄДРПОУ code), "2" natural person (10-digit tax number)
    QString code;
    QString fullName;
    QString shortName;
    QString city;
    QString address;
    QString phone;
    QString email;
    QString subordination;
    QDateTime savedAt;     // when a card last gave these values
    QString source;        // the card file they came from

    // The code is all digits and as long as its kind demands.
    bool hasValidCode() const;
    // Nothing worth offering beside the code.
    bool isBare() const;
    // The values of `newer` where it has one, ours where it has none: a card that
    // leaves a field empty does not wipe what an earlier card gave.
    Organisation mergedWith(const Organisation &newer) const;
    // The name a list shows: the short name, else the full one.
    QString displayName() const;
};

bool operator==(const Organisation &a, const Organisation &b);
