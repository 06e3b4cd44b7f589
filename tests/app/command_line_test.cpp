#include "app/command_line.h"

#include "app/card_editor.h"
#include "app/main_window.h"
#include "fields/card_document.h"
#include "fields/card_model.h"
#include "fields/mask_edit.h"
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
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    p.setProcessEnvironment(env);
    return runProgram(p, QStringLiteral(ZORVAT_BIN), args);
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
        const QString rk = QStringLiteral("RK.txt"), ok = QStringLiteral("ok 1.txt");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << QStringList{} << false << false;
        QTest::newRow("files in order") << QStringList{rk, ok} << QStringList{rk, ok} << QStringList{} << false << false;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QStringList{} << QStringList{} << true << false;
        QTest::newRow("short version") << QStringList{QStringLiteral("-v")} << QStringList{} << QStringList{} << false << true;
        // The guide is no unknown option nor a file.
        QTest::newRow("guide") << QStringList{u"--guide"_s} << QStringList{} << QStringList{} << false << false;
        QTest::newRow("a file named like an option") << QStringList{QStringLiteral("--"), QStringLiteral("--x.txt")}
                                                     << QStringList{QStringLiteral("--x.txt")} << QStringList{} << false << false;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--frob"), rk} << QStringList{rk}
                                        << QStringList{QStringLiteral("--frob")} << false << false;
        QTest::newRow("unknown options as typed, once") << QStringList{QStringLiteral("-x"), QStringLiteral("--y=1"), QStringLiteral("-x")}
                                                        << QStringList{} << QStringList{QStringLiteral("-x"), QStringLiteral("--y")}
                                                        << false << false;
        // Qt's own options are Qt's: the value of one is no card file either (Qt takes it
        // out of the arguments before the files are opened).
        QTest::newRow("Qt's options") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse"), rk}
                                      << QStringList{QStringLiteral("fusion"), rk} << QStringList{} << false << false;
    }
    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(QStringList, unknown);
        QFETCH(bool, help);
        QFETCH(bool, version);
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("zorvat")} + args);
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
        const QString xcb = QStringLiteral("xcb"), offscreen = QStringLiteral("offscreen");
        const QString version = QStringLiteral("zorvat " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE);
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << xcb << 0 << version << QString();
        QTest::newRow("version after a Qt option")
            << QStringList{QStringLiteral("-platform"), xcb, QStringLiteral("-v")} << xcb << 0 << version << QString();
        QTest::newRow("help") << QStringList{QStringLiteral("-h")} << xcb << 0 << commandLineHelp() << QString();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--frob")} << offscreen << 2 << QString()
                                        << QStringLiteral("невідомий параметр «--frob»");
        // Without a display the window system would abort the program first.
        QTest::newRow("unknown option, no display") << QStringList{QStringLiteral("--bogus")} << xcb << 2 << QString()
                                                    << QStringLiteral("невідомий параметр «--bogus»");
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
        QTest::newRow("RK") << QStringLiteral("RK_sample.txt") << int(CardType::RK);
        QTest::newRow("OK, small letters") << QStringLiteral("ok2024.txt") << int(CardType::OK);
        QTest::newRow("OKD before OK") << QStringLiteral("OKD_ivanenko.txt") << int(CardType::OKD);
        QTest::newRow("IK") << QStringLiteral("Ik.txt") << int(CardType::IK);
        QTest::newRow("Ukrainian letters, a blank") << u"РК 2026.txt"_s << int(CardType::RK);
        QTest::newRow("Ukrainian OKD before OK") << u"окд Іваненко.txt"_s << int(CardType::OKD);
        QTest::newRow("Ukrainian IK") << u"ІК-5.txt"_s << int(CardType::IK);
        QTest::newRow("no type in the name") << QStringLiteral("card.txt") << kNone;
        QTest::newRow("a prefix inside the name") << QStringLiteral("new_RK.txt") << kNone;
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
        openCardFiles(form, parseCommandLine({QStringLiteral("zorvat"), path}).files);

        for (CardType t : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD}) {
            if (int(t) != type)
                QVERIFY2(!form.newestEditor(t), qPrintable(cardKind(t).id()));
        }
        if (type == kNone) {
            QCOMPARE(fake.messages().size(), 1);
            QVERIFY2(fake.messages().constFirst().contains(QStringLiteral("«%1»").arg(fileName)),
                     qPrintable(fake.messages().constFirst()));
            return;
        }
        CardEditor *editor = form.newestEditor(CardType(type));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->document().openedName(), path);
        QCOMPARE(editor->windowTitle(), cardKind(CardType(type)).openedCaption(QDir::toNativeSeparators(path)));
        QCOMPARE(editor->document().model().text(QStringLiteral("ed6140")), QStringLiteral("Kovalchuk O.O."));
        QVERIFY(!editor->document().modified());
        QVERIFY(fake.unexpected().isEmpty());
    }

    // As a clerk sees it: `zorvat RK_sample.txt` shows the card in the RK window's fields.
    void rkCardShownInItsFields()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("RK_sample.txt"));
        writeFile(path, "5418\\17\\15.01.26\r\n6140\\Bondar I.V.\r\n\r\n");
        ScopedFakePlatform fake;
        MainWindow form;
        form.show();
        openCardFiles(form, parseCommandLine({QStringLiteral("zorvat"), path}).files);
        CardEditor *editor = form.newestEditor(CardType::RK);
        QVERIFY(editor);
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        const QList<std::pair<QString, QString>> shown{{QStringLiteral("ed5418N"), QStringLiteral("17")},
                                                       {QStringLiteral("ed6140"), QStringLiteral("Bondar I.V.")}};
        for (const auto &[name, text] : shown) {
            auto *field = editor->findChild<QLineEdit *>(name);
            QVERIFY2(field, qPrintable(name));
            QCOMPARE(field->text(), text);
        }
        QCOMPARE(editor->findChild<MaskEdit *>(QStringLiteral("ed5418D"))->value(), QStringLiteral("15.01.26"));
        QVERIFY(fake.log().isEmpty());
    }

    void everyFileInItsOwnEditor()
    {
        QTemporaryDir dir;
        const QStringList paths{dir.filePath(QStringLiteral("RK1.txt")), dir.filePath(QStringLiteral("RK2.txt")),
                                dir.filePath(QStringLiteral("OK1.txt"))};
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
        const QString missing = dir.filePath(QStringLiteral("RK_missing.txt"));
        const QString there = dir.filePath(QStringLiteral("OK.txt"));
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
        writeFile(dir.filePath(QStringLiteral("RK.txt")), "6140\\x\r\n\r\n");
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        ScopedFakePlatform fake;
        MainWindow form;
        openCardFiles(form, {QStringLiteral("RK.txt")});
        QDir::setCurrent(before);
        QVERIFY(form.newestEditor(CardType::RK));
        QCOMPARE(form.newestEditor(CardType::RK)->document().openedName(), QDir(dir.path()).filePath(QStringLiteral("RK.txt")));
    }
};

ZORVAT_TEST(CommandLineTest)
#include "command_line_test.moc"
