#pragma once

#include "fields/page_design.h"

// The seven tab pages of the OK editor: the frames of each page in the order of the
// page tables, the list buttons (co-executors, owners, executor list) and the headings
// above the fields. The executor-list panel's hint is okExecutorListHint().
const PageDesign &okPageDesign();
