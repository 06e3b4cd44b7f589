#include "cards/ik/ik_editor.h"
#include "cards/ok/ok_editor.h"
#include "cards/okd/okd_editor.h"
#include "cards/rk/rk_editor.h"
#include "fields/card_document.h"
#include "support/editor_driver.h"
#include "support/fake_platform.h"
#include "support/test_registry.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

// "\" separates the items of a card line: every way a clerk could put it into a field
// of a real editor window is refused with a message, and what the field keeps saves
// and opens again unchanged.
namespace {

const QString kTyped = u"Символ «\\» не можна вводити: він розділяє дані в рядку картки."_s;
const QString kPasted = u"Текст не вставлено: у ньому є символ «\\», а він розділяє дані в рядку картки."_s;

// The widget that takes the mouse and drops for a field: a memo's viewport, an
// editable combo box's line edit, otherwise the field itself.
QWidget *mouseTarget(QWidget *field)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        return memo->viewport();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->lineEdit();
    return field;
}

// Chooses "Paste" in the field's context menu with the keyboard, as a clerk would.
void pasteFromMenu(QWidget *field)
{
    QWidget *target = mouseTarget(field);
    const QPoint pos(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    const auto closeOnFailure = qScopeGuard([] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    QAction *paste = nullptr;
    const QString label = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->objectName() == u"edit-paste"_s || action->text().section(QLatin1Char('\t'), 0, 0) == label)
            paste = action;
    }
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    menu->setActiveAction(paste);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    // The window manager gives the window its activation back, and the field its focus.
    field->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(field->window()));
    QTRY_VERIFY(QApplication::focusWidget() == field || field->isAncestorOf(QApplication::focusWidget()));
}

void dropText(QWidget *field, const QString &text)
{
    QWidget *target = mouseTarget(field);
    QMimeData data;
    data.setText(text);
    const QPointF pos(4, 4);
    QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// `alone`: the field's line is written without other fields filled in, so the value
// kept is saved and opened again.
template<class Window>
void refuseEverywhere(const QString &name, const QString &typed, const QString &kept, bool alone)
{
    using Editor = EditorDriver<Window>;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"card.txt"_s);
    ScopedFakePlatform fake;
    fake.allowMessages();
    QStringList expected;
    {
        Editor e;
        QVERIFY(e.show());
        e.enter(name);
        QWidget *field = e.field(name);
        Editor::retype(typed);
        QCOMPARE(e.shown(name), kept);
        for (qsizetype i = 0; i < typed.count(QLatin1Char('\\')); ++i)
            expected << kTyped;

        QGuiApplication::clipboard()->setText(u"12\\3"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert, Qt::ShiftModifier);
        pasteFromMenu(field);
        if (QTest::currentTestFailed())
            return;
        expected << kPasted << kPasted << kPasted;
        // A masked field with a fixed mask takes no drops at all.
        if (mouseTarget(field)->acceptDrops()) {
            dropText(field, u"12\\3"_s);
            expected << kPasted;
        }
        QTRY_COMPARE(fake.messages(), expected); // a drop's message waits for the drop to end
        QInputMethodEvent composed;
        composed.setCommitString(u"\\"_s);
        QApplication::sendEvent(QApplication::focusWidget(), &composed);
        expected << kTyped;

        QCOMPARE(fake.messages(), expected);
        QCOMPARE(e.shown(name), kept);
        QCOMPARE(e.window->document().model().text(name), kept);

        // A text without "\" still pastes from the menu: the field emptied, then given
        // back what it had.
        e.enter(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QVERIFY(e.shown(name) != kept);
        QGuiApplication::clipboard()->setText(kept);
        pasteFromMenu(field);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(e.shown(name), kept);
        QCOMPARE(fake.messages(), expected);
        if (!alone)
            return;

        fake.expectSave(path);
        QVERIFY2(e.window->saveCard(), qPrintable(fake.log().join(u" | "_s)));
    }
    Editor again;
    QVERIFY(again.show());
    fake.expectOpen(path);
    again.window->openCard();
    QCOMPARE(fake.unexpected(), QStringList());
    QCOMPARE(again.shown(name), kept);
}

} // namespace

class BackslashEntryTest : public QObject
{
    Q_OBJECT
private slots:
    void refusedInEveryField_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("alone");
        QTest::newRow("RK cipher, edit") << u"rk"_s << u"ed7021"_s << u"A\\B\\C"_s << u"ABC"_s << true;
        QTest::newRow("RK letter number, edit") << u"rk"_s << u"ed5418N"_s << u"01-12\\345"_s << u"01-12345"_s << true;
        QTest::newRow("RK start, month mask") << u"rk"_s << u"ed7353"_s << u"05\\24"_s << u"05.24"_s << true;
        QTest::newRow("RK aim, memo") << u"rk"_s << u"mm9126"_s << u"Мета\\ роботи"_s << u"Мета роботи"_s << true;
        QTest::newRow("RK executor status, combo") << u"rk"_s << u"ed7209"_s << u"1\\7"_s << u"17"_s << true;
        QTest::newRow("OK short name, edit") << u"ok"_s << u"ed2358"_s << u"ІК\\НАН"_s << u"ІКНАН"_s << true;
        QTest::newRow("OK programme, memo") << u"ok"_s << u"ed7023"_s << u"Програма\\ 1"_s << u"Програма 1"_s << true;
        QTest::newRow("OK owner's phone, no mask") << u"ok"_s << u"ed2935"_s << u"044\\1234567"_s << u"0441234567"_s
                                                   << false;
        QTest::newRow("OK organisation kind, combo") << u"ok"_s << u"cb1133"_s << u"ВУ\\З"_s << u"ВУЗ"_s << true;
        QTest::newRow("IK head, edit") << u"ik"_s << u"ed6111"_s << u"Петренко\\ П.П."_s << u"Петренко П.П."_s << true;
        QTest::newRow("IK field of use, memo") << u"ik"_s << u"mm9155"_s << u"Медицина\\"_s << u"Медицина"_s << true;
        QTest::newRow("IK registration date, date mask") << u"ik"_s << u"ed5419"_s << u"150\\399"_s << u"15.03.99"_s
                                                         << true;
        QTest::newRow("IK organisation size, combo") << u"ik"_s << u"cb1009a"_s << u"9.4\\.1"_s << u"9.4.1"_s << true;
        QTest::newRow("OKD cipher, edit") << u"okd"_s << u"ed7021"_s << u"Д\\26"_s << u"Д26"_s << true;
        // Its mask takes any character after the first letters: only the guard keeps "\" out.
        QTest::newRow("OKD city, letter mask") << u"okd"_s << u"edMis"_s << u"Київ\\2"_s << u"КИЇВ2"_s << false;
        QTest::newRow("OKD phone, no mask") << u"okd"_s << u"edTel"_s << u"044\\1234"_s << u"0441234"_s << true;
        QTest::newRow("OKD organisation, memo") << u"okd"_s << u"mmNaz"_s << u"Інститут\\"_s << u"Інститут"_s << false;
        QTest::newRow("OKD subject, combo") << u"okd"_s << u"cb7443"_s << u"1\\3"_s << u"13"_s << true;
    }
    void refusedInEveryField()
    {
        QFETCH(QString, card);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, alone);
        if (card == u"rk"_s)
            refuseEverywhere<RkEditor>(field, typed, kept, alone);
        else if (card == u"ok"_s)
            refuseEverywhere<OkEditor>(field, typed, kept, alone);
        else if (card == u"ik"_s)
            refuseEverywhere<IkEditor>(field, typed, kept, alone);
        else
            refuseEverywhere<OkdEditor>(field, typed, kept, alone);
    }
};

ZORVAT_TEST(BackslashEntryTest)
#include "backslash_entry_test.moc"
