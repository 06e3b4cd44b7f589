#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // qtbase_uk holds every text of the Qt modules the program uses (dialogs, the print
    // preview, the standard edit menu). The Windows programs carry it in "translations"
    // beside them; on Linux it is Qt's own.
    const QLocale ukrainian(QLocale::Ukrainian, QLocale::Ukraine);
    for (const QString &folder : {QCoreApplication::applicationDirPath() + u"/translations"_s,
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(ukrainian, u"qtbase"_s, u"_"_s, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
