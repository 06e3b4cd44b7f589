#include "cardfile/card_item.h"
#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "cards/ik/ik_test_support.h"
#include "cards/ok/ok_test_support.h"
#include "cards/okd/okd_test_support.h"
#include "cardfile/cp1251.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "cardfile/io_reason.h"
#include "support/check_seeds.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/print_checks.h"
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
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs the companion; `fileLimit` >= 0 lets no file it writes grow beyond that many
// bytes, as a full disk would. The limit's signal keeps its default action, which ends
// a program that does not guard against it.
Run zorvatCard(const QStringList &args, int fileLimit = -1)
{
    QProcess p;
#ifdef Q_OS_UNIX
    if (fileLimit >= 0) {
        p.setChildProcessModifier([fileLimit] {
            FileSizeLimit::limit(static_cast<unsigned long long>(fileLimit));
            std::signal(SIGXFSZ, SIG_DFL);
        });
    }
#else
    Q_UNUSED(fileLimit);
#endif
    return runProgram(p, QString::fromUtf8(ZORVAT_CARD_BIN), args);
}

QByteArray freshCardBytes(CardType type)
{
    const CardKind &kind = cardKind(type);
    auto model = kind.createModel();
    return cardFileBytes(kind.fileLines(*model));
}

// The lines a resave writes for `bytes`: opened as a window opens them, saved as it saves.
QStringList resavedLines(const CardKind &kind, const QByteArray &bytes)
{
    auto model = kind.createModel();
    kind.clearModel(*model);
    auto interpreter = kind.interpreter(*model);
    readCardBytes(bytes, *interpreter, u"card.txt"_s);
    kind.afterRead(*model);
    return kind.fileLines(*model);
}

// An RK card with every list holding three records and every two-language text in
// both languages.
QStringList rkFullCard()
{
    return QString::fromUtf8(
               "5256\\5\n5436\\0124U000777\n5418\\12/34\\01.02.24\n2457\\1\\12345678\n"
               "2151\\1\\Інститут кібернетики\n2151\\3\\Institute of Cybernetics\n2358\\ІК\n"
               "2655\\Київ\\пр. Глушкова, 40\n2934\\044-1\n2394\\ic@nas.ua\n1332\\НАН України\n1133\\ВУЗ\n"
               "2458\\1\\1\\11111111\\Львів\\Завод\\вул. Зелена, 2\\032-1\\a@b.ua\n"
               "2458\\2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\\n"
               "2458\\3\\1\\33333333\\Харків\\Фонд\\пр. Науки, 9\\057-3\\\n"
               "FING\\2024\\2025\\2026\\20--\\20--\\20--\n7713\\тис.грн.\\150\\50\\50\\50\\\\\\\n"
               "7353\\01.24\n7362\\12.26\n7146\\34\n7191\\48\n9153\\007\\методика\n7021\\Ш-1\n"
               "9027\\1\\Методи керування\n9027\\3\\Control methods\n9126\\Мета роботи\n"
               "2142\\1\\1\\44444444\\Дніпро\\КБ «Південне»\\вул. Криворізька, 3\n"
               "2142\\2\\2\\5555555555\\Суми\\Іваненко Іван\\вул. Лісна, 4\n"
               "2142\\3\\1\\66666666\\Полтава\\Завод\\вул. Нова, 1\n"
               "9036\\1\\01.24\\12.24\\28\\Огляд\n9036\\2\\01.25\\12.25\\28\\Розроблення\n"
               "9036\\3\\01.26\\12.26\\91\\Випробування\n5634\\004.8\n5616\\27.41.15.00\n6111\\Петров П.П.\n"
               "6210\\д.т.н.\n6120\\1\\Коваленко К.К.\n6120\\3\\Kovalenko K.K.\n6228\\к.т.н.\n"
               "6140\\Ковальчук\n6141\\044-2")
        .split(QLatin1Char('\n'));
}

// The values of a card's lines as a multiset: the line with the item at `masked` of
// its code (a list or language number) left out, each line that holds data once.
QHash<QString, int> savedValues(const QStringList &lines, const QMultiHash<QString, int> &masked)
{
    QHash<QString, int> values;
    for (const QString &line : lines) {
        QStringList items = line.split(QLatin1Char('\\'));
        const QList<int> positions = masked.values(items.constFirst());
        for (int position : positions) {
            if (position - 1 < items.size())
                items[position - 1] = u"#"_s;
        }
        const QString value = items.mid(1).join(QLatin1Char('\\'));
        if (holdsData(value))
            ++values[items.constFirst() + QLatin1Char('\\') + value];
    }
    return values;
}

// The problems of each file that check --json names.
QHash<QString, QStringList> checkProblems(const Run &r)
{
    QHash<QString, QStringList> out;
    const QJsonArray problems = QJsonDocument::fromJson(r.out).array();
    for (const QJsonValue &value : problems) {
        const QJsonObject p = value.toObject();
        out[p.value(u"file"_s).toString()]
            << u"%1: %2"_s.arg(p.value(u"line"_s).toInt()).arg(p.value(u"message"_s).toString());
    }
    return out;
}

// The problems check --json finds in the files' form, leaving out what the values' rules say.
QJsonArray formProblems(const Run &r)
{
    QJsonArray out;
    for (const QJsonValue &value : QJsonDocument::fromJson(r.out).array()) {
        if (value.toObject().value(u"check"_s).toString() == QLatin1String("form"))
            out.append(value);
    }
    return out;
}

// The same as check prints them: "file:line: message" ("file: message" for line 0).
QString formText(const Run &r)
{
    QStringList lines;
    for (const QJsonValue &value : formProblems(r)) {
        const QJsonObject p = value.toObject();
        const int line = p.value(u"line"_s).toInt();
        lines << p.value(u"file"_s).toString() + (line > 0 ? u":%1"_s.arg(line) : QString())
                     + u": "_s + p.value(u"message"_s).toString();
    }
    return lines.join(QLatin1Char('\n'));
}

// `args` with the placeholders IN, OUT, DIR and LINK put as whole words by the paths
// given, in one pass: a path put in (a temporary folder may be named "…INY") is never
// read for placeholders again.
QStringList withPaths(QStringList args, const QHash<QString, QString> &paths)
{
    static const QRegularExpression placeholder(u"\\b(IN|OUT|DIR|LINK)\\b"_s);
    for (QString &arg : args) {
        QString filled;
        qsizetype from = 0;
        for (auto it = placeholder.globalMatch(arg); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            filled += arg.mid(from, m.capturedStart() - from) + paths.value(m.captured(1), m.captured(1));
            from = m.capturedEnd();
        }
        arg = filled + arg.mid(from);
    }
    return args;
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
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << QString();
        QTest::newRow("command help") << QStringList{u"check"_s, u"--help"_s} << 0 << QString();
        QTest::newRow("no command") << QStringList{} << 2 << u"команду"_s;
        QTest::newRow("unknown command") << QStringList{u"print"_s} << 2 << u"«print»"_s;
        QTest::newRow("unknown type") << QStringList{u"new"_s, u"--type"_s, u"xk"_s,
                                                     u"x.txt"_s}
                                      << 2 << u"«xk»"_s;
        QTest::newRow("type missing after option")
            << QStringList{u"new"_s, u"--type"_s} << 2 << u"--type"_s;
        QTest::newRow("unknown prefix") << QStringList{u"show"_s, u"card.txt"_s} << 2
                                        << u"card.txt"_s;
        QTest::newRow("missing file") << QStringList{u"show"_s, u"RK-missing.txt"_s} << 2
                                      << u"RK-missing.txt"_s;
        QTest::newRow("too few files") << QStringList{u"resave"_s, u"RK.txt"_s} << 2
                                       << u"resave"_s;
        QTest::newRow("unknown option") << QStringList{u"show"_s, u"--fast"_s, u"RK.txt"_s}
                                        << 2 << u"--fast"_s;
        QTest::newRow("check missing file") << QStringList{u"check"_s, u"nothing.txt"_s} << 2
                                            << u"nothing.txt"_s;
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
        const Run r = zorvatCard({u"--version"_s});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("zorvat-card " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE));
    }

    void newMatchesFreshEditor_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("cardType");
        QTest::newRow("rk by option") << u"rk"_s << u"a.txt"_s << int(CardType::RK);
        QTest::newRow("rk by prefix") << QString() << u"rk-new.txt"_s << int(CardType::RK);
        QTest::newRow("ok by option") << u"OK"_s << u"b.txt"_s << int(CardType::OK);
        QTest::newRow("okd by prefix") << QString() << u"OKD1.txt"_s << int(CardType::OKD);
        QTest::newRow("ik by prefix") << QString() << u"Ik.txt"_s << int(CardType::IK);
        QTest::newRow("ik by option") << u"ik"_s << u"c.txt"_s << int(CardType::IK);
    }
    void newMatchesFreshEditor()
    {
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        QFETCH(int, cardType);
        QTemporaryDir dir;
        const QString out = dir.filePath(fileName);
        QStringList args{u"new"_s};
        if (!type.isEmpty())
            args << u"--type"_s << type;
        args << out;
        const Run r = zorvatCard(args);
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), freshCardBytes(CardType(cardType)));
    }

    // An RK card opened as OK: the warning, and the data the two cards share.
    void resaveRkCardAsOk()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-work.txt"_s);
        const QString out = dir.filePath(u"OK-work.txt"_s);
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
        const Run r = zorvatCard({u"resave"_s, u"--type"_s, u"ok"_s, in, out});
        QCOMPARE(r.status, 0);
        // The RK lines OK has no field for, and the first stage, which the one stage of
        // OK replaces, are counted in one message.
        QCOMPARE(r.err.trimmed(), u"Зверніть увагу Ви відкрили реєстраційну картку !    RK-work.txt\n"
                                                 "У файлі «%1» не прочитано 14 рядків (4, 14, 15, 16, 17, 18, 19, 20, "
                                                 "21, 22, …): цих даних немає в картці, і запис поверх файлу їх "
                                                 "знищить. Що саме і чому, покаже «zorvat-card check»."_s
                                      .arg(in));
        // The stages of an RK card carry a report kind where OK has the stage kind: OK
        // keeps the stage's name and leaves the report kind out.
        const QStringList expected =
            QString::fromUtf8(
                "5256\\5\n5418\\12/34\\01.02.24\n5436\\0124U000777 \n5437\\    U       \n7022\\К-5\n"
                "2457\\1\\12345678\n2151\\1\\Інститут\n2151\\3\\Institute\n2358\\ІТК\n2655\\Київ\\вул. Хрещатик, 1\n"
                "2934\\044-1\n2394\\a@b.ua\n1332\\МОН\n1133\\ВУЗ\n9036\\2 \\01.25\\12.25\\\\Розроблення\n"
                "7700\\6541030\n7201\\2.1\\\n7023\\Програма\n7022\\К-5\n7713\\тис.грн.\\150\n5526\\\n9027\\1\\Назва\n9027\\3\\Title\n"
                "9117\\1\\\n9117\\3\\\n5481\\\n5040\\\n5715\\\n5742\\      \n5743\\\n5744\\\n"
                "2142\\1\\1\\44444444\\Дніпро\\КБ\\вул. Криворізька, 3\n5535\\\n5211\\\n6140\\Ковальчук\n5634\\004.8\n"
                "5616\\27.41.15.00\n6111\\Петров\n6210\\д.т.н.\n6120\\1\\Коваленко\n6120\\3\\Kovalenko\n6228\\к.т.н.\n"
                "6141\\044-2")
                .split(QLatin1Char('\n'));
        QCOMPARE(cp1251::decode(readAll(out)), cp1251::decode(cardFileBytes(expected)));
    }

    // The sample cards kept where a clerk on Windows keeps cards (a user name and folders
    // in Cyrillic, with blanks) read, show and save as from a plain path, byte for byte,
    // and a saved card saves again unchanged.
    void samplesAtCyrillicPaths_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("type");
        QTest::newRow("RK") << u"RK_sample.txt"_s << u"rk"_s;
        QTest::newRow("OK") << u"OK_sample.txt"_s << u"ok"_s;
        QTest::newRow("IK") << u"IK_sample.txt"_s << u"ik"_s;
        QTest::newRow("OKD") << u"OKD_sample.txt"_s << u"okd"_s;
    }
    // A clerk opens a sample as a model and presses F9: nothing to mend.
    void samplesAreClean_data() { samplesAtCyrillicPaths_data(); }
    void samplesAreClean()
    {
        QFETCH(QString, sample);
        const Run r = zorvatCard({u"check"_s, QString::fromUtf8(ZORVAT_SAMPLES) + u'/' + sample});
        QCOMPARE(r.err + QString::fromUtf8(r.out), QString());
        QCOMPARE(r.status, 0);
    }

    void samplesAtCyrillicPaths()
    {
        QFETCH(QString, sample);
        QFETCH(QString, type);
        QTemporaryDir dir;
        const QString plain = dir.filePath(u"plain.txt"_s);
        QCOMPARE(zorvatCard({u"resave"_s, u"--type"_s, type, QString::fromUtf8(ZORVAT_SAMPLES) + u'/' + sample, plain}).status,
                 0);
        const QString folder = dir.filePath(u"Олена/Мої документи"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString in = folder + u"/Картка 2026 «Ї».txt"_s;
        const QString out = folder + u"/Копія картки.txt"_s;
        writeFile(in, readAll(QString::fromUtf8(ZORVAT_SAMPLES) + u'/' + sample));
        const Run saved = zorvatCard({u"resave"_s, u"--type"_s, type, in, out});
        QVERIFY2(saved.status == 0, qPrintable(saved.err));
        QCOMPARE(readAll(out), readAll(plain));
        const QString again = folder + u"/Ще раз.txt"_s;
        QCOMPARE(zorvatCard({u"resave"_s, u"--type"_s, type, out, again}).status, 0);
        QCOMPARE(readAll(again), readAll(out));
        const Run shown = zorvatCard({u"show"_s, u"--type"_s, type, out});
        const Run shownThere = zorvatCard({u"show"_s, u"--type"_s, type, plain});
        QCOMPARE(shown.status, 0);
        QCOMPARE(shown.out, shownThere.out);
    }

    void okByPrefix()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"ok-full.txt"_s);
        const QString out = dir.filePath(u"again.txt"_s);
        writeFile(in, cardFileBytes(okTest::fullCard()));
        const Run r = zorvatCard({u"resave"_s, in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), readAll(in));
        QVERIFY(zorvatCard({u"check"_s, in}).out.isEmpty());
    }

    void showOkListsAndTexts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"card.txt"_s);
        writeFile(in, cardFileBytes(okTest::fullCard()));
        const Run r = zorvatCard({u"show"_s, u"--type"_s, u"ok"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(u"type"_s).toString(), u"ok"_s);
        const QJsonObject lists = card.value(u"lists"_s).toObject();
        const QJsonArray owners = lists.value(u"owners"_s).toArray();
        QCOMPARE(owners.size(), 3);
        QCOMPARE(owners.at(1).toString(), QString::fromUtf8("2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7"
                                                            "\\\\\\\\\\Свідоцтво 5\\01.03.24"));
        QCOMPARE(lists.value(u"coExecutors"_s).toArray().at(2).toString(),
                 QString::fromUtf8("3\\1\\66666666\\Полтава\\Завод\\вул. Нова, 1"));
        QCOMPARE(lists.value(u"executorList"_s).toArray().at(1).toString(),
                 QString::fromUtf8("2\\Сидоренко С.С.\\с.н.с.\\"));
        QCOMPARE(lists.value(u"stageNumbers"_s).toArray(),
                 QJsonArray({u"0124U000001 "_s, QString::fromUtf8("0124U000002с")}));
        const QJsonObject texts = card.value(u"texts"_s).toObject();
        QCOMPARE(texts.keys(), (QStringList{u"2151"_s, u"6120"_s, u"9027"_s,
                                            u"9117"_s}));
        QCOMPARE(texts.value(u"9117"_s).toObject().value(u"en"_s).toString(),
                 u"Abstract of the work"_s);
        QCOMPARE(texts.value(u"6120"_s).toObject().value(u"uk"_s).toString(),
                 QString::fromUtf8("Коваленко К.К."));
    }

    // Numbers of list records beyond their bounds, by card: each line named, the others not.
    void checkListNumbers_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("clean");
        QTest::newRow("ok") << u"OK-bad.txt"_s
                            << QStringList{u"5256\\5"_s,
                                           QString::fromUtf8("2459\\21\\1\\11111111\\Львів\\Завод\\адреса"),
                                           QString::fromUtf8("6121\\121\\Іванов\\с.н.с.\\"),
                                           QString::fromUtf8("2142\\50\\1\\44444444\\Дніпро\\КБ\\адреса"),
                                           QString::fromUtf8("2142\\1\\1\\44444444\\Дніпро\\КБ\\адреса")}
                            << QStringList{QString::fromUtf8(":2: номер запису «21» у рядку 2459 має бути від 1 до 20"),
                                           QString::fromUtf8(":3: номер запису «121» у рядку 6121 має бути від 1 до 120")}
                            << u":4: номер запису"_s;
        // Six owner slots are carried by the IK card lines; a seventh is reported.
        QTest::newRow("ik") << u"IK-bad.txt"_s
                            << QStringList{QString::fromUtf8("2459\\6\\1\\11111111\\Львів\\Завод"),
                                           QString::fromUtf8("2459\\7\\1\\11111111\\Львів\\Завод")}
                            << QStringList{QString::fromUtf8(":2: номер запису «7» у рядку 2459 має бути від 1 до 6")}
                            << u":1: номер запису"_s;
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
        const Run r = zorvatCard({u"check"_s, in});
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
        QTest::newRow("OK") << u"OK.txt"_s << okTest::fullCard() << u"9117\\1\\Реферат роботи"_s
                            << QStringList{u"ОБЛІКОВА КАРТКА НДР І ДКР (ОК)"_s,
                                           u"ОСНОВНІ ВІДОМОСТІ ПРО НДР (ДКР)"_s,
                                           u"Мельник М.М."_s}
                            << QString();
        QTest::newRow("OKD") << u"OKD.txt"_s << okdTest::fullCard()
                             << u"9118\\1\\Реферат дисертації"_s
                             << QStringList{u"ОБЛІКОВА КАРТКА ДИСЕРТАЦІЇ (ОКД)"_s,
                                            u"3. Abstract of the thesis"_s, u"Гнатюк Віра"_s}
                             << QString();
        // Sheet 1 names the product beside its title while the IK print shows it.
        QTest::newRow("IK") << u"IK.txt"_s << ikTest::fullCard() << u"9118\\Опис продукції"_s
                            << QStringList{u"ІНФОРМАЦІЙНА КАРТКА НАУКОВО-ТЕХНІЧНОЇ ПРОДУКЦІЇ (ІК НТП)"_s,
                                           u"Петров П.П."_s, u"Петренко Петро"_s}
                            << u"Назва роботи"_s;
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
            longAbstract += u"реферат%1 "_s.arg(i);
        QVERIFY(lines.contains(abstract));
        lines.replace(lines.indexOf(abstract), longAbstract);
        writeFile(in, cardFileBytes(lines));
        const QString out = dir.filePath(u"card.pdf"_s);
        const Run r = zorvatCard({u"pdf"_s, in, out});
        QCOMPARE(r.status, 0);
        PDF_TEXT_OR_SKIP();
        QProcess text;
        text.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, out, u"-"_s});
        QVERIFY(text.waitForFinished(60000));
        const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
        // pdftotext ends every page with a form feed: both pages and each sheet.
        const QRegularExpressionMatch sheets =
            QRegularExpression(u"Продовження 1 +\\(с\\.1-(\\d+)\\)"_s).match(pdfText);
        QVERIFY2(sheets.hasMatch(), qPrintable(pdfText.left(2000)));
        QVERIFY(sheets.captured(1).toInt() >= 3);
        QCOMPARE(pdfText.count(QLatin1Char('\f')), 2 + sheets.captured(1).toInt());
        for (const QString &value : values + QStringList{u"реферат1 "_s, u"реферат1500"_s})
            QVERIFY2(pdfText.contains(value), qPrintable(value));
        if (!absent.isEmpty())
            QVERIFY2(!pdfText.contains(absent), qPrintable(absent));
    }

    void unwritableOutput()
    {
        QTemporaryDir dir;
        const Run r = zorvatCard({u"new"_s, u"--type"_s, u"rk"_s, dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(dir.path()), qPrintable(r.err));
    }

    // Nothing replaces the old file when the disk is full or a file size limit is
    // reached, and the clerk reads why.
    void fullDisk_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("outName");
        QTest::newRow("new") << u"new"_s << u"RK-out.txt"_s;
        QTest::newRow("resave") << u"resave"_s << u"RK-out.txt"_s;
        QTest::newRow("pdf") << u"pdf"_s << u"card.pdf"_s;
    }
    void fullDisk()
    {
        QFETCH(QString, command);
        QFETCH(QString, outName);
        FILE_SIZE_LIMIT_OR_SKIP();
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-in.txt"_s);
        writeFile(in, freshCardBytes(CardType::RK));
        const QString out = dir.filePath(outName);
        writeFile(out, "old card\r\n");
        QStringList args{command, u"--type"_s, u"rk"_s, u"--force"_s};
        if (command != QLatin1String("new"))
            args << in;
        args << out;
        const Run r = zorvatCard(args, 0);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(out), qPrintable(r.err));
        QVERIFY2(r.err.contains(ioReason(EFBIG)), qPrintable(r.err));
        QVERIFY2(!r.err.contains(u"File too large"_s), qPrintable(r.err));
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
            // check looks for card files in a folder.
            QTest::addRow("%s folder", command)
                << c << u"RK-folder"_s
                << (c == QLatin1String("check") ? u"немає файлів карток"_s : ioReason(EISDIR));
            QTest::addRow("%s pipe", command) << c << u"RK-pipe"_s << u"канал"_s;
            QTest::addRow("%s missing", command) << c << u"RK-missing.txt"_s << ioReason(ENOENT);
        }
    }
    void unreadableInput()
    {
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"RK-folder"_s));
        const bool pipe = makeNamedPipe(dir.filePath(u"RK-pipe"_s));
        if (input == QLatin1String("RK-pipe"))
            NAMED_PIPE_OR_SKIP(pipe);
        const QString path = dir.filePath(input);
        const Run r = zorvatCard({command, path});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(u"«%1»"_s.arg(path)), qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    }

    // check finds what every command would stumble over, on the line that holds it.
    void checkFindings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("finding");
        QTest::newRow("CR-only lines") << QByteArray("5256\\5\r9999\\x\r7146\\34\r\r")
                                       << u":2: код «9999»"_s;
        QTest::newRow("number out of range") << QByteArray("5256\\5\r\n2151\\2147483648\\x\r\n")
                                             << u":2: число «2147483648» виходить за допустимі межі"_s;
        QTest::newRow("utf-8 text") << u"5256\\5\r\n9027\\1\\Назва\r\n"_s.toUtf8()
                                    << u":2: файл, мабуть, записано в кодуванні UTF-8"_s;
    }
    void checkFindings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-find.txt"_s);
        writeFile(in, bytes);
        const Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + finding), qPrintable(out));
    }

    void readsCrOnlyCard()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-cr.txt"_s);
        writeFile(in, cp1251::encode(u"5256\\5\r9027\\1\\Назва\rроботи\r7146\\34\r\r"_s));
        const Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        const QJsonObject fields = card.value(u"fields"_s).toObject();
        QCOMPARE(fields.value(u"ed5256"_s).toString(), u"5"_s);
        QCOMPARE(fields.value(u"ed7146"_s).toString(), u"34"_s);
        const QJsonObject title = card.value(u"texts"_s).toObject().value(u"9027"_s).toObject();
        QCOMPARE(title.value(u"uk"_s).toString(), u"Назва роботи"_s);
    }

    void resaveKeepsWarningOnStderr()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"OK-work.txt"_s);
        const QString out = dir.filePath(u"RK-out.txt"_s);
        writeFile(in, freshCardBytes(CardType::RK));
        const Run r = zorvatCard({u"resave"_s, u"--type"_s, u"rk"_s, in, out});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err.trimmed(), u"Зверніть увагу Ви відкрили облікову картку !    OK-work.txt"_s);
        // The same bytes as the editor saves after opening the file.
        ScopedFakePlatform fake;
        fake.allowMessages();
        CardDocument doc(cardKind(CardType::RK));
        QVERIFY(doc.readFrom(in).ok());
        QCOMPARE(readAll(out), cardFileBytes(cardKind(CardType::RK).fileLines(doc.model())));
    }

    void showIsJson()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK.txt"_s);
        writeFile(in, freshCardBytes(CardType::RK));
        const Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(r.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QCOMPARE(json.object().value(u"type"_s).toString(), u"rk"_s);
        const QJsonObject fields = json.object().value(u"fields"_s).toObject();
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
        const QString in = dir.filePath(u"rk-lists.txt"_s);
        writeFile(in, cp1251::encode(u"9027\\1\\Назва\r\n9027\\3\\Title\r\n"
                          "2458\\1\\1\\12345678\\Київ\\Замовник\\адреса\\123\\a@b\r\n"
                          "2458\\2\\2\\1234567890\\Львів\\Особа\\адр\\\\\r\n"
                          "9036\\1\\01.20\\12.20\\91\\Етап перший\r\n\r\n"_s));
        const Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        const QJsonObject lists = card.value(u"lists"_s).toObject();
        QCOMPARE(lists.value(u"customers"_s).toArray().size(), 2);
        QCOMPARE(lists.value(u"customers"_s).toArray().at(1).toString(),
                 u"2\\2\\1234567890\\Львів\\Особа\\адр\\\\"_s);
        QCOMPARE(lists.value(u"stages"_s).toArray().at(0).toString(),
                 u"1\\01.20\\12.20\\91\\Етап перший"_s);
        QVERIFY(lists.value(u"coExecutors"_s).toArray().isEmpty());
        const QJsonObject title = card.value(u"texts"_s).toObject().value(u"9027"_s).toObject();
        QCOMPARE(title.value(u"uk"_s).toString(), u"Назва"_s);
        QCOMPARE(title.value(u"en"_s).toString(), u"Title"_s);
    }

    void checkListNumbersAndNumbers()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-bad.txt"_s);
        writeFile(in, QByteArray("5256\\5\r\n9036\\16\\01.20\\12.20\\91\\x\r\n2458\\abc\\1\\1\r\n\r\n"));
        const Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + u":2: номер запису «16»"_s), qPrintable(out));
        QVERIFY2(out.contains(in + u":3: значення «abc» має бути числом"_s), qPrintable(out));
    }

    // Full lists, and a record beyond each bound: what resave writes, check accepts.
    void resaveOfFullListsPassesCheck()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-full.txt"_s);
        const QString out = dir.filePath(u"RK-resaved.txt"_s);
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
        Run r = zorvatCard({u"resave"_s, in, out});
        QCOMPARE(r.status, 0);
        const QString text = cp1251::decode(readAll(out));
        for (const auto &list : lists) {
            const QString code = QString::fromLatin1(list.code);
            QVERIFY(text.contains(u"\r\n%1\\%2\\"_s.arg(code).arg(list.bound)));
            QVERIFY(!text.contains(u"\r\n%1\\%2\\"_s.arg(code).arg(list.bound + 1)));
        }
        r = zorvatCard({u"check"_s, u"--json"_s, out});
        QVERIFY2(formProblems(r).isEmpty(), r.out.constData());
    }

    void resaveWritesCurrentForms()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"RK-current.txt"_s);
        const Run r = zorvatCard({u"resave"_s, u"--type"_s, u"rk"_s,
                                  QString::fromUtf8(ZORVAT_TEST_DATA "/rk_older_forms.txt"), out});
        QCOMPARE(r.status, 0);
        const QString text = cp1251::decode(readAll(out));
        // The older forms come back in the current ones.
        QVERIFY2(text.contains(u"\r\n2655\\Харків\\"_s), qPrintable(text));
        QVERIFY(text.contains(u"\r\n2458\\1\\2\\1234567890\\Львів\\Петренко Петро\\вул. Шевченка, 5\\"_s));
        QVERIFY(text.contains(u"\r\n6120\\1\\Коваленко К.К.\r\n"_s));
        QVERIFY(text.contains(u"\r\n9027\\3\\Title in English\r\n"_s));
        QVERIFY(!text.contains(u"\r\n2754\\"_s));
        QVERIFY(!text.contains(u"\r\n2152\\"_s));
        QVERIFY(!text.contains(u"\r\n2656\\"_s));
    }

    void pdfHoldsTheValues()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-print.txt"_s);
        QString lines = u"5436\\0105U000123\r\n9027\\1\\Розроблення методів оцінки ресурсу\r\n"
                                       "2458\\1\\1\\12345671\\Київ\\Міністерство освіти\\вул. Хрещатик, 1\\\\\r\n"_s;
        // A purpose long enough to reach the continuation sheets.
        lines += u"9126\\"_s;
        for (int i = 1; i <= 400; ++i)
            lines += u"мета%1 "_s.arg(i);
        lines += u"\r\n\r\n"_s;
        writeFile(in, cp1251::encode(lines));
        const QString out = dir.filePath(u"card.pdf"_s);
        const Run r = zorvatCard({u"pdf"_s, in, out});
        QCOMPARE(r.status, 0);
        QVERIFY(readAll(out).startsWith("%PDF-"));
        PDF_TEXT_OR_SKIP();
        QProcess text;
        text.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, out, u"-"_s});
        QVERIFY(text.waitForFinished(60000));
        const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *value : {"0105U000123", "Розроблення методів оцінки ресурсу", "12345671", "Міністерство освіти",
                                  "мета1 ", "мета400", "Продовження 1"})
            QVERIFY2(pdfText.contains(QString::fromUtf8(value)), value);
    }

    void checkReportsLines()
    {
        QTemporaryDir dir;
        const QString clean = dir.filePath(u"RK-clean.txt"_s);
        writeFile(clean, fullCards::bytes(CardType::RK));
        const QString damaged = dir.filePath(u"RK-damaged.txt"_s);
        QByteArray bytes = cp1251::encode(u"5256\\5\r\nбез коду\r\n9999\\x\r\n"_s);
        bytes += QByteArray("2358\\a\x98z\r\n\r\n");
        writeFile(damaged, bytes);

        Run r = zorvatCard({u"check"_s, clean});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.isEmpty(), r.out.constData());

        r = zorvatCard({u"check"_s, clean, damaged});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(damaged + u":2: "_s), qPrintable(out));
        QVERIFY2(out.contains(damaged + u":3: код «9999»"_s), qPrintable(out));
        QVERIFY2(out.contains(damaged + u":4: байт 0x98"_s), qPrintable(out));
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
        const QString in = dir.filePath(u"IK-full.txt"_s);
        const QString out = dir.filePath(u"written.txt"_s);
        writeFile(in, cardFileBytes(ikTest::fullCard()));
        const Run r = zorvatCard(withPaths(args, {{u"IN"_s, in}, {u"OUT"_s, out}}));
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
        const QString out = dir.filePath(u"IK-new.txt"_s);
        QCOMPARE(zorvatCard({u"new"_s, out}).status, 0);
        QCOMPARE(readAll(out), readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/ik_fresh.txt")));
    }

    void showIkOwnersAndName()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"ik.txt"_s);
        writeFile(in, cardFileBytes(ikTest::fullCard()));
        const Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(u"type"_s).toString(), u"ik"_s);
        const QJsonArray owners = card.value(u"lists"_s).toObject().value(u"owners"_s).toArray();
        QCOMPARE(owners.size(), 3);
        QCOMPARE(owners.at(1).toString(), QString::fromUtf8("2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7"
                                                            "\\\\\\\\\\Свідоцтво 5\\01.03.24\\Петренко П.П."));
        const QJsonObject texts = card.value(u"texts"_s).toObject();
        QCOMPARE(texts.keys(), QStringList{u"9027"_s});
        QCOMPARE(texts.value(u"9027"_s).toObject(),
                 (QJsonObject{{u"uk"_s, QString::fromUtf8("Система керування")},
                              {u"en"_s, u"Control system"_s}}));
        QCOMPARE(card.value(u"fields"_s).toObject().value(u"cb1009a"_s).toString(),
                 u"9.4.3"_s);
    }

    // An RK card resaved as IK: the warning, and the lines the two cards share.
    void resaveRkCardAsIk()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"rk_2005.txt"_s);
        const QString out = dir.filePath(u"IK-2005.txt"_s);
        writeFile(in, cardFileBytes(QString::fromUtf8("5436\\0105U000123\n9027\\1\\Назва\n9027\\3\\Title\n"
                                                      "9153\\03\\нове\n9155\\Галузь\n2151\\1\\Інститут\n"
                                                      "5616\\27.41.15.00\n6111\\Петров")
                                        .split(QLatin1Char('\n'))));
        const Run r = zorvatCard({u"resave"_s, u"--type"_s, u"ik"_s, in, out});
        QCOMPARE(r.status, 0);
        // The executor's name has no IK field.
        QCOMPARE(r.err.trimmed(), QString::fromUtf8("Зверніть увагу Ви відкрили реєстраційну картку !    rk_2005.txt\n"
                                                    "У файлі «%1» не прочитано 1 рядок (6): цих даних немає в картці, "
                                                    "і запис поверх файлу їх знищить. Що саме і чому, покаже "
                                                    "«zorvat-card check».")
                                      .arg(in));
        const QString text = cp1251::decode(readAll(out));
        for (const char *line : {"\r\n5436\\0105U000123 \r\n", "\r\n9027\\3\\Title\r\n",
                                 "\r\n9153\\03\\нове\r\n", "\r\n5616\\27.41.15.00\r\n", "\r\n6111\\Петров\r\n"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
        QVERIFY(!text.contains(u"2151"_s));
    }

    // An OKD card by "--type okd" or by its name, where the longer prefix wins over "OK".
    void okdResave_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("by option") << u"okd"_s << u"card.txt"_s;
        QTest::newRow("by prefix") << QString() << u"okd-full.txt"_s;
    }
    void okdResave()
    {
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString in = dir.filePath(fileName);
        const QString out = dir.filePath(u"again.txt"_s);
        writeFile(in, cardFileBytes(okdTest::fullCard()));
        QStringList args{u"resave"_s};
        if (!type.isEmpty())
            args << u"--type"_s << type;
        const Run r = zorvatCard(args << in << out);
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(out), readAll(in));
        const Run check = zorvatCard({u"check"_s, in});
        QVERIFY2(check.out.isEmpty(), check.out.constData());
    }

    void newOkdIsTheFreshCard()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"OKD.txt"_s);
        QCOMPARE(zorvatCard({u"new"_s, out}).status, 0);
        QCOMPARE(readAll(out), readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    void showOkdListsAndTexts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"OKD-full.txt"_s);
        writeFile(in, cardFileBytes(okdTest::fullCard()));
        const Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject card = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(card.value(u"type"_s).toString(), u"okd"_s);
        const QJsonObject lists = card.value(u"lists"_s).toObject();
        QCOMPARE(lists.value(u"supervisorName"_s).toArray().at(1).toString(),
                 QString::fromUtf8("Сидоренко Олег\\Sydorenko Oleh"));
        QCOMPARE(lists.value(u"councilCipher"_s).toArray(), QJsonArray({QString::fromUtf8("Д 26.001.01")}));
        QCOMPARE(lists.value(u"orgCode"_s).toArray(),
                 QJsonArray({u"12345678"_s, u"23456789"_s, u"1234567890"_s}));
        QCOMPARE(lists.value(u"orgPhone"_s).toArray().at(0).toString(), u"044-111-11-11"_s);
        QCOMPARE(lists.value(u"orgCity"_s).toArray().at(2).toString(), QString::fromUtf8("ЛЬВІВ"));
        const QJsonObject texts = card.value(u"texts"_s).toObject();
        QCOMPARE(texts.keys(), (QStringList{u"6147"_s, u"9045"_s, u"9118"_s}));
        QCOMPARE(texts.value(u"9045"_s).toObject().value(u"en"_s).toString(),
                 u"Control methods"_s);
        const QJsonObject fields = card.value(u"fields"_s).toObject();
        QCOMPARE(fields.value(u"ed6165f2"_s).toString(), QString::fromUtf8("Бойко Ольга"));
    }

    // A stage line keeps its name on opening whatever stands as its kind; what the OK
    // card leaves out of the line, check names.
    void okStageLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("finding"); // "" when check passes the file
        QTest::newRow("no kind chosen") << QString::fromUtf8("9036\\1 \\01.26\\12.26\\\\Етап перший")
                                        << QString::fromUtf8("Етап перший") << QString() << QString();
        QTest::newRow("kind") << QString::fromUtf8("9036\\1 \\01.26\\12.26\\З\\Етап перший")
                              << QString::fromUtf8("Етап перший") << QString::fromUtf8("З") << QString();
        QTest::newRow("older form") << QString::fromUtf8("9036\\1\\01.26\\12.26\\Етап перший")
                                    << QString::fromUtf8("Етап перший") << QString() << QString();
        QTest::newRow("RK report kind") << QString::fromUtf8("9036\\1\\01.26\\12.26\\28\\Етап перший")
                                        << QString::fromUtf8("Етап перший") << QString()
                                        << QString::fromUtf8(":2: вид етапу «28» не буде прочитано");
        QTest::newRow("more after the name")
            << QString::fromUtf8("9036\\1\\01.26\\12.26\\П\\Етап перший\\зайве") << QString::fromUtf8("Етап перший")
            << QString::fromUtf8("П") << QString::fromUtf8(":2: «зайве» після назви етапу не буде прочитано");
        QTest::newRow("stage number longer than its field")
            << QString::fromUtf8("9036\\999\\01.26\\12.26\\П\\Етап перший") << QString::fromUtf8("Етап перший")
            << QString::fromUtf8("П") << QString::fromUtf8(":2: «999» не вміщається в поле етапу: прочитано «99»");
    }
    void okStageLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"OK-stage.txt"_s);
        writeFile(in, cardFileBytes({u"5256\\5"_s, line, u"7700\\6541030"_s}));
        Run r = zorvatCard({u"show"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonObject fields = QJsonDocument::fromJson(r.out).object().value(u"fields"_s).toObject();
        QCOMPARE(fields.value(u"mm9036"_s).toString(), name);
        QCOMPARE(fields.value(u"cb9036e"_s).toString(), kind);
        r = zorvatCard({u"check"_s, u"--json"_s, in});
        const QString out = formText(r);
        QVERIFY(finding.isEmpty() || r.status == 1);
        QVERIFY2(finding.isEmpty() ? out.isEmpty() : out.contains(in + finding), qPrintable(out));
    }

    void checkOkdPersonNumbers()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"OKD-bad.txt"_s);
        writeFile(in, cardFileBytes({u"5013\\04"_s, QString::fromUtf8("6156\\4\\1\\Коваленко"),
                                     QString::fromUtf8("6165\\5\\Шевченко"), QString::fromUtf8("6165\\4\\Бойко")}));
        const Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 1);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(in + QString::fromUtf8(":2: номер запису «4» у рядку 6156 має бути від 1 до 3")),
                 qPrintable(out));
        QVERIFY2(out.contains(in + QString::fromUtf8(":3: номер запису «5» у рядку 6165 має бути від 1 до 4")),
                 qPrintable(out));
        QVERIFY2(!out.contains(in + u":4:"_s), qPrintable(out));
    }
    // Every list number and language number of a full card of each type, set to each
    // value around and beyond its range: whenever a resave of the changed file loses a
    // value the full card holds, check names a problem in that file.
    void checkNamesEveryMutationThatLoses()
    {
        struct Card
        {
            CardType type;
            QString prefix;
            QStringList lines;
            QList<std::pair<QString, int>> languageItems; // code and item of a language number
        };
        const Card cards[] = {
            {CardType::RK, u"RK"_s, rkFullCard(),
             {{u"2151"_s, 2}, {u"9027"_s, 2}, {u"6120"_s, 2}}},
            {CardType::OK, u"OK"_s, okTest::fullCard(),
             {{u"2151"_s, 2}, {u"9027"_s, 2}, {u"9117"_s, 2}, {u"6120"_s, 2}}},
            {CardType::OKD, u"OKD"_s, okdTest::fullCard(),
             {{u"6147"_s, 2}, {u"9045"_s, 2}, {u"9118"_s, 2}, {u"6156"_s, 3}}},
            {CardType::IK, u"IK"_s, ikTest::fullCard(), {{u"9027"_s, 2}}},
        };
        QTemporaryDir dir;
        struct Mutation
        {
            QString file;
            QString what;
            bool loses;
        };
        QList<Mutation> mutations;
        for (const Card &card : cards) {
            const CardKind &kind = cardKind(card.type);
            // The card as a save writes it is the one changed.
            const QStringList full = resavedLines(kind, cardFileBytes(card.lines));
            QMultiHash<QString, int> masked;
            QList<std::tuple<QString, int, QList<int>>> positions;
            for (const auto &[code, position] : card.languageItems) {
                masked.insert(code, position);
                positions.append({code, position, {0, 1, 2, 3, 4, 9}});
            }
            for (const NumberedLine &list : kind.numberedLines()) {
                masked.insert(list.code, list.item);
                positions.append({list.code, list.item, {0, 1, 2, 3, 4, 9, list.max, list.max + 1}});
            }
            const QHash<QString, int> saved = savedValues(full, masked);
            const QString base = dir.filePath(card.prefix + u"_full.txt"_s);
            writeFile(base, cardFileBytes(full));
            mutations.append({base, card.prefix + u" full card"_s, false});
            int losing = 0;
            for (qsizetype i = 0; i < full.size(); ++i) {
                const QStringList items = full.at(i).split(QLatin1Char('\\'));
                for (const auto &[code, position, values] : positions) {
                    if (items.constFirst() != code || position > items.size())
                        continue;
                    for (int value : values) {
                        if (trimLine(items.at(position - 1)) == QString::number(value))
                            continue;
                        QStringList changedItems = items;
                        changedItems[position - 1] = QString::number(value);
                        QStringList changed = full;
                        changed[i] = changedItems.join(QLatin1Char('\\'));
                        const QHash<QString, int> after = savedValues(resavedLines(kind, cardFileBytes(changed)), masked);
                        bool loses = false;
                        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
                            loses = loses || after.value(it.key()) < it.value();
                        losing += loses ? 1 : 0;
                        const QString file =
                            dir.filePath(u"%1_%2.txt"_s.arg(card.prefix).arg(mutations.size(), 4, 10, QLatin1Char('0')));
                        writeFile(file, cardFileBytes(changed));
                        mutations.append({file, u"line %1 «%2»"_s.arg(i + 1).arg(changed.at(i)), loses});
                    }
                }
            }
            // Each card has lists and texts whose changes lose something.
            QVERIFY2(losing >= 10, qPrintable(card.prefix));
        }
        const Run r = zorvatCard({u"check"_s, u"--json"_s, dir.path()});
        QCOMPARE(r.status, 1);
        const QHash<QString, QStringList> problems = checkProblems(r);
        for (const Mutation &m : mutations) {
            if (m.file.endsWith(QLatin1String("_full.txt")))
                QVERIFY2(!problems.contains(m.file), qPrintable(m.what + u'\n' + problems.value(m.file).join(u'\n')));
            else if (m.loses)
                QVERIFY2(problems.contains(m.file), qPrintable(m.what));
        }
    }
    // A file is replaced only where the call means it: "new" keeps an existing file
    // unless forced, "pdf" never writes over the card it prints and replaces another
    // file that is no PDF only when forced.
    void neverReplacesUnasked_data()
    {
        QTest::addColumn<QString>("args"); // IN: a filled card; OUT: the file before the call
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("replaced");
        const QByteArray card = cardFileBytes(rkFullCard());
        QTest::newRow("new over a card") << u"new OUT"_s << card << 2 << u"--force"_s << false;
        QTest::newRow("new forced") << u"new --force OUT"_s << card << 0 << QString() << true;
        QTest::newRow("new, no file yet") << u"new OUT"_s << QByteArray() << 0 << QString() << true;
        QTest::newRow("pdf onto its card") << u"pdf IN IN"_s << QByteArray() << 2 << u"це сама картка"_s << false;
        QTest::newRow("pdf onto its card, forced") << u"pdf --force IN IN"_s << QByteArray() << 2 << u"сама картка"_s
                                                   << false;
        QTest::newRow("pdf onto its card by another path") << u"pdf IN DIR/./RK-in.txt"_s << QByteArray() << 2
                                                           << u"сама картка"_s << false;
        QTest::newRow("pdf onto its card through a link") << u"pdf IN LINK"_s << QByteArray() << 2 << u"сама картка"_s
                                                          << false;
        QTest::newRow("pdf over another card") << u"pdf IN OUT"_s << card << 2 << u"--force"_s << false;
        QTest::newRow("pdf over another card, forced") << u"pdf --force IN OUT"_s << card << 0 << QString() << true;
        QTest::newRow("pdf over an older PDF") << u"pdf IN OUT"_s << QByteArray("%PDF-1.4\n") << 0 << QString() << true;
    }
    void neverReplacesUnasked()
    {
        QFETCH(QString, args);
        QFETCH(QByteArray, before);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-in.txt"_s);
        const QString out = dir.filePath(u"RK-out.txt"_s);
        const QByteArray card = cardFileBytes(rkFullCard());
        writeFile(in, card);
        if (!before.isEmpty())
            writeFile(out, before);
        QStringList argv = args.split(u' ');
#ifdef Q_OS_WIN
        // A Windows shortcut (.lnk) is a file of its own, which no program opens through.
        if (argv.contains(u"LINK"_s))
            QSKIP("Windows has no symbolic links that a program may make without an administrator");
#else
        QVERIFY(QFile::link(in, dir.filePath(u"link.txt"_s)));
#endif
        argv = withPaths(argv, {{u"LINK"_s, dir.filePath(u"link.txt"_s)}, {u"DIR"_s, dir.path()}, {u"IN"_s, in},
                                {u"OUT"_s, out}});
        const Run r = zorvatCard(argv);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(readAll(in), card);
        if (argv.contains(out))
            QCOMPARE(readAll(out) != (before.isEmpty() ? QByteArray("<missing>") : before), replaced);
    }

    // What --help names, both manual pages document.
    void optionsDocumented()
    {
        QString help = QString::fromUtf8(zorvatCard({u"--help"_s}).out);
        for (const char *command : {"new", "resave", "show", "pdf", "check"})
            help += QString::fromUtf8(zorvatCard({QString::fromLatin1(command), u"--help"_s}).out);
        QSet<QString> options;
        const QRegularExpression option(u"--[a-z]+"_s);
        for (auto it = option.globalMatch(help); it.hasNext();)
            options.insert(it.next().captured());
        QVERIFY(options.contains(u"--force"_s) && options.contains(u"--json"_s));
        for (const char *page : {"/../../packaging/man/zorvat-card.1", "/../../packaging/man/uk/zorvat-card.1"}) {
            const QString text = QString::fromUtf8(readAll(QString::fromUtf8(ZORVAT_TEST_DATA) + QString::fromLatin1(page)));
            for (const QString &o : options)
                QVERIFY2(text.contains(QString(o).replace(u"-"_s, u"\\-"_s)), qPrintable(o + u' ' + QString::fromLatin1(page)));
        }
    }

    // Bytes that are no card: every command says so, none writes or shows a blank card.
    void notACard_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray binary(1024 * 1024, '\0');
        quint32 seed = 12345;
        for (char &c : binary) {
            seed = seed * 1103515245u + 12345u;
            c = char(seed >> 16);
        }
        QTest::newRow("empty") << QByteArray() << u"файл порожній"_s;
        QTest::newRow("blank lines") << QByteArray("\r\n \r\n\r\n") << u"файл порожній"_s;
        QTest::newRow("1 MB of binary") << binary << u"двійкові дані"_s;
        QByteArray utf16("\xFF\xFE");
        const QString text = cp1251::decode(cardFileBytes(rkFullCard()));
        utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QTest::newRow("UTF-16") << utf16 << u"UTF-16"_s;
        QTest::newRow("UTF-16 without its mark") << utf16.mid(2) << u"двійкові дані"_s;
        QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << u"двійкові дані"_s;
        QTest::newRow("text, no card line") << cp1251::encode(u"Шановні колеги!\r\nНадсилаємо картку.\r\n"_s)
                                            << u"жодного рядка картки"_s;
    }
    void notACard()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-odd.txt"_s);
        const QString out = dir.filePath(u"RK-out.txt"_s);
        writeFile(in, bytes);
        for (const char *command : {"show", "resave", "pdf", "check"}) {
            QStringList args{QString::fromLatin1(command), in};
            if (args.constFirst() == QLatin1String("resave") || args.constFirst() == QLatin1String("pdf"))
                args << out;
            const Run r = zorvatCard(args);
            QCOMPARE(r.status, 1);
            const QString said = args.constFirst() == QLatin1String("check") ? QString::fromUtf8(r.out) : r.err;
            QVERIFY2(said.contains(u"не схоже на файл картки - "_s) && said.contains(reason),
                     qPrintable(QString::fromLatin1(command) + said));
            QVERIFY2(said.contains(in), qPrintable(said));
            QVERIFY2(said.count(u"не схоже"_s) == 1, qPrintable(said));
            if (args.constFirst() == QLatin1String("show"))
                QVERIFY(r.out.isEmpty());
            QVERIFY(!QFile::exists(out));
        }
    }

    // The reader takes any line end; check names those other than CR LF, and a resave
    // writes them right.
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("finding");
        QTest::newRow("LF") << QByteArray("5256\\5\n7146\\34\n6111\\x\n\n") << u":1: рядок закінчується на LF, а служба чекає CR LF (так само ще 3)"_s;
        QTest::newRow("CR") << QByteArray("5256\\5\r\n7146\\34\r6111\\x\r\n\r\n") << u":2: рядок закінчується на CR, а служба чекає CR LF:"_s;
        QTest::newRow("no end at the end") << QByteArray("5256\\5\r\n7146\\34") << u":2: останній рядок не закінчується на CR LF"_s;
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-ends.txt"_s);
        const QString out = dir.filePath(u"RK-cured.txt"_s);
        writeFile(in, bytes);
        Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 1);
        QVERIFY2(QString::fromUtf8(r.out).contains(in + finding), r.out.constData());
        QVERIFY2(r.out.contains("zorvat-card resave"), r.out.constData());
        r = zorvatCard({u"check"_s, u"--json"_s, in});
        QCOMPARE(formProblems(r).at(0).toObject().value(u"severity"_s).toString(), u"warning"_s);
        QCOMPARE(zorvatCard({u"resave"_s, in, out}).status, 0);
        r = zorvatCard({u"check"_s, u"--json"_s, out});
        QVERIFY2(formProblems(r).isEmpty(), r.out.constData());
    }

    // A folder stands for every card file under it; --json gives one object per problem.
    void checkFoldersAsJson()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"dept/2026"_s));
        writeFile(dir.filePath(u"dept/RK-clean.txt"_s), fullCards::bytes(CardType::RK));
        writeFile(dir.filePath(u"dept/2026/OK-bad.txt"_s),
                  cardFileBytes({u"5256\\5"_s, u"2459\\21\\1\\11111111\\Львів\\Завод\\адреса"_s}));
        writeFile(dir.filePath(u"dept/2026/ik-ends.txt"_s), QByteArray("5436\\0124U000777\n\n"));
        writeFile(dir.filePath(u"dept/readme.txt"_s), QByteArray("no card here\r\n"));
        writeFile(dir.filePath(u"dept/2026/notes.txt"_s), QByteArray("9999\\x\r\n"));

        Run r = zorvatCard({u"check"_s, dir.filePath(u"dept"_s)});
        QCOMPARE(r.status, 1);
        const QString text = QString::fromUtf8(r.out);
        QVERIFY2(text.contains(dir.filePath(u"dept/2026/OK-bad.txt"_s) + u":2: номер запису «21»"_s), qPrintable(text));
        QVERIFY2(text.contains(dir.filePath(u"dept/2026/ik-ends.txt"_s) + u":1: рядок закінчується на LF"_s), qPrintable(text));
        QVERIFY2(!text.contains(u"readme"_s) && !text.contains(u"notes"_s) && !text.contains(u"RK-clean"_s), qPrintable(text));

        r = zorvatCard({u"check"_s, u"--json"_s, dir.filePath(u"dept"_s)});
        QCOMPARE(r.status, 1);
        QJsonParseError error;
        QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray problems = formProblems(r);
        QCOMPARE(problems.size(), 2);
        const QJsonObject owner = problems.at(0).toObject(); // files in name order: "2026/OK" before "2026/ik"
        QCOMPARE(owner.value(u"file"_s).toString(), dir.filePath(u"dept/2026/OK-bad.txt"_s));
        QCOMPARE(owner.value(u"line"_s).toInt(), 2);
        QCOMPARE(owner.value(u"code"_s).toString(), u"2459"_s);
        QVERIFY(!owner.value(u"field"_s).toString().isEmpty());
        QCOMPARE(owner.value(u"severity"_s).toString(), u"error"_s);
        QVERIFY(owner.value(u"message"_s).toString().startsWith(u"номер запису «21» у рядку 2459 має бути від 1 до 20"_s));

        // A clean folder: an empty array and status 0; one without cards is a wrong call.
        r = zorvatCard({u"check"_s, u"--json"_s, dir.filePath(u"dept/RK-clean.txt"_s)});
        QCOMPARE(r.status, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out).array().size(), 0);
        QVERIFY(QDir(dir.path()).mkdir(u"empty"_s));
        r = zorvatCard({u"check"_s, dir.filePath(u"empty"_s)});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(u"немає файлів карток"_s), qPrintable(r.err));
    }

    // A card whose only remark is a warning (a budget of over a thousand thousands) is
    // printed with it, and still counts as one to send: status 0.
    void onlyWarningsEndWithZero()
    {
        QTemporaryDir dir;
        QStringList lines = rkFullCard();
        const qsizetype budget = lines.indexOf(QRegularExpression(u"7713\\\\.*"_s));
        QVERIFY(budget >= 0);
        lines[budget] = u"7713\\тис.грн.\\1500\\10\\20\\30\\40\\50\\0,5"_s;
        const QString in = dir.filePath(u"RK-million.txt"_s);
        writeFile(in, cardFileBytes(lines));
        Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 0);
        QVERIFY2(QString::fromUtf8(r.out).contains(u"Увага! Cумма вказується в тис.грн."_s), r.out.constData());
        r = zorvatCard({u"check"_s, u"--json"_s, in});
        QCOMPARE(r.status, 0);
        const QJsonArray problems = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.at(0).toObject().value(u"severity"_s).toString(), u"warning"_s);
    }

    // A card file in a folder that cannot be read is named, never passed over: a link that
    // leads back to itself, and a name in another encoding than the system's.
    void checkFolderNamesWhatItCannotRead()
    {
#ifndef Q_OS_UNIX
        QSKIP("links and undecodable names are those of Linux file systems");
#else
        QTemporaryDir dir;
        writeFile(dir.filePath(u"RK-clean.txt"_s), fullCards::bytes(CardType::RK));
        QVERIFY(QFile::link(u"RK-self.txt"_s, dir.filePath(u"RK-self.txt"_s)));
        const QByteArray latin1Name = QFile::encodeName(dir.path()) + "/RK-\xFF.txt";
        {
            FILE *f = std::fopen(latin1Name.constData(), "wb");
            QVERIFY(f);
            std::fputs("5256\\5\r\n\r\n", f);
            std::fclose(f);
        }
        const Run r = zorvatCard({u"check"_s, dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(dir.filePath(u"RK-self.txt"_s)) && r.err.contains(u"посилання"_s), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"не в кодуванні системи"_s), qPrintable(r.err));
#endif
    }

    // The editor's rules run on every value: the ten faults seeded into a full card of
    // each type are reported, each on the line that holds its value (the first line of
    // a two-language text), with the list entry or slot where there is one; the full
    // card itself is clean.
    void checkRunsTheRulesOfTheValues()
    {
        QTemporaryDir dir;
        for (const checkSeeds::Card &card : checkSeeds::cards()) {
            const QString seeded = dir.filePath(QString::fromUtf8(card.fileName));
            writeFile(seeded, cardFileBytes(checkSeeds::seededLines(card)));
            const QString full = dir.filePath(QString::fromUtf8(card.fileName).replace(u"seeded"_s, u"full"_s));
            writeFile(full, fullCards::bytes(card.type));
            Run r = zorvatCard({u"check"_s, full});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.out, QByteArray());

            r = zorvatCard({u"check"_s, u"--json"_s, seeded});
            QCOMPARE(r.status, 1);
            const QJsonArray problems = QJsonDocument::fromJson(r.out).array();
            QList<int> lines;
            int inEntries = 0;
            for (const QJsonValue &value : problems) {
                const QJsonObject p = value.toObject();
                lines << p.value(u"line"_s).toInt();
                QVERIFY(p.value(u"message"_s).toString().contains(p.value(u"field"_s).toString()));
                inEntries += p.value(u"entry"_s).toString().isEmpty() ? 0 : 1;
            }
            QList<int> expectedLines;
            int expectedInEntries = 0;
            for (const checkSeeds::Seed &seed : card.seeds) {
                expectedLines << seed.reportedLine;
                expectedInEntries += seed.entry > 0 ? 1 : 0;
            }
            std::sort(expectedLines.begin(), expectedLines.end());
            QCOMPARE(lines, expectedLines);
            QCOMPARE(inEntries, expectedInEntries);
        }
    }

    // Lines the reader leaves out are counted once on standard error by every command
    // that opens a card; a resave does not write over the file it left them in unless forced.
    void linesLeftOutWarnOnce_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("written");
        QTest::newRow("show") << u"show IN"_s << 0 << false;
        QTest::newRow("pdf") << u"pdf IN OUT"_s << 0 << true;
        QTest::newRow("resave elsewhere") << u"resave IN OUT"_s << 0 << true;
        QTest::newRow("resave over itself") << u"resave IN IN"_s << 2 << false;
        QTest::newRow("resave over itself, forced") << u"resave --force IN IN"_s << 0 << true;
    }
    void linesLeftOutWarnOnce()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"RK-2026.txt"_s);
        const QString out = dir.filePath(u"RK-out.pdf"_s);
        // Line 3 drops the customers that follow a gap, line 5 a title with language 9.
        const QByteArray bytes = cardFileBytes({u"5256\\5"_s, u"2458\\1\\1\\11111111\\Львів\\Завод\\адр\\\\"_s,
                                                u"2458\\3\\1\\33333333\\Харків\\Фонд\\адр\\\\"_s, u"7146\\34"_s,
                                                u"9027\\9\\Назва"_s});
        writeFile(in, bytes);
        QStringList argv = args.split(u' ');
        argv = withPaths(argv, {{u"IN"_s, in}, {u"OUT"_s, out}});
        const Run r = zorvatCard(argv);
        QCOMPARE(r.status, status);
        QCOMPARE(r.err.count(u"не прочитано 2 рядки (3, 5)"_s), 1);
        QVERIFY2(r.err.contains(u"zorvat-card check"_s), qPrintable(r.err));
        const QString target = argv.constLast();
        QCOMPARE(target == in ? readAll(in) != bytes : QFile::exists(out), written);
        if (status == 2)
            QVERIFY2(r.err.contains(u"--force"_s), qPrintable(r.err));
    }

    // A continuation line joined into a thesis title brings a "\" into it: check names
    // the line, and a resave writes nothing rather than a card that reads back cut.
    void separatorBroughtInByAContinuation()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"OKD-title.txt"_s);
        const QString out = dir.filePath(u"OKD-out.txt"_s);
        writeFile(in, cardFileBytes({u"5013\\05"_s, u"9045\\1\\Методи керування"_s, u"розділ 2\\3"_s, u"6140\\Петров"_s}));
        Run r = zorvatCard({u"check"_s, in});
        QCOMPARE(r.status, 1);
        QVERIFY2(QString::fromUtf8(r.out).contains(in + u":2: у тексті є «\\»"_s), r.out.constData());
        r = zorvatCard({u"resave"_s, in, out});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(u"9045"_s), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }
};

ZORVAT_TEST(CliTest)
#include "cli_test.moc"
