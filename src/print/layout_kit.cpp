#include "print/layout_kit.h"

#include "print/page_renderer.h"
#include "print/text_wrap.h"

#include <QFontMetricsF>

#include <algorithm>
#include <limits>
#include <map>

using namespace Qt::Literals::StringLiterals;

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
            .text = u" "_s};
}

PageElement memo(const QString &name, double left, double top, double width, double height, int size, bool underline)
{
    return {.type = Type::Memo, .name = name, .left = left, .top = top, .width = width, .height = height,
            .pixelSize = size, .underline = underline, .lines = {u" "_s}};
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
            e.name = u"Text"_s + QString::number(++n);
        else if (const int count = valueLines.value(e.name); count > 0 && e.type == Type::Memo)
            fitValueLines(e, count);
    }
    layout.elements = std::move(elements);
}

namespace {

// What an element may print on, as the form places it.
struct Ink
{
    PageElement *element;
    double left;
    double right;
    double height; // of its glyphs
    double rowHeight; // what a row below must leave it: a line's spacing at least
};

Ink inkOf(PageElement &e)
{
    const QFont font = elementFont(e);
    const QFontMetricsF fm(font);
    double width = e.width;
    if (width <= 0)
        width = e.type == Type::Label ? textWidth(e.text, font) : 0;
    double height = fm.ascent() + fm.descent();
    if (e.type == Type::Memo && e.height > 0)
        height = std::max(height, e.height);
    return {&e, e.left, e.left + width, height, std::max(height, lineSpacing(font))};
}

} // namespace

void fitToBand(PageLayout &layout)
{
    // Rows from the bottom up; a row is placed once the rows below it are.
    std::map<double, QList<Ink>> rows;
    for (PageElement &e : layout.elements)
        rows[e.top] << inkOf(e);
    // Half of the band's frame line stands inside the band.
    constexpr double kFrameInside = 1;
    const double bottom = layout.bandHeight - kFrameInside;
    QList<std::pair<Ink, double>> moved; // with the top each now has
    double below = std::numeric_limits<double>::max(); // the top of the row below
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        double top = std::min(row->first, below);
        for (const Ink &ink : row->second) {
            top = std::min(top, bottom - ink.height);
            for (const auto &[other, otherTop] : std::as_const(moved)) {
                if (ink.left < other.right && other.left < ink.right)
                    top = std::min(top, otherTop - ink.rowHeight);
            }
        }
        if (top < row->first) {
            for (const Ink &ink : row->second) {
                ink.element->top = top;
                moved.append({ink, top});
            }
        }
        below = top;
    }
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
