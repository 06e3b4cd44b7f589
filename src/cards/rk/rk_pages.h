#pragma once

#include <QString>
#include <QStringList>

class FieldBinder;
class QWidget;

// The six tab pages of the RK editor, laid out from the RK field table: each field
// with its label beside it, grouped in frames under the page's headings, the list
// buttons under their lists, all inside a scroll area so nothing is cut off at any
// size or scaling.
namespace rkPages {

// Builds page `page` (from 0): every field of that page is created and bound through
// `binder`; the labels that follow the card's state are bound too. Returns the
// scroll area to put on the tab.
QWidget *build(int page, FieldBinder &binder, QWidget *parent);

// The list buttons by component name, with the field after which each comes in the
// tab order.
struct Button
{
    QString name;
    QString text;
    QString after;
};
const QList<Button> &buttons();

} // namespace rkPages
