#pragma once

#include <QFont>
#include <QString>

namespace orvane {

// The faces the dialogs are drawn in, at an exact pixel size so that texts fit the boxes
// they were laid out for on any screen.
inline QFont DialogFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

inline QFont SansSerifFont(int pixels, bool bold = false) {
    return DialogFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

}  // namespace orvane
