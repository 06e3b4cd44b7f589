#include "cards/rk/rk_model.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// A value holding "\" that reached the model without being typed (a rule, a program,
// a card read in) makes the save refuse: the report names each such field, nothing is
// written and the card stays modified.
class BackslashSaveTest : public QObject
{
    Q_OBJECT
private slots:
    void saveRefused_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QStringList>("fields"); // "name=value"
        QTest::addColumn<QStringList>("titles"); // RK work title: "uk=value", "en=value"
        QTest::addColumn<QStringList>("named");  // the report's lines naming fields
        QTest::newRow("RK cipher") << u"rk"_s << QStringList{u"ed7021=A\\B\\C"_s} << QStringList()
                                   << QStringList{u"поле з кодом 7021 «Шифр роботи» (сторінка «Реєстраційні дані»)"_s};
        // The label's line break and the code it starts with are left out.
        QTest::newRow("RK letter number") << u"rk"_s << QStringList{u"ed5418N=01-12\\345"_s} << QStringList()
                                          << QStringList{u"поле з кодом 5418 «№ супровідного листа» "
                                                         u"(сторінка «Реєстраційні дані»)"_s};
        QTest::newRow("RK two fields, in table order")
            << u"rk"_s << QStringList{u"mm9126=Мета\\"_s, u"ed7021=A\\B"_s} << QStringList()
            << QStringList{u"поле з кодом 7021 «Шифр роботи» (сторінка «Реєстраційні дані»)"_s,
                           u"поле з кодом 9126 «Мета роботи» (сторінка «Назва, мета, результати»)"_s};
        QTest::newRow("RK English title not shown")
            << u"rk"_s << QStringList() << QStringList{u"en=Title\\1"_s}
            << QStringList{u"поле з кодом 9027 «Назва роботи», текст англійською (сторінка «Назва, мета, результати»)"_s};
        // The text the field shows is its Ukrainian text: named once.
        QTest::newRow("RK title shown") << u"rk"_s << QStringList{u"mm9027=Назва\\1"_s} << QStringList{u"uk=Назва\\1"_s}
                                        << QStringList{u"поле з кодом 9027 «Назва роботи» "
                                                       u"(сторінка «Назва, мета, результати»)"_s};
        QTest::newRow("OK field without code") << u"ok"_s << QStringList{u"sum=12\\5"_s} << QStringList()
                                               << QStringList{u"поле «Обсяг фінансування за звітний етап» "
                                                              u"(сторінка «Фінансування»)"_s};
        QTest::newRow("IK head") << u"ik"_s << QStringList{u"ed6111=Петренко\\П."_s} << QStringList()
                                 << QStringList{u"поле з кодом 6111 «Керівник юридичної особи» "
                                                u"(сторінка «Інвестор. Виконавець»)"_s};
        QTest::newRow("OKD city") << u"okd"_s << QStringList{u"edMis=КИЇВ\\"_s} << QStringList()
                                  << QStringList{u"поле з кодом 2637 «Місто» (сторінка «Організаціі»)"_s};
    }
    void saveRefused()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, named);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"card.txt"_s);
        ScopedFakePlatform fake;
        CardDocument doc(*cardKindById(card));
        const auto fill = [&](bool withSeparator) {
            for (QString value : fields) {
                const QString name = value.section(u'=', 0, 0);
                doc.model().setText(name, withSeparator ? value.section(u'=', 1) : value.section(u'=', 1).remove(u'\\'));
            }
            for (QString value : titles) {
                const auto language = value.startsWith(u"en="_s) ? RkLanguage::English : RkLanguage::Ukrainian;
                value = value.mid(3);
                static_cast<RkModel &>(doc.model())
                    .setBilingual(RkText::WorkTitle, language, withSeparator ? value : value.remove(u'\\'));
            }
        };
        fill(true);
        doc.markModified();
        fake.expectIoError();
        QVERIFY(!doc.saveTo(path));
        QCOMPARE(fake.unexpected(), QStringList());
        QCOMPARE(fake.pending(), 0);
        const QStringList report = fake.messages().constLast().split(u'\n');
        QCOMPARE(report.mid(1, report.size() - 2), named);
        QVERIFY2(report.constFirst().startsWith(u"Картку не записано"_s), qPrintable(report.constFirst()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(doc.modified());

        // Without the "\" the same card saves.
        fill(false);
        QVERIFY(doc.saveTo(path));
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!doc.modified());
        QCOMPARE(fake.unexpected(), QStringList());
    }
};

ZORVAT_TEST(BackslashSaveTest)
#include "backslash_save_test.moc"
