#pragma once

#include <QList>
#include <QString>

#include <memory>

class QTabWidget;
class QWidget;

// The yardstick of the editors' opening: the same tab pages with as many plain Qt fields,
// labels, group boxes and buttons as a card's editor has, with no rules, binder or
// wiring. An editor's opening is reported as a ratio to it, which holds from one machine
// to another where milliseconds do not.
struct PageShape
{
    int groups = 0, labels = 0, lines = 0, combos = 0, memos = 0, checks = 0, radios = 0, spins = 0,
        buttons = 0;
};
using FormShape = QList<PageShape>;

// What the pages of a built editor hold.
FormShape shapeOf(const QTabWidget &pages);
// As text for a probe's command line, and back.
QString shapeText(const FormShape &shape);
FormShape shapeFromText(const QString &text);

// A window of those pages, not yet shown.
std::unique_ptr<QWidget> buildBareForm(const FormShape &shape);
