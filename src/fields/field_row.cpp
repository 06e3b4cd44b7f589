#include "fields/field_row.h"

#include "fields/edit_mask.h"

FieldRow::FieldRow(FieldKind kind, const QString &name, const QString &code)
{
    m_spec.name = name;
    m_spec.kind = kind;
    m_spec.code = code;
    m_spec.hint = noHelp();
    if (kind == FieldKind::Radio)
        m_spec.defaultValue = QStringLiteral("0");
}

FieldRow &FieldRow::mask(const QString &mask, int length)
{
    m_spec.mask = mask;
    m_spec.maxLength = length;
    m_spec.defaultValue = EditMask(mask).emptyText();
    return *this;
}

FieldRow &FieldRow::range(int minimum, int maximum)
{
    m_spec.minimum = minimum;
    m_spec.maximum = maximum;
    return *this;
}

QString FieldRow::noHelp()
{
    return QStringLiteral("Допомоги немає");
}

FieldRow languageGroup(const QString &name, const QString &ukrainian, const QString &label)
{
    return FieldRow(FieldKind::Radio, name).items({ukrainian, QStringLiteral("англійська")}).columns(3).label(label);
}

FieldTable fieldTableOfPages(const QStringList &pageNames, const QList<QList<FieldRow>> &pages)
{
    QList<FieldSpec> fields;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (FieldRow row : pages.at(p))
            fields.append(row.page(int(p)).info());
    }
    return FieldTable(pageNames, fields);
}
