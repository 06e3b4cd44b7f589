#include "cards/okd/okd_rules.h"
#include "cards/okd/okd_test_support.h"
#include "fields/rule_context.h"
#include "support/rule_log.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using ruleLog::back;
using ruleLog::msg;
using ruleLog::to;

// The setup of a rule row: "slot=N" shows organisation slot N (the fields emptied),
// "applicant.uk=..." and "supervisorN.uk=..." set a private name, anything else is
// "field=value".
void prepare(OkdModel &m, const QStringList &setup)
{
    for (const QString &pair : setup) {
        const QString name = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        const TextLanguage language = name.endsWith(u".en"_s) ? TextLanguage::English : TextLanguage::Ukrainian;
        if (name == u"slot"_s)
            m.showSlot(value.toInt());
        else if (name.startsWith(u"applicant."_s))
            m.texts().setText(OkdText::ApplicantName, language, value);
        else if (name.startsWith(u"supervisor"_s))
            m.setSupervisorName(name.mid(10, 1).toInt(), language, value);
        else
            cardSteps::apply(m, {pair});
    }
}

QString twoLines(const char *first, const char *second)
{
    return msg(QString::fromUtf8(first) + u"\n\r"_s + QString::fromUtf8(second));
}

// The log of a rule run on the card after its setup.
template<class Run>
QStringList logOf(OkdModel &m, const QStringList &setup, Run run)
{
    prepare(m, setup);
    OkdRules rules(m);
    RecordingRuleContext ctx;
    run(rules, ctx);
    return ctx.log();
}

void addColumns()
{
    ruleLog::addExitColumns();
    QTest::addColumn<QStringList>("after"); // "name=value" of okdTest::valueOf
}

void checkAfter(const OkdModel &m, const QStringList &after)
{
    for (const QString &pair : after)
        QCOMPARE(pair.section(u'=', 0, 0) + u'=' + okdTest::valueOf(m, pair.section(u'=', 0, 0)), pair);
}

} // namespace

class OkdRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // Boxes that must hold one of their entries, with the degree warning.
    void boxes_data()
    {
        addColumns();
        const QString warning = msg(OkdRules::degreeWarning());
        QTest::newRow("7425 empty") << u"ed7425"_s << QStringList{} << QStringList{back} << QStringList{u"ed7425=д.арх."_s};
        QTest::newRow("7425 к.т.н") << u"ed7425"_s << QStringList{u"ed7425=к.т.н"_s} << QStringList{back}
                                    << QStringList{u"ed7425=д.арх."_s};
        QTest::newRow("7425 к.т.н.") << u"ed7425"_s << QStringList{u"ed7425=к.т.н."_s} << QStringList{}
                                     << QStringList{u"ed7425=к.т.н."_s};
        QTest::newRow("7425 blank item") << u"ed7425"_s << QStringList{u"ed7425=к культурол.н."_s} << QStringList{}
                                         << QStringList{};
        QTest::newRow("5013 06") << u"cb5013"_s << QStringList{u"cb5013=06"_s} << QStringList{back}
                                 << QStringList{u"cb5013=04"_s};
        QTest::newRow("7344 empty") << u"cb7344"_s << QStringList{} << QStringList{back} << QStringList{u"cb7344=35"_s};
        QTest::newRow("chairman empty") << u"ed6273ns"_s << QStringList{} << QStringList{back}
                                        << QStringList{u"ed6273ns=д.арх."_s};
        QTest::newRow("supervisor 1 empty") << u"ed6156ns1"_s << QStringList{} << QStringList{warning} << QStringList{};
        QTest::newRow("supervisor 2 wrong") << u"ed6156ns2"_s << QStringList{u"ed6156ns2=к.т.н"_s}
                                            << QStringList{back, warning} << QStringList{u"ed6156ns2="_s};
        QTest::newRow("opponent 1 empty") << u"ed6165ns1"_s << QStringList{} << QStringList{warning} << QStringList{};
        QTest::newRow("opponent 2 empty") << u"ed6165ns2"_s << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("language any text") << u"cb5715"_s << QStringList{u"cb5715=999"_s} << QStringList{}
                                           << QStringList{u"cb5715=999"_s};
    }
    void boxes() { runExit(); }

    // Registration numbers and dates.
    void numbers_data()
    {
        addColumns();
        const QString e5436 = msg(u"5436.Помилка в номері"_s);
        QTest::newRow("5438 six digits") << u"ed5438"_s << QStringList{u"ed5438=0124U00"_s}
                                         << QStringList{msg(u"5438.Помилка в номері"_s), back} << QStringList{};
        QTest::newRow("5438 empty") << u"ed5438"_s << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("5438 full") << u"ed5438"_s << QStringList{u"ed5438=0124U000123"_s} << QStringList{}
                                   << QStringList{};
        QTest::newRow("5436 U fifth") << u"ed5436"_s << QStringList{u"ed5436=0104U000123"_s} << QStringList{}
                                      << QStringList{};
        QTest::newRow("5436 no U") << u"ed5436"_s << QStringList{u"ed5436=ABCDEFGHIJKL"_s} << QStringList{e5436, back}
                                   << QStringList{};
        QTest::newRow("5436 two numbers") << u"ed5436"_s << QStringList{u"ed5436=0104U000123; 0105U000456"_s}
                                          << QStringList{} << QStringList{};
        QTest::newRow("5436 short first") << u"ed5436"_s << QStringList{u"ed5436=AB CDE"_s} << QStringList{}
                                          << QStringList{};
        QTest::newRow("5436 blank past 15") << u"ed5436"_s << QStringList{u"ed5436=0104U000123;0105U000456 x"_s}
                                            << QStringList{e5436, back} << QStringList{};
        QTest::newRow("5436 trimmed") << u"ed5436"_s << QStringList{u"ed5436=  0104U000123 "_s} << QStringList{}
                                      << QStringList{u"ed5436=0104U000123"_s};
        QTest::newRow("defence 32.13") << u"ed7434"_s << QStringList{u"ed7434=32.13.99"_s}
                                       << QStringList{msg(u"Помилка в місяці!"_s), back, msg(u"Помилка в числі місяця!"_s), back}
                                       << QStringList{};
        QTest::newRow("letter date empty") << u"ed5418D"_s << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("subject code a empty") << u"ed5616a"_s << QStringList{} << QStringList{to(u"BitBtn4"_s)}
                                              << QStringList{};
        QTest::newRow("subject code f empty") << u"ed5616f"_s << QStringList{} << QStringList{} << QStringList{};
    }
    void numbers() { runExit(); }

    // The applicant's and the supervisors' names in two languages; the opponents.
    void names_data()
    {
        addColumns();
        const QString uk = msg(OkdRules::surnameUkrainian());
        const QString en = msg(OkdRules::surnameEnglish());
        QTest::newRow("applicant empty") << u"ed6147"_s << QStringList{} << QStringList{uk, back}
                                         << QStringList{u"indjzd=0"_s};
        QTest::newRow("applicant Ukrainian") << u"ed6147"_s << QStringList{u"ed6147=Петренко"_s} << QStringList{en, back}
                                             << QStringList{u"indjzd=1"_s, u"ed6147="_s, u"applicant.uk=Петренко"_s};
        QTest::newRow("applicant English") << u"ed6147"_s
                                           << QStringList{u"applicant.uk=Петренко"_s, u"indjzd=1"_s, u"ed6147=Petrenko"_s}
                                           << QStringList{} << QStringList{u"indjzd=1"_s, u"applicant.en=Petrenko"_s};
        QTest::newRow("applicant English empty") << u"ed6147"_s << QStringList{u"indjzd=1"_s} << QStringList{}
                                                 << QStringList{};
        QTest::newRow("supervisor 1 both") << u"ed6156f1"_s
                                           << QStringList{u"supervisor1.uk=Іваненко"_s, u"supervisor2.uk=Петров"_s,
                                                          u"indjzk=1"_s, u"ed6156f1=Ivanenko"_s}
                                           << QStringList{}
                                           << QStringList{u"indjzk=0"_s, u"ed6156f1=Іваненко"_s, u"ed6156f2=Петров"_s,
                                                          u"supervisor1.en=Ivanenko"_s};
        QTest::newRow("supervisor 1 Ukrainian") << u"ed6156f1"_s << QStringList{u"ed6156f1=Іваненко"_s}
                                                << QStringList{en, back}
                                                << QStringList{u"indjzk=1"_s, u"ed6156f1="_s, u"supervisor1.uk=Іваненко"_s};
        QTest::newRow("supervisor 1 empty") << u"ed6156f1"_s << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("supervisor 2 empty") << u"ed6156f2"_s << QStringList{} << QStringList{to(u"ed6165f1"_s)}
                                            << QStringList{};
        QTest::newRow("supervisor 3 English first") << u"ed6156f3"_s << QStringList{u"indjzk=1"_s, u"ed6156f3=Smith"_s}
                                                    << QStringList{to(u"ed6165f1"_s)}
                                                    << QStringList{u"supervisor3.en=Smith"_s};
        QTest::newRow("opponent 2 empty") << u"ed6165f2"_s << QStringList{} << QStringList{to(u"ed6174"_s)}
                                          << QStringList{};
        QTest::newRow("opponent 2 named") << u"ed6165f2"_s << QStringList{u"ed6165f2=Сидоренко"_s} << QStringList{}
                                          << QStringList{};
        QTest::newRow("title kept") << u"mm9045"_s << QStringList{u"RadioGroup2=1"_s, u"mm9045=Title\nline 2"_s}
                                    << QStringList{} << QStringList{u"title.en=Title\nline 2"_s, u"title.uk="_s};
    }
    void names() { runExit(); }

    // The organisation page: codes by the slot shown and its person kind, and where
    // each field keeps its text.
    void organisations_data()
    {
        addColumns();
        const QString legal = twoLines("Помилка в коді ЄДРПОУ.", "В коді повинно бути 8 цифр");
        const QString natural = twoLines("Помилка в ідентифікаційному номері.", "В номері повинно бути 10 цифр");
        const QString physical = u"lizv=Фізична особа"_s;
        QTest::newRow("slot 3 natural, 8 of 10") << u"edCod"_s << QStringList{physical, u"slot=3"_s, u"edCod=12345678"_s}
                                                 << QStringList{natural, back} << QStringList{u"org3.code=12345678  "_s};
        QTest::newRow("slot 3 legal, 4 of 8") << u"edCod"_s << QStringList{u"slot=3"_s, u"edCod=1234"_s}
                                              << QStringList{u"beep"_s, legal, back} << QStringList{};
        QTest::newRow("slot 1, natural hidden") << u"edCod"_s << QStringList{physical, u"slot=1"_s, u"edCod=1234"_s}
                                                << QStringList{u"beep"_s, legal, back} << QStringList{};
        QTest::newRow("slot 2 complete") << u"edCod"_s << QStringList{u"slot=2"_s, u"edCod=12345678"_s} << QStringList{}
                                         << QStringList{u"org2.code=12345678"_s};
        QTest::newRow("slot 3 empty") << u"edCod"_s << QStringList{u"slot=3"_s} << QStringList{} << QStringList{};
        QTest::newRow("kind wrong") << u"lizv"_s << QStringList{u"slot=3"_s, u"lizv=Інша"_s}
                                    << QStringList{msg(u" Помилка "_s), u"beep"_s, back} << QStringList{u"lizv=Інша"_s};
        QTest::newRow("cipher on slot 0") << u"ed7452"_s << QStringList{u"ed7452=Д 26.001.01"_s}
                                          << QStringList{to(u"edTel"_s)} << QStringList{u"cipher=Д 26.001.01"_s};
        QTest::newRow("phone on slot 0") << u"edTel"_s << QStringList{u"edTel=221-00-00"_s} << QStringList{}
                                         << QStringList{u"org0.phone=221-00-00"_s};
        QTest::newRow("name on slot 0") << u"mmNaz"_s << QStringList{u"mmNaz=Рада"_s} << QStringList{}
                                        << QStringList{u"org0.name="_s};
        QTest::newRow("city on slot 1") << u"edMis"_s << QStringList{u"slot=1"_s, u"edMis=КИЇВ"_s} << QStringList{}
                                        << QStringList{u"org1.city=КИЇВ"_s};
        QTest::newRow("subordination slot 1") << u"edMin"_s << QStringList{u"slot=1"_s, u"edMin=МОН"_s} << QStringList{}
                                              << QStringList{u"org1.subordination=МОН"_s};
        QTest::newRow("subordination slot 3") << u"edMin"_s << QStringList{u"slot=3"_s, u"edMin=НАН"_s}
                                              << QStringList{to(u"RadioGroup1"_s)}
                                              << QStringList{u"org3.subordination=НАН"_s};
    }
    void organisations() { runExit(); }

    // Entering and clicking: the fields the slot shown does not use send the focus on.
    void enterAndClick_data()
    {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("click name, slot 0") << true << u"mmNaz"_s << QStringList{} << QStringList{to(u"ed7452"_s)};
        QTest::newRow("click code, slot 0") << true << u"edCod"_s << QStringList{} << QStringList{to(u"ed7452"_s)};
        QTest::newRow("click name, slot 1") << true << u"mmNaz"_s << QStringList{u"slot=1"_s} << QStringList{};
        QTest::newRow("enter cipher, slot 2") << false << u"ed7452"_s << QStringList{u"slot=2"_s}
                                              << QStringList{to(u"edCod"_s)};
        QTest::newRow("enter cipher, slot 0") << false << u"ed7452"_s << QStringList{} << QStringList{};
        QTest::newRow("enter subordination, slot 0") << false << u"edMin"_s << QStringList{}
                                                     << QStringList{to(u"RadioGroup1"_s)};
        QTest::newRow("enter supervisor 2 in English") << false << u"ed6156f2"_s << QStringList{u"indjzk=1"_s}
                                                       << QStringList{msg(OkdRules::checkLanguage())};
        QTest::newRow("enter supervisor 2 named") << false << u"ed6156f2"_s
                                                  << QStringList{u"indjzk=1"_s, u"supervisor2.uk=Петров"_s}
                                                  << QStringList{};
    }

    void enterAndClick()
    {
        QFETCH(bool, click);
        QFETCH(QString, field);
        QFETCH(QStringList, setup);
        QFETCH(QStringList, log);
        auto m = okdTest::card.fresh();
        const QStringList done = logOf(*m, setup, [&](OkdRules &rules, RuleContext &ctx) {
            if (click)
                rules.click(field, ctx);
            else
                rules.enterRule(field, ctx);
        });
        QCOMPARE(done, log);
    }

private:
    void runExit()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, setup);
        QFETCH(QStringList, log);
        QFETCH(QStringList, after);
        auto m = okdTest::card.fresh();
        QCOMPARE(logOf(*m, setup, [&](OkdRules &rules, RuleContext &ctx) { rules.exitRule(field, ctx); }), log);
        checkAfter(*m, after);
    }
};

ZORVAT_TEST(OkdRulesTest)
#include "okd_rules_test.moc"
