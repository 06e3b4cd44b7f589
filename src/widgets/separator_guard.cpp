#include "widgets/separator_guard.h"

#include "widgets/mask_edit.h"
#include "fields/platform.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

// Qt's text edits and the masked field name their "Paste" action; a line edit's
// goes by its text.
QAction *pasteAction(QMenu *menu)
{
    if (auto *named = menu->findChild<QAction *>(u"edit-paste"_s))
        return named;
    const QString label = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text() == label || action->text().startsWith(label + QLatin1Char('\t')))
            return action;
    }
    return nullptr;
}

// "\" separates the items of a card line: a value holding it would come back cut
// when the card is opened again. So no field takes it, whichever way it comes in: a
// key, an input method, Ctrl+V or Shift+Insert, the context menu's "Paste", a drop or
// the X11 middle-click paste. A text to insert that holds it is refused whole, so that
// nothing pasted is changed behind the clerk's back; the clerk is told why, once.
class SeparatorGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Paste))
                return refused(QGuiApplication::clipboard()->text(), pasteRefused());
            return refused(key->text(), typedRefused());
        }
        case QEvent::InputMethod:
            return refused(static_cast<QInputMethodEvent *>(event)->commitString(), typedRefused());
        case QEvent::Drop:
            return refusedDrop(watched, static_cast<QDropEvent *>(event));
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            QClipboard *clipboard = QGuiApplication::clipboard();
            return mouse->button() == Qt::MiddleButton && clipboard->supportsSelection()
                && refused(clipboard->text(QClipboard::Selection), pasteRefused());
        }
        case QEvent::ContextMenu:
            return showMenu(watched, static_cast<QContextMenuEvent *>(event));
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    static QString typedRefused()
    {
        return u"Символ «\\» не можна вводити: він розділяє дані в рядку картки."_s;
    }
    static QString pasteRefused()
    {
        return u"Текст не вставлено: у ньому є символ «\\», а він розділяє дані в рядку картки."_s;
    }

    static bool refused(const QString &incoming, const QString &message)
    {
        if (!incoming.contains(QLatin1Char('\\')))
            return false;
        Platform::instance().message(message);
        return true;
    }

    // The message waits until the drop is over: a message box must not open inside the
    // drag's own event loop.
    bool refusedDrop(QObject *watched, QDropEvent *drop)
    {
        if (!drop->mimeData()->text().contains(QLatin1Char('\\')))
            return false;
        drop->setDropAction(Qt::IgnoreAction);
        drop->ignore();
        // The field forgets the drop position it was showing.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(watched, &leave);
        QMetaObject::invokeMethod(this, [] { Platform::instance().message(pasteRefused()); }, Qt::QueuedConnection);
        return true;
    }


    // The field's own context menu, whose "Paste" goes the way of Ctrl+V and so
    // through this guard.
    static bool showMenu(QObject *watched, QContextMenuEvent *event)
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        QWidget *target = widget;
        // A memo that builds a menu of its own (spelling suggestions) gets the event; that
        // menu routes its "Paste" through the guard itself.
        if (QWidget *owner = widget && qobject_cast<QPlainTextEdit *>(widget->parentWidget()) ? widget->parentWidget() : widget;
            owner && owner->contextMenuPolicy() == Qt::CustomContextMenu)
            return false;
        QMenu *menu = nullptr;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(widget ? widget->parentWidget() : nullptr);
            memo && memo->viewport() == widget) {
            target = memo;
            menu = memo->createStandardContextMenu(event->pos());
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(widget)) {
            menu = memo->createStandardContextMenu(memo->viewport()->mapFrom(memo, event->pos()));
        } else if (auto *masked = qobject_cast<MaskEdit *>(widget)) {
            menu = masked->createContextMenu();
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            menu = edit->createStandardContextMenu();
        }
        if (!menu)
            return false; // a spin box: its own menu; its digits-only check refuses "\"
        separatorGuard::routePaste(menu, target);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
        return true;
    }
};

} // namespace

void separatorGuard::routePaste(QMenu *menu, QWidget *field)
{
    if (QAction *paste = pasteAction(menu)) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QObject::connect(paste, &QAction::triggered, field, [field] {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::sendEvent(field, &key);
        });
    }
}

void separatorGuard::install(QWidget *field)
{
    // Every widget of the field that text can reach: a memo's viewport takes the mouse
    // and drops, an editable combo box's line edit too.
    auto *guard = new SeparatorGuard(field);
    field->installEventFilter(guard);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        memo->viewport()->installEventFilter(guard);
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(guard);
}
