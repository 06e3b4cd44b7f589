#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"
#include "rules_fixture.h"
#include "support/test_registry.h"

#include <QTest>

namespace {

// The customer list of the test card, as RK shows it.
EntryListSettings customers()
{
    EntryListSettings info;
    info.numberField = QStringLiteral("Edit1");
    info.maximum = 200;
    info.boundsMessage = entryLists::customerBounds();
    info.itemFields = {QStringLiteral("lizz"), QStringLiteral("ed2458"), QStringLiteral("gorz"), QStringLiteral("mm2152")};
    info.emptiedFields = {QStringLiteral("ed2458"), QStringLiteral("gorz"), QStringLiteral("mm2152")};
    fieldRules::PersonKindSettings kind;
    kind.selector = QStringLiteral("lizz");
    kind.codeField = QStringLiteral("ed2458");
    kind.label = QStringLiteral("StaticText2");
    kind.legalText = QStringLiteral("2458 Код організації за ЄДРПОУ");
    kind.naturalText = QStringLiteral("2458 Індивідуальний податковий номер");
    info.kind = kind;
    return info;
}

QString record(const QString &n, const QString &kind, const QString &code, const QString &city, const QString &name)
{
    return EntryList::join({n, kind, code, city, name});
}

} // namespace

class EntryListTest : public QObject
{
    Q_OBJECT

private slots:
    void slotsAndForms()
    {
        EntryList list;
        QVERIFY(!list.holds(1));
        QCOMPARE(list.last(), 0);
        list.set(1, QStringLiteral("1\\a"), QStringLiteral("1\\A"));
        list.set(2, QStringLiteral("2\\b"));
        list.set(4, QStringLiteral("4\\d"));
        QVERIFY(list.holds(2));
        QVERIFY(!list.holds(3));
        QCOMPARE(list.display(1), QStringLiteral("1\\A"));
        QCOMPARE(list.display(2), QStringLiteral("2\\b")); // no display form: the file form
        QCOMPARE(list.file(9), QString());
        QCOMPARE(list.last(), 4);
        QCOMPARE(list.files(), (QStringList{QStringLiteral("1\\a"), QStringLiteral("2\\b")})); // up to the gap
        QCOMPARE(list.displays(), (QStringList{QStringLiteral("1\\A"), QStringLiteral("2\\b")}));
        list.clear(2);
        QCOMPARE(list.files(), QStringList{QStringLiteral("1\\a")});
        list.clearAll();
        QCOMPARE(list.last(), 0);
        QCOMPARE(EntryList::item(QStringLiteral("2458\\1\\2"), 2), QStringLiteral("1"));
        QCOMPARE(EntryList::item(QStringLiteral("2458\\1\\2"), 5), QString());
    }

    void removalKeepsSlotsFilled()
    {
        EntryList list;
        for (int n = 1; n <= 12; ++n)
            list.set(n, QStringLiteral("%1\\1\\code%1").arg(n), QStringLiteral("%1\\Юридична особа\\code%1").arg(n));
        list.remove(2);
        QCOMPARE(list.files().size(), 11);
        QCOMPARE(list.file(1), QStringLiteral("1\\1\\code1"));
        QCOMPARE(list.file(2), QStringLiteral("2\\1\\code3"));
        QCOMPARE(list.display(2), QStringLiteral("2\\Юридична особа\\code3"));
        QCOMPARE(list.file(9), QStringLiteral("9\\1\\code10")); // two-digit numbers renumbered whole
        QCOMPARE(list.file(11), QStringLiteral("11\\1\\code12"));
        QVERIFY(!list.holds(12));
        for (int n = 1; n <= 11; ++n)
            QCOMPARE(EntryList::item(list.file(n), 1), QString::number(n));
        list.remove(11);
        QCOMPARE(list.last(), 10);
        list.remove(40); // nothing there
        QCOMPARE(list.last(), 10);
        QCOMPARE(EntryList::renumbered(QStringLiteral("12"), 3), QStringLiteral("3"));
    }

    void showEntry()
    {
        CardModel model(testTable());
        EntryList list;
        const EntryListSettings info = customers();
        list.set(2, record(QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("1234567890"), QStringLiteral("Львів"),
                           QStringLiteral("Іван")),
                 record(QStringLiteral("2"), fieldRules::naturalPerson(), QStringLiteral("1234567890"),
                        QStringLiteral("Львів"), QStringLiteral("Іван")));
        model.setText(QStringLiteral("gorz"), QStringLiteral("Київ"));
        QString letter;
        entryLists::showEntry(model, list, 2, info, &letter);
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("2"));
        QCOMPARE(model.text(QStringLiteral("lizz")), fieldRules::naturalPerson());
        QCOMPARE(model.mask(QStringLiteral("ed2458")), fieldRules::naturalCodeMask());
        QCOMPARE(model.text(QStringLiteral("ed2458")), QStringLiteral("1234567890")); // all ten digits kept
        QCOMPARE(model.text(QStringLiteral("gorz")), QStringLiteral("Львів"));
        QCOMPARE(model.text(QStringLiteral("mm2152")), QStringLiteral("Іван"));
        QCOMPARE(letter, fieldRules::naturalLetter());
        QCOMPARE(model.label(QStringLiteral("StaticText2"))->text, QStringLiteral("2458 Індивідуальний податковий номер"));
        QVERIFY(model.label(QStringLiteral("StaticText2"))->blue);

        // An empty slot: empty fields with the number; the selector and mask stay.
        entryLists::showEntry(model, list, 3, info, &letter);
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("3"));
        QCOMPARE(model.text(QStringLiteral("ed2458")), QString(10, QLatin1Char(' ')));
        QCOMPARE(model.text(QStringLiteral("gorz")), QString());
        QCOMPARE(model.text(QStringLiteral("mm2152")), QString());

        // Steps: "Наступний замовник" on customer 3 whose slot 4 is empty.
        QVERIFY(entryLists::stepEntry(model, list, info, +1, 201, &letter));
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("4"));
        QCOMPARE(model.text(QStringLiteral("mm2152")), QString());
        QVERIFY(entryLists::stepEntry(model, list, info, -2, 201, &letter));
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("2"));
        QCOMPARE(model.text(QStringLiteral("mm2152")), QStringLiteral("Іван"));
        model.setText(QStringLiteral("Edit1"), QStringLiteral("1"));
        QVERIFY(!entryLists::stepEntry(model, list, info, -1, 201, &letter));
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("1"));
    }

    void bounds_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("message");
        QTest::newRow("customers") << 200 << QStringLiteral("Кількість замовників від 1 до 200");
        QTest::newRow("co-executors") << 50 << QStringLiteral("Кількість співвиконавців від 1 до 50");
        QTest::newRow("stages") << 15 << QStringLiteral("Кількість етапів від 1 до 15");
    }

    void bounds()
    {
        QFETCH(int, maximum);
        QFETCH(QString, message);
        EntryListSettings info;
        info.maximum = maximum;
        info.boundsMessage = maximum == 200 ? entryLists::customerBounds()
            : maximum == 50                 ? entryLists::coExecutorBounds()
                                            : entryLists::stageBounds();
        RecordingRuleContext ctx;
        QVERIFY(entryLists::boundsRule(ctx, maximum, info, QStringLiteral("fin")));
        QVERIFY(ctx.silent());
        QVERIFY(!entryLists::boundsRule(ctx, maximum + 1, info, QStringLiteral("fin")));
        QCOMPARE(ctx.messages(), QStringList{message});
        QCOMPARE(ctx.focusTarget(), QStringLiteral("fin"));
    }

    void sequence()
    {
        CardModel model(testTable());
        const EntryListSettings info = customers();
        RecordingRuleContext ctx;
        model.setText(QStringLiteral("Edit1"), QStringLiteral("2"));
        QVERIFY(entryLists::sequenceRule(model, ctx, info, 2, QStringLiteral("2")));
        model.setText(QStringLiteral("Edit1"), QStringLiteral("4"));
        QVERIFY(!entryLists::sequenceRule(model, ctx, info, 2, QStringLiteral("2")));
        QCOMPARE(ctx.messages(), QStringList{QStringLiteral("Помилка в послідовності номерів !")});
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("2"));
    }

    void removeEntry()
    {
        CardModel model(testTable());
        const EntryListSettings info = customers();
        EntryList list;
        for (int n = 1; n <= 3; ++n) {
            const QString no = QString::number(n);
            list.set(n, record(no, QStringLiteral("1"), QStringLiteral("1111111") + no, QStringLiteral("М") + no,
                               QStringLiteral("Назва ") + no),
                     record(no, fieldRules::legalPerson(), QStringLiteral("1111111") + no, QStringLiteral("М") + no,
                            QStringLiteral("Назва ") + no));
        }
        QCOMPARE(entryLists::removeEntry(model, list, 2, info), 2);
        QCOMPARE(model.text(QStringLiteral("Edit1")), QStringLiteral("2"));
        QCOMPARE(model.text(QStringLiteral("mm2152")), QStringLiteral("Назва 3"));
        QCOMPARE(list.files(),
                 (QStringList{record(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("11111111"),
                                     QStringLiteral("М1"), QStringLiteral("Назва 1")),
                              record(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("11111113"),
                                     QStringLiteral("М3"), QStringLiteral("Назва 3"))}));
        QCOMPARE(entryLists::removeEntry(model, list, 1, info), 1);
        QCOMPARE(entryLists::removeEntry(model, list, 1, info), 0);
        QCOMPARE(model.text(QStringLiteral("Edit1")), QString());
        QCOMPARE(model.text(QStringLiteral("mm2152")), QString());
        QCOMPARE(model.text(QStringLiteral("ed2458")), QString(8, QLatin1Char(' ')));
    }

    void compose()
    {
        CardModel model(testTable());
        model.setText(QStringLiteral("gorz"), QStringLiteral("Київ"));
        model.setText(QStringLiteral("mm2152"), QStringLiteral("Назва"));
        QCOMPARE(entryLists::compose(model, QStringLiteral("3"), {QStringLiteral("lizz"), QStringLiteral("gorz"),
                                                                  QStringLiteral("mm2152")}),
                 QStringLiteral("3\\Юридична особа\\Київ\\Назва"));
    }
};

ZORVAT_TEST(EntryListTest)
#include "entry_list_test.moc"
