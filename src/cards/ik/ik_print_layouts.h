#pragma once

#include <QString>
#include <QStringList>

class PageLayout;

// The printed IK card: page 1 `TQRIK` (registration numbers, product name, description,
// advantages, completion and transfer) and page 2 `TQRIK1` (investor, first owner,
// head of the organisation, signatures). Value elements keep the form's names
// ("QRLabel10", "QRMemo2"); static texts are "Text1", "Text2", ... in the form's order.
namespace ikPrintLayouts {

// "TQRIK" for page 1, "TQRIK1" for page 2.
QString pageName(int page);

// The value memos of a page, which a print empties and starts with one blank line, and
// how many value lines each shows below that line (0: no value memo).
QStringList valueMemos(const PageLayout &layout);
int valueLines(const QString &layoutName, const QString &memo);

} // namespace ikPrintLayouts

// Makes both pages part of the application's layouts; later calls change nothing.
void registerIkLayouts();
