#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace toolbarIcons {

namespace {

constexpr int kSize = 44; // drawn at twice the shown size, for high-density screens

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSize / 22.0, kSize / 22.0);
    draw(p);
    p.end();
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

void sheet(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void printer(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 9, 7));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 8.5, 17, 8), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 13.5, 9, 6));
}

} // namespace

QIcon newCard()
{
    return drawn([](QPainter &p) {
        sheet(p, QRectF(4.5, 2.5, 13, 17));
        p.setPen(QPen(QColor(220, 170, 0), 1.6));
        p.drawLine(QPointF(15, 13), QPointF(15, 21));
        p.drawLine(QPointF(11, 17), QPointF(19, 17));
    });
}

QIcon open()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 6.5, 15, 11));
        p.setBrush(QColor(250, 220, 120));
        QPolygonF flap;
        flap << QPointF(4.5, 10.5) << QPointF(20.5, 10.5) << QPointF(17.5, 17.5) << QPointF(2.5, 17.5);
        p.drawPolygon(flap);
    });
}

QIcon save()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(30, 40, 90), 1));
        p.setBrush(QColor(60, 80, 160));
        p.drawRect(QRectF(3.5, 3.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 9, 6));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(6.5, 12.5, 9, 6));
    });
}

QIcon print()
{
    return drawn(printer);
}

QIcon printContinuation()
{
    return drawn([](QPainter &p) {
        printer(p);
        p.setPen(QColor(180, 0, 0));
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(13, 0, 9, 10), Qt::AlignCenter, u"2"_s);
    });
}

QIcon checkCard()
{
    return drawn([](QPainter &p) {
        sheet(p, QRectF(3.5, 2.5, 13, 17));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 7; y <= 15; y += 4)
            p.drawLine(QPointF(6, y), QPointF(13, y));
        p.setPen(QPen(QColor(20, 140, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QList<QPointF>{{10, 15}, {13.5, 19}, {20, 9}});
    });
}

} // namespace toolbarIcons
