#include "cardfile/card_item.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ItemTest : public QObject
{
    Q_OBJECT
private slots:
    void item_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code") << u"5418\\12\\01.02.03"_s << 1 << u"5418"_s;
        QTest::newRow("middle") << u"5418\\12\\01.02.03"_s << 2 << u"12"_s;
        QTest::newRow("last") << u"5418\\12\\01.02.03"_s << 3 << u"01.02.03"_s;
        QTest::newRow("beyond last") << u"5418\\12\\01.02.03"_s << 4 << QString();
        QTest::newRow("zero") << u"5418\\12"_s << 0 << QString();
        QTest::newRow("negative") << u"5418\\12"_s << -1 << QString();
        QTest::newRow("no separator is item 1") << u"2394"_s << 1 << u"2394"_s;
        QTest::newRow("no separator has no item 2") << u"2394"_s << 2 << QString();
        QTest::newRow("adjacent separators") << u"FING\\\\2021"_s << 2 << QString();
        QTest::newRow("after empty item") << u"FING\\\\2021"_s << 3 << u"2021"_s;
        QTest::newRow("trailing separator") << u"2394\\"_s << 2 << QString();
        QTest::newRow("blanks kept") << u"5436\\    U       "_s << 2 << u"    U       "_s;
        QTest::newRow("empty string") << QString() << 1 << QString();
        QTest::newRow("cyrillic") << u"2151\\1\\Інститут\\x"_s << 3 << u"Інститут"_s;
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
        QCOMPARE(::item(u"a;b;c"_s, 2, QLatin1Char(';')), u"b"_s);
    }

    void trimAndCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("trimmed");
        QTest::addColumn<QString>("code");
        QTest::newRow("cr and blanks") << u"  5256\\5 \r"_s << u"5256\\5"_s << u"5256"_s;
        QTest::newRow("control chars") << u"\t\x01" "2394\\a\x02"_s << u"2394\\a"_s << u"2394"_s;
        QTest::newRow("code with blanks") << u" 7146 \\34"_s << u"7146 \\34"_s << u"7146"_s;
        QTest::newRow("only blanks") << u"   \r"_s << QString() << QString();
        QTest::newRow("inner blanks stay") << u"9027\\1\\a  b"_s << u"9027\\1\\a  b"_s << u"9027"_s;
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
