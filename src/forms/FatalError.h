#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace orvane {

// The one way the program tells the player that something went wrong: a notice in the
// game's own frame with an error sign, an OK button and "Fatal error ! " before the message. The
// program goes on afterwards. Tests put a recorder in place of the box.
inline const QString FatalErrorPrefix = QStringLiteral("Fatal error ! ");

using FatalErrorReporter = std::function<void(const QString& text)>;

// Replaces the reporter; an empty one brings the notice back. Gives the old one.
FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter);

// Shows FatalErrorPrefix + message.
void ReportFatalError(const QString& message);

// Several problems found at once, in one box that fits on the screen however many there
// are: the first in the message, every one of them in a scrolling list under it. A reporter
// gets the message and the list, one problem a line.
void ReportFatalErrors(const QStringList& problems);

}  // namespace orvane
