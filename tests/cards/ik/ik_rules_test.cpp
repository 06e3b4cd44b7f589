#include "cards/ik/ik_rules.h"
#include "cards/ik/ik_test_support.h"
#include "fields/common_texts.h"
#include "fields/rule_context.h"
#include "support/rule_log.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using ruleLog::back;
using ruleLog::msg;
using ruleLog::to;

// Owners 1..count named "Назва <n>"; owner 2 is a natural person.
void fillOwners(IkModel &m, int count)
{
    for (int n = 1; n <= count; ++n) {
        const bool natural = n == 2;
        const QString tail = (natural ? u"\\123456789%1"_s : u"\\1234567%1"_s).arg(n)
                             + u"\\Львів\\Назва %1\\вул. %1\\\\\\\\\\\\  .  .  \\"_s.arg(n);
        const QString number = QString::number(n);
        m.lists().setRecord(IkList::Owners, n, number + (natural ? u"\\2"_s : u"\\1"_s) + tail,
                            number + (natural ? u"\\Фізична особа"_s : u"\\Юридична особа"_s) + tail);
    }
}

} // namespace

class IkRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // What leaving a field says and where the focus goes, rule family by rule family.
    void exitRules_data()
    {
        ruleLog::addExitColumns();
        const QString e5436 = msg(u"5436.Помилка в номері"_s);
        const QString e5437 = msg(u"5437.Помилка в номері"_s);
        const QString required = msg(u"Помилка в коді! Реквізит обов'язковий."_s);
        const QString missing = msg(u"Відутня відповідна інформація !"_s);
        // Registration numbers: only a complete one is tested.
        QTest::newRow("5436 no mark") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678"_s} << QStringList{};
        QTest::newRow("5436 no U") << u"ed5436"_s << QStringList{u"ed5436=AB12C345678"_s} << QStringList{e5436, back};
        QTest::newRow("5436 mark с") << u"ed5436"_s << QStringList{u"ed5436=UB12C345678с"_s} << QStringList{};
        QTest::newRow("5436 mark c") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678c"_s} << QStringList{};
        QTest::newRow("5436 mark x") << u"ed5436"_s << QStringList{u"ed5436=AB12U345678x"_s} << QStringList{e5436, back};
        QTest::newRow("5436 partly") << u"ed5436"_s << QStringList{u"ed5436=AB1"_s} << QStringList{};
        QTest::newRow("5436 empty") << u"ed5436"_s << QStringList{} << QStringList{};
        QTest::newRow("5437 no U") << u"ed5437"_s << QStringList{u"ed5437=01240000123"_s} << QStringList{e5437, back};
        QTest::newRow("5439 filled") << u"ed5439"_s << QStringList{u"ed5439=0124U000001"_s} << QStringList{};
        QTest::newRow("5439 07 first") << u"ed5439"_s << QStringList{u"ed5439=07240000001"_s} << QStringList{};
        QTest::newRow("5439 empty") << u"ed5439"_s << QStringList{} << QStringList{};
        // Dates.
        QTest::newRow("date 32.13") << u"ed5419"_s << QStringList{u"ed5419=32.13.99"_s}
                                    << QStringList{msg(u"Помилка в місяці!"_s), back, msg(u"Помилка в числі місяця!"_s), back};
        QTest::newRow("owner date partly") << u"ed5518D"_s << QStringList{u"ed5518D=1 .05.99"_s}
                                           << QStringList{msg(u"Помилка в даті"_s), back};
        QTest::newRow("date empty") << u"ed5518D"_s << QStringList{} << QStringList{};
        // Codes that must come from their lists.
        QTest::newRow("kind empty") << u"cb9153"_s << QStringList{} << QStringList{required, back};
        QTest::newRow("kind 01") << u"cb9153"_s << QStringList{u"cb9153=01"_s} << QStringList{required, back};
        QTest::newRow("kind 02") << u"cb9153"_s << QStringList{u"cb9153=02"_s} << QStringList{};
        QTest::newRow("stage empty") << u"cb7326"_s << QStringList{} << QStringList{};
        QTest::newRow("stage 3.9") << u"cb7326"_s << QStringList{u"cb7326=3.9"_s} << QStringList{to(u"ed7326"_s)};
        QTest::newRow("stage 4.1") << u"cb7326"_s << QStringList{u"cb7326=4.1"_s} << QStringList{required, back};
        QTest::newRow("implementation empty") << u"cb7344"_s << QStringList{} << QStringList{required, back};
        QTest::newRow("rights 5.7") << u"cb1005"_s << QStringList{u"cb1005=5.7"_s} << QStringList{required, back};
        QTest::newRow("transfer 4.9") << u"cb1004"_s << QStringList{u"cb1004=4.9"_s} << QStringList{};
        // Texts the code beside them asks for.
        QTest::newRow("other kind for 007") << u"cb9153a"_s << QStringList{u"cb9153=007"_s} << QStringList{missing, back};
        QTest::newRow("other kind for 02") << u"cb9153a"_s << QStringList{u"cb9153=02"_s} << QStringList{};
        QTest::newRow("patent without text") << u"ed1005"_s << QStringList{u"cb1005=5.2"_s} << QStringList{missing, back};
        QTest::newRow("rights 5.6 named") << u"ed1005"_s << QStringList{u"cb1005=5.6"_s, u"ed1005=Угода"_s}
                                          << QStringList{};
        QTest::newRow("transfer 4.9 empty") << u"ed1004"_s << QStringList{u"cb1004=4.9"_s} << QStringList{missing, back};
        QTest::newRow("other stage without 3.9") << u"ed7326"_s << QStringList{u"cb7326=3.2"_s, u"ed7326=Модель"_s}
                                                 << QStringList{msg(u"Запису повинна відповідати стадія завершенності з кодом 3.9 !"_s)};
        QTest::newRow("other stage with 3.9") << u"ed7326"_s << QStringList{u"cb7326=3.9"_s, u"ed7326=Модель"_s}
                                              << QStringList{to(u"cb7344"_s)};
        QTest::newRow("other stage empty") << u"ed7326"_s << QStringList{u"cb7326=3.2"_s} << QStringList{};
        // Jumps over the rubric codes left untouched.
        QTest::newRow("rubric a empty") << u"ed5616a"_s << QStringList{} << QStringList{to(u"ed6111"_s)};
        QTest::newRow("rubric e filled") << u"ed5616e"_s << QStringList{u"ed5616e=27.41.15.00"_s} << QStringList{};
        QTest::newRow("rubric f empty") << u"ed5616f"_s << QStringList{} << QStringList{};
        // Owner fields.
        QTest::newRow("owner kind wrong") << u"lizz"_s << QStringList{u"lizz=Інше"_s}
                                          << QStringList{msg(u" Помилка "_s), u"beep"_s, back};
        QTest::newRow("owner address without city") << u"mm2657"_s << QStringList{u"mm2657=вул."_s}
                                                    << QStringList{msg(u"Відсутня назва міста !"_s), to(u"gorz"_s)};
        QTest::newRow("owner address with city") << u"mm2657"_s << QStringList{u"gorz=Львів"_s} << QStringList{};
    }

    void exitRules()
    {
        auto model = ikTest::card.fresh();
        ruleLog::checkExitRow<IkRules>(*model);
    }

    // The owner code asks for the digit count of the kind chosen last.
    void ownerCode_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("log");
        const auto two = [](const QString &a, const QString &b) { return msg(a + u"\n\r"_s + b); };
        // The selector shows a legal person from the start: that kind is checked.
        QTest::newRow("fresh card") << QString() << u"123"_s
                                    << QStringList{two(u"2459.Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s), back};
        QTest::newRow("legal 7 digits") << u"Юридична особа"_s << u"1234567"_s
                                        << QStringList{two(u"2459.Помилка в коді ЄДРПОУ."_s, u"В коді повинно бути 8 цифр"_s), back};
        QTest::newRow("natural 9 digits") << u"Фізична особа"_s << u"123456789"_s
                                          << QStringList{two(u"2459.Помилка в індивідуальному податковому номері."_s,
                                                             u"В номері повинно бути 10 цифр"_s),
                                                         back};
        QTest::newRow("natural 10 digits") << u"Фізична особа"_s << u"1234567890"_s << QStringList{};
        QTest::newRow("legal empty") << u"Юридична особа"_s << QString() << QStringList{};
    }

    void ownerCode()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QStringList, log);
        auto model = ikTest::card.fresh();
        IkRules rules(*model);
        RecordingRuleContext ctx;
        if (!kind.isEmpty()) {
            model->setText(u"lizz"_s, kind);
            rules.exitRule(u"lizz"_s, ctx);
            QVERIFY(ctx.silent());
        }
        fieldRules::assign(*model, u"ed2459"_s, typed);
        rules.exitRule(u"ed2459"_s, ctx);
        QCOMPARE(ctx.log(), log);
    }

    // Leaving the product kind empties the "other" text and offers the kind's texts.
    // Leaving the product kind: the "other" text goes only with a change of the kind
    // it was given for; the entries offered are those of the kind left.
    void otherKindTexts_data()
    {
        QTest::addColumn<QString>("before"); // the kind the card was read with
        QTest::addColumn<QString>("kind");   // the kind the box is left with
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QStringList>("log");
        const QString kept = u"щось"_s;
        QTest::newRow("007 unchanged") << u"007"_s << u"007"_s << 5 << kept << QStringList{};
        QTest::newRow("03 unchanged") << u"03"_s << u"03"_s << 9 << kept << QStringList{};
        QTest::newRow("007 to 03") << u"007"_s << u"03"_s << 9 << QString() << QStringList{};
        QTest::newRow("03 to 001") << u"03"_s << u"001"_s << 0 << QString() << QStringList{};
        // A code not in the list is corrected first; the text waits for it.
        QTest::newRow("03 to wrong") << u"03"_s << u"9"_s << 9 << kept
                                     << QStringList{msg(u"Помилка в коді! Реквізит обов'язковий."_s), back};
    }

    void otherKindTexts()
    {
        QFETCH(QString, before);
        QFETCH(QString, kind);
        QFETCH(int, count);
        QFETCH(QString, other);
        QFETCH(QStringList, log);
        auto model = ikTest::card.opened({u"9153\\%1\\щось"_s.arg(before)});
        IkRules rules(*model);
        model->setText(u"cb9153"_s, kind);
        RecordingRuleContext ctx;
        rules.exitRule(u"cb9153"_s, ctx);
        QCOMPARE(ctx.log(), log);
        QCOMPARE(rules.otherKindItems().size(), count);
        QCOMPARE(model->text(u"cb9153a"_s), other);
        QCOMPARE(model->lastChecked(), 1);
    }

    // Before a save: a kind that asks for its text is not written without it.
    void otherTextBeforeSave_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QStringList>("log");
        const QStringList asked{msg(u"Відутня відповідна інформація !"_s), to(u"cb9153a"_s)};
        QTest::newRow("007 without text") << u"007"_s << QString() << asked;
        QTest::newRow("03 without text") << u"03"_s << QString() << asked;
        QTest::newRow("03 with text") << u"03"_s << u"економія матеріалів"_s << QStringList{};
        QTest::newRow("02 without text") << u"02"_s << QString() << QStringList{};
    }

    void otherTextBeforeSave()
    {
        QFETCH(QString, kind);
        QFETCH(QString, other);
        QFETCH(QStringList, log);
        auto model = ikTest::card.fresh();
        model->setText(u"cb9153"_s, kind);
        model->setText(u"cb9153a"_s, other);
        IkRules rules(*model);
        RecordingRuleContext ctx;
        QCOMPARE(rules.beforeSave(ctx), log.isEmpty());
        QCOMPARE(ctx.log(), log);
    }

    // Removing an owner's number deletes it; the later ones close up in both lists
    // under their new numbers, kinds kept, and the card writes one line fewer.
    void removingAnOwner_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");
        QTest::newRow("2 of 3") << 3 << 2;
        QTest::newRow("1 of 2") << 2 << 1;
        QTest::newRow("5 of 5") << 5 << 5;
        QTest::newRow("the only one") << 1 << 1;
    }

    void removingAnOwner()
    {
        QFETCH(int, count);
        QFETCH(int, removed);
        auto model = ikTest::card.fresh();
        fillOwners(*model, count);
        model->showOwner(removed);
        IkRules rules(*model);
        RecordingRuleContext ctx;
        rules.enterRule(u"Edit1"_s, ctx);
        model->setText(u"Edit1"_s, QString());
        rules.exitRule(u"Edit1"_s, ctx);
        // The clerk stays on the number.
        QCOMPARE(ctx.log(), QStringList{to(u"Edit1"_s)});
        const RecordListsOf<IkList> &owners = model->lists();
        QCOMPARE(owners.count(IkList::Owners), count - 1);
        for (int n = 1; n < count; ++n) {
            const int was = n < removed ? n : n + 1;
            const QString saved = owners.record(IkList::Owners, n);
            const QString shown = owners.displayRecord(IkList::Owners, n);
            QCOMPARE(saved.section(u'\\', 0, 0), QString::number(n));
            QCOMPARE(shown.section(u'\\', 0, 0), QString::number(n));
            QCOMPARE(saved.section(u'\\', 1, 1), was == 2 ? u"2"_s : u"1"_s);
            QCOMPARE(shown.section(u'\\', 4, 4), u"Назва %1"_s.arg(was));
        }
        QCOMPARE(ikTest::linesOf(ikTest::card.lines(*model), u"2459"_s).size(), count - 1);
        // The last owner left is shown; with none left, empty fields under number 1.
        const int shown = qMax(1, count - 1);
        QCOMPARE(model->text(u"Edit1"_s), QString::number(shown));
        QCOMPARE(model->text(u"mm2153"_s), count == 1 ? QString() : u"Назва %1"_s.arg(shown < removed ? shown : shown + 1));
    }

    // Typing an owner number: bounds and sequence.
    void numberTyped_data()
    {
        QTest::addColumn<int>("owners");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QStringList>("log");
        const QString seq = msg(u"Помилка в послідовності номерів !"_s);
        QTest::newRow("6") << 3 << 3 << u"6"_s << u"3"_s << QStringList{msg(u"Кількість власників від 1 до 5"_s)};
        QTest::newRow("4 with owner 1 shown") << 3 << 1 << u"4"_s << u"2"_s << QStringList{seq};
        QTest::newRow("next free") << 3 << 3 << u"4"_s << u"4"_s << QStringList{};
        QTest::newRow("back to 1") << 3 << 3 << u"1"_s << u"1"_s << QStringList{};
        QTest::newRow("not a number") << 3 << 2 << u"два"_s << u"2"_s
                                      << QStringList{msg(u"«два» — не число. Введіть число цифрами."_s), back};
    }

    void numberTyped()
    {
        QFETCH(int, owners);
        QFETCH(int, shown);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QStringList, log);
        auto model = ikTest::card.fresh();
        fillOwners(*model, owners);
        model->showOwner(shown);
        IkRules rules(*model);
        RecordingRuleContext ctx;
        rules.enterRule(u"Edit1"_s, ctx);
        model->setText(u"Edit1"_s, typed);
        rules.exitRule(u"Edit1"_s, ctx);
        QCOMPARE(ctx.log(), log);
        QCOMPARE(model->text(u"Edit1"_s), number);
        QCOMPARE(model->lists().count(IkList::Owners), owners);
    }

    // "Next" at owner 5 keeps the number and says so; "previous" at owner 1 does nothing.
    void ownerButtonsAtTheEnds_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("next at 5") << 5 << u"BitBtn7"_s << QStringList{msg(u"Кількість власників від 1 до 5."_s)};
        QTest::newRow("previous at 1") << 1 << u"BitBtn6"_s << QStringList{};
        QTest::newRow("next at 4") << 4 << u"BitBtn7"_s << QStringList{to(u"lizz"_s)};
        QTest::newRow("previous at 3") << 3 << u"BitBtn6"_s << QStringList{to(u"Edit1"_s)};
    }

    void ownerButtonsAtTheEnds()
    {
        QFETCH(int, shown);
        QFETCH(QString, button);
        QFETCH(QStringList, log);
        auto model = ikTest::card.fresh();
        fillOwners(*model, 5);
        model->showOwner(shown);
        IkRules rules(*model);
        RecordingRuleContext ctx;
        rules.click(button, ctx);
        QCOMPARE(ctx.log(), log);
        const int expected = log.isEmpty() || log.constFirst().startsWith(u"message"_s)
                                 ? shown
                                 : shown + (button == u"BitBtn7"_s ? 1 : -1);
        QCOMPARE(model->text(u"Edit1"_s), QString::number(expected));
        QCOMPARE(model->text(u"mm2153"_s), u"Назва %1"_s.arg(expected));
        QCOMPARE(model->lists().count(IkList::Owners), 5);
    }

    // The product name follows the language group; the save keeps what is shown.
    void productNameInTwoLanguages()
    {
        auto model = ikTest::card.fresh();
        IkRules rules(*model);
        RecordingRuleContext ctx;
        model->setText(u"mm9027"_s, u"Прилад"_s);
        rules.exitRule(u"mm9027"_s, ctx);
        model->setText(u"Indjzr"_s, u"1"_s);
        QVERIFY(rules.chosen(u"Indjzr"_s));
        QCOMPARE(model->text(u"mm9027"_s), QString());
        model->setText(u"mm9027"_s, u"Device"_s);
        rules.commit();
        QCOMPARE(model->title(TextLanguage::Ukrainian), u"Прилад"_s);
        QCOMPARE(model->title(TextLanguage::English), u"Device"_s);
        model->setText(u"Indjzr"_s, u"0"_s);
        QVERIFY(rules.chosen(u"Indjzr"_s));
        QCOMPARE(model->text(u"mm9027"_s), u"Прилад"_s);
        QVERIFY(ctx.silent());
    }
};

ZORVAT_TEST(IkRulesTest)
#include "ik_rules_test.moc"
