#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_pages.h"
#include "cards/ok/ok_test_support.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void fillOwner(OkModel &m, int n, const QString &kind, const QString &code, const QString &name)
{
    m.setText(u"Edit1"_s, QString::number(n));
    m.setText(u"lizz"_s, kind);
    m.setPartyKind(OkParty::Owner, kind == u"Фізична особа"_s, PartyLabels::Select);
    m.setFitted(u"ed2459"_s, code);
    m.setText(u"gorz"_s, u"Місто %1"_s.arg(n));
    m.setText(u"mm2153"_s, name);
    m.setText(u"mm2657"_s, u"Адреса %1"_s.arg(n));
    QVERIFY(m.storeOwner());
}

} // namespace

class OkModelTest : public QObject
{
    Q_OBJECT
private slots:
    // A new card and a cleared one (clearModel) differ in the boxes the clearing empties.
    void freshAndCleared_data()
    {
        cardSteps::addFreshAndClearedRows({
            u"cb5256|5|5"_s,
            u"cb5715|720|"_s,
            u"cb5535|35|"_s,
            u"cb9036e||П"_s,
            u"ed|тис.грн.|тис.грн."_s,
            u"ed1||"_s,
            u"fin||"_s,
            u"lizv|Юридична особа|Юридична особа"_s,
            u"lizsv|Юридична особа|Юридична особа"_s,
            u"lizz|Юридична особа|Юридична особа"_s,
            u"ed2142p|1|1"_s,
            u"Edit1|1|1"_s,
            u"Cpn|1|1"_s,
            u"sp5526|1|1"_s,
            u"ed5437|    U       |    U       "_s,
            u"ed5436|            |            "_s,
            u"ed5742|      |      "_s,
            u"ed5616d|  .  .  .  |  .  .  .  "_s,
            u"cb7201||"_s,
            u"cb1133||"_s,
            u"Indjzr|0|0"_s,
        });
    }
    void freshAndCleared() { cardSteps::checkFreshAndCleared(okTest::card); }

    void clearingKeepsCodeMasksAndMarks()
    {
        auto model = okTest::card.fresh();
        QCOMPARE(model->kindLetter(OkParty::Executor), QString());
        model->setText(u"lizv"_s, u"Фізична особа"_s);
        model->setPartyKind(OkParty::Executor, true, PartyLabels::Select);
        model->setBilingual(OkText::WorkTitle, TextLanguage::English, u"Title"_s);
        model->setStageNumber(1, u"0124U000001с"_s);
        okTest::card.kind().clearModel(*model);
        QCOMPARE(model->partyCode(OkParty::Executor).mask, u"9999999999;1;_"_s);
        QCOMPARE(model->partyCode(OkParty::Executor).label, u"2457 Ідентифікаційний номер"_s);
        QCOMPARE(model->kindLetter(OkParty::Executor), u"ф"_s);
        QCOMPARE(model->text(u"ed2457"_s), u"          "_s);
        QCOMPARE(model->bilingual(OkText::WorkTitle, TextLanguage::English), QString());
        QCOMPARE(model->stageNumbers(), QStringList());
    }

    // The card line ends at the first empty stage number: the list keeps none, so no
    // number set is ever left out of it.
    void stageNumbersKeepNoGap()
    {
        auto model = okTest::card.fresh();
        QCOMPARE(model->setStageNumber(1, u"A"_s), 1);
        QCOMPARE(model->setStageNumber(3, u"C"_s), 2);
        QCOMPARE(model->setStageNumber(11, u"K"_s), 0);
        QCOMPARE(model->setStageNumber(3, u"D"_s), 3);
        QCOMPARE(model->stageNumbers(), (QStringList{u"A"_s, u"C"_s, u"D"_s}));
        QCOMPARE(model->setStageNumber(1, QString()), 0);
        QCOMPARE(model->stageNumbers(), (QStringList{u"C"_s, u"D"_s}));
        QCOMPARE(model->stageNumber(3), QString());
    }

    // An owner emptied on the screen leaves the list; the later ones close up and keep
    // their numbers in order, so the save still writes them.
    void emptiedOwnerClosesUp()
    {
        auto model = okTest::card.fresh();
        fillOwner(*model, 1, u"Юридична особа"_s, u"11111111"_s, u"Перший"_s);
        fillOwner(*model, 2, u"Фізична особа"_s, u"2222222222"_s, u"Другий"_s);
        fillOwner(*model, 3, u"Фізична особа"_s, u"3333333333"_s, u"Третій"_s);
        model->showEntry(OkList::Owners, 2);
        model->setText(u"mm2153"_s, QString());
        model->setFitted(u"ed2459"_s, QString());
        model->setText(u"mm2657"_s, QString());
        QVERIFY(model->storeOwner());
        QCOMPARE(model->lists().count(OkList::Owners), 2);
        QCOMPARE(model->lists().record(OkList::Owners, 2), u"2\\2\\3333333333\\Місто 3\\Третій\\Адреса 3\\\\\\\\\\\\  .  .  "_s);
        // The fields show the owner that now holds number 2, with its kind.
        QCOMPARE(model->text(u"mm2153"_s), u"Третій"_s);
        QCOMPARE(model->partyCode(OkParty::Owner).mask, u"9999999999;1;_"_s);
        QCOMPARE(model->kindLetter(OkParty::Owner), u"ф"_s);
        const QStringList lines = okTest::linesOf(okTest::card.lines(*model), u"2459"_s);
        QCOMPARE(lines.size(), 2);
    }

    void storeRules_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("other");      // address / position field
        QTest::addColumn<QString>("otherValue");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("count");
        QTest::newRow("co-executor with a name") << int(OkList::CoExecutors) << u"Завод"_s << u"ed2142ad"_s
                                                 << QString() << true << 2;
        QTest::newRow("co-executor emptied") << int(OkList::CoExecutors) << QString() << u"ed2142ad"_s << QString()
                                             << true << 1;
        QTest::newRow("person with a name") << int(OkList::Executors) << u"Петров"_s << u"ed6121ak"_s << QString()
                                            << true << 2;
        QTest::newRow("person emptied") << int(OkList::Executors) << QString() << u"ed6121ak"_s << QString() << true
                                        << 1;
        QTest::newRow("person with a position only") << int(OkList::Executors) << QString() << u"ed6121ak"_s
                                                     << u"зав."_s << false << 2;
    }
    void storeRules()
    {
        QFETCH(int, list);
        QFETCH(QString, name);
        QFETCH(QString, other);
        QFETCH(QString, otherValue);
        QFETCH(bool, stored);
        QFETCH(int, count);
        const auto which = OkList(list);
        auto model = okTest::card.opened({u"2142\\1\\1\\11111111\\Київ\\Перший\\"_s, u"2142\\2\\1\\22222222\\Львів\\Другий\\"_s,
                                     u"6121\\1\\Іванов\\\\"_s, u"6121\\2\\Сидоренко\\\\"_s});
        const bool coExecutor = which == OkList::CoExecutors;
        model->showEntry(which, 1);
        model->setText(coExecutor ? u"mm2142n"_s : u"ed6121a"_s, name);
        model->setText(other, otherValue);
        QCOMPARE(coExecutor ? model->storeCoExecutor() : model->storePerson(), stored);
        QCOMPARE(model->lists().count(which), count);
    }

    void tablePages()
    {
        const FieldTable &table = okFieldTable();
        QCOMPARE(table.pages(), (QStringList{u"Реєстраційні дані, етапи"_s, u"Виконавець"_s, u"Спів-ці, загальні дані"_s,
                                             u"Власник"_s, u"Фінансування"_s, u"Назва, реферат"_s, u"Тематика"_s}));
        QSet<QString> names;
        for (const FieldInfo &f : table.fields()) {
            QVERIFY2(!names.contains(f.name), qPrintable(f.name));
            names.insert(f.name);
            QVERIFY2(!f.hint.isEmpty(), qPrintable(f.name));
        }
        QCOMPARE(table.find(u"sp5526"_s)->maximum, 10);
        QCOMPARE(table.find(u"cb1133"_s)->items.last(), QString());
        QCOMPARE(table.find(u"cb5040"_s)->items.first(), QString());
        QCOMPARE(table.find(u"ed2394"_s)->page, 1);
        QCOMPARE(table.find(u"ed5616d"_s)->page, 6);
        QCOMPARE(table.find(u"mm9027"_s)->hint, u"Допомоги немає"_s);
    }

    // The fields whose key release marks the card modified.
    void marks()
    {
        const QSet<QString> expected{
            u"ed5436"_s, u"ed5418N"_s, u"ed5418D"_s, u"ed9036n"_s, u"ed9036p"_s, u"ed9036z"_s, u"mm9036"_s,
            u"ed5526"_s, u"ed5437"_s, u"ed2457"_s, u"mm2151"_s, u"ed2358"_s, u"mm2655"_s, u"ed2934"_s,
            u"ed2394"_s, u"ed1332"_s, u"ed2142k"_s, u"mm2142n"_s, u"ed2142ad"_s, u"mm5481"_s, u"cb5040"_s,
            u"cb5715"_s, u"ed5742"_s, u"cb5211"_s, u"ed2459"_s, u"mm2153"_s, u"ed2360"_s, u"ed2935"_s,
            u"ed2395"_s, u"ed1333"_s, u"ed5518N"_s, u"ed5518D"_s, u"ed7700"_s, u"ed"_s, u"ed1"_s, u"mm9027"_s,
            u"mm9117"_s, u"ed5634"_s, u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s,
            u"ed5616f"_s, u"ed6111"_s, u"ed6210vc"_s, u"ed6120"_s, u"ed6228vc"_s, u"Cpn"_s, u"ed6140"_s};
        QSet<QString> marked;
        for (const FieldInfo &f : okFieldTable().fields()) {
            if (f.marks)
                marked.insert(f.name);
        }
        QCOMPARE(marked, expected);
    }

    // Every field of a page stands in exactly one frame of that page; the buttons and
    // headings the layout names exist.
    void pageLayoutCoversTheTable()
    {
        const FieldTable &table = okFieldTable();
        const PageDesign &design = okPageDesign();
        QCOMPARE(design.pages.size(), table.pages().size());
        QCOMPARE(design.sheetNames.size(), table.pages().size());
        QCOMPARE(design.pageHints.size(), table.pages().size());
        QSet<QString> buttons;
        for (const PageButton &b : design.buttons)
            buttons.insert(b.name);
        for (int page = 0; page < table.pages().size(); ++page) {
            QStringList laidOut;
            for (const PageBlock &block : design.pages.at(page)) {
                for (const QStringList &row : block.rows) {
                    for (const QString &cell : row) {
                        if (cell.startsWith(QLatin1Char('!')))
                            QVERIFY2(buttons.contains(cell.mid(1)), qPrintable(cell));
                        else if (!cell.isEmpty() && !cell.startsWith(QLatin1Char('@')) && !cell.startsWith(QLatin1Char('#')))
                            laidOut << cell;
                    }
                }
            }
            QStringList onPage;
            for (const FieldInfo &f : table.fields()) {
                if (f.page == page)
                    onPage << f.name;
            }
            laidOut.sort();
            onPage.sort();
            QCOMPARE(laidOut, onPage);
        }
        for (int page = 0; page < table.pages().size(); ++page) {
            for (const PageBlock &block : design.pages.at(page)) {
                if (!block.heading.isEmpty())
                    QVERIFY2(!design.headingAbove(block.heading).isEmpty(), qPrintable(block.heading));
            }
        }
        QCOMPARE(design.headingAbove(u"ed9036n"_s), u"9036. Етапи роботи :"_s);
        QCOMPARE(design.stateLabel(u"ed2142k"_s), u"Label43"_s);
    }
};

ZORVAT_TEST(OkModelTest)
#include "ok_model_test.moc"
