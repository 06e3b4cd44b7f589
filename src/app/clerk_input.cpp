#include "app/clerk_input.h"

#include "fields/card_model.h"
#include "widgets/field_factory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

void ClerkInput::watchKeys(QWidget *field)
{
    field->installEventFilter(this);
}

void ClerkInput::watchClicks(QWidget *field, const QString &name)
{
    m_clickFields.insert(field, name);
    field->installEventFilter(this);
    for (QWidget *part : field->findChildren<QWidget *>()) {
        m_clickFields.insert(part, name);
        part->installEventFilter(this);
    }
}

void ClerkInput::watchMarkingFields(FieldBinder &binder)
{
    for (const FieldInfo &info : binder.model().table().fields()) {
        QWidget *w = binder.widget(info.name);
        if (!info.marks || !w)
            continue;
        watchKeys(w);
        // An editable box takes its keys in its line edit.
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
            watchKeys(combo->lineEdit());
    }
}

bool ClerkInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (const auto it = m_clickFields.constFind(watched); it != m_clickFields.constEnd())
                emit clicked(*it);
        }
        break;
    case QEvent::KeyPress:
        m_changed = false;
        break;
    case QEvent::KeyRelease:
        if (takeChange())
            emit keyChangedCard();
        break;
    default:
        break;
    }
    return false;
}
