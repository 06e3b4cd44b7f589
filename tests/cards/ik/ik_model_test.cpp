#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_pages.h"
#include "cards/ik/ik_test_support.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void fillOwner(IkModel &m, int n, const QString &kind, const QString &code, const QString &name)
{
    m.setText(u"Edit1"_s, QString::number(n));
    m.setText(u"lizz"_s, kind);
    m.setOwnerKind(kind == u"Фізична особа"_s);
    m.setFitted(u"ed2459"_s, code);
    m.setText(u"gorz"_s, u"Місто %1"_s.arg(n));
    m.setText(u"mm2153"_s, name);
    QVERIFY(m.storeOwner());
}

} // namespace

class IkModelTest : public QObject
{
    Q_OBJECT
private slots:
    void clearingEmptiesTitlesAndOwners()
    {
        auto model = ikTest::card.fresh();
        model->setTitle(TextLanguage::English, u"Name"_s);
        fillOwner(*model, 1, u"Юридична особа"_s, u"11111111"_s, u"Завод"_s);
        fillOwner(*model, 2, u"Фізична особа"_s, u"2222222222"_s, u"Петренко"_s);
        ikTest::card.kind().clearModel(*model);
        QCOMPARE(model->title(TextLanguage::English), QString());
        QCOMPARE(model->lists().count(IkList::Owners), 0);
        QCOMPARE(model->ownerNo(), 1);
        QCOMPARE(model->ownerKindCode(), u"1"_s);
    }

    // A new card and a cleared one (clearModel) differ in the boxes the clearing empties.
    void freshAndCleared_data()
    {
        cardSteps::addFreshAndClearedRows({
            u"cb1009a||9.4.1"_s,
            u"cb1009||"_s,
            u"cb6210||"_s,
            u"cbdsk||"_s,
            u"cb7326||"_s,
            u"cb7344||"_s,
            u"cb1005||"_s,
            u"cb1004||"_s,
            u"cb9153||"_s,
            u"cb9153a||"_s,
            u"lizz|Юридична особа|Юридична особа"_s,
            u"Edit1|1|1"_s,
            u"Indjzr|0|0"_s,
            u"ed5439|    U      |    U      "_s,
            u"ed5436|            |            "_s,
            u"ed5419|  .  .  |  .  .  "_s,
            u"ed5616a|  .  .  .  |  .  .  .  "_s,
            u"ed2459|        |        "_s,
            u"ed5518D|  .  .  |  .  .  "_s,
            u"ed2935||"_s,
            u"mm9027||"_s,
            u"ed10067||"_s,
        });
    }
    void freshAndCleared() { cardSteps::checkFreshAndCleared(ikTest::card); }

    // The field table as the pages show it: field|code|page|number of list entries.
    void fieldTable_data()
    {
        QTest::addColumn<QStringList>("row");
        const QStringList rows = {
            u"ed5439|5439|0|0"_s, u"ed5436|5436|0|0"_s, u"mm9027|9027|0|0"_s, u"cb9153|9153|0|9"_s,
            u"ed5616a|5616|0|0"_s, u"mm9118|9118|1|0"_s, u"mm1001|1001|1|0"_s, u"cb7326|7326|2|10"_s,
            u"cb7344|7344|2|2"_s, u"cb1005|1005|2|6"_s, u"cb1004|1004|2|9"_s, u"cbdsk||2|2"_s,
            u"ed5638d|5638|2|0"_s, u"lizz|2459|3|2"_s, u"ed6120|2459|3|0"_s, u"ed10067|1006|4|0"_s,
            u"cb1009|1009|4|3"_s, u"cb1009a|1009|4|5"_s, u"cb6210|6210|4|49"_s, u"ed6140|6140|4|0"_s,
        };
        for (const QStringList &r : cardSteps::pipeRows(rows))
            QTest::newRow(qPrintable(r.at(0))) << r;
    }
    void fieldTable()
    {
        QFETCH(QStringList, row);
        const FieldInfo *settings = ikFieldTable().find(row.at(0));
        QVERIFY(settings);
        QCOMPARE(settings->code, row.at(1));
        QCOMPARE(settings->page, row.at(2).toInt());
        QCOMPARE(settings->items.size(), row.at(3).toInt());
    }

    void tableShape()
    {
        const FieldTable &table = ikFieldTable();
        QCOMPARE(table.pages(), (QStringList{u"Реєстраційні дані"_s, u"Опис. Переваги "_s,
                                             u"Завершеність. Упровадження"_s, u"Власник"_s,
                                             u"Інвестор. Виконавець"_s}));
        // Only a key in the state registration number marks the card; the owner kind by a click.
        QStringList marking;
        QSet<QString> names;
        for (const FieldInfo &f : table.fields()) {
            if (f.marks)
                marking << f.name;
            QVERIFY2(!names.contains(f.name), qPrintable(f.name));
            names.insert(f.name);
        }
        QCOMPARE(marking, QStringList{u"ed5436"_s});
        QCOMPARE(ikClickMarkFields(), QStringList{u"lizz"_s});
        // The first subject box is entered last on its page.
        QStringList firstPage;
        for (const FieldInfo &f : table.fields()) {
            if (f.page == 0)
                firstPage << f.name;
        }
        QCOMPARE(firstPage.last(), u"ed5616a"_s);
        QCOMPARE(table.find(u"cb6210"_s)->items.at(1), u"д.арх."_s);
        QCOMPARE(table.find(u"cb6210"_s)->items.last(), u"к.с.-г.н."_s);
        QCOMPARE(table.find(u"cb7326"_s)->items.last(), QString());
    }

    // Every field of the table stands on its page once, and the page design names no other.
    void pageDesignCoversTheTable()
    {
        const PageDesign &design = ikPageDesign();
        QCOMPARE(design.pages.size(), ikFieldTable().pages().size());
        QMultiHash<QString, int> placed;
        for (int page = 0; page < design.pages.size(); ++page) {
            for (const PageBlock &block : design.pages.at(page)) {
                for (const QStringList &row : block.rows) {
                    for (const QString &cell : row) {
                        if (!cell.startsWith(QLatin1Char('!')))
                            placed.insert(cell, page);
                    }
                }
            }
        }
        for (const FieldInfo &f : ikFieldTable().fields()) {
            QCOMPARE(placed.count(f.name), 1);
            QCOMPARE(placed.value(f.name), f.page);
        }
        QCOMPARE(placed.size(), ikFieldTable().fields().size());
        QCOMPARE(design.pageHints.at(3), u"Для знищення власника треба усунути його номер та\n"
                                         u"натиснути на клавішу \"Tab\". Нумерація зміниться автоматично."_s);
        QCOMPARE(design.stateLabel(u"ed2459"_s), u"Label27"_s);
    }

    // The owner list: each owner in both forms, removal renumbers both.
    void ownersInBothForms()
    {
        auto model = ikTest::card.fresh();
        fillOwner(*model, 1, u"Юридична особа"_s, u"11111111"_s, u"Завод"_s);
        fillOwner(*model, 2, u"Фізична особа"_s, u"2222222222"_s, u"Петренко"_s);
        fillOwner(*model, 3, u"Юридична особа"_s, u"33333333"_s, u"Фонд"_s);
        QCOMPARE(EntryList::items(model->lists().record(IkList::Owners, 2)).mid(0, 5),
                 (QStringList{u"2"_s, u"2"_s, u"2222222222"_s, u"Місто 2"_s, u"Петренко"_s}));
        QCOMPARE(EntryList::item(model->lists().displayRecord(IkList::Owners, 2), 2), u"Фізична особа"_s);

        model->removeListEntry(int(IkList::Owners), 2);
        model->showOwner(2);
        QCOMPARE(model->text(u"mm2153"_s), u"Фонд"_s);
        QCOMPARE(model->text(u"Edit1"_s), u"2"_s);
        QCOMPARE(EntryList::item(model->lists().displayRecord(IkList::Owners, 2), 1), u"2"_s);
        const QStringList owners = ikTest::linesOf(ikTest::card.lines(*model), u"2459"_s);
        QCOMPARE(owners.size(), 2);
        QVERIFY(owners.at(0).startsWith(u"2459\\1\\1\\11111111\\"_s));
        QVERIFY(owners.at(1).startsWith(u"2459\\2\\1\\33333333\\"_s));
    }

    void showingAnOwnerSetsItsKind()
    {
        auto model = ikTest::card.fresh();
        fillOwner(*model, 1, u"Фізична особа"_s, u"2222222222"_s, u"Петренко"_s);
        fillOwner(*model, 2, u"Юридична особа"_s, u"11111111"_s, u"Завод"_s);
        model->showOwner(1);
        QCOMPARE(model->text(u"ed2459"_s), u"2222222222"_s);
        QCOMPARE(model->ownerKindLetter(), u"ф"_s);
        QCOMPARE(model->ownerCode().mask, u"9999999999;1;_"_s);
        QCOMPARE(model->ownerCode().label, u"2459 Індивідуальний податковий номер"_s);
        QVERIFY(model->ownerCode().blue);
    }

    void ownerListBounds()
    {
        const EntryListSettings settings = IkModel::ownerListSettings();
        QCOMPARE(settings.maximum, 5);
        QCOMPARE(settings.boundsMessage, u"Кількість власників від 1 до 5."_s);
        QCOMPARE(IkModel::kOwnerSlots, 6);
        QCOMPARE(settings.itemFields.size(), 12);
        QCOMPARE(settings.kind->invalidMessage, u" Помилка "_s);
    }
};

ZORVAT_TEST(IkModelTest)
#include "ik_model_test.moc"
