#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace orvane {

// Numbers in the byte order of the Windows file formats the game reads and writes (bitmaps,
// waveform audio), lowest byte first, whatever the order of the machine.
void AppendLittle16(QByteArray& out, std::uint16_t value);
void AppendLittle32(QByteArray& out, std::uint32_t value);

// The caller makes sure the two or four bytes at `at` are there.
std::uint16_t ReadLittle16(QByteArrayView bytes, qsizetype at);
std::uint32_t ReadLittle32(QByteArrayView bytes, qsizetype at);

}  // namespace orvane
