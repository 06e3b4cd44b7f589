#pragma once

#include <QString>
#include <QStringList>

class PageLayout;

// The two printed pages of the RK card: `TQRRk1` (registration data, executor,
// customer, financing, terms and stages) and `TQRRk2` (title, purpose, results,
// subject codes and signatures). Value elements keep their QR names ("QRLabel9",
// "QRMemo4"); static texts are named "Text1", "Text2", ... in table order.
namespace rkPrintLayouts {

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

} // namespace rkPrintLayouts

// Registers the builders of both pages for every print job; later calls change nothing.
void registerRkLayouts();
