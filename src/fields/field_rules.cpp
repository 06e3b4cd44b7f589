#include "fields/field_rules.h"

#include "fields/card_model.h"
#include "fields/edit_mask.h"
#include "fields/rule_context.h"

#include <QDate>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace fieldRules {

namespace {

const QChar kBlank = QLatin1Char(' ');

// A part of a date taken as a number; reports the conversion error when it is none.
std::optional<int> datePart(const QString &part, QStringList &messages)
{
    bool ok = false;
    const int n = part.toInt(&ok);
    if (!ok) {
        messages << conversionError(part);
        return std::nullopt;
    }
    return n;
}

// Shows the messages of a check; each wrong value returns the focus (a conversion
// error ends the check without it, as the old editors' exception did).
bool report(const QStringList &messages, RuleContext &ctx)
{
    for (const QString &m : messages) {
        ctx.message(m);
        if (m == dateError() || m == monthError() || m == dayError())
            ctx.focusBack();
    }
    return messages.isEmpty();
}

} // namespace

// ---- Texts

QString dateError() { return u"Помилка в даті"_s; }
QString monthError() { return u"Помилка в місяці!"_s; }
QString dayError() { return u"Помилка в числі місяця!"_s; }
QString codeNotInList() { return u"Помилка в коді!"_s; }
QString codeRequired() { return u"Помилка в коді! Реквізит обов'язковий."_s; }
QString numberMissing() { return u"Вкажіть порядковий номер!"_s; }
QString legalPerson() { return u"Юридична особа"_s; }
QString naturalPerson() { return u"Фізична особа"_s; }
QString legalLetter() { return u"ю"_s; }
QString naturalLetter() { return u"ф"_s; }
QString legalCodeMask() { return u"99999999;1;_"_s; }
QString naturalCodeMask() { return u"9999999999;1;_"_s; }

QString twoLines(const QString &first, const QString &second)
{
    return first + u"\n\r"_s + second;
}

QString conversionError(const QString &text)
{
    return u"«%1» — не число. Введіть число цифрами."_s.arg(text);
}

// ---- Field values

QString fieldValue(const CardModel &model, const QString &name)
{
    const QString mask = model.mask(name);
    const QString text = model.text(name);
    return mask.isEmpty() ? text : EditMask(mask).fit(text);
}

void assign(CardModel &model, const QString &name, const QString &value)
{
    const QString mask = model.mask(name);
    model.setText(name, mask.isEmpty() ? value : EditMask(mask).fit(value));
}

QString emptyValue(const CardModel &model, const QString &name)
{
    const QString mask = model.mask(name);
    return mask.isEmpty() ? QString() : EditMask(mask).emptyText();
}

void empty(CardModel &model, const QStringList &names)
{
    for (const QString &name : names)
        model.setText(name, emptyValue(model, name));
}

bool countsAsEmpty(const CardModel &model, const QString &name)
{
    const QString text = model.text(name);
    if (text.isEmpty())
        return true;
    const EditMask mask(model.mask(name));
    if (mask.isEmpty())
        return false;
    for (const EditMask::Position &p : mask.positions()) {
        if (p.literal)
            return false;
    }
    return mask.isBlank(text);
}

std::optional<int> numberOf(const QString &text)
{
    bool ok = false;
    const int n = trimBlanks(text).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// ---- Dates

namespace {

// The days of `month` in `year` (two digits: of this century; four: as written); 31 when
// the month itself is wrong, which has its own message.
int daysIn(int month, const QString &year)
{
    if (month < 1 || month > 12)
        return 31;
    bool ok = false;
    int y = year.trimmed().toInt(&ok);
    if (!ok)
        return 31;
    if (year.trimmed().size() <= 2)
        y += 2000;
    return QDate(y, month, 1).daysInMonth();
}

} // namespace

QStringList dateMessages(const QString &text, const QString &emptyText)
{
    if (text.contains(kBlank))
        return text == emptyText ? QStringList() : QStringList{dateError()};
    QStringList messages;
    const std::optional<int> month = datePart(text.mid(3, 2), messages);
    if (!month)
        return messages;
    if (*month < 1 || *month > 12)
        messages << monthError();
    const std::optional<int> day = datePart(text.mid(0, 2), messages);
    if (!day)
        return messages;
    if (*day < 1 || *day > daysIn(*month, text.mid(6)))
        messages << dayError();
    return messages;
}

QStringList monthYearMessages(const QString &text, const QString &emptyText)
{
    if (text.contains(kBlank))
        return text == emptyText ? QStringList() : QStringList{dateError()};
    QStringList messages;
    const std::optional<int> month = datePart(text.mid(0, 2), messages);
    if (month && (*month < 1 || *month > 12))
        messages << monthError();
    return messages;
}

bool dateRule(const CardModel &model, const QString &field, RuleContext &ctx)
{
    return report(dateMessages(fieldValue(model, field), emptyValue(model, field)), ctx);
}

bool monthYearRule(const CardModel &model, const QString &field, RuleContext &ctx)
{
    return report(monthYearMessages(fieldValue(model, field), emptyValue(model, field)), ctx);
}

// ---- Trim on key press

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 0x20)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

QString trimmedValue(const QString &text, const QString &mask)
{
    const QString trimmed = trimBlanks(text);
    return mask.isEmpty() ? trimmed : EditMask(mask).padLiterals(trimmed);
}

bool trimOnKey(CardModel &model, const QString &field)
{
    const QString text = model.text(field);
    const QString trimmed = trimmedValue(text, model.mask(field));
    if (trimmed == text)
        return false;
    model.setText(field, trimmed);
    return true;
}

// ---- Person kind

bool isNaturalPerson(const QString &selectorText)
{
    return selectorText == naturalPerson();
}

QString kindDigit(const QString &selectorText)
{
    if (selectorText == legalPerson())
        return u"1"_s;
    if (selectorText == naturalPerson())
        return u"2"_s;
    return u"0"_s;
}

namespace {

int digitCount(const QString &text)
{
    return int(std::count_if(text.cbegin(), text.cend(), [](QChar ch) { return ch.isDigit(); }));
}

// A code never loses a typed digit to a change of its mask: ten digits typed for a
// natural person keep their ten places when the kind becomes a legal person, and the
// code's length rule asks for eight; the mask narrows once the digits fit.
void setCodeMask(CardModel &model, const QString &field, const QString &mask)
{
    const QString old = model.mask(field);
    if (old == mask)
        return;
    const QString value = fieldValue(model, field);
    if (digitCount(EditMask(mask).refit(value, EditMask(old))) < digitCount(value))
        return;
    model.setMask(field, mask);
}

} // namespace

QString applyPersonKind(CardModel &model, const PersonKindSettings &info, bool natural, KeepDigits keep)
{
    const QString mask = natural ? naturalCodeMask() : legalCodeMask();
    if (!info.codeField.isEmpty() && keep == KeepDigits::Yes)
        setCodeMask(model, info.codeField, mask);
    else if (!info.codeField.isEmpty())
        model.setMask(info.codeField, mask);
    if (!info.label.isEmpty())
        model.setLabel(info.label, natural ? info.naturalText : info.legalText, natural);
    return natural ? naturalLetter() : legalLetter();
}

bool personKindRule(CardModel &model, RuleContext &ctx, const PersonKindSettings &info, QString &letter)
{
    bool passed = true;
    const QStringList entries{legalPerson(), naturalPerson()};
    if (!entries.contains(model.text(info.selector), info.entryCase)) {
        passed = false;
        if (!info.invalidMessage.isEmpty())
            ctx.message(info.invalidMessage);
        if (info.beepOnInvalid)
            ctx.beep();
        if (info.resetInvalidText)
            model.setText(info.selector, legalPerson());
        ctx.focusBack();
    }
    if (!info.numberField.isEmpty() && trimBlanks(model.text(info.numberField)).isEmpty()) {
        passed = false;
        ctx.message(numberMissing());
        ctx.focusTo(info.numberField);
    }
    // A kind not (yet) one of the two changes nothing: the code keeps its mask.
    if (entries.contains(model.text(info.selector), info.entryCase))
        letter = applyPersonKind(model, info, isNaturalPerson(model.text(info.selector)), KeepDigits::Yes);
    return passed;
}

// ---- Party code

QString legalCodeMessage(const QString &prefix)
{
    return twoLines(prefix + u"Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s);
}

QString naturalCodeMessage(const QString &prefix)
{
    return twoLines(prefix + u"Помилка в індивідуальному податковому номері."_s,
                    u"В номері повинно бути 10 цифр"_s);
}

bool partyCodeRule(CardModel &model, RuleContext &ctx, const PartyCodeSettings &info, const QString &letter)
{
    if (!info.numberField.isEmpty() && trimBlanks(model.text(info.numberField)).isEmpty()) {
        ctx.message(numberMissing());
        ctx.focusTo(info.numberField);
        return false;
    }
    // A code kept wider than its kind (digits typed for the other kind) narrows when its
    // digits fit; while they do not, the kind's length is asked for.
    const bool natural = letter == naturalLetter();
    if (natural || letter == legalLetter())
        setCodeMask(model, info.codeField, natural ? naturalCodeMask() : legalCodeMask());
    const QString code = fieldValue(model, info.codeField);
    const bool tooLong = !letter.isEmpty() && digitCount(code) > (natural ? 10 : 8);
    if (!tooLong && (!code.contains(kBlank) || code.trimmed().isEmpty()))
        return true;
    if (letter == legalLetter()) {
        if (info.beepLegal)
            ctx.beep();
        ctx.message(info.legalMessage.isEmpty() ? legalCodeMessage(info.prefix) : info.legalMessage);
        ctx.focusBack();
        return false;
    }
    if (letter == naturalLetter()) {
        ctx.message(info.naturalMessage.isEmpty() ? naturalCodeMessage(info.prefix) : info.naturalMessage);
        ctx.focusBack();
        return false;
    }
    return true;
}

// ---- Code that must come from its list

bool listCodeRule(const CardModel &model, RuleContext &ctx, const QString &field, const QStringList &items,
                  Qt::CaseSensitivity cs, const QString &message)
{
    QStringList list = items;
    if (list.isEmpty()) {
        if (const FieldInfo *info = model.table().find(field))
            list = info->items;
    }
    if (list.contains(model.text(field), cs))
        return true;
    ctx.message(message);
    ctx.focusBack();
    return false;
}

// ---- Clearing

void clearFields(CardModel &model)
{
    for (const FieldInfo &f : model.table().fields()) {
        QString value;
        switch (f.kind) {
        case FieldKind::Masked:
            value = EditMask(model.mask(f.name)).emptyText();
            break;
        case FieldKind::Edit:
        case FieldKind::Memo:
            break;
        case FieldKind::Combo:
            value = f.items.value(0);
            break;
        case FieldKind::Radio:
        case FieldKind::Check:
            value = u"0"_s;
            break;
        case FieldKind::Spin:
            value = model.text(f.name);
            break;
        }
        model.setText(f.name, f.cleared ? *f.cleared : value);
    }
}

} // namespace fieldRules
