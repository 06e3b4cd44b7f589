#include "app/hint_timing.h"
#include "app/main_form.h"
#include "app/qt_platform.h"
#include "print/report_layouts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ЗОРВАТ"));
    QApplication::setQuitOnLastWindowClosed(false);
    hintTiming::install(app);

    QtPlatform platform;
    Platform::install(&platform);

    auto *mainForm = new TMainForm;
    mainForm->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(mainForm, &QObject::destroyed, &app, &QApplication::quit);

    ReportLayouts::instance().createAll();
    platform.createConfirmDialog();

    mainForm->show();
    // Once the main window is up: cards a crash left unsaved.
    QTimer::singleShot(0, mainForm, &TMainForm::offerRecovery);
    return app.exec();
}
