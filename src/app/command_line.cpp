#include "app/command_line.h"

#include "app/card_editor.h"
#include "app/main_window.h"
#include "cardfile/card_reader.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "fields/platform.h"
#include "zorvat_version.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("ця довідка"));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("версія програми"));
const QCommandLineOption kGuide({QStringLiteral("g"), QStringLiteral("guide")}, QStringLiteral("посібник користувача"));

// The options Qt takes for itself when the application starts (those of its window
// system plugins too); the first ones take a value.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("style"),
    QStringLiteral("stylesheet"), QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("title"),
    QStringLiteral("name"), QStringLiteral("icon"), QStringLiteral("qmljsdebugger"), QStringLiteral("fontengine")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"), QStringLiteral("sync")};

bool takesValue(const QString &name)
{
    return kQtOptionsWithValue.contains(name);
}

bool isQtOption(const QString &name)
{
    return takesValue(name) || kQtFlags.contains(name);
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-platform xcb" is one option, as Qt reads it, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    parser.addOption(kGuide);
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"), QStringLiteral("файл картки"), QStringLiteral("[ФАЙЛ...]"));
    // Unknown options are collected, not fatal: before the application object exists
    // Qt's own options (-platform, -style) still stand among the arguments.
    parser.parse(arguments);
    CommandLine line;
    line.files = parser.positionalArguments();
    const QStringList unknown = parser.unknownOptionNames();
    // Each wrong option as the clerk typed it ("--bogus"), once, in order.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--"))
            break;
        if (!arg.startsWith(QLatin1Char('-')) || arg.size() < 2)
            continue;
        const QString typed = arg.section(QLatin1Char('='), 0, 0);
        QString name = typed;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (isQtOption(name)) {
            if (takesValue(name) && !arg.contains(QLatin1Char('=')))
                ++i;
            continue;
        }
        if (unknown.contains(name) && !line.unknownOptions.contains(typed))
            line.unknownOptions << typed;
    }
    line.help = parser.isSet(kHelp);
    line.version = parser.isSet(kVersion);
    line.guide = parser.isSet(kGuide);
    return line;
}

QString commandLineHelp()
{
    QString text = QStringLiteral(
        "Виклик: zorvat [ПАРАМЕТР] [ФАЙЛ...]\n\n"
        "ЗОРВАТ - підготовка карток державної реєстрації НДР і ДКР, науково-технічної продукції\n"
        "та дисертацій: реєстраційної картки (РК), облікової картки (ОК), інформаційної картки\n"
        "(ІК НТП) і облікової картки дисертації (ОКД).\n\n"
        "Кожен ФАЙЛ картки відкривається у новому вікні картки того типу, з якого починається\n"
        "ім'я файлу: RK, OK, OKD або IK (великими чи малими літерами).\n\n"
        "Параметри:\n");
    for (const QCommandLineOption *option : {&kHelp, &kVersion, &kGuide}) {
        const QStringList names = option->names();
        text += QStringLiteral("  -%1, --%2").arg(names.at(0), names.at(1)).leftJustified(17) + option->description()
              + QLatin1Char('\n');
    }
    return text;
}

QString versionText()
{
    return QStringLiteral("zorvat " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE);
}

QString commandLineError(const CommandLine &line)
{
    QString text;
    for (const QString &name : line.unknownOptions)
        text += QStringLiteral("zorvat: невідомий параметр «%1»\n").arg(name);
    return text + QStringLiteral("Довідка: zorvat --help\n");
}

void openCardFiles(MainWindow &mainForm, const QStringList &files)
{
    for (const QString &file : files) {
        const CardKind *kind = cardKindOfFileName(file);
        if (!kind) {
            Platform::instance().message(
                QStringLiteral("Файл «%1» не відкрито: ім'я файлу картки має починатися з RK, OK, OKD або IK "
                               "(чи РК, ОК, ОКД, ІК): за ним видно тип картки.")
                    .arg(bareFileName(file)));
            continue;
        }
        // Checked before an editor opens, so that no empty window stands for a file
        // that is not there.
        if (const QString reason = unreadableReason(file); !reason.isEmpty()) {
            Platform::instance().ioError(readFailureMessage(file, reason));
            continue;
        }
        // Absolute: the file dialogs change the current folder later.
        mainForm.openEditor(kind->type())->document().openChosen(QFileInfo(file).absoluteFilePath());
    }
}
