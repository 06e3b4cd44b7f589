#pragma once

#include <QStringList>

class IkModel;

// The IK card lines in the card's order (fileLines). The owner shown is stored into the
// owner list first.
QStringList ikCardLines(IkModel &model);
