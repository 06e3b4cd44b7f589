#pragma once

#include <QString>
#include <QStringList>

class PageLayout;

// The printed OK card: page 1 `TQROk1` (registration data, stage, executor,
// co-executors, first owner, financing) and page 2 `TQROk2` (title, abstract, report
// data, subject, heads, executor list, signatures). Value elements bear the name of the
// field they print ("ed5436", "mm9036"), cut marks "mark..."; static texts "Text1",
// "Text2", ... in the form's order.
namespace okPrintLayouts {

// "TQROk1" for page 1, "TQROk2" for page 2.
QString pageName(int page);

// The value memos of a page, which a print empties and starts with one blank line, and
// how many value lines each shows below that line (0: no value memo).
QStringList valueMemos(const PageLayout &layout);
int valueLines(const QString &layoutName, const QString &memo);

// Name, position and degree of executor-list row 1 or 2 of page 2.
QStringList executorRow(int row);

} // namespace okPrintLayouts

// Registers the builders of both pages for every print job; later calls change nothing.
void registerOkLayouts();
