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

using namespace Qt::Literals::StringLiterals;

namespace {

const QCommandLineOption kHelp({u"h"_s, u"help"_s}, u"ця довідка"_s);
const QCommandLineOption kVersion({u"v"_s, u"version"_s}, u"версія програми"_s);
const QCommandLineOption kGuide({u"g"_s, u"guide"_s}, u"посібник користувача"_s);

// The options Qt takes for itself when the application starts (those of its window
// system plugins too); the first ones take a value.
const QStringList kQtOptionsWithValue = {
    u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s,
    u"plugin"_s, u"qwindowgeometry"_s, u"qwindowicon"_s,
    u"qwindowtitle"_s, u"session"_s, u"style"_s,
    u"stylesheet"_s, u"display"_s, u"geometry"_s, u"title"_s,
    u"name"_s, u"icon"_s, u"qmljsdebugger"_s, u"fontengine"_s};
const QStringList kQtFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s,
                              u"dograb"_s, u"sync"_s};

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
    parser.addPositionalArgument(u"ФАЙЛ"_s, u"файл картки"_s, u"[ФАЙЛ...]"_s);
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
    QString text = u"Виклик: zorvat [ПАРАМЕТР] [ФАЙЛ...]\n\n"
        "ЗОРВАТ - підготовка карток державної реєстрації НДР і ДКР, науково-технічної продукції\n"
        "та дисертацій: реєстраційної картки (РК), облікової картки (ОК), інформаційної картки\n"
        "(ІК НТП) і облікової картки дисертації (ОКД).\n\n"
        "Кожен ФАЙЛ картки відкривається у новому вікні картки того типу, з якого починається\n"
        "ім'я файлу: RK, OK, OKD або IK (великими чи малими літерами).\n\n"
        "Параметри:\n"_s;
    for (const QCommandLineOption *option : {&kHelp, &kVersion, &kGuide}) {
        const QStringList names = option->names();
        text += u"  -%1, --%2"_s.arg(names.at(0), names.at(1)).leftJustified(17) + option->description()
              + QLatin1Char('\n');
    }
    return text;
}

QString versionText()
{
    return QString::fromUtf8("zorvat " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE);
}

QString commandLineError(const CommandLine &line)
{
    QString text;
    for (const QString &name : line.unknownOptions)
        text += u"zorvat: невідомий параметр «%1»\n"_s.arg(name);
    return text + u"Довідка: zorvat --help\n"_s;
}

void openCardFiles(MainWindow &mainForm, const QStringList &files)
{
    for (const QString &file : files) {
        const CardKind *kind = cardKindOfFileName(file);
        if (!kind) {
            Platform::instance().message(
                u"Файл «%1» не відкрито: ім'я файлу картки має починатися з RK, OK, OKD або IK "
                               "(чи РК, ОК, ОКД, ІК): за ним видно тип картки."_s
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
