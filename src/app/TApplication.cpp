#include "TApplication.h"

#include <exception>

#include "forms/FatalError.h"

namespace orvane {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportFatalError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportFatalError(QStringLiteral("An unknown error occurred."));
    }
    return false;
}

}  // namespace orvane
