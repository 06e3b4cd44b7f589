#pragma once

class QWidget;

// "\" separates the items of a card line, so no field may take it: installed on a text
// field (edit, memo, masked field, editable combo box, spin box), it refuses "\" typed,
// pasted, dropped or inserted from the context menu, and tells the clerk why.
namespace separatorGuard {
void install(QWidget *field);
} // namespace separatorGuard
