#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"
#include "rules_fixture.h"
#include "support/test_registry.h"

#include <QTest>

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
        QTest::newRow("31.02.99 day") << QStringLiteral("31.02.99") << day;
        QTest::newRow("30.02.24 day") << QStringLiteral("30.02.24") << day;
        QTest::newRow("29.02.24 leap year") << QStringLiteral("29.02.24") << QString();
        QTest::newRow("29.02.00 leap year") << QStringLiteral("29.02.00") << QString();
        QTest::newRow("29.02.26 day") << QStringLiteral("29.02.26") << day;
        QTest::newRow("31.04.26 day") << QStringLiteral("31.04.26") << day;
        QTest::newRow("30.04.26") << QStringLiteral("30.04.26") << QString();
        QTest::newRow("01.01.00") << QStringLiteral("01.01.00") << QString();
        QTest::newRow("31.12.99") << QStringLiteral("31.12.99") << QString();
        QTest::newRow("00.05.99 day") << QStringLiteral("00.05.99") << day;
        QTest::newRow("32.12.99 day") << QStringLiteral("32.12.99") << day;
        QTest::newRow("15.13.99 month") << QStringLiteral("15.13.99") << month;
        QTest::newRow("12.00.99 month") << QStringLiteral("12.00.99") << month;
        QTest::newRow("32.13.99 both") << QStringLiteral("32.13.99") << month + QLatin1Char('|') + day;
        QTest::newRow("00.00.00 both") << QStringLiteral("00.00.00") << month + QLatin1Char('|') + day;
        QTest::newRow("1 .05.99 date") << QStringLiteral("1 .05.99") << dateError();
        QTest::newRow("  .05.99 date") << QStringLiteral("  .05.99") << dateError();
        QTest::newRow("12.05.9  date") << QStringLiteral("12.05.9 ") << dateError();
        QTest::newRow("untouched") << QStringLiteral("  .  .  ") << QString();
    }

    void date()
    {
        QFETCH(QString, text);
        QFETCH(QString, messages);
        QCOMPARE(joined(dateMessages(text)), messages);

        // The same through the exit rule: each message returns the focus.
        CardModel model(testTable());
        model.setText(QStringLiteral("ed5418D"), text);
        RecordingRuleContext ctx;
        const bool passed = dateRule(model, QStringLiteral("ed5418D"), ctx);
        QCOMPARE(passed, messages.isEmpty());
        QCOMPARE(joined(ctx.messages()), messages);
        QCOMPARE(ctx.focusedBack(), !messages.isEmpty());
        QStringList expectedLog;
        for (const QString &m : messages.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            expectedLog << QStringLiteral("message: ") + m << QStringLiteral("focusBack");
        QCOMPARE(ctx.log(), expectedLog);
    }

    void dateUnfittedModelText()
    {
        // A model text not yet fitted to the mask reads as the mask shows it.
        CardModel model(testTable());
        model.setText(QStringLiteral("ed5418D"), QString());
        RecordingRuleContext ctx;
        QVERIFY(dateRule(model, QStringLiteral("ed5418D"), ctx));
        QVERIFY(ctx.silent());
    }

    void monthYear_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("messages");
        QTest::newRow("13.99") << QStringLiteral("13.99") << monthError();
        QTest::newRow("00.99") << QStringLiteral("00.99") << monthError();
        QTest::newRow("12.99") << QStringLiteral("12.99") << QString();
        QTest::newRow("01.00") << QStringLiteral("01.00") << QString();
        QTest::newRow("untouched") << QStringLiteral("  .  ") << QString();
        QTest::newRow("1 .99") << QStringLiteral("1 .99") << dateError();
        QTest::newRow("01.9 ") << QStringLiteral("01.9 ") << dateError();
    }

    void monthYear()
    {
        QFETCH(QString, text);
        QFETCH(QString, messages);
        QCOMPARE(joined(monthYearMessages(text)), messages);
        CardModel model(testTable());
        model.setText(QStringLiteral("ed7353"), text);
        RecordingRuleContext ctx;
        QCOMPARE(monthYearRule(model, QStringLiteral("ed7353"), ctx), messages.isEmpty());
        QCOMPARE(joined(ctx.messages()), messages);
        QCOMPARE(ctx.focusedBack(), !messages.isEmpty());
    }

    void trimOnKeyPress_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("number") << QStringLiteral("cpn") << QStringLiteral(" 2 ") << QStringLiteral("2");
        QTest::newRow("number tab") << QStringLiteral("cpn") << QStringLiteral("\t3") << QStringLiteral("3");
        QTest::newRow("empty date") << QStringLiteral("ed5418D") << QStringLiteral("  .  .  ") << QStringLiteral("  .  .  ");
        QTest::newRow("full date") << QStringLiteral("ed5418D") << QStringLiteral("12.05.99") << QStringLiteral("12.05.99");
        QTest::newRow("date, open end") << QStringLiteral("ed5418D") << QStringLiteral("12.05.9 ") << QStringLiteral("12.05.9 ");
        QTest::newRow("date, open start") << QStringLiteral("ed5418D") << QStringLiteral(" 2.05.99") << QStringLiteral("2 .05.99");
        QTest::newRow("month-year") << QStringLiteral("ed9036p") << QStringLiteral("  .  ") << QStringLiteral("  .  ");
        QTest::newRow("registration number") << QStringLiteral("ed5436") << QStringLiteral("    U       ")
                                             << QStringLiteral("    U       ");
        QTest::newRow("registration number, filled")
            << QStringLiteral("ed5436") << QStringLiteral("    U123456 ") << QStringLiteral("    U123456 ");
        QTest::newRow("code") << QStringLiteral("cpk") << QStringLiteral("  345678") << QStringLiteral("345678  ");
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
        info.selector = QStringLiteral("lizv");
        info.codeField = QStringLiteral("ed2457");
        info.label = QStringLiteral("Label30");
        info.legalText = QStringLiteral("2457 Код організації за ЄДРПУ ");
        info.naturalText = QStringLiteral("2457 Ідентифікаційний номер");
        QString letter;

        model.setText(QStringLiteral("lizv"), naturalPerson());
        model.setText(QStringLiteral("ed2457"), QStringLiteral("12345678"));
        RecordingRuleContext ctx;
        QVERIFY(personKindRule(model, ctx, info, letter));
        QVERIFY(ctx.silent());
        QCOMPARE(letter, QStringLiteral("ф"));
        QCOMPARE(model.mask(QStringLiteral("ed2457")), QStringLiteral("9999999999;1;_"));
        QCOMPARE(model.text(QStringLiteral("ed2457")), QStringLiteral("12345678  "));
        QVERIFY(model.label(QStringLiteral("Label30")));
        QCOMPARE(model.label(QStringLiteral("Label30"))->text, info.naturalText);
        QVERIFY(model.label(QStringLiteral("Label30"))->blue);

        model.setText(QStringLiteral("lizv"), legalPerson());
        QVERIFY(personKindRule(model, ctx, info, letter));
        QCOMPARE(letter, QStringLiteral("ю"));
        QCOMPARE(model.mask(QStringLiteral("ed2457")), QStringLiteral("99999999;1;_"));
        QCOMPARE(model.text(QStringLiteral("ed2457")), QStringLiteral("12345678"));
        QCOMPARE(model.label(QStringLiteral("Label30"))->text, info.legalText);
        QVERIFY(!model.label(QStringLiteral("Label30"))->blue);

        // A text that is no entry: the first entry and the focus back.
        model.setText(QStringLiteral("lizv"), QStringLiteral("Фізична"));
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(model.text(QStringLiteral("lizv")), legalPerson());
        QVERIFY(ctx.focusedBack());
        QVERIFY(ctx.messages().isEmpty());
        QCOMPARE(letter, QStringLiteral("ю"));
    }

    void personKindOtherCards()
    {
        // OK, OKD, IK: " Помилка ", a beep, the text stays; the kind and the code's
        // mask wait for a kind that is one of the two.
        CardModel model(testTable());
        PersonKindSettings info;
        info.selector = QStringLiteral("lizz");
        info.codeField = QStringLiteral("ed2458");
        info.resetInvalidText = false;
        info.invalidMessage = QStringLiteral(" Помилка ");
        info.beepOnInvalid = true;
        QString letter;
        model.setText(QStringLiteral("lizz"), QStringLiteral("хтось"));
        RecordingRuleContext ctx;
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(ctx.log(), (QStringList{QStringLiteral("message:  Помилка "), QStringLiteral("beep"),
                                         QStringLiteral("focusBack")}));
        QCOMPARE(model.text(QStringLiteral("lizz")), QStringLiteral("хтось"));
        QCOMPARE(letter, QString());
        QCOMPARE(model.mask(QStringLiteral("ed2458")), legalCodeMask());
    }

    void personKindNeedsNumber()
    {
        CardModel model(testTable());
        PersonKindSettings info;
        info.selector = QStringLiteral("lizsv");
        info.codeField = QStringLiteral("cpk");
        info.numberField = QStringLiteral("cpn");
        model.setText(QStringLiteral("cpn"), QString());
        model.setText(QStringLiteral("lizsv"), naturalPerson());
        QString letter;
        RecordingRuleContext ctx;
        QVERIFY(!personKindRule(model, ctx, info, letter));
        QCOMPARE(ctx.messages(), QStringList{numberMissing()});
        QCOMPARE(ctx.focusTarget(), QStringLiteral("cpn"));
        QCOMPARE(letter, QStringLiteral("ф"));
        QCOMPARE(model.mask(QStringLiteral("cpk")), naturalCodeMask());
    }

    void partyCode_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("beepLegal");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("natural");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("log");
        const QString exec = QStringLiteral("2457.");
        const QString legal8 = QStringLiteral("message: 2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр");
        const QString natural10 =
            QStringLiteral("message: 2457.Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр");
        const QString back = QStringLiteral("focusBack");
        QTest::newRow("legal 7 digits") << exec << false << legalLetter() << false << QStringLiteral("1234567 ")
                                        << QStringList{legal8, back};
        QTest::newRow("executor beeps first") << exec << true << legalLetter() << false << QStringLiteral("1234567 ")
                                              << QStringList{QStringLiteral("beep"), legal8, back};
        QTest::newRow("legal gap") << exec << false << legalLetter() << false << QStringLiteral("12 45678")
                                   << QStringList{legal8, back};
        QTest::newRow("legal empty") << exec << true << legalLetter() << false << QString(8, QLatin1Char(' '))
                                     << QStringList();
        QTest::newRow("legal unfitted empty") << exec << true << legalLetter() << false << QString() << QStringList();
        QTest::newRow("legal full") << exec << true << legalLetter() << false << QStringLiteral("12345678")
                                    << QStringList();
        QTest::newRow("natural 8 of 10") << exec << true << naturalLetter() << true << QStringLiteral("12345678  ")
                                         << QStringList{natural10, back};
        QTest::newRow("natural full") << exec << false << naturalLetter() << true << QStringLiteral("1234567890")
                                      << QStringList();
        // Ten digits kept when the kind became a legal person: eight are asked for; once
        // they fit, the code narrows to its eight places.
        QTest::newRow("legal, ten digits kept") << exec << false << legalLetter() << true
                                                << QStringLiteral("1234567890") << QStringList{legal8, back};
        QTest::newRow("legal, eight digits in ten places")
            << exec << false << legalLetter() << true << QStringLiteral("12345678  ") << QStringList();
        QTest::newRow("no letter yet") << exec << false << QString() << false << QStringLiteral("1234    ")
                                       << QStringList();
        QTest::newRow("customer")
            << QStringLiteral("2458.") << false << legalLetter() << false << QStringLiteral("1       ")
            << QStringList{QStringLiteral("message: 2458.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"), back};
        QTest::newRow("co-executor natural")
            << QString() << false << naturalLetter() << true << QStringLiteral("1         ")
            << QStringList{QStringLiteral("message: Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"),
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
            model.setMask(QStringLiteral("ed2457"), naturalCodeMask());
        model.setText(QStringLiteral("ed2457"), code);
        PartyCodeSettings info;
        info.codeField = QStringLiteral("ed2457");
        info.prefix = prefix;
        info.beepLegal = beepLegal;
        RecordingRuleContext ctx;
        QCOMPARE(partyCodeRule(model, ctx, info, letter), log.isEmpty());
        QCOMPARE(ctx.log(), log);
        if (letter == legalLetter() && log.isEmpty())
            QCOMPARE(model.mask(QStringLiteral("ed2457")), legalCodeMask());
    }

    void coExecutorCodeNeedsNumber()
    {
        CardModel model(testTable());
        model.setText(QStringLiteral("cpn"), QString());
        model.setText(QStringLiteral("cpk"), QStringLiteral("123     "));
        PartyCodeSettings info;
        info.codeField = QStringLiteral("cpk");
        info.numberField = QStringLiteral("cpn");
        RecordingRuleContext ctx;
        QVERIFY(!partyCodeRule(model, ctx, info, legalLetter()));
        QCOMPARE(ctx.log(), (QStringList{QStringLiteral("message: Вкажіть порядковий номер!"), QStringLiteral("focusTo: cpn")}));
    }

    void listCode()
    {
        CardModel model(testTable());
        RecordingRuleContext ctx;
        model.setText(QStringLiteral("cb7201"), QStringLiteral("2.2"));
        QVERIFY(listCodeRule(model, ctx, QStringLiteral("cb7201")));
        model.setText(QStringLiteral("cb7201"), QString());
        QVERIFY(listCodeRule(model, ctx, QStringLiteral("cb7201"))); // the list has an empty entry
        QVERIFY(ctx.silent());
        model.setText(QStringLiteral("cb7201"), QStringLiteral("2.8"));
        QVERIFY(!listCodeRule(model, ctx, QStringLiteral("cb7201")));
        QCOMPARE(ctx.log(), (QStringList{QStringLiteral("message: Помилка в коді!"), QStringLiteral("focusBack")}));
        ctx.clear();
        model.setText(QStringLiteral("ed5256"), QString());
        QVERIFY(!listCodeRule(model, ctx, QStringLiteral("ed5256")));
        // Other lists, letter case, other message.
        ctx.clear();
        model.setText(QStringLiteral("cb7201"), QStringLiteral("п"));
        QVERIFY(listCodeRule(model, ctx, QStringLiteral("cb7201"), {QStringLiteral("П")}, Qt::CaseInsensitive));
        QVERIFY(!listCodeRule(model, ctx, QStringLiteral("cb7201"), {QStringLiteral("П")}, Qt::CaseSensitive,
                              QStringLiteral("Помилка в коді! Реквізит обов'язковий.")));
        QCOMPARE(ctx.messages(), QStringList{QStringLiteral("Помилка в коді! Реквізит обов'язковий.")});
    }

    void clearModel()
    {
        CardModel model(testTable());
        model.setText(QStringLiteral("ed5418D"), QStringLiteral("12.05.99"));
        model.setText(QStringLiteral("Edit1"), QStringLiteral("7"));
        model.setText(QStringLiteral("mm2152"), QStringLiteral("Назва"));
        model.setText(QStringLiteral("ed5256"), QStringLiteral("1"));
        model.setText(QStringLiteral("cb7201"), QStringLiteral("2.2"));
        model.setText(QStringLiteral("Indjz"), QStringLiteral("1"));
        model.setText(QStringLiteral("cb6642"), QStringLiteral("1"));
        model.setText(QStringLiteral("sp5526"), QStringLiteral("9"));
        model.setText(QStringLiteral("edgod1"), QStringLiteral("2024"));
        model.setMask(QStringLiteral("ed2457"), naturalCodeMask());
        model.setText(QStringLiteral("ed2457"), QStringLiteral("1234567890"));
        clearFields(model);
        QCOMPARE(model.text(QStringLiteral("ed5418D")), QStringLiteral("  .  .  "));
        QCOMPARE(model.text(QStringLiteral("ed5436")), QStringLiteral("    U       "));
        QCOMPARE(model.text(QStringLiteral("ed2457")), QString(10, QLatin1Char(' '))); // the mask it has now
        QCOMPARE(model.text(QStringLiteral("Edit1")), QString());
        QCOMPARE(model.text(QStringLiteral("mm2152")), QString());
        QCOMPARE(model.text(QStringLiteral("ed5256")), QStringLiteral("5"));      // first item
        QCOMPARE(model.text(QStringLiteral("lizv")), legalPerson());
        QCOMPARE(model.text(QStringLiteral("cb7201")), QString());                 // cleared override
        QCOMPARE(model.text(QStringLiteral("Indjz")), QStringLiteral("0"));
        QCOMPARE(model.text(QStringLiteral("cb6642")), QStringLiteral("0"));
        QCOMPARE(model.text(QStringLiteral("sp5526")), QStringLiteral("9"));
        QCOMPARE(model.text(QStringLiteral("edgod1")), QStringLiteral("200-"));    // cleared override
    }

    void fieldValues()
    {
        CardModel model(testTable());
        assign(model, QStringLiteral("ed5436"), QStringLiteral("    U"));
        QCOMPARE(model.text(QStringLiteral("ed5436")), QStringLiteral("    U       "));
        assign(model, QStringLiteral("gorz"), QStringLiteral(" Київ "));
        QCOMPARE(model.text(QStringLiteral("gorz")), QStringLiteral(" Київ "));
        QCOMPARE(emptyValue(model, QStringLiteral("ed7353")), QStringLiteral("  .  "));
        QCOMPARE(emptyValue(model, QStringLiteral("gorz")), QString());
        QCOMPARE(numberOf(QStringLiteral(" 12 ")), std::optional<int>(12));
        QVERIFY(!numberOf(QString()));
        QVERIFY(!numberOf(QStringLiteral("1a")));
        QCOMPARE(kindDigit(naturalPerson()), QStringLiteral("2"));
        QCOMPARE(kindDigit(legalPerson()), QStringLiteral("1"));
        QCOMPARE(kindDigit(QString()), QStringLiteral("0"));
        QCOMPARE(twoLines(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a\n\rb"));

        // Empty for the card lines: blanks of a mask without literals count as empty.
        QVERIFY(countsAsEmpty(model, QStringLiteral("ed2457")));          // eight blanks
        model.setText(QStringLiteral("ed2457"), QStringLiteral("1       "));
        QVERIFY(!countsAsEmpty(model, QStringLiteral("ed2457")));
        QVERIFY(!countsAsEmpty(model, QStringLiteral("ed5418D")));        // "  .  .  " has literals
        QVERIFY(!countsAsEmpty(model, QStringLiteral("ed5436")));         // "    U       "
        model.setText(QStringLiteral("gorz"), QString());
        QVERIFY(countsAsEmpty(model, QStringLiteral("gorz")));
        model.setText(QStringLiteral("gorz"), QStringLiteral(" "));
        QVERIFY(!countsAsEmpty(model, QStringLiteral("gorz")));
    }
};

ZORVAT_TEST(FieldRulesTest)
#include "field_rules_test.moc"
