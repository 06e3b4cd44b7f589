#pragma once

#include <QString>
#include <QStringList>

class PageLayout;

// The two printed pages of the IK card: `TQRIK` (registration numbers, product name,
// description, advantages, completion and transfer) and `TQRIK1` (investor, first
// owner, head of the organisation and signatures). Value elements keep their QR names
// ("QRLabel10", "QRMemo2"); static texts are named "Text1", "Text2", ... in table order.
namespace ikPrintLayouts {

QString page1();
QString page2();

// Put the static content of a page in place: texts, value elements, frames.
void buildPage1(PageLayout &layout);
void buildPage2(PageLayout &layout);

// The value memos of a page, which a print empties and starts with one blank line.
QStringList valueMemos(const PageLayout &layout);

// How many value lines a memo must show below its blank first line: the lines a long
// text keeps on the card, or one for a single value. 0 for a name that is no value memo.
int valueLines(const QString &layoutName, const QString &memo);

} // namespace ikPrintLayouts

// Registers both page builders with ReportLayouts; later calls change nothing. Pages
// registered after the layouts were created are rebuilt at once.
void registerIkLayouts();
