#pragma once

#include "fields/field_row.h"

#include <QString>
#include <QStringList>

// The IK card's input fields, pages and the fixed texts around them, as data. The
// editor builds its widgets from these; clearModel, the card lines and the model read
// the same table.
const FieldTable &ikFieldTable();

// The heading standing above a field ("" for none) and the hint of a whole tab page
// (empty for pages without one).
QString ikHeadingAbove(const QString &field);
QString ikPageHint(int page);

// Component names of the labels whose text, colour or visibility the card changes,
// by the field they belong to ("ed2459" -> "Label27").
QString ikLabelName(const QString &field);

// Fields whose choice from the drop-down list (not a key) marks the card modified.
const QStringList &ikClickMarkFields();

// The six subject-heading code fields, in the order of their card lines (the first is
// entered last).
const QStringList &ikRubricFields();

// The fields of the owner record after its number and kind, in the order of its items.
const QStringList &ikOwnerFields();
