#include "fields/edit_mask.h"
#include "support/test_registry.h"

#include <QTest>

namespace {

// Types `typed` into an empty field from the first position.
EditMask::Edit typeAll(const EditMask &mask, const QString &typed, const QString &start = {})
{
    EditMask::Edit e{start.isNull() ? mask.editText(QString()) : mask.editText(start), 0, true};
    for (const QChar ch : typed) {
        const EditMask::Edit next = mask.type(e.text, e.cursor, ch);
        if (next.accepted)
            e = next;
    }
    return e;
}

} // namespace

class EditMaskTest : public QObject
{
    Q_OBJECT

private slots:
    // Every mask of the four cards: typed from an empty field, the value, the screen
    // text, and the value of the untouched field.
    void cardMasks_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("empty");

        const QString date = QStringLiteral("  .  .  ");
        QTest::newRow("date full") << QStringLiteral("99.99.99;1;_") << QStringLiteral("120599")
                                   << QStringLiteral("12.05.99") << QStringLiteral("12.05.99") << date;
        QTest::newRow("date part") << QStringLiteral("99.99.99;1;_") << QStringLiteral("1205")
                                   << QStringLiteral("12.05.  ") << QStringLiteral("12.05.__") << date;
        QTest::newRow("date blank in the middle") << QStringLiteral("99.99.99;1;_") << QStringLiteral("1 0599")
                                                  << QStringLiteral("1 .05.99") << QStringLiteral("1_.05.99") << date;
        QTest::newRow("date typed with points") << QStringLiteral("99.99.99;1;_") << QStringLiteral("31.12.99")
                                                << QStringLiteral("31.12.99") << QStringLiteral("31.12.99") << date;
        QTest::newRow("date no blank char") << QStringLiteral("99.99.99;1;") << QStringLiteral("3112")
                                            << QStringLiteral("31.12.  ") << QStringLiteral("31.12.__") << date;
        QTest::newRow("date letters refused") << QStringLiteral("99.99.99;1;") << QStringLiteral("a1b2c")
                                              << QStringLiteral("12.  .  ") << QStringLiteral("12.__.__") << date;
        QTest::newRow("month-year") << QStringLiteral("99.99;1;_") << QStringLiteral("0599")
                                    << QStringLiteral("05.99") << QStringLiteral("05.99") << QStringLiteral("  .  ");
        QTest::newRow("month-year part") << QStringLiteral("99.99;1;_") << QStringLiteral("1")
                                         << QStringLiteral("1 .  ") << QStringLiteral("1_.__") << QStringLiteral("  .  ");
        QTest::newRow("subject code") << QStringLiteral("99.99.99.99;1;_") << QStringLiteral("01020304")
                                      << QStringLiteral("01.02.03.04") << QStringLiteral("01.02.03.04")
                                      << QStringLiteral("  .  .  .  ");
        QTest::newRow("subject code gap") << QStringLiteral("99.99.99.99;1;_") << QStringLiteral("01  03")
                                          << QStringLiteral("01.  .03.  ") << QStringLiteral("01.__.03.__")
                                          << QStringLiteral("  .  .  .  ");
        QTest::newRow("legal code 7") << QStringLiteral("99999999;1;_") << QStringLiteral("1234567")
                                      << QStringLiteral("1234567 ") << QStringLiteral("1234567_") << QString(8, QLatin1Char(' '));
        QTest::newRow("legal code gap") << QStringLiteral("99999999;1;_") << QStringLiteral("12 45678")
                                        << QStringLiteral("12 45678") << QStringLiteral("12_45678") << QString(8, QLatin1Char(' '));
        QTest::newRow("natural code") << QStringLiteral("9999999999;1;_") << QStringLiteral("1234567890")
                                      << QStringLiteral("1234567890") << QStringLiteral("1234567890") << QString(10, QLatin1Char(' '));
        QTest::newRow("natural code, too many") << QStringLiteral("9999999999;1;_") << QStringLiteral("123456789012")
                                                << QStringLiteral("1234567890") << QStringLiteral("1234567890")
                                                << QString(10, QLatin1Char(' '));
        QTest::newRow("pages 6") << QStringLiteral("999999;1; ") << QStringLiteral("123")
                                 << QStringLiteral("123   ") << QStringLiteral("123   ") << QString(6, QLatin1Char(' '));
        QTest::newRow("pages 4 right") << QStringLiteral("!9999;1; ") << QStringLiteral("123")
                                       << QStringLiteral(" 123") << QStringLiteral(" 123") << QString(4, QLatin1Char(' '));
        QTest::newRow("pages 4 right, full") << QStringLiteral("!9999;1; ") << QStringLiteral("123456")
                                             << QStringLiteral("1234") << QStringLiteral("1234")
                                             << QString(4, QLatin1Char(' '));
        QTest::newRow("accounting number") << QStringLiteral("9999U999999;1;_") << QStringLiteral("0104000123")
                                           << QStringLiteral("0104U000123") << QStringLiteral("0104U000123")
                                           << QStringLiteral("    U      ");
        QTest::newRow("accounting number, U typed") << QStringLiteral("9999U999999;1;_") << QStringLiteral("0104U000123")
                                                    << QStringLiteral("0104U000123") << QStringLiteral("0104U000123")
                                                    << QStringLiteral("    U      ");
        QTest::newRow("registration number") << QStringLiteral("9999U999999l;1;_") << QStringLiteral("0104000123")
                                             << QStringLiteral("0104U000123 ") << QStringLiteral("0104U000123_")
                                             << QStringLiteral("    U       ");
        QTest::newRow("registration number с") << QStringLiteral("9999U999999l;1;_") << QStringLiteral("0104000123с")
                                               << QStringLiteral("0104U000123с") << QStringLiteral("0104U000123с")
                                               << QStringLiteral("    U       ");
        QTest::newRow("registration number gap") << QStringLiteral("9999U999999l;1;_") << QStringLiteral("01  000123")
                                                 << QStringLiteral("01  U000123 ") << QStringLiteral("01__U000123_")
                                                 << QStringLiteral("    U       ");
        QTest::newRow("stage number") << QStringLiteral("99;1;_") << QStringLiteral("7")
                                      << QStringLiteral("7 ") << QStringLiteral("7_") << QStringLiteral("  ");
        QTest::newRow("changed number") << QStringLiteral("aa99a999999l;1;_") << QStringLiteral("0101U000123c")
                                        << QStringLiteral("0101U000123c") << QStringLiteral("0101U000123c")
                                        << QString(12, QLatin1Char(' '));
        QTest::newRow("changed number Cyrillic") << QStringLiteral("aa99a999999l;1;_") << QStringLiteral("ЮА01Ф123456с")
                                                 << QStringLiteral("ЮА01Ф123456с") << QStringLiteral("ЮА01Ф123456с")
                                                 << QString(12, QLatin1Char(' '));
        QTest::newRow("changed number, digit in l") << QStringLiteral("aa99a999999l;1;_") << QStringLiteral("0101U0001234")
                                                    << QStringLiteral("0101U000123 ") << QStringLiteral("0101U000123_")
                                                    << QString(12, QLatin1Char(' '));
        QTest::newRow("main executor number") << QStringLiteral("aa99a99999al;1;_") << QStringLiteral("UA01U00012Uс")
                                              << QStringLiteral("UA01U00012Uс") << QStringLiteral("UA01U00012Uс")
                                              << QString(12, QLatin1Char(' '));
        QTest::newRow("required letters") << QStringLiteral("AA99A999999l;1;_") << QStringLiteral("AB12U345678")
                                          << QStringLiteral("AB12U345678 ") << QStringLiteral("AB12U345678_")
                                          << QString(12, QLatin1Char(' '));
        QTest::newRow("city upper case") << QStringLiteral(">LLLlccccccccccccccccccccccccc;0; ") << QStringLiteral("київ")
                                         << QStringLiteral("КИЇВ") << QStringLiteral("КИЇВ") + QString(25, QLatin1Char(' '))
                                         << QString();
        QTest::newRow("city with digits") << QStringLiteral(">LLLlccccccccccccccccccccccccc;0; ") << QStringLiteral("л1ьвів-2")
                                          << QStringLiteral("ЛЬВІВ-2") << QStringLiteral("ЛЬВІВ-2") + QString(22, QLatin1Char(' '))
                                          << QString();
    }

    void cardMasks()
    {
        QFETCH(QString, mask);
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QFETCH(QString, empty);
        const EditMask m(mask);
        QCOMPARE(m.emptyText(), empty);
        QVERIFY(m.isBlank(m.emptyText()));
        const EditMask::Edit e = typeAll(m, typed);
        QCOMPARE(m.valueOf(e.text), value);
        QCOMPARE(m.displayText(e.text), shown);
        // The value comes back unchanged when set again (a card file read).
        QCOMPARE(m.fit(value), value);
        QCOMPARE(m.valueOf(m.editText(value)), value);
    }

    void fitPositionByPosition()
    {
        const EditMask m(QStringLiteral("9999U999999l;1;_"));
        QCOMPARE(m.fit(QStringLiteral("    U")), QStringLiteral("    U       "));
        QCOMPARE(m.fit(QString()), QStringLiteral("    U       "));
        QCOMPARE(m.fit(QStringLiteral("0104U000123")), QStringLiteral("0104U000123 "));
        QCOMPARE(m.displayText(m.editText(QStringLiteral("    U"))), QStringLiteral("____U_______"));
        // A character a position does not take becomes a blank.
        QCOMPARE(EditMask(QStringLiteral("99.99.99;1;_")).fit(QStringLiteral("1x.05.9")), QStringLiteral("1 .05.9 "));
        QVERIFY(m.isBlank(QStringLiteral("    U       ")));
        QVERIFY(!m.isBlank(QStringLiteral("1   U       ")));
        QCOMPARE(EditMask(QStringLiteral("99999999;1;_")).fit(QStringLiteral("")), QString(8, QLatin1Char(' ')));
    }

    void noMask()
    {
        const EditMask m;
        QVERIFY(m.isEmpty());
        QCOMPARE(m.fit(QStringLiteral(" abc ")), QStringLiteral(" abc "));
        QCOMPARE(m.emptyText(), QString());
        QCOMPARE(EditMask(QString()).fit(QStringLiteral("x")), QStringLiteral("x"));
    }

    void typingSkipsLiterals()
    {
        const EditMask m(QStringLiteral("99.99.99;1;_"));
        EditMask::Edit e = m.type(m.emptyText(), 0, QLatin1Char('1'));
        QCOMPARE(e.cursor, 1);
        e = m.type(e.text, e.cursor, QLatin1Char('2'));
        QCOMPARE(e.cursor, 3); // past the point
        QCOMPARE(e.text, QStringLiteral("12.  .  "));
        // A point typed ahead of its place: the cursor jumps past it.
        e = m.type(m.emptyText(), 1, QLatin1Char('.'));
        QVERIFY(e.accepted);
        QCOMPARE(e.cursor, 3);
        QCOMPARE(e.text, m.emptyText());
        // A letter in a digit place is refused.
        e = m.type(m.emptyText(), 0, QLatin1Char('x'));
        QVERIFY(!e.accepted);
        // Typing at a literal writes the next slot.
        e = m.type(QStringLiteral("12.  .  "), 2, QLatin1Char('0'));
        QCOMPARE(e.text, QStringLiteral("12.0 .  "));
        QCOMPARE(e.cursor, 4);
        // Typing overwrites.
        e = m.type(QStringLiteral("12.05.99"), 0, QLatin1Char('3'));
        QCOMPARE(e.text, QStringLiteral("32.05.99"));
        // Nothing beyond the last position.
        e = m.type(QStringLiteral("12.05.99"), 8, QLatin1Char('3'));
        QVERIFY(!e.accepted);
        // The fixed U of a registration number is stepped over.
        const EditMask r(QStringLiteral("9999U999999l;1;_"));
        e = r.type(QStringLiteral("0104U       "), 3, QLatin1Char('4'));
        QCOMPARE(e.cursor, 5);
    }

    void backspaceAndDelete()
    {
        const EditMask m(QStringLiteral("99.99.99;1;_"));
        EditMask::Edit e = m.backspace(QStringLiteral("12.05.99"), 3, 0);
        QCOMPARE(e.text, QStringLiteral("1 .05.99"));
        QCOMPARE(e.cursor, 1);
        e = m.backspace(e.text, e.cursor, 0);
        QCOMPARE(e.text, QStringLiteral("  .05.99"));
        QCOMPARE(e.cursor, 0);
        QVERIFY(!m.backspace(e.text, 0, 0).accepted);
        e = m.remove(QStringLiteral("12.05.99"), 2, 0); // at the point: the next digit
        QCOMPARE(e.text, QStringLiteral("12. 5.99"));
        QCOMPARE(e.cursor, 3);
        e = m.remove(QStringLiteral("12.05.99"), 0, 0);
        QCOMPARE(e.text, QStringLiteral(" 2.05.99"));
        // A selection is emptied; literals stay.
        e = m.remove(QStringLiteral("12.05.99"), 1, 6);
        QCOMPARE(e.text, QStringLiteral("1 .  . 9"));
        QCOMPARE(e.cursor, 1);
        e = m.backspace(QStringLiteral("12.05.99"), 0, 8);
        QCOMPARE(e.text, m.emptyText());
    }

    void typingReplacesSelection()
    {
        const EditMask m(QStringLiteral("99.99.99;1;_"));
        EditMask::Edit e = m.typeText(QStringLiteral("12.05.99"), 0, 8, QStringLiteral("3"));
        QCOMPARE(e.text, QStringLiteral("3 .  .  "));
        QCOMPARE(e.cursor, 1);
        e = m.typeText(QStringLiteral("12.05.99"), 3, 2, QStringLiteral("1"));
        QCOMPARE(e.text, QStringLiteral("12.1 .99"));
    }

    void pasting()
    {
        const EditMask m(QStringLiteral("99.99.99;1;_"));
        QCOMPARE(m.paste(m.emptyText(), 0, 0, QStringLiteral("12.05.99")).text, QStringLiteral("12.05.99"));
        QCOMPARE(m.paste(m.emptyText(), 0, 0, QStringLiteral("120599")).text, QStringLiteral("12.05.99"));
        QCOMPARE(m.paste(m.emptyText(), 3, 0, QStringLiteral("0699")).text, QStringLiteral("  .06.99"));
        QCOMPARE(m.paste(m.emptyText(), 0, 0, QStringLiteral("12.__.99")).text, QStringLiteral("12.  .99"));
        QCOMPARE(m.paste(m.emptyText(), 0, 0, QStringLiteral("1.5.99")).text, QStringLiteral("1 .5 .99"));
        QCOMPARE(m.paste(QStringLiteral("11.11.11"), 0, 8, QStringLiteral("2")).text, QStringLiteral("2 .  .  "));
        const EditMask::Edit e = m.paste(m.emptyText(), 0, 0, QStringLiteral("12\r\n05"));
        QCOMPARE(e.text, QStringLiteral("12.05.  "));
        QCOMPARE(e.cursor, 6);
        const EditMask code(QStringLiteral("99999999;1;_"));
        QCOMPARE(code.paste(code.emptyText(), 0, 0, QStringLiteral("12-34-56-78")).text, QStringLiteral("12345678"));
    }

    // Required places: a value leaves none of them blank.
    void requiredFilled_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("filled");
        const QString city = QStringLiteral(">LLLlccccccccccccccccccccccccc;0; ");
        QTest::newRow("city of three letters") << city << QStringLiteral("РІВ") << true;
        QTest::newRow("city with digits after") << city << QStringLiteral("ЛЬВІВ-2") << true;
        QTest::newRow("city of two letters") << city << QStringLiteral("КИ") << false;
        QTest::newRow("city with a digit early") << city << QStringLiteral("К1ЇВ") << false;
        QTest::newRow("empty city") << city << QString() << false;
        QTest::newRow("date has none") << QStringLiteral("99.99.99;1;_") << QStringLiteral("  .  .  ") << true;
        QTest::newRow("required letters") << QStringLiteral("AA99A999999l;1;_") << QStringLiteral("AB12U345678 ")
                                          << true;
        QTest::newRow("required letter blank") << QStringLiteral("AA99A999999l;1;_") << QStringLiteral("A 12U345678 ")
                                               << false;
        QTest::newRow("required digits") << QStringLiteral("00-00;0;_") << QStringLiteral("123") << false;
        QTest::newRow("plain field") << QString() << QStringLiteral("x") << true;
    }
    void requiredFilled()
    {
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QFETCH(bool, filled);
        QCOMPARE(EditMask(mask).requiredFilled(value), filled);
    }

    void caseConversion()
    {
        const EditMask upper(QStringLiteral(">LLL<ll>cc;1;_"));
        const EditMask::Edit e = typeAll(upper, QStringLiteral("abcDEfg"));
        QCOMPARE(e.text, QStringLiteral("ABCdeFG"));
        const EditMask keep(QStringLiteral(">L<>l;1;_"));
        QCOMPARE(typeAll(keep, QStringLiteral("ab")).text, QStringLiteral("Ab"));
        QCOMPARE(upper.fit(QStringLiteral("їжак")), QStringLiteral("ЇЖАк   "));
    }

    void cyrillicLetters()
    {
        const EditMask m(QStringLiteral("LLl;1;_"));
        QVERIFY(m.accepts(0, QChar(0x0416))); // Ж
        QVERIFY(m.accepts(2, QChar(0x0457))); // ї
        QVERIFY(!m.accepts(0, QLatin1Char('1')));
        const EditMask digits(QStringLiteral("99;1;_"));
        QVERIFY(!digits.accepts(0, QChar(0x0661))); // Arabic-Indic one is not a digit place's digit
    }

    void remaskKeepsSlots()
    {
        const EditMask legal(QStringLiteral("99999999;1;_"));
        const EditMask natural(QStringLiteral("9999999999;1;_"));
        QCOMPARE(natural.refit(QStringLiteral("12345678"), legal), QStringLiteral("12345678  "));
        QCOMPARE(legal.refit(QStringLiteral("1234567890"), natural), QStringLiteral("12345678"));
        QCOMPARE(natural.refit(legal.emptyText(), legal), natural.emptyText());
        QCOMPARE(EditMask(QStringLiteral("99.99;1;_")).refit(QStringLiteral("12.34.56"), EditMask(QStringLiteral("99.99.99;1;_"))),
                 QStringLiteral("12.34"));
    }

    void padLiterals()
    {
        const EditMask date(QStringLiteral("99.99.99;1;"));
        QCOMPARE(date.padLiterals(QStringLiteral(".  .")), QStringLiteral("  .  .  "));
        QCOMPARE(date.padLiterals(QStringLiteral(".")), QStringLiteral("  .  .  "));
        QCOMPARE(date.padLiterals(QStringLiteral("12.05.9")), QStringLiteral("12.05.9 "));
        QCOMPARE(date.padLiterals(QStringLiteral("2.05.99")), QStringLiteral("2 .05.99"));
        QCOMPARE(date.padLiterals(QStringLiteral("12.05.99")), QStringLiteral("12.05.99"));
        const EditMask number(QStringLiteral("9999U999999l;1;_"));
        QCOMPARE(number.padLiterals(QStringLiteral("U")), QStringLiteral("    U       "));
        QCOMPARE(number.padLiterals(QStringLiteral("U1234567")), QStringLiteral("    U123456 "));
        QCOMPARE(number.padLiterals(QStringLiteral("0104U000123")), QStringLiteral("0104U000123 "));
        const EditMask pages(QStringLiteral("!9999;1; "));
        QCOMPARE(pages.padLiterals(QStringLiteral("12")), QStringLiteral("  12"));
    }

    // "!": the empty positions of a run stand before its characters, whatever the
    // editing: typed at any cursor, removed, replaced through a selection.
    void alignedRight_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("start");   // edit text
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("selected");    // characters selected from the cursor
        QTest::addColumn<QString>("keys");    // "<" Backspace, ">" Delete, others typed
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursorAfter");

        const QString count = QStringLiteral("!9999;1; ");
        const QString empty(4, QLatin1Char(' '));
        QTest::newRow("typed from the start") << count << empty << 0 << 0 << QStringLiteral("12") << QStringLiteral("  12") << 4;
        QTest::newRow("typed at the end") << count << empty << 4 << 0 << QStringLiteral("7") << QStringLiteral("   7") << 4;
        QTest::newRow("typed between") << count << QStringLiteral("  13") << 3 << 0 << QStringLiteral("2")
                                       << QStringLiteral(" 123") << 3;
        QTest::newRow("full: overwrites") << count << QStringLiteral("1234") << 1 << 0 << QStringLiteral("9")
                                          << QStringLiteral("1934") << 2;
        QTest::newRow("full: nothing more at the end") << count << QStringLiteral("1234") << 4 << 0 << QStringLiteral("5")
                                                       << QStringLiteral("1234") << 4;
        QTest::newRow("letter refused") << count << QStringLiteral("  12") << 4 << 0 << QStringLiteral("x")
                                        << QStringLiteral("  12") << 4;
        QTest::newRow("backspace at the end") << count << QStringLiteral(" 123") << 4 << 0 << QStringLiteral("<")
                                              << QStringLiteral("  12") << 4;
        QTest::newRow("backspace between") << count << QStringLiteral(" 123") << 3 << 0 << QStringLiteral("<")
                                           << QStringLiteral("  13") << 3;
        QTest::newRow("delete between") << count << QStringLiteral(" 123") << 1 << 0 << QStringLiteral(">")
                                        << QStringLiteral("  23") << 2;
        QTest::newRow("selection retyped") << count << QStringLiteral(" 123") << 1 << 2 << QStringLiteral("9")
                                           << QStringLiteral("  93") << 3;
        QTest::newRow("selection removed") << count << QStringLiteral("1234") << 0 << 2 << QStringLiteral("<")
                                           << QStringLiteral("  34") << 2;
        QTest::newRow("blank typed last") << count << QStringLiteral(" 123") << 3 << 0 << QStringLiteral(" ")
                                          << QStringLiteral("  12") << 4;
        // Each run between two literals by itself.
        const QString pair = QStringLiteral("!99-99;1;_");
        QTest::newRow("two runs") << pair << QStringLiteral("  -  ") << 0 << 0 << QStringLiteral("1-2")
                                  << QStringLiteral(" 1- 2") << 5;
        QTest::newRow("two runs, first full goes on") << pair << QStringLiteral("  -  ") << 0 << 0
                                                      << QStringLiteral("123") << QStringLiteral("12- 3") << 5;
        // A run of mixed classes: a character never moves where its class is not taken,
        // and one that moves takes the letter case of its new place.
        QTest::newRow("mixed run: no letter into a digit") << QStringLiteral("!L9;1;_") << QStringLiteral("a1") << 2 << 0
                                                           << QStringLiteral("<") << QStringLiteral("a1") << 2;
        QTest::newRow("moved letter takes the case") << QStringLiteral("!c<LL;1;_") << QStringLiteral("Яab") << 3 << 0
                                                     << QStringLiteral("<") << QStringLiteral(" яa") << 3;
    }

    void alignedRight()
    {
        QFETCH(QString, mask);
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, cursorAfter);
        const EditMask m(mask);
        EditMask::Edit e{start, cursor, true};
        int selection = selected;
        for (const QChar key : keys) {
            EditMask::Edit next;
            if (key == QLatin1Char('<'))
                next = m.backspace(e.text, e.cursor, selection);
            else if (key == QLatin1Char('>'))
                next = m.remove(e.text, e.cursor, selection);
            else
                next = m.typeText(e.text, e.cursor, selection, QString(key));
            selection = 0;
            if (next.accepted)
                e = next;
        }
        QCOMPARE(e.text, text);
        QCOMPARE(e.cursor, cursorAfter);
    }

    // A value given as a whole (read from a card line, trimmed) stands to the right.
    void alignedRightValues()
    {
        const EditMask count(QStringLiteral("!9999;1; "));
        QCOMPARE(count.fit(QStringLiteral("123")), QStringLiteral(" 123"));
        QCOMPARE(count.fit(QStringLiteral("12  ")), QStringLiteral("  12"));
        QCOMPARE(count.fit(QStringLiteral("1 2")), QStringLiteral(" 1 2"));
        QCOMPARE(count.fit(QString()), QString(4, QLatin1Char(' ')));
        QCOMPARE(count.editText(QStringLiteral("5")), QStringLiteral("   5"));
        QCOMPARE(count.refit(QStringLiteral("12"), EditMask(QStringLiteral("9999;1; "))), QStringLiteral("  12"));
        const EditMask city(QStringLiteral("!999;0;_"));
        QCOMPARE(city.editText(QStringLiteral("7")), QStringLiteral("  7"));
        QCOMPARE(city.valueOf(QStringLiteral("  7")), QStringLiteral("7"));
    }

    void literalsNotKept()
    {
        const EditMask m(QStringLiteral("99-99;0;_"));
        QCOMPARE(m.emptyText(), QString());
        QCOMPARE(m.editText(QStringLiteral("1234")), QStringLiteral("12-34"));
        QCOMPARE(m.valueOf(QStringLiteral("12-3 ")), QStringLiteral("123"));
        QCOMPARE(m.valueOf(QStringLiteral("1 -3 ")), QStringLiteral("1 3"));
        QCOMPARE(m.displayText(m.editText(QStringLiteral("1"))), QStringLiteral("1_-__"));
    }
};

ZORVAT_TEST(EditMaskTest)
#include "edit_mask_test.moc"
