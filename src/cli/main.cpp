#include "cli/cli_commands.h"

#include <QGuiApplication>

#include <csignal>

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
#ifdef SIGXFSZ
    // Past a file size limit a write then fails (EFBIG) and is reported like a full
    // disk, instead of the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // No display is needed: fonts and PDF output work on the offscreen platform. On
    // Windows that platform knows no fonts; the minimal one takes the system's.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
#ifdef Q_OS_WIN
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
#else
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    }
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runCli(args);
}
