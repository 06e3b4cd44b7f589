#include "fields/list_rules.h"

#include "fields/card_model.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

#include <utility>

int ListHolder::listShown(int list)
{
    return recordLists().shownNumber(listModel(), list, listSettings(list));
}

void ListHolder::showListEntry(int list, int n)
{
    recordLists().showEntry(listModel(), list, n, listSettings(list), listLetter(list));
}

ListRules::ListRules(ListHolder &holder, QList<ListRuleSettings> settingsList)
    : m_holder(holder), m_settings(std::move(settingsList)), m_remembered(m_settings.size(), 0)
{
}

int ListRules::listOfNumberField(const QString &field) const
{
    for (int list = 0; list < m_settings.size(); ++list) {
        if (m_settings.at(list).info.numberField == field)
            return list;
    }
    return -1;
}

void ListRules::enterNumber(int list)
{
    store(list);
    m_remembered[list] = m_holder.listShown(list);
}

bool ListRules::removeRemembered(int list, int remembered)
{
    if (remembered <= 0 || !m_holder.listEntries(list).holds(remembered))
        return false;
    m_holder.removeListEntry(list, remembered);
    const int left = int(m_holder.listEntries(list).files().size());
    // With no entry left the number field keeps a number, so the next entry typed is stored.
    m_holder.showListEntry(list, qMax(1, left));
    return true;
}

bool ListRules::leaveNumber(int list, RuleContext &ctx)
{
    const ListRuleSettings &s = m_settings.at(list);
    CardModel &model = m_holder.listModel();
    const QString &field = s.info.numberField;
    const int remembered = std::exchange(m_remembered[list], 0);
    const int current = m_holder.listCurrent(list);
    const auto showNumber = [&](int n) {
        if (n != current)
            m_holder.showListEntry(list, n);
        model.setText(field, QString::number(n));
    };

    QString text = fieldRules::trimBlanks(model.text(field));
    if (text.isEmpty()) {
        if (removeRemembered(list, remembered))
            return true;
        showNumber(s.emptyMeansFirst ? 1 : current);
        return true;
    }
    const std::optional<int> n = fieldRules::numberOf(text);
    if (!n) {
        ctx.message(fieldRules::conversionError(text));
        model.setText(field, QString::number(current));
        ctx.focusBack();
        return false;
    }
    if (*n > s.info.maximum) {
        ctx.message(s.typedBoundsMessage.isEmpty() ? s.info.boundsMessage : s.typedBoundsMessage);
        model.setText(field, QString::number(current));
        if (!s.boundsFocus.isEmpty())
            ctx.focusTo(s.boundsFocus);
        return true;
    }
    // Never beyond the first empty slot, so that the list keeps no gap.
    const int firstFree = int(m_holder.listEntries(list).files().size()) + 1;
    int ceiling = firstFree;
    if (s.ceiling == ListRuleSettings::Ceiling::Current)
        ceiling = qMin(current, firstFree);
    else if (s.ceiling == ListRuleSettings::Ceiling::AnchorNext && remembered > 0)
        ceiling = qMin(firstFree, remembered + 1);
    if (*n < 1 || *n > ceiling) {
        ctx.message(entryLists::sequenceError());
        showNumber(*n >= 1 && s.ceiling == ListRuleSettings::Ceiling::AnchorNext ? ceiling : current);
        return true;
    }
    showNumber(*n);
    return true;
}

void ListRules::step(int list, int delta, RuleContext &ctx)
{
    const ListRuleSettings &s = m_settings.at(list);
    store(list);
    int n = m_holder.listShown(list);
    if (n == 0)
        n = m_holder.listCurrent(list);
    if (delta < 0) {
        if (n <= 1)
            return;
        m_holder.showListEntry(list, n - 1);
        if (!s.previousFocus.isEmpty())
            ctx.focusTo(s.previousFocus);
        return;
    }
    // The bound holds here, whatever the focus does after the button.
    if (!entryLists::mayStepNext(ctx, m_holder.listEntries(list), n, s.info, s.nextBoundsFocus))
        return;
    m_holder.showListEntry(list, n + 1);
    if (!s.nextFocus.isEmpty())
        ctx.focusTo(s.nextFocus);
}

bool ListRules::click(const QString &button, RuleContext &ctx)
{
    for (int list = 0; list < m_settings.size(); ++list) {
        if (button == m_settings.at(list).nextButton) {
            step(list, 1, ctx);
            return true;
        }
        if (button == m_settings.at(list).previousButton) {
            step(list, -1, ctx);
            return true;
        }
    }
    return false;
}

QStringList ListRules::buttons() const
{
    QStringList names;
    for (const ListRuleSettings &s : m_settings)
        names << s.nextButton << s.previousButton;
    return names;
}
