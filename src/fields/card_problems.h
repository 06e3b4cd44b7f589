#pragma once

#include "fields/card_rules.h"

#include <QList>
#include <QString>
#include <QStringList>

class CardKind;
class CardModel;
class ListHolder;

// One thing the whole-card check found: where the clerk must go and what the rule said.
struct CardProblem
{
    QString field;      // the field to mend (a rule may name another one than its own)
    QString ruleField;  // the field whose rule found it; empty for the save check
    int list = -1;      // the scope's list and entry (CardRules::CheckScope)
    int entry = 0;
    QString entryTitle; // "Замовник 2"; empty for the card's own fields
    QString code;       // the field code the clerk knows the value by
    QString lineCode;   // the card line that carries the value, when not the field's own
    bool lineByNumber = true;
    QString message;
    bool blocking = true; // the rule keeps the clerk on the field; false: a warning

    bool operator==(const CardProblem &) const = default;
};

namespace cardProblems {

// Runs every exit rule of the card on the values a save would write now, without
// touching `model`, moving any focus or showing anything: one problem for each message
// a rule gives, and for each rule that keeps the clerk without a word. The card's save
// check is run last. Problems come in the order of the scopes, fields in table order.
QList<CardProblem> check(const CardKind &kind, const CardModel &model);

// The message for a rule that keeps the clerk on a field without saying why: its box
// holds a text that is none of its entries.
QString silentRefusal();

// The scopes of a card whose lists are kept by a ListHolder: the card's own exit-rule
// fields (not those of its lists, nor the lists' number fields), then every entry of
// each list with its exit-rule fields.
struct ListScopeRow
{
    int list;
    QString lineCode;  // "2458"
    QString entryName; // "Замовник"
};
QList<CardRules::CheckScope> listScopes(ListHolder &holder, const QStringList &exitFields,
                                        const QList<ListScopeRow> &rows);
// Shows the entry of a list scope as the list's buttons do: the entry shown is stored
// first. Nothing for the card's own scope.
void showListScope(ListHolder &holder, const CardRules::CheckScope &scope);

// A financing row (its source box first, then its fields) is written on the line of
// the source's code: the scope names that line for the row's fields.
void financingLines(CardRules::CheckScope &scope, const CardModel &model, const QList<QStringList> &rows,
                    const QStringList &sources);

// The line of `lines` (a card file's, from 1) that holds the problem's value: the entry's
// line for a problem in a list entry, else the first line of its code; 0 when no line
// does (an empty value is not written).
int lineOf(const CardProblem &problem, const QStringList &lines);

} // namespace cardProblems
