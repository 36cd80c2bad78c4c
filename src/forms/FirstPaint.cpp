#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace orvane {

namespace {

// Waits for the window's first exposure; owned by the window, so it goes if the window
// goes first.
class ExposureWatch : public QObject {
  public:
    ExposureWatch(QWidget& window, std::function<void()> action)
        : QObject(&window), window_(window), action_(std::move(action)) {}

    void Start() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || handle->isExposed()) {
            Fire();
        } else {
            handle->installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            Fire();
        }
        return false;
    }

  private:
    // After the exposure has been handled: the window paints itself in full, at once,
    // and the action follows from the event loop.
    void Fire() {
        QTimer::singleShot(0, this, [this] {
            window_.repaint();
            const std::function<void()> action = std::move(action_);
            deleteLater();
            action();
        });
    }

    QWidget& window_;
    std::function<void()> action_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> action) {
    (new ExposureWatch(window, std::move(action)))->Start();
}

}  // namespace orvane
