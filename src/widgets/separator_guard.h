#pragma once

class QMenu;
class QWidget;

// "\" separates the items of a card line, so no field may take it: installed on a text
// field (edit, memo, masked field, editable combo box, spin box), it refuses "\" typed,
// pasted, dropped or inserted from the context menu, and tells the clerk why.
namespace separatorGuard {
void install(QWidget *field);
// Makes the "Paste" of a context menu built for `field` elsewhere (the spelling menu of a
// memo) go the way of Ctrl+V, and so through the guard.
void routePaste(QMenu *menu, QWidget *field);
} // namespace separatorGuard
