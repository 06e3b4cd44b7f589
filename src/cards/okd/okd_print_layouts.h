#pragma once

#include <QHash>
#include <QString>

// The printed OKD card: page 1 `TQROkd1` (registration data, applicant, council, the
// three organisations, title) and page 2 `TQROkd2` (abstract, results, quantities,
// supervisors, opponents, classification, chairman, signatures). Value elements keep
// their QR names ("QRLabel14", "QRMemo3"); static texts are "Text1", "Text2", ...
namespace okdPrintLayouts {

// "TQROkd1" for page 1, "TQROkd2" for page 2.
QString pageName(int page);

// The value memos of a page by name, which a print empties and starts with one blank
// line, with how many value lines each shows below that line.
const QHash<QString, int> &lineCounts(const QString &layoutName);

} // namespace okdPrintLayouts

// Registers the builders of both pages for every print job; later calls change nothing.
void registerOkdLayouts();
