#include "cardfile/card_writer.h"
#include "cards/ik/ik_test_support.h"
#include "cards/ok/ok_test_support.h"
#include "cards/okd/okd_test_support.h"
#include "cardfile/cp1251.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "cardfile/io_reason.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/program_run.h"
#include "support/test_files.h"
#include "support/test_registry.h"
#include "zorvat_version.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <tuple>

namespace {

// Runs the companion; `fileLimit` >= 0 lets no file it writes grow beyond that many
// bytes, as a full disk would.
Run zorvatCard(const QStringList &args, int fileLimit = -1)
{
    QProcess p;
    if (fileLimit >= 0)
        p.setChildProcessModifier([fileLimit] { FileSizeLimit::limit(rlim_t(fileLimit)); });
    return runProgram(p, QStringLiteral(ZORVAT_CARD_BIN), args);
}

QByteArray freshCardBytes(CardType type)
{
    const CardKind &kind = cardKind(type);
    auto model = kind.createModel();
    return cardFileBytes(kind.Mtext(*model));
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT
private slots:
    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stderrPart");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QString();
        QTest::newRow("command help") << QStringList{QStringLiteral("check"), QStringLiteral("--help")} << 0 << QString();
        QTest::newRow("no command") << QStringList{} << 2 << QStringLiteral("команду");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("print")} << 2 << QStringLiteral("«print»");
        QTest::newRow("unknown type") << QStringList{QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("xk"),
                                                     QStringLiteral("x.txt")}
                                      << 2 << QStringLiteral("«xk»");
        QTest::newRow("type missing after option")
            << QStringList{QStringLiteral("new"), QStringLiteral("--type")} << 2 << QStringLiteral("--type");
        QTest::newRow("unknown prefix") << QStringList{QStringLiteral("show"), QStringLiteral("card.txt")} << 2
                                        << QStringLiteral("card.txt");
        QTest::newRow("missing file") << QStringList{QStringLiteral("show"), QStringLiteral("RK-missing.txt")} << 2
                                      << QStringLiteral("RK-missing.txt");
        QTest::newRow("too few files") << QStringList{QStringLiteral("resave"), QStringLiteral("RK.txt")} << 2
                                       << QStringLiteral("resave");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("show"), QStringLiteral("--fast"), QStringLiteral("RK.txt")}
                                        << 2 << QStringLiteral("--fast");
        QTest::newRow("check missing file") << QStringList{QStringLiteral("check"), QStringLiteral("nothing.txt")} << 2
                                            << QStringLiteral("nothing.txt");
    }
    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, stderrPart);
        const Run r = zorvatCard(args);
        QCOMPARE(r.status, status);
        if (status == 0)
            QVERIFY(r.out.contains("zorvat-card"));
        else
            QVERIFY2(r.err.contains(stderrPart), qPrintable(r.err));
    }

    void version()
    {
        const Run r = zorvatCard({QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("zorvat-card " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE));
    }

    void newMatchesFreshEditor_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("cardType");
        QTest::newRow("rk by option") << QStringLiteral("rk") << QStringLiteral("a.txt") << int(CardType::RK);
        QTest::newRow("rk by prefix") << QString() << QStringLiteral("rk-new.txt") << int(CardType::RK);
        QTest::newRow("ok by option") << QStringLiteral("OK") << QStringLiteral("b.txt") << int(CardType::OK);
        QTest::newRow("okd by prefix") << QString() << QStringLiteral("OKD1.txt") << int(CardType::OKD);
        QTest::newRow("ik by prefix") << QString() << QStringLiteral("Ik.txt") << int(CardType::IK);
        QTest::newRow("ik by option") << QStringLiteral("ik") << QStringLiteral("c.txt") << int(CardType::IK);
    }
    void newMatchesFreshEditor()
    {
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        QFETCH(int, cardType);
        QTemporaryDir dir;
        const QString out = dir.filePath(fileName);
        QStringList args{QStringLiteral("new")};
        if (!type.isEmpty())
            args << QStringLiteral("--type") << type;
        args << out;
        const Run r = zorvatCard(args);
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), freshCardBytes(CardType(cardType)));
    }

    // An RK card opened as OK: the warning, and the data the two cards share.
    void resaveRkCardAsOk()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-work.txt"));
        const QString out = dir.filePath(QStringLiteral("OK-work.txt"));
        writeFile(in, cardFileBytes(QString::fromUtf8(
                                        "5256\\5\n5436\\0124U000777\n5418\\12/34\\01.02.24\n5517\\UA01U123456с\n"
                                        "2457\\1\\12345678\n2151\\1\\Інститут\n2151\\3\\Institute\n2358\\ІТК\n"
                                        "2655\\Київ\\вул. Хрещатик, 1\n2934\\044-1\n2394\\a@b.ua\n1332\\МОН\n1133\\ВУЗ\n"
                                        "2458\\1\\1\\11111111\\Львів\\Завод\\вул. Зелена, 2\\032-1\\a@b.ua\n"
                                        "FING\\2024\\2025\\2026\\20--\\20--\\20--\n7713\\тис.грн.\\150\\50\\50\\50\\\\\\\n"
                                        "7353\\01.24\n7362\\12.26\n7146\\34\n7191\\48\n9153\\007\\методика\n7209\\17\n"
                                        "7021\\Ш-1\n7700\\6541030\n7201\\2.1\\\n7023\\Програма\n7022\\К-5\n"
                                        "9027\\1\\Назва\n9027\\3\\Title\n9126\\Мета\n"
                                        "2142\\1\\1\\44444444\\Дніпро\\КБ\\вул. Криворізька, 3\n"
                                        "9036\\1\\01.24\\12.24\\28\\Огляд\n9036\\2\\01.25\\12.25\\91\\Розроблення\n"
                                        "5634\\004.8\n5616\\27.41.15.00\n6111\\Петров\n6210\\д.т.н.\n6120\\1\\Коваленко\n"
                                        "6120\\3\\Kovalenko\n6228\\к.т.н.\n6140\\Ковальчук\n6141\\044-2")
                                        .split(QLatin1Char('\n'))));
        const Run r = zorvatCard({QStringLiteral("resave"), QStringLiteral("--type"), QStringLiteral("ok"), in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err.trimmed(), QStringLiteral("Зверніть увагу Ви відкрили реєстраційну картку !    RK-work.txt"));
        // The stages of an RK card carry a report kind where OK has the stage kind: the
        // last one is read as an older stage line.
        const QStringList expected =
            QString::fromUtf8(
                "5256\\5\n5418\\12/34\\01.02.24\n5436\\0124U000777 \n5437\\    U       \n7022\\К-5\n"
                "2457\\1\\12345678\n2151\\1\\Інститут\n2151\\3\\Institute\n2358\\ІТК\n2655\\Київ\\вул. Хрещатик, 1\n"
                "2934\\044-1\n2394\\a@b.ua\n1332\\МОН\n1133\\ВУЗ\n9036\\2 \\01.25\\12.25\\\\91\n7700\\6541030\n"
                "7201\\2.1\\\n7023\\Програма\n7022\\К-5\n7713\\тис.грн.\\150\n5526\\\n9027\\1\\Назва\n9027\\3\\Title\n"
                "9117\\1\\\n9117\\3\\\n5481\\\n5040\\\n5715\\\n5742\\      \n5743\\\n5744\\\n"
                "2142\\1\\1\\44444444\\Дніпро\\КБ\\вул. Криворізька, 3\n5535\\\n5211\\\n6140\\Ковальчук\n5634\\004.8\n"
                "5616\\27.41.15.00\n6111\\Петров\n6210\\д.т.н.\n6120\\1\\Коваленко\n6120\\3\\Kovalenko\n6228\\к.т.н.\n"
                "6141\\044-2")
                .split(QLatin1Char('\n'));
        QCOMPARE(cp1251::decode(readAll(out)), cp1251::decode(cardFileBytes(expected)));
    }

    void okByPrefix()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("ok-full.txt"));
        const QString out = dir.filePath(QStringLiteral("again.txt"));
        writeFile(in, cardFileBytes(okTest::fullCard()));
        const Run r = zorvatCard({QStringLiteral("resave"), in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), readAll(in));
        QVERIFY(zorvatCard({QStringLiteral("check"), in}).out.isEmpty());
    }

    void showOkListsAndTexts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("card.txt"));
        writeFile(in, cardFileBytes(okTest::fullCard()));
        const Run r = zorvatCard({QStringLiteral("show"), QStringLiteral("--type"), QStringLiteral("ok"), in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(QStringLiteral("type")).toString(), QStringLiteral("ok"));
        const QJsonObject lists = card.value(QStringLiteral("lists")).toObject();
        const QJsonArray owners = lists.value(QStringLiteral("owners")).toArray();
        QCOMPARE(owners.size(), 3);
        QCOMPARE(owners.at(1).toString(), QString::fromUtf8("2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7"
                                                            "\\\\\\\\\\Свідоцтво 5\\01.03.24"));
        QCOMPARE(lists.value(QStringLiteral("coExecutors")).toArray().at(2).toString(),
                 QString::fromUtf8("3\\1\\66666666\\Полтава\\Завод\\вул. Нова, 1"));
        QCOMPARE(lists.value(QStringLiteral("executorList")).toArray().at(1).toString(),
                 QString::fromUtf8("2\\Сидоренко С.С.\\с.н.с.\\"));
        QCOMPARE(lists.value(QStringLiteral("stageNumbers")).toArray(),
                 QJsonArray({QStringLiteral("0124U000001 "), QString::fromUtf8("0124U000002с")}));
        const QJsonObject texts = card.value(QStringLiteral("texts")).toObject();
        QCOMPARE(texts.keys(), (QStringList{QStringLiteral("2151"), QStringLiteral("6120"), QStringLiteral("9027"),
                                            QStringLiteral("9117")}));
        QCOMPARE(texts.value(QStringLiteral("9117")).toObject().value(QStringLiteral("en")).toString(),
                 QStringLiteral("Abstract of the work"));
        QCOMPARE(texts.value(QStringLiteral("6120")).toObject().value(QStringLiteral("uk")).toString(),
                 QString::fromUtf8("Коваленко К.К."));
    }

    // Numbers of list records beyond their bounds, by card: each line named, the others not.
    void checkListNumbers_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("clean");
        QTest::newRow("ok") << QStringLiteral("OK-bad.txt")
                            << QStringList{QStringLiteral("5256\\5"),
                                           QString::fromUtf8("2459\\21\\1\\11111111\\Львів\\Завод\\адреса"),
                                           QString::fromUtf8("6121\\121\\Іванов\\с.н.с.\\"),
                                           QString::fromUtf8("2142\\50\\1\\44444444\\Дніпро\\КБ\\адреса")}
                            << QStringList{QString::fromUtf8(":2: номер запису «21» у рядку 2459 має бути від 1 до 20"),
                                           QString::fromUtf8(":3: номер запису «121» у рядку 6121 має бути від 1 до 120")}
                            << QStringLiteral(":4:");
        // Six owner slots are carried by the IK card lines; a seventh is reported.
        QTest::newRow("ik") << QStringLiteral("IK-bad.txt")
                            << QStringList{QString::fromUtf8("2459\\6\\1\\11111111\\Львів\\Завод"),
                                           QString::fromUtf8("2459\\7\\1\\11111111\\Львів\\Завод")}
                            << QStringList{QString::fromUtf8(":2: номер запису «7» у рядку 2459 має бути від 1 до 6")}
                            << QStringLiteral(":1:");
    }
    void checkListNumbers()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, reported);
        QFETCH(QString, clean);
        QTemporaryDir dir;
        const QString in = dir.filePath(fileName);
        writeFile(in, cardFileBytes(lines));
        const Run r = zorvatCard({QStringLiteral("check"), in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        for (const QString &problem : reported)
            QVERIFY2(out.contains(in + problem), qPrintable(out));
        QVERIFY2(!out.contains(in + clean), qPrintable(out));
    }

    // A card's two pages and every filled continuation sheet, in one PDF.
    void pdfHoldsEverySheet_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("abstract"); // the line a long abstract replaces
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("absent"); // a text the pages as printed do not hold
        QTest::newRow("OK") << QStringLiteral("OK.txt") << okTest::fullCard() << QStringLiteral("9117\\1\\Реферат роботи")
                            << QStringList{QStringLiteral("ОБЛІКОВА КАРТКА НДР І ДКР (ОК)"),
                                           QStringLiteral("ОСНОВНІ ВІДОМОСТІ ПРО НДР (ДКР)"),
                                           QStringLiteral("Мельник М.М.")}
                            << QString();
        QTest::newRow("OKD") << QStringLiteral("OKD.txt") << okdTest::fullCard()
                             << QStringLiteral("9118\\1\\Реферат дисертації")
                             << QStringList{QStringLiteral("ОБЛІКОВА КАРТКА ДИСЕРТАЦІЇ (ОКД)"),
                                            QStringLiteral("3. Abstract of the thesis"), QStringLiteral("Гнатюк Віра")}
                             << QString();
        // Sheet 1 names the product beside its title while the IK print shows it.
        QTest::newRow("IK") << QStringLiteral("IK.txt") << ikTest::fullCard() << QStringLiteral("9118\\Опис продукції")
                            << QStringList{QStringLiteral("ІНФОРМАЦІЙНА КАРТКА НАУКОВО-ТЕХНІЧНОЇ ПРОДУКЦІЇ (ІК НТП)"),
                                           QStringLiteral("Петров П.П."), QStringLiteral("Петренко Петро")}
                            << QStringLiteral("Назва роботи");
    }
    void pdfHoldsEverySheet()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, abstract);
        QFETCH(QStringList, values);
        QFETCH(QString, absent);
        QTemporaryDir dir;
        const QString in = dir.filePath(file);
        QString longAbstract = abstract.left(abstract.lastIndexOf(QLatin1Char('\\')) + 1);
        for (int i = 1; i <= 1500; ++i)
            longAbstract += QStringLiteral("реферат%1 ").arg(i);
        QVERIFY(lines.contains(abstract));
        lines.replace(lines.indexOf(abstract), longAbstract);
        writeFile(in, cardFileBytes(lines));
        const QString out = dir.filePath(QStringLiteral("card.pdf"));
        const Run r = zorvatCard({QStringLiteral("pdf"), in, out});
        QCOMPARE(r.status, 0);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), out, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
        // pdftotext ends every page with a form feed: both pages and each sheet.
        const QRegularExpressionMatch sheets =
            QRegularExpression(QStringLiteral("Продовження 1 +\\(с\\.1-(\\d+)\\)")).match(pdfText);
        QVERIFY2(sheets.hasMatch(), qPrintable(pdfText.left(2000)));
        QVERIFY(sheets.captured(1).toInt() >= 3);
        QCOMPARE(pdfText.count(QLatin1Char('\f')), 2 + sheets.captured(1).toInt());
        for (const QString &value : values + QStringList{QStringLiteral("реферат1 "), QStringLiteral("реферат1500")})
            QVERIFY2(pdfText.contains(value), qPrintable(value));
        if (!absent.isEmpty())
            QVERIFY2(!pdfText.contains(absent), qPrintable(absent));
    }

    void unwritableOutput()
    {
        QTemporaryDir dir;
        const Run r = zorvatCard({QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("rk"), dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(dir.path()), qPrintable(r.err));
    }

    // Nothing replaces the old file when the disk is full, and the clerk reads why.
    void fullDisk_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("outName");
        QTest::newRow("new") << QStringLiteral("new") << QStringLiteral("RK-out.txt");
        QTest::newRow("resave") << QStringLiteral("resave") << QStringLiteral("RK-out.txt");
        QTest::newRow("pdf") << QStringLiteral("pdf") << QStringLiteral("card.pdf");
    }
    void fullDisk()
    {
        QFETCH(QString, command);
        QFETCH(QString, outName);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-in.txt"));
        writeFile(in, freshCardBytes(CardType::RK));
        const QString out = dir.filePath(outName);
        writeFile(out, "old card\r\n");
        QStringList args{command, QStringLiteral("--type"), QStringLiteral("rk")};
        if (command != QLatin1String("new"))
            args << in;
        args << out;
        const Run r = zorvatCard(args, 0);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(out), qPrintable(r.err));
        QVERIFY2(r.err.contains(ioReason(EFBIG)), qPrintable(r.err));
        QVERIFY2(!r.err.contains(QStringLiteral("File too large")), qPrintable(r.err));
        QCOMPARE(readAll(out), QByteArray("old card\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    // An input that is no readable card file is named with its reason; a pipe is not
    // waited on.
    void unreadableInput_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("reason");
        for (const char *command : {"show", "check"}) {
            const QString c = QString::fromLatin1(command);
            QTest::addRow("%s folder", command) << c << QStringLiteral("RK-folder") << ioReason(EISDIR);
            QTest::addRow("%s pipe", command) << c << QStringLiteral("RK-pipe") << QStringLiteral("канал");
            QTest::addRow("%s missing", command) << c << QStringLiteral("RK-missing.txt") << ioReason(ENOENT);
        }
    }
    void unreadableInput()
    {
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("RK-folder")));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("RK-pipe"))).constData(), 0600), 0);
        const QString path = dir.filePath(input);
        const Run r = zorvatCard({command, path});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QStringLiteral("«%1»").arg(path)), qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    }

    // check finds what every command would stumble over, on the line that holds it.
    void checkFindings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("finding");
        QTest::newRow("CR-only lines") << QByteArray("5256\\5\r9999\\x\r7146\\34\r\r")
                                       << QStringLiteral(":2: код «9999»");
        QTest::newRow("number out of range") << QByteArray("5256\\5\r\n2151\\2147483648\\x\r\n")
                                             << QStringLiteral(":2: число «2147483648» виходить за допустимі межі");
        QTest::newRow("utf-8 text") << QStringLiteral("5256\\5\r\n9027\\1\\Назва\r\n").toUtf8()
                                    << QStringLiteral(":2: файл, мабуть, записано в кодуванні UTF-8");
    }
    void checkFindings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-find.txt"));
        writeFile(in, bytes);
        const Run r = zorvatCard({QStringLiteral("check"), in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + finding), qPrintable(out));
    }

    void readsCrOnlyCard()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-cr.txt"));
        writeFile(in, cp1251::encode(QStringLiteral("5256\\5\r9027\\1\\Назва\rроботи\r7146\\34\r\r")));
        const Run r = zorvatCard({QStringLiteral("show"), in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        const QJsonObject fields = card.value(QStringLiteral("fields")).toObject();
        QCOMPARE(fields.value(QStringLiteral("ed5256")).toString(), QStringLiteral("5"));
        QCOMPARE(fields.value(QStringLiteral("ed7146")).toString(), QStringLiteral("34"));
        const QJsonObject title = card.value(QStringLiteral("texts")).toObject().value(QStringLiteral("9027")).toObject();
        QCOMPARE(title.value(QStringLiteral("uk")).toString(), QStringLiteral("Назва роботи"));
    }

    void resaveKeepsWarningOnStderr()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("OK-work.txt"));
        const QString out = dir.filePath(QStringLiteral("RK-out.txt"));
        writeFile(in, freshCardBytes(CardType::RK));
        const Run r = zorvatCard({QStringLiteral("resave"), QStringLiteral("--type"), QStringLiteral("rk"), in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err.trimmed(), QStringLiteral("Зверніть увагу Ви відкрили облікову картку !    OK-work.txt"));
        // The same bytes as the editor saves after opening the file.
        ScopedFakePlatform fake;
        fake.allowMessages();
        CardDocument doc(cardKind(CardType::RK));
        QVERIFY(doc.readFrom(in).ok());
        QCOMPARE(readAll(out), cardFileBytes(cardKind(CardType::RK).Mtext(doc.model())));
    }

    void showIsJson()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK.txt"));
        writeFile(in, freshCardBytes(CardType::RK));
        const Run r = zorvatCard({QStringLiteral("show"), in});
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(r.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QCOMPARE(json.object().value(QStringLiteral("type")).toString(), QStringLiteral("rk"));
        const QJsonObject fields = json.object().value(QStringLiteral("fields")).toObject();
        const CardKind &rk = cardKind(CardType::RK);
        QCOMPARE(fields.size(), rk.fields().fields().size());
        // What the editor holds after opening the same file.
        ScopedFakePlatform fake;
        CardDocument doc(rk);
        QVERIFY(doc.readFrom(in).ok());
        for (const FieldInfo &f : rk.fields().fields())
            QCOMPARE(fields.value(f.name).toString(), doc.model().text(f.name));
    }

    void showListsAndTexts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("rk-lists.txt"));
        writeFile(in, cp1251::encode(QStringLiteral(
                          "9027\\1\\Назва\r\n9027\\3\\Title\r\n"
                          "2458\\1\\1\\12345678\\Київ\\Замовник\\адреса\\123\\a@b\r\n"
                          "2458\\2\\2\\1234567890\\Львів\\Особа\\адр\\\\\r\n"
                          "9036\\1\\01.20\\12.20\\91\\Етап перший\r\n\r\n")));
        const Run r = zorvatCard({QStringLiteral("show"), in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        const QJsonObject lists = card.value(QStringLiteral("lists")).toObject();
        QCOMPARE(lists.value(QStringLiteral("customers")).toArray().size(), 2);
        QCOMPARE(lists.value(QStringLiteral("customers")).toArray().at(1).toString(),
                 QStringLiteral("2\\2\\1234567890\\Львів\\Особа\\адр\\\\"));
        QCOMPARE(lists.value(QStringLiteral("stages")).toArray().at(0).toString(),
                 QStringLiteral("1\\01.20\\12.20\\91\\Етап перший"));
        QVERIFY(lists.value(QStringLiteral("coExecutors")).toArray().isEmpty());
        const QJsonObject title = card.value(QStringLiteral("texts")).toObject().value(QStringLiteral("9027")).toObject();
        QCOMPARE(title.value(QStringLiteral("uk")).toString(), QStringLiteral("Назва"));
        QCOMPARE(title.value(QStringLiteral("en")).toString(), QStringLiteral("Title"));
    }

    void checkListNumbersAndNumbers()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-bad.txt"));
        writeFile(in, QByteArray("5256\\5\r\n9036\\16\\01.20\\12.20\\91\\x\r\n2458\\abc\\1\\1\r\n\r\n"));
        const Run r = zorvatCard({QStringLiteral("check"), in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + QStringLiteral(":2: номер запису «16»")), qPrintable(out));
        QVERIFY2(out.contains(in + QStringLiteral(":3: значення «abc» має бути числом")), qPrintable(out));
    }

    // Full lists, and a record beyond each bound: what resave writes, check accepts.
    void resaveOfFullListsPassesCheck()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-full.txt"));
        const QString out = dir.filePath(QStringLiteral("RK-resaved.txt"));
        QByteArray lines("5256\\5\r\n");
        const struct
        {
            const char *code;
            int bound;
            const char *tail;
        } lists[] = {{"2458", 200, "\\1\\12345678\\Київ\\Назва\\Адреса\\\\"},
                     {"2142", 50, "\\1\\12345678\\Київ\\Назва\\Адреса"},
                     {"9036", 15, "\\01.20\\12.20\\91\\Етап"}};
        for (const auto &list : lists) {
            for (int n = 1; n <= list.bound + 1; ++n)
                lines += cp1251::encode(QString::fromLatin1(list.code) + u'\\' + QString::number(n)
                                        + QString::fromUtf8(list.tail))
                         + "\r\n";
        }
        writeFile(in, lines + "\r\n");
        Run r = zorvatCard({QStringLiteral("resave"), in, out});
        QCOMPARE(r.status, 0);
        const QString text = cp1251::decode(readAll(out));
        for (const auto &list : lists) {
            const QString code = QString::fromLatin1(list.code);
            QVERIFY(text.contains(QStringLiteral("\r\n%1\\%2\\").arg(code).arg(list.bound)));
            QVERIFY(!text.contains(QStringLiteral("\r\n%1\\%2\\").arg(code).arg(list.bound + 1)));
        }
        r = zorvatCard({QStringLiteral("check"), out});
        QVERIFY2(r.status == 0, r.out.constData());
    }

    void resaveWritesCurrentForms()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("RK-current.txt"));
        const Run r = zorvatCard({QStringLiteral("resave"), QStringLiteral("--type"), QStringLiteral("rk"),
                                  QStringLiteral(ZORVAT_TEST_DATA "/rk_older_forms.txt"), out});
        QCOMPARE(r.status, 0);
        const QString text = cp1251::decode(readAll(out));
        // The older forms come back in the current ones.
        QVERIFY2(text.contains(QStringLiteral("\r\n2655\\Харків\\")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\r\n2458\\1\\2\\1234567890\\Львів\\Петренко Петро\\вул. Шевченка, 5\\")));
        QVERIFY(text.contains(QStringLiteral("\r\n6120\\1\\Коваленко К.К.\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\n9027\\3\\Title in English\r\n")));
        QVERIFY(!text.contains(QStringLiteral("\r\n2754\\")));
        QVERIFY(!text.contains(QStringLiteral("\r\n2152\\")));
        QVERIFY(!text.contains(QStringLiteral("\r\n2656\\")));
    }

    void pdfHoldsTheValues()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("RK-print.txt"));
        QString lines = QStringLiteral("5436\\0105U000123\r\n9027\\1\\Розроблення методів оцінки ресурсу\r\n"
                                       "2458\\1\\1\\12345671\\Київ\\Міністерство освіти\\вул. Хрещатик, 1\\\\\r\n");
        // A purpose long enough to reach the continuation sheets.
        lines += QStringLiteral("9126\\");
        for (int i = 1; i <= 400; ++i)
            lines += QStringLiteral("мета%1 ").arg(i);
        lines += QStringLiteral("\r\n\r\n");
        writeFile(in, cp1251::encode(lines));
        const QString out = dir.filePath(QStringLiteral("card.pdf"));
        const Run r = zorvatCard({QStringLiteral("pdf"), in, out});
        QCOMPARE(r.status, 0);
        QVERIFY(readAll(out).startsWith("%PDF-"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), out, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *value : {"0105U000123", "Розроблення методів оцінки ресурсу", "12345671", "Міністерство освіти",
                                  "мета1 ", "мета400", "Продовження 1"})
            QVERIFY2(pdfText.contains(QString::fromUtf8(value)), value);
    }

    void checkReportsLines()
    {
        QTemporaryDir dir;
        const QString clean = dir.filePath(QStringLiteral("RK-clean.txt"));
        writeFile(clean, freshCardBytes(CardType::RK));
        const QString damaged = dir.filePath(QStringLiteral("RK-damaged.txt"));
        QByteArray bytes = cp1251::encode(QStringLiteral("5256\\5\r\nбез коду\r\n9999\\x\r\n"));
        bytes += QByteArray("2358\\a\x98z\r\n\r\n");
        writeFile(damaged, bytes);

        Run r = zorvatCard({QStringLiteral("check"), clean});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.isEmpty(), r.out.constData());

        r = zorvatCard({QStringLiteral("check"), clean, damaged});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(damaged + QStringLiteral(":2: ")), qPrintable(out));
        QVERIFY2(out.contains(damaged + QStringLiteral(":3: код «9999»")), qPrintable(out));
        QVERIFY2(out.contains(damaged + QStringLiteral(":4: байт 0x98")), qPrintable(out));
        QVERIFY(!out.contains(clean));
    }

    // The IK card through the companion, by the "IK" name prefix or by --type ik.
    // "IN" stands for a card with every field, "OUT" for the file written.
    void ikCommands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stderrPart");
        for (const auto &[name, command, status, message] :
             {std::tuple{"resave by prefix", "resave IN OUT", 0, QString()},
              std::tuple{"resave by option", "resave --type=ik IN OUT", 0, QString()},
              std::tuple{"check", "check IN", 0, QString()}})
            QTest::newRow(name) << QString::fromLatin1(command).split(QLatin1Char(' ')) << status << message;
    }
    void ikCommands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, stderrPart);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("IK-full.txt"));
        const QString out = dir.filePath(QStringLiteral("written.txt"));
        writeFile(in, cardFileBytes(ikTest::fullCard()));
        args.replaceInStrings(QStringLiteral("IN"), in);
        args.replaceInStrings(QStringLiteral("OUT"), out);
        const Run r = zorvatCard(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(stderrPart), qPrintable(r.err));
        QVERIFY2(r.out.isEmpty(), r.out.constData());
        if (args.constFirst() == QLatin1String("resave"))
            QCOMPARE(readAll(out), readAll(in));
        else
            QVERIFY(!QFile::exists(out));
    }

    void newIkMatchesHandWrittenCard()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("IK-new.txt"));
        QCOMPARE(zorvatCard({QStringLiteral("new"), out}).status, 0);
        QCOMPARE(readAll(out), readAll(QStringLiteral(ZORVAT_TEST_DATA "/ik_fresh.txt")));
    }

    void showIkOwnersAndName()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("ik.txt"));
        writeFile(in, cardFileBytes(ikTest::fullCard()));
        const Run r = zorvatCard({QStringLiteral("show"), in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(QStringLiteral("type")).toString(), QStringLiteral("ik"));
        const QJsonArray owners = card.value(QStringLiteral("lists")).toObject().value(QStringLiteral("owners")).toArray();
        QCOMPARE(owners.size(), 3);
        QCOMPARE(owners.at(1).toString(), QString::fromUtf8("2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7"
                                                            "\\\\\\\\\\Свідоцтво 5\\01.03.24\\Петренко П.П."));
        const QJsonObject texts = card.value(QStringLiteral("texts")).toObject();
        QCOMPARE(texts.keys(), QStringList{QStringLiteral("9027")});
        QCOMPARE(texts.value(QStringLiteral("9027")).toObject(),
                 (QJsonObject{{QStringLiteral("uk"), QString::fromUtf8("Система керування")},
                              {QStringLiteral("en"), QStringLiteral("Control system")}}));
        QCOMPARE(card.value(QStringLiteral("fields")).toObject().value(QStringLiteral("cb1009a")).toString(),
                 QStringLiteral("9.4.3"));
    }

    // An RK card resaved as IK: the warning, and the lines the two cards share.
    void resaveRkCardAsIk()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("rk_2005.txt"));
        const QString out = dir.filePath(QStringLiteral("IK-2005.txt"));
        writeFile(in, cardFileBytes(QString::fromUtf8("5436\\0105U000123\n9027\\1\\Назва\n9027\\3\\Title\n"
                                                      "9153\\03\\нове\n9155\\Галузь\n2151\\1\\Інститут\n"
                                                      "5616\\27.41.15.00\n6111\\Петров")
                                        .split(QLatin1Char('\n'))));
        const Run r = zorvatCard({QStringLiteral("resave"), QStringLiteral("--type"), QStringLiteral("ik"), in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err.trimmed(), QString::fromUtf8("Зверніть увагу Ви відкрили реєстраційну картку !    rk_2005.txt"));
        const QString text = cp1251::decode(readAll(out));
        for (const char *line : {"\r\n5436\\0105U000123 \r\n", "\r\n9027\\3\\Title\r\n",
                                 "\r\n9153\\03\\нове\r\n", "\r\n5616\\27.41.15.00\r\n", "\r\n6111\\Петров\r\n"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
        QVERIFY(!text.contains(QStringLiteral("2151")));
    }

    // An OKD card by "--type okd" or by its name, where the longer prefix wins over "OK".
    void okdResave_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("by option") << QStringLiteral("okd") << QStringLiteral("card.txt");
        QTest::newRow("by prefix") << QString() << QStringLiteral("okd-full.txt");
    }
    void okdResave()
    {
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString in = dir.filePath(fileName);
        const QString out = dir.filePath(QStringLiteral("again.txt"));
        writeFile(in, cardFileBytes(okdTest::fullCard()));
        QStringList args{QStringLiteral("resave")};
        if (!type.isEmpty())
            args << QStringLiteral("--type") << type;
        const Run r = zorvatCard(args << in << out);
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), readAll(in));
        const Run check = zorvatCard({QStringLiteral("check"), in});
        QVERIFY2(check.out.isEmpty(), check.out.constData());
    }

    void newOkdIsTheFreshCard()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("OKD.txt"));
        QCOMPARE(zorvatCard({QStringLiteral("new"), out}).status, 0);
        QCOMPARE(readAll(out), readAll(QStringLiteral(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    void showOkdListsAndTexts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("OKD-full.txt"));
        writeFile(in, cardFileBytes(okdTest::fullCard()));
        const Run r = zorvatCard({QStringLiteral("show"), in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(QStringLiteral("type")).toString(), QStringLiteral("okd"));
        const QJsonObject lists = card.value(QStringLiteral("lists")).toObject();
        QCOMPARE(lists.value(QStringLiteral("supervisorName")).toArray().at(1).toString(),
                 QString::fromUtf8("Сидоренко Олег\\Sydorenko Oleh"));
        QCOMPARE(lists.value(QStringLiteral("councilCipher")).toArray(), QJsonArray({QString::fromUtf8("Д 26.001.01")}));
        QCOMPARE(lists.value(QStringLiteral("orgCode")).toArray(),
                 QJsonArray({QStringLiteral("12345678"), QStringLiteral("23456789"), QStringLiteral("1234567890")}));
        QCOMPARE(lists.value(QStringLiteral("orgPhone")).toArray().at(0).toString(), QStringLiteral("044-111-11-11"));
        QCOMPARE(lists.value(QStringLiteral("orgCity")).toArray().at(2).toString(), QString::fromUtf8("ЛЬВІВ"));
        const QJsonObject texts = card.value(QStringLiteral("texts")).toObject();
        QCOMPARE(texts.keys(), (QStringList{QStringLiteral("6147"), QStringLiteral("9045"), QStringLiteral("9118")}));
        QCOMPARE(texts.value(QStringLiteral("9045")).toObject().value(QStringLiteral("en")).toString(),
                 QStringLiteral("Control methods"));
        const QJsonObject fields = card.value(QStringLiteral("fields")).toObject();
        QCOMPARE(fields.value(QStringLiteral("ed6165f2")).toString(), QString::fromUtf8("Бойко Ольга"));
    }

    void checkOkdPersonNumbers()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("OKD-bad.txt"));
        writeFile(in, cardFileBytes({QStringLiteral("5013\\04"), QString::fromUtf8("6156\\4\\1\\Коваленко"),
                                     QString::fromUtf8("6165\\5\\Шевченко"), QString::fromUtf8("6165\\4\\Бойко")}));
        const Run r = zorvatCard({QStringLiteral("check"), in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + QString::fromUtf8(":2: номер запису «4» у рядку 6156 має бути від 1 до 3")),
                 qPrintable(out));
        QVERIFY2(out.contains(in + QString::fromUtf8(":3: номер запису «5» у рядку 6165 має бути від 1 до 4")),
                 qPrintable(out));
        QVERIFY2(!out.contains(in + QStringLiteral(":4:")), qPrintable(out));
    }
};

ZORVAT_TEST(CliTest)
#include "cli_test.moc"
