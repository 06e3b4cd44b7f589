#pragma once

#include "fields/field_table.h"

#include <QList>
#include <QString>
#include <QStringList>

// One row of a card's field table, written as a chain:
// FieldRow(kind, name, code).label(...).marks(). A field without a hint of its own
// shows "Допомоги немає"; a radio group starts on its first entry.
class FieldRow
{
public:
    FieldRow(FieldKind kind, const QString &name, const QString &code = {});

    // A masked field starts with its empty mask.
    FieldRow &mask(const QString &mask, int length);
    // The masks several cards share: a date "99.99.99" and a subject code "99.99.99.99".
    FieldRow &dateMask() { return mask(QStringLiteral("99.99.99;1;_"), 8); }
    FieldRow &rubricMask() { return mask(QStringLiteral("99.99.99.99;1;_"), 11); }
    FieldRow &maxLength(int length) { m_spec.maxLength = length; return *this; }
    FieldRow &items(const QStringList &items) { m_spec.items = items; return *this; }
    FieldRow &byDefault(const QString &value) { m_spec.defaultValue = value; return *this; }
    FieldRow &label(const QString &text) { m_spec.label = text; return *this; }
    FieldRow &hint(const QString &text) { m_spec.hint = text; return *this; }
    FieldRow &marks() { m_spec.marks = true; return *this; }
    FieldRow &cleared(const QString &value) { m_spec.cleared = value; return *this; }
    FieldRow &noEnter() { m_spec.noEnter = true; return *this; }
    FieldRow &vScroll() { m_spec.vScroll = true; return *this; }
    FieldRow &columns(int count) { m_spec.columns = count; return *this; }
    FieldRow &range(int minimum, int maximum);
    FieldRow &page(int page) { m_spec.page = page; return *this; }
    const FieldSpec &info() const { return m_spec; }

    static QString noHelp(); // "Допомоги немає"

private:
    FieldSpec m_spec;
};

// A radio group choosing the language a two-language text is shown in: `ukrainian`
// (its text varies between the groups by a trailing blank) and "англійська", in
// three columns, on its first entry.
FieldRow languageGroup(const QString &name, const QString &ukrainian, const QString &label);

// A table from the rows of its tab pages, in tab order; each row gets its page.
FieldTable fieldTableOfPages(const QStringList &pageNames, const QList<QList<FieldRow>> &pages);

// Short names for writing a card's field table.
namespace fieldTableRows {
using F = FieldRow;
using K = FieldKind;
using Page = QList<FieldRow>;
} // namespace fieldTableRows

// A heading that stands on a page above a group of fields.
struct FieldHeading
{
    int page = 0;
    QString text;
    QString above; // component name of the first field of the group
};
