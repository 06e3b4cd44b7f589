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

using namespace Qt::Literals::StringLiterals;

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
        QCOMPARE(doc.caption(), u"Реєстраційна карта НДР і ДКР (РК)"_s);
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
        QTest::newRow("RK") << int(CardType::RK) << u"RK"_s;
        QTest::newRow("OK") << int(CardType::OK) << u"OK"_s;
        QTest::newRow("OKD") << int(CardType::OKD) << u"OKD"_s;
        QTest::newRow("IK") << int(CardType::IK) << u"IK"_s;
    }
    void saveNameRules()
    {
        QFETCH(int, type);
        QFETCH(QString, defaultName);
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind{CardType(type)};
        CardDocument doc(kind);
        const QString first = dir.filePath(u"first.txt"_s);
        const QString other = dir.filePath(u"other.txt"_s);
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
        QCOMPARE(choices[0].filter, u"Текстові файли|*.txt"_s);
        QCOMPARE(choices[0].defaultSuffix, u"txt"_s);
        // An open does not change the save name.
        QCOMPARE(choices[2].initialName, first);
        QCOMPARE(doc.saveName(), first);
        const bool allFiles = CardType(type) != CardType::RK;
        QCOMPARE(choices[1].filter, allFiles ? u"Усі файли|*.*"_s : u"Текстові файли|*.txt"_s);
        QCOMPARE(choices[1].directory, QDir::homePath());
    }

    void saveWritesLinesAndClearsFlag()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        doc.model().setText(u"mm9027"_s, u"Назва\r\nроботи"_s);
        doc.markModified();
        const QString path = dir.filePath(u"RK.txt"_s);
        fake.expectSave(path);
        QVERIFY(doc.saveAs());
        QVERIFY(!doc.modified());
        QCOMPARE(readAll(path), cp1251::encode(u"5256\\5\r\n9027\\1\\Назва\r\nроботи\r\n\r\n"_s));
    }

    void failedSaveKeepsFlagAndOldFile_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("toFolder");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("inPrompt");
        QTest::newRow("character outside the code page") << u"Ω≠"_s << false << u"9027"_s << false;
        QTest::newRow("folder chosen as file") << u"ok"_s << true << ioReason(EISDIR) << false;
        QTest::newRow("disk full") << u"ok"_s << false << ioReason(EFBIG) << false;
        // The failure ends the prompt's command; the question is not asked again.
        QTest::newRow("disk full, saved from the prompt") << u"ok"_s << false << ioReason(EFBIG) << true;
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
        const QString path = toFolder ? dir.path() : dir.filePath(u"RK.txt"_s);
        if (!toFolder)
            writeFile(path, "old");
        doc.model().setText(u"mm9027"_s, value);
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
        const QString path = dir.filePath(u"card.txt"_s);
        writeFile(path, u"5256\\Київ\r\n9027\\1\\Назва роботи\r\n\r\n"_s.toUtf8());
        fake.expectOpen(path);
        fake.expectMessage();
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.messages().size(), 1);
        QVERIFY2(fake.messages().constFirst().contains(u"UTF-8"_s), qPrintable(fake.messages().constFirst()));
        QVERIFY2(fake.messages().constFirst().contains(path), qPrintable(fake.messages().constFirst()));
        QCOMPARE(doc.model().text(u"ed5256"_s).size(), u"Київ"_s.toUtf8().size());
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
        QVERIFY(fake.log().constFirst().startsWith(u"question: Реєстраційна карта | Зберегти зміни в картці?"_s));
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
        doc.model().setText(u"ed5256"_s, u"1"_s);
        fake.expectOpen(QString());
        QVERIFY(!doc.open());
        QCOMPARE(doc.model().text(u"ed5256"_s), u"1"_s);
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
        const QString card = dir.filePath(u"card.txt"_s);
        const QString saved = dir.filePath(u"saved.txt"_s);
        writeFile(card, "5256\\1\r\n\r\n");
        doc.model().setText(u"ed5256"_s, u"7"_s);
        doc.markModified();
        fake.expectConfirm(Platform::Answer(answer));
        if (Platform::Answer(answer) == Platform::Answer::Yes)
            fake.expectSave(saved);
        if (reads)
            fake.expectOpen(card);
        QCOMPARE(doc.open(), reads);
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(fake.log().constFirst(), u"confirm: Реєстраційна картка | Зберегти зміни в картці"_s);
        QCOMPARE(doc.model().text(u"ed5256"_s), reads ? u"1"_s : u"7"_s);
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
        const QString card = dir.filePath(u"card.txt"_s);
        writeFile(card, "5256\\1\r\n\r\n");
        fake.expectOpen(dir.filePath(u"missing.txt"_s));
        fake.expectOpen(dir.path()); // a folder is no file either
        fake.expectOpen(card);
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(doc.caption(), u"Реєстраційна картка - "_s + QDir::toNativeSeparators(card));
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
        const QString path = dir.filePath(u"notes.txt"_s);
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
        const QString ok = u"Зверніть увагу Ви відкрили облікову картку !    "_s;
        const QString rk = u"Зверніть увагу Ви відкрили реєстраційну картку !    "_s;
        QTest::newRow("OK file in RK") << int(CardType::RK) << u"OK2024.txt"_s << ok + u"OK2024.txt"_s;
        QTest::newRow("ok file in RK") << int(CardType::RK) << u"ok.txt"_s << ok + u"ok.txt"_s;
        QTest::newRow("Ok file in RK: no warning") << int(CardType::RK) << u"Ok.txt"_s << QString();
        QTest::newRow("RK file in RK") << int(CardType::RK) << u"RK.txt"_s << QString();
        QTest::newRow("RK file in OK") << int(CardType::OK) << u"RK1.txt"_s << rk + u"RK1.txt"_s;
        QTest::newRow("rk file in IK") << int(CardType::IK) << u"rk.txt"_s << rk + u"rk.txt"_s;
        QTest::newRow("OK file in IK") << int(CardType::IK) << u"OK.txt"_s << ok + u"OK.txt"_s;
        QTest::newRow("RK file in OKD") << int(CardType::OKD) << u"RK.txt"_s << QString();
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
        QCOMPARE(doc.model().text(u"ed5256"_s), u"1"_s);
    }

    void openedCaptions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("RK") << int(CardType::RK) << u"Реєстраційна картка - "_s;
        QTest::newRow("OK") << int(CardType::OK) << u"Облікова картка - "_s;
        QTest::newRow("OKD") << int(CardType::OKD) << u"Облікова картка дисертації - "_s;
        QTest::newRow("IK") << int(CardType::IK) << u"Інформаційна картка НТП - "_s;
    }
    void openedCaptions()
    {
        QFETCH(int, type);
        QFETCH(QString, prefix);
        QCOMPARE(cardKind(CardType(type)).openedCaption(u"/a/b.txt"_s), prefix + u"/a/b.txt"_s);
    }

    void conversionErrorKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        TestKind kind;
        CardDocument doc(kind);
        const QString path = dir.filePath(u"card.txt"_s);
        writeFile(path, "5256\\1\r\n5616\\abc\r\n9027\\1\\never\r\n\r\n");
        fake.expectOpen(path);
        fake.expectMessage();
        QVERIFY(doc.open());
        QVERIFY(fake.unexpected().isEmpty());
        QVERIFY2(fake.messages().constLast().contains(u"у рядку 2 "_s), qPrintable(fake.messages().constLast()));
        QCOMPARE(doc.model().text(u"ed5256"_s), u"1"_s);
        QCOMPARE(doc.model().text(u"mm9027"_s), QString());
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
        const QString path = dir.filePath(u"card.txt"_s);
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
        QTest::newRow("slash") << u"/home/u/OK.txt"_s << u"OK.txt"_s;
        QTest::newRow("backslash") << u"c:\\cards\\ok1.txt"_s << u"ok1.txt"_s;
        QTest::newRow("bare") << u"RK.txt"_s << u"RK.txt"_s;
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
