#include "fields/field_table.h"

FieldTable::FieldTable(QStringList pages, QList<FieldInfo> fields)
    : m_pages(std::move(pages)), m_fields(std::move(fields))
{
    m_index.reserve(m_fields.size());
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (!m_index.contains(m_fields.at(i).name))
            m_index.insert(m_fields.at(i).name, i);
    }
}

const FieldInfo *FieldTable::find(const QString &name) const
{
    // Clearing, reading and writing a card look up every field by name.
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? nullptr : &m_fields.at(*it);
}
