#include "fields/card_model.h"
#include "fields/entry_list.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"
#include "rules_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The customer list of the test card, as RK shows it.
EntryListSettings customers()
{
    EntryListSettings info;
    info.numberField = u"Edit1"_s;
    info.maximum = 200;
    info.boundsMessage = entryLists::customerBounds();
    info.itemFields = {u"lizz"_s, u"ed2458"_s, u"gorz"_s, u"mm2152"_s};
    info.emptiedFields = {u"ed2458"_s, u"gorz"_s, u"mm2152"_s};
    fieldRules::PersonKindSettings kind;
    kind.selector = u"lizz"_s;
    kind.codeField = u"ed2458"_s;
    kind.label = u"StaticText2"_s;
    kind.legalText = u"2458 Код організації за ЄДРПОУ"_s;
    kind.naturalText = u"2458 Індивідуальний податковий номер"_s;
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
        list.set(1, u"1\\a"_s, u"1\\A"_s);
        list.set(2, u"2\\b"_s);
        list.set(4, u"4\\d"_s);
        QVERIFY(list.holds(2));
        QVERIFY(!list.holds(3));
        QCOMPARE(list.display(1), u"1\\A"_s);
        QCOMPARE(list.display(2), u"2\\b"_s); // no display form: the file form
        QCOMPARE(list.file(9), QString());
        QCOMPARE(list.last(), 4);
        QCOMPARE(list.files(), (QStringList{u"1\\a"_s, u"2\\b"_s})); // up to the gap
        QCOMPARE(list.displays(), (QStringList{u"1\\A"_s, u"2\\b"_s}));
        list.clear(2);
        QCOMPARE(list.files(), QStringList{u"1\\a"_s});
        list.clearAll();
        QCOMPARE(list.last(), 0);
        QCOMPARE(EntryList::item(u"2458\\1\\2"_s, 2), u"1"_s);
        QCOMPARE(EntryList::item(u"2458\\1\\2"_s, 5), QString());
    }

    void removalKeepsSlotsFilled()
    {
        EntryList list;
        for (int n = 1; n <= 12; ++n)
            list.set(n, u"%1\\1\\code%1"_s.arg(n), u"%1\\Юридична особа\\code%1"_s.arg(n));
        list.remove(2);
        QCOMPARE(list.files().size(), 11);
        QCOMPARE(list.file(1), u"1\\1\\code1"_s);
        QCOMPARE(list.file(2), u"2\\1\\code3"_s);
        QCOMPARE(list.display(2), u"2\\Юридична особа\\code3"_s);
        QCOMPARE(list.file(9), u"9\\1\\code10"_s); // two-digit numbers renumbered whole
        QCOMPARE(list.file(11), u"11\\1\\code12"_s);
        QVERIFY(!list.holds(12));
        for (int n = 1; n <= 11; ++n)
            QCOMPARE(EntryList::item(list.file(n), 1), QString::number(n));
        list.remove(11);
        QCOMPARE(list.last(), 10);
        list.remove(40); // nothing there
        QCOMPARE(list.last(), 10);
        QCOMPARE(EntryList::renumbered(u"12"_s, 3), u"3"_s);
    }

    void showEntry()
    {
        CardModel model(testTable());
        EntryList list;
        const EntryListSettings info = customers();
        list.set(2, record(u"2"_s, u"2"_s, u"1234567890"_s, u"Львів"_s,
                           u"Іван"_s),
                 record(u"2"_s, fieldRules::naturalPerson(), u"1234567890"_s,
                        u"Львів"_s, u"Іван"_s));
        model.setText(u"gorz"_s, u"Київ"_s);
        QString letter;
        entryLists::showEntry(model, list, 2, info, &letter);
        QCOMPARE(model.text(u"Edit1"_s), u"2"_s);
        QCOMPARE(model.text(u"lizz"_s), fieldRules::naturalPerson());
        QCOMPARE(model.mask(u"ed2458"_s), fieldRules::naturalCodeMask());
        QCOMPARE(model.text(u"ed2458"_s), u"1234567890"_s); // all ten digits kept
        QCOMPARE(model.text(u"gorz"_s), u"Львів"_s);
        QCOMPARE(model.text(u"mm2152"_s), u"Іван"_s);
        QCOMPARE(letter, fieldRules::naturalLetter());
        QCOMPARE(model.label(u"StaticText2"_s)->text, u"2458 Індивідуальний податковий номер"_s);
        QVERIFY(model.label(u"StaticText2"_s)->blue);

        // An empty slot: empty fields with the number; the selector and mask stay.
        entryLists::showEntry(model, list, 3, info, &letter);
        QCOMPARE(model.text(u"Edit1"_s), u"3"_s);
        QCOMPARE(model.text(u"ed2458"_s), QString(10, QLatin1Char(' ')));
        QCOMPARE(model.text(u"gorz"_s), QString());
        QCOMPARE(model.text(u"mm2152"_s), QString());

    }

    void compose()
    {
        CardModel model(testTable());
        model.setText(u"gorz"_s, u"Київ"_s);
        model.setText(u"mm2152"_s, u"Назва"_s);
        QCOMPARE(entryLists::compose(model, u"3"_s, {u"lizz"_s, u"gorz"_s,
                                                                  u"mm2152"_s}),
                 u"3\\Юридична особа\\Київ\\Назва"_s);
    }
};

ZORVAT_TEST(EntryListTest)
#include "entry_list_test.moc"
