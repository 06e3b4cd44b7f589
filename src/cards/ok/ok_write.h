#pragma once

#include <QStringList>

class OkModel;

// The OK card lines in the card's order (fileLines). The owner, co-executor and person of
// the executor list shown are stored into their lists first.
QStringList okCardLines(OkModel &model);
