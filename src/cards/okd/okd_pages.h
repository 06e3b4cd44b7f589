#pragma once

#include "fields/page_design.h"

// The five tab pages of the OKD editor: the frames of each page in the order of the
// page tables, the headings above the fields and the labels the card's state changes.
const PageDesign &okdPageDesign();
