#include "cards/card_editors.h"
#include "cardfile/card_item.h"
#include "cardfile/cp1251.h"
#include "fields/card_document.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CardType)

// Nothing a clerk types is lost: whatever way a value the card saves is changed in
// the real window (typed, pasted, a list entry chosen with the keyboard or the mouse,
// a check box, a radio button, the spin box), closing the window asks whether to
// save, and the saved file holds the change.
namespace {

using Editor = EditorDriver<CardEditor>;

const QString kQuestion = u"Зберегти зміни в картці?"_s;

void settle(CardEditor &w)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QTRY_VERIFY_WITH_TIMEOUT(!w.wiring().isFocusPending(), 2000);
}

// A mouse click where the clerk clicks to type into a field.
void clickInto(CardEditor &w, QWidget *field)
{
    QWidget *target = field;
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        target = memo->viewport();
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        target = combo->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    settle(w);
}

// A click on the spin box's up arrow.
void clickSpinUp(CardEditor &w, QSpinBox *spin)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_All;
    option.buttonSymbols = spin->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.frame = spin->hasFrame();
    const QRect up = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, up.center());
    settle(w);
}

// A list entry chosen with the mouse: the arrow opens the list, a click picks the entry.
void pickWithMouse(CardEditor &w, QComboBox *combo, const QString &entry)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 4, combo->height() / 2));
    settle(w);
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // A list takes no release as a choice so soon after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const int row = combo->findText(entry, Qt::MatchExactly);
    QVERIFY2(row >= 0, qPrintable(entry));
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
    settle(w);
}

// One step of a row: "verb field argument". type / retype / paste a text, down (the
// Down key n times), pick (an entry with the mouse), click (a check box or radio
// button), spinup (the spin box's up arrow), tab.
void runStep(Editor &e, const QString &step)
{
    CardEditor &w = *e.window;
    const QString verb = step.section(u' ', 0, 0);
    const QString name = step.section(u' ', 1, 1);
    const QString argument = step.section(u' ', 2);
    QWidget *target = name.isEmpty() ? nullptr : e.field(name);
    QVERIFY2(name.isEmpty() || target, qPrintable(step));
    if (verb == u"type"_s || verb == u"retype"_s || verb == u"paste"_s || verb == u"down"_s)
        clickInto(w, target);
    if (verb == u"type"_s) {
        Editor::type(argument);
    } else if (verb == u"retype"_s) {
        Editor::retype(argument);
    } else if (verb == u"paste"_s) {
        QGuiApplication::clipboard()->setText(argument);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == u"down"_s) {
        for (int i = 0; i < argument.toInt(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    } else if (verb == u"pick"_s) {
        pickWithMouse(w, qobject_cast<QComboBox *>(target), argument);
    } else if (verb == u"click"_s) {
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    } else if (verb == u"spinup"_s) {
        clickSpinUp(w, qobject_cast<QSpinBox *>(target));
    } else if (verb == u"tab"_s) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else {
        QFAIL(qPrintable(u"unknown step "_s + step));
    }
    settle(w);
}

// The line of `code` in a saved card, "" when there is none.
QString lineOf(const QStringList &lines, const QString &code)
{
    for (const QString &line : lines) {
        if (line.startsWith(code + u'\\'))
            return line;
    }
    return {};
}

} // namespace

class EditorChangesTest : public QObject
{
    Q_OBJECT
private slots:
    void closeAsksAndSavesTheChange_data()
    {
        QTest::addColumn<CardType>("card");
        QTest::addColumn<QString>("opened"); // a card of tests/data opened first, "" for a new card
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("position"); // the item of the line to check, 0 for the whole line
        QTest::addColumn<QString>("line");  // the line, or with `position` its code and that item

        using L = QStringList;
        const CardType RK = CardType::RK, OK = CardType::OK, OKD = CardType::OKD, IK = CardType::IK;
        // RK
        QTest::newRow("RK edit typed") << RK << u""_s << L{u"type ed2358 ІК"_s} << 0 << u"2358\\ІК"_s;
        QTest::newRow("RK edit pasted") << RK << u""_s << L{u"paste ed2934 044-123-45-67"_s} << 0
                                        << u"2934\\044-123-45-67"_s;
        QTest::newRow("RK memo") << RK << u""_s << L{u"type mm9126 Мета роботи"_s} << 0 << u"9126\\Мета роботи"_s;
        QTest::newRow("RK masked date") << RK << u""_s << L{u"type ed5418D 010224"_s} << 3 << u"5418\\01.02.24"_s;
        QTest::newRow("RK list typed") << RK << u""_s << L{u"type cb1133 ВУЗ"_s} << 0 << u"1133\\ВУЗ"_s;
        QTest::newRow("RK list, Down key") << RK << u""_s << L{u"down ed7209 1"_s} << 0 << u"7209\\17"_s;
        QTest::newRow("RK list, mouse") << RK << u""_s << L{u"pick ed7146 52"_s} << 0 << u"7146\\52"_s;
        QTest::newRow("RK person kind, Down key") << RK << u""_s << L{u"down lizv 1"_s} << 2 << u"2457\\2"_s;
        QTest::newRow("RK language button, then the name")
            << RK << u""_s << L{u"click Indjz_1"_s, u"type mm2151 Institute"_s} << 0 << u"2151\\3\\Institute"_s;
        QTest::newRow("RK customer in its list") << RK << u""_s << L{u"type mm2152 Завод"_s} << 6
                                                 << u"2458\\Завод"_s;
        QTest::newRow("RK edit, then Tab") << RK << u""_s << L{u"type gorv Київ"_s, u"tab"_s} << 0
                                           << u"2655\\Київ\\"_s;
        // OK
        QTest::newRow("OK executor city") << OK << u""_s << L{u"type gorv Київ"_s} << 0 << u"2655\\Київ\\"_s;
        QTest::newRow("OK edit pasted") << OK << u""_s << L{u"paste ed2934 044-123-45-67"_s} << 0
                                        << u"2934\\044-123-45-67"_s;
        QTest::newRow("OK memo") << OK << u""_s << L{u"type mm5481 Опис"_s} << 0 << u"5481\\Опис"_s;
        QTest::newRow("OK masked number") << OK << u""_s << L{u"type ed5437 0224U000123с"_s} << 0
                                          << u"5437\\0224U000123с"_s;
        QTest::newRow("OK list typed") << OK << u""_s << L{u"type cb5040 91"_s} << 0 << u"5040\\91"_s;
        QTest::newRow("OK list, Down key") << OK << u""_s << L{u"down cb5535 1"_s} << 0 << u"5535\\53"_s;
        QTest::newRow("OK list, mouse") << OK << u""_s << L{u"pick cb5211 63"_s} << 0 << u"5211\\63"_s;
        QTest::newRow("OK language button, then the title")
            << OK << u""_s << L{u"click Indjzr_1"_s, u"type mm9027 Methods"_s} << 0 << u"9027\\3\\Methods"_s;
        // The spin box chooses the stage whose accounting number the field shows.
        QTest::newRow("OK spin box, then the second number")
            << OK << u""_s << L{u"type ed5526 0124U000001с"_s, u"spinup sp5526"_s, u"type ed5526 0124U000002с"_s} << 0
            << u"5526\\0124U000001с;0124U000002с;"_s;
        QTest::newRow("OK edit, then Tab") << OK << u""_s << L{u"type ed2358 ІТК"_s, u"tab"_s} << 0
                                           << u"2358\\ІТК"_s;
        // OKD
        QTest::newRow("OKD edit") << OKD << u""_s << L{u"type ed7021 Д-17"_s} << 0 << u"7021\\Д-17"_s;
        QTest::newRow("OKD memo") << OKD << u""_s << L{u"type mm9045 Назва"_s} << 0 << u"9045\\1\\Назва"_s;
        QTest::newRow("OKD masked date") << OKD << u""_s << L{u"type ed7434 150624"_s} << 0 << u"7434\\15.06.24"_s;
        QTest::newRow("OKD list typed") << OKD << u""_s << L{u"type cb5715 720"_s} << 0 << u"5715\\720"_s;
        QTest::newRow("OKD list, Down key") << OKD << u""_s << L{u"down cb5013 1"_s} << 0 << u"5013\\05"_s;
        QTest::newRow("OKD list, mouse") << OKD << u""_s << L{u"pick ed7425 д.т.н."_s} << 0 << u"7425\\д.т.н."_s;
        QTest::newRow("OKD check box") << OKD << u""_s << L{u"click cb6642"_s} << 0 << u"6642\\1"_s;
        // The radio button chooses the organisation the fields below it show.
        QTest::newRow("OKD organisation button, then its name")
            << OKD << u""_s << L{u"click RadioGroup1_2"_s, u"type mmNaz Інститут"_s} << 0 << u"3330\\Інститут"_s;
        QTest::newRow("OKD edit, then Tab") << OKD << u""_s << L{u"type ed6480 123"_s, u"tab"_s} << 0
                                            << u"6480\\123"_s;
        // IK
        QTest::newRow("IK head typed into an opened card, then Tab")
            << IK << u"ik_full.txt"_s << L{u"retype ed6111 Сидоренко С.С."_s, u"tab"_s} << 0
            << u"6111\\Сидоренко С.С."_s;
        QTest::newRow("IK head typed into an opened card") << IK << u"ik_full.txt"_s
                                                           << L{u"retype ed6111 Сидоренко С.С."_s} << 0
                                                           << u"6111\\Сидоренко С.С."_s;
        QTest::newRow("IK memo") << IK << u""_s << L{u"type mm9118 Опис"_s} << 0 << u"9118\\Опис"_s;
        QTest::newRow("IK masked date") << IK << u""_s << L{u"type ed5419 150324"_s} << 0 << u"5419\\15.03.24"_s;
        QTest::newRow("IK list typed") << IK << u""_s << L{u"type cb6210 к.т.н."_s} << 0 << u"6210\\к.т.н."_s;
        QTest::newRow("IK list, Down key") << IK << u""_s << L{u"down cb1009 1"_s} << 0 << u"1009\\9.1\\"_s;
        QTest::newRow("IK list, mouse") << IK << u""_s << L{u"pick cb7344 53"_s} << 0 << u"7344\\53"_s;
        QTest::newRow("IK language button, then the title")
            << IK << u""_s << L{u"click Indjzr_1"_s, u"type mm9027 System"_s} << 0 << u"9027\\3\\System"_s;
        QTest::newRow("IK edit pasted, then Tab") << IK << u""_s << L{u"paste ed10061 100"_s, u"tab"_s} << 2
                                                  << u"1006\\100"_s;
    }

    void closeAsksAndSavesTheChange()
    {
        QFETCH(CardType, card);
        QFETCH(QString, opened);
        QFETCH(QStringList, steps);
        QFETCH(int, position);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"saved.txt"_s);
        ScopedFakePlatform platform;
        platform.allowMessages();
        Editor e(createCardEditor(card, nullptr));
        QVERIFY(e.show());
        if (!opened.isEmpty()) {
            const QString copy = dir.filePath(opened);
            writeFile(copy, readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/") + opened));
            platform.expectOpen(copy);
            e.window->findChild<QToolButton *>(u"SpeedButton2"_s)->click();
            settle(*e.window);
        }
        QVERIFY(!e.window->document().modified());

        for (const QString &step : std::as_const(steps)) {
            runStep(e, step);
            if (QTest::currentTestFailed())
                return;
        }

        // The close box: the window asks, saves and is gone.
        QPointer<CardEditor> window(e.window.release());
        const auto closed = qScopeGuard([&window] { delete window.data(); }); // also when a check fails
        platform.expectQuestion(Platform::Answer::Yes);
        platform.expectSave(path);
        window->close();
        QTRY_VERIFY(!window);
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.pending(), 0);
        QCOMPARE(platform.messages().join(u'|'), QString());
        const QStringList questions = platform.log().filter(u"question: "_s);
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions.constFirst().endsWith(u"| "_s + kQuestion), qPrintable(questions.constFirst()));

        const QStringList lines = cp1251::decode(readAll(path)).split(u"\r\n"_s);
        if (position == 0) {
            QVERIFY2(lines.contains(line), qPrintable(lines.join(u" | "_s)));
        } else {
            const QString saved = lineOf(lines, item(line, 1));
            QVERIFY2(!saved.isEmpty(), qPrintable(lines.join(u" | "_s)));
            QCOMPARE(item(saved, position), item(line, 2));
        }
    }
};

ZORVAT_TEST(EditorChangesTest)
#include "editor_changes_test.moc"
