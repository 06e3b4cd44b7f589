#include "app/hint_timing.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace {

const char *const kShowAfter = "hintShowAfter";
const char *const kHideAfter = "hintHideAfter";

// The window a hint belongs to; the active one when Qt asks without a widget.
const QWidget *windowOf(const QWidget *widget)
{
    return widget ? widget->window() : QApplication::activeWindow();
}

int timing(const QWidget *widget, const char *name, int otherwise)
{
    const QWidget *window = windowOf(widget);
    const QVariant value = window ? window->property(name) : QVariant();
    return value.isValid() ? value.toInt() : otherwise;
}

class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return hintTiming::showAfter(widget);
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
                QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {},
                                   hintTiming::hideAfter(widget));
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

void set(QWidget *window, int showAfterMs, int hideAfterMs)
{
    window->setProperty(kShowAfter, showAfterMs);
    window->setProperty(kHideAfter, hideAfterMs);
}

int showAfter(const QWidget *widget)
{
    return timing(widget, kShowAfter, 700);
}

int hideAfter(const QWidget *widget)
{
    return timing(widget, kHideAfter, 10000);
}

} // namespace hintTiming
