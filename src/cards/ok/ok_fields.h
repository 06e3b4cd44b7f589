#pragma once

#include "fields/field_row.h"

#include <QList>
#include <QString>
#include <QStringList>

// The OK card's input fields, pages and the fixed texts around them, as data. The
// editor builds its widgets from these; clearModel, the card lines and the model read
// the same table.
const FieldTable &okFieldTable();

// The heading standing above a field ("" for none); the hint of a whole tab page
// (empty for pages without one) and of the executor-list panel.
QString okHeadingAbove(const QString &field);
QString okPageHint(int page);
QString okExecutorListHint();

// Component names of the labels whose text, colour or visibility the card changes,
// by the field they belong to ("ed2457" -> "Label30").
QString okLabelName(const QString &field);

// Fields whose choice from the drop-down list (not a key) marks the card modified.
const QStringList &okClickMarkFields();

// The fields of the two financing lines, in the order of their items: source (which
// stands in place of a field code), currency, amount.
const QList<QStringList> &okFinancingRows();

// The six subject-heading code fields, in the order of their card lines.
const QStringList &okRubricFields();
