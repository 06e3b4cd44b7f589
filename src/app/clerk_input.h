#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class FieldBinder;
class QWidget;

// What the clerk does with the keys and the mouse in an editor's fields, as the
// editor needs it: whether a key changed a value the card keeps (a key marks the card
// only then: Escape, a copy, a move of the cursor change nothing), and a left click
// in a field whose click runs a rule.
class ClerkInput : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Key releases in `field` may mark the card.
    void watchKeys(QWidget *field);
    // ... in every field of `binder` whose table row says it marks the card.
    void watchMarkingFields(FieldBinder &binder);
    // A left click in `field` or any of its parts reports `name`.
    void watchClicks(QWidget *field, const QString &name);

    // A value the card keeps changed.
    void noteChange() { m_changed = true; }
    // Whether a value changed since the last key press, and forgets it.
    bool takeChange() { return std::exchange(m_changed, false); }

signals:
    // A key changed a value of the card between its press and its release.
    void keyChangedCard();
    void clicked(const QString &field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_changed = false;
    QHash<QObject *, QString> m_clickFields; // widget (or part) -> field with a click rule
};
