#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdint>

#include "LibraryFixture.h"
#include "platform/ResourceBundleCheck.h"

namespace orvane {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t BigU32(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<std::uint32_t>(bytes.constData() + at);
}

void PutBigU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    qToBigEndian(value, bytes.data() + at);
}

class ResourceBundleCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto& fixture = test::LibraryFixture::Instance();
        ASSERT_TRUE(fixture.Error().isEmpty()) << fixture.Error().toStdString();
        bundle = ReadAll(QDir(fixture.Folder()).filePath(fixture.LibraryFile()));
        ASSERT_TRUE(bundle.startsWith("qres"));
    }
    QByteArray bundle;
};

TEST_F(ResourceBundleCheckTest, WholeBundlesFromRccPass) {
    EXPECT_TRUE(IsWholeResourceBundle(bundle));
    for (const char* file : {"zqcsrl_pi.dll", "zqcsrl_pl.dll", "zqcsrl_asi.dll", "zqmrl.dll"}) {
        const QByteArray generated =
            ReadAll(QDir(QStringLiteral(ORVANE_CONTENT_DIR)).filePath(QString::fromLatin1(file)));
        EXPECT_TRUE(IsWholeResourceBundle(generated)) << file;
    }
}

TEST_F(ResourceBundleCheckTest, EveryTruncationIsTurnedAway) {
    for (qsizetype size = 0; size < bundle.size(); ++size) {
        ASSERT_FALSE(IsWholeResourceBundle(bundle.left(size))) << "cut to " << size;
    }
}

TEST_F(ResourceBundleCheckTest, ForgedHeaderFieldsAreTurnedAway) {
    auto with = [&](qsizetype at, std::uint32_t value) {
        QByteArray bytes = bundle;
        PutBigU32(bytes, at, value);
        return bytes;
    };
    EXPECT_FALSE(IsWholeResourceBundle(with(0, 0x71726574))) << "magic";
    EXPECT_FALSE(IsWholeResourceBundle(with(4, 0))) << "version 0";
    EXPECT_FALSE(IsWholeResourceBundle(with(4, 4))) << "version 4";
    EXPECT_FALSE(IsWholeResourceBundle(with(8, static_cast<std::uint32_t>(bundle.size()))))
        << "tree";
    EXPECT_FALSE(IsWholeResourceBundle(with(12, 0xFFFFFF00))) << "data";
    EXPECT_FALSE(IsWholeResourceBundle(with(16, 0xFFFFFF00))) << "names";
}

TEST_F(ResourceBundleCheckTest, ForgedTreeAndDataAreTurnedAway) {
    const std::uint32_t tree = BigU32(bundle, 8);
    const std::uint32_t data = BigU32(bundle, 12);
    {
        QByteArray bytes = bundle;
        PutBigU32(bytes, tree + 6, 1000);  // the root folder claims a thousand children
        EXPECT_FALSE(IsWholeResourceBundle(bytes));
    }
    {
        QByteArray bytes = bundle;
        PutBigU32(bytes, data, 0x7FFFFFFF);  // the first data block claims two gigabytes
        EXPECT_FALSE(IsWholeResourceBundle(bytes));
    }
    {
        QByteArray bytes = bundle;
        bytes[tree + 5] = 0;  // the root is no longer a folder
        EXPECT_FALSE(IsWholeResourceBundle(bytes));
    }
}

// Qt would allocate whatever a zstd frame claims; the build never writes zstd entries.
TEST_F(ResourceBundleCheckTest, ZstdEntriesAreTurnedAway) {
    const std::uint32_t tree = BigU32(bundle, 8);
    const qsizetype nodeSize = 22;
    int files = 0;
    for (qsizetype node = tree; node + nodeSize <= bundle.size(); node += nodeSize) {
        if ((bundle[node + 5] & 0x02) != 0) {
            continue;  // a folder
        }
        ++files;
        QByteArray bytes = bundle;
        bytes[node + 5] = static_cast<char>(bytes[node + 5] | 0x04);
        EXPECT_FALSE(IsWholeResourceBundle(bytes)) << "node at " << node;
    }
    EXPECT_EQ(files, 7);
}

}  // namespace
}  // namespace orvane
