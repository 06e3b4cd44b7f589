#pragma once

#include <QString>

class IkModel;
class PrintJob;
class ReportLayouts;

// "Друк" of the IK card: stores the owner shown into the owner lists, fills `TQRIK` and
// `TQRIK1` of `layouts` from the model, hands the long texts' overflow and the owners
// after the first to the continuation sheets in their fixed order, and finishes `job`
// with both pages; sheet 1 names the product beside its title while this print shows
// it. No field of the model changes. `job` must place its sheets in the same `layouts`.
void ikPrint(IkModel &model, PrintJob &job, ReportLayouts &layouts);

// The sentence on page 2 that the data may be published; a restricted card goes without.
QString ikPublicationSentence();
