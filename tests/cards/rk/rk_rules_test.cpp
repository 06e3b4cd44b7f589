#include "cards/rk/rk_rules.h"
#include "cards/rk/rk_test_support.h"
#include "fields/common_texts.h"
#include "fields/rule_context.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// "name=value" pairs put into the model before a rule runs; masked fields are fitted.
using Setup = QStringList;

using cardSteps::apply;

QString nameField(RkList list)
{
    return list == RkList::Customers ? u"mm2152"_s : list == RkList::CoExecutors ? u"cpi"_s : u"mm9036"_s;
}

} // namespace

class RkRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // Every exit test that speaks: the field, what the card holds, and the log of the
    // recording context (messages, beeps, focus) in order.
    void exitRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("log");

        const QString back = u"focusBack"_s;
        const auto msg = [](const QString &text) { return u"message: "_s + text; };
        const auto to = [](const QString &name) { return u"focusTo: "_s + name; };

        // Code boxes with a fixed set.
        QTest::newRow("7146 empty") << u"ed7146"_s << Setup{u"ed7146="_s} << QStringList{msg(RkRules::basisMessage()), back};
        QTest::newRow("7146 43") << u"ed7146"_s << Setup{u"ed7146=43"_s} << QStringList{};
        QTest::newRow("7146 44") << u"ed7146"_s << Setup{u"ed7146=44"_s} << QStringList{msg(RkRules::basisMessage()), back};
        QTest::newRow("7209 empty") << u"ed7209"_s << Setup{u"ed7209="_s} << QStringList{};
        QTest::newRow("7209 18") << u"ed7209"_s << Setup{u"ed7209=18"_s} << QStringList{msg(RkRules::statusMessage()), back};
        QTest::newRow("9036v empty") << u"ed9036v"_s << Setup{u"ed9036v="_s}
                                     << QStringList{msg(RkRules::reportKindMessage()), back};
        QTest::newRow("9036v 28") << u"ed9036v"_s << Setup{u"ed9036v=28"_s} << QStringList{};

        // Registration numbers.
        const QString e5436 = msg(u"5436.Помилка в номері"_s);
        QTest::newRow("5436 untouched") << u"ed5436"_s << Setup{} << QStringList{};
        QTest::newRow("5436 no suffix") << u"ed5436"_s << Setup{u"ed5436=0124U000123"_s} << QStringList{};
        QTest::newRow("5436 Cyrillic suffix") << u"ed5436"_s << Setup{u"ed5436=0124U000123с"_s} << QStringList{};
        QTest::newRow("5436 Latin suffix") << u"ed5436"_s << Setup{u"ed5436=0124U000123c"_s} << QStringList{};
        QTest::newRow("5436 other suffix") << u"ed5436"_s << Setup{u"ed5436=0124U000123d"_s} << QStringList{e5436, back};
        QTest::newRow("5436 partly typed") << u"ed5436"_s << Setup{u"ed5436=0124U00"_s} << QStringList{e5436, back};
        const QString e5517 = msg(u"5517.Помилка в номері"_s);
        QTest::newRow("5517 empty") << u"ed5517"_s << Setup{} << QStringList{};
        QTest::newRow("5517 complete") << u"ed5517"_s << Setup{u"ed5517=0124U000123"_s} << QStringList{};
        QTest::newRow("5517 suffix") << u"ed5517"_s << Setup{u"ed5517=0124U000123с"_s} << QStringList{};
        QTest::newRow("5517 partly typed") << u"ed5517"_s << Setup{u"ed5517=0124U0"_s} << QStringList{e5517, back};
        QTest::newRow("5517 bad suffix") << u"ed5517"_s << Setup{u"ed5517=0124U000123x"_s} << QStringList{e5517, back};
        const QString e7210 = msg(u"7210.Помилка в номері"_s);
        QTest::newRow("7210 U first") << u"ed7210"_s << Setup{u"ed7210=UA24a00012B"_s} << QStringList{};
        QTest::newRow("7210 U fifth") << u"ed7210"_s << Setup{u"ed7210=0124U00012A"_s} << QStringList{};
        QTest::newRow("7210 no U") << u"ed7210"_s << Setup{u"ed7210=0124A00012"_s} << QStringList{e7210, back};
        QTest::newRow("7210 no U suffix") << u"ed7210"_s << Setup{u"ed7210=0124A00012Aс"_s} << QStringList{e7210, back};
        QTest::newRow("7210 partly") << u"ed7210"_s << Setup{u"ed7210=U1"_s} << QStringList{e7210, back};

        // Codes that must come from their list, with their focus moves.
        const QString eCode = msg(u"Помилка в коді!"_s);
        QTest::newRow("7201 2.1 skips") << u"cb7201"_s << Setup{u"cb7201=2.1"_s} << QStringList{to(u"ed7023"_s)};
        QTest::newRow("7201 empty skips") << u"cb7201"_s << Setup{u"cb7201="_s} << QStringList{to(u"ed7023"_s)};
        QTest::newRow("7201 2.7 stays") << u"cb7201"_s << Setup{u"cb7201=2.7"_s} << QStringList{};
        QTest::newRow("7201 2.8") << u"cb7201"_s << Setup{u"cb7201=2.8"_s} << QStringList{eCode, back};
        QTest::newRow("9153 001") << u"cb9153"_s << Setup{u"cb9153=001"_s} << QStringList{to(u"mm9155"_s)};
        QTest::newRow("9153 03") << u"cb9153"_s << Setup{u"cb9153=03"_s} << QStringList{};
        QTest::newRow("9153 empty") << u"cb9153"_s << Setup{u"cb9153="_s} << QStringList{eCode, back};
        QTest::newRow("7199 07") << u"cb7199"_s << Setup{u"cb7199=07"_s} << QStringList{eCode, back};
        QTest::newRow("7199 blanks") << u"cb7199"_s << Setup{u"cb7199=  0 1 "_s} << QStringList{eCode, back};
        QTest::newRow("7199 padded") << u"cb7199"_s << Setup{u"cb7199=   03  "_s} << QStringList{};

        // Shared rules on RK fields.
        QTest::newRow("letter date both")
            << u"ed5418D"_s << Setup{u"ed5418D=32.13.99"_s}
            << QStringList{msg(u"Помилка в місяці!"_s), back, msg(u"Помилка в числі місяця!"_s), back};
        QTest::newRow("start month") << u"ed7353"_s << Setup{u"ed7353=13.99"_s}
                                     << QStringList{msg(u"Помилка в місяці!"_s), back};
        QTest::newRow("executor code partly")
            << u"ed2457"_s << Setup{u"ed2457=1234567"_s}
            << QStringList{u"beep"_s, msg(u"2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s), back};
        QTest::newRow("customer code empty") << u"ed2458"_s << Setup{} << QStringList{};
        QTest::newRow("co-executor code no number")
            << u"cpk"_s << Setup{u"cpn="_s} << QStringList{msg(u"Вкажіть порядковий номер!"_s), to(u"cpn"_s)};

        // Cities.
        QTest::newRow("executor city") << u"mm2655"_s << Setup{u"gorv="_s}
                                       << QStringList{msg(u"Відсутня назва міста !"_s), to(u"gorv"_s)};
        QTest::newRow("customer city") << u"mm2656"_s << Setup{u"gorz="_s}
                                       << QStringList{msg(u"Відсутня назва міста !"_s), to(u"gorz"_s)};
        QTest::newRow("city given") << u"mm2656"_s << Setup{u"gorz=Львів"_s} << QStringList{};

        // Financing.
        const QString eCurrency = msg(u"Такої грошової одиниці немає в словнику!"_s);
        const QString warn = msg(u"Увага! Cумма вказується в тис.грн."_s);
        const QString eComma = msg(u"Ціла частина відокремлюється комою!"_s);
        QTest::newRow("currency typed") << u"ed"_s << Setup{u"ed=грн"_s} << QStringList{eCurrency, back};
        QTest::newRow("currency 2 empty") << u"ed1"_s << Setup{u"ed1="_s} << QStringList{eCurrency, back};
        QTest::newRow("currency 2 euro") << u"ed1"_s << Setup{u"ed1=євро"_s} << QStringList{};
        QTest::newRow("sum 1234") << u"sum"_s << Setup{u"sum=1234"_s} << QStringList{warn};
        QTest::newRow("sum 1234,5") << u"sum"_s << Setup{u"sum=1234,5"_s} << QStringList{warn};
        QTest::newRow("sum 123,45") << u"sum"_s << Setup{u"sum=123,45"_s} << QStringList{};
        QTest::newRow("sum 123, no digit after comma") << u"sum"_s << Setup{u"sum=123,"_s} << QStringList{};
        QTest::newRow("sum 12.5") << u"sum"_s << Setup{u"sum=12.5"_s} << QStringList{eComma, back};
        QTest::newRow("sum 12.") << u"sum"_s << Setup{u"sum=12."_s} << QStringList{};
        QTest::newRow("sum dollars") << u"sum"_s << Setup{u"sum=1234"_s, u"ed=дол."_s} << QStringList{};
        QTest::newRow("sum1 own currency") << u"sum1"_s << Setup{u"sum1=5000"_s, u"ed1=тис.грн."_s, u"ed=дол."_s}
                                           << QStringList{warn};
        QTest::newRow("sum1 no currency") << u"sum1"_s << Setup{u"sum1=5000"_s} << QStringList{};
        QTest::newRow("year 1 missing") << u"sumg1"_s << Setup{u"sumg1=10"_s, u"edgod1=200-"_s}
                                        << QStringList{msg(u"Вкажіть рік фінансування!"_s), to(u"edgod1"_s)};
        QTest::newRow("year 1 given") << u"sumg1"_s << Setup{u"sumg1=10"_s, u"edgod1=2024"_s} << QStringList{};
        QTest::newRow("year 1 no amount") << u"sumg1"_s << Setup{u"sumg1="_s, u"edgod1=200-"_s} << QStringList{};
        QTest::newRow("sumg2 empty") << u"sumg2"_s << Setup{} << QStringList{to(u"ed7353"_s)};
        QTest::newRow("sumg5 empty") << u"sumg5"_s << Setup{} << QStringList{to(u"ed7353"_s)};
        QTest::newRow("sumg2a empty") << u"sumg2a"_s << Setup{} << QStringList{to(u"ed7353"_s)};
        QTest::newRow("sumg3 filled") << u"sumg3"_s << Setup{u"sumg3=4"_s} << QStringList{};

        // Subject codes.
        QTest::newRow("5616 untouched") << u"ed56162"_s << Setup{} << QStringList{to(u"ed6111"_s)};
        QTest::newRow("5616 filled") << u"ed56162"_s << Setup{u"ed56162=12.34.56.78"_s} << QStringList{};
        QTest::newRow("5616 sixth") << u"ed56166"_s << Setup{} << QStringList{};
    }

    void exitRules()
    {
        QFETCH(QString, field);
        QFETCH(Setup, setup);
        QFETCH(QStringList, log);
        auto model = rkTest::freshModel();
        apply(*model, setup);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.exitRule(field, ctx);
        QCOMPARE(ctx.log(), log);
    }

    void yearHeadingCutToFour_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("five") << u"20245"_s << u"2024"_s;
        QTest::newRow("default") << u"20--"_s << u"20--"_s;
        QTest::newRow("short") << u"24"_s << u"24"_s;
    }

    void yearHeadingCutToFour()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto model = rkTest::freshModel();
        model->setText(u"edgod4"_s, typed);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.exitRule(u"edgod4"_s, ctx);
        QCOMPARE(model->text(u"edgod4"_s), kept);
    }

    void priorityBlanksCollapsed()
    {
        auto model = rkTest::freshModel();
        model->setText(u"cb7199"_s, u"  0   1 "_s);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.exitRule(u"cb7199"_s, ctx);
        QCOMPARE(model->text(u"cb7199"_s), u"0 1"_s);
    }

    // "03" then "007": the first five entries are replaced, the rest of "03" stays.
    void otherResultsReplacedPositionByPosition()
    {
        auto model = rkTest::freshModel();
        RkRules rules(*model);
        RecordingRuleContext ctx;
        QVERIFY(!model->otherResultVisible());
        model->setText(u"cb9153"_s, u"03"_s);
        rules.exitRule(u"cb9153"_s, ctx);
        QCOMPARE(rules.otherResultItems(), commonTexts::otherResults(u"03"_s));
        QVERIFY(model->otherResultVisible());
        model->setText(u"cb9153"_s, u"007"_s);
        rules.exitRule(u"cb9153"_s, ctx);
        QStringList expected = commonTexts::otherResults(u"007"_s) + commonTexts::otherResults(u"03"_s).mid(5);
        QCOMPARE(rules.otherResultItems(), expected);
        QCOMPARE(expected.size(), 9);
    }

    void otherDirectionShownFor27()
    {
        auto model = rkTest::freshModel();
        RkRules rules(*model);
        RecordingRuleContext ctx;
        model->setText(u"cb7201"_s, u"2.3"_s);
        rules.exitRule(u"cb7201"_s, ctx);
        QVERIFY(!model->otherDirectionVisible());
        model->setText(u"cb7201"_s, u"2.7"_s);
        rules.exitRule(u"cb7201"_s, ctx);
        QVERIFY(model->otherDirectionVisible());
    }

    // The three bilingual fields: Ukrainian first, then the English text is asked for;
    // an empty English text with English selected passes.
    void bilingualSequence_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("askUk");
        QTest::addColumn<QString>("askEn");
        QTest::newRow("executor") << u"mm2151"_s << u"Введіть назву українською мовою !"_s
                                  << u"Введіть назву англійською мовою !"_s;
        QTest::newRow("title") << u"mm9027"_s << u"Введіть назву українською мовою !"_s
                               << u"Введіть назву англійською мовою !"_s;
        QTest::newRow("head") << u"ed6120"_s << u"Введіть прізвище українською мовою !"_s
                              << u"Введіть прізвище англійською мовою !"_s;
    }

    void bilingualSequence()
    {
        QFETCH(QString, field);
        QFETCH(QString, askUk);
        QFETCH(QString, askEn);
        auto model = rkTest::freshModel();
        RkRules rules(*model);
        const RkText which = field == u"mm2151"_s ? RkText::ExecutorName
                             : field == u"mm9027"_s ? RkText::WorkTitle
                                                    : RkText::WorkHead;
        const QString language = RkModel::languageField(which);

        RecordingRuleContext ctx;
        QVERIFY(!rules.exitRule(field, ctx)); // nothing typed
        QCOMPARE(ctx.messages(), QStringList{askUk});
        QCOMPARE(model->text(language), u"0"_s);

        ctx.clear();
        model->setText(field, u"Інститут"_s);
        QVERIFY(!rules.exitRule(field, ctx));
        QCOMPARE(ctx.messages(), QStringList{askEn});
        QVERIFY(ctx.focusedBack());
        QCOMPARE(model->text(language), u"1"_s);
        QCOMPARE(model->text(field), QString());
        QCOMPARE(model->bilingual(which, RkLanguage::Ukrainian), u"Інститут"_s);

        ctx.clear();
        QVERIFY(rules.exitRule(field, ctx)); // English left empty: accepted
        QVERIFY(ctx.silent());

        model->setText(field, u"Institute"_s);
        QVERIFY(rules.exitRule(field, ctx));
        QCOMPARE(model->bilingual(which, RkLanguage::English), u"Institute"_s);
        QCOMPARE(model->bilingual(which, RkLanguage::Ukrainian), u"Інститут"_s);

        // Choosing Ukrainian shows its text again.
        model->setText(language, u"0"_s);
        rules.languageChosen(which);
        QCOMPARE(model->text(field), u"Інститут"_s);
    }

    // The "next" buttons: store, then the next entry with empty fields, the focus on
    // the entry's first field.
    void nextToEmptyEntry_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("focus");
        QTest::newRow("customers") << int(RkList::Customers) << u"BitBtn7"_s << u"lizz"_s;
        QTest::newRow("co-executors") << int(RkList::CoExecutors) << u"Button1"_s << u"lizsv"_s;
        QTest::newRow("stages") << int(RkList::Stages) << u"BitBtn4"_s << u"ed9036p"_s;
    }

    void nextToEmptyEntry()
    {
        QFETCH(int, list);
        QFETCH(QString, button);
        QFETCH(QString, focus);
        const RkList l = RkList(list);
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, l, 3);
        model->showEntry(l, 3);
        QCOMPARE(model->text(nameField(l)), u"Назва 3"_s);
        model->setText(nameField(l), u"Назва 3 нова"_s);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.click(button, ctx);
        QCOMPARE(ctx.focusTarget(), focus);
        QCOMPARE(model->shownNumber(l), 4);
        QCOMPARE(model->text(nameField(l)), QString());
        // The entry left was stored first.
        QVERIFY(model->displayRecord(l, 3).endsWith(u"Назва 3 нова"_s)
                || model->displayRecord(l, 3).contains(u"Назва 3 нова\\"_s));
        // And back.
        ctx.clear();
        rules.click(button == u"BitBtn7"_s ? u"BitBtn6"_s : button == u"Button1"_s ? u"Button2"_s : u"BitBtn5"_s, ctx);
        QCOMPARE(model->shownNumber(l), 3);
        QVERIFY(model->text(nameField(l)).startsWith(u"Назва 3 нова"_s));
    }

    // "Next" holds the list's bound and never steps past an entry without a name,
    // whatever the focus does afterwards.
    void nextStopsAtBoundAndUnnamed_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("filled");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("log");
        const int c = int(RkList::Customers);
        const int s = int(RkList::CoExecutors);
        const int e = int(RkList::Stages);
        QTest::newRow("customer 200") << c << u"BitBtn7"_s << 200 << 200
                                      << QStringList{u"message: Кількість замовників від 1 до 200"_s, u"focusTo: fin"_s};
        QTest::newRow("co-executor 50") << s << u"Button1"_s << 50 << 50
                                        << QStringList{u"message: Кількість співвиконавців від 1 до 50"_s,
                                                       u"focusTo: ed9036n"_s};
        QTest::newRow("stage 15") << e << u"BitBtn4"_s << 15 << 15
                                  << QStringList{u"message: Кількість етапів від 1 до 15"_s, u"focusTo: BitBtn5"_s};
        QTest::newRow("stage 14 goes on") << e << u"BitBtn4"_s << 14 << 14 << QStringList{u"focusTo: ed9036p"_s};
        QTest::newRow("unnamed customer") << c << u"BitBtn7"_s << 2 << 3
                                          << QStringList{u"message: Спочатку введіть найменування цього замовника: без нього замовник не зберігається."_s,
                                                         u"focusTo: mm2152"_s};
        QTest::newRow("unnamed stage") << e << u"BitBtn4"_s << 0 << 1
                                       << QStringList{u"message: Спочатку введіть назву цього етапу: без неї етап не зберігається."_s,
                                                      u"focusTo: mm9036"_s};
    }

    void nextStopsAtBoundAndUnnamed()
    {
        QFETCH(int, list);
        QFETCH(QString, button);
        QFETCH(int, filled);
        QFETCH(int, shown);
        QFETCH(QStringList, log);
        const RkList l = RkList(list);
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, l, filled);
        model->showEntry(l, shown);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.click(button, ctx);
        QCOMPARE(ctx.log(), log);
        QCOMPARE(model->shownNumber(l), log.size() == 1 ? shown + 1 : shown);
        QCOMPARE(model->recordCount(l), filled);
    }

    // Typing into a number field: the entry of that number, or the messages.
    void numberTyped_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("shown");    // entry shown when the field is entered
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number"); // in the field afterwards
        QTest::addColumn<QString>("name");   // name field afterwards
        QTest::addColumn<QStringList>("messages");
        const int c = int(RkList::Customers);
        const int s = int(RkList::CoExecutors);
        const int e = int(RkList::Stages);
        const QString seq = u"Помилка в послідовності номерів !"_s;
        QTest::newRow("customer back to 1") << c << 3 << u"1"_s << u"1"_s << u"Назва 1"_s << QStringList{};
        QTest::newRow("customer next free") << c << 3 << u"4"_s << u"4"_s << QString() << QStringList{};
        QTest::newRow("customer two ahead") << c << 2 << u"4"_s << u"3"_s << u"Назва 3"_s << QStringList{seq};
        QTest::newRow("customer beyond list") << c << 3 << u"6"_s << u"4"_s << QString() << QStringList{seq};
        QTest::newRow("customer 201") << c << 3 << u"201"_s << u"3"_s << u"Назва 3"_s
                                      << QStringList{u"Кількість замовників від 1 до 200"_s};
        QTest::newRow("co-executor back") << s << 3 << u"2"_s << u"2"_s << u"Назва 2"_s << QStringList{};
        QTest::newRow("co-executor ahead") << s << 2 << u"3"_s << u"2"_s << u"Назва 2"_s << QStringList{seq};
        QTest::newRow("co-executor empty") << s << 4 << QString() << u"1"_s << u"Назва 1"_s << QStringList{};
        QTest::newRow("stage back") << e << 3 << u"1"_s << u"1"_s << u"Назва 1"_s << QStringList{};
        QTest::newRow("stage beyond list") << e << 3 << u"6"_s << u"3"_s << u"Назва 3"_s << QStringList{seq};
    }

    void numberTyped()
    {
        QFETCH(int, list);
        QFETCH(int, shown);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QStringList, messages);
        const RkList l = RkList(list);
        const QString field = RkModel::entryListSettings(l).numberField;
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, l, 3);
        model->showEntry(l, shown);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.enterRule(field, ctx);
        model->setText(field, typed);
        rules.exitRule(field, ctx);
        QCOMPARE(ctx.messages(), messages);
        QCOMPARE(model->text(field), number);
        QCOMPARE(model->text(nameField(l)), name);
        QCOMPARE(model->recordCount(l), 3);
    }

    // Emptying the number removes the entry; the later ones close up and keep their
    // own numbers, so the card keeps them all.
    void removalByEmptyNumber_data()
    {
        QTest::addColumn<int>("list");
        QTest::newRow("customers") << int(RkList::Customers);
        QTest::newRow("co-executors") << int(RkList::CoExecutors);
        QTest::newRow("stages") << int(RkList::Stages);
    }

    void removalByEmptyNumber()
    {
        QFETCH(int, list);
        const RkList l = RkList(list);
        const QString field = RkModel::entryListSettings(l).numberField;
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, l, 3);
        model->showEntry(l, 2);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.enterRule(field, ctx);
        model->setText(field, QString());
        rules.exitRule(field, ctx);
        QVERIFY(ctx.silent());
        QCOMPARE(model->recordCount(l), 2);
        QVERIFY(model->record(l, 2).startsWith(u"2\\"_s));
        QVERIFY(model->record(l, 2).endsWith(u"Назва 3"_s) || model->record(l, 2).contains(u"Назва 3\\"_s));
        QCOMPARE(model->text(field), u"2"_s); // the last entry is shown

        // The last one left goes too: an empty entry 1, still numbered.
        for (int i = 0; i < 2; ++i) {
            rules.enterRule(field, ctx);
            model->setText(field, QString());
            rules.exitRule(field, ctx);
        }
        QCOMPARE(model->recordCount(l), 0);
        QCOMPARE(model->text(field), u"1"_s);
        QCOMPARE(model->text(nameField(l)), QString());
    }

    void stageEnteredBeyondFifteen()
    {
        auto model = rkTest::freshModel();
        model->setCurrentNumber(RkList::Stages, 16);
        model->setText(u"ed9036n"_s, u"16"_s);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.enterRule(u"ed9036n"_s, ctx);
        QCOMPARE(ctx.log(), (QStringList{u"message: Кількість етапів від 1 до 15"_s, u"focusTo: BitBtn3"_s}));
    }

    // Leaving the stage dates or report kind stores the stage; the co-executor code
    // stores the co-executor even without a name.
    void storesOnLeaving_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("record");
        QTest::newRow("stage start") << u"ed9036p"_s << Setup{u"ed9036p=02.24"_s, u"mm9036=Етап"_s}
                                     << int(RkList::Stages) << u"1\\02.24\\  .  \\\\Етап"_s;
        QTest::newRow("stage wrong start") << u"ed9036p"_s << Setup{u"ed9036p=14.24"_s, u"mm9036=Етап"_s}
                                           << int(RkList::Stages) << QString();
        QTest::newRow("report kind") << u"ed9036v"_s << Setup{u"ed9036v=91"_s, u"mm9036=Етап"_s}
                                     << int(RkList::Stages) << u"1\\  .  \\  .  \\91\\Етап"_s;
        QTest::newRow("co-executor code") << u"cpk"_s << Setup{u"cpk=12345678"_s} << int(RkList::CoExecutors)
                                          << u"1\\1\\12345678\\\\\\"_s;
    }

    void storesOnLeaving()
    {
        QFETCH(QString, field);
        QFETCH(Setup, setup);
        QFETCH(int, list);
        QFETCH(QString, record);
        auto model = rkTest::freshModel();
        apply(*model, setup);
        RkRules rules(*model);
        RecordingRuleContext ctx;
        rules.exitRule(field, ctx);
        QCOMPARE(model->record(RkList(list), 1), record);
    }

    void personKindSwitchesCodeField()
    {
        auto model = rkTest::freshModel();
        RkRules rules(*model);
        RecordingRuleContext ctx;
        model->setText(u"lizsv"_s, u"Фізична особа"_s);
        QVERIFY(rules.exitRule(u"lizsv"_s, ctx));
        QCOMPARE(model->mask(u"cpk"_s), u"9999999999;1;_"_s);
        QCOMPARE(model->kindLetter(RkParty::CoExecutor), u"ф"_s);
        model->setFitted(u"cpk"_s, u"12345678"_s);
        QVERIFY(!rules.exitRule(u"cpk"_s, ctx));
        QCOMPARE(ctx.messages().last(),
                 u"Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"_s);
    }
};

ZORVAT_TEST(RkRulesTest)
#include "rk_rules_test.moc"
