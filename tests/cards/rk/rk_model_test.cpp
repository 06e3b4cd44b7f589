#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_test_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

} // namespace

class RkModelTest : public QObject
{
    Q_OBJECT
private slots:
    // Values at creation and after clearModel, from a card where every field was changed.
    void clearedValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("cleared");

        const QString legal = u"Юридична особа"_s;
        QTest::newRow("year 1") << u"edgod1"_s << u"20--"_s << u"200-"_s;
        QTest::newRow("year 6") << u"edgod6"_s << u"20--"_s << u""_s;
        QTest::newRow("special mark") << u"ed5256"_s << u"5"_s << u"5"_s;
        QTest::newRow("kind of work") << u"ed7191"_s << u""_s << u"39"_s;
        QTest::newRow("currency 2") << u"ed1"_s << u""_s << u""_s;
        QTest::newRow("basis") << u"ed7146"_s << u""_s << u""_s;
        QTest::newRow("other result") << u"cb9153a"_s << u""_s << u""_s;
        QTest::newRow("executor kind") << u"lizv"_s << legal << legal;
        QTest::newRow("customer number") << u"Edit1"_s << u"1"_s << u"1"_s;
        QTest::newRow("state number") << u"ed5436"_s << u"    U       "_s << u"    U       "_s;
        QTest::newRow("subject code") << u"ed56164"_s << u"  .  .  .  "_s << u"  .  .  .  "_s;
        QTest::newRow("executor code") << u"ed2457"_s << u"        "_s << u"        "_s;
    }

    void clearedValues()
    {
        QFETCH(QString, field);
        QFETCH(QString, created);
        QFETCH(QString, cleared);
        auto model = rkTest::freshModel();
        QCOMPARE(model->text(field), created);
        for (const FieldInfo &f : model->table().fields())
            model->setText(f.name, u"1"_s);
        model->setPartyKind(RkParty::Executor, true, RkLabelSet::Select);
        rkTest::kind().clearModel(*model);
        QCOMPARE(model->text(field), cleared);
    }

    void clearStateEmptiesLists()
    {
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, RkList::Customers, 3);
        model->setBilingual(RkText::WorkTitle, RkLanguage::English, u"Title"_s);
        model->setPartyKind(RkParty::Customer, true, RkLabelSet::Show);
        rkTest::kind().clearModel(*model);
        QCOMPARE(model->recordCount(RkList::Customers), 0);
        QCOMPARE(model->bilingual(RkText::WorkTitle, RkLanguage::English), u""_s);
        QCOMPARE(model->partyCode(RkParty::Customer).mask, u"99999999;1;_"_s);
        QCOMPARE(model->partyCode(RkParty::Customer).label, u"2458. Код організаціїза ЄДРПОУ"_s);
        QVERIFY(!model->partyCode(RkParty::Customer).blue);
    }

    void storeCustomer_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("slot2");
        QTest::addColumn<int>("count");

        const QString old2 = u"2\\1\\12345678\\Київ\\Назва 2\\вул. Лісова\\\\"_s;
        const QString old3 = u"2\\1\\12345678\\Київ\\Назва 3\\вул. Лісова\\\\"_s;
        QTest::newRow("named") << u"2"_s << u"Нова"_s << u""_s << u""_s << true
                               << u"2\\1\\        \\\\Нова\\\\\\"_s << 3;
        QTest::newRow("no name, code kept") << u"2"_s << u""_s << u"87654321"_s << u""_s << false << old2 << 3;
        QTest::newRow("all empty: closes up") << u"2"_s << u""_s << u""_s << u""_s << true << old3 << 2;
        QTest::newRow("no number") << u""_s << u"Нова"_s << u""_s << u""_s << false << old2 << 3;
        QTest::newRow("beyond list") << u"202"_s << u"Нова"_s << u""_s << u""_s << false << old2 << 3;
    }

    void storeCustomer()
    {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, address);
        QFETCH(bool, stored);
        QFETCH(QString, slot2);
        QFETCH(int, count);
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, RkList::Customers, 3);
        model->setText(u"Edit1"_s, number);
        model->setText(u"mm2152"_s, name);
        model->setFitted(u"ed2458"_s, code);
        model->setText(u"mm2656"_s, address);
        QCOMPARE(model->storeCustomer(), stored);
        QCOMPARE(model->record(RkList::Customers, 2), slot2);
        QCOMPARE(model->recordCount(RkList::Customers), count);
    }

    // A blanked entry is removed once: the entry that moves into its number is shown
    // and survives the stores that follow (next, save).
    void blankedEntryRemovedOnce()
    {
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, RkList::CoExecutors, 3);
        model->showEntry(RkList::CoExecutors, 2);
        for (const QString &f : {u"cpk"_s, u"cpi"_s, u"cpa"_s, u"gorc"_s})
            model->setFitted(f, QString());
        QVERIFY(model->storeCoExecutor());
        QCOMPARE(model->text(u"cpi"_s), u"Назва 3"_s);
        model->storeCoExecutor();
        rkTest::kind().fileLines(*model);
        QCOMPARE(model->recordCount(RkList::CoExecutors), 2);
        QCOMPARE(model->record(RkList::CoExecutors, 2), u"2\\1\\12345678\\Київ\\Назва 3\\вул. Лісова"_s);
    }

    void removeEntry_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");

        QTest::newRow("first customer of 12") << int(RkList::Customers) << 12 << 1;
        QTest::newRow("customer 100 of a full list") << int(RkList::Customers) << 200 << 100;
        QTest::newRow("co-executor 3 of 50") << int(RkList::CoExecutors) << 50 << 3;
        QTest::newRow("stage 1 of 15") << int(RkList::Stages) << 15 << 1;
    }

    void removeEntry()
    {
        QFETCH(int, list);
        QFETCH(int, count);
        QFETCH(int, removed);
        const auto l = RkList(list);
        auto model = rkTest::freshModel();
        rkTest::fillList(*model, l, count);
        model->removeEntry(l, removed);
        QCOMPARE(model->recordCount(l), count - 1);
        for (int n = 1; n < count; ++n) {
            const int was = n < removed ? n : n + 1;
            const QString record = model->record(l, n);
            QCOMPARE(record.section(QLatin1Char('\\'), 0, 0), QString::number(n));
            QVERIFY2(record.contains(rkTest::entryName(was) + u'\\') || record.endsWith(rkTest::entryName(was)), qPrintable(record));
            QCOMPARE(model->displayRecord(l, n).section(QLatin1Char('\\'), 0, 0), QString::number(n));
        }
        QCOMPARE(model->record(l, count), u""_s);
    }
};

ZORVAT_TEST(RkModelTest)
#include "rk_model_test.moc"
