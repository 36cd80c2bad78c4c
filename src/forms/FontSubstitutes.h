#pragma once

#include <QString>

namespace orvane {

// The faces the table is drawn in, and what stands in for them where they are missing.
// "Poor Richard" has no free equivalent; a condensed bold serif keeps its heavy, friendly
// look for the amounts.
inline const QString PoorRichard = QStringLiteral("Poor Richard");

// Registers the substitutions with QFont once, before any window is built.
void InstallFontSubstitutes();

}  // namespace orvane
