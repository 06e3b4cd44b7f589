#include "app/hint_timing.h"
#include "cardfile/cp1251.h"
#include "cards/okd/okd_editor.h"
#include "cards/okd/okd_test_support.h"
#include "fields/card_document.h"
#include "print/report_layouts.h"
#include "print/page_layout.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

// The OKD window driven as a clerk drives it: real focus changes, keys and clicks.
namespace {

using Editor = EditorDriver<OkdEditor>;

QAction *item(Editor &e, const QString &name)
{
    return e.window->findChild<QAction *>(name);
}

QToolButton *speedButton(Editor &e, const QString &name)
{
    return e.window->findChild<QToolButton *>(name);
}

// Shows organisation slot `slot` by a click on its radio button.
void showSlot(Editor &e, int slot)
{
    e.window->pageControl()->setCurrentIndex(1);
    e.settle();
    // On its circle: a radio button takes clicks on its circle and text only.
    auto *button = e.window->findChild<QAbstractButton *>(u"RadioGroup1_%1"_s.arg(slot));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    e.settle();
}

QStringList savedLines(const QString &path)
{
    return cp1251::decode(readAll(path)).split(u"\r\n"_s);
}

} // namespace

class OkdEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void freshEditor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("kind") << u"cb5013"_s << u"04"_s;
        QTest::newRow("marks") << u"cb5256"_s << u"5"_s;
        QTest::newRow("account number") << u"ed5438"_s << u"    U      "_s;
        QTest::newRow("slot") << u"RadioGroup1"_s << u"0"_s;
        QTest::newRow("person kind") << u"lizv"_s << u"Юридична особа"_s;
        QTest::newRow("degree") << u"ed7425"_s << QString();
        QTest::newRow("pages") << u"ed5742"_s << u"    "_s;
    }

    void freshEditor()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        Editor e;
        QCOMPARE(e.shown(field), value);
        OkdEditor &w = *e.window;
        QCOMPARE(w.windowTitle(), u"Облікова картка дисертації (ОКД)"_s);
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w.pageControl()->currentIndex(), 0);
        QCOMPARE(w.pageControl()->count(), 5);
        // The supervisors' page is set in Times New Roman bold, its degree lists too; the others plain.
        QVERIFY(e.field(u"ed6156ns1"_s)->font().bold());
        QCOMPARE(e.field(u"ed6156ns1"_s)->font().family(), u"Times New Roman"_s);
        QVERIFY(!e.field(u"ed7452"_s)->font().bold());
        QVERIFY(!e.field(u"ed7452"_s)->isHidden());
        QVERIFY(e.field(u"lizv"_s)->isHidden());
        for (const char *name : {"New1", "Open1", "N4", "Exit1", "N3"})
            QVERIFY2(item(e, QString::fromLatin1(name)) && item(e, QString::fromLatin1(name))->isEnabled(), name);
        QCOMPARE(item(e, u"SaveAs1"_s)->text(), u"Записати як ..."_s);
        QVERIFY(!item(e, u"SaveAs1"_s)->isEnabled());
        QVERIFY(!item(e, u"Print1"_s)->isEnabled());
        for (const char *name : {"SpeedButton3", "SpeedButton4", "SB5"})
            QVERIFY(!speedButton(e, QString::fromLatin1(name))->isEnabled());
        QCOMPARE(speedButton(e, u"SB5"_s)->toolTip(), QString());
        QCOMPARE(w.findChild<QLabel *>(u"lblSB5"_s)->text(), u"- друк з 2-го листа продовження "_s);
        QCOMPARE(w.findChild<QPushButton *>(u"BitBtn3"_s)->text(), u"Назад"_s);
        QCOMPARE(w.findChild<QPushButton *>(u"BitBtn4"_s)->text(), u"Вперед"_s);
        QCOMPARE(hintTiming::showAfter(speedButton(e, u"SB5"_s)), 500);
        QCOMPARE(hintTiming::hideAfter(speedButton(e, u"SB5"_s)), 5500);
        {
            // Another card's editor opened later keeps its own timing, not this one's.
            QWidget other;
            hintTiming::set(&other, 400, 20000);
            QCOMPARE(hintTiming::showAfter(speedButton(e, u"SB5"_s)), 500);
            QCOMPARE(hintTiming::hideAfter(&other), 20000);
        }
        QVERIFY(!w.document().modified());
    }

    // Every key that changes a field leaves the card unsaved; a key in a field that
    // holds typed card data also locks the menu items until "&Кінець введення".
    void keyMarks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saveWaits");
        QTest::newRow("title") << u"mm9045"_s << u"Н"_s << true;
        QTest::newRow("abstract") << u"mm9118"_s << u"Р"_s << true;
        QTest::newRow("e-mail") << u"edEM"_s << u"a"_s << true;
        QTest::newRow("second speciality") << u"Ed6444a"_s << u"1"_s << true;
        QTest::newRow("supervisor speciality") << u"ed6156h1"_s << u"1"_s << true;
        QTest::newRow("opponent speciality 2") << u"Ed6165h4a"_s << u"1"_s << true;
        QTest::newRow("applicant") << u"ed6147"_s << u"П"_s << true;
        QTest::newRow("media count") << u"ed5743"_s << u"1"_s << false;
    }

    void keyMarks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, saveWaits);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.click(u"BitBtn1"_s);
        e.enter(field);
        Editor::type(typed);
        QVERIFY(e.window->document().modified());
        // The key locks the menu items again; the tool-bar buttons keep their state.
        QCOMPARE(item(e, u"SaveAs1"_s)->isEnabled(), !saveWaits);
        QVERIFY(speedButton(e, u"SpeedButton3"_s)->isEnabled());
    }

    // Any choice leaves the card unsaved; one from the list of the result and
    // implementation codes also locks the menu items, one from the language list does not.
    void choiceMarks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("saveWaits");
        QTest::newRow("results") << u"cb7443"_s << true;
        QTest::newRow("implementation") << u"cb7344"_s << true;
        QTest::newRow("language") << u"cb5715"_s << false;
    }

    void choiceMarks()
    {
        QFETCH(QString, field);
        QFETCH(bool, saveWaits);
        Editor e;
        e.window->document().endInput();
        auto *box = qobject_cast<QComboBox *>(e.field(field));
        box->setCurrentIndex(1);
        emit box->activated(1);
        QVERIFY(e.window->document().modified());
        QCOMPARE(item(e, u"SaveAs1"_s)->isEnabled(), !saveWaits);
    }

    void pagesWrapAround()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.click(u"BitBtn3"_s);
        QCOMPARE(e.window->pageControl()->currentIndex(), 4);
        e.click(u"BitBtn4"_s);
        QCOMPARE(e.window->pageControl()->currentIndex(), 0);
    }

    // A value typed into a view field and not yet left is saved: from the tool bar,
    // and through the save question of "Вихід".
    void saveFromViewField_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("menu");
        QTest::newRow("title, tool bar") << -1 << u"mm9045"_s << u"Нова назва"_s << u"9045\\1\\Нова назва"_s << false;
        QTest::newRow("title, menu") << -1 << u"mm9045"_s << u"Нова назва"_s << u"9045\\1\\Нова назва"_s << true;
        QTest::newRow("slot 2 name, tool bar") << 2 << u"mmNaz"_s << u"Інститут"_s << u"3330\\Інститут"_s << false;
        QTest::newRow("council phone, menu") << 0 << u"edTel"_s << u"221-00-00"_s << u"7461\\221-00-00"_s << true;
    }

    void saveFromViewField()
    {
        QFETCH(int, slot);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(bool, menu);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"OKD.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.click(u"BitBtn1"_s);
        if (slot >= 0)
            showSlot(e, slot);
        e.enter(field);
        Editor::type(typed);
        QVERIFY(e.focusIn(field));
        if (menu) {
            // "Вихід" closes and frees the window once the card is saved.
            QPointer<OkdEditor> guard(e.window.release());
            platform.expectQuestion(Platform::Answer::Yes);
            platform.expectSave(path);
            guard->findChild<QAction *>(u"Exit1"_s)->trigger();
            QTRY_VERIFY(!guard);
        } else {
            platform.expectSave(path);
            speedButton(e, u"SpeedButton3"_s)->click();
        }
        QCOMPARE(platform.unexpected(), QStringList());
        const QStringList lines = savedLines(path);
        QVERIFY2(lines.contains(line), qPrintable(lines.join(u'|')));
    }

    // A tab header clicked after typing into a view field keeps what was typed.
    void tabHeaderAfterViewField()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        showSlot(e, 1);
        e.enter(u"mmNaz"_s);
        Editor::type(u"Університет"_s);
        e.clickTab(2);
        QCOMPARE(e.window->pageControl()->currentIndex(), 2);
        QCOMPARE(e.window->model().organisation(1).name, u"Університет"_s);
        e.clickTab(1);
        QCOMPARE(e.shown(u"mmNaz"_s), u"Університет"_s);
    }

    // Each slot keeps its own values when the page switches between them.
    void slotsKeepTheirValues()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        const QStringList names = {u"Рада"_s, u"Академія"_s, u"Інститут"_s, u"Завод"_s};
        for (int slot = 1; slot <= 3; ++slot) {
            showSlot(e, slot);
            e.enter(u"mmNaz"_s);
            Editor::type(names.at(slot));
            e.enter(u"edTel"_s);
            Editor::type(QString::number(slot));
        }
        for (int slot : {2, 1, 3}) {
            showSlot(e, slot);
            QCOMPARE(e.shown(u"mmNaz"_s), names.at(slot));
            QCOMPARE(e.shown(u"edTel"_s), QString::number(slot));
            QCOMPARE(e.field(u"lizv"_s)->isVisibleTo(e.window.get()), slot == 3);
            QCOMPARE(e.field(u"cb1133"_s)->isVisibleTo(e.window.get()), slot == 1);
            QVERIFY(!e.field(u"ed7452"_s)->isVisibleTo(e.window.get()));
        }
        QCOMPARE(platform.messages(), QStringList());
    }

    // On the council's slot a click into the name goes on to the cipher.
    void clickIntoNameOnCouncil()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        showSlot(e, 0);
        auto *name = qobject_cast<QPlainTextEdit *>(e.field(u"mmNaz"_s));
        QTest::mouseClick(name->viewport(), Qt::LeftButton);
        e.settle();
        QVERIFY(e.focusIn(u"ed7452"_s));
    }

    // Open from the tool bar with the focus on the applicant's empty name: untouched,
    // the field lets the card open; typed into and emptied again, its check runs first
    // and keeps the clerk there.
    void openWithFocusOnRequiredField_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("untouched") << false;
        QTest::newRow("typed and erased") << true;
    }
    void openWithFocusOnRequiredField()
    {
        QFETCH(bool, typed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"OKD_1.txt"_s);
        writeFile(path, cardFileBytes(okdTest::fullCard()));
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed6147"_s);
        if (typed) {
            Editor::type(u"П"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        } else {
            platform.expectOpen(path);
        }
        speedButton(e, u"SpeedButton2"_s)->click();
        e.settle();
        QCOMPARE(platform.unexpected(), QStringList());
        if (typed) {
            QCOMPARE(platform.messages(), QStringList{OkdRules::surnameUkrainian()});
            QVERIFY(e.focusIn(u"ed6147"_s));
            QVERIFY(e.window->windowTitle().indexOf(u"OKD_1"_s) < 0);
        } else {
            QCOMPARE(platform.messages(), QStringList());
            QVERIFY(e.window->windowTitle().endsWith(QDir::toNativeSeparators(path)));
        }
    }

    // "Друк" with an abstract typed and not yet left: both pages and sheet 1, the
    // abstract kept; the continuation command then prints the sheets from the second on
    // and leaves the tool-bar "Друк" off, a key typed notwithstanding, until the input
    // is ended again.
    void printAndContinuationFromTheWindow_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::newRow("tool bar") << false;
        QTest::newRow("menu") << true;
    }

    void printAndContinuationFromTheWindow()
    {
        QFETCH(bool, menu);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        QString abstract;
        for (int i = 1; i <= 3000; ++i)
            abstract += u"реферат%1 "_s.arg(i);
        e.click(u"BitBtn1"_s);
        e.enter(u"mm9118"_s);
        Editor::type(u"Р"_s); // the clerk's own typing, then a long paste
        qobject_cast<QPlainTextEdit *>(e.field(u"mm9118"_s))->setPlainText(abstract);
        speedButton(e, u"SpeedButton4"_s)->click();
        QCOMPARE(platform.previews().size(), 1);
        const QList<const PageLayout *> job1 = platform.previews().constFirst();
        QCOMPARE(job1.size(), 3);
        QCOMPARE(job1.at(0)->name(), u"TQROkd1"_s);
        QCOMPARE(job1.at(1)->name(), u"TQROkd2"_s);
        QCOMPARE(job1.at(2)->name(), u"TQRDop"_s);
        QCOMPARE(e.window->model().texts().text(OkdText::ThesisAbstract, TextLanguage::Ukrainian), abstract);
        QVERIFY(item(e, u"N4"_s)->isEnabled());
        QVERIFY(speedButton(e, u"SB5"_s)->isEnabled());
        if (menu)
            item(e, u"N4"_s)->trigger();
        else
            speedButton(e, u"SB5"_s)->click();
        e.settle();
        QCOMPARE(platform.previews().size(), 2);
        QCOMPARE(platform.previews().constLast().constFirst()->name(), u"TQRDop1"_s);
        QVERIFY(!speedButton(e, u"SB5"_s)->isEnabled());
        QVERIFY(!speedButton(e, u"SpeedButton4"_s)->isEnabled());
        e.enter(u"ed7021"_s);
        Editor::type(u"7"_s);
        QVERIFY(!speedButton(e, u"SpeedButton4"_s)->isEnabled());
        e.click(u"BitBtn1"_s);
        QVERIFY(speedButton(e, u"SpeedButton4"_s)->isEnabled());
        QVERIFY(speedButton(e, u"SpeedButton3"_s)->isEnabled());
    }

    // The counts stand to the right, blanks first, as typed, saved and read again.
    void countsStandRight()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"OKD.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        // The box above the counts is never left empty.
        e.enter(u"cb7443"_s);
        Editor::type(u"13"_s);
        e.tab();
        QVERIFY(e.focusIn(u"ed5742"_s));
        Editor::type(u"123"_s);
        e.tab();
        QVERIFY(e.focusIn(u"ed5751"_s));
        Editor::type(u"7"_s);
        e.tab();
        QCOMPARE(qobject_cast<QLineEdit *>(e.field(u"ed5742"_s))->text(), u" 123"_s);
        QCOMPARE(e.shown(u"ed5751"_s), u"   7"_s);
        e.click(u"BitBtn1"_s);
        platform.expectSave(path);
        speedButton(e, u"SpeedButton3"_s)->click();
        QCOMPARE(platform.unexpected(), QStringList());
        const QStringList lines = savedLines(path);
        QVERIFY2(lines.contains(u"5742\\ 123"_s) && lines.contains(u"5751\\   7"_s), qPrintable(lines.join(u'|')));

        Editor again;
        QVERIFY(again.show());
        platform.expectOpen(path);
        speedButton(again, u"SpeedButton2"_s)->click();
        again.settle();
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(again.shown(u"ed5742"_s), u" 123"_s);
        QCOMPARE(again.shown(u"ed5751"_s), u"   7"_s);
    }

    // The applicant's name: Ukrainian first, then the English one is asked for.
    void applicantNameFlow()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed6147"_s);
        e.tab();
        QCOMPARE(platform.messages(), QStringList{OkdRules::surnameUkrainian()});
        QVERIFY(e.focusIn(u"ed6147"_s));
        Editor::type(u"Петренко"_s);
        e.tab();
        QCOMPARE(platform.messages().last(), OkdRules::surnameEnglish());
        QVERIFY(e.focusIn(u"ed6147"_s));
        QCOMPARE(e.shown(u"indjzd"_s), u"1"_s);
        QCOMPARE(e.shown(u"ed6147"_s), QString());
        Editor::type(u"Petrenko"_s);
        e.tab();
        QCOMPARE(platform.messages().size(), 2);
        QVERIFY(!e.focusIn(u"ed6147"_s));
        QCOMPARE(e.window->model().texts().text(OkdText::ApplicantName, TextLanguage::English), u"Petrenko"_s);
    }
};

ZORVAT_TEST(OkdEditorTest)
#include "okd_editor_test.moc"
