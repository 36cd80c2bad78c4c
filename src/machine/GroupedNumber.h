#pragma once

#include <QLocale>
#include <QString>

namespace orvane {

// Amounts and counts in the dialogs are written with thousands separators ("1,091"), the
// same on every system whatever its language.
inline QString GroupedNumber(qlonglong value) {
    QLocale grouped = QLocale::c();  // the C locale leaves out the commas by default
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    return grouped.toString(value);
}

}  // namespace orvane
