#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

// Shows `window` and returns once it has painted; false after five seconds without.
inline bool showUntilPainted(QWidget &window)
{
    // Notes the first paint of the window.
    class PaintWatch : public QObject
    {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return QObject::eventFilter(watched, event);
        }
    } watch;
    window.installEventFilter(&watch);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.removeEventFilter(&watch);
    return watch.painted;
}
