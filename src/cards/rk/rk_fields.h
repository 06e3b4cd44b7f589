#pragma once

#include "fields/field_row.h"

#include <QList>
#include <QString>
#include <QStringList>

// The RK card's input fields, pages and the fixed texts around them, as data. The
// editor builds its widgets from these; clearModel, the card lines and the model read
// the same table.
const FieldTable &rkFieldTable();

using RkHeading = FieldHeading;
const QList<RkHeading> &rkHeadings();

// Hint of a whole tab page; empty for pages without one.
QString rkPageHint(int page);

// Component names of the labels whose text, colour or visibility the card changes,
// by the field they belong to ("ed2457" -> "Label30").
QString rkLabelName(const QString &field);

// Fields whose mouse click (not a key) marks the card modified.
const QStringList &rkClickMarkFields();

// The two entries of every person kind selector.
const QStringList &rkPersonKinds();

// Financing source codes accepted in a financing line; the selection boxes offer all
// but "7715", which is still written when typed.
const QStringList &rkFinancingSources();

// The fields of the two financing rows, in the order of their line's items: source,
// currency, total, then the six yearly amounts.
const QList<QStringList> &rkFinancingRows();

// The six year headings of the "FING" line and the six subject-heading code fields.
const QStringList &rkYearFields();
const QStringList &rkRubricFields();
