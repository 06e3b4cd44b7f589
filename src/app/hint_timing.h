#pragma once

class QApplication;

// Hint (tooltip) timing for the whole application. Each editor sets it when it is
// created, so the editor created last decides it.
namespace hintTiming {

// Installs the style and event filter that apply the timing; once, at start.
void install(QApplication &app);
void set(int showAfterMs, int hideAfterMs);
int showAfter();
int hideAfter();

} // namespace hintTiming
