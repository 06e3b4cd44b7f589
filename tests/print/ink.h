#pragma once

#include <QImage>
#include <QList>
#include <QRect>

#include <algorithm>
#include <utility>

// Reading rendered pages back: which pixels carry ink.
namespace ink {

inline bool dark(QRgb pixel)
{
    return qGray(pixel) < 160;
}

inline bool rowHasInk(const QImage &image, int y, int left, int right)
{
    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = std::max(0, left); x <= std::min(right, image.width() - 1); ++x) {
        if (dark(line[x]))
            return true;
    }
    return false;
}

// Separate runs of inked rows in the region: the printed lines of text there.
inline int bands(const QImage &image, const QRect &region)
{
    int count = 0;
    bool inBand = false;
    for (int y = std::max(0, region.top()); y <= std::min(region.bottom(), image.height() - 1); ++y) {
        const bool inked = rowHasInk(image, y, region.left(), region.right());
        if (inked && !inBand)
            ++count;
        inBand = inked;
    }
    return count;
}

inline bool any(const QImage &image, const QRect &region)
{
    return bands(image, region) > 0;
}

// The first and the last inked column of the region; -1 and -1 when it is blank.
inline std::pair<int, int> columns(const QImage &image, const QRect &region)
{
    int first = -1;
    int last = -1;
    for (int y = std::max(0, region.top()); y <= std::min(region.bottom(), image.height() - 1); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = std::max(0, region.left()); x <= std::min(region.right(), image.width() - 1); ++x) {
            if (dark(line[x])) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// The last inked column of each band of the region, top to bottom.
inline QList<int> bandRightEdges(const QImage &image, const QRect &region)
{
    QList<int> edges;
    bool inBand = false;
    for (int y = std::max(0, region.top()); y <= std::min(region.bottom(), image.height() - 1); ++y) {
        const auto [first, last] = columns(image, QRect(region.left(), y, region.width(), 1));
        const bool inked = first >= 0;
        if (inked && !inBand)
            edges << last;
        else if (inked)
            edges.last() = std::max(edges.last(), last);
        inBand = inked;
    }
    return edges;
}

} // namespace ink
