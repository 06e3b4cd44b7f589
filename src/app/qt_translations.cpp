#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // qtbase_uk holds every text of the Qt modules the program uses (dialogs, the print
    // preview, the standard edit menu). The Windows programs carry it in "translations"
    // beside them; on Linux it is Qt's own.
    const QLocale ukrainian(QLocale::Ukrainian, QLocale::Ukraine);
    for (const QString &folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(ukrainian, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
