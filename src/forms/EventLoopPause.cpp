#include "EventLoopPause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace orvane {

namespace {
// Short enough that a repaint or a key still feels immediate, long enough not to spin.
constexpr qint64 SliceMs = 5;
}  // namespace

void EventLoopPause::Wait(int milliseconds) {
    if (window_ != nullptr && window_->isVisible()) {
        window_->repaint();
    }
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (qint64 left = milliseconds - timer.elapsed(); left > 0;
         left = milliseconds - timer.elapsed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left));
        QThread::msleep(static_cast<unsigned long>(std::min(left, SliceMs)));
    }
}

}  // namespace orvane
