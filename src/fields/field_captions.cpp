#include "fields/field_captions.h"

#include "fields/field_row.h"

using namespace Qt::Literals::StringLiterals;

namespace fieldCaptions {

namespace {

bool isFieldCell(const QString &cell)
{
    return !cell.isEmpty() && cell.front() != QLatin1Char('@') && cell.front() != QLatin1Char('#')
        && cell.front() != QLatin1Char('!');
}

class DesignCaptions
{
public:
    DesignCaptions(const FieldTable &table, const PageDesign &design) : m_table(table), m_design(design) {}

    QHash<QString, QString> collect()
    {
        for (const QList<PageBlock> &page : m_design.pages) {
            for (const PageBlock &block : page) {
                const QString frame = block.heading.isEmpty() ? QString() : heading(block.heading);
                for (int row = 0; row < block.rows.size(); ++row) {
                    const QStringList &cells = block.rows.at(row);
                    for (int col = 0; col < cells.size(); ++col) {
                        const QString &cell = cells.at(col);
                        if (!isFieldCell(cell) || !unlabelled(cell))
                            continue;
                        QString caption = block.grid ? column(block, row, col) : QString();
                        if (caption.isEmpty())
                            caption = frame;
                        if (caption.isEmpty())
                            caption = rowCaption(block, row, col);
                        if (!caption.isEmpty())
                            m_out.insert(cell, caption);
                    }
                }
            }
        }
        return m_out;
    }

private:
    bool unlabelled(const QString &field) const
    {
        const FieldInfo *info = m_table.find(field);
        return info && info->label.simplified().isEmpty() && info->spoken.isEmpty();
    }

    QString label(const QString &field) const
    {
        const FieldInfo *info = m_table.find(field);
        return info ? info->label.simplified() : QString();
    }

    QString heading(const QString &field) const
    {
        return m_design.headingAbove ? m_design.headingAbove(field).simplified() : QString();
    }

    // A row is named by its first cell, a label or a field with its label; a row that
    // starts without one and goes on with the same field code (the second line of the
    // rubric codes) is named by the row above.
    QString rowCaption(const PageBlock &block, int row, int col) const
    {
        const QString code = this->code(block.rows.at(row).value(0));
        for (int r = row; r >= 0; --r) {
            const QString first = block.rows.at(r).value(0);
            if (r < row && (code.isEmpty() || this->code(first) != code))
                break;
            if (r == row && col == 0)
                continue; // the field itself
            if (const QString text = label(first.startsWith(QLatin1Char('@')) ? first.mid(1) : first); !text.isEmpty())
                return text;
        }
        return {};
    }

    QString code(const QString &field) const
    {
        const FieldInfo *info = m_table.find(field);
        return info ? info->code : QString();
    }

    // Looks up the column from the row above the field: a label names the column, a
    // heading stands over its own column and the empty ones to its right.
    QString column(const PageBlock &block, int row, int col) const
    {
        for (int above = row - 1; above >= 0; --above) {
            const QStringList &cells = block.rows.at(above);
            const QString cell = cells.value(col);
            if (cell.startsWith(QLatin1Char('@')))
                return label(cell.mid(1));
            if (!cell.isEmpty() && !cell.startsWith(QLatin1Char('#')))
                continue; // a field of an earlier row of the same column
            for (int left = qMin(col, int(cells.size()) - 1); left >= 0; --left) {
                const QString &spanning = cells.at(left);
                if (spanning.startsWith(QLatin1Char('#'))) {
                    const QString text = heading(spanning.mid(1));
                    if (text.isEmpty())
                        break;
                    return u"%1, стовпець %2"_s.arg(text).arg(col - left + 1);
                }
                if (left < col && !spanning.isEmpty())
                    break;
            }
        }
        return {};
    }

    const FieldTable &m_table;
    const PageDesign &m_design;
    QHash<QString, QString> m_out;
};

} // namespace

QString own(const FieldInfo &info)
{
    if (!info.spoken.isEmpty())
        return info.spoken;
    if (const QString label = info.label.simplified(); !label.isEmpty())
        return label;
    // The hint of a field that has none of its own says just that.
    if (const QString hint = info.hint.section(QLatin1Char('\n'), 0, 0).simplified();
        !hint.isEmpty() && hint != FieldRow::noHelp())
        return hint;
    if (!info.code.isEmpty())
        return u"Поле з кодом %1"_s.arg(info.code);
    return {};
}

QHash<QString, QString> fromDesign(const FieldTable &table, const PageDesign &design)
{
    return DesignCaptions(table, design).collect();
}

QString withoutCode(const QString &caption, const QString &code)
{
    QString out = caption.simplified();
    if (!code.isEmpty() && out.startsWith(code))
        out.remove(0, code.size());
    while (!out.isEmpty() && (out.front() == QLatin1Char('.') || out.front().isSpace()))
        out.remove(0, 1);
    return out;
}

QString title(const FieldInfo &info)
{
    const QString label = withoutCode(info.label, info.code);
    QString out = info.code.isEmpty() ? u"поле"_s : u"поле з кодом %1"_s.arg(info.code);
    if (!label.isEmpty())
        out += u" «%1»"_s.arg(label);
    else if (info.code.isEmpty())
        out += QLatin1Char(' ') + info.name;
    return out;
}

} // namespace fieldCaptions
