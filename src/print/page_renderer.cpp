#include "print/page_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {

QFont elementFont(const PageElement &e)
{
    QFont font(e.family);
    font.setPixelSize(e.pixelSize);
    font.setBold(e.bold);
    font.setUnderline(e.underline);
    return font;
}

} // namespace

void paintPage(QPainter &painter, const PageLayout &layout, const QRectF &page)
{
    painter.save();
    painter.translate(page.topLeft());
    const double scale = page.width() / PageLayout::kPageWidth;
    painter.scale(scale, scale);
    painter.translate(layout.bandLeft, layout.bandTop);

    for (const FrameLine &f : layout.frames) {
        QPen pen(Qt::black);
        pen.setWidthF(f.width);
        painter.setPen(pen);
        painter.drawLine(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2));
    }
    painter.setPen(Qt::black);
    for (const PageElement &e : layout.elements) {
        const QFont font = elementFont(e);
        painter.setFont(font);
        const QFontMetricsF fm(font, painter.device());
        const double lineHeight = e.pixelSize * 1.15;
        if (e.type == PageElement::Type::Label) {
            if (e.text.isEmpty())
                continue;
            painter.save();
            if (e.width > 0)
                painter.setClipRect(QRectF(e.left, e.top, e.width, lineHeight + 2));
            painter.drawText(QPointF(e.left, e.top + e.pixelSize), e.text);
            painter.restore();
        } else {
            painter.save();
            if (e.height > 0)
                painter.setClipRect(QRectF(e.left, e.top, e.width > 0 ? e.width : 10000, e.height));
            double y = e.top + e.pixelSize;
            for (const QString &line : e.lines) {
                if (e.height > 0 && y - e.pixelSize >= e.top + e.height)
                    break;
                painter.drawText(QPointF(e.left, y), line);
                y += lineHeight;
            }
            painter.restore();
        }
    }
    painter.restore();
}
