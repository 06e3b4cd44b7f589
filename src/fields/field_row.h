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

// A table from the rows of its tab pages, in tab order; each row gets its page.
FieldTable fieldTableOfPages(const QStringList &pageNames, const QList<QList<FieldRow>> &pages);

// A framed group of fields on a tab page, as an editor lays it out. Form rows put the
// first field's label in the left column and the row's fields (later ones with their
// labels) beside it; "!name" is a list button. Grid rows are a table: a field, "@field"
// its label, "#field" the heading above that field spanning the rest of the row, ""
// an empty cell. `heading` names the field whose heading titles the frame.
struct FieldBlock
{
    QString heading;
    bool grid = false;
    QList<QStringList> rows;
};

// A heading that stands on a page above a group of fields.
struct FieldHeading
{
    int page = 0;
    QString text;
    QString above; // component name of the first field of the group
};

// A button of a record list, with the field after which it comes in the tab order.
struct ListButton
{
    QString name;
    QString text;
    QString after;
};
