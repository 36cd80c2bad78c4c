#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QImageReader;

namespace orvane {

// Every picture the game loads has a size it expects (a card 140 x 208, the background
// 752 x 500, a button face 145 x 17, ...). A picture far beyond it is refused before it is
// decoded: a 5000 x 5000 file would otherwise cost a hundred megabytes for a small control.

// How many times its expected width or height a picture may be before it is refused.
inline constexpr int FarBeyondFactor = 4;
// The most memory, in megabytes, any one picture reader may allocate; a last guard for a
// picture read without an expected size.
inline constexpr int PictureAllocationLimitMB = 32;

// Sets PictureAllocationLimitMB for every picture reader of the program; called once at start.
void LimitPictureAllocations();

// Whether `actual` is more than FarBeyondFactor times `expected` in width or in height.
bool IsFarBeyond(QSize actual, QSize expected);

// Reads the picture `reader` is set up for, when the size its header gives is within
// FarBeyondFactor of `expected`. A refused or unreadable picture gives a null image, a line
// on "orvane.resources" naming `what`, and the reason in `error` when given.
QImage ReadPictureWithin(QImageReader& reader, QSize expected, const QString& what,
                         QString* error = nullptr);

// The same for a picture file; `format` null: by the file's contents and extension.
QImage ReadPictureFileWithin(const QString& path, QSize expected, const char* format = nullptr,
                             QString* error = nullptr);

}  // namespace orvane
