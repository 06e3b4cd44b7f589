#include "app/command_line.h"
#include "app/guide_window.h"
#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/startup.h"
#include "system/console.h"
#include "zorvat_version.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file size limit a save then fails (EFBIG) and is reported like a full disk,
    // instead of the signal ending the program with the card unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Help and version need no display: they are answered before Qt looks for one.
    const CommandLine early = parseCommandLine(console::arguments(argc, argv));
    if (early.help || early.version) {
        console::write(stdout, early.help ? commandLineHelp() : versionText());
        return 0;
    }
    // A wrong call is answered before the window system starts, so also without a display.
    if (!early.unknownOptions.isEmpty()) {
        console::write(stderr, commandLineError(early));
        return 2;
    }

    QApplication app(argc, argv);
    prepareApplication(app);
    // Qt has taken its own options out of the arguments by now.
    const CommandLine line = parseCommandLine(QApplication::arguments());
    if (!line.unknownOptions.isEmpty()) {
        console::write(stderr, commandLineError(line));
        return 2;
    }

    QtPlatform platform;
    Platform::install(&platform);

    if (line.guide) {
        auto *guide = new GuideWindow;
        guide->setAttribute(Qt::WA_DeleteOnClose);
        guide->show();
        return app.exec();
    }

    auto *mainForm = new MainWindow;
    mainForm->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(mainForm, &QObject::destroyed, &app, &QApplication::quit);

    mainForm->show();
    // Once the main window is up: the card files named on the command line, then cards
    // a crash left unsaved.
    QTimer::singleShot(0, mainForm, [mainForm, files = line.files] {
        openCardFiles(*mainForm, files);
        mainForm->offerRecovery();
    });
    return app.exec();
}
