#include "app/main_window.h"

#include "app/card_editor.h"
#include "app/entry_label.h"
#include "app/guide_window.h"
#include "fields/card_document.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

using Answer = Platform::Answer;

// The captions of the save prompts asked, in order.
QStringList promptsAsked(const FakePlatform &fake)
{
    QStringList captions;
    for (const QString &entry : fake.log()) {
        if (entry.startsWith(u"question: "_s))
            captions << entry.mid(10).section(u" | "_s, 0, 0);
    }
    return captions;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void entries()
    {
        MainWindow form;
        form.show();
        QCOMPARE(form.windowTitle(), u"ЗОРВАТ"_s);
        QCOMPARE(form.size(), QSize(622, 452));
        const QStringList names{u"LabelEffect5"_s, u"LabelEffect4"_s, u"LabelEffect11"_s,
                                u"LabelEffect3"_s, u"LabelEffect10"_s};
        const QStringList captions{u"Реєстраційна картка НДР і ДКР (&РК)"_s,
                                   u"Облікова картка НДР і ДКР (&ОК)"_s,
                                   u"Інформаційна картка НТП (ІК НТП)"_s,
                                   u"Облікова картка дисертації (&ОКД)"_s, u"Вихід"_s};
        int lastY = -1;
        for (int i = 0; i < names.size(); ++i) {
            auto *entry = form.findChild<QAbstractButton *>(names[i]);
            QVERIFY2(entry, qPrintable(names[i]));
            QCOMPARE(entry->text(), captions[i]);
            QCOMPARE(entry->cursor().shape(), Qt::PointingHandCursor);
            // Top to bottom in table order.
            QVERIFY(entry->geometry().y() > lastY);
            lastY = entry->geometry().y();
        }
    }

    // An entry lays its caption out once and draws it itself; its letters, centring and
    // underlined accelerator stay those of QPainter's own drawing of the caption.
    void entryLettersAsQtDrawsThem_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("accelerator inside") << u"Реєстраційна картка НДР і ДКР (&РК)"_s;
        QTest::newRow("no accelerator") << u"Вихід"_s;
        QTest::newRow("doubled ampersand, then an accelerator") << u"НДР && ДКР (&ОК)"_s;
        QTest::newRow("ampersand last") << u"Картка &"_s;
        QTest::newRow("accelerator first") << u"&Вихід"_s;
    }

    void entryLettersAsQtDrawsThem()
    {
        QFETCH(QString, caption);
        EntryLabel entry(u"Entry"_s, caption, false);
        entry.resize(entry.sizeHint().expandedTo(QSize(400, 0)));
        QImage drawn(entry.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::white);
        entry.render(&drawn, {}, {}, QWidget::DrawChildren);

        QImage expected(entry.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        {
            QPainter p(&expected);
            p.setFont(entry.font());
            p.setPen(QColor(0, 0, 200));
            p.drawText(entry.rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption);
        }
        QCOMPARE(drawn, expected);

        QString shown = caption;
        shown.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u"\x01"_s, u"&"_s);
        QCOMPARE(entry.sizeHint().width(), QFontMetrics(entry.font()).horizontalAdvance(shown) + 36);
    }

    void entriesOpenEditors_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("items"); // the save and print menu items
        const QStringList shared = {u"actSave"_s, u"actPrint"_s};
        QTest::newRow("RK") << u"LabelEffect5"_s << int(CardType::RK)
                            << u"Реєстраційна карта НДР і ДКР (РК)"_s << shared;
        QTest::newRow("OK") << u"LabelEffect4"_s << int(CardType::OK) << u"Облікова картка НДР І ДКР (ОК)"_s
                            << shared;
        QTest::newRow("IK") << u"LabelEffect11"_s << int(CardType::IK)
                            << u"Інформаційна картка науково-технічної продукції (ІК НТП)"_s << shared;
        QTest::newRow("OKD") << u"LabelEffect3"_s << int(CardType::OKD)
                             << u"Облікова картка дисертації (ОКД)"_s
                             << QStringList{u"SaveAs1"_s, u"Print1"_s};
    }
    void entriesOpenEditors()
    {
        QFETCH(QString, entry);
        QFETCH(int, type);
        QFETCH(QString, caption);
        QFETCH(QStringList, items);
        MainWindow form;
        form.findChild<QAbstractButton *>(entry)->click();
        CardEditor *editor = form.newestEditor(CardType(type));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), caption);
        // Save and print wait for "&Кінець введення".
        QVERIFY(!editor->findChild<QToolButton *>(u"SpeedButton3"_s)->isEnabled());
        QVERIFY(!editor->findChild<QToolButton *>(u"SpeedButton4"_s)->isEnabled());
        QVERIFY(!editor->findChild<QToolButton *>(u"SB5"_s)->isEnabled());
        editor->findChild<QPushButton *>(u"BitBtn1"_s)->click();
        QVERIFY(editor->findChild<QToolButton *>(u"SpeedButton3"_s)->isEnabled());
        for (const QString &name : items) {
            auto *action = editor->findChild<QAction *>(name);
            QVERIFY2(action && action->isEnabled(), qPrintable(name));
        }
    }

    void exitOrder_data()
    {
        QTest::addColumn<QList<int>>("open");      // editors opened and modified
        QTest::addColumn<QList<int>>("answers");   // answers to the prompts, in order
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        const QString rk = u"Реєстраційна карта"_s;
        const QString ok = u"Облікова картка НДР І ДКР"_s;
        const QString okd = u"Облікова картка дисертації"_s;
        const QString ik = u"Інформаційна картка науково-технічної продукції (ІК НТП)"_s;
        const int RK = int(CardType::RK), OK = int(CardType::OK), IK = int(CardType::IK), OKD = int(CardType::OKD);
        const int no = int(Answer::No), cancel = int(Answer::Cancel);
        QTest::newRow("OK before RK") << QList<int>{RK, OK} << QList<int>{no, no} << QStringList{ok, rk} << true;
        QTest::newRow("cancel at OK leaves RK unasked") << QList<int>{RK, OK} << QList<int>{cancel} << QStringList{ok} << false;
        QTest::newRow("all four: OKD, OK, RK, IK") << QList<int>{IK, RK, OK, OKD} << QList<int>{no, no, no, no}
                                                  << QStringList{okd, ok, rk, ik} << true;
        QTest::newRow("cancel at IK keeps the program") << QList<int>{IK} << QList<int>{cancel} << QStringList{ik} << false;
        QTest::newRow("nothing modified") << QList<int>{} << QList<int>{} << QStringList{} << true;
    }
    void exitOrder()
    {
        QFETCH(QList<int>, open);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        ScopedFakePlatform fake;
        MainWindow form;
        form.show();
        for (int t : open)
            form.openEditor(CardType(t))->document().markModified();
        for (int a : answers)
            fake.expectQuestion(Answer(a));
        QCOMPARE(form.exitFlow(), closed);
        QCOMPARE(promptsAsked(fake), asked);
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(form.isVisible(), !closed);
    }

    void yesThenCancelledDialogAsksAgain()
    {
        ScopedFakePlatform fake;
        MainWindow form;
        form.openEditor(CardType::RK)->document().markModified();
        fake.expectQuestion(Answer::Yes);
        fake.expectSave(QString());
        fake.expectQuestion(Answer::Cancel);
        QVERIFY(!form.exitFlow());
        QCOMPARE(promptsAsked(fake), (QStringList{u"Реєстраційна карта"_s, u"Реєстраційна карта"_s}));
        QVERIFY(fake.unexpected().isEmpty());
    }

    void twoEditorsOfOneType()
    {
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *older = form.openEditor(CardType::RK);
        CardEditor *newer = form.openEditor(CardType::RK);
        QVERIFY(older != newer);
        QCOMPARE(form.newestEditor(CardType::RK), newer);
        newer->document().markModified();
        fake.expectQuestion(Answer::No);
        QVERIFY(form.exitFlow());
        QCOMPARE(promptsAsked(fake).size(), 1);
    }

    void olderModifiedEditorIsAskedToo()
    {
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *older = form.openEditor(CardType::RK);
        form.openEditor(CardType::RK);
        older->document().markModified();
        fake.expectQuestion(Answer::Cancel);
        QVERIFY(!form.exitFlow());
        QVERIFY(fake.unexpected().isEmpty());
    }

    void closedEditorIsNotAsked()
    {
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *rk = form.openEditor(CardType::RK);
        QPointer<CardEditor> guard(rk);
        rk->document().markModified();
        fake.expectQuestion(Answer::No); // asked by its own close
        rk->close();
        QTRY_VERIFY(!guard);
        QVERIFY(!form.newestEditor(CardType::RK));
        QVERIFY(form.exitFlow());
        QCOMPARE(promptsAsked(fake).size(), 1);
    }

    void newReplacesEditor_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("unmodified: no question") << false << -1 << true;
        QTest::newRow("modified, No") << true << int(Answer::No) << true;
        QTest::newRow("modified, Cancel") << true << int(Answer::Cancel) << false;
    }
    void newReplacesEditor()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType::OK);
        QPointer<CardEditor> guard(editor);
        editor->document().endInput();
        if (modified)
            editor->document().markModified();
        if (answer >= 0)
            fake.expectQuestion(Answer(answer));
        editor->findChild<QAction *>(u"actNew"_s)->trigger();
        QVERIFY(fake.unexpected().isEmpty());
        QCOMPARE(promptsAsked(fake).size(), answer >= 0 ? 1 : 0);
        if (replaced) {
            QTRY_VERIFY(!guard);
            CardEditor *fresh = form.newestEditor(CardType::OK);
            QVERIFY(fresh && fresh != editor);
            QVERIFY(!fresh->document().modified());
            QVERIFY(!fresh->document().saveButtonEnabled());
        } else {
            QVERIFY(guard);
            QCOMPARE(form.newestEditor(CardType::OK), editor);
            // "Новий" disabled the save and print buttons before it asked.
            QVERIFY(!editor->document().saveButtonEnabled());
        }
    }

    void editorExit()
    {
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType::IK);
        QPointer<CardEditor> guard(editor);
        editor->document().markModified();
        fake.expectQuestion(Answer::Cancel);
        editor->findChild<QAction *>(u"actExit"_s)->trigger();
        QVERIFY(guard && editor->isVisible());
        fake.expectQuestion(Answer::No);
        editor->findChild<QAction *>(u"actExit"_s)->trigger();
        QTRY_VERIFY(!guard);
        QVERIFY(fake.unexpected().isEmpty());
    }

    void pagesWrapAround()
    {
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType::RK);
        QTabWidget *pages = editor->pageControl();
        const bool hadPages = pages->count() > 0;
        if (!hadPages) {
            for (const char *t : {"1", "2", "3"})
                pages->addTab(new QWidget, QString::fromLatin1(t));
        }
        const int last = pages->count() - 1;
        pages->setCurrentIndex(0);
        editor->findChild<QPushButton *>(u"BitBtn2"_s)->click();
        QCOMPARE(pages->currentIndex(), last);
        editor->findChild<QPushButton *>(u"BitBtn3"_s)->click();
        QCOMPARE(pages->currentIndex(), 0);
        editor->findChild<QPushButton *>(u"BitBtn3"_s)->click();
        QCOMPARE(pages->currentIndex(), 1);
    }

    void helpOnF1()
    {
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType::RK);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        const int before = int(editor->findChildren<GuideWindow *>().size());
        QTest::keyClick(editor, Qt::Key_F1);
        auto helps = editor->findChildren<GuideWindow *>();
        QCOMPARE(int(helps.size()), before + 1);
        GuideWindow *help = helps.constLast();
        QCOMPARE(help->windowTitle(), u"Підказка по користуванню системою"_s);
        QVERIFY(help->isVisible());
        const QString guide = userGuideHtml();
        for (const char *heading : {"Функції програми", "Робота з електроною формою",
                                    "Рекомендації по технології використання програми.", "Використання клавіатури"})
            QVERIFY2(guide.contains(QString::fromUtf8(heading)), heading);
        QPointer<GuideWindow> guard(help);
        help->findChild<QPushButton *>(u"BitBtn1"_s)->click();
        QTRY_VERIFY(!guard);
    }

    void menuTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("continuationName");
        QTest::addColumn<QString>("continuationText");
        QTest::addColumn<bool>("continuationAtStart");
        QTest::addColumn<QString>("saveText");
        QTest::addColumn<QStringList>("names"); // the save and help items
        const QStringList shared = {u"actSave"_s, u"actHelp"_s};
        QTest::newRow("RK") << int(CardType::RK) << u"N5"_s << u"Друк листів продовжень"_s
                            << false << u"Записати як..."_s << shared;
        QTest::newRow("OK") << int(CardType::OK) << u"N10"_s << u"Друк листів продовжень"_s
                            << false << u"Записати як..."_s << shared;
        QTest::newRow("IK") << int(CardType::IK) << u"N10"_s << u"Друк листів продовжень"_s
                            << false << u"Записати як..."_s << shared;
        QTest::newRow("OKD") << int(CardType::OKD) << u"N4"_s << u"Друк листів продовження"_s
                             << true << u"Записати як ..."_s
                             << QStringList{u"SaveAs1"_s, u"N3"_s};
    }
    void menuTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, continuationName);
        QFETCH(QString, continuationText);
        QFETCH(bool, continuationAtStart);
        QFETCH(QString, saveText);
        QFETCH(QStringList, names);
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType(type));
        auto *cont = editor->findChild<QAction *>(continuationName);
        QVERIFY(cont);
        QCOMPARE(cont->text(), continuationText);
        QCOMPARE(cont->isEnabled(), continuationAtStart);
        QCOMPARE(editor->findChild<QAction *>(names.at(0))->text(), saveText);
        QCOMPARE(editor->findChild<QAction *>(names.at(1))->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // "Відкрити..." abandoned at its question: what each editor disabled before asking
    // stays disabled, the rest as it was.
    void openAbandonedAtTheQuestion_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("continuationName");
        QTest::addColumn<bool>("buttonsKept");
        QTest::addColumn<bool>("continuationKept");
        QTest::newRow("RK") << int(CardType::RK) << u"N5"_s << true << true;
        QTest::newRow("OK") << int(CardType::OK) << u"N10"_s << true << true;
        QTest::newRow("IK") << int(CardType::IK) << u"N10"_s << false << true;
        QTest::newRow("OKD") << int(CardType::OKD) << u"N4"_s << false << false;
    }
    void openAbandonedAtTheQuestion()
    {
        QFETCH(int, type);
        QFETCH(QString, continuationName);
        QFETCH(bool, buttonsKept);
        QFETCH(bool, continuationKept);
        ScopedFakePlatform fake;
        MainWindow form;
        CardEditor *editor = form.openEditor(CardType(type));
        editor->document().endInput();
        editor->document().setContinuationEnabled(true);
        editor->document().setModified(true);
        fake.expectConfirm(Answer::Cancel);
        editor->openCard();
        QCOMPARE(fake.unexpected(), QStringList());
        QVERIFY(editor->document().modified());
        for (const char *button : {"SpeedButton3", "SpeedButton4"})
            QCOMPARE(editor->findChild<QToolButton *>(QLatin1String(button))->isEnabled(), buttonsKept);
        QCOMPARE(editor->findChild<QAction *>(continuationName)->isEnabled(), continuationKept);
        QVERIFY(editor->findChild<QToolButton *>(u"SB5"_s)->isEnabled());
    }
};

ZORVAT_TEST(MainWindowTest)
#include "main_window_test.moc"
