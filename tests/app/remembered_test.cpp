#include "app/card_editor.h"
#include "app/main_window.h"
#include "fields/card_document.h"
#include "fields/user_settings.h"
#include "support/scoped_places.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A settings file of the test's own, so that no test finds what another left.
class ScopedSettings
{
public:
    ScopedSettings() = default;

private:
    QTemporaryDir m_dir;
    ScopedPlaces m_places{[this](DataPlaces &p) { p.settingsFile = m_dir.filePath(u"zorvat.ini"_s); }};
    QString m_old;
};

void addCardRows()
{
    QTest::addColumn<int>("type");
    QTest::newRow("RK") << int(CardType::RK);
    QTest::newRow("OK") << int(CardType::OK);
    QTest::newRow("IK") << int(CardType::IK);
    QTest::newRow("OKD") << int(CardType::OKD);
}

QString cardFile(const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    writeFile(path, "7021\\1\r\n\r\n");
    return path;
}

// Closes an editor that has no changes and waits until it is gone.
bool closeEditor(CardEditor *editor)
{
    QPointer<CardEditor> guard(editor);
    editor->close();
    return QTest::qWaitFor([&guard] { return guard.isNull(); });
}

// The list as its menu shows it when it opens.
QStringList menuTexts(const MainWindow &form)
{
    emit form.recentCardsMenu()->aboutToShow();
    QStringList texts;
    for (const QAction *action : form.recentCardsMenu()->actions())
        texts << action->text();
    return texts;
}

} // namespace

class RememberedTest : public QObject
{
    Q_OBJECT
private slots:
    // The open and the save dialog of a card type start in the folder last chosen in
    // each, in any editor of that type; other types, and a folder since removed, start
    // in the home folder.
    void dialogsStartWhereTheyWereLast_data() { addCardRows(); }
    void dialogsStartWhereTheyWereLast()
    {
        QFETCH(int, type);
        const CardType card = CardType(type);
        const CardType other = card == CardType::RK ? CardType::OK : CardType::RK;
        ScopedSettings settings;
        ScopedFakePlatform fake;
        fake.allowMessages();
        QTemporaryDir opened, saved;
        const QString prefix = cardKind(card).defaultFileName();
        const QString file = cardFile(QDir(opened.path()), prefix + u"1.txt"_s);
        MainWindow form;

        CardEditor *first = form.openEditor(card);
        fake.expectOpen(file);
        first->openCard();
        fake.expectSave(QDir(saved.path()).filePath(prefix + u"2.txt"_s));
        QVERIFY(first->saveCard());
        QVERIFY(closeEditor(first));

        CardEditor *next = form.openEditor(card);
        fake.expectOpen(QString());
        next->openCard();
        fake.expectSave(QString());
        QVERIFY(!next->saveCard());
        CardEditor *another = form.openEditor(other);
        fake.expectOpen(QString());
        another->openCard();
        QVERIFY(opened.remove());
        fake.expectOpen(QString());
        next->openCard();
        QCOMPARE(fake.unexpected(), QStringList());

        QStringList folders;
        for (const FileChoice &choice : fake.fileChoices())
            folders << choice.directory;
        const QString home = QDir::homePath();
        QCOMPARE(folders, (QStringList{home, home, opened.path(), saved.path(), home, home}));
    }

    // The list keeps each file once, newest first, at most eight, with the type of the
    // editor it was used in.
    void recentCardsList_data()
    {
        QTest::addColumn<QStringList>("used"); // "<type id>:<name>", oldest first
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("newest first") << QStringList{u"rk:a"_s, u"ok:b"_s} << QStringList{u"ok:b"_s, u"rk:a"_s};
        QTest::newRow("used again goes to the top, once")
            << QStringList{u"rk:a"_s, u"ok:b"_s, u"rk:./a"_s} << QStringList{u"rk:a"_s, u"ok:b"_s};
        QTest::newRow("the type of the editor used last")
            << QStringList{u"rk:a"_s, u"ok:a"_s} << QStringList{u"ok:a"_s};
        QStringList nine;
        for (int i = 1; i <= 9; ++i)
            nine << u"ik:%1"_s.arg(i);
        QStringList lastEight;
        for (int i = 9; i >= 2; --i)
            lastEight << u"ik:%1"_s.arg(i);
        QTest::newRow("the ninth pushes the oldest out") << nine << lastEight;
        QStringList eightReused = nine.mid(0, 8);
        eightReused << u"ik:8"_s << u"ik:./8"_s << u"ik:8"_s;
        QTest::newRow("a file used again takes no second place")
            << eightReused << QStringList{lastEight.mid(1) + QStringList{u"ik:1"_s}};
    }
    void recentCardsList()
    {
        QFETCH(QStringList, used);
        QFETCH(QStringList, listed);
        ScopedSettings settings;
        QTemporaryDir dir;
        for (const QString &entry : used) {
            const CardKind *kind = cardKindById(entry.section(u':', 0, 0));
            userSettings::addRecentCard(dir.filePath(entry.section(u':', 1)), kind->type());
        }
        QStringList got;
        for (const userSettings::RecentCard &card : userSettings::recentCards())
            got << cardKind(card.type).id() + u':' + QDir(dir.path()).relativeFilePath(card.path);
        QCOMPARE(got, listed);
    }

    // A list edited by hand: its size is no promise, and an entry it cannot use is passed
    // by (a size of two thousand million once kept the window from coming up for minutes).
    void recentCardsReadWithBounds()
    {
        ScopedSettings settings;
        QTemporaryDir dir;
        userSettings::addRecentCard(dir.filePath(u"RK_1.txt"_s), CardType::RK);
        {
            QSettings ini(userSettings::file(), QSettings::IniFormat);
            ini.setValue(u"recentCards/size"_s, 2000000000);
            ini.setValue(u"recentCards/2/file"_s, dir.filePath(u"OK_2.txt"_s));
            ini.setValue(u"recentCards/2/card"_s, u"ok"_s);
            ini.setValue(u"recentCards/3/card"_s, u"нема"_s);
            ini.setValue(u"recentCards/3/file"_s, dir.filePath(u"OK_3.txt"_s));
        }
        QStringList got;
        for (const userSettings::RecentCard &card : userSettings::recentCards())
            got << QFileInfo(card.path).fileName();
        QCOMPARE(got, (QStringList{u"RK_1.txt"_s, u"OK_2.txt"_s}));
    }

    // Files opened or saved in any editor come into the main window's list; each opens
    // in the editor of its type: by its name, else the editor it was used in. A file
    // gone is marked and cannot be chosen.
    void recentCardsOpenFromTheMainWindow()
    {
        ScopedSettings settings;
        ScopedFakePlatform fake;
        fake.allowMessages();
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString ok = cardFile(folder, u"OK_robota.txt"_s);
        const QString gone = cardFile(folder, u"RK_stara.txt"_s);
        MainWindow form;
        QCOMPARE(menuTexts(form), QStringList{u"Список порожній"_s});

        CardEditor *rk = form.openEditor(CardType::RK);
        fake.expectOpen(gone);
        rk->openCard();
        // An OK card opened in the RK editor, as to take over its common data.
        fake.expectOpen(ok);
        rk->openCard();
        CardEditor *ik = form.openEditor(CardType::IK);
        fake.expectSave(folder.filePath(u"kartka.txt"_s));
        QVERIFY(ik->saveCard());
        QVERIFY(QFile::remove(gone));
        QCOMPARE(fake.unexpected(), QStringList());

        form.updateRecentCards();
        const QList<QAction *> actions = form.recentCardsMenu()->actions();
        QCOMPARE(actions.size(), 3);
        const QString where = QDir::toNativeSeparators(dir.path());
        QCOMPARE(actions.at(0)->text(), u"&1  kartka.txt  —  "_s + where);
        QCOMPARE(actions.at(1)->text(), u"&2  OK_robota.txt  —  "_s + where);
        QCOMPARE(actions.at(2)->text(), u"&3  RK_stara.txt  —  "_s + where + u"  (файл не знайдено)"_s);
        QVERIFY(actions.at(0)->isEnabled() && actions.at(1)->isEnabled());
        QVERIFY(!actions.at(2)->isEnabled());

        actions.at(1)->trigger();
        CardEditor *opened = form.newestEditor(CardType::OK);
        QVERIFY(opened);
        QCOMPARE(opened->document().openedName(), ok);
        actions.at(0)->trigger();
        CardEditor *saved = form.newestEditor(CardType::IK);
        QVERIFY(saved && saved != ik);
        QCOMPARE(saved->document().openedName(), folder.filePath(u"kartka.txt"_s));
        QCOMPARE(fake.unexpected(), QStringList());
        QVERIFY(form.exitFlow());
    }

    // An editor opens with the size and place the last closed editor of its type had;
    // another type keeps its own; a place off every screen comes back onto one.
    void windowKeepsItsPlace()
    {
        ScopedSettings settings;
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *first = form.openEditor(CardType::OKD);
        const QSize fresh = first->size();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect placed(available.topLeft() + QPoint(40, 30), QSize(fresh.width() - 60, fresh.height() - 50));
        first->setGeometry(placed);
        QVERIFY(closeEditor(first));

        CardEditor *again = form.openEditor(CardType::OKD);
        QCOMPARE(again->geometry(), placed);
        QVERIFY(form.openEditor(CardType::RK)->size() != placed.size());

        again->move(available.bottomRight() + QPoint(3000, 2000));
        QVERIFY(closeEditor(again));
        CardEditor *back = form.openEditor(CardType::OKD);
        QVERIFY2(available.intersects(back->frameGeometry()), qPrintable(u"%1,%2"_s.arg(back->x()).arg(back->y())));
        QCOMPARE(back->size(), placed.size());

        // Editors still open when the program ends leave their places too, the newest
        // of a type last.
        CardEditor *older = form.openEditor(CardType::IK);
        CardEditor *newer = form.openEditor(CardType::IK);
        older->setGeometry(placed);
        const QRect newest = placed.translated(20, 10).adjusted(0, 0, -30, -20);
        newer->setGeometry(newest);
        QVERIFY(form.exitFlow());
        MainWindow nextRun;
        QCOMPARE(nextRun.openEditor(CardType::IK)->geometry(), newest);
        QVERIFY(nextRun.exitFlow());
    }
};

ZORVAT_TEST(RememberedTest)
#include "remembered_test.moc"
