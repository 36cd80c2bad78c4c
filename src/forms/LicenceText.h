#pragma once

#include <QString>

namespace orvane {

// What the about box's licence box shows: a short notice (program, copyright, licence,
// no warranty, where the card art's licences are listed), then the full licence text.
// Both are built into the program, so the box can never come up empty.
QString AboutLicenceText();

// Joins the lines of a text wrapped by hand at a fixed width into paragraphs, so that a
// narrow box wraps them again to its own width. Paragraphs are separated by blank lines
// and stay so; centred headings (deeply indented lines) and copyright lines keep a line
// of their own, and a list item starts a new line. Only white space changes.
QString JoinWrappedLines(const QString& text);

}  // namespace orvane
