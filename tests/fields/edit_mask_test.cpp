#include "fields/edit_mask.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

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

        const QString date = u"  .  .  "_s;
        QTest::newRow("date full") << u"99.99.99;1;_"_s << u"120599"_s
                                   << u"12.05.99"_s << u"12.05.99"_s << date;
        QTest::newRow("date part") << u"99.99.99;1;_"_s << u"1205"_s
                                   << u"12.05.  "_s << u"12.05.__"_s << date;
        QTest::newRow("date blank in the middle") << u"99.99.99;1;_"_s << u"1 0599"_s
                                                  << u"1 .05.99"_s << u"1_.05.99"_s << date;
        QTest::newRow("date typed with points") << u"99.99.99;1;_"_s << u"31.12.99"_s
                                                << u"31.12.99"_s << u"31.12.99"_s << date;
        QTest::newRow("date no blank char") << u"99.99.99;1;"_s << u"3112"_s
                                            << u"31.12.  "_s << u"31.12.__"_s << date;
        QTest::newRow("date letters refused") << u"99.99.99;1;"_s << u"a1b2c"_s
                                              << u"12.  .  "_s << u"12.__.__"_s << date;
        QTest::newRow("month-year") << u"99.99;1;_"_s << u"0599"_s
                                    << u"05.99"_s << u"05.99"_s << u"  .  "_s;
        QTest::newRow("month-year part") << u"99.99;1;_"_s << u"1"_s
                                         << u"1 .  "_s << u"1_.__"_s << u"  .  "_s;
        QTest::newRow("subject code") << u"99.99.99.99;1;_"_s << u"01020304"_s
                                      << u"01.02.03.04"_s << u"01.02.03.04"_s
                                      << u"  .  .  .  "_s;
        QTest::newRow("subject code gap") << u"99.99.99.99;1;_"_s << u"01  03"_s
                                          << u"01.  .03.  "_s << u"01.__.03.__"_s
                                          << u"  .  .  .  "_s;
        QTest::newRow("legal code 7") << u"99999999;1;_"_s << u"1234567"_s
                                      << u"1234567 "_s << u"1234567_"_s << QString(8, QLatin1Char(' '));
        QTest::newRow("legal code gap") << u"99999999;1;_"_s << u"12 45678"_s
                                        << u"12 45678"_s << u"12_45678"_s << QString(8, QLatin1Char(' '));
        QTest::newRow("natural code") << u"9999999999;1;_"_s << u"1234567890"_s
                                      << u"1234567890"_s << u"1234567890"_s << QString(10, QLatin1Char(' '));
        QTest::newRow("natural code, too many") << u"9999999999;1;_"_s << u"123456789012"_s
                                                << u"1234567890"_s << u"1234567890"_s
                                                << QString(10, QLatin1Char(' '));
        QTest::newRow("pages 6") << u"999999;1; "_s << u"123"_s
                                 << u"123   "_s << u"123   "_s << QString(6, QLatin1Char(' '));
        QTest::newRow("pages 4 right") << u"!9999;1; "_s << u"123"_s
                                       << u" 123"_s << u" 123"_s << QString(4, QLatin1Char(' '));
        QTest::newRow("pages 4 right, full") << u"!9999;1; "_s << u"123456"_s
                                             << u"1234"_s << u"1234"_s
                                             << QString(4, QLatin1Char(' '));
        QTest::newRow("accounting number") << u"9999U999999;1;_"_s << u"0104000123"_s
                                           << u"0104U000123"_s << u"0104U000123"_s
                                           << u"    U      "_s;
        QTest::newRow("accounting number, U typed") << u"9999U999999;1;_"_s << u"0104U000123"_s
                                                    << u"0104U000123"_s << u"0104U000123"_s
                                                    << u"    U      "_s;
        QTest::newRow("registration number") << u"9999U999999l;1;_"_s << u"0104000123"_s
                                             << u"0104U000123 "_s << u"0104U000123_"_s
                                             << u"    U       "_s;
        QTest::newRow("registration number с") << u"9999U999999l;1;_"_s << u"0104000123с"_s
                                               << u"0104U000123с"_s << u"0104U000123с"_s
                                               << u"    U       "_s;
        QTest::newRow("registration number gap") << u"9999U999999l;1;_"_s << u"01  000123"_s
                                                 << u"01  U000123 "_s << u"01__U000123_"_s
                                                 << u"    U       "_s;
        QTest::newRow("stage number") << u"99;1;_"_s << u"7"_s
                                      << u"7 "_s << u"7_"_s << u"  "_s;
        QTest::newRow("changed number") << u"aa99a999999l;1;_"_s << u"0101U000123c"_s
                                        << u"0101U000123c"_s << u"0101U000123c"_s
                                        << QString(12, QLatin1Char(' '));
        QTest::newRow("changed number Cyrillic") << u"aa99a999999l;1;_"_s << u"ЮА01Ф123456с"_s
                                                 << u"ЮА01Ф123456с"_s << u"ЮА01Ф123456с"_s
                                                 << QString(12, QLatin1Char(' '));
        QTest::newRow("changed number, digit in l") << u"aa99a999999l;1;_"_s << u"0101U0001234"_s
                                                    << u"0101U000123 "_s << u"0101U000123_"_s
                                                    << QString(12, QLatin1Char(' '));
        QTest::newRow("main executor number") << u"aa99a99999al;1;_"_s << u"UA01U00012Uс"_s
                                              << u"UA01U00012Uс"_s << u"UA01U00012Uс"_s
                                              << QString(12, QLatin1Char(' '));
        QTest::newRow("required letters") << u"AA99A999999l;1;_"_s << u"AB12U345678"_s
                                          << u"AB12U345678 "_s << u"AB12U345678_"_s
                                          << QString(12, QLatin1Char(' '));
        QTest::newRow("city upper case") << u">LLLlccccccccccccccccccccccccc;0; "_s << u"київ"_s
                                         << u"КИЇВ"_s << u"КИЇВ"_s + QString(25, QLatin1Char(' '))
                                         << QString();
        QTest::newRow("city with digits") << u">LLLlccccccccccccccccccccccccc;0; "_s << u"л1ьвів-2"_s
                                          << u"ЛЬВІВ-2"_s << u"ЛЬВІВ-2"_s + QString(22, QLatin1Char(' '))
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
        const EditMask m(u"9999U999999l;1;_"_s);
        QCOMPARE(m.fit(u"    U"_s), u"    U       "_s);
        QCOMPARE(m.fit(QString()), u"    U       "_s);
        QCOMPARE(m.fit(u"0104U000123"_s), u"0104U000123 "_s);
        QCOMPARE(m.displayText(m.editText(u"    U"_s)), u"____U_______"_s);
        // A character a position does not take becomes a blank.
        QCOMPARE(EditMask(u"99.99.99;1;_"_s).fit(u"1x.05.9"_s), u"1 .05.9 "_s);
        QVERIFY(m.isBlank(u"    U       "_s));
        QVERIFY(!m.isBlank(u"1   U       "_s));
        QCOMPARE(EditMask(u"99999999;1;_"_s).fit(u""_s), QString(8, QLatin1Char(' ')));
    }

    void noMask()
    {
        const EditMask m;
        QVERIFY(m.isEmpty());
        QCOMPARE(m.fit(u" abc "_s), u" abc "_s);
        QCOMPARE(m.emptyText(), QString());
        QCOMPARE(EditMask(QString()).fit(u"x"_s), u"x"_s);
    }

    void typingSkipsLiterals()
    {
        const EditMask m(u"99.99.99;1;_"_s);
        EditMask::Edit e = m.type(m.emptyText(), 0, QLatin1Char('1'));
        QCOMPARE(e.cursor, 1);
        e = m.type(e.text, e.cursor, QLatin1Char('2'));
        QCOMPARE(e.cursor, 3); // past the point
        QCOMPARE(e.text, u"12.  .  "_s);
        // A point typed ahead of its place: the cursor jumps past it.
        e = m.type(m.emptyText(), 1, QLatin1Char('.'));
        QVERIFY(e.accepted);
        QCOMPARE(e.cursor, 3);
        QCOMPARE(e.text, m.emptyText());
        // A letter in a digit place is refused.
        e = m.type(m.emptyText(), 0, QLatin1Char('x'));
        QVERIFY(!e.accepted);
        // Typing at a literal writes the next slot.
        e = m.type(u"12.  .  "_s, 2, QLatin1Char('0'));
        QCOMPARE(e.text, u"12.0 .  "_s);
        QCOMPARE(e.cursor, 4);
        // Typing overwrites.
        e = m.type(u"12.05.99"_s, 0, QLatin1Char('3'));
        QCOMPARE(e.text, u"32.05.99"_s);
        // Nothing beyond the last position.
        e = m.type(u"12.05.99"_s, 8, QLatin1Char('3'));
        QVERIFY(!e.accepted);
        // The fixed U of a registration number is stepped over.
        const EditMask r(u"9999U999999l;1;_"_s);
        e = r.type(u"0104U       "_s, 3, QLatin1Char('4'));
        QCOMPARE(e.cursor, 5);
    }

    void backspaceAndDelete()
    {
        const EditMask m(u"99.99.99;1;_"_s);
        EditMask::Edit e = m.backspace(u"12.05.99"_s, 3, 0);
        QCOMPARE(e.text, u"1 .05.99"_s);
        QCOMPARE(e.cursor, 1);
        e = m.backspace(e.text, e.cursor, 0);
        QCOMPARE(e.text, u"  .05.99"_s);
        QCOMPARE(e.cursor, 0);
        QVERIFY(!m.backspace(e.text, 0, 0).accepted);
        e = m.remove(u"12.05.99"_s, 2, 0); // at the point: the next digit
        QCOMPARE(e.text, u"12. 5.99"_s);
        QCOMPARE(e.cursor, 3);
        e = m.remove(u"12.05.99"_s, 0, 0);
        QCOMPARE(e.text, u" 2.05.99"_s);
        // A selection is emptied; literals stay.
        e = m.remove(u"12.05.99"_s, 1, 6);
        QCOMPARE(e.text, u"1 .  . 9"_s);
        QCOMPARE(e.cursor, 1);
        e = m.backspace(u"12.05.99"_s, 0, 8);
        QCOMPARE(e.text, m.emptyText());
    }

    void typingReplacesSelection()
    {
        const EditMask m(u"99.99.99;1;_"_s);
        EditMask::Edit e = m.typeText(u"12.05.99"_s, 0, 8, u"3"_s);
        QCOMPARE(e.text, u"3 .  .  "_s);
        QCOMPARE(e.cursor, 1);
        e = m.typeText(u"12.05.99"_s, 3, 2, u"1"_s);
        QCOMPARE(e.text, u"12.1 .99"_s);
    }

    void pasting()
    {
        const EditMask m(u"99.99.99;1;_"_s);
        QCOMPARE(m.paste(m.emptyText(), 0, 0, u"12.05.99"_s).text, u"12.05.99"_s);
        QCOMPARE(m.paste(m.emptyText(), 0, 0, u"120599"_s).text, u"12.05.99"_s);
        QCOMPARE(m.paste(m.emptyText(), 3, 0, u"0699"_s).text, u"  .06.99"_s);
        QCOMPARE(m.paste(m.emptyText(), 0, 0, u"12.__.99"_s).text, u"12.  .99"_s);
        QCOMPARE(m.paste(m.emptyText(), 0, 0, u"1.5.99"_s).text, u"1 .5 .99"_s);
        QCOMPARE(m.paste(u"11.11.11"_s, 0, 8, u"2"_s).text, u"2 .  .  "_s);
        const EditMask::Edit e = m.paste(m.emptyText(), 0, 0, u"12\r\n05"_s);
        QCOMPARE(e.text, u"12.05.  "_s);
        QCOMPARE(e.cursor, 6);
        const EditMask code(u"99999999;1;_"_s);
        QCOMPARE(code.paste(code.emptyText(), 0, 0, u"12-34-56-78"_s).text, u"12345678"_s);
    }

    // Required places: a value leaves none of them blank.
    void requiredFilled_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("filled");
        const QString city = u">LLLlccccccccccccccccccccccccc;0; "_s;
        QTest::newRow("city of three letters") << city << u"РІВ"_s << true;
        QTest::newRow("city with digits after") << city << u"ЛЬВІВ-2"_s << true;
        QTest::newRow("city of two letters") << city << u"КИ"_s << false;
        QTest::newRow("city with a digit early") << city << u"К1ЇВ"_s << false;
        QTest::newRow("empty city") << city << QString() << false;
        QTest::newRow("date has none") << u"99.99.99;1;_"_s << u"  .  .  "_s << true;
        QTest::newRow("required letters") << u"AA99A999999l;1;_"_s << u"AB12U345678 "_s
                                          << true;
        QTest::newRow("required letter blank") << u"AA99A999999l;1;_"_s << u"A 12U345678 "_s
                                               << false;
        QTest::newRow("required digits") << u"00-00;0;_"_s << u"123"_s << false;
        QTest::newRow("plain field") << QString() << u"x"_s << true;
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
        const EditMask upper(u">LLL<ll>cc;1;_"_s);
        const EditMask::Edit e = typeAll(upper, u"abcDEfg"_s);
        QCOMPARE(e.text, u"ABCdeFG"_s);
        const EditMask keep(u">L<>l;1;_"_s);
        QCOMPARE(typeAll(keep, u"ab"_s).text, u"Ab"_s);
        QCOMPARE(upper.fit(u"їжак"_s), u"ЇЖАк   "_s);
    }

    void cyrillicLetters()
    {
        const EditMask m(u"LLl;1;_"_s);
        QVERIFY(m.accepts(0, QChar(0x0416))); // Ж
        QVERIFY(m.accepts(2, QChar(0x0457))); // ї
        QVERIFY(!m.accepts(0, QLatin1Char('1')));
        const EditMask digits(u"99;1;_"_s);
        QVERIFY(!digits.accepts(0, QChar(0x0661))); // Arabic-Indic one is not a digit place's digit
    }

    void remaskKeepsSlots()
    {
        const EditMask legal(u"99999999;1;_"_s);
        const EditMask natural(u"9999999999;1;_"_s);
        QCOMPARE(natural.refit(u"12345678"_s, legal), u"12345678  "_s);
        QCOMPARE(legal.refit(u"1234567890"_s, natural), u"12345678"_s);
        QCOMPARE(natural.refit(legal.emptyText(), legal), natural.emptyText());
        QCOMPARE(EditMask(u"99.99;1;_"_s).refit(u"12.34.56"_s, EditMask(u"99.99.99;1;_"_s)),
                 u"12.34"_s);
    }

    void padLiterals()
    {
        const EditMask date(u"99.99.99;1;"_s);
        QCOMPARE(date.padLiterals(u".  ."_s), u"  .  .  "_s);
        QCOMPARE(date.padLiterals(u"."_s), u"  .  .  "_s);
        QCOMPARE(date.padLiterals(u"12.05.9"_s), u"12.05.9 "_s);
        QCOMPARE(date.padLiterals(u"2.05.99"_s), u"2 .05.99"_s);
        QCOMPARE(date.padLiterals(u"12.05.99"_s), u"12.05.99"_s);
        const EditMask number(u"9999U999999l;1;_"_s);
        QCOMPARE(number.padLiterals(u"U"_s), u"    U       "_s);
        QCOMPARE(number.padLiterals(u"U1234567"_s), u"    U123456 "_s);
        QCOMPARE(number.padLiterals(u"0104U000123"_s), u"0104U000123 "_s);
        const EditMask pages(u"!9999;1; "_s);
        QCOMPARE(pages.padLiterals(u"12"_s), u"  12"_s);
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

        const QString count = u"!9999;1; "_s;
        const QString empty(4, QLatin1Char(' '));
        QTest::newRow("typed from the start") << count << empty << 0 << 0 << u"12"_s << u"  12"_s << 4;
        QTest::newRow("typed at the end") << count << empty << 4 << 0 << u"7"_s << u"   7"_s << 4;
        QTest::newRow("typed between") << count << u"  13"_s << 3 << 0 << u"2"_s
                                       << u" 123"_s << 3;
        QTest::newRow("full: overwrites") << count << u"1234"_s << 1 << 0 << u"9"_s
                                          << u"1934"_s << 2;
        QTest::newRow("full: nothing more at the end") << count << u"1234"_s << 4 << 0 << u"5"_s
                                                       << u"1234"_s << 4;
        QTest::newRow("letter refused") << count << u"  12"_s << 4 << 0 << u"x"_s
                                        << u"  12"_s << 4;
        QTest::newRow("backspace at the end") << count << u" 123"_s << 4 << 0 << u"<"_s
                                              << u"  12"_s << 4;
        QTest::newRow("backspace between") << count << u" 123"_s << 3 << 0 << u"<"_s
                                           << u"  13"_s << 3;
        QTest::newRow("delete between") << count << u" 123"_s << 1 << 0 << u">"_s
                                        << u"  23"_s << 2;
        QTest::newRow("selection retyped") << count << u" 123"_s << 1 << 2 << u"9"_s
                                           << u"  93"_s << 3;
        QTest::newRow("selection removed") << count << u"1234"_s << 0 << 2 << u"<"_s
                                           << u"  34"_s << 2;
        QTest::newRow("blank typed last") << count << u" 123"_s << 3 << 0 << u" "_s
                                          << u"  12"_s << 4;
        // Each run between two literals by itself.
        const QString pair = u"!99-99;1;_"_s;
        QTest::newRow("two runs") << pair << u"  -  "_s << 0 << 0 << u"1-2"_s
                                  << u" 1- 2"_s << 5;
        QTest::newRow("two runs, first full goes on") << pair << u"  -  "_s << 0 << 0
                                                      << u"123"_s << u"12- 3"_s << 5;
        // A run of mixed classes: a character never moves where its class is not taken,
        // and one that moves takes the letter case of its new place.
        QTest::newRow("mixed run: no letter into a digit") << u"!L9;1;_"_s << u"a1"_s << 2 << 0
                                                           << u"<"_s << u"a1"_s << 2;
        QTest::newRow("moved letter takes the case") << u"!c<LL;1;_"_s << u"Яab"_s << 3 << 0
                                                     << u"<"_s << u" яa"_s << 3;
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
        const EditMask count(u"!9999;1; "_s);
        QCOMPARE(count.fit(u"123"_s), u" 123"_s);
        QCOMPARE(count.fit(u"12  "_s), u"  12"_s);
        QCOMPARE(count.fit(u"1 2"_s), u" 1 2"_s);
        QCOMPARE(count.fit(QString()), QString(4, QLatin1Char(' ')));
        QCOMPARE(count.editText(u"5"_s), u"   5"_s);
        QCOMPARE(count.refit(u"12"_s, EditMask(u"9999;1; "_s)), u"  12"_s);
        const EditMask city(u"!999;0;_"_s);
        QCOMPARE(city.editText(u"7"_s), u"  7"_s);
        QCOMPARE(city.valueOf(u"  7"_s), u"7"_s);
    }

    void literalsNotKept()
    {
        const EditMask m(u"99-99;0;_"_s);
        QCOMPARE(m.emptyText(), QString());
        QCOMPARE(m.editText(u"1234"_s), u"12-34"_s);
        QCOMPARE(m.valueOf(u"12-3 "_s), u"123"_s);
        QCOMPARE(m.valueOf(u"1 -3 "_s), u"1 3"_s);
        QCOMPARE(m.displayText(m.editText(u"1"_s)), u"1_-__"_s);
    }
};

ZORVAT_TEST(EditMaskTest)
#include "edit_mask_test.moc"
