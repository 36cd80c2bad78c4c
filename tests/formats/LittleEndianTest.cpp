#include "formats/LittleEndian.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LittleEndian, WritesTheLowestByteFirst) {
    QByteArray out;
    AppendLittle16(out, 0x0102);
    AppendLittle32(out, 0x03040506);
    EXPECT_EQ(out, QByteArray("\x02\x01\x06\x05\x04\x03", 6));
}

TEST(LittleEndian, ReadsWhatItWroteAtAnyOffset) {
    QByteArray out("x", 1);
    AppendLittle32(out, 0xFFFFFFF0u);
    AppendLittle16(out, 0x8001);
    EXPECT_EQ(ReadLittle32(out, 1), 0xFFFFFFF0u);
    EXPECT_EQ(ReadLittle16(out, 5), 0x8001);
}

}  // namespace
}  // namespace orvane
