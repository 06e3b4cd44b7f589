#pragma once

#include "fields/field_table.h"
#include "fields/page_design.h"

#include <QHash>
#include <QString>

// What a screen reader calls an input field: the caption the clerk sees with it, on one
// line, so that the clerk who listens knows which field the focus is in.
namespace fieldCaptions {

// From the field table alone: the field's label, else the first line of its hint, else
// its field code; empty when it has none of them.
QString own(const FieldInfo &info);

// A caption without the field code it starts with ("7021. Шифр роботи" -> "Шифр роботи").
QString withoutCode(const QString &caption, const QString &code);

// "поле з кодом 7021 «Шифр роботи»", as messages name a field: the label loses the
// code it starts with; a field with neither code nor label goes by its name.
QString title(const FieldInfo &info);

// For the fields without a label of their own: what their page shows in its place. In
// a table the label over the field's column, or the heading spanning it with the
// column's number under it; else the title of the field's frame; else the label that
// starts the field's row (or the nearest row above it that starts with one).
QHash<QString, QString> fromDesign(const FieldTable &table, const PageDesign &design);

} // namespace fieldCaptions
