#include "support/test_registry.h"

#include "fields/data_places.h"
#include "fields/platform.h"
#include "fields/user_settings.h"
#include "orgs/org_store.h"
#include "spell/speller.h"
#include "support/fake_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QFont>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace testRegistry {

static std::vector<std::pair<const char *, std::function<QObject *()>>> &entries()
{
    static std::vector<std::pair<const char *, std::function<QObject *()>>> e;
    return e;
}

void add(const char *name, std::function<QObject *()> make)
{
    entries().emplace_back(name, std::move(make));
}

} // namespace testRegistry

int main(int argc, char **argv)
{
    // The tests never open a real window. Wine passes no QT_ variable of the Linux
    // environment on to the program, so the platform is chosen here too. Its screen is a
    // desktop's 1920×1080, where the windows open at their own size; the runs on small
    // screens name theirs.
    // The platform's options are separated by colons, so the file is named without a
    // drive: a name in the working folder, one per test program running.
    const QString config = u"zorvat-test-screen-%1.json"_s.arg(QCoreApplication::applicationPid());
    // Some tests change the working folder: the file is removed by its whole path.
    const QString configPath = QDir::current().absoluteFilePath(config);
    const auto removeConfig = qScopeGuard([&configPath] { QFile::remove(configPath); });
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly)
            && file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                          R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                > 0) {
            file.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
#ifdef Q_OS_WIN
    // Qt's offscreen platform on Windows reads its fonts from one folder, and knows no
    // other: the tests get the metric twins of Arial and Times New Roman (Liberation).
    const QString fonts = qEnvironmentVariable("ZORVAT_TEST_FONTS");
    if (!fonts.isEmpty())
        qputenv("QT_QPA_FONTDIR", fonts.toLocal8Bit());
    // Without a console window Qt on Windows sends the test log to the debugger; CTest
    // reads standard output.
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
#endif
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont::insertSubstitution(u"Times New Roman"_s, u"Liberation Serif"_s);
    QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);
    // In place of the windows' own font on Windows (Segoe UI, 9 points).
    QApplication::setFont(QFont(u"Liberation Sans"_s, 9));
#endif
    FakePlatform fallback;
    Platform::install(&fallback);
    // The tests keep their data in places of their own, never in the clerk's: the
    // editors' recovery copies, the settings the windows remember, the word list and
    // the directory of organisations.
    QTemporaryDir recoveryFolder;
    QTemporaryDir settingsFolder;
    DataPlaces places;
    places.recoveryFolder = recoveryFolder.path();
    places.settingsFile = settingsFolder.filePath(u"zorvat.ini"_s);
    places.wordListFile = settingsFolder.filePath(u"words.txt"_s);
    places.organisationsFile = settingsFolder.filePath(u"organisations.sqlite"_s);
    DataPlaces::use(places);
    // ZORVAT_TEST_CLASS runs one class alone, so that its functions can be named.
    const QByteArray only = qgetenv("ZORVAT_TEST_CLASS");
    int failed = 0;
    for (auto &[name, make] : testRegistry::entries()) {
        if (!only.isEmpty() && only != name)
            continue;
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
