#pragma once

#include "print/page_layout.h"

#include <QRectF>

class QPainter;

// Paints one page layout into `page` (the device's whole page, in device pixels).
// Lines are drawn as the layout holds them; nothing is wrapped again here.
void paintPage(QPainter &painter, const PageLayout &layout, const QRectF &page);
