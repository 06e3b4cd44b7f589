#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CardKind;

struct CheckProblem
{
    int line = 0;
    QString text; // Ukrainian, for the clerk
};

// What a clerk should fix in a card file before sending it: bytes that are no CP1251
// text, lines without a code, codes of no card type, values that must be numbers and
// are not, list numbers out of range. The file is read as `kind` reads it.
QList<CheckProblem> checkCardBytes(const QByteArray &bytes, const CardKind &kind);

// The card type a file most likely holds: the one whose reader knows most of its codes.
const CardKind &likelyKind(const QByteArray &bytes);
