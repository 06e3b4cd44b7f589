#pragma once

class OkdModel;
class PrintJob;
class ReportLayouts;

// "Друк..." of the OKD card: fills `TQROkd1` and `TQROkd2` of `layouts` from the
// model (the organisations, names, title and abstract from its private state), hands
// the overflow of the title and then of the abstract to the continuation sheets and
// finishes `job` with both pages. Nothing in the model changes. `job` must place its
// sheets in the same `layouts`.
void okdPrint(const OkdModel &model, PrintJob &job, ReportLayouts &layouts);
