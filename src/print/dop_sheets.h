#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

class PageLayout;

// The continuation sheets: sheet 1 `TQRDop` with the heading and the card's title,
// sheets 2 and on `TQRDop1`, `TQRDop2`, ... with text only. Every card fills as many as
// its texts need, so no line is left off the paper.
namespace dopSheets {

constexpr int kSheetsAtStart = 10; // `TQRDop` .. `TQRDop9`, made with the other layouts
constexpr int kFirstSheetLines = 57;
constexpr int kLaterSheetLines = 63;
// Width of the sheets' text memo: long texts are wrapped to it.
constexpr double kTextWidth = 701;

// Element names.
inline QString heading() { return u"QRLabel1"_s; }
inline QString titleCaption() { return u"QRLabel2"_s; }
inline QString titleCaption2() { return u"QRLabel3"_s; }
inline QString titleMemo() { return u"QRMemo1"_s; }
inline QString textMemo() { return u"QRMemo2"_s; }
inline QString number() { return u"QRL1"_s; }
// What sheet 1 says beside the card's title unless a card's print says otherwise.
inline QString workTitleCaption() { return u"Назва роботи"_s; }

// "TQRDop" for sheet 1, "TQRDop1" for sheet 2, and so on.
QString layoutName(int sheet);
// The sheet number of a layout name; 0 for a layout that is no continuation sheet.
int sheetOf(const QString &layoutName);

// Puts the static content of the sheet's layout in place.
void build(PageLayout &layout);

// Index of the first line that goes to `sheet` (sheet 1: 0, sheet 2: 57, ...).
int firstLine(int sheet);
// The sheet that takes the next line when `placed` lines are already placed: sheet 1
// holds 57 lines, every later sheet 63.
int sheetForLine(int placed);

} // namespace dopSheets
