#include "cli/cli_commands.h"

#include <QGuiApplication>

namespace {

// Qt's own notes (about run-time folders, fonts and the like) are no business of a
// batch user; only serious messages reach standard error.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || qEnvironmentVariableIsSet("ZORVAT_CARD_DEBUG"))
        qt_message_output(type == QtFatalMsg ? QtFatalMsg : QtCriticalMsg, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
    // No display is needed: fonts and PDF output work on the offscreen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runCli(args);
}
