#pragma once

#include <QString>
#include <QStringList>

class PageLayout;

// The two printed pages of the OK card: `TQROk1` (registration data, stage, executor,
// co-executors, first owner, financing) and `TQROk2` (title, abstract, report data,
// subject, heads, executor list, signatures). Value elements are named after the field
// they print ("ed5436", "mm9036"), cut marks "mark..."; static texts "Text1", "Text2",
// ... in table order.
namespace okPrintLayouts {

QString page1();
QString page2();

void buildPage1(PageLayout &layout);
void buildPage2(PageLayout &layout);

// The value memos of a page, which a print empties and starts with one blank line.
QStringList valueMemos(const PageLayout &layout);
// How many value lines a memo shows below its blank first line; 0 for no value memo.
int valueLines(const QString &layoutName, const QString &memo);

// The names of the executor-list row `row` (1 or 2): name, position, degree.
QStringList executorRow(int row);

} // namespace okPrintLayouts

// Registers both page builders with ReportLayouts; later calls change nothing.
void registerOkLayouts();
