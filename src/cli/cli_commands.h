#pragma once

#include <QStringList>

// Runs `zorvat-card` with its arguments (without the program name); returns the exit
// status: 0 done (check: all files clean), 1 problems found, 2 usage or file errors.
int runCli(const QStringList &args);
