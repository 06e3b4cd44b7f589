#include "fields/field_table.h"

FieldTable::FieldTable(QStringList pages, QList<FieldSpec> fields)
    : m_pages(std::move(pages)), m_fields(std::move(fields))
{
}

const FieldSpec *FieldTable::find(const QString &name) const
{
    for (const FieldSpec &f : m_fields) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}
