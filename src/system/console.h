#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

// The programs' words on standard output and error, and their command line, the same on
// every system.
namespace console {

// Writes UTF-8 text to `stream` (stdout or stderr). A Windows console gets it through the
// wide console API, so Ukrainian reads right in cmd.exe and PowerShell whatever their code
// page; files, pipes and Linux terminals get the UTF-8 bytes.
void write(std::FILE *stream, const QByteArray &utf8);
void write(std::FILE *stream, const QString &text);

// The program's arguments as the user typed them: on Windows from the wide command line
// (argv is in the ANSI code page, which cannot carry every letter of a file name),
// elsewhere argv as the locale decodes it.
QStringList arguments(int argc, char *argv[]);

} // namespace console
