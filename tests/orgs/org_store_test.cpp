#include "orgs/org_store.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Organisation org(const QString &code, const QString &name, const QString &phone, const QDateTime &when,
                 const QString &kind = u"1"_s)
{
    Organisation o;
    o.kind = kind;
    o.code = code;
    o.fullName = name;
    o.phone = phone;
    o.savedAt = when;
    return o;
}

const QDateTime kOld(QDate(2024, 1, 1), QTime(9, 0));
const QDateTime kNew(QDate(2025, 6, 1), QTime(9, 0));

} // namespace

class OrgStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QDateTime>("secondWhen");
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<QString>("secondPhone");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        QTest::newRow("newer wins") << kNew << u"Нова назва"_s << u"222"_s << u"Нова назва"_s << u"222"_s;
        QTest::newRow("empty never wipes") << kNew << u"Нова назва"_s << QString() << u"Нова назва"_s << u"111"_s;
        QTest::newRow("older loses") << QDateTime(QDate(2020, 1, 1), QTime()) << u"Стара"_s << u"000"_s
                                     << u"Перша"_s << u"111"_s;
        QTest::newRow("older fills a gap") << QDateTime(QDate(2020, 1, 1), QTime()) << QString() << u"000"_s
                                           << u"Перша"_s << u"111"_s;
    }

    void merge()
    {
        QFETCH(QDateTime, secondWhen);
        QFETCH(QString, secondName);
        QFETCH(QString, secondPhone);
        QFETCH(QString, name);
        QFETCH(QString, phone);
        QTemporaryDir dir;
        OrgStore store(dir.filePath(u"o.sqlite"_s));
        QVERIFY(store.remember({org(u"12345678"_s, u"Перша"_s, u"111"_s, kOld)}));
        QVERIFY(store.remember({org(u"12345678"_s, secondName, secondPhone, secondWhen)}));
        const auto found = store.find(u"1"_s, u"12345678"_s);
        QVERIFY(found);
        QCOMPARE(found->fullName, name);
        QCOMPARE(found->phone, phone);
        QCOMPARE(store.count(), 1);
    }

    void lookups()
    {
        QTemporaryDir dir;
        OrgStore store(dir.filePath(u"o.sqlite"_s));
        QVERIFY(store.remember({org(u"12345678"_s, u"Київський ЗАВОД"_s, {}, kOld),
                                org(u"12349999"_s, u"Фонд"_s, {}, kOld),
                                org(u"1234567890"_s, u"Завідувач Петро"_s, {}, kOld, u"2"_s),
                                org(u"1234567"_s, u"Неповний код"_s, {}, kOld),
                                org(u"1234567X"_s, u"Літера в коді"_s, {}, kOld)}));
        QCOMPARE(store.count(), 3);
        QCOMPARE(store.byCode(u"1"_s, u"1234"_s, 8).size(), 2);
        QCOMPARE(store.byCode(u"1"_s, u"12345"_s, 8).size(), 1);
        QCOMPARE(store.byCode(u"2"_s, u"1234"_s, 8).size(), 1);
        QVERIFY(!store.find(u"2"_s, u"12345678"_s));
        // Cyrillic letter case aside, anywhere in the name.
        QCOMPARE(store.byName(u"1"_s, u"завод"_s, 8).size(), 1);
        QCOMPARE(store.byName({}, u"ЗАВ"_s, 8).size(), 2);
        QCOMPARE(store.all(u"фонд"_s).size(), 1);
        QVERIFY(store.remove(u"1"_s, u"12349999"_s));
        QCOMPARE(store.count(), 2);
        QVERIFY(store.clear());
        QCOMPARE(store.count(), 0);
    }

    // A damaged file is left as it is and said so.
    void damagedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"o.sqlite"_s);
        const QByteArray garbage(8192, 'x');
        writeFile(path, garbage);
        OrgStore store(path);
        QVERIFY(!store.remember({org(u"12345678"_s, u"Назва"_s, {}, kOld)}));
        QVERIFY2(store.error().contains(u"пошкоджено"_s), qPrintable(store.error()));
        QVERIFY(store.byCode(u"1"_s, u"1234"_s, 8).isEmpty());
        QCOMPARE(readAll(path), garbage);
    }
};

ZORVAT_TEST(OrgStoreTest)
#include "org_store_test.moc"
