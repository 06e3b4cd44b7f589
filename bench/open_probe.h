#pragma once

#include <QStringList>

class QApplication;

// zorvat-bench --probe editor ID | main | bare: one window opened in this new process,
// for the cold and start-up rows; prints the editor's milliseconds, then ends at once.
int runOpenProbe(QApplication &app, const QStringList &args);
