#pragma once

#include <QString>
#include <QStringList>

#include <optional>

using namespace Qt::Literals::StringLiterals;

class CardModel;
class RuleContext;

// The field rules every card editor shares, as
// functions of a card model and a rule context. A rule reads and writes field texts
// in the model by component name, speaks through the context and returns whether the
// value passed. Which fields use which rule, and the card-specific texts, are given by
// the callers in cards/<t>/.
namespace fieldRules {

// ---- Texts
QString dateError();        // "Помилка в даті"
QString monthError();       // "Помилка в місяці!"
QString dayError();         // "Помилка в числі місяця!"
QString codeNotInList();    // "Помилка в коді!"
QString codeRequired();     // "Помилка в коді! Реквізит обов'язковий."
QString numberMissing();    // "Вкажіть порядковий номер!"
QString legalPerson();      // "Юридична особа"
QString naturalPerson();    // "Фізична особа"
QString legalLetter();      // "ю"
QString naturalLetter();    // "ф"
QString legalCodeMask();    // "99999999;1;_"
QString naturalCodeMask();  // "9999999999;1;_"
// A message of two lines, as the editors show them: the lines joined by a line feed
// and a carriage return, in this order.
QString twoLines(const QString &first, const QString &second);
// The standard conversion error report for a text that is not a whole number.
QString conversionError(const QString &text);

// ---- Field values
// The text of a field as the rules see it: a masked field's text fitted to its mask
// (an empty text of a date reads "  .  .  ").
QString fieldValue(const CardModel &model, const QString &name);
// Sets the text of a field; a masked field's value is fitted to its current mask.
void assign(CardModel &model, const QString &name, const QString &value);
// The empty value of a field: a masked field's empty mask, otherwise "".
QString emptyValue(const CardModel &model, const QString &name);
// Empties the fields.
void empty(CardModel &model, const QStringList &names);
// For the "only if not empty" conditions of the card lines: an empty text, or a masked
// field without literals that holds only blanks (a fresh RK card writes no 5517 line).
bool countsAsEmpty(const CardModel &model, const QString &name);
// A whole number in `text` (blanks around it allowed); nullopt for anything else.
std::optional<int> numberOf(const QString &text);

// ---- Dates
// The date rule on a text in the form DD.MM.YY: the messages it shows, in order (none
// when it passes). A text with a blank passes only as the empty mask `emptyText`.
QStringList dateMessages(const QString &text, const QString &emptyText = u"  .  .  "_s);
// The month-year rule on a text in the form MM.YY.
QStringList monthYearMessages(const QString &text, const QString &emptyText = u"  .  "_s);
// Exit rules: every message followed by the focus back into the field.
bool dateRule(const CardModel &model, const QString &field, RuleContext &ctx);
bool monthYearRule(const CardModel &model, const QString &field, RuleContext &ctx);

// ---- Trim on key press
// The text without leading and trailing blanks (and control characters).
QString trimBlanks(const QString &text);
// The value a field gets from its trimmed text: a masked field's value is assigned as
// a whole (EditMask::padLiterals), so an untouched date stays "  .  .  ".
QString trimmedValue(const QString &text, const QString &mask);
// Trims the field's text; true when it changed.
bool trimOnKey(CardModel &model, const QString &field);

// ---- Person kind
// A person-kind selector with the code field and the label that follow it.
struct PersonKindSettings
{
    QString selector;     // "lizv"
    QString codeField;    // "ed2457"
    QString label;        // component name of the code's label ("Label30"); may be empty
    QString legalText;    // label text for a legal person
    QString naturalText;  // label text for a natural person (shown in blue)
    // Number field of the list the selector belongs to ("Edit1", "cpn"); when it is
    // empty on leaving, "Вкажіть порядковий номер!" and the focus goes there.
    QString numberField;
    // A text that is not one of the two entries: RK puts the first entry back; the
    // other cards show " Помилка " with a beep and keep the text.
    bool resetInvalidText = true;
    QString invalidMessage;
    bool beepOnInvalid = false;
    Qt::CaseSensitivity entryCase = Qt::CaseSensitive;
};
bool isNaturalPerson(const QString &selectorText);
// "1" for a legal person, "2" for a natural person, "0" for another text.
QString kindDigit(const QString &selectorText);
// Sets the code field's mask (8 or 10 digit places) and the label's text and colour;
// returns the kind letter ("ю" or "ф"). With KeepDigits::Yes (the clerk changed the
// kind) a mask that would drop typed digits stays as it is until they fit.
enum class KeepDigits { No, Yes };
QString applyPersonKind(CardModel &model, const PersonKindSettings &info, bool natural,
                        KeepDigits keep = KeepDigits::No);
// The exit rule of a selector; `letter` is the editor's kind letter for it.
bool personKindRule(CardModel &model, RuleContext &ctx, const PersonKindSettings &info, QString &letter);

// ---- Party code
struct PartyCodeSettings
{
    QString codeField;     // "ed2457"
    QString prefix;        // "2457.", "2458." or empty
    bool beepLegal = false; // the executor code beeps before its 8-digit message
    // Number field of the list (co-executor "cpn"): when empty, "Вкажіть порядковий
    // номер!", the focus goes there and the code is not tested.
    QString numberField;
    // Messages when not the standard ones built from the prefix.
    QString legalMessage;
    QString naturalMessage;
};
QString legalCodeMessage(const QString &prefix);   // prefix + "Помилка в коді ЄДРПОУ." / "В коді повинно бути 8 цифр"
QString naturalCodeMessage(const QString &prefix); // prefix + "Помилка в індивідуальному податковому номері." / "В номері повинно бути 10 цифр"
// A partly typed code (a blank, but not all blanks), or one with more digits than its
// kind has, fails with the message of the kind letter; with no letter yet it passes. A
// code left wholly empty passes. A code mask kept wide for digits of the other kind
// narrows here once they fit.
bool partyCodeRule(CardModel &model, RuleContext &ctx, const PartyCodeSettings &info, const QString &letter);

// ---- Code that must come from its list
// The text must be one of `items` (the field's own items when none are given); else
// the message and the focus back.
bool listCodeRule(const CardModel &model, RuleContext &ctx, const QString &field,
                  const QStringList &items = {}, Qt::CaseSensitivity cs = Qt::CaseSensitive,
                  const QString &message = codeNotInList());

// ---- Clearing (clearModel)
// Clears every field of the model's table: a masked field to its empty mask (of the
// mask it has now), an edit or memo to "", a combo to its first item, a radio group
// and a check box to "0"; a spin field keeps its value. Then every FieldInfo::cleared
// value is put in. The card's clearModel adds its lists, texts and numbers.
void clearFields(CardModel &model);

} // namespace fieldRules
