#include "app/startup.h"

#include "app/hint_timing.h"
#include "app/qt_translations.h"
#include "spell/speller.h"
#include "zorvat_version.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(u"ЗОРВАТ"_s);
    QApplication::setApplicationVersion(QString::fromUtf8(ZORVAT_VERSION));
    QApplication::setDesktopFileName(u"zorvat"_s);
    if (!installQtTranslations(app))
        qWarning("Qt's Ukrainian translations (qt_uk.qm) are not installed: standard dialogs speak English");
    QIcon icon;
    for (QDirIterator it(u":/hicolor"_s, QDirIterator::Subdirectories); it.hasNext();) {
        if (const QString file = it.next(); file.endsWith(QLatin1String("/zorvat.png")))
            icon.addFile(file);
    }
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
    hintTiming::install(app);
    // The spell checker is the application's: it goes with it, before Qt's own ends.
    new spelling::Speller(&app);
}
