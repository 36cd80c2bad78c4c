#include "LaterNotices.h"

#include <QLoggingCategory>
#include <QTimer>

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcNotices, "orvane.main")

}  // namespace

LaterNotices::LaterNotices(QObject& context, std::function<void(const QString&)> inform,
                           std::function<void()> allRead)
    : context_(context), inform_(std::move(inform)), allRead_(std::move(allRead)) {}

void LaterNotices::Tell(const QString& text) {
    qCInfo(lcNotices).noquote() << text;
    ++pending_;
    QTimer::singleShot(0, &context_, [this, text] {
        inform_(text);
        if (--pending_ == 0) {
            allRead_();
        }
    });
}

}  // namespace orvane
