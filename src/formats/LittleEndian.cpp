#include "formats/LittleEndian.h"

#include <QtEndian>

namespace orvane {

void AppendLittle16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void AppendLittle32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

std::uint16_t ReadLittle16(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(bytes.data() + at);
}

std::uint32_t ReadLittle32(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

}  // namespace orvane
