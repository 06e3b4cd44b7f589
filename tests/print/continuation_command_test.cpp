#include "app/card_editor.h"
#include "fields/card_document.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

// "Друк листів продовжень" in an editor prints that editor's later sheets.
class ContinuationCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void commandPrintsLaterSheets_data()
    {
        QTest::addColumn<QString>("trigger"); // the menu item or the speed button
        QTest::newRow("menu item N5") << u"N5"_s;
        QTest::newRow("speed button SB5") << u"SB5"_s;
    }
    void commandPrintsLaterSheets()
    {
        QFETCH(QString, trigger);
        ScopedFakePlatform platform;
        platform.allowMessages();
        CardEditor editor(cardKind(CardType::RK), CardEditor::Options());
        auto *item = editor.findChild<QAction *>(u"N5"_s);
        auto *button = editor.findChild<QToolButton *>(u"SB5"_s);
        QVERIFY(item && button);
        QVERIFY(!item->isEnabled());

        QStringList lines;
        for (int i = 1; i <= 130; ++i)
            lines << u"рядок %1"_s.arg(i);
        platform.expect(FakePlatform::Call::Preview);
        PrintJob &job = editor.newPrintJob();
        job.prepare();
        job.placeBlock(u"9126. Мета роботи "_s, lines);
        job.finish(u"Назва"_s, {});
        QVERIFY(item->isEnabled());
        QVERIFY(button->isEnabled());

        platform.clear();
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        if (trigger == u"N5"_s)
            item->trigger();
        else
            button->click();
        QCOMPARE(platform.previews().size(), 1);
        QCOMPARE(platform.previews().first().size(), 2);
        QCOMPARE(platform.previews().first().at(1)->name(), u"TQRDop2"_s);
        QCOMPARE(platform.messages(), QStringList());
        QVERIFY(!item->isEnabled());
        QVERIFY(!button->isEnabled());
    }
};

ZORVAT_TEST(ContinuationCommandTest)
#include "continuation_command_test.moc"
