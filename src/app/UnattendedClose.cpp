#include "app/UnattendedClose.h"

#include <QApplication>
#include <QDialog>
#include <QLoggingCategory>
#include <QTimer>

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcUnattended, "orvane.close")

// Dialogs can open dialogs; past this many the rest are left to the window's close.
constexpr int MostDialogs = 32;

}  // namespace

UnattendedClose::UnattendedClose(std::function<void()> quiet, QObject* parent)
    : QObject(parent), quiet_(std::move(quiet)) {}

void UnattendedClose::SetWindow(QWidget* window) {
    window_ = window;
    if (requested_) {
        QTimer::singleShot(0, this, &UnattendedClose::Step);
    }
}

void UnattendedClose::Request() {
    if (requested_) {
        return;
    }
    requested_ = true;
    Step();
}

// Each modal dialog runs an event loop of its own inside the one that opened it: it is
// ended, and the next step waits until that loop has given control back.
void UnattendedClose::Step() {
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && dialogsClosed_ < MostDialogs) {
        ++dialogsClosed_;
        qCInfo(lcUnattended) << "closing the dialog" << modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Rejected);
        } else {
            modal->close();
        }
        QTimer::singleShot(0, this, &UnattendedClose::Step);
        return;
    }
    if (window_ == nullptr) {
        return;  // the window is not there yet; SetWindow goes on
    }
    CloseNow();
}

void UnattendedClose::CloseNow() {
    if (closing_ || window_ == nullptr) {
        return;
    }
    closing_ = true;
    if (quiet_) {
        quiet_();
    }
    window_->close();
}

}  // namespace orvane
