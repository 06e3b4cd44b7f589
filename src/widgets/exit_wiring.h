#pragma once

#include "fields/rule_context.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

// The one event filter that runs the fields' rules in an editor.
//
// - Exit rule: runs when the field loses the focus (FocusOut), not when the focus
//   goes to a popup, a message box or another window (Qt::PopupFocusReason,
//   Qt::ActiveWindowFocusReason), nor when it moves inside the field (the buttons of
//   a radio group). Its messages are shown through Platform at once; afterwards the
//   `afterRule` callback runs (the binder shows the model again), then the focus is
//   returned or moved as the rule asked, with a queued call. Until that call is done
//   no other rule runs, and the focus changes it makes run no exit rule (a field the
//   focus is moved to, not returned to, runs its enter rule), so there is exactly one
//   message per leaving and no focus ping-pong.
//   Left with Tab (or Backtab), when the rule shows a field that was hidden (an "other"
//   field revealed by a choice), the focus goes on to that field rather than past it.
//   A rule's silent move (a jump over fields that do not apply, no message with it) is
//   for moving on with Tab: the field left by a mouse click or with Backtab keeps the
//   focus where the clerk put it. A move that comes with a message always happens.
// - Mouse gate: a mouse press in the window that would take the focus away from the
//   field (into another field, a radio button, a check box, a drop-down list, a
//   button) runs the field's exit rule first, and reaches its control only when that
//   rule passed; otherwise the press (and its release) is swallowed, so no choice is
//   made, no list opens and no button acts while the clerk is kept on the field.
// - Only looked at: a field that got the focus because its page was shown (or the
//   window opened) and that the clerk leaves without a key or a click in it runs no exit
//   rule, by Tab, by a click elsewhere or by a page turn: looking changes nothing.
// - Enter rule: runs when the field gets the focus, under the same conditions. Its move
//   says the field does not apply now; reached with Backtab, the focus goes on back
//   past the field instead, so that Backtab never jumps forward.
// - Key-press hook: runs before the field takes the key (trim on key press).
// - Key-release hook: runs after the field took the key (the editor marks the card
//   modified).
//   A control marked with the property kActsOnFocusField (the transliteration button,
//   which fills the English name of the field being left) passes the gate: its click
//   is the clerk's answer to what the field's rule would ask.
class ExitWiring : public QObject
{
    Q_OBJECT
public:
    using Rule = std::function<void(RuleContext &)>;
    using KeyHook = std::function<void(const QKeyEvent &)>;

    static constexpr const char *kActsOnFocusField = "actsOnFocusField";

    // `scope` is the window in which rules name fields (focusTo) by objectName.
    explicit ExitWiring(QWidget *scope, QObject *parent = nullptr);
    ~ExitWiring() override;

    // A field is a widget; a container (a radio group) counts as one field with all
    // the descendants it has when its first rule or hook is set. Setting a rule again
    // replaces it; key hooks add up and run in the order they were added.
    void setExitRule(QWidget *field, Rule rule);
    void setEnterRule(QWidget *field, Rule rule);
    void addKeyPressHook(QWidget *field, KeyHook hook);
    void addKeyReleaseHook(QWidget *field, KeyHook hook);

    // Runs after every rule (typically FieldBinder::refresh).
    void setAfterRule(std::function<void()> callback) { m_afterRule = std::move(callback); }
    // Finds the widget a rule names; by default the scope's child of that objectName.
    void setResolver(std::function<QWidget *(const QString &)> resolver) { m_resolver = std::move(resolver); }

    // How a rule's silent move is taken: carried out, dropped (the clerk chose where
    // to go) or, for an enter rule reached with Backtab, turned into a step further back.
    enum class Moves { Follow, DropSilent, StepBack };
    // The one way every rule runs, for `field` (a field, a button, or none): its
    // messages at once, then the after-rule step, then the focus returned to `field` or
    // moved as the rule asked, queued. False when it asked for the focus back.
    bool runRule(QWidget *field, const Rule &rule, Moves moves = Moves::Follow);
    // Runs `field`'s exit rule now, as when it is left (for buttons that leave a
    // field by program). False when it asked for the focus back.
    bool runExitRule(QWidget *field);
    // Runs the exit rule of the field that has the focus before the program takes the
    // focus away (a page turned by its tab header): when the rule passes, the FocusOut
    // that follows runs it no second time. False when it kept the focus, and when
    // an earlier rule's return of the focus is still queued.
    bool leaveFocusField();
    // The page turn is over: a FocusOut still expected from it is no longer awaited.
    void pageTurned() { m_leftAlready = nullptr; }
    // Puts the focus into `target` with a queued call, showing its tab page first;
    // the field left runs no exit rule, `target` runs its enter rule.
    void moveFocus(QWidget *target);
    // A focus move is queued and not yet done.
    bool isFocusPending() const { return m_pending; }
    // A rule kept the focus and its return is queued: the clerk stays on that field,
    // so no command or page change may go on now.
    bool isFocusBackPending() const { return m_pending && m_pendingBack; }
    // Forgets a queued move to another field (not a return): the clerk chose another
    // page, which the move would undo.
    void dropPendingMove();

    // The field `widget` is part of, nullptr when it is no watched field.
    QWidget *fieldFor(const QWidget *widget) const;
    // `field` has the focus only because its page was shown or its window opened: left
    // without a key or a click in it, it runs no rule (the clerk only looked).
    void noteFocusShown(QWidget *field);
    // A value of `field` changed (typed, chosen, filled from a list): it is no longer
    // only looked at.
    void noteChanged(QWidget *field)
    {
        if (field && fieldFor(field) == m_shownInto)
            m_shownInto = nullptr;
    }
    // The field with the focus is one the clerk only looked at.
    bool onlyLookedAt(const QWidget *field) const { return field && field == m_shownInto; }

    // Whether a key release changes a field's text (a character, Backspace, Delete):
    // the editor's test for marking the card modified.
    static bool keyEdits(const QKeyEvent &event);

signals:
    // A rule ran; `passed` is false when it asked for the focus back.
    void ruleRan(QWidget *field, bool passed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hooks
    {
        Rule exitRule;
        Rule enterRule;
        QList<KeyHook> keyPress;
        QList<KeyHook> keyRelease;
    };
    Hooks &hooksFor(QWidget *field);
    void watch(QWidget *field);
    // `part` and its descendants count as parts of `field`.
    void addParts(QWidget *field, QWidget *part);
    QWidget *fieldOf(QObject *watched) const;
    void queueFocus(QWidget *target, bool back, Qt::FocusReason reason = Qt::OtherFocusReason, bool shown = false);
    // Whether a key pressed in a field is the clerk's work in it (not Tab, a modifier
    // alone or a command shortcut).
    static bool keyWorksInField(const QKeyEvent &event);
    // The mouse gate: true when the event is swallowed.
    bool gateMouse(QObject *watched, QEvent *event);
    // The widget a mouse press on `target` would give the focus to, or the control it
    // would act on; nullptr when it does neither.
    QWidget *pressReceiver(QWidget *target) const;
    // The widget Tab (forward) or Backtab would go to from `field`, as it stands now.
    QWidget *nextByTab(QWidget *field, bool forward) const;

    QPointer<QWidget> m_scope;
    QHash<QWidget *, Hooks> m_hooks;
    QHash<QObject *, QWidget *> m_owner; // watched widget -> its field
    std::function<void()> m_afterRule;
    std::function<QWidget *(const QString &)> m_resolver;
    bool m_running = false;
    bool m_pending = false;
    bool m_pendingBack = false;
    QPointer<QWidget> m_leftAlready; // its rule ran for the leaving under way
    QPointer<QWidget> m_shownInto;   // has the focus from a page shown, not from the clerk
    bool m_moveShows = false;        // the move under way goes on from a page shown
    bool m_enteringShown = false;    // an enter rule runs
    quint64 m_moveSerial = 0; // a queued move runs only while it is the latest one
    bool m_moving = false;
    bool m_movingBack = false;
    bool m_insideMove = false; // the last FocusOut went to another part of the same field
    bool m_swallowRelease = false; // the press was held back: so is its release
    quint64 m_pressSerial = 0;
};
