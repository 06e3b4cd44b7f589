#pragma once

#include <QStringList>

class OkdModel;

// The OKD card lines in the card's order (fileLines), from the private state and the
// fields that are not views of it. Codes are written as they stand.
QStringList okdCardLines(const OkdModel &model);
