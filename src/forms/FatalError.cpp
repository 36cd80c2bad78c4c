#include "FatalError.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcErrors, "orvane.errors")

FatalErrorReporter& Reporter() {
    static FatalErrorReporter reporter;
    return reporter;
}

}  // namespace

FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter) {
    FatalErrorReporter old = std::move(Reporter());
    Reporter() = std::move(reporter);
    return old;
}

void ReportFatalError(const QString& message) {
    const QString text = FatalErrorPrefix + message;
    qCWarning(lcErrors).noquote() << text;
    if (Reporter()) {
        Reporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace orvane
