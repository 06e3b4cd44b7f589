#pragma once

class PrintJob;
class ReportLayouts;
class RkModel;

// "Друк" of the RK card: stores the entries shown into their lists, fills `TQRRk1`
// and `TQRRk2` of `layouts` from the model, hands the long texts' overflow to the
// continuation sheets in their fixed order and finishes `job` with both pages. No
// field of the model changes. `job` must place its sheets in the same `layouts`.
void rkPrint(RkModel &model, PrintJob &job, ReportLayouts &layouts);
