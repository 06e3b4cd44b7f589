#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"
#include "rules_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace fieldRules;

namespace {

QString joined(const QStringList &list)
{
    return list.join(QLatin1Char('|'));
}

} // namespace

class FieldRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void date_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("messages");
        const QString month = monthError();
        const QString day = dayError();
        // Days the month has, leap years included (a two-digit year is of this century).
        QTest::newRow("31.02.99 day") << u"31.02.99"_s << day;
        QTest::newRow("30.02.24 day") << u"30.02.24"_s << day;
        QTest::newRow("29.02.24 leap year") << u"29.02.24"_s << QString();
        QTest::newRow("29.02.00 leap year") << u"29.02.00"_s << QString();
        QTest::newRow("29.02.26 day") << u"29.02.26"_s << day;
        QTest::newRow("31.04.26 day") << u"31.04.26"_s << day;
        QTest::newRow("30.04.26") << u"30.04.26"_s << QString();
        QTest::newRow("01.01.00") << u"01.01.00"_s << QString();
        QTest::newRow("31.12.99") << u"31.12.99"_s << QString();
        QTest::newRow("00.05.99 day") << u"00.05.99"_s << day;
        QTest::newRow("32.12.99 day") << u"32.12.99"_s << day;
        QTest::newRow("15.13.99 month") << u"15.13.99"_s << month;
        QTest::newRow("12.00.99 month") << u"12.00.99"_s << month;
        QTest::newRow("32.13.99 both") << u"32.13.99"_s << month + QLatin1Char('|') + day;
        QTest::newRow("00.00.00 both") << u"00.00.00"_s << month + QLatin1Char('|') + day;
        QTest::newRow("1 .05.99 date") << u"1 .05.99"_s << dateError();
        QTest::newRow("  .05.99 date") << u"  .05.99"_s << dateError();
        QTest::newRow("12.05.9  date") << u"12.05.9 "_s << dateError();
        QTest::newRow("untouched") << u"  .  .  "_s << QString();
    }

    void date()
    {
        QFETCH(QString, text);
        QFETCH(QString, messages);
        QCOMPARE(joined(dateMessages(text)), messages);

        // The same through the exit rule: each message returns the focus.
        CardModel model(testTable());
        model.setText(u"ed5418D"_s, text);
        RecordingRuleContext ctx;
        const bool passed = dateRule(model, u"ed5418D"_s, ctx);
        QCOMPARE(passed, messages.isEmpty());
        QCOMPARE(joined(ctx.messages()), messages);
        QCOMPARE(ctx.focusedBack(), !messages.isEmpty());
        QStringList expectedLog;
        for (const QString &m : messages.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            expectedLog << u"message: "_s + m << u"focusBack"_s;
        QCOMPARE(ctx.log(), expectedLog);
    }

    void dateUnfittedModelText()
    {
        // A model text not yet fitted to the mask reads as the mask shows it.
        CardModel model(testTable());
        model.setText(u"ed5418D"_s, QString());
        RecordingRuleContext ctx;
        QVERIFY(dateRule(model, u"ed5418D"_s, ctx));
        QVERIFY(ctx.silent());
    }

    void monthYear_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("messages");
        QTest::newRow("13.99") << u"13.99"_s << monthError();
        QTest::newRow("00.99") << u"00.99"_s << monthError();
        QTest::newRow("12.99") << u"12.99"_s << QString();
        QTest::newRow("01.00") << u"01.00"_s << QString();
        QTest::newRow("untouched") << u"  .  "_s << QString();
        QTest::newRow("1 .99") << u"1 .99"_s << dateError();
        QTest::newRow("01.9 ") << u"01.9 "_s << dateError();
    }

    void monthYear()
    {
        QFETCH(QString, text);
        QFETCH(QString, messages);
        QCOMPARE(joined(monthYearMessages(text)), messages);
        CardModel model(testTable());
        model.setText(u"ed7353"_s, text);
        RecordingRuleContext ctx;
        QCOMPARE(monthYearRule(model, u"ed7353"_s, ctx), messages.isEmpty());
        QCOMPARE(joined(ctx.messages()), messages);
        QCOMPARE(ctx.focusedBack(), !messages.isEmpty());
    }

    void trimOnKeyPress_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("number") << u"cpn"_s << u" 2 "_s << u"2"_s;
        QTest::newRow("number tab") << u"cpn"_s << u"\t3"_s << u"3"_s;
        QTest::newRow("empty date") << u"ed5418D"_s << u"  .  .  "_s << u"  .  .  "_s;
        QTest::newRow("full date") << u"ed5418D"_s << u"12.05.99"_s << u"12.05.99"_s;
        QTest::newRow("date, open end") << u"ed5418D"_s << u"12.05.9 "_s << u"12.05.9 "_s;
        QTest::newRow("date, open start") << u"ed5418D"_s << u" 2.05.99"_s << u"2 .05.99"_s;
        QTest::newRow("month-year") << u"ed9036p"_s << u"  .  "_s << u"  .  "_s;
        QTest::newRow("registration number") << u"ed5436"_s << u"    U       "_s
                                             << u"    U       "_s;
        QTest::newRow("registration number, filled")
            << u"ed5436"_s << u"    U123456 "_s << u"    U123456 "_s;
        QTest::newRow("code") << u"cpk"_s << u"  345678"_s << u"345678  "_s;
    }

    void trimOnKeyPress()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        CardModel model(testTable());
        model.setText(field, text);
        QCOMPARE(trimOnKey(model, field), text != trimmed);
        QCOMPARE(model.text(field), trimmed);
    }

    void personKind()
    {
        CardModel model(testTable());
        PersonKindSettings info;
        info.selector = u"lizv"_s;
        info.codeField = u"ed2457"_s;
        info.label = u"Label30"_s;
        info.legalText = u"2457 Код організації за ЄДРПУ "_s;
        info.naturalText = u"2457 Ідентифікаційний номер"_s;
        QString letter;

        model.setText(u"lizv"_s, naturalPerson());
        model.setText(u"ed2457"_s, u"12345678"_s);
        RecordingRuleContext ctx;
        QVERIFY(personKindRule(model, ctx, info, letter));
        QVERIFY(ctx.silent());
        QCOMPARE(letter, u"ф"_s);
        QCOMPARE(model.mask(u"ed2457"_s), u"9999999999;1;_"_s);
        QCOMPARE(model.text(u"ed2457"_s), u"12345678  "_s);
        QVERIFY(model.label(u"Label30"_s));
        QCOMPARE(model.label(u"Label30"_s)->text, info.naturalText);
        QVERIFY(model.label(u"Label30"_s)->blue);

        model.setText(u"lizv"_s, legalPerson());
        QVERIFY(personKindRule(model, ctx, info, letter));
        QCOMPARE(letter, u"ю"_s);
        QCOMPARE(model.mask(u"ed2457"_s), u"99999999;1;_"_s);
        QCOMPARE(model.text(u"ed2457"_s), u"12345678"_s);
        QCOMPARE(model.label(u"Label30"_s)->text, info.legalText);
        QVERIFY(!model.label(u"Label30"_s)->blue);

        // A text that is no entry: the first entry and the focus back.
        model.setText(u"lizv"_s, u"Фізична"_s);
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(model.text(u"lizv"_s), legalPerson());
        QVERIFY(ctx.focusedBack());
        QVERIFY(ctx.messages().isEmpty());
        QCOMPARE(letter, u"ю"_s);
    }

    void personKindOtherCards()
    {
        // OK, OKD, IK: " Помилка ", a beep, the text stays; the kind and the code's
        // mask wait for a kind that is one of the two.
        CardModel model(testTable());
        PersonKindSettings info;
        info.selector = u"lizz"_s;
        info.codeField = u"ed2458"_s;
        info.resetInvalidText = false;
        info.invalidMessage = u" Помилка "_s;
        info.beepOnInvalid = true;
        QString letter;
        model.setText(u"lizz"_s, u"хтось"_s);
        RecordingRuleContext ctx;
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(ctx.log(), (QStringList{u"message:  Помилка "_s, u"beep"_s,
                                         u"focusBack"_s}));
        QCOMPARE(model.text(u"lizz"_s), u"хтось"_s);
        QCOMPARE(letter, QString());
        QCOMPARE(model.mask(u"ed2458"_s), legalCodeMask());
    }

    void personKindNeedsNumber()
    {
        CardModel model(testTable());
        PersonKindSettings info;
        info.selector = u"lizsv"_s;
        info.codeField = u"cpk"_s;
        info.numberField = u"cpn"_s;
        model.setText(u"cpn"_s, QString());
        model.setText(u"lizsv"_s, naturalPerson());
        QString letter;
        RecordingRuleContext ctx;
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(ctx.messages(), QStringList{numberMissing()});
        QCOMPARE(ctx.focusTarget(), u"cpn"_s);
        QCOMPARE(letter, u"ф"_s);
        QCOMPARE(model.mask(u"cpk"_s), naturalCodeMask());
    }

    void partyCode_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("beepLegal");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("natural");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("log");
        const QString exec = u"2457."_s;
        const QString legal8 = u"message: 2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s;
        const QString natural10 =
            u"message: 2457.Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"_s;
        const QString back = u"focusBack"_s;
        QTest::newRow("legal 7 digits") << exec << false << legalLetter() << false << u"1234567 "_s
                                        << QStringList{legal8, back};
        QTest::newRow("executor beeps first") << exec << true << legalLetter() << false << u"1234567 "_s
                                              << QStringList{u"beep"_s, legal8, back};
        QTest::newRow("legal gap") << exec << false << legalLetter() << false << u"12 45678"_s
                                   << QStringList{legal8, back};
        QTest::newRow("legal empty") << exec << true << legalLetter() << false << QString(8, QLatin1Char(' '))
                                     << QStringList();
        QTest::newRow("legal unfitted empty") << exec << true << legalLetter() << false << QString() << QStringList();
        QTest::newRow("legal full") << exec << true << legalLetter() << false << u"12345678"_s
                                    << QStringList();
        QTest::newRow("natural 8 of 10") << exec << true << naturalLetter() << true << u"12345678  "_s
                                         << QStringList{natural10, back};
        QTest::newRow("natural full") << exec << false << naturalLetter() << true << u"1234567890"_s
                                      << QStringList();
        // Ten digits kept when the kind became a legal person: eight are asked for; once
        // they fit, the code narrows to its eight places.
        QTest::newRow("legal, ten digits kept") << exec << false << legalLetter() << true
                                                << u"1234567890"_s << QStringList{legal8, back};
        QTest::newRow("legal, eight digits in ten places")
            << exec << false << legalLetter() << true << u"12345678  "_s << QStringList();
        QTest::newRow("no letter yet") << exec << false << QString() << false << u"1234    "_s
                                       << QStringList();
        QTest::newRow("customer")
            << u"2458."_s << false << legalLetter() << false << u"1       "_s
            << QStringList{u"message: 2458.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s, back};
        QTest::newRow("co-executor natural")
            << QString() << false << naturalLetter() << true << u"1         "_s
            << QStringList{u"message: Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"_s,
                           back};
    }

    void partyCode()
    {
        QFETCH(QString, prefix);
        QFETCH(bool, beepLegal);
        QFETCH(QString, letter);
        QFETCH(bool, natural);
        QFETCH(QString, code);
        QFETCH(QStringList, log);
        CardModel model(testTable());
        if (natural)
            model.setMask(u"ed2457"_s, naturalCodeMask());
        model.setText(u"ed2457"_s, code);
        PartyCodeSettings info;
        info.codeField = u"ed2457"_s;
        info.prefix = prefix;
        info.beepLegal = beepLegal;
        RecordingRuleContext ctx;
        QCOMPARE(partyCodeRule(model, ctx, info, letter), log.isEmpty());
        QCOMPARE(ctx.log(), log);
        if (letter == legalLetter() && log.isEmpty())
            QCOMPARE(model.mask(u"ed2457"_s), legalCodeMask());
    }

    void coExecutorCodeNeedsNumber()
    {
        CardModel model(testTable());
        model.setText(u"cpn"_s, QString());
        model.setText(u"cpk"_s, u"123     "_s);
        PartyCodeSettings info;
        info.codeField = u"cpk"_s;
        info.numberField = u"cpn"_s;
        RecordingRuleContext ctx;
        QVERIFY(!partyCodeRule(model, ctx, info, legalLetter()));
        QCOMPARE(ctx.log(), (QStringList{u"message: Вкажіть порядковий номер!"_s, u"focusTo: cpn"_s}));
    }

    void listCode()
    {
        CardModel model(testTable());
        RecordingRuleContext ctx;
        model.setText(u"cb7201"_s, u"2.2"_s);
        QVERIFY(listCodeRule(model, ctx, u"cb7201"_s));
        model.setText(u"cb7201"_s, QString());
        QVERIFY(listCodeRule(model, ctx, u"cb7201"_s)); // the list has an empty entry
        QVERIFY(ctx.silent());
        model.setText(u"cb7201"_s, u"2.8"_s);
        QVERIFY(!listCodeRule(model, ctx, u"cb7201"_s));
        QCOMPARE(ctx.log(), (QStringList{u"message: Помилка в коді!"_s, u"focusBack"_s}));
        ctx.clear();
        model.setText(u"ed5256"_s, QString());
        QVERIFY(!listCodeRule(model, ctx, u"ed5256"_s));
        // Other lists, letter case, other message.
        ctx.clear();
        model.setText(u"cb7201"_s, u"п"_s);
        QVERIFY(listCodeRule(model, ctx, u"cb7201"_s, {u"П"_s}, Qt::CaseInsensitive));
        QVERIFY(!listCodeRule(model, ctx, u"cb7201"_s, {u"П"_s}, Qt::CaseSensitive,
                              u"Помилка в коді! Реквізит обов'язковий."_s));
        QCOMPARE(ctx.messages(), QStringList{u"Помилка в коді! Реквізит обов'язковий."_s});
    }

    void clearModel()
    {
        CardModel model(testTable());
        model.setText(u"ed5418D"_s, u"12.05.99"_s);
        model.setText(u"Edit1"_s, u"7"_s);
        model.setText(u"mm2152"_s, u"Назва"_s);
        model.setText(u"ed5256"_s, u"1"_s);
        model.setText(u"cb7201"_s, u"2.2"_s);
        model.setText(u"Indjz"_s, u"1"_s);
        model.setText(u"cb6642"_s, u"1"_s);
        model.setText(u"sp5526"_s, u"9"_s);
        model.setText(u"edgod1"_s, u"2024"_s);
        model.setMask(u"ed2457"_s, naturalCodeMask());
        model.setText(u"ed2457"_s, u"1234567890"_s);
        clearFields(model);
        QCOMPARE(model.text(u"ed5418D"_s), u"  .  .  "_s);
        QCOMPARE(model.text(u"ed5436"_s), u"    U       "_s);
        QCOMPARE(model.text(u"ed2457"_s), QString(10, QLatin1Char(' '))); // the mask it has now
        QCOMPARE(model.text(u"Edit1"_s), QString());
        QCOMPARE(model.text(u"mm2152"_s), QString());
        QCOMPARE(model.text(u"ed5256"_s), u"5"_s);      // first item
        QCOMPARE(model.text(u"lizv"_s), legalPerson());
        QCOMPARE(model.text(u"cb7201"_s), QString());                 // cleared override
        QCOMPARE(model.text(u"Indjz"_s), u"0"_s);
        QCOMPARE(model.text(u"cb6642"_s), u"0"_s);
        QCOMPARE(model.text(u"sp5526"_s), u"9"_s);
        QCOMPARE(model.text(u"edgod1"_s), u"200-"_s);    // cleared override
    }

    void fieldValues()
    {
        CardModel model(testTable());
        assign(model, u"ed5436"_s, u"    U"_s);
        QCOMPARE(model.text(u"ed5436"_s), u"    U       "_s);
        assign(model, u"gorz"_s, u" Київ "_s);
        QCOMPARE(model.text(u"gorz"_s), u" Київ "_s);
        QCOMPARE(emptyValue(model, u"ed7353"_s), u"  .  "_s);
        QCOMPARE(emptyValue(model, u"gorz"_s), QString());
        QCOMPARE(numberOf(u" 12 "_s), std::optional<int>(12));
        QVERIFY(!numberOf(QString()));
        QVERIFY(!numberOf(u"1a"_s));
        QCOMPARE(kindDigit(naturalPerson()), u"2"_s);
        QCOMPARE(kindDigit(legalPerson()), u"1"_s);
        QCOMPARE(kindDigit(QString()), u"0"_s);
        QCOMPARE(twoLines(u"a"_s, u"b"_s), u"a\n\rb"_s);

        // Empty for the card lines: blanks of a mask without literals count as empty.
        QVERIFY(countsAsEmpty(model, u"ed2457"_s));          // eight blanks
        model.setText(u"ed2457"_s, u"1       "_s);
        QVERIFY(!countsAsEmpty(model, u"ed2457"_s));
        QVERIFY(!countsAsEmpty(model, u"ed5418D"_s));        // "  .  .  " has literals
        QVERIFY(!countsAsEmpty(model, u"ed5436"_s));         // "    U       "
        model.setText(u"gorz"_s, QString());
        QVERIFY(countsAsEmpty(model, u"gorz"_s));
        model.setText(u"gorz"_s, u" "_s);
        QVERIFY(!countsAsEmpty(model, u"gorz"_s));
    }
};

ZORVAT_TEST(FieldRulesTest)
#include "field_rules_test.moc"
