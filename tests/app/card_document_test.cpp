#include "fields/card_document.h"

#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"
#include "support/file_size_limit.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"
#include "test_kind.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

class CardDocumentTest : public QObject
{
    Q_OBJECT
private slots:
    void freshDocument()
    {
        TestKind kind;
        CardDocument doc(kind);
        QVERIFY(!doc.modified());
        QVERIFY(!doc.saveItemEnabled());
        QVERIFY(!doc.printItemEnabled());
        QVERIFY(!doc.saveButtonEnabled());
        QVERIFY(!doc.continuationEnabled());
        QCOMPARE(doc.caption(), QStringLiteral("Реєстраційна карта НДР і ДКР (РК)"));
    }

    void endInputGate()
    {
        TestKind kind;
        CardDocument doc(kind);
        doc.endInput();
        QVERIFY(doc.saveItemEnabled() && doc.printItemEnabled() && doc.saveButtonEnabled());
        doc.markModified();
        QVERIFY(doc.modified());
        // A key release disables the menu items; the speed buttons stay as they were.
        QVERIFY(!doc.saveItemEnabled());
        QVERIFY(!doc.printItemEnabled());
        QVERIFY(doc.saveButtonEnabled());
    }

    void saveNameRules_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("defaultName");
        QTest::newRow("RK") << int(CardType::RK) << QStringLiteral("RK");
        QTest::newRow("OK") << int(CardType::OK) << QStringLiteral("OK");
        QTest::newRow("OKD") << int(CardType::OKD) << QStringLiteral("OKD");
        QTest::newRow("IK") << int(CardType::IK) << QStringLiteral("IK");
    }
    void saveNameRules()
    {
        QFETCH(int, type);
        QFETCH(QString, defaultName);
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind{CardType(type)};
        CardDocument doc(kind);
        const QString first = dir.filePath(QStringLiteral("first.txt"));
        const QString other = dir.filePath(QStringLiteral("other.txt"));
        writeFile(other, "5256\\1\r\n\r\n");

        fake.expectSave(first);
        QVERIFY(doc.saveAs());
        fake.expectOpen(other);
        QVERIFY(doc.open());
        fake.expectSave(QString()); // cancelled
        QVERIFY(!doc.saveAs());
        QVERIFY(fake.unexpected().isEmpty());

        const QList<FileChoice> choices = fake.fileChoices();
        QCOMPARE(choices.size(), 3);
        QCOMPARE(choices[0].initialName, defaultName);
        QCOMPARE(choices[0].filter, QStringLiteral("Текстові файли|*.txt"));
        QCOMPARE(choices[0].defaultSuffix, QStringLiteral("txt"));
        // An open does not change the save name.
        QCOMPARE(choices[2].initialName, first);
        QCOMPARE(doc.saveName(), first);
        const bool allFiles = CardType(type) != CardType::RK;
        QCOMPARE(choices[1].filter, allFiles ? QStringLiteral("Усі файли|*.*") : QStringLiteral("Текстові файли|*.txt"));
        QCOMPARE(choices[1].directory, QDir::homePath());
    }

    void saveWritesLinesAndClearsFlag()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        doc.model().setText(QStringLiteral("mm9027"), QStringLiteral("Назва\r\nроботи"));
        doc.markModified();
        const QString path = dir.filePath(QStringLiteral("RK.txt"));
        fake.expectSave(path);
        QVERIFY(doc.saveAs());
        QVERIFY(!doc.modified());
        QCOMPARE(readAll(path), cp1251::encode(QStringLiteral("5256\\5\r\n9027\\1\\Назва\r\nроботи\r\n\r\n")));
    }

    void failedSaveKeepsFlagAndOldFile_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("toFolder");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("inPrompt");
        QTest::newRow("character outside the code page") << QStringLiteral("Ω≠") << false << QStringLiteral("9027") << false;
        QTest::newRow("folder chosen as file") << QStringLiteral("ok") << true << ioReason(EISDIR) << false;
        QTest::newRow("disk full") << QStringLiteral("ok") << false << ioReason(EFBIG) << false;
        // The failure ends the prompt's command; the question is not asked again.
        QTest::newRow("disk full, saved from the prompt") << QStringLiteral("ok") << false << ioReason(EFBIG) << true;
    }
    void failedSaveKeepsFlagAndOldFile()
    {
        QFETCH(QString, value);
        QFETCH(bool, toFolder);
        QFETCH(QString, reason);
        QFETCH(bool, inPrompt);
        if (reason == ioReason(EFBIG))
            FILE_SIZE_LIMIT_OR_SKIP();
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString path = toFolder ? dir.path() : dir.filePath(QStringLiteral("RK.txt"));
        if (!toFolder)
            writeFile(path, "old");
        doc.model().setText(QStringLiteral("mm9027"), value);
        doc.markModified();
        if (inPrompt)
            fake.expectQuestion(Platform::Answer::Yes);
        fake.expectSave(path);
        fake.expectIoError();
        {
            // Only the disk-full rows come near the limit: the others fail before writing.
            const FileSizeLimit full{0};
            QVERIFY(inPrompt ? !doc.savePrompt() : !doc.saveAs());
        }
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.pending(), 0);
        QVERIFY(doc.modified());
        QVERIFY2(fake.messages().constLast().contains(reason), qPrintable(fake.messages().constLast()));
        if (!toFolder)
            QCOMPARE(readAll(path), QByteArray("old"));
    }

    // A card saved as UTF-8 still reads, with one warning.
    void utf8CardWarnsOnce()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString path = dir.filePath(QStringLiteral("card.txt"));
        writeFile(path, QStringLiteral("5256\\Київ\r\n9027\\1\\Назва роботи\r\n\r\n").toUtf8());
        fake.expectOpen(path);
        fake.expectMessage();
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.messages().size(), 1);
        QVERIFY2(fake.messages().constFirst().contains(QStringLiteral("UTF-8")), qPrintable(fake.messages().constFirst()));
        QVERIFY2(fake.messages().constFirst().contains(path), qPrintable(fake.messages().constFirst()));
        QCOMPARE(doc.model().text(QStringLiteral("ed5256")).size(), QStringLiteral("Київ").toUtf8().size());
    }

    void savePrompt_data()
    {
        QTest::addColumn<QList<int>>("answers"); // question answers; Yes is followed by a cancelled save dialog
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("flag");
        QTest::newRow("cancel") << QList<int>{int(Platform::Answer::Cancel)} << false << 1;
        QTest::newRow("no") << QList<int>{int(Platform::Answer::No)} << true << 0;
        QTest::newRow("yes, dialog cancelled, asked again, no")
            << QList<int>{int(Platform::Answer::Yes), int(Platform::Answer::No)} << true << 0;
        QTest::newRow("yes, dialog cancelled, cancel")
            << QList<int>{int(Platform::Answer::Yes), int(Platform::Answer::Cancel)} << false << 1;
    }
    void savePrompt()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, goesOn);
        QFETCH(int, flag);
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        doc.markModified();
        for (int a : answers) {
            fake.expectQuestion(Platform::Answer(a));
            if (Platform::Answer(a) == Platform::Answer::Yes)
                fake.expectSave(QString());
        }
        QCOMPARE(doc.savePrompt(), goesOn);
        QCOMPARE(doc.modified(), flag != 0);
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.pending(), 0);
        QVERIFY(fake.log().constFirst().startsWith(QStringLiteral("question: Реєстраційна карта | Зберегти зміни в картці?")));
    }

    void noPromptWhenUnmodified()
    {
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        QVERIFY(doc.savePrompt());
        QVERIFY(fake.log().isEmpty());
    }

    void openCancelledKeepsCard()
    {
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        doc.model().setText(QStringLiteral("ed5256"), QStringLiteral("1"));
        fake.expectOpen(QString());
        QVERIFY(!doc.open());
        QCOMPARE(doc.model().text(QStringLiteral("ed5256")), QStringLiteral("1"));
        QCOMPARE(doc.caption(), kind.windowCaption());
    }

    void openConfirmsFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("reads");
        QTest::newRow("Так saves, then opens") << int(Platform::Answer::Yes) << true;
        QTest::newRow("Ні drops the changes") << int(Platform::Answer::No) << true;
        QTest::newRow("Відмова abandons the open") << int(Platform::Answer::Cancel) << false;
    }
    void openConfirmsFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, reads);
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString card = dir.filePath(QStringLiteral("card.txt"));
        const QString saved = dir.filePath(QStringLiteral("saved.txt"));
        writeFile(card, "5256\\1\r\n\r\n");
        doc.model().setText(QStringLiteral("ed5256"), QStringLiteral("7"));
        doc.markModified();
        fake.expectConfirm(Platform::Answer(answer));
        if (Platform::Answer(answer) == Platform::Answer::Yes)
            fake.expectSave(saved);
        if (reads)
            fake.expectOpen(card);
        QCOMPARE(doc.open(), reads);
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.log().constFirst(), QStringLiteral("confirm: Реєстраційна картка | Зберегти зміни в картці"));
        QCOMPARE(doc.model().text(QStringLiteral("ed5256")), reads ? QStringLiteral("1") : QStringLiteral("7"));
        QCOMPARE(doc.modified(), !reads);
        if (Platform::Answer(answer) == Platform::Answer::Yes)
            QCOMPARE(readAll(saved).left(8), QByteArray("5256\\7\r\n"));
    }

    void openShowsDialogAgainForMissingFile()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString card = dir.filePath(QStringLiteral("card.txt"));
        writeFile(card, "5256\\1\r\n\r\n");
        fake.expectOpen(dir.filePath(QStringLiteral("missing.txt")));
        fake.expectOpen(dir.path()); // a folder is no file either
        fake.expectOpen(card);
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(doc.caption(), QStringLiteral("Реєстраційна картка - ") + QDir::toNativeSeparators(card));
        QCOMPARE(doc.openedName(), card);
    }

    // A file chosen but not read (from the recent cards: gone meanwhile, or no card) leaves
    // the editor a new card, its title and the name a save suggests included.
    void unreadFileLeavesNoName_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("gone") << QByteArray();
        QTest::newRow("no card") << QByteArray("%PDF-1.4\n\x01\x02 binary");
    }
    void unreadFileLeavesNoName()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        if (bytes.isEmpty())
            fake.expectIoError();
        else
            fake.expectMessage();
        TestKind kind;
        CardDocument doc(kind);
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        if (!bytes.isEmpty())
            writeFile(path, bytes);
        doc.openChosen(path);
        QCOMPARE(doc.caption(), kind.windowCaption());
        QCOMPARE(doc.openedName(), QString());
        QVERIFY(!doc.modified());
        QVERIFY(fake.unexpected().isEmpty());
    }

    void openWarnings_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("warning");
        const QString ok = QStringLiteral("Зверніть увагу Ви відкрили облікову картку !    ");
        const QString rk = QStringLiteral("Зверніть увагу Ви відкрили реєстраційну картку !    ");
        QTest::newRow("OK file in RK") << int(CardType::RK) << QStringLiteral("OK2024.txt") << ok + QStringLiteral("OK2024.txt");
        QTest::newRow("ok file in RK") << int(CardType::RK) << QStringLiteral("ok.txt") << ok + QStringLiteral("ok.txt");
        QTest::newRow("Ok file in RK: no warning") << int(CardType::RK) << QStringLiteral("Ok.txt") << QString();
        QTest::newRow("RK file in RK") << int(CardType::RK) << QStringLiteral("RK.txt") << QString();
        QTest::newRow("RK file in OK") << int(CardType::OK) << QStringLiteral("RK1.txt") << rk + QStringLiteral("RK1.txt");
        QTest::newRow("rk file in IK") << int(CardType::IK) << QStringLiteral("rk.txt") << rk + QStringLiteral("rk.txt");
        QTest::newRow("OK file in IK") << int(CardType::IK) << QStringLiteral("OK.txt") << ok + QStringLiteral("OK.txt");
        QTest::newRow("RK file in OKD") << int(CardType::OKD) << QStringLiteral("RK.txt") << QString();
    }
    void openWarnings()
    {
        QFETCH(int, type);
        QFETCH(QString, fileName);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind{CardType(type)};
        CardDocument doc(kind);
        const QString path = dir.filePath(fileName);
        writeFile(path, "5256\\1\r\n\r\n");
        fake.expectOpen(path);
        if (!warning.isEmpty())
            fake.expectMessage();
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.messages(), warning.isEmpty() ? QStringList() : QStringList{warning});
        // The file is read all the same.
        QCOMPARE(doc.model().text(QStringLiteral("ed5256")), QStringLiteral("1"));
    }

    void openedCaptions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("RK") << int(CardType::RK) << QStringLiteral("Реєстраційна картка - ");
        QTest::newRow("OK") << int(CardType::OK) << QStringLiteral("Облікова картка - ");
        QTest::newRow("OKD") << int(CardType::OKD) << QStringLiteral("Облікова картка дисертації - ");
        QTest::newRow("IK") << int(CardType::IK) << QStringLiteral("Інформаційна картка НТП - ");
    }
    void openedCaptions()
    {
        QFETCH(int, type);
        QFETCH(QString, prefix);
        QCOMPARE(cardKind(CardType(type)).openedCaption(QStringLiteral("/a/b.txt")), prefix + QStringLiteral("/a/b.txt"));
    }

    void conversionErrorKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString path = dir.filePath(QStringLiteral("card.txt"));
        writeFile(path, "5256\\1\r\n5616\\abc\r\n9027\\1\\never\r\n\r\n");
        fake.expectOpen(path);
        fake.expectMessage();
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QVERIFY2(fake.messages().constLast().contains(QStringLiteral("у рядку 2 ")), qPrintable(fake.messages().constLast()));
        QCOMPARE(doc.model().text(QStringLiteral("ed5256")), QStringLiteral("1"));
        QCOMPARE(doc.model().text(QStringLiteral("mm9027")), QString());
        QVERIFY(!doc.modified());
    }

    void openDisablesSaveAndContinuation()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        doc.endInput();
        doc.setContinuationEnabled(true);
        const QString path = dir.filePath(QStringLiteral("card.txt"));
        writeFile(path, "5256\\1\r\n\r\n");
        fake.expectOpen(path);
        QSignalSpy opened(&doc, &CardDocument::opened);
        QVERIFY(doc.open());
        QCOMPARE(opened.count(), 1);
        QVERIFY(!doc.saveItemEnabled());
        QVERIFY(!doc.printButtonEnabled());
        QVERIFY(!doc.continuationEnabled());
    }

    void bareNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("bare");
        QTest::newRow("slash") << QStringLiteral("/home/u/OK.txt") << QStringLiteral("OK.txt");
        QTest::newRow("backslash") << QStringLiteral("c:\\cards\\ok1.txt") << QStringLiteral("ok1.txt");
        QTest::newRow("bare") << QStringLiteral("RK.txt") << QStringLiteral("RK.txt");
    }
    void bareNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, bare);
        QCOMPARE(bareFileName(path), bare);
    }
};

ZORVAT_TEST(CardDocumentTest)
#include "card_document_test.moc"
