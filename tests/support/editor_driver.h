#pragma once

#include "app/card_editor.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "widgets/mask_edit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// Drives a card editor window offscreen as a clerk does: real focus changes, keys
// and mouse clicks on tab headers and buttons, waiting after each step until the
// rule it set off and the focus move it asked for are done.
template<class Window>
struct EditorDriver
{
    std::unique_ptr<Window> window;

    EditorDriver() : window(std::make_unique<Window>()) {}
    // Drives a window made elsewhere (an editor of any card, through CardEditor).
    explicit EditorDriver(Window *made) : window(made) {}

    bool show()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    QWidget *field(const QString &name) const { return window->template findChild<QWidget *>(name); }

    // The text a field shows, as a clerk reads it.
    QString shown(const QString &name) const
    {
        QWidget *w = field(name);
        if (auto *mask = qobject_cast<MaskEdit *>(w))
            return mask->value();
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->text();
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            return memo->toPlainText();
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return combo->currentText();
        if (auto *box = qobject_cast<QGroupBox *>(w))
            return QString::number(box->findChild<QButtonGroup *>()->checkedId());
        return u"<none>"_s;
    }

    QWidget *pageOf(QWidget *w) const
    {
        QTabWidget *pages = window->pageControl();
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(w))
                return pages->widget(i);
        }
        return nullptr;
    }

    // Shows the field's page (as the program, not through the tab bar) and puts the
    // focus in it as the clerk who goes there to work in it.
    void enter(const QString &name)
    {
        QWidget *w = field(name);
        window->pageControl()->setCurrentWidget(pageOf(w));
        w->setFocus(Qt::TabFocusReason);
        settle();
    }

    // The widget with the focus now is `name` (or a part of it).
    bool focusIn(const QString &name) const
    {
        QWidget *focus = QApplication::focusWidget();
        QWidget *w = field(name);
        return focus && w && (focus == w || w->isAncestorOf(focus));
    }

    // Types any text into the focus widget, one key event per character.
    static void type(const QString &text)
    {
        for (const QChar ch : text) {
            QWidget *target = QApplication::focusWidget();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &release);
        }
    }

    // Replaces the text of the focus field by typing, as a clerk who selects it first.
    static void retype(const QString &text)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        type(text);
    }

    void settle()
    {
        QTest::qWait(20);
        QTRY_VERIFY(!window->wiring().isFocusPending());
    }

    // Leaves the focus field with Tab.
    void tab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }

    // A mouse click where the clerk clicks to type into a field: a memo's text area, an
    // editable box's line, near the left of anything else.
    void clickInto(QWidget *field)
    {
        QWidget *target = field;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
            target = memo->viewport();
        else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
            target = combo->lineEdit();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        settle();
    }

    // A mouse click on the header of tab page `index`.
    void clickTab(int index)
    {
        QTabBar *bar = window->pageControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        settle();
    }

    // Not a check: with ZORVAT_SHOT_DIR set, every page is saved as a picture to look
    // at ("<prefix>_page<n>.png"). False when a picture could not be written.
    bool savePagePictures(const QString &prefix)
    {
        const QString dir = qEnvironmentVariable("ZORVAT_SHOT_DIR");
        if (dir.isEmpty() || !show())
            return dir.isEmpty();
        QTabWidget *pages = window->pageControl();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QTest::qWait(50);
            if (!window->grab().save(dir + u"/%1_page%2.png"_s.arg(prefix).arg(i + 1)))
                return false;
        }
        return true;
    }

    // A mouse click on a button of the window by its component name.
    void click(const QString &name)
    {
        auto *button = window->template findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
};
