#include "FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace orvane {

namespace {

struct Substitute {
    const char* family;
    const char* replacements;  // in order of preference, separated by commas
};

// Liberation fonts share the metrics of the faces they replace, so texts keep their widths.
constexpr Substitute Substitutes[] = {
    {"Poor Richard", "DejaVu Serif Condensed,DejaVu Serif,Liberation Serif"},
    {"MS Sans Serif", "Liberation Sans,DejaVu Sans,Arial"},
    {"Arial", "Liberation Sans,DejaVu Sans"},
    {"Times New Roman", "Liberation Serif,DejaVu Serif"},
    {"Impact", "DejaVu Sans Condensed,Liberation Sans Narrow,DejaVu Sans"},
};

}  // namespace

void InstallFontSubstitutes() {
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& s : Substitutes) {
        const QString family = QString::fromLatin1(s.family);
        if (installed.contains(family, Qt::CaseInsensitive)) {
            continue;  // the real face is there
        }
        QFont::insertSubstitutions(family,
                                   QString::fromLatin1(s.replacements).split(QLatin1Char(',')));
    }
}

}  // namespace orvane
