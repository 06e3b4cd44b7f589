#include "app/startup.h"

#include "app/hint_timing.h"
#include "app/qt_translations.h"
#include "zorvat_version.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("ЗОРВАТ"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVAT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("zorvat"));
    if (!installQtTranslations(app))
        qWarning("Qt's Ukrainian translations (qt_uk.qm) are not installed: standard dialogs speak English");
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/hicolor"), QDirIterator::Subdirectories); it.hasNext();) {
        if (const QString file = it.next(); file.endsWith(QLatin1String("/zorvat.png")))
            icon.addFile(file);
    }
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
    hintTiming::install(app);
}
