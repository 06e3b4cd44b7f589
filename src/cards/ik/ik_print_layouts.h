#pragma once

#include <QHash>
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

// The size of the subject codes' line on page 1, `QRMemo12`. Its box holds four codes
// in that size; a print of five or six sets the line smaller, so every code is shown.
constexpr int kRubricCodesSize = 15;

// The value memos of a page, which a print empties and starts with one blank line, and
// by layout name how many value lines each shows below that line.
QStringList valueMemos(const PageLayout &layout);
const QHash<QString, int> &lineCounts(const QString &layoutName);

} // namespace ikPrintLayouts

// Registers the builders of both pages for every print job; later calls change nothing.
void registerIkLayouts();
