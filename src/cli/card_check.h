#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CardKind;

struct CheckProblem
{
    enum class Severity { Error, Warning };
    int line = 0;  // 0: the file as a whole
    QString text;  // Ukrainian, for the clerk
    QString code;  // the field code of the line, when it has one
    Severity severity = Severity::Error;
    QString entry; // a value's rule: the list entry or slot it was found in ("Замовник 2")
    QString field; // a value's rule: the field, as the editor's check names it
    bool rule = false; // found by the editor's rules on a value, not in the file's form
};

// What a clerk should fix in a card file before sending it: bytes that are no card at
// all or no CP1251 text, line ends other than CR LF, and every line the card's reader
// leaves out or takes only in part (no code, a code of another card, a value that must
// be a number, a list or language number out of range, a value a later line replaces,
// a record after a gap in its list), as the reader itself reports them; then every
// value as the editor's rules judge it ("Перевірити картку"), on the line that holds
// it. The file is read as `kind` reads it.
QList<CheckProblem> checkCardBytes(const QByteArray &bytes, const CardKind &kind);

// The name of the field with `code` on `kind`'s card, without the code its label may
// start with; empty when the card has no such field.
QString checkFieldName(const CardKind &kind, const QString &code);

// The card type a file most likely holds: the one whose reader knows most of its codes.
const CardKind &likelyKind(const QByteArray &bytes);
