#include "FatalError.h"

#include "TfrmNotice.h"

#include <QApplication>
#include <QLoggingCategory>

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
    ShowNotice(QApplication::activeWindow(), QApplication::applicationName(), text,
               TfrmNotice::Sign::Error);
}

void ReportFatalErrors(const QStringList& problems) {
    if (problems.size() <= 1) {
        ReportFatalError(problems.value(0));
        return;
    }
    const QString text =
        FatalErrorPrefix + problems.first() +
        QStringLiteral("\n\n%1 problems in all; each one is listed below.").arg(problems.size());
    const QString list = problems.join(QLatin1Char('\n'));
    qCWarning(lcErrors).noquote() << text << '\n' << list;
    if (Reporter()) {
        Reporter()(text + QLatin1Char('\n') + list);
        return;
    }
    // The list is what the player came for: it is open under the message, not behind a
    // further button.
    ShowNotice(QApplication::activeWindow(), QApplication::applicationName(), text,
               TfrmNotice::Sign::Error, list);
}

}  // namespace orvane
