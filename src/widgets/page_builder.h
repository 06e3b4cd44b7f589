#pragma once

#include "fields/page_design.h"

class FieldBinder;
class QWidget;

// Lays out the tab pages of a card editor from its field table and page design: each
// field with its label beside it, grouped in frames under the page's headings, the
// buttons where the design puts them, all inside a scroll area so nothing is cut off
// at any size or scaling.
namespace pageBuilder {

// Builds page `page` (from 0): every field of that page is created and bound through
// `binder`; the labels that follow the card's state are bound too. Returns the
// scroll area to put on the tab.
QWidget *build(const PageDesign &design, int page, FieldBinder &binder, QWidget *parent);

// The tab order: the fields in the order the pages show them, except those the design
// enters after another field; each button after the field the design names.
QStringList tabOrder(const PageDesign &design, const FieldBinder &binder);

} // namespace pageBuilder
