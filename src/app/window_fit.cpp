#include "app/window_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace windowFit {

namespace {

// Room for a title bar and borders before the window system has told the real frame.
const QMargins kFrameAllowance(8, 40, 8, 8);

class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            fitToScreen(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QRect within(const QRect &wanted, const QRect &available)
{
    QRect out(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    out.moveLeft(qBound(available.left(), out.left(), available.right() - out.width() + 1));
    out.moveTop(qBound(available.top(), out.top(), available.bottom() - out.height() + 1));
    return out;
}

void fitToScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull() || !window->testAttribute(Qt::WA_WState_Created))
        frame = kFrameAllowance;
    const QRect fitted = within(inner.marginsAdded(frame), screen->availableGeometry());
    const QSize size = fitted.marginsRemoved(frame).size().expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // A window's position is that of its frame.
    if (fitted.topLeft() != outer.topLeft())
        window->move(fitted.topLeft());
}

void keepOnScreen(QWidget *window)
{
    new ShowWatcher(window);
}

} // namespace windowFit
