#pragma once

#include "fields/field_row.h"

#include <QString>
#include <QStringList>

// The OKD card's input fields, pages and the fixed texts around them, as data. The
// editor builds its widgets from these; clearModel, the card lines and the model read
// the same table.
const FieldTable &okdFieldTable();

// The 52 degree abbreviations: the doctor's degrees, then the candidate's of the same
// sciences. A value must match one exactly.
const QStringList &okdDegrees();

// The heading standing above a field or a note of a page ("" for none).
QString okdHeadingAbove(const QString &field);

// Component names of the labels whose text or visibility the card changes, by the
// field they belong to ("edCod" -> "lb3").
QString okdLabelName(const QString &field);

// Fields whose choice from the drop-down list (not a key) marks the card modified.
const QStringList &okdClickMarkFields();

// The six subject-heading code fields, in the order of their card lines.
const QStringList &okdRubricFields();

// The fields of supervisor n (1..3) and opponent n (1..4): name, degree, title,
// speciality 1, speciality 2.
QStringList okdSupervisorFields(int n);
QStringList okdOpponentFields(int n);
