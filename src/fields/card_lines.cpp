#include "fields/card_lines.h"

#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/edit_mask.h"
#include "fields/record_lists.h"

void CardLines::field(const QString &field, When when)
{
    const FieldInfo *info = m_model.table().find(field);
    Q_ASSERT_X(info, "CardLines::field", qPrintable(field));
    if (info && (when == When::Always || !m_model.isEmptyValue(field)))
        add(info->code, m_model.text(field));
}

void CardLines::fields(const QStringList &fields, When when)
{
    for (const QString &name : fields)
        field(name, when);
}

void CardLines::records(const QString &code, const QStringList &records)
{
    for (const QString &record : records)
        add(code, record);
}

void CardLines::list(const QString &code, const RecordLists &lists, int list)
{
    records(code, lists.records(list));
}

void CardLines::filledMasks(const QString &code, const QStringList &fields)
{
    for (const QString &f : fields) {
        if (m_model.text(f) != EditMask(m_model.mask(f)).emptyText())
            add(code, m_model.text(f));
    }
}

void CardLines::bilingual(const BilingualTexts &texts, int which)
{
    raw(texts.lines(which));
}

void CardLines::trimmed(const QString &code, const QString &field)
{
    add(code, chopBlanks(m_model.text(field)));
}

QString CardLines::joined(const QStringList &fields) const
{
    QStringList values;
    for (const QString &f : fields)
        values << m_model.text(f);
    return values.join(QLatin1Char('\\'));
}

QString CardLines::chopBlanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}
