#include "fields/entry_list.h"

#include "fields/card_model.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

// ---- EntryList

bool EntryList::holds(int n) const
{
    return n >= 1 && n <= m_slots.size() && !m_slots.at(n - 1).file.isEmpty();
}

QString EntryList::file(int n) const
{
    return n >= 1 && n <= m_slots.size() ? m_slots.at(n - 1).file : QString();
}

QString EntryList::display(int n) const
{
    if (n < 1 || n > m_slots.size())
        return {};
    const Slot &s = m_slots.at(n - 1);
    return s.display.isEmpty() ? s.file : s.display;
}

void EntryList::set(int n, const QString &file, const QString &display)
{
    if (n < 1)
        return;
    if (m_slots.size() < n)
        m_slots.resize(n);
    m_slots[n - 1] = Slot{file, display};
}

void EntryList::clear(int n)
{
    if (n >= 1 && n <= m_slots.size())
        m_slots[n - 1] = Slot{};
}

void EntryList::clearAll()
{
    m_slots.clear();
}

int EntryList::last() const
{
    for (int n = int(m_slots.size()); n >= 1; --n) {
        if (holds(n))
            return n;
    }
    return 0;
}

QStringList EntryList::files() const
{
    QStringList out;
    for (int n = 1; holds(n); ++n)
        out << file(n);
    return out;
}

QStringList EntryList::displays() const
{
    QStringList out;
    for (int n = 1; holds(n); ++n)
        out << display(n);
    return out;
}

void EntryList::remove(int n)
{
    if (n < 1 || n > m_slots.size())
        return;
    m_slots.removeAt(n - 1);
    for (int k = n; k <= m_slots.size(); ++k) {
        Slot &s = m_slots[k - 1];
        if (!s.file.isEmpty())
            s.file = renumbered(s.file, k);
        if (!s.display.isEmpty())
            s.display = renumbered(s.display, k);
    }
}

QString EntryList::join(const QStringList &items)
{
    return items.join(QLatin1Char('\\'));
}

QStringList EntryList::items(const QString &record)
{
    return record.split(QLatin1Char('\\'));
}

QString EntryList::item(const QString &record, int k)
{
    return items(record).value(k - 1);
}

QString EntryList::renumbered(const QString &record, int number)
{
    const qsizetype cut = record.indexOf(QLatin1Char('\\'));
    return QString::number(number) + (cut < 0 ? QString() : record.mid(cut));
}

// ---- Entry list rules

namespace entryLists {

QString customerBounds() { return u"Кількість замовників від 1 до 200"_s; }
QString coExecutorBounds() { return u"Кількість співвиконавців від 1 до 50"_s; }
QString stageBounds() { return u"Кількість етапів від 1 до 15"_s; }
QString ownerUnnamed()
{
    return u"Спочатку введіть найменування цього власника: без нього власник не зберігається."_s;
}
QString sequenceError() { return u"Помилка в послідовності номерів !"_s; }

std::optional<int> number(const CardModel &model, const EntryListSettings &info)
{
    return fieldRules::numberOf(model.text(info.numberField));
}

void showEntry(CardModel &model, const EntryList &list, int n, const EntryListSettings &info, QString *letter)
{
    fieldRules::empty(model, info.emptiedFields);
    model.setText(info.numberField, QString::number(n));
    if (!list.holds(n))
        return;
    const QStringList items = EntryList::items(list.display(n));
    QString selector;
    if (info.kind) {
        // The selector first, so the code field has its mask before it gets its value.
        selector = info.kind->selector;
        const qsizetype at = info.itemFields.indexOf(selector);
        if (at >= 0) {
            model.setText(selector, items.value(at + 1));
            const QString l = fieldRules::applyPersonKind(model, *info.kind,
                                                          fieldRules::isNaturalPerson(model.text(selector)));
            if (letter)
                *letter = l;
        }
    }
    for (qsizetype i = 0; i < info.itemFields.size(); ++i) {
        const QString &field = info.itemFields.at(i);
        if (field.isEmpty() || field == selector)
            continue;
        fieldRules::assign(model, field, items.value(i + 1));
    }
}

bool mayStepNext(RuleContext &ctx, const EntryList &list, int n, const EntryListSettings &info,
                 const QString &boundsFocus)
{
    if (n >= info.maximum) {
        ctx.message(info.boundsMessage);
        if (!boundsFocus.isEmpty())
            ctx.focusTo(boundsFocus);
        return false;
    }
    if (!list.holds(n)) {
        ctx.message(info.unnamedMessage);
        ctx.focusTo(info.nameField);
        return false;
    }
    return true;
}

QString compose(const CardModel &model, const QString &number, const QStringList &fields)
{
    QStringList items{number};
    for (const QString &f : fields)
        items << model.text(f);
    return EntryList::join(items);
}

} // namespace entryLists
