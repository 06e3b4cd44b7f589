#include "fields/card_recovery.h"
#include "fields/user_settings.h"
#include "orgs/org_store.h"
#include "spell/speller.h"
#include "support/scoped_places.h"
#include "support/test_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A path as the system compares paths.
QString canonical(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
#ifdef Q_OS_WIN
    return clean.toLower();
#else
    return clean;
#endif
}

bool isInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && canonical(path).startsWith(canonical(folder) + u'/');
}

} // namespace

// Where the clerk's own data lives when nothing is set: the user's folders, which survive
// a new version of the program, never beside the program (Program Files cannot be
// written without an administrator, and an uninstall would take it along).
class DataPlacesTest : public QObject
{
    Q_OBJECT
private slots:
    void userFolders()
    {
        // The tests keep their data elsewhere: look at the places a clerk's program uses.
        QStringList places;
        {
            ScopedPlaces standard([](DataPlaces &p) { p = DataPlaces(); });
            places = QStringList{userSettings::file(), CardRecovery::folder() + u"/x"_s, OrgStore::defaultFile(),
                                 spelling::Speller::wordListFile()};
        }

        const QString program = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
        const QStringList userFolders{qEnvironmentVariable("APPDATA"), qEnvironmentVariable("LOCALAPPDATA")};
        QVERIFY2(!userFolders.first().isEmpty(), "APPDATA is not set");
#else
        const QStringList userFolders{QDir::homePath()};
#endif
        for (const QString &place : places) {
            QVERIFY2(!isInside(place, program), qPrintable(place));
            const bool inUserFolder = std::any_of(userFolders.begin(), userFolders.end(),
                                                  [&place](const QString &f) { return isInside(place, f); });
            QVERIFY2(inUserFolder, qPrintable(place + u" not in "_s + userFolders.join(u", "_s)));
        }
    }
};

ZORVAT_TEST(DataPlacesTest)
#include "data_places_test.moc"
