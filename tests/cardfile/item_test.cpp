#include "cardfile/card_item.h"
#include "support/test_registry.h"

#include <QTest>

class ItemTest : public QObject
{
    Q_OBJECT
private slots:
    void item_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code") << QStringLiteral("5418\\12\\01.02.03") << 1 << QStringLiteral("5418");
        QTest::newRow("middle") << QStringLiteral("5418\\12\\01.02.03") << 2 << QStringLiteral("12");
        QTest::newRow("last") << QStringLiteral("5418\\12\\01.02.03") << 3 << QStringLiteral("01.02.03");
        QTest::newRow("beyond last") << QStringLiteral("5418\\12\\01.02.03") << 4 << QString();
        QTest::newRow("zero") << QStringLiteral("5418\\12") << 0 << QString();
        QTest::newRow("negative") << QStringLiteral("5418\\12") << -1 << QString();
        QTest::newRow("no separator is item 1") << QStringLiteral("2394") << 1 << QStringLiteral("2394");
        QTest::newRow("no separator has no item 2") << QStringLiteral("2394") << 2 << QString();
        QTest::newRow("adjacent separators") << QStringLiteral("FING\\\\2021") << 2 << QString();
        QTest::newRow("after empty item") << QStringLiteral("FING\\\\2021") << 3 << QStringLiteral("2021");
        QTest::newRow("trailing separator") << QStringLiteral("2394\\") << 2 << QString();
        QTest::newRow("blanks kept") << QStringLiteral("5436\\    U       ") << 2 << QStringLiteral("    U       ");
        QTest::newRow("empty string") << QString() << 1 << QString();
        QTest::newRow("cyrillic") << QStringLiteral("2151\\1\\Інститут\\x") << 3 << QStringLiteral("Інститут");
    }
    void item()
    {
        QFETCH(QString, s);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(::item(s, n), expected);
    }

    void otherSeparator()
    {
        QCOMPARE(::item(QStringLiteral("a;b;c"), 2, QLatin1Char(';')), QStringLiteral("b"));
    }

    void trimAndCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QString>("code");
        QTest::newRow("cr and blanks") << QStringLiteral("  5256\\5 \r") << QStringLiteral("5256\\5") << QStringLiteral("5256");
        QTest::newRow("control chars") << QStringLiteral("\t\x01" "2394\\a\x02") << QStringLiteral("2394\\a") << QStringLiteral("2394");
        QTest::newRow("code with blanks") << QStringLiteral(" 7146 \\34") << QStringLiteral("7146 \\34") << QStringLiteral("7146");
        QTest::newRow("only blanks") << QStringLiteral("   \r") << QString() << QString();
        QTest::newRow("inner blanks stay") << QStringLiteral("9027\\1\\a  b") << QStringLiteral("9027\\1\\a  b") << QStringLiteral("9027");
    }
    void trimAndCode()
    {
        QFETCH(QString, line);
        QFETCH(QString, trimmed);
        QFETCH(QString, code);
        QCOMPARE(trimLine(line), trimmed);
        QCOMPARE(lineCode(line), code);
    }
};

ZORVAT_TEST(ItemTest)
#include "item_test.moc"
