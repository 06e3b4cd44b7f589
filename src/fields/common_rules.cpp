#include "fields/common_rules.h"

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

namespace commonRules {

QString commaMessage() { return u"Ціла частина відокремлюється комою!"_s; }
QString thousandsWarning() { return u"Увага! Cумма вказується в тис.грн."_s; }
QString cityMissing() { return u"Відсутня назва міста !"_s; }

int slotOfField(const BilingualTexts &texts, const QString &field)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (texts.slot(i).field == field)
            return i;
    }
    return -1;
}

bool languageChosen(CardModel &model, const BilingualTexts &texts, const QString &languageField)
{
    bool any = false;
    for (int i = 0; i < texts.size(); ++i) {
        if (texts.slot(i).languageField == languageField) {
            texts.showSelected(model, i);
            any = true;
        }
    }
    return any;
}

void keepShownTexts(const CardModel &model, BilingualTexts &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        texts.keepShown(model, i);
}

bool bothLanguagesRule(CardModel &model, BilingualTexts &texts, int which, RuleContext &ctx,
                       const QString &ukrainianMissing, const QString &englishMissing)
{
    texts.keepShown(model, which);
    const bool english = texts.selected(model, which) == TextLanguage::English;
    const QString uk = texts.text(which, TextLanguage::Ukrainian);
    const QString en = texts.text(which, TextLanguage::English);
    if (en.isEmpty() && english)
        return true;
    QString message;
    QString language;
    if (uk.isEmpty()) {
        message = ukrainianMissing;
        language = u"0"_s;
    } else if (en.isEmpty()) {
        message = englishMissing;
        language = u"1"_s;
    } else {
        return true;
    }
    ctx.message(message);
    model.setText(texts.slot(which).languageField, language);
    model.setText(texts.slot(which).field, QString());
    ctx.focusBack();
    return false;
}

QString missingText(Naming naming, bool english)
{
    if (naming == Naming::Surname)
        return english ? u"Введіть прізвище англійською мовою !"_s : u"Введіть прізвище українською мовою !"_s;
    return english ? u"Введіть назву англійською мовою !"_s : u"Введіть назву українською мовою !"_s;
}

bool bothLanguagesRule(CardModel &model, BilingualTexts &texts, int which, RuleContext &ctx, Naming naming)
{
    return bothLanguagesRule(model, texts, which, ctx, missingText(naming, false), missingText(naming, true));
}

bool amountRule(const CardModel &model, RuleContext &ctx, const QString &amountField, const QString &currencyField)
{
    const QString text = model.text(amountField);
    const qsizetype stop = text.indexOf(QLatin1Char('.'));
    if (stop >= 0 && stop < text.size() - 1) {
        ctx.message(commaMessage());
        ctx.focusBack();
        return false;
    }
    // The thousands are counted in the whole part only; a comma with nothing after it
    // adds no digit.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const QString whole = comma < 0 ? text : text.left(comma);
    if (whole.size() > 3 && model.text(currencyField) == u"тис.грн."_s)
        ctx.message(thousandsWarning());
    return true;
}

bool cityRule(const CardModel &model, RuleContext &ctx, const QString &cityField)
{
    if (model.text(cityField).isEmpty()) {
        ctx.message(cityMissing());
        ctx.focusTo(cityField);
    }
    return true;
}

bool jumpIfEmpty(const CardModel &model, RuleContext &ctx, const QString &field, const QString &target)
{
    if (fieldRules::fieldValue(model, field) == fieldRules::emptyValue(model, field))
        ctx.focusTo(target);
    return true;
}

bool registrationNumberRule(const CardModel &model, RuleContext &ctx, const QString &field, NumberCheck check)
{
    if (registrationNumberOk(fieldRules::fieldValue(model, field), check))
        return true;
    const FieldInfo *info = model.table().find(field);
    ctx.message((info ? info->code : QString()) + u".Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool registrationNumberOk(const QString &value, NumberCheck check)
{
    const qsizetype firstBlank = value.indexOf(QLatin1Char(' '));
    if (firstBlank == 0)
        return true;
    const bool complete = firstBlank < 0;
    if (!complete && firstBlank != 11)
        return check.partlyFilledPasses;
    if (check.needsU && value.size() >= 5 && value.at(0) != QLatin1Char('U') && value.at(4) != QLatin1Char('U'))
        return false;
    // Cyrillic or Latin "с" as the optional last letter.
    return !complete || (value.size() >= 12 && (value.at(11) == QChar(0x0441) || value.at(11) == QLatin1Char('c')));
}

} // namespace commonRules
