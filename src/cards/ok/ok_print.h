#pragma once

class OkModel;
class PrintJob;
class ReportLayouts;

// "Друк" of the OK card: stores the owner, co-executor and executor-list person shown
// into their lists when they have a name, fills `TQROk1` and `TQROk2` of `layouts` from
// the model, hands the overflow to the continuation sheets in its fixed order and
// finishes `job` with both pages. No other field or list changes. `job` must place its
// sheets in the same `layouts`.
void okPrint(OkModel &model, PrintJob &job, ReportLayouts &layouts);
