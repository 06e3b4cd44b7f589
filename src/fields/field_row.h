#pragma once

#include "fields/field_table.h"

#include <QList>
#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

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
    FieldRow &dateMask() { return mask(u"99.99.99;1;_"_s, 8); }
    FieldRow &rubricMask() { return mask(u"99.99.99.99;1;_"_s, 11); }
    FieldRow &maxLength(int length) { m_info.maxLength = length; return *this; }
    FieldRow &items(const QStringList &items) { m_info.items = items; return *this; }
    FieldRow &byDefault(const QString &value) { m_info.defaultValue = value; return *this; }
    FieldRow &label(const QString &text) { m_info.label = text; return *this; }
    FieldRow &hint(const QString &text) { m_info.hint = text; return *this; }
    FieldRow &marks() { m_info.marks = true; return *this; }
    FieldRow &spoken(const QString &caption) { m_info.spoken = caption; return *this; }
    FieldRow &choosesView() { m_info.view = true; return *this; }
    FieldRow &cleared(const QString &value) { m_info.cleared = value; return *this; }
    FieldRow &noEnter() { m_info.noEnter = true; return *this; }
    FieldRow &vScroll() { m_info.vScroll = true; return *this; }
    FieldRow &columns(int count) { m_info.columns = count; return *this; }
    FieldRow &range(int minimum, int maximum);
    FieldRow &page(int page) { m_info.page = page; return *this; }
    const FieldInfo &info() const { return m_info; }

    static QString noHelp(); // "Допомоги немає"

private:
    FieldInfo m_info;
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
