#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_test_support.h"
#include "support/test_registry.h"

#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void put(RkModel &m, const QList<std::pair<QString, QString>> &values)
{
    for (const auto &[field, value] : values)
        m.setFitted(field, value);
}

// A card with every field filled, three customers (one a natural person), two
// co-executors, three stages, two financing rows and six subject codes.
void fillFullCard(RkModel &m)
{
    put(m, {{u"ed5256"_s, u"1"_s}, {u"ed5517"_s, u"UA01U123456с"_s}, {u"ed5418N"_s, u"12/34"_s},
            {u"ed5418D"_s, u"01.02.24"_s}, {u"ed7146"_s, u"34"_s}, {u"ed7021"_s, u"Ш-17"_s},
            {u"ed7210"_s, u"0124U000123"_s}, {u"ed7700"_s, u"6541030"_s}, {u"cb7201"_s, u"2.7"_s},
            {u"ed7201a"_s, u"Інший напрям"_s}, {u"ed7023"_s, u"Програма розвитку"_s}, {u"ed7022"_s, u"ДЦП-5"_s},
            {u"ed5436"_s, u"0124U000777с"_s}, {u"ed7209"_s, u"71"_s}});

    m.setText(u"lizv"_s, u"Фізична особа"_s);
    m.setPartyKind(RkParty::Executor, true, RkLabelSet::Select);
    put(m, {{u"ed2457"_s, u"1234567890"_s}, {u"gorv"_s, u"Київ  "_s}, {u"ed2358"_s, u"ІТК  "_s},
            {u"mm2655"_s, u"01001, Київ, вул. Хрещатик, 1"_s}, {u"ed2934"_s, u"044-123-45-67"_s},
            {u"ed2394"_s, u"info@itk.ua /www.itk.ua"_s}, {u"ed1332"_s, u"МОН України "_s}, {u"cb1133"_s, u"ВУЗ"_s}});
    m.setBilingual(RkText::ExecutorName, RkLanguage::Ukrainian, u"Інститут технічної кібернетики"_s);
    m.setBilingual(RkText::ExecutorName, RkLanguage::English, u"Institute of Technical Cybernetics"_s);

    const QStringList customers[] = {
        {u"1"_s, u"Юридична особа"_s, u"11111111"_s, u"Львів"_s, u"Завод «Прилад»"_s, u"вул. Зелена, 2"_s, u"032-1"_s, u"a@b.ua"_s},
        {u"2"_s, u"Фізична особа"_s, u"2222222222"_s, u"Одеса"_s, u"Петренко Петро"_s, u"вул. Морська, 7"_s, u""_s, u""_s},
        {u"3"_s, u"Юридична особа"_s, u"33333333"_s, u"Харків"_s, u"Фонд"_s, u"пр. Науки, 9"_s, u"057-3"_s, u""_s},
    };
    for (const QStringList &c : customers) {
        m.setText(u"Edit1"_s, c.at(0));
        m.setText(u"lizz"_s, c.at(1));
        m.setPartyKind(RkParty::Customer, c.at(1) == rkPersonKinds().at(1), RkLabelSet::Select);
        put(m, {{u"ed2458"_s, c.at(2)}, {u"gorz"_s, c.at(3)}, {u"mm2152"_s, c.at(4)}, {u"mm2656"_s, c.at(5)},
                {u"ed2935"_s, c.at(6)}, {u"ed2395"_s, c.at(7)}});
        if (c.at(0) != u"3"_s) // the customer shown is stored by the save itself
            QVERIFY(m.storeCustomer());
    }

    put(m, {{u"fin"_s, u"7713"_s}, {u"ed"_s, u"тис.грн."_s}, {u"sum"_s, u"150,5"_s}, {u"sumg1"_s, u"50"_s},
            {u"sumg2"_s, u"50,5"_s}, {u"sumg3"_s, u"50"_s}, {u"fin1"_s, u"7715"_s}, {u"ed1"_s, u"дол."_s},
            {u"sum1"_s, u"10"_s}, {u"sumg1a"_s, u"10"_s}, {u"sumg6a"_s, u"0"_s}});
    const QStringList years = {u"2024"_s, u"2025"_s, u"2026"_s, u"2027"_s, u"2028"_s, u"2029"_s};
    for (int i = 0; i < years.size(); ++i)
        m.setText(rkYearFields().at(i), years.at(i));
    put(m, {{u"ed7353"_s, u"01.24"_s}, {u"ed7362"_s, u"12.26"_s}, {u"ed7191"_s, u"48"_s}, {u"cb9153"_s, u"007"_s},
            {u"cb9153a"_s, u"методична документація"_s}, {u"cb7199"_s, u"03"_s}, {u"mm9155"_s, u"72.19"_s},
            {u"mm9156"_s, u"Висновок Інституту проблем"_s}, {u"mm9126"_s, u"Створення методів керування"_s}});
    m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, u"Методи керування"_s);
    m.setBilingual(RkText::WorkTitle, RkLanguage::English, u"Control methods"_s);

    m.setText(u"cpn"_s, u"1"_s);
    put(m, {{u"cpk"_s, u"44444444"_s}, {u"gorc"_s, u"Дніпро"_s}, {u"cpi"_s, u"КБ «Південне»"_s}, {u"cpa"_s, u"вул. Криворізька, 3"_s}});
    QVERIFY(m.storeCoExecutor());
    m.setText(u"cpn"_s, u"2"_s);
    m.setText(u"lizsv"_s, u"Фізична особа"_s);
    m.setPartyKind(RkParty::CoExecutor, true, RkLabelSet::Select);
    put(m, {{u"cpk"_s, u"5555555555"_s}, {u"gorc"_s, u"Суми"_s}, {u"cpi"_s, u"Іваненко Іван"_s}, {u"cpa"_s, u"вул. Лісна, 4"_s}});

    const QStringList stages[] = {
        {u"1"_s, u"01.24"_s, u"12.24"_s, u"28"_s, u"Огляд і вибір напряму"_s},
        {u"2"_s, u"01.25"_s, u"12.25"_s, u"28"_s, u"Розроблення методів"_s},
        {u"3"_s, u"01.26"_s, u"12.26"_s, u"91"_s, u"Випробування"_s},
    };
    for (const QStringList &s : stages) {
        put(m, {{u"ed9036n"_s, s.at(0)}, {u"ed9036p"_s, s.at(1)}, {u"ed9036z"_s, s.at(2)}, {u"ed9036v"_s, s.at(3)},
                {u"mm9036"_s, s.at(4)}});
        QVERIFY(m.storeStage());
    }

    put(m, {{u"ed5634"_s, u"004.8"_s}, {u"ed6111"_s, u"Петренко П.П."_s}, {u"ed6210"_s, u"д.т.н., професор"_s},
            {u"ed6228"_s, u"к.т.н."_s}, {u"ed6140"_s, u"Коваль О.О."_s}, {u"ed6141"_s, u"044-000-00-00, Сидоренко С.С."_s}});
    for (int i = 0; i < rkRubricFields().size(); ++i)
        m.setFitted(rkRubricFields().at(i), u"1%1.2%1.3%1.4%1"_s.arg(i + 1));
    m.setBilingual(RkText::WorkHead, RkLanguage::Ukrainian, u"Бондар Б.Б."_s);
    m.setBilingual(RkText::WorkHead, RkLanguage::English, u"Bondar B."_s);
}

} // namespace

class RkLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCardIsByteExact()
    {
        QFile expected(QString::fromUtf8(ZORVAT_TEST_DATA "/rk_fresh.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        auto model = rkTest::freshModel();
        QCOMPARE(rkTest::save(*model), expected.readAll());
    }

    void fullCardRoundTrip()
    {
        auto model = rkTest::freshModel();
        fillFullCard(*model);
        const QStringList lines = rkTest::kind().fileLines(*model);
        QCOMPARE(rkTest::linesOf(lines, u"2458"_s),
                 QStringList({u"2458\\1\\1\\11111111\\Львів\\Завод «Прилад»\\вул. Зелена, 2\\032-1\\a@b.ua"_s,
                              u"2458\\2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\"_s,
                              u"2458\\3\\1\\33333333\\Харків\\Фонд\\пр. Науки, 9\\057-3\\"_s}));
        QCOMPARE(rkTest::linesOf(lines, u"2142"_s).size(), 2);
        QCOMPARE(rkTest::linesOf(lines, u"9036"_s).size(), 3);
        QCOMPARE(rkTest::linesOf(lines, u"5616"_s).size(), 6);
        QVERIFY(lines.contains(u"7715\\дол.\\10\\10\\\\\\\\\\0"_s));

        const QByteArray first = cardFileBytes(lines);
        auto reopened = rkTest::freshModel();
        QVERIFY(rkTest::open(*reopened, first).ok());
        QCOMPARE(reopened->partyCode(RkParty::Executor).mask, u"9999999999;1;_"_s);
        QCOMPARE(reopened->recordCount(RkList::Customers), 3);
        QCOMPARE(rkTest::save(*reopened), first);
    }

    void lineOrder()
    {
        auto model = rkTest::freshModel();
        fillFullCard(*model);
        QStringList codes;
        for (const QString &line : rkTest::kind().fileLines(*model)) {
            const QString code = line.section(QLatin1Char('\\'), 0, 0);
            if (codes.isEmpty() || codes.constLast() != code)
                codes << code;
        }
        const QStringList expected = u"5256 5436 5418 5517 2457 2151 2358 2655 2934 2394 1332 1133 2458 FING 7713 7715 7353 7362 7146 7191 "
            "9153 7210 7209 7021 7700 7201 7023 7022 7199 9155 9156 9027 9126 2142 9036 5634 5616 6111 6210 6120 "
            "6228 6140 6141"_s.split(QLatin1Char(' '));
        QCOMPARE(codes, expected);
    }

    void conditionalLines_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");

        const QStringList none;
        QTest::newRow("5517 blank") << u"ed5517"_s << u""_s << u"5517"_s << none;
        QTest::newRow("5517 filled") << u"ed5517"_s << u"UA01U123456"_s << u"5517"_s
                                     << QStringList{u"5517\\UA01U123456 "_s};
        QTest::newRow("7209 empty") << u"ed7209"_s << u""_s << u"7209"_s << none;
        QTest::newRow("7201 other only") << u"ed7201a"_s << u"Інше"_s << u"7201"_s << none;
        QTest::newRow("7201 code") << u"cb7201"_s << u"2.1"_s << u"7201"_s << QStringList{u"7201\\2.1\\"_s};
        QTest::newRow("9153 other") << u"cb9153a"_s << u"тощо"_s << u"9153"_s << QStringList{u"9153\\\\тощо"_s};
        QTest::newRow("6210 empty") << u"ed6210"_s << u""_s << u"6210"_s << none;
        QTest::newRow("5616 part typed") << u"ed56163"_s << u"12"_s << u"5616"_s << QStringList{u"5616\\12.  .  .  "_s};
        QTest::newRow("2358 trailing blanks") << u"ed2358"_s << u" ІТК  "_s << u"2358"_s << QStringList{u"2358\\ ІТК"_s};
        QTest::newRow("city trailing blanks") << u"gorv"_s << u"Київ "_s << u"2655"_s << QStringList{u"2655\\Київ\\"_s};
        QTest::newRow("2934 keeps blanks") << u"ed2934"_s << u"044 "_s << u"2934"_s << QStringList{u"2934\\044 "_s};
        QTest::newRow("lizv natural") << u"lizv"_s << u"Фізична особа"_s << u"2457"_s << QStringList{u"2457\\2\\        "_s};
        QTest::newRow("lizv typed") << u"lizv"_s << u"Юр"_s << u"2457"_s << QStringList{u"2457\\0\\        "_s};
        QTest::newRow("row 1 typed source") << u"fin"_s << u"7715"_s << u"7715"_s << QStringList{u"7715\\тис.грн.\\\\\\\\\\\\\\"_s};
        QTest::newRow("row 1 other code") << u"fin"_s << u"7799"_s << u"7799"_s << none;
    }

    void conditionalLines()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        auto model = rkTest::freshModel();
        model->setFitted(field, value);
        QCOMPARE(rkTest::linesOf(rkTest::kind().fileLines(*model), code), expected);
    }

    void customerGroupEndsAtGap()
    {
        auto model = rkTest::freshModel();
        for (int n : {1, 2, 4}) {
            model->setText(u"Edit1"_s, QString::number(n));
            model->setText(u"mm2152"_s, u"Замовник %1"_s.arg(n));
            QVERIFY(model->storeCustomer());
        }
        const QStringList lines = rkTest::linesOf(rkTest::kind().fileLines(*model), u"2458"_s);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(1).startsWith(u"2458\\2\\1\\"_s));
    }

    void stageWithoutNameIsSkipped()
    {
        auto model = rkTest::freshModel();
        model->setRecord(RkList::Stages, 1, u"1\\01.24\\12.24\\91\\"_s, u"1\\01.24\\12.24\\91\\"_s);
        model->setRecord(RkList::Stages, 2, u"2\\01.25\\12.25\\91\\Етап"_s, u"2\\01.25\\12.25\\91\\Етап"_s);
        QCOMPARE(rkTest::linesOf(rkTest::kind().fileLines(*model), u"9036"_s), QStringList{u"9036\\2\\01.25\\12.25\\91\\Етап"_s});
    }

    void fullListsEndAtLastSlot_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("lines");
        QTest::newRow("customers") << int(RkList::Customers) << u"2458"_s << 200;
        QTest::newRow("co-executors") << int(RkList::CoExecutors) << u"2142"_s << 50;
        QTest::newRow("stages") << int(RkList::Stages) << u"9036"_s << 15;
    }

    void fullListsEndAtLastSlot()
    {
        QFETCH(int, list);
        QFETCH(QString, code);
        QFETCH(int, lines);
        const auto l = RkList(list);
        auto model = rkTest::freshModel();
        for (int n = 1; n <= RkModel::capacity(l); ++n) {
            const QString record = u"%1\\1\\x\\x\\Назва"_s.arg(n);
            const QString display = l == RkList::Stages ? record : u"%1\\Юридична особа\\x\\x\\Назва"_s.arg(n);
            model->setRecord(l, n, record, display);
        }
        model->showEntry(l, RkModel::capacity(l));
        const QStringList saved = rkTest::kind().fileLines(*model);
        QCOMPARE(rkTest::linesOf(saved, code).size(), lines);

        // A record numbered beyond the bound is not taken from a file: what the card
        // holds is what the check accepts.
        QStringList withExtra = saved;
        withExtra.insert(withExtra.indexOf(rkTest::linesOf(saved, code).constLast()) + 1,
                         u"%1\\%2\\1\\x\\x\\Зайвий"_s.arg(code).arg(lines + 1));
        auto reread = rkTest::opened(withExtra);
        QCOMPARE(rkTest::linesOf(rkTest::kind().fileLines(*reread), code).size(), lines);
        QVERIFY(!rkTest::kind().fileLines(*reread).join(u'\n').contains(u"Зайвий"_s));
    }
};

ZORVAT_TEST(RkLinesTest)
#include "rk_lines_test.moc"
