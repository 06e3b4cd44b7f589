#pragma once

#include "cardfile/atomic_write.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of a card file: every line followed by CR LF, then one more CR LF, so
// the file ends with an empty line.
QByteArray cardFileBytes(const QStringList &lines);

// Lines that the code page cannot carry, as a Ukrainian description naming each
// line's field code and its characters; empty when all lines can be written.
QString unencodableReport(const QStringList &lines);

// Writes the card file in one write and replaces `path` atomically: on any failure
// (a character the code page cannot carry, a full disk) the previous file stays as it
// was and nothing is left behind.
WriteResult writeCardFile(const QString &path, const QStringList &lines);
