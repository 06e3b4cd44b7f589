#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <type_traits>

class RuleContext;

// The entry rules of one card type as its editor runs them: which fields have an exit
// or enter rule or trim their text on a key, which buttons have a click rule, and the
// rules themselves as functions of the card's model and a rule context. Implemented
// once per card in cards/<t>/; the shared editor wires it to the widgets.
class CardRules
{
public:
    virtual ~CardRules() = default;

    struct Fields
    {
        QStringList exit;          // fields with an exit rule
        QStringList enter;         // fields with an enter rule
        QStringList trimOnPress;   // text loses its outer blanks on a key press
        QStringList trimOnRelease; // ... on a key release
        QStringList buttons;       // buttons with a click rule
        QStringList clickMarks;    // a choice made with the mouse marks the card modified
        QStringList clicks;        // fields whose mouse click runs click() (the focus sent on)
    };
    virtual Fields fields() const = 0;

    // False when the rule asked for the focus back.
    virtual bool exitRule(const QString &field, RuleContext &ctx) = 0;
    virtual void enterRule(const QString &, RuleContext &) {}
    // A button pressed, or a field of Fields::clicks clicked with the mouse.
    virtual void click(const QString &, RuleContext &) {}
    // The store rules of the list shown on a page, run when that page is left.
    virtual void leavePage(int) {}
    // A page now shown: the fields that show one of several slots show the current one.
    virtual void enterPage(int) {}
    // An entry was picked in a box, a radio group or a check box; true when other
    // fields changed and must be shown again (a bilingual field follows its language).
    virtual bool chosen(const QString &) { return false; }
    // Before the card is saved, printed or asked about: what the fields show is kept
    // where the model holds more than the field (the language texts).
    virtual void commit() {}
    // Before every save, whichever command or question leads to it: false (with the
    // message and the focus request in `ctx`) keeps the card from being written.
    virtual bool beforeSave(RuleContext &) { return true; }
    // The card's values were replaced under the rules (an open, a clearing).
    virtual void cardReplaced() {}

    // The whole-card check runs the exit rules in scopes: the card's own fields, and the
    // fields of each list entry (or slot) with that entry shown in them.
    struct CheckScope
    {
        int list = -1;      // the card's list (or slot group); -1 for the card's own fields
        int entry = 0;      // the entry or slot shown, from 1; 0 for the card's own fields
        QString title;      // "Замовник 2"; empty for the card's own fields
        QString lineCode;   // the card line that carries the entry ("2458"), with the
                            // entry's number as its item 2 unless `lineByNumber` is false
        bool lineByNumber = true;
        QStringList fields; // the fields whose exit rule runs in the scope
        // Fields whose value the scope keeps on lines of their own: field -> line code.
        QHash<QString, QString> lineCodes;
    };
    // The scopes of the card as it stands; by default one with every exit-rule field.
    virtual QList<CheckScope> checkScopes() { return {{-1, 0, {}, {}, true, fields().exit}}; }
    // Puts the entry or slot of `scope` into the fields.
    virtual void showScope(const CheckScope &) {}
    // Whether the check runs the rule of `field` on the card as shown: false for a field
    // of a row the card does not use (a financing row without amounts, a second
    // supervisor it does not name), which the clerk is never made to fill.
    virtual bool inUse(const QString &) const { return true; }
};

// A card's exit rules as a table: the field's component name and the member function
// that tests it. A rule that serves several fields is told which one it serves by a
// value the row gives it (a party, a number check, the city field), never by
// comparing the field's name.
template<class Rules>
struct ExitRuleRow
{
    using Rule = std::function<bool(Rules &, const QString &, RuleContext &)>;

    ExitRuleRow(const char *name, bool (Rules::*method)(const QString &, RuleContext &))
        : field(name), rule(method)
    {
    }
    template<class Arg, class Given>
    ExitRuleRow(const char *name, bool (Rules::*method)(const QString &, RuleContext &, Arg), Given given)
        : field(name),
          rule([method, value = std::decay_t<Arg>(given)](Rules &rules, const QString &f, RuleContext &ctx) {
              return (rules.*method)(f, ctx, value);
          })
    {
    }

    const char *field;
    Rule rule;
};

// Runs the rule of `field` from the table; a field without one passes.
template<class Rules>
bool runExitRule(Rules &rules, const QList<ExitRuleRow<Rules>> &rows, const QString &field, RuleContext &ctx)
{
    for (const ExitRuleRow<Rules> &row : rows) {
        if (field == QLatin1String(row.field))
            return row.rule(rules, field, ctx);
    }
    return true;
}

template<class Rules>
QStringList exitRuleFields(const QList<ExitRuleRow<Rules>> &rows)
{
    QStringList names;
    for (const ExitRuleRow<Rules> &row : rows)
        names << QString::fromLatin1(row.field);
    return names;
}
