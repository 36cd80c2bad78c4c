#include "FatalError.h"

#include <QAbstractButton>
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
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDetailedText(list);
    // The list is what the player came for: open it rather than behind "Show Details...".
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::ActionRole) {
            button->click();
        }
    }
    box.exec();
}

}  // namespace orvane
