#pragma once

#include <QStringList>

class QApplication;

// zorvat-bench --probe editor ID | bareform SHAPE | main | bare: one window opened in
// this new process, for the cold and start-up rows; prints the editor's (or the form's)
// milliseconds, then ends at once.
int runOpenProbe(QApplication &app, const QStringList &args);
