#pragma once

#include "fields/page_design.h"

// The six tab pages of the RK editor: the frames of each page, the list buttons and
// the headings above the fields.
const PageDesign &rkPageDesign();
