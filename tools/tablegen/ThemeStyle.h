#pragma once

#include <QColor>
#include <QString>

#include "settings/ThemeCatalog.h"

namespace orvane {

// A metal trim as three tones: the highlight, the body and the shadow of a bevel.
struct Metal {
    QColor Light;
    QColor Mid;
    QColor Dark;
};

enum class SurfaceKind { Felt, Modern, Wood, Nature };

// What makes one theme's background look like itself. The theme's names, files, panel
// colour and label places are the catalog's; only the painting is decided here.
struct ThemeStyle {
    const ThemeRecord* Theme = nullptr;
    SurfaceKind Surface = SurfaceKind::Felt;
    QColor FeltCentre;      // lit middle of a felt or glow surface
    QColor FeltEdge;        // dark rim of the same surface
    Metal Trim;             // bezels, rules and captions
    QColor ValueGlass;      // fill of the value windows
    QColor ValueGlassEdge;  // their inner rim
    QColor MessageGlass;    // fill of the message window
    quint32 Seed = 1;

    QString Name() const;
    QString BackgroundFile() const;
    QColor PanelColor() const;
};

// The painting of one of the catalog's themes.
ThemeStyle StyleOf(const ThemeRecord& theme);

QString ToQString(std::string_view text);

}  // namespace orvane
