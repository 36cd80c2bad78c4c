#pragma once

#include <QColor>
#include <QString>

namespace orvane::test {

// Made-up preview pictures, one plain colour each, so a test tells by a pixel which one
// is shown. The card-set pictures carry a white band down their left edge.
QColor ThemePreviewColor(int id);
QColor CardSetPreviewColor(int id);
constexpr int CardSetWhiteBand = 20;

// Writes optt1..4.zqi and optcs1..3.zqi (BMP) into folder.
void WritePreviews(const QString& folder);

}  // namespace orvane::test
