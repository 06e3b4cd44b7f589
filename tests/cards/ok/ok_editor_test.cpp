#include "cardfile/cp1251.h"
#include "cards/ok/ok_editor.h"
#include "cards/ok/ok_model.h"
#include "cards/ok/ok_rules.h"
#include "fields/card_document.h"
#include "print/page_layout.h"
#include "print/report_layouts.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

// The OK window driven as a clerk drives it: real focus changes, keys and clicks.
namespace {

using Editor = EditorDriver<OkEditor>;

// Types an entry's name and city, then "next", `count` times.
void typeEntries(Editor &e, const QString &nameField, const QString &next, int count)
{
    for (int n = 1; n <= count; ++n) {
        e.enter(nameField);
        Editor::type(u"Назва %1"_s.arg(n));
        if (n < count)
            e.click(next);
    }
}

// A mouse click on an arrow of a spin box.
void clickArrow(QSpinBox *spin, bool up)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.rect = spin->rect();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    option.frame = spin->hasFrame();
    option.buttonSymbols = spin->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect arrow = spin->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                       up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, arrow.center());
}

// The lines of a card file as written.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return cp1251::decode(file.readAll()).split(u"\r\n"_s);
}

} // namespace

class OkEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void freshEditor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const QString legal = u"Юридична особа"_s;
        QTest::newRow("special mark") << u"cb5256"_s << u"5"_s;
        QTest::newRow("report language") << u"cb5715"_s << u"720"_s;
        QTest::newRow("distribution") << u"cb5535"_s << u"35"_s;
        QTest::newRow("currency") << u"ed"_s << u"тис.грн."_s;
        QTest::newRow("executor kind") << u"lizv"_s << legal;
        QTest::newRow("co-executor kind") << u"lizsv"_s << legal;
        QTest::newRow("owner kind") << u"lizz"_s << legal;
        QTest::newRow("co-executor number") << u"ed2142p"_s << u"1"_s;
        QTest::newRow("owner number") << u"Edit1"_s << u"1"_s;
        QTest::newRow("person number") << u"Cpn"_s << u"1"_s;
        QTest::newRow("stage kind") << u"cb9036e"_s << QString();
        QTest::newRow("accounting number") << u"ed5437"_s << u"    U       "_s;
        QTest::newRow("stage accounting number") << u"ed5526"_s << u"    U       "_s;
        QTest::newRow("pages") << u"ed5742"_s << u"      "_s;
        QTest::newRow("title language") << u"Indjzr"_s << u"0"_s;
    }

    void freshEditor()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        Editor e;
        QCOMPARE(e.shown(field), value);
        QCOMPARE(e.window->windowTitle(), u"Облікова картка НДР І ДКР (ОК)"_s);
        QCOMPARE(e.window->pageControl()->count(), 7);
        QCOMPARE(e.window->pageControl()->currentIndex(), 0);
        QCOMPARE(e.window->pageControl()->tabText(0), u"Реєстраційні дані, етапи"_s);
        auto *spin = e.window->findChild<QSpinBox *>(u"sp5526"_s);
        QCOMPARE(spin->value(), 1);
        QCOMPARE(spin->maximum(), 10);
        for (const char *name : {"actSave", "actPrint", "N10"})
            QVERIFY(!e.window->findChild<QAction *>(QString::fromLatin1(name))->isEnabled());
    }

    // Owners 1..12 typed through the window; removing the number of owner 3 leaves 11
    // owners, numbered 1..11, and the save writes 11 owner lines.
    void ownerRemovedFromTwelve()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        typeEntries(e, u"mm2153"_s, u"BitBtn7"_s, 12);
        QCOMPARE(e.shown(u"Edit1"_s), u"12"_s);
        e.click(u"BitBtn6"_s);
        for (int n = 11; n > 3; --n)
            e.click(u"BitBtn6"_s);
        QCOMPARE(e.shown(u"Edit1"_s), u"3"_s);
        e.enter(u"Edit1"_s);
        Editor::retype(QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        e.tab();
        OkModel &m = e.window->model();
        QCOMPARE(m.lists().count(OkList::Owners), 11);
        for (int n = 1; n <= 11; ++n) {
            const QString record = m.lists().record(OkList::Owners, n);
            QCOMPARE(record.section(u'\\', 0, 0), QString::number(n));
            QCOMPARE(record.section(u'\\', 4, 4), u"Назва %1"_s.arg(n < 3 ? n : n + 1));
        }
        QVERIFY(platform.messages().isEmpty());
    }

    // Co-executor 50 and "next": the bound's message, the number stays.
    void coExecutorFiftyAndNext()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        OkModel &m = e.window->model();
        for (int n = 1; n <= 50; ++n) {
            const QString tail = u"\\12345678\\Київ\\Назва %1\\вул"_s.arg(n);
            m.lists().setRecord(OkList::CoExecutors, n, QString::number(n) + u"\\1"_s + tail,
                                QString::number(n) + u"\\Юридична особа"_s + tail);
        }
        m.showEntry(OkList::CoExecutors, 50);
        e.window->binder().refresh();
        QVERIFY(e.show());
        e.enter(u"mm2142n"_s);
        QCOMPARE(e.shown(u"ed2142p"_s), u"50"_s);
        e.click(u"Button4"_s);
        QCOMPARE(platform.messages(), QStringList{u"Кількість співвиконавців від 1 до 50"_s});
        QCOMPARE(e.shown(u"ed2142p"_s), u"50"_s);
        QTRY_VERIFY(e.focusIn(u"cb5535"_s));
        QCOMPARE(m.lists().count(OkList::CoExecutors), 50);
    }

    // The co-executor's kind follows it through deletion: co-executor 2 of 3 removed.
    void coExecutorTwoOfThreeRemoved()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        for (int n = 1; n <= 3; ++n) {
            e.enter(u"lizsv"_s);
            auto *kind = qobject_cast<QComboBox *>(e.field(u"lizsv"_s));
            kind->setCurrentIndex(n == 3 ? 1 : 0);
            e.enter(u"mm2142n"_s);
            Editor::type(u"Назва %1"_s.arg(n));
            if (n < 3)
                e.click(u"Button4"_s);
        }
        e.click(u"Button3"_s);
        QCOMPARE(e.shown(u"ed2142p"_s), u"2"_s);
        e.enter(u"ed2142p"_s);
        Editor::retype(QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        e.tab();
        OkModel &m = e.window->model();
        QCOMPARE(m.lists().count(OkList::CoExecutors), 2);
        QVERIFY(m.lists().record(OkList::CoExecutors, 2).startsWith(u"2\\2\\"_s));
        QVERIFY(m.lists().record(OkList::CoExecutors, 2).contains(u"Назва 3"_s));
        QCOMPARE(e.shown(u"ed2142p"_s), u"2"_s);
        QCOMPARE(e.shown(u"lizsv"_s), u"Фізична особа"_s);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("focusBack");
        const QString warn = u"Увага! Cумма вказується в тис.грн."_s;
        QTest::newRow("1234,5") << u"тис.грн."_s << u"1234,5"_s << QStringList{warn} << false;
        QTest::newRow("123,45") << u"тис.грн."_s << u"123,45"_s << QStringList{} << false;
        QTest::newRow("1.5") << u"тис.грн."_s << u"1.5"_s << QStringList{u"Ціла частина відокремлюється комою!"_s} << true;
        QTest::newRow("1234 дол.") << u"дол."_s << u"1234"_s << QStringList{} << false;
    }

    void amounts()
    {
        QFETCH(QString, currency);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(bool, focusBack);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed"_s);
        Editor::retype(currency);
        e.enter(u"sum"_s);
        QTest::keyClicks(e.field(u"sum"_s), typed);
        e.tab();
        QCOMPARE(platform.messages(), messages);
        QCOMPARE(e.focusIn(u"sum"_s), focusBack);
    }

    // The title typed in Ukrainian, then in English after the language switch; the
    // abstract shares the switch.
    void titleInBothLanguages()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(u"mm9027"_s);
        Editor::type(u"Методи"_s);
        e.tab();
        auto *english = e.window->findChild<QAbstractButton *>(u"Indjzr_1"_s);
        QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(8, english->height() / 2));
        QCOMPARE(e.shown(u"mm9027"_s), QString());
        e.enter(u"mm9027"_s);
        Editor::type(u"Methods"_s);
        e.tab();
        QCOMPARE(e.window->model().bilingual(OkText::WorkTitle, TextLanguage::Ukrainian), u"Методи"_s);
        QCOMPARE(e.window->model().bilingual(OkText::WorkTitle, TextLanguage::English), u"Methods"_s);
        QVERIFY(platform.messages().isEmpty());
        e.window->document().markModified();
        e.click(u"BitBtn1"_s);
        const QStringList lines = e.window->kind().fileLines(e.window->model());
        QVERIFY(lines.contains(u"9027\\1\\Методи"_s));
        QVERIFY(lines.contains(u"9027\\3\\Methods"_s));
    }

    // Typing marks the card and takes the save and print items away; the tool-bar
    // buttons keep their state.
    void typingAfterEndOfInput()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.click(u"BitBtn1"_s);
        QVERIFY(e.window->findChild<QAction *>(u"actSave"_s)->isEnabled());
        e.enter(u"ed5634"_s);
        Editor::type(u"004"_s);
        QVERIFY(e.window->document().modified());
        QVERIFY(!e.window->findChild<QAction *>(u"actSave"_s)->isEnabled());
        QVERIFY(!e.window->findChild<QAction *>(u"actPrint"_s)->isEnabled());
        QVERIFY(e.window->findChild<QToolButton *>(u"SpeedButton3"_s)->isEnabled());
    }

    // The stage number selector shows its entry in the number field, ready to type.
    void stageNumberSelector()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed5526"_s);
        Editor::type(u"0124000001"_s);
        e.tab();
        auto *spin = e.window->findChild<QSpinBox *>(u"sp5526"_s);
        spin->setValue(2);
        e.settle();
        QCOMPARE(e.shown(u"ed5526"_s), u"    U       "_s);
        QTRY_VERIFY(e.focusIn(u"ed5526"_s));
        spin->setValue(1);
        e.settle();
        QCOMPARE(e.shown(u"ed5526"_s), u"0124U000001 "_s);
        QCOMPARE(e.window->model().stageNumber(1), u"0124U000001 "_s);
    }

    // Stage accounting numbers typed through the window all reach the file and come
    // back: the selector stops at the first empty entry, an emptied entry closes up.
    // Steps: a number is typed into the field and left with Tab, "+" and "-" click the
    // selector's arrows, "" empties the field and leaves it.
    void stageNumbersReachTheFile_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("shown"); // the field at the end
        QTest::addColumn<QStringList>("numbers");
        const QString first = u"0124U000001 "_s;
        const QString third = u"0124U000003 "_s;
        QTest::newRow("past an empty entry")
            << QStringList{u"0124000001"_s, u"+"_s, u"+"_s, u"0124000003"_s}
            << QStringList{OkRules::stageNumberGap(2)} << third << QStringList{first, third};
        QTest::newRow("entry emptied")
            << QStringList{u"0124000001"_s, u"+"_s, u"0124000002"_s, u"+"_s, u"0124000003"_s, u"-"_s, QString()}
            << QStringList{} << third << QStringList{first, third};
    }

    void stageNumbersReachTheFile()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, messages);
        QFETCH(QString, shown);
        QFETCH(QStringList, numbers);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"OK-stages.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        {
            Editor e;
            QVERIFY(e.show());
            auto *spin = e.window->findChild<QSpinBox *>(u"sp5526"_s);
            e.enter(u"ed5526"_s);
            for (const QString &step : steps) {
                if (step == u"+"_s || step == u"-"_s) {
                    clickArrow(spin, step == u"+"_s);
                    e.settle();
                    QTRY_VERIFY(e.focusIn(u"ed5526"_s));
                    continue;
                }
                if (step.isEmpty()) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
                } else {
                    Editor::type(step);
                }
                e.tab();
                e.enter(u"ed5526"_s);
            }
            QCOMPARE(platform.messages(), messages);
            QCOMPARE(e.shown(u"ed5526"_s), shown);
            e.click(u"BitBtn1"_s);
            platform.expectSave(path);
            QVERIFY(e.window->saveCard());
        }
        QVERIFY(readLines(path).contains(u"5526\\"_s + numbers.join(u';') + u';'));
        Editor e;
        QVERIFY(e.show());
        platform.expectOpen(path);
        e.window->openCard();
        QCOMPARE(e.window->model().stageNumbers(), numbers);
        QCOMPARE(platform.unexpected(), QStringList());
    }

    // A stage saved without its kind keeps its name on opening.
    void stageWithoutKindKeepsItsName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"OK-stage.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        const QStringList typed = {u"ed9036n|1"_s, u"ed9036p|0126"_s, u"ed9036z|1226"_s, u"mm9036|Етап перший"_s};
        {
            Editor e;
            QVERIFY(e.show());
            for (const QString &step : typed) {
                e.enter(step.section(u'|', 0, 0));
                Editor::type(step.section(u'|', 1));
            }
            e.enter(u"ed5437"_s);
            e.click(u"BitBtn1"_s);
            platform.expectSave(path);
            QVERIFY(e.window->saveCard());
        }
        QVERIFY(readLines(path).contains(u"9036\\1 \\01.26\\12.26\\\\Етап перший"_s));
        Editor e;
        QVERIFY(e.show());
        platform.expectOpen(path);
        e.window->openCard();
        QCOMPARE(e.shown(u"mm9036"_s), u"Етап перший"_s);
        QCOMPARE(e.shown(u"cb9036e"_s), QString());
        QCOMPARE(e.shown(u"ed9036p"_s), u"01.26"_s);
        QVERIFY(platform.messages().isEmpty());
    }

    // Tab takes the subject codes a, b, c, e, f and goes on; d, shown between c and e,
    // is entered last on the page, and left empty it lets Tab go on.
    void subjectCodesInEntryOrder()
    {
        ScopedFakePlatform platform;
        Editor e;
        QVERIFY(e.show());
        e.enter(u"ed5634"_s);
        QStringList reached;
        for (int i = 0; i < 6; ++i) {
            e.tab();
            reached << QApplication::focusWidget()->objectName();
            Editor::type(u"2741150%1"_s.arg(i));
        }
        QCOMPARE(reached, (QStringList{u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616e"_s, u"ed5616f"_s,
                                       u"ed6111"_s}));
        e.enter(u"ed6140"_s);
        e.tab();
        QCOMPARE(QApplication::focusWidget()->objectName(), u"ed5616d"_s);
        // Left empty, the last code on the page sends Tab on, not back up the page.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        e.tab();
        QVERIFY(!e.focusIn(u"ed6111"_s));
        QVERIFY(!e.focusIn(u"ed5616d"_s));
        QCOMPARE(platform.log(), QStringList());
    }

    // The special mark's caption reads as on the printed card.
    void specialMarkLabel()
    {
        Editor e;
        auto *label = e.window->findChild<QLabel *>(u"lblcb5256"_s);
        QVERIFY(label);
        QCOMPARE(label->text(), u"5256. Особливі позначки"_s);
        QCOMPARE(label->buddy(), e.field(u"cb5256"_s));
    }

    // "Друк" shows both pages and the first continuation sheet; the continuation
    // command prints the sheets from the second on.
    void printAndContinuationFromTheWindow()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e;
        QVERIFY(e.show());
        QString abstract;
        for (int i = 1; i <= 3000; ++i)
            abstract += u"реферат%1 "_s.arg(i);
        e.enter(u"mm9117"_s);
        qobject_cast<QPlainTextEdit *>(e.field(u"mm9117"_s))->setPlainText(abstract);
        e.click(u"BitBtn1"_s);
        e.click(u"SpeedButton4"_s);
        QCOMPARE(platform.previews().size(), 1);
        const QList<const PageLayout *> job1 = platform.previews().constFirst();
        QVERIFY(job1.size() >= 3);
        QCOMPARE(job1.at(0)->name(), u"TQROk1"_s);
        QCOMPARE(job1.at(1)->name(), u"TQROk2"_s);
        QCOMPARE(job1.at(2)->name(), u"TQRDop"_s);
        // The abstract typed and not yet left was printed and kept.
        QCOMPARE(e.window->model().bilingual(OkText::WorkAbstract, TextLanguage::Ukrainian), abstract);
        auto *sb5 = e.window->findChild<QToolButton *>(u"SB5"_s);
        QVERIFY(sb5->isEnabled());
        sb5->click();
        QCOMPARE(platform.previews().size(), 2);
        QCOMPARE(platform.previews().constLast().constFirst()->name(), u"TQRDop1"_s);
    }
};

ZORVAT_TEST(OkEditorTest)
#include "ok_editor_test.moc"
