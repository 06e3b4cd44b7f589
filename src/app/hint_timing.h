#pragma once

class QApplication;
class QWidget;

// Hint (tooltip) timing, each window its own: a card editor shows its hints after and
// for the times its card states, any other window after 700 ms for 10 s.
namespace hintTiming {

// Installs the style and event filter that apply the timing; once, at start.
void install(QApplication &app);
// The timing of `window` and every widget in it.
void set(QWidget *window, int showAfterMs, int hideAfterMs);
int showAfter(const QWidget *widget);
int hideAfter(const QWidget *widget);

} // namespace hintTiming
