#pragma once

#include <functional>

class QWidget;

namespace orvane {

// Runs `action` once the window is on the screen and drawn: after the window system first
// shows it (exposes it) and the window has painted itself, so that a dialog opened by the
// action stands over the drawn window rather than over an empty screen.
void AfterFirstPaint(QWidget& window, std::function<void()> action);

}  // namespace orvane
