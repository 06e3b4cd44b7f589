#pragma once

#include <QStringList>

class RkModel;

// The RK card lines in the card's order (fileLines). The customer, co-executor and stage
// shown are stored into their lists first.
QStringList rkCardLines(RkModel &model);
