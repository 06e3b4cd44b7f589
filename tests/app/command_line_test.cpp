#include "app/command_line.h"

#include "app/card_editor.h"
#include "app/main_window.h"
#include "fields/card_document.h"
#include "fields/card_model.h"
#include "widgets/mask_edit.h"
#include "support/fake_platform.h"
#include "support/program_run.h"
#include "support/test_files.h"
#include "support/test_registry.h"
#include "zorvat_version.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const int kNone = -1;

// The built program without a display, on the Qt platform given.
Run zorvat(const QStringList &args, const QString &platform)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, platform);
    p.setProcessEnvironment(env);
    return runProgram(p, QString::fromUtf8(ZORVAT_BIN), args);
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("unknown");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        const QString rk = u"RK.txt"_s, ok = u"ok 1.txt"_s;
        QTest::newRow("nothing") << QStringList{} << QStringList{} << QStringList{} << false << false;
        QTest::newRow("files in order") << QStringList{rk, ok} << QStringList{rk, ok} << QStringList{} << false << false;
        QTest::newRow("help") << QStringList{u"--help"_s} << QStringList{} << QStringList{} << true << false;
        QTest::newRow("short version") << QStringList{u"-v"_s} << QStringList{} << QStringList{} << false << true;
        // The guide is no unknown option nor a file.
        QTest::newRow("guide") << QStringList{u"--guide"_s} << QStringList{} << QStringList{} << false << false;
        QTest::newRow("a file named like an option") << QStringList{u"--"_s, u"--x.txt"_s}
                                                     << QStringList{u"--x.txt"_s} << QStringList{} << false << false;
        QTest::newRow("unknown option") << QStringList{u"--frob"_s, rk} << QStringList{rk}
                                        << QStringList{u"--frob"_s} << false << false;
        QTest::newRow("unknown options as typed, once") << QStringList{u"-x"_s, u"--y=1"_s, u"-x"_s}
                                                        << QStringList{} << QStringList{u"-x"_s, u"--y"_s}
                                                        << false << false;
        // Qt's own options are Qt's: the value of one is no card file either (Qt takes it
        // out of the arguments before the files are opened).
        QTest::newRow("Qt's options") << QStringList{u"-style"_s, u"fusion"_s, u"-reverse"_s, rk}
                                      << QStringList{u"fusion"_s, rk} << QStringList{} << false << false;
    }
    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(QStringList, unknown);
        QFETCH(bool, help);
        QFETCH(bool, version);
        const CommandLine line = parseCommandLine(QStringList{u"zorvat"_s} + args);
        QCOMPARE(line.files, files);
        QCOMPARE(line.unknownOptions, unknown);
        QCOMPARE(line.help, help);
        QCOMPARE(line.version, version);
        QCOMPARE(line.guide, args.contains(u"--guide"_s));
    }

    // Help and version are answered without a display (the xcb platform would abort
    // for want of one); a wrong option ends the program with status 2.
    void builtProgram_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errPart");
        const QString xcb = u"xcb"_s, offscreen = u"offscreen"_s;
        const QString version = QString::fromUtf8("zorvat " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE);
        QTest::newRow("version") << QStringList{u"--version"_s} << xcb << 0 << version << QString();
        QTest::newRow("version after a Qt option")
            << QStringList{u"-platform"_s, xcb, u"-v"_s} << xcb << 0 << version << QString();
        QTest::newRow("help") << QStringList{u"-h"_s} << xcb << 0 << commandLineHelp() << QString();
        QTest::newRow("unknown option") << QStringList{u"--frob"_s} << offscreen << 2 << QString()
                                        << u"невідомий параметр «--frob»"_s;
        // Without a display the window system would abort the program first.
        QTest::newRow("unknown option, no display") << QStringList{u"--bogus"_s} << xcb << 2 << QString()
                                                    << u"невідомий параметр «--bogus»"_s;
        // Named as typed, whatever code page the system gives a program's arguments in.
        QTest::newRow("unknown option in Ukrainian") << QStringList{u"--їжак"_s} << offscreen << 2 << QString()
                                                     << u"невідомий параметр «--їжак»"_s;
    }
    void builtProgram()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, errPart);
        const Run r = zorvat(args, platform);
        QCOMPARE(r.status, status);
        QCOMPARE(QString::fromUtf8(r.out), out);
        QVERIFY2(r.err.contains(errPart), qPrintable(r.err));
    }

    // zorvat FILE: the editor of the type the name starts with, the card read into it.
    void opensEditorOfItsType_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("type");
        QTest::newRow("RK") << u"RK_sample.txt"_s << int(CardType::RK);
        QTest::newRow("OK, small letters") << u"ok2024.txt"_s << int(CardType::OK);
        QTest::newRow("OKD before OK") << u"OKD_ivanenko.txt"_s << int(CardType::OKD);
        QTest::newRow("IK") << u"Ik.txt"_s << int(CardType::IK);
        QTest::newRow("Ukrainian letters, a blank") << u"РК 2026.txt"_s << int(CardType::RK);
        QTest::newRow("Ukrainian OKD before OK") << u"окд Іваненко.txt"_s << int(CardType::OKD);
        QTest::newRow("Ukrainian IK") << u"ІК-5.txt"_s << int(CardType::IK);
        QTest::newRow("no type in the name") << u"card.txt"_s << kNone;
        QTest::newRow("a prefix inside the name") << u"new_RK.txt"_s << kNone;
    }
    void opensEditorOfItsType()
    {
        QFETCH(QString, fileName);
        QFETCH(int, type);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        writeFile(path, "6140\\Kovalchuk O.O.\r\n\r\n");
        ScopedFakePlatform fake;
        fake.allowMessages();
        MainWindow form;
        form.show();
        openCardFiles(form, parseCommandLine({u"zorvat"_s, path}).files);

        for (CardType t : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD}) {
            if (int(t) != type)
                QVERIFY2(!form.newestEditor(t), qPrintable(cardKind(t).id()));
        }
        if (type == kNone) {
            QCOMPARE(fake.messages().size(), 1);
            QVERIFY2(fake.messages().constFirst().contains(u"«%1»"_s.arg(fileName)),
                     qPrintable(fake.messages().constFirst()));
            return;
        }
        CardEditor *editor = form.newestEditor(CardType(type));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->document().openedName(), path);
        QCOMPARE(editor->windowTitle(), cardKind(CardType(type)).openedCaption(QDir::toNativeSeparators(path)));
        QCOMPARE(editor->document().model().text(u"ed6140"_s), u"Kovalchuk O.O."_s);
        QVERIFY(!editor->document().modified());
        QVERIFY(fake.unexpected().isEmpty());
    }

    // As a clerk sees it: `zorvat RK_sample.txt` shows the card in the RK window's fields.
    void rkCardShownInItsFields()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK_sample.txt"_s);
        writeFile(path, "5418\\17\\15.01.26\r\n6140\\Bondar I.V.\r\n\r\n");
        ScopedFakePlatform fake;
        MainWindow form;
        form.show();
        openCardFiles(form, parseCommandLine({u"zorvat"_s, path}).files);
        CardEditor *editor = form.newestEditor(CardType::RK);
        QVERIFY(editor);
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        const QList<std::pair<QString, QString>> shown{{u"ed5418N"_s, u"17"_s},
                                                       {u"ed6140"_s, u"Bondar I.V."_s}};
        for (const auto &[name, text] : shown) {
            auto *field = editor->findChild<QLineEdit *>(name);
            QVERIFY2(field, qPrintable(name));
            QCOMPARE(field->text(), text);
        }
        QCOMPARE(editor->findChild<MaskEdit *>(u"ed5418D"_s)->value(), u"15.01.26"_s);
        QVERIFY(fake.log().isEmpty());
    }

    void everyFileInItsOwnEditor()
    {
        QTemporaryDir dir;
        const QStringList paths{dir.filePath(u"RK1.txt"_s), dir.filePath(u"RK2.txt"_s),
                                dir.filePath(u"OK1.txt"_s)};
        for (const QString &path : paths)
            writeFile(path, "6140\\" + path.toUtf8().right(7) + "\r\n\r\n");
        ScopedFakePlatform fake;
        MainWindow form;
        QList<CardEditor *> opened;
        connect(&form, &MainWindow::editorOpened, this, [&opened](CardEditor *e) { opened << e; });
        openCardFiles(form, paths);
        QCOMPARE(opened.size(), 3);
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(opened.at(i)->document().openedName(), paths.at(i));
        QCOMPARE(form.newestEditor(CardType::RK), opened.at(1));
        QVERIFY(fake.log().isEmpty());
    }

    // A file that is not there opens no empty editor; the next file still opens.
    void missingFileOpensNothing()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(u"RK_missing.txt"_s);
        const QString there = dir.filePath(u"OK.txt"_s);
        writeFile(there, "6140\\x\r\n\r\n");
        ScopedFakePlatform fake;
        fake.expectIoError();
        MainWindow form;
        openCardFiles(form, {missing, there});
        QVERIFY(!form.newestEditor(CardType::RK));
        QVERIFY(form.newestEditor(CardType::OK));
        QCOMPARE(fake.messages().size(), 1);
        QVERIFY(fake.messages().constFirst().contains(missing));
        QVERIFY(fake.unexpected().isEmpty());
    }

    // A relative name still names the same file after a dialog changes the current folder.
    void relativeNameKeptAbsolute()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(u"RK.txt"_s), "6140\\x\r\n\r\n");
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        ScopedFakePlatform fake;
        MainWindow form;
        openCardFiles(form, {u"RK.txt"_s});
        QDir::setCurrent(before);
        QVERIFY(form.newestEditor(CardType::RK));
        QCOMPARE(form.newestEditor(CardType::RK)->document().openedName(), QDir(dir.path()).filePath(u"RK.txt"_s));
    }
};

ZORVAT_TEST(CommandLineTest)
#include "command_line_test.moc"
