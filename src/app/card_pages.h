#pragma once

#include <QString>

#include <functional>

class FieldBinder;
class QTabWidget;
class QWidget;
struct PageDesign;

// The tab pages of a card editor as its page design draws them.
namespace cardPages {

// Builds every page of the card into `tabs`, with its name and hint, and gives every
// field without a label of its own what its page shows for it as its accessible name.
void build(const PageDesign &design, FieldBinder &binder, QTabWidget &tabs);
// Tab goes through the fields and buttons of `window` in the order the design gives.
void chainTabOrder(const PageDesign &design, FieldBinder &binder, QWidget &window);
// The first field of `page` in that order that takes the focus now; `resolve` gives
// the widget that takes it for a field (a radio group's chosen button).
QWidget *firstField(const PageDesign &design, FieldBinder &binder, QWidget *page,
                    const std::function<QWidget *(const QString &)> &resolve);

} // namespace cardPages
