#include "fields/field_row.h"

#include "fields/edit_mask.h"

using namespace Qt::Literals::StringLiterals;

FieldRow::FieldRow(FieldKind kind, const QString &name, const QString &code)
{
    m_info.name = name;
    m_info.kind = kind;
    m_info.code = code;
    m_info.hint = noHelp();
    if (kind == FieldKind::Radio)
        m_info.defaultValue = u"0"_s;
}

FieldRow &FieldRow::mask(const QString &mask, int length)
{
    m_info.mask = mask;
    m_info.maxLength = length;
    m_info.defaultValue = EditMask(mask).emptyText();
    return *this;
}

FieldRow &FieldRow::range(int minimum, int maximum)
{
    m_info.minimum = minimum;
    m_info.maximum = maximum;
    return *this;
}

QString FieldRow::noHelp()
{
    return u"Допомоги немає"_s;
}

FieldRow languageGroup(const QString &name, const QString &ukrainian, const QString &label)
{
    return FieldRow(FieldKind::Radio, name).items({ukrainian, u"англійська"_s}).columns(3).label(label).choosesView();
}

FieldTable fieldTableOfPages(const QStringList &pageNames, const QList<QList<FieldRow>> &pages)
{
    QList<FieldInfo> fields;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (FieldRow row : pages.at(p))
            fields.append(row.page(int(p)).info());
    }
    return FieldTable(pageNames, fields);
}
