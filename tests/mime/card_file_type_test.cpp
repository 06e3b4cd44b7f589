#include "support/test_registry.h"

#include <QMimeDatabase>
#include <QTest>

// The card file type of the desktop (packaging/zorvat-mime.xml, installed as
// /usr/share/mime/packages/zorvat.xml): a file manager offers ЗОРВАТ for card files by
// their name, and they stay text for every text editor. Read as a desktop reads it: this
// test runs with the definition's folder first in XDG_DATA_DIRS.
class CardFileTypeTest : public QObject
{
    Q_OBJECT
private slots:
    void byName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("card");
        QTest::newRow("RK") << QStringLiteral("RK_2026.txt") << true;
        QTest::newRow("small letters") << QStringLiteral("ok_stage1.txt") << true;
        QTest::newRow("OKD") << QStringLiteral("OKD_ivanenko.txt") << true;
        QTest::newRow("mixed case, TXT") << QStringLiteral("Ik.TXT") << true;
        QTest::newRow("another text") << QStringLiteral("notes.txt") << false;
        QTest::newRow("a type inside the name") << QStringLiteral("new_RK.txt") << false;
        QTest::newRow("not text") << QStringLiteral("RK_2026.pdf") << false;
    }
    void byName()
    {
        QFETCH(QString, name);
        QFETCH(bool, card);
        const QMimeDatabase db;
        const QMimeType type = db.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        QCOMPARE(type.name() == QStringLiteral("text/x-zorvat-card"), card);
        if (card) {
            QVERIFY(type.inherits(QStringLiteral("text/plain")));
            QVERIFY(!type.comment().isEmpty());
        }
    }
};

ZORVAT_TEST(CardFileTypeTest)
#include "card_file_type_test.moc"
