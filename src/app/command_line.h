#pragma once

#include <QString>
#include <QStringList>

class MainWindow;

// The command line of `zorvat`: card files to open, --help and --version.
struct CommandLine
{
    QStringList files;
    QStringList unknownOptions;
    bool help = false;
    bool version = false;
    // The user guide alone, without the main window (the Start menu's "ЗОРВАТ — посібник").
    bool guide = false;
};

// `arguments` starts with the program's name, as QCoreApplication::arguments() does.
CommandLine parseCommandLine(const QStringList &arguments);
// What --help and --version print.
QString commandLineHelp();
QString versionText();
// Why the program does not start: the unknown options and where help is found.
QString commandLineError(const CommandLine &line);

// Opens each card file in a new editor of the type its name starts with, as
// "Відкрити..." does after its dialog. A file whose name tells no card type, or that
// cannot be read, opens no editor; the clerk is told why through the platform.
void openCardFiles(MainWindow &mainForm, const QStringList &files);
