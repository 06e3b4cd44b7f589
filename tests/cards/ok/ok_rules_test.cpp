#include "cards/ok/ok_rules.h"
#include "cards/ok/ok_test_support.h"
#include "fields/rule_context.h"
#include "support/rule_log.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using ruleLog::back;
using ruleLog::msg;
using ruleLog::to;

// Owners, co-executors or persons 1..count named "Назва <n>".
void fillList(OkModel &m, OkList list, int count)
{
    for (int n = 1; n <= count; ++n) {
        const QString number = QString::number(n);
        const QString name = u"Назва %1"_s.arg(n);
        if (list == OkList::Executors) {
            const QString person = number + u"\\"_s + name + u"\\с.н.с.\\к.т.н."_s;
            m.lists().setRecord(list, n, person, person);
        } else if (list == OkList::CoExecutors) {
            // Co-executors carry no number of their own: code, city, name, address.
            const QString kind = n == 2 ? u"2"_s : u"1"_s;
            const QString text = n == 2 ? u"Фізична особа"_s : u"Юридична особа"_s;
            const QString tail = u"\\1234567%1\\Київ\\"_s.arg(n) + name + u"\\вул. %1"_s.arg(n);
            m.lists().setRecord(list, n, number + u"\\"_s + kind + tail, number + u"\\"_s + text + tail);
        } else {
            const QString tail = u"\\1234567%1\\Львів\\"_s.arg(n) + name + u"\\вул. %1\\\\\\\\\\\\  .  .  "_s.arg(n);
            m.lists().setRecord(list, n, number + u"\\1"_s + tail, number + u"\\Юридична особа"_s + tail);
        }
    }
}

} // namespace

class OkRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // What leaving a field says and where the focus goes, rule family by rule family.
    void exitRules_data()
    {
        ruleLog::addExitColumns();
        const QString e5436 = msg(u"5436.Помилка в номері"_s);
        const QString e5437 = msg(u"5437.Помилка в номері"_s);
        const QString eCode = msg(u"Помилка в коді!"_s);
        // Registration numbers.
        QTest::newRow("5436 one digit") << u"ed5436"_s << QStringList{u"ed5436=1"_s} << QStringList{e5436, back};
        QTest::newRow("5436 empty") << u"ed5436"_s << QStringList{} << QStringList{};
        QTest::newRow("5436 no suffix") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678"_s} << QStringList{};
        QTest::newRow("5436 suffix с") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678с"_s} << QStringList{};
        QTest::newRow("5436 suffix x") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678x"_s} << QStringList{e5436, back};
        QTest::newRow("5437 partly") << u"ed5437"_s << QStringList{u"ed5437=0124U"_s} << QStringList{};
        QTest::newRow("5437 suffix x") << u"ed5437"_s << QStringList{u"ed5437=0124U000123x"_s} << QStringList{e5437, back};
        QTest::newRow("5437 suffix c") << u"ed5437"_s << QStringList{u"ed5437=0124U000123c"_s} << QStringList{};
        // Codes from their lists, letter case not significant.
        QTest::newRow("5256 7") << u"cb5256"_s << QStringList{u"cb5256=7"_s} << QStringList{eCode, back};
        QTest::newRow("5040 empty") << u"cb5040"_s << QStringList{u"cb5040="_s} << QStringList{};
        QTest::newRow("9036e empty") << u"cb9036e"_s << QStringList{u"cb9036e="_s} << QStringList{eCode, back};
        QTest::newRow("9036e з") << u"cb9036e"_s << QStringList{u"cb9036e=з"_s} << QStringList{};
        QTest::newRow("5715 045") << u"cb5715"_s << QStringList{u"cb5715=045"_s} << QStringList{};
        // Person kinds: a text that is not an entry.
        QTest::newRow("owner kind wrong") << u"lizz"_s << QStringList{u"lizz=Інше"_s}
                                          << QStringList{msg(u" Помилка "_s), u"beep"_s, back};
        QTest::newRow("owner kind any case") << u"lizz"_s << QStringList{u"lizz=фізична особа"_s} << QStringList{};
        // Amounts.
        const QString warn = msg(u"Увага! Cумма вказується в тис.грн."_s);
        QTest::newRow("1234,5 тис.грн.") << u"sum"_s << QStringList{u"sum=1234,5"_s} << QStringList{warn};
        QTest::newRow("123,45 тис.грн.") << u"sum"_s << QStringList{u"sum=123,45"_s} << QStringList{};
        QTest::newRow("1.5") << u"sum"_s << QStringList{u"sum=1.5"_s}
                             << QStringList{msg(u"Ціла частина відокремлюється комою!"_s), back};
        QTest::newRow("1234 дол.") << u"sum"_s << QStringList{u"sum=1234"_s, u"ed=дол."_s} << QStringList{};
        QTest::newRow("second row 12345") << u"sum1"_s << QStringList{u"sum1=12345"_s, u"ed1=тис.грн."_s}
                                          << QStringList{warn};
        // Dates.
        QTest::newRow("date 32.13") << u"ed5518D"_s << QStringList{u"ed5518D=32.13.99"_s}
                                    << QStringList{msg(u"Помилка в місяці!"_s), back, msg(u"Помилка в числі місяця!"_s), back};
        QTest::newRow("stage end 13.24") << u"ed9036z"_s << QStringList{u"ed9036z=13.24"_s}
                                         << QStringList{msg(u"Помилка в місяці!"_s), back};
        // Values that must come first, and jumps.
        QTest::newRow("stage without number") << u"mm9036"_s << QStringList{u"ed9036n="_s, u"mm9036=Етап"_s}
                                              << QStringList{msg(u"Не вказано номер етапу !"_s), to(u"ed9036n"_s)};
        QTest::newRow("executor address") << u"mm2655"_s << QStringList{u"mm2655=вул."_s}
                                          << QStringList{msg(u"Відсутня назва міста !"_s), to(u"gorv"_s)};
        QTest::newRow("owner address") << u"mm2657"_s << QStringList{u"gorz=Львів"_s} << QStringList{};
        QTest::newRow("rubric a empty") << u"ed5616a"_s << QStringList{} << QStringList{to(u"ed6111"_s)};
        QTest::newRow("rubric c filled") << u"ed5616c"_s << QStringList{u"ed5616c=27.41.15.00"_s} << QStringList{};
        // Entered last on the page: nothing after it to skip.
        QTest::newRow("rubric d empty") << u"ed5616d"_s << QStringList{} << QStringList{};
        QTest::newRow("direction 2.7") << u"cb7201"_s << QStringList{u"cb7201=2.7"_s} << QStringList{to(u"ed7201a"_s)};
        QTest::newRow("direction 2.1") << u"cb7201"_s << QStringList{u"cb7201=2.1"_s} << QStringList{to(u"ed7023"_s)};
    }

    void exitRules()
    {
        auto model = okTest::card.fresh();
        ruleLog::checkExitRow<OkRules>(*model);
    }

    // A party's code asks for the length of the kind its selector shows, left or only
    // looked at; the co-executor's code follows its selector and is stored at once.
    void partyCodes_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("log");
        const QString legal = u"Юридична особа"_s;
        const QString natural = u"Фізична особа"_s;
        const auto two = [](const QString &a, const QString &b) { return msg(a + u"\n\r"_s + b); };
        QTest::newRow("executor, selector never left") << QString() << legal << u"ed2457"_s << u"123"_s
                                                       << QStringList{two(u"2457.Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s), back};
        QTest::newRow("executor legal 7 digits") << u"lizv"_s << legal << u"ed2457"_s << u"1234567"_s
                                                 << QStringList{two(u"2457.Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s), back};
        QTest::newRow("owner natural 9 digits") << u"lizz"_s << natural << u"ed2459"_s << u"123456789"_s
                                                << QStringList{two(u"2459.Помилка в індивідуальному податковому номері."_s,
                                                                   u"В номері повинно бути 10 цифр"_s),
                                                               back};
        QTest::newRow("owner natural 10 digits") << u"lizz"_s << natural << u"ed2459"_s << u"1234567890"_s << QStringList{};
        QTest::newRow("co-executor legal 3 digits") << QString() << legal << u"ed2142k"_s << u"123"_s
                                                    << QStringList{two(u"Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s), back};
        QTest::newRow("empty code") << u"lizv"_s << legal << u"ed2457"_s << QString() << QStringList{};
    }

    void partyCodes()
    {
        QFETCH(QString, selector);
        QFETCH(QString, kind);
        QFETCH(QString, code);
        QFETCH(QString, typed);
        QFETCH(QStringList, log);
        auto model = okTest::card.fresh();
        OkRules rules(*model);
        RecordingRuleContext ctx;
        if (!selector.isEmpty()) {
            model->setText(selector, kind);
            rules.exitRule(selector, ctx);
            QVERIFY(ctx.silent());
        }
        fieldRules::assign(*model, code, typed);
        rules.exitRule(code, ctx);
        QCOMPARE(ctx.log(), log);
    }

    // Removing an entry's number deletes it; the later ones close up under their new
    // numbers, kinds kept, and the card writes one line fewer.
    void deletingAnEntry_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("code");
        QTest::newRow("owner 3 of 12") << int(OkList::Owners) << 12 << 3 << u"2459"_s;
        QTest::newRow("co-executor 2 of 3") << int(OkList::CoExecutors) << 3 << 2 << u"2142"_s;
        QTest::newRow("person 1 of 11") << int(OkList::Executors) << 11 << 1 << u"6121"_s;
        QTest::newRow("the only owner") << int(OkList::Owners) << 1 << 1 << u"2459"_s;
    }

    void deletingAnEntry()
    {
        QFETCH(int, list);
        QFETCH(int, count);
        QFETCH(int, removed);
        QFETCH(QString, code);
        const auto l = OkList(list);
        auto model = okTest::card.fresh();
        fillList(*model, l, count);
        model->showEntry(l, removed);
        OkRules rules(*model);
        RecordingRuleContext ctx;
        const QString numberField = OkModel::entryListSettings(l).numberField;
        rules.enterRule(numberField, ctx);
        model->setText(numberField, QString());
        rules.exitRule(numberField, ctx);
        QVERIFY(ctx.silent());
        QCOMPARE(model->lists().count(l), count - 1);
        for (int n = 1; n < count; ++n) {
            const int was = n < removed ? n : n + 1;
            const QString record = model->lists().record(l, n);
            QCOMPARE(record.section(u'\\', 0, 0), QString::number(n));
            QVERIFY2(record.contains(u"Назва %1"_s.arg(was)), qPrintable(record));
        }
        if (l == OkList::CoExecutors)
            QCOMPARE(model->lists().record(l, 2).section(u'\\', 1, 1), u"1"_s); // the former third, a legal person
        QCOMPARE(okTest::linesOf(okTest::card.kind().fileLines(*model), code).size(), count - 1);
        QCOMPARE(model->text(numberField), QString::number(qMax(1, count - 1)));
    }

    // "Next" at each list's bound keeps the number and says so.
    void nextAtTheBound_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("co-executor 50") << int(OkList::CoExecutors) << u"Button4"_s
                                        << QStringList{msg(u"Кількість співвиконавців від 1 до 50"_s), to(u"cb5535"_s)};
        QTest::newRow("owner 20") << int(OkList::Owners) << u"BitBtn7"_s
                                  << QStringList{msg(u"Кількість власників від 1 до 20"_s)};
        QTest::newRow("person 120") << int(OkList::Executors) << u"BitBtn5"_s
                                    << QStringList{msg(u"Кількість виконавців з списку від 1 до 120"_s)};
    }

    void nextAtTheBound()
    {
        QFETCH(int, list);
        QFETCH(QString, button);
        QFETCH(QStringList, log);
        const auto l = OkList(list);
        auto model = okTest::card.fresh();
        fillList(*model, l, OkModel::capacity(l));
        model->showEntry(l, OkModel::capacity(l));
        OkRules rules(*model);
        RecordingRuleContext ctx;
        rules.click(button, ctx);
        QCOMPARE(ctx.log(), log);
        QCOMPARE(model->shownNumber(l), OkModel::capacity(l));
        QCOMPARE(model->lists().count(l), OkModel::capacity(l));
    }

    // Typing a number: bounds and sequence per list.
    void numberTyped_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QStringList>("log");
        const QString seq = msg(u"Помилка в послідовності номерів !"_s);
        QTest::newRow("owner 21") << int(OkList::Owners) << u"21"_s << u"3"_s
                                  << QStringList{msg(u"Кількість власників від 1 до 20"_s)};
        QTest::newRow("owner next free") << int(OkList::Owners) << u"4"_s << u"4"_s << QStringList{};
        QTest::newRow("owner two ahead") << int(OkList::Owners) << u"6"_s << u"4"_s << QStringList{seq};
        QTest::newRow("co-executor 51") << int(OkList::CoExecutors) << u"51"_s << u"3"_s
                                        << QStringList{msg(u"Кількість співвиконавців від 1 до 50"_s), to(u"cb5535"_s)};
        QTest::newRow("co-executor ahead") << int(OkList::CoExecutors) << u"4"_s << u"3"_s << QStringList{seq};
        QTest::newRow("person back to 1") << int(OkList::Executors) << u"1"_s << u"1"_s << QStringList{};
        QTest::newRow("person ahead") << int(OkList::Executors) << u"5"_s << u"3"_s << QStringList{seq};
    }

    void numberTyped()
    {
        QFETCH(int, list);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QStringList, log);
        const auto l = OkList(list);
        auto model = okTest::card.fresh();
        fillList(*model, l, 3);
        model->showEntry(l, 3);
        OkRules rules(*model);
        RecordingRuleContext ctx;
        const QString field = OkModel::entryListSettings(l).numberField;
        rules.enterRule(field, ctx);
        model->setText(field, typed);
        rules.exitRule(field, ctx);
        QCOMPARE(ctx.log(), log);
        QCOMPARE(model->text(field), number);
        QCOMPARE(model->lists().count(l), 3);
    }

    // The stage accounting numbers: the selector shows its entry and goes no further
    // than the first empty one; a wrong number is reported and kept; the bare "U"
    // removes the entry and the later ones move up into its place.
    void stageNumbers()
    {
        auto model = okTest::card.fresh();
        OkRules rules(*model);
        RecordingRuleContext ctx;
        model->setStageNumber(1, u"0124U000001 "_s);
        model->setText(u"sp5526"_s, u"3"_s);
        rules.enterRule(u"sp5526"_s, ctx);
        QCOMPARE(ctx.messages(), QStringList{OkRules::stageNumberGap(2)});
        QCOMPARE(model->text(u"sp5526"_s), u"2"_s);
        QCOMPARE(ctx.focusTarget(), u"ed5526"_s);
        QCOMPARE(model->text(u"ed5526"_s), u"    U       "_s);
        ctx.clear();
        fieldRules::assign(*model, u"ed5526"_s, u"0124U000002x"_s);
        QVERIFY(!rules.exitRule(u"ed5526"_s, ctx));
        QCOMPARE(ctx.messages(), QStringList{u"5526.Помилка в номері"_s});
        QCOMPARE(model->stageNumber(2), u"0124U000002x"_s);
        model->setStageNumber(3, u"0124U000003 "_s);
        fieldRules::assign(*model, u"ed5526"_s, u"    U       "_s);
        rules.exitRule(u"ed5526"_s, ctx);
        QCOMPARE(model->stageNumbers(), (QStringList{u"0124U000001 "_s, u"0124U000003 "_s}));
        QCOMPARE(model->text(u"ed5526"_s), u"0124U000003 "_s);
    }

    // The title and the abstract share one language group; the executor name is
    // asked for in the other language.
    void twoLanguageTexts()
    {
        auto model = okTest::card.fresh();
        OkRules rules(*model);
        RecordingRuleContext ctx;
        model->setText(u"mm9027"_s, u"Назва"_s);
        model->setText(u"mm9117"_s, u"Реферат"_s);
        rules.exitRule(u"mm9027"_s, ctx);
        rules.exitRule(u"mm9117"_s, ctx);
        QVERIFY(ctx.silent());
        model->setText(u"Indjzr"_s, u"1"_s);
        QVERIFY(rules.chosen(u"Indjzr"_s));
        QCOMPARE(model->text(u"mm9027"_s), QString());
        QCOMPARE(model->text(u"mm9117"_s), QString());
        model->setText(u"mm9117"_s, u"Abstract"_s);
        rules.commit();
        QCOMPARE(model->bilingual(OkText::WorkAbstract, TextLanguage::English), u"Abstract"_s);
        QCOMPARE(model->bilingual(OkText::WorkAbstract, TextLanguage::Ukrainian), u"Реферат"_s);

        model->setText(u"mm2151"_s, u"Інститут"_s);
        QVERIFY(!rules.exitRule(u"mm2151"_s, ctx));
        QCOMPARE(ctx.messages(), QStringList{u"Введіть назву англійською мовою !"_s});
        QCOMPARE(model->text(u"Indjz"_s), u"1"_s);
        QCOMPARE(model->text(u"mm2151"_s), QString());
        ctx.clear();
        QVERIFY(rules.exitRule(u"mm2151"_s, ctx));
        QVERIFY(ctx.silent());
    }
};

ZORVAT_TEST(OkRulesTest)
#include "ok_rules_test.moc"
