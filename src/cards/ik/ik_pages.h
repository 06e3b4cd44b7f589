#pragma once

#include "fields/page_design.h"

// The five tab pages of the IK editor: the frames of each page in the order of the
// page tables, the owner list buttons and the headings above the fields.
const PageDesign &ikPageDesign();
