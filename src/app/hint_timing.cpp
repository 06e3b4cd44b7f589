#include "app/hint_timing.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

int g_showAfter = 700;
int g_hideAfter = 10000;

class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return g_showAfter;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Shows every hint for the set time instead of Qt's length-dependent one.
class HintFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && !widget->toolTip().isEmpty()) {
                auto *help = static_cast<QHelpEvent *>(event);
                QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, g_hideAfter);
                return true;
            }
        }
        return false;
    }
};

} // namespace

namespace hintTiming {

void install(QApplication &app)
{
    app.setStyle(new HintStyle);
    app.installEventFilter(new HintFilter(&app));
}

void set(int showAfterMs, int hideAfterMs)
{
    g_showAfter = showAfterMs;
    g_hideAfter = hideAfterMs;
}

int showAfter()
{
    return g_showAfter;
}

int hideAfter()
{
    return g_hideAfter;
}

} // namespace hintTiming
