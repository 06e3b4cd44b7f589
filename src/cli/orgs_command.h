#pragma once

#include <QStringList>

// "zorvat-card orgs import DIR... | list [--json] | export FILE.csv": the directory of
// organisations without the program's window. Returns the exit status.
int runOrgs(const QStringList &args, bool json);
