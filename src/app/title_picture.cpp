#include "app/title_picture.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

TitlePicture::TitlePicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Image1"_s);
    setFixedSize(sizeHint());
}

void TitlePicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / 120.0, height() / 120.0);

    // Two cards behind, one in front.
    for (int i = 2; i >= 0; --i) {
        const QRectF card(14 + i * 8, 10 + i * 6, 70, 92);
        p.setPen(QPen(QColor(40, 40, 60), 1.2));
        p.setBrush(i == 0 ? QColor(255, 255, 250) : QColor(225, 228, 235));
        p.drawRect(card);
    }
    const QRectF front(14, 10, 70, 92);
    p.fillRect(QRectF(front.left() + 1, front.top() + 1, front.width() - 1, 9), QColor(0, 87, 183));
    p.fillRect(QRectF(front.left() + 1, front.top() + 10, front.width() - 1, 9), QColor(255, 215, 0));
    p.setPen(QPen(QColor(110, 110, 130), 1.5));
    for (int y = 30; y < 94; y += 8)
        p.drawLine(QPointF(front.left() + 7, y), QPointF(front.right() - (y % 16 ? 18 : 7), y));

    // The seal.
    const QPointF c(88, 90);
    p.setPen(QPen(QColor(150, 20, 20), 2));
    p.setBrush(QColor(200, 40, 40, 200));
    p.drawEllipse(c, 18, 18);
    p.setPen(QPen(QColor(255, 235, 235), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13, 13);
    QPainterPath tick;
    tick.moveTo(c + QPointF(-7, 0));
    tick.lineTo(c + QPointF(-2, 6));
    tick.lineTo(c + QPointF(8, -6));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}
