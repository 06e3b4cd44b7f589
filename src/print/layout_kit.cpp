#include "print/layout_kit.h"

#include "print/page_renderer.h"
#include "print/text_wrap.h"

#include <QFontMetricsF>

namespace layoutKit {

using Type = PageElement::Type;

PageElement text(double left, double top, const QString &s, int size, bool bold)
{
    return {.type = Type::Label, .left = left, .top = top, .pixelSize = size, .bold = bold, .text = s};
}

PageElement bold(double left, double top, const QString &s, int size)
{
    return text(left, top, s, size, true);
}

PageElement lines(double left, double top, double width, const QStringList &s, int size)
{
    return {.type = Type::Memo, .left = left, .top = top, .width = width, .pixelSize = size, .lines = s};
}

PageElement label(const QString &name, double left, double top, double width, int size)
{
    return {.type = Type::Label, .name = name, .left = left, .top = top, .width = width, .pixelSize = size,
            .text = QStringLiteral(" ")};
}

PageElement memo(const QString &name, double left, double top, double width, double height, int size, bool underline)
{
    return {.type = Type::Memo, .name = name, .left = left, .top = top, .width = width, .height = height,
            .pixelSize = size, .underline = underline, .lines = {QStringLiteral(" ")}};
}

FrameLine hLine(double x1, double x2, double y, double width)
{
    return {.x1 = x1, .y1 = y, .x2 = x2, .y2 = y, .width = width};
}

FrameLine vLine(double x, double y1, double y2, double width)
{
    return {.x1 = x, .y1 = y1, .x2 = x, .y2 = y2, .width = width};
}

void fitValueLines(PageElement &memo, int valueLines)
{
    if (memo.height > 0 && memoCapacity(memo) >= valueLines + 1)
        return;
    const QFont font = elementFont(memo);
    const QFontMetricsF fm(font);
    const double spacing = memo.lineSpacing > 0 ? memo.lineSpacing : lineSpacing(font);
    memo.top -= spacing;
    memo.height = memo.height > 0 ? memo.height + spacing : valueLines * spacing + fm.ascent() + fm.descent() + 0.5;
}

void build(PageLayout &layout, QList<PageElement> elements, const QHash<QString, int> &valueLines)
{
    int n = 0;
    for (PageElement &e : elements) {
        if (e.name.isEmpty())
            e.name = QStringLiteral("Text") + QString::number(++n);
        else if (const int count = valueLines.value(e.name); count > 0 && e.type == Type::Memo)
            fitValueLines(e, count);
    }
    layout.elements = std::move(elements);
}

QStringList valueMemos(const PageLayout &layout, const QHash<QString, int> &valueLines)
{
    QStringList names;
    for (const PageElement &e : layout.elements) {
        if (e.type == Type::Memo && valueLines.contains(e.name))
            names << e.name;
    }
    return names;
}

} // namespace layoutKit
