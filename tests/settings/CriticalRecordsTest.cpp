#include <gtest/gtest.h>

#include <random>

#include "settings/Crc32.h"
#include "settings/CriticalRecords.h"

namespace orvane::test {
namespace {

CriticalContent Sample() {
    return CriticalContent{42, 1765280000, {{"Credit", "1000"}, {"Stage", "3"}, {"Empty", ""}}};
}

std::string Encoded(const CriticalContent& content) {
    const EncodedRecords encoded = EncodeRecords(content);
    EXPECT_TRUE(encoded.Bytes.has_value()) << encoded.Failure;
    return encoded.Bytes.value_or(std::string{});
}

TEST(Crc32, MatchesTheStandardCheckValue) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(""), 0u);
}

TEST(CriticalRecords, WritesReadableLinesAndReadsThemBack) {
    const std::string bytes = Encoded(Sample());
    EXPECT_EQ(bytes.rfind("orvane-critical 1\nsequence 42\nsaved 1765280000\nrecords 3\n"
                          "Credit=1000\nStage=3\nEmpty=\ncrc32 ",
                          0),
              0u)
        << bytes;
    const DecodedRecords decoded = DecodeRecords(bytes);
    ASSERT_TRUE(decoded.Content.has_value()) << decoded.Failure;
    EXPECT_EQ(decoded.Content->Sequence, 42u);
    EXPECT_EQ(decoded.Content->SavedAt, 1765280000);
    EXPECT_EQ(decoded.Content->Records, Sample().Records);
}

// A bit flipped anywhere, or a file cut short anywhere, is never taken as a save.
TEST(CriticalRecords, EveryChangedByteAndEveryCutIsRefused) {
    const std::string bytes = Encoded(Sample());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string damaged = bytes;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
        EXPECT_FALSE(DecodeRecords(damaged).Content.has_value()) << "byte " << i;
        EXPECT_FALSE(DecodeRecords(bytes.substr(0, i)).Content.has_value()) << "cut at " << i;
    }
    EXPECT_FALSE(DecodeRecords(bytes + "x").Content.has_value());
    EXPECT_EQ(DecodeRecords(bytes.substr(0, bytes.size() - 3)).Failure,
              "it is cut short or its checksum line is damaged");
}

TEST(CriticalRecords, SaysWhyAFileIsRefused) {
    EXPECT_EQ(DecodeRecords("").Failure, "the file is empty");
    EXPECT_EQ(DecodeRecords("[2.4]\nCredit=5\n").Failure, "it is not a record file of this game");
    EXPECT_EQ(DecodeRecords("orvane-critical 2\n").Failure, "it was written in another format (2)");
    std::string bytes = Encoded(Sample());
    bytes.replace(bytes.find("1000"), 4, "9000");
    EXPECT_EQ(DecodeRecords(bytes).Failure, "its checksum does not match its contents");
    EXPECT_EQ(DecodeRecords("orvane-critical 1\nsequence 1\nsaved 1\nrecords 999999999\n").Failure,
              "it claims too many records");
    EXPECT_EQ(DecodeRecords(std::string(CriticalLimits::MaxFileBytes + 1, 'x')).Failure,
              "the file is larger than 1048576 bytes");
}

TEST(CriticalRecords, RefusesToWriteWhatItCouldNotReadBack) {
    const auto failure = [](CriticalRecords records) {
        return EncodeRecords(CriticalContent{1, 1, std::move(records)}).Failure;
    };
    EXPECT_NE(failure({{"", "1"}}), "");
    EXPECT_NE(failure({{"a=b", "1"}}), "");
    EXPECT_NE(failure({{"a b", "1"}}), "");
    EXPECT_NE(failure({{"a", "1\n2"}}), "");
    EXPECT_NE(failure({{"a", std::string(CriticalLimits::MaxValueLength + 1, '1')}}), "");
    EXPECT_NE(failure({{"a", std::string(1, '\0')}}), "");
    EXPECT_EQ(failure({{"a", "1"}, {"a", "2"}}), "the record \"a\" is given twice");
    EXPECT_EQ(failure(CriticalRecords(CriticalLimits::MaxRecords + 1, {"a", "1"})),
              "too many records (10001)");
    EXPECT_EQ(failure({{"a", std::string(CriticalLimits::MaxValueLength, '1')}}), "");
}

// Two records of the same name in a file would leave which one holds the credit open.
TEST(CriticalRecords, RefusesARecordGivenTwiceEvenWithAMatchingChecksum) {
    std::string body = "orvane-critical 1\nsequence 1\nsaved 1\nrecords 2\nCredit=1\nCredit=2\n";
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08x", Crc32(body));
    body += std::string("crc32 ") + crc + "\n";
    EXPECT_EQ(DecodeRecords(body).Failure, "record 2 is damaged");
}

// Hostile bytes give a reason, never a crash, and never records that did not verify.
TEST(CriticalRecords, RandomDamageNeverPassesOrCrashes) {
    std::mt19937 random(8);
    const std::string good = Encoded(Sample());
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = random() % bytes.size();
            bytes[at] = static_cast<char>(random() & 0xFF);
        }
        bytes.resize(random() % (bytes.size() + 1));
        const DecodedRecords decoded = DecodeRecords(bytes);
        if (decoded.Content) {
            EXPECT_EQ(bytes, good);
        } else {
            EXPECT_FALSE(decoded.Failure.empty());
        }
    }
}

}  // namespace
}  // namespace orvane::test
