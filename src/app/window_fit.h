#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Windows never open larger than the screen's available area, nor off it: on a small
// or scaled screen (1366×768 at 150 %) a card window shrinks (its pages scroll) and its
// title bar stays reachable.
namespace windowFit {

// The outer rectangle (frame included) a window wanting `wanted` gets within `available`:
// no larger than it, then moved onto it.
QRect within(const QRect &wanted, const QRect &available);

// Fits `window` to the available area of its screen now.
void fitToScreen(QWidget *window);

// Fits `window` each time it is shown.
void keepOnScreen(QWidget *window);

} // namespace windowFit
