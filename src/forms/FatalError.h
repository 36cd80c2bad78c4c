#pragma once

#include <QString>
#include <functional>

namespace orvane {

// The one way the program tells the player that something went wrong: a message box with
// an error sign, an OK button and "Fatal error ! " before the message. The program goes
// on afterwards. Tests put a recorder in place of the box.
inline const QString FatalErrorPrefix = QStringLiteral("Fatal error ! ");

using FatalErrorReporter = std::function<void(const QString& text)>;

// Replaces the reporter; an empty one brings the message box back. Gives the old one.
FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter);

// Shows FatalErrorPrefix + message.
void ReportFatalError(const QString& message);

}  // namespace orvane
