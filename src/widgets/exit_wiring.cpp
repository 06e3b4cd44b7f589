#include "widgets/exit_wiring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QWidget>

#include <utility>

namespace {

// The clerk chose where the focus goes: a mouse click, Backtab, a label's shortcut.
bool clerkChoseTarget(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

// Sees the mouse presses of the whole application before any widget takes them and
// hands them to the wiring's gate. An object of its own, so that the wiring's filter
// on its fields sees each focus and key event once.
class MouseGateFilter : public QObject
{
public:
    MouseGateFilter(ExitWiring *wiring, std::function<bool(QObject *, QEvent *)> gate)
        : QObject(wiring), m_gate(std::move(gate))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
            || type == QEvent::MouseButtonRelease)
            return m_gate(watched, event);
        return false;
    }

private:
    std::function<bool(QObject *, QEvent *)> m_gate;
};

} // namespace

ExitWiring::ExitWiring(QWidget *scope, QObject *parent) : QObject(parent ? parent : scope), m_scope(scope)
{
    m_resolver = [this](const QString &name) -> QWidget * {
        return m_scope ? m_scope->findChild<QWidget *>(name) : nullptr;
    };
    new MouseGateFilter(this, [this](QObject *watched, QEvent *event) { return gateMouse(watched, event); });
}

ExitWiring::~ExitWiring() = default;

ExitWiring::Hooks &ExitWiring::hooksFor(QWidget *field)
{
    if (!m_hooks.contains(field))
        watch(field);
    return m_hooks[field];
}

void ExitWiring::watch(QWidget *field)
{
    m_hooks.insert(field, Hooks{});
    addParts(field, field);
    connect(field, &QObject::destroyed, this, [this, field] { m_hooks.remove(field); });
}

void ExitWiring::addParts(QWidget *field, QWidget *part)
{
    const auto add = [this, field](QWidget *w) {
        if (m_owner.contains(w))
            return;
        m_owner.insert(w, field);
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this, w] { m_owner.remove(w); });
    };
    add(part);
    for (QWidget *child : part->findChildren<QWidget *>())
        add(child);
}

void ExitWiring::setExitRule(QWidget *field, Rule rule)
{
    hooksFor(field).exitRule = std::move(rule);
}

void ExitWiring::setEnterRule(QWidget *field, Rule rule)
{
    hooksFor(field).enterRule = std::move(rule);
}

void ExitWiring::addKeyPressHook(QWidget *field, KeyHook hook)
{
    hooksFor(field).keyPress.append(std::move(hook));
}

void ExitWiring::addKeyReleaseHook(QWidget *field, KeyHook hook)
{
    hooksFor(field).keyRelease.append(std::move(hook));
}

QWidget *ExitWiring::fieldOf(QObject *watched) const
{
    return m_owner.value(watched, nullptr);
}

QWidget *ExitWiring::fieldFor(const QWidget *widget) const
{
    return m_owner.value(const_cast<QWidget *>(widget), nullptr);
}

void ExitWiring::dropPendingMove()
{
    if (m_pending && !m_pendingBack) {
        ++m_moveSerial;
        m_pending = false;
    }
}

QWidget *ExitWiring::nextByTab(QWidget *field, bool forward) const
{
    QWidget *window = field->window();
    QWidget *w = field;
    // The focus chain is a ring; a bound keeps a broken one from looping.
    for (int guard = 0; guard < 100000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == field)
            return nullptr;
        if (fieldOf(w) == field || w->window() != window || w->focusProxy())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isEnabled() || !w->isVisibleTo(window))
            continue;
        return w;
    }
    return nullptr;
}

void ExitWiring::noteFocusShown(QWidget *field)
{
    m_shownInto = field ? fieldFor(field) : nullptr;
}

bool ExitWiring::keyWorksInField(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return !event.text().isEmpty() && event.text().at(0).isPrint();
    default:
        return !(event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35);
    }
}

bool ExitWiring::keyEdits(const QKeyEvent &event)
{
    return !event.text().isEmpty() || event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete;
}

bool ExitWiring::runExitRule(QWidget *field)
{
    const auto it = m_hooks.constFind(field);
    if (it == m_hooks.constEnd() || !it->exitRule)
        return true;
    return runRule(field, it->exitRule);
}

bool ExitWiring::leaveFocusField()
{
    if (isFocusBackPending())
        return false;
    QWidget *focus = QApplication::focusWidget();
    QWidget *field = focus ? fieldFor(focus) : nullptr;
    if (!field || !field->isVisible() || onlyLookedAt(field))
        return true;
    const auto it = m_hooks.constFind(field);
    if (it == m_hooks.constEnd() || !it->exitRule)
        return true;
    if (!runRule(field, it->exitRule))
        return false;
    dropPendingMove(); // the clerk chose where to go
    m_leftAlready = field;
    return true;
}

bool ExitWiring::runRule(QWidget *field, const Rule &rule, Moves moves)
{
    PlatformRuleContext ctx;
    m_running = true;
    rule(ctx);
    m_running = false;
    if (m_afterRule)
        m_afterRule();
    const FocusRequest focus = ctx.focus();
    const bool silent = ctx.messageCount() == 0;
    if (focus.isBack()) {
        queueFocus(field, true);
    } else if (focus.isMove() && (!silent || moves == Moves::Follow)) {
        // An enter rule's move from a field only looked at: the clerk still only looks.
        queueFocus(m_resolver ? m_resolver(focus.target) : nullptr, false, Qt::OtherFocusReason,
                   m_enteringShown && field == m_shownInto);
    } else if (focus.isMove() && moves == Moves::StepBack) {
        queueFocus(nextByTab(field, false), false, Qt::BacktabFocusReason);
    }
    emit ruleRan(field, !focus.isBack());
    return !focus.isBack();
}

void ExitWiring::moveFocus(QWidget *target)
{
    queueFocus(target, false);
}

void ExitWiring::queueFocus(QWidget *target, bool back, Qt::FocusReason reason, bool shown)
{
    if (!target)
        return;
    m_pending = true;
    m_pendingBack = back;
    const quint64 serial = ++m_moveSerial;
    QPointer<QWidget> guarded(target);
    QMetaObject::invokeMethod(
        this,
        [this, guarded, back, serial, reason, shown] {
            if (serial != m_moveSerial)
                return; // dropped, or overtaken by a later move
            m_pending = false;
            m_pendingBack = false;
            QWidget *w = guarded.data();
            if (!w)
                return;
            // A field on another tab page: that page is shown first, through its tab
            // widget when it has one, so that the tab bar and the editor's idea of the
            // current page stay in step with the page shown.
            for (QWidget *child = w, *parent = w->parentWidget(); parent;
                 child = parent, parent = parent->parentWidget()) {
                auto *stack = qobject_cast<QStackedWidget *>(parent);
                if (!stack || stack->indexOf(child) < 0)
                    continue;
                if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()); tabs && tabs->indexOf(child) >= 0)
                    tabs->setCurrentWidget(child);
                else
                    stack->setCurrentWidget(child);
            }
            m_moving = true;
            m_movingBack = back;
            m_moveShows = shown;
            w->setFocus(reason);
            m_moving = false;
            m_movingBack = false;
            m_moveShows = false;
            if (auto *line = qobject_cast<QLineEdit *>(w))
                line->selectAll();
            else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
                combo->lineEdit()->selectAll();
        },
        Qt::QueuedConnection);
}

QWidget *ExitWiring::pressReceiver(QWidget *target) const
{
    // The commands of the menu and the tool bar check the field themselves, and an
    // unchanged field must not hold them up.
    for (QWidget *w = target; w; w = w->parentWidget()) {
        if (qobject_cast<QToolBar *>(w) || qobject_cast<QMenuBar *>(w))
            return nullptr;
        if (w->isWindow())
            break;
    }
    // As Qt gives the focus on a click: the first enabled widget up from the one
    // pressed that takes the focus by a click.
    for (QWidget *w = target; w; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus)
            return w->focusProxy() ? w->focusProxy() : w;
        if (w->isWindow())
            break;
    }
    // A control that acts on a click without taking the focus; one that acts on the
    // field itself lets the field stay as it is.
    if (auto *button = qobject_cast<QAbstractButton *>(target); button && button->isEnabled())
        return button->property(kActsOnFocusField).toBool() ? nullptr : button;
    return nullptr;
}

bool ExitWiring::gateMouse(QObject *watched, QEvent *event)
{
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || !m_scope || target->window() != m_scope->window())
        return false;
    if (event->type() == QEvent::MouseButtonRelease)
        return std::exchange(m_swallowRelease, false);
    m_swallowRelease = false;
    if (m_running)
        return false;
    QWidget *receiver = pressReceiver(target);
    if (!receiver)
        return false;
    // The clerk is being put back into a field that failed its check.
    if (isFocusBackPending()) {
        m_swallowRelease = true;
        return true;
    }
    QWidget *focus = QApplication::focusWidget();
    QWidget *field = focus ? fieldOf(focus) : nullptr;
    if (field && fieldOf(receiver) == field && field == m_shownInto)
        m_shownInto = nullptr; // a click into the field: the clerk works in it now
    if (!field || fieldOf(receiver) == field || !field->isVisible() || field == m_shownInto)
        return false;
    const auto it = m_hooks.constFind(field);
    if (it == m_hooks.constEnd() || !it->exitRule)
        return false;
    if (!runRule(field, it->exitRule, Moves::DropSilent)) {
        m_swallowRelease = true;
        return true;
    }
    // The focus leaves with this press; its FocusOut runs the rule no second time. A
    // press that took no focus after all leaves nothing waiting.
    m_leftAlready = field;
    const quint64 serial = ++m_pressSerial;
    QPointer<QWidget> left(field);
    QMetaObject::invokeMethod(
        this,
        [this, left, serial] {
            if (serial == m_pressSerial && m_leftAlready == left)
                m_leftAlready = nullptr;
        },
        Qt::QueuedConnection);
    return false;
}

bool ExitWiring::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A part a field makes when it is first used (a box's drop-down list) belongs to it.
    if (type == QEvent::ChildPolished) {
        auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
        if (QWidget *field = fieldOf(watched); field && child)
            addParts(field, child);
        return QObject::eventFilter(watched, event);
    }
    if (type != QEvent::FocusOut && type != QEvent::FocusIn && type != QEvent::KeyPress
        && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    QWidget *field = fieldOf(watched);
    if (!field)
        return QObject::eventFilter(watched, event);
    const Hooks hooks = m_hooks.value(field);

    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        // A key forwarded from the focus widget to another part of the same field (a
        // combo box to its line edit) is seen once.
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus != watched && fieldOf(focus) == field)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (type == QEvent::KeyPress && field == m_shownInto && keyWorksInField(*key))
            m_shownInto = nullptr;
        for (const KeyHook &hook : type == QEvent::KeyPress ? hooks.keyPress : hooks.keyRelease)
            hook(*key);
        return QObject::eventFilter(watched, event);
    }

    const auto *focusEvent = static_cast<QFocusEvent *>(event);
    const Qt::FocusReason reason = focusEvent->reason();
    if (type == QEvent::FocusOut) {
        // The focus moving between the parts of one field (radio buttons) is no leaving.
        QWidget *now = QApplication::focusWidget();
        m_insideMove = now && now != watched && fieldOf(now) == field;
    }
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return QObject::eventFilter(watched, event);
    // Whether the clerk only looks at the field: it got the focus from a page shown (or
    // a move that went on from one), not from Tab, a click or a rule.
    bool onlyLooked = false;
    if (type == QEvent::FocusOut) {
        onlyLooked = field == m_shownInto && !m_insideMove;
        if (onlyLooked)
            m_shownInto = nullptr;
    } else if (!m_insideMove) {
        m_shownInto = (m_moving ? m_moveShows : reason == Qt::OtherFocusReason) ? field : nullptr;
    }
    if (m_running || m_pending)
        return QObject::eventFilter(watched, event);
    // The focus changes of a move made here run no exit rule; the field the focus is
    // moved to (not returned to) runs its enter rule.
    if (m_moving && (type == QEvent::FocusOut || m_movingBack))
        return QObject::eventFilter(watched, event);

    if (type == QEvent::FocusOut && (field == m_leftAlready || onlyLooked)) {
        if (field == m_leftAlready)
            m_leftAlready = nullptr;
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::FocusOut) {
        if (hooks.exitRule && field->isVisible() && !m_insideMove) {
            const bool tabbing = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            const bool forward = reason == Qt::TabFocusReason;
            QWidget *before = tabbing ? nextByTab(field, forward) : nullptr;
            const bool passed = runRule(field, hooks.exitRule, clerkChoseTarget(reason) ? Moves::DropSilent : Moves::Follow);
            // The rule showed a field between this one and where Tab was going: the
            // clerk fills it in next.
            if (tabbing && passed && !m_pending) {
                QWidget *after = nextByTab(field, forward);
                if (after && after != before)
                    queueFocus(after, false);
            }
        }
    } else {
        const bool inside = m_insideMove;
        m_insideMove = false;
        if (hooks.enterRule && !inside) {
            m_enteringShown = true;
            runRule(field, hooks.enterRule, reason == Qt::BacktabFocusReason ? Moves::StepBack : Moves::Follow);
            m_enteringShown = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
