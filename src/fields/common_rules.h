#pragma once

#include <QString>

class BilingualTexts;
class CardModel;
class RuleContext;

// Entry rules that several cards share in like form beyond the basic field rules:
// two-language texts, financing amounts, cities, registration numbers and the jumps
// over fields left untouched.
namespace commonRules {

QString commaMessage();     // "Ціла частина відокремлюється комою!"
QString thousandsWarning(); // "Увага! Cумма вказується в тис.грн."
QString cityMissing();      // "Відсутня назва міста !"

// ---- Two-language texts
// The slot a field shows, -1 for none.
int slotOfField(const BilingualTexts &texts, const QString &field);
// A language group was clicked: every field it serves shows its text in the language
// now selected. False when the group serves no field.
bool languageChosen(CardModel &model, const BilingualTexts &texts, const QString &languageField);
// Every field's text becomes the text of its selected language (before a save or print).
void keepShownTexts(const CardModel &model, BilingualTexts &texts);
// Leaving a field whose text is wanted in both languages: the text is kept in the
// language selected; then, unless English is selected with no English text, a missing
// Ukrainian (else English) text is asked for: the message, that language selected, the
// field emptied and the focus back.
bool bothLanguagesRule(CardModel &model, BilingualTexts &texts, int which, RuleContext &ctx,
                       const QString &ukrainianMissing, const QString &englishMissing);
// What a two-language text names, for the messages asking for it.
enum class Naming { Title, Surname };
QString missingText(Naming naming, bool english); // "Введіть назву українською мовою !", ...
bool bothLanguagesRule(CardModel &model, BilingualTexts &texts, int which, RuleContext &ctx, Naming naming);

// ---- Financing
// An amount: a full stop followed by anything is refused (the comma separates the
// whole part); a whole part longer than three characters in "тис.грн." is warned about.
bool amountRule(const CardModel &model, RuleContext &ctx, const QString &amountField, const QString &currencyField);

// ---- Others
// A city must be named before its address: the message and the focus to the city.
bool cityRule(const CardModel &model, RuleContext &ctx, const QString &cityField);
// A field left untouched (its empty value) sends the focus on to `target`.
bool jumpIfEmpty(const CardModel &model, RuleContext &ctx, const QString &field, const QString &target);

// A registration number of twelve places: untouched (first place blank) it passes;
// complete but for the optional twelfth letter, or complete with "с"/"c" there, it
// passes; partly filled it fails unless `partlyFilledPasses`. With `needsU` a number
// filled at least to its eleventh place has "U" in place 1 or 5.
struct NumberCheck
{
    bool partlyFilledPasses = false;
    bool needsU = false;
};
bool registrationNumberOk(const QString &value, NumberCheck check);
// The exit rule of a registration number field: "<code>.Помилка в номері" (the field's
// code from the card's table) and the focus back when the number fails.
bool registrationNumberRule(const CardModel &model, RuleContext &ctx, const QString &field, NumberCheck check);

} // namespace commonRules
