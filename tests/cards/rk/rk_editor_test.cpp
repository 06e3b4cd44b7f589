#include "cards/rk/rk_editor.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_test_support.h"
#include "fields/card_document.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "widgets/mask_edit.h"
#include "print/page_layout.h"
#include "print/report_layouts.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

using Editor = EditorDriver<RkEditor>;

class RkEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCard_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const QString legal = u"Юридична особа"_s;
        QTest::newRow("special mark") << u"ed5256"_s << u"5"_s;
        QTest::newRow("executor kind") << u"lizv"_s << legal;
        QTest::newRow("customer kind") << u"lizz"_s << legal;
        QTest::newRow("co-executor kind") << u"lizsv"_s << legal;
        QTest::newRow("currency") << u"ed"_s << u"тис.грн."_s;
        QTest::newRow("currency 2") << u"ed1"_s << QString();
        QTest::newRow("basis") << u"ed7146"_s << QString();
        QTest::newRow("kind of work") << u"ed7191"_s << QString();
        QTest::newRow("year 1") << u"edgod1"_s << u"20--"_s;
        QTest::newRow("year 6") << u"edgod6"_s << u"20--"_s;
        QTest::newRow("customer number") << u"Edit1"_s << u"1"_s;
        QTest::newRow("co-executor number") << u"cpn"_s << u"1"_s;
        QTest::newRow("stage number") << u"ed9036n"_s << u"1"_s;
        QTest::newRow("state number") << u"ed5436"_s << u"    U       "_s;
        QTest::newRow("letter date") << u"ed5418D"_s << u"  .  .  "_s;
        QTest::newRow("start") << u"ed7353"_s << u"  .  "_s;
        QTest::newRow("executor language") << u"Indjz"_s << u"0"_s;
        QTest::newRow("title language") << u"Indjzr"_s << u"0"_s;
        QTest::newRow("head language") << u"indjzk"_s << u"0"_s;
        QTest::newRow("executor name") << u"mm2151"_s << QString();
    }

    void freshCard()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        Editor e;
        QCOMPARE(e.shown(field), value);
        QCOMPARE(e.window->pageControl()->currentIndex(), 0);
    }

    // Every field of the table is on the page its table row gives, in a scroll area,
    // with its label; the "other" fields start hidden.
    void pagesBuiltFromTable()
    {
        Editor e;
        QTabWidget *pages = e.window->pageControl();
        QCOMPARE(pages->count(), 6);
        QCOMPARE(pages->tabText(3), u"Співвиконавці, етапи"_s);
        for (const FieldInfo &info : e.window->model().table().fields()) {
            QWidget *w = e.field(info.name);
            QVERIFY2(w, qPrintable(info.name));
            QCOMPARE(e.pageOf(w), pages->widget(info.page));
            QVERIFY(qobject_cast<QScrollArea *>(pages->widget(info.page)));
        }
        QCOMPARE(e.window->findChild<QLabel *>(u"Label30"_s)->text(), u"2457. Код організації за ЄДРПОУ"_s);
        QVERIFY(e.show());
        pages->setCurrentIndex(0);
        QVERIFY(!e.field(u"ed7201a"_s)->isVisible());
        QVERIFY(e.field(u"ed7022"_s)->isVisible());
    }

    void bilingualTitleTypedInBothLanguages()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"mm9027"_s);
        Editor::type(u"Дослідження"_s);
        e.tab();
        QCOMPARE(platform.messages(), QStringList{u"Введіть назву англійською мовою !"_s});
        QCOMPARE(e.shown(u"Indjzr"_s), u"1"_s);
        QCOMPARE(e.shown(u"mm9027"_s), QString());
        QTRY_VERIFY(e.field(u"mm9027"_s)->hasFocus());

        Editor::type(u"Research"_s);
        e.tab();
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY(!e.field(u"mm9027"_s)->hasFocus());
        QCOMPARE(e.window->model().bilingual(RkText::WorkTitle, RkLanguage::Ukrainian), u"Дослідження"_s);
        QCOMPARE(e.window->model().bilingual(RkText::WorkTitle, RkLanguage::English), u"Research"_s);

        // The Ukrainian button shows the Ukrainian title again.
        auto *ukrainian = e.window->findChild<QAbstractButton *>(u"Indjzr_0"_s);
        // On the round button itself: a radio button takes clicks on its button and text only.
        QTest::mouseClick(ukrainian, Qt::LeftButton, {}, QPoint(8, ukrainian->height() / 2));
        QCOMPARE(e.shown(u"mm9027"_s), u"Дослідження"_s);
    }

    void nextCustomerFromThreeToEmptyFour()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        RkModel &m = e.window->model();
        for (int n = 1; n <= 3; ++n) {
            const QString tail = u"\\1234567%1\\Київ\\Замовник %1\\вул. Хрещатик, %1\\\\"_s.arg(n);
            m.setRecord(RkList::Customers, n, QString::number(n) + u"\\1"_s + tail,
                        QString::number(n) + u"\\Юридична особа"_s + tail);
        }
        m.showEntry(RkList::Customers, 3);
        e.window->binder().refresh();
        QVERIFY(e.show());
        QCOMPARE(e.shown(u"mm2152"_s), u"Замовник 3"_s);
        e.enter(u"ed2935"_s);
        auto *next = e.window->findChild<QPushButton *>(u"BitBtn7"_s);
        QCOMPARE(next->text(), u"Наступний замовник"_s);
        QTest::mouseClick(next, Qt::LeftButton);
        QTRY_VERIFY(e.field(u"lizz"_s)->hasFocus());
        QCOMPARE(e.shown(u"Edit1"_s), u"4"_s);
        for (const char *name : {"mm2152", "gorz", "mm2656", "ed2935", "ed2395"})
            QCOMPARE(e.shown(QString::fromLatin1(name)), QString());
        QCOMPARE(e.shown(u"ed2458"_s), u"        "_s);
        QCOMPARE(m.recordCount(RkList::Customers), 3);
        QVERIFY(platform.messages().isEmpty());

        QTest::mouseClick(e.window->findChild<QPushButton *>(u"BitBtn6"_s), Qt::LeftButton);
        QCOMPARE(e.shown(u"Edit1"_s), u"3"_s);
        QCOMPARE(e.shown(u"mm2152"_s), u"Замовник 3"_s);
    }

    // A co-executor number typed over the one shown: beyond the list's 50 the bounds
    // are named, beyond the one shown the sequence, else that co-executor shows.
    void coExecutorNumberTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("focus");
        QTest::newRow("beyond the list") << u"51"_s << QStringList{u"Кількість співвиконавців від 1 до 50"_s} << 3
                                         << u"ed9036n"_s;
        QTest::newRow("beyond the one shown") << u"5"_s << QStringList{u"Помилка в послідовності номерів !"_s} << 3
                                              << u"lizsv"_s;
        QTest::newRow("an earlier one") << u"2"_s << QStringList{} << 2 << u"lizsv"_s;
    }

    void coExecutorNumberTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(int, shown);
        QFETCH(QString, focus);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        for (int n = 1; n <= 3; ++n) {
            e.enter(u"cpi"_s);
            Editor::type(rkTest::entryName(n));
            if (n < 3)
                e.click(u"Button1"_s);
        }
        e.enter(u"cpn"_s);
        Editor::retype(typed);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.shown(u"cpn"_s), QString::number(shown));
        QCOMPARE(e.shown(u"cpi"_s), rkTest::entryName(shown));
        QTRY_VERIFY(e.focusIn(focus));
        QCOMPARE(e.window->model().recordCount(RkList::CoExecutors), 3);
    }

    void sumWarnings_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("focusBack");
        QTest::newRow("thousands") << u"1234"_s << QStringList{u"Увага! Cумма вказується в тис.грн."_s} << false;
        QTest::newRow("full stop") << u"12.5"_s << QStringList{u"Ціла частина відокремлюється комою!"_s} << true;
        QTest::newRow("fine") << u"123,5"_s << QStringList{} << false;
    }

    void sumWarnings()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(bool, focusBack);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        QCOMPARE(e.shown(u"ed"_s), u"тис.грн."_s);
        e.enter(u"sum"_s);
        QTest::keyClicks(e.field(u"sum"_s), typed);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.field(u"sum"_s)->hasFocus(), focusBack);
        QCOMPARE(e.shown(u"sum"_s), typed);
    }

    void otherResultAppearsWithItsEntries()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(u"cb9153"_s);
        QVERIFY(!e.field(u"cb9153a"_s)->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), u"007"_s);
        e.tab();
        QVERIFY(platform.log().isEmpty());
        auto *other = qobject_cast<QComboBox *>(e.field(u"cb9153a"_s));
        QVERIFY(other->isVisible());
        QVERIFY(e.window->findChild<QLabel *>(u"lab9153"_s)->isVisible());
        QCOMPARE(other->count(), 5);
        QCOMPARE(other->itemText(4), u"тощо - ввести"_s);
        QCOMPARE(other->currentText(), QString());
    }

    // Leaving the customer page stores the customer shown.
    void leavingThePageStoresTheCustomer()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(u"mm2152"_s);
        Editor::type(u"Фонд"_s);
        QCOMPARE(e.window->model().recordCount(RkList::Customers), 0);
        e.window->pageControl()->setCurrentIndex(3);
        QCOMPARE(e.window->model().recordCount(RkList::Customers), 1);
        QCOMPARE(e.window->model().record(RkList::Customers, 1), u"1\\1\\        \\\\Фонд\\\\\\"_s);
    }

    // Typing marks the card; "&Кінець введення" then enables the save.
    void typingMarksModified()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed7021"_s);
        QTest::keyClicks(e.field(u"ed7021"_s), u"A1"_s);
        QVERIFY(e.window->document().modified());
        QVERIFY(!e.window->document().saveItemEnabled());
        e.window->findChild<QPushButton *>(u"BitBtn1"_s)->click();
        QVERIFY(e.window->document().saveItemEnabled());
    }

    // Choosing an entry always leaves the card unsaved; only the boxes that mark on a
    // click also make "Записати як..." wait for "&Кінець введення" again.
    void choosingAnEntryMarks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("saveWaits");
        QTest::newRow("customer kind") << u"lizz"_s << true;
        QTest::newRow("currency 2") << u"ed1"_s << true;
        QTest::newRow("executor kind") << u"lizv"_s << false;
        QTest::newRow("special mark") << u"ed5256"_s << false;
    }

    void choosingAnEntryMarks()
    {
        QFETCH(QString, field);
        QFETCH(bool, saveWaits);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.window->document().endInput();
        e.enter(field);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(e.window->document().modified());
        QCOMPARE(e.window->document().saveItemEnabled(), !saveWaits);
    }

    void saveAndOpenThroughTheWindow()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"rk1.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        {
            Editor e;
            QVERIFY(e.show());
            e.enter(u"mm2151"_s);
            Editor::type(u"Інститут"_s);
            e.tab();
            Editor::type(u"Institute"_s);
            e.tab();
            e.enter(u"mm2152"_s);
            Editor::type(u"Міністерство"_s);
            e.enter(u"gorz"_s);
            Editor::type(u"Київ"_s);
            e.enter(u"ed7021"_s);
            QTest::keyClicks(e.field(u"ed7021"_s), u"A12"_s);
            e.window->findChild<QPushButton *>(u"BitBtn1"_s)->click();
            platform.expectSave(path);
            QVERIFY(e.window->saveCard());
            QVERIFY(!e.window->document().modified());
        }
        QVERIFY(QFileInfo::exists(path));

        Editor e;
        QVERIFY(e.show());
        e.window->pageControl()->setCurrentIndex(2);
        platform.expectOpen(path);
        e.window->openCard();
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(e.window->pageControl()->currentIndex(), 0);
        QCOMPARE(e.shown(u"mm2151"_s), u"Інститут"_s);
        QCOMPARE(e.shown(u"Indjz"_s), u"0"_s);
        QCOMPARE(e.shown(u"mm2152"_s), u"Міністерство"_s);
        QCOMPARE(e.shown(u"gorz"_s), u"Київ"_s);
        QCOMPARE(e.shown(u"Edit1"_s), u"1"_s);
        QCOMPARE(e.shown(u"ed7021"_s), u"A12"_s);
        QCOMPARE(e.shown(u"edgod6"_s), u"20--"_s);
        QCOMPARE(e.window->model().bilingual(RkText::ExecutorName, RkLanguage::English), u"Institute"_s);
        QTest::mouseClick(e.window->findChild<QAbstractButton *>(u"Indjz_1"_s), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(e.shown(u"mm2151"_s), u"Institute"_s);
    }

    void printAndContinuationFromTheWindow()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        QString purpose;
        for (int i = 1; i <= 2000; ++i)
            purpose += u"мета%1 "_s.arg(i);
        qobject_cast<QPlainTextEdit *>(e.field(u"mm9126"_s))->setPlainText(purpose);
        auto *print = e.window->findChild<QToolButton *>(u"SpeedButton4"_s);
        auto *sb5 = e.window->findChild<QToolButton *>(u"SB5"_s);
        QVERIFY(!print->isEnabled());
        e.window->findChild<QPushButton *>(u"BitBtn1"_s)->click();
        QVERIFY(print->isEnabled());
        const bool modified = e.window->document().modified();
        print->click();
        QCOMPARE(platform.previews().size(), 1);
        const QList<const PageLayout *> job1 = platform.previews().constFirst();
        QCOMPARE(job1.size(), 3);
        QCOMPARE(job1.at(0)->name(), u"TQRRk1"_s);
        QCOMPARE(job1.at(1)->name(), u"TQRRk2"_s);
        QCOMPARE(job1.at(2)->name(), u"TQRDop"_s);
        QVERIFY(sb5->isEnabled());
        QCOMPARE(e.window->document().modified(), modified);
        QCOMPARE(e.window->model().text(u"mm9126"_s), purpose);

        sb5->click();
        QCOMPARE(platform.previews().size(), 2);
        const QList<const PageLayout *> job2 = platform.previews().constLast();
        QVERIFY(job2.size() >= 2);
        QCOMPARE(job2.constFirst()->name(), u"TQRDop1"_s);
        QVERIFY(!sb5->isEnabled());
        QVERIFY(platform.messages().contains(u"Друк продовження з 2-го листа - іншою функцією!"_s));
    }
};

ZORVAT_TEST(RkEditorTest)
#include "rk_editor_test.moc"
