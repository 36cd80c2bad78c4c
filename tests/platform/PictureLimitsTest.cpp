// Pictures far beyond the size they are expected at, and picture libraries beyond what a
// library may hold, are refused before they cost memory.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>
#include <utility>

#include "PictureTestSupport.h"
#include "formats/LittleEndian.h"
#include "platform/PictureBounds.h"
#include "platform/ResourceBundleCheck.h"
#include "platform/ResourceLibrary.h"

namespace orvane {
namespace {

using test::DibFromQtWriter;
using test::RunRcc;
using test::WriteFile;

// A bitmap file whose header claims `width` x `height` but which holds almost no pixels:
// refusing it must not need to decode it.
QByteArray ForgedBmpHeader(std::uint32_t width, std::uint32_t height) {
    QByteArray bytes("BM");
    AppendLittle32(bytes, 54 + 16);
    AppendLittle32(bytes, 0);
    AppendLittle32(bytes, 54);
    AppendLittle32(bytes, 40);
    AppendLittle32(bytes, width);
    AppendLittle32(bytes, height);
    AppendLittle16(bytes, 1);
    AppendLittle16(bytes, 32);
    for (int i = 0; i < 6; ++i) {
        AppendLittle32(bytes, 0);
    }
    return bytes + QByteArray(16, '\0');
}

QImage Plain(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

TEST(PictureBounds, FarBeyondMeansMoreThanFourTimesEitherSide) {
    const QSize card(140, 208);
    EXPECT_FALSE(IsFarBeyond(card, card));
    EXPECT_FALSE(IsFarBeyond(QSize(560, 832), card));
    EXPECT_TRUE(IsFarBeyond(QSize(561, 208), card));
    EXPECT_TRUE(IsFarBeyond(QSize(140, 833), card));
    EXPECT_TRUE(IsFarBeyond(QSize(5000, 5000), QSize(752, 500)));
}

TEST(PictureBounds, PictureWithinItsBoundIsRead) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("star.png"));
    ASSERT_TRUE(Plain(52, 13).save(path));
    QString error;
    const QImage read = ReadPictureFileWithin(path, QSize(13, 13), nullptr, &error);
    EXPECT_EQ(read.size(), QSize(52, 13)) << error.toStdString();
}

TEST(PictureBounds, HugeHeaderIsRefusedBeforeDecoding) {
    QByteArray file = ForgedBmpHeader(12000, 12000);
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "BMP");
    QString error;
    EXPECT_TRUE(
        ReadPictureWithin(reader, QSize(752, 500), QStringLiteral("forged"), &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String("12000 x 12000"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("752 x 500"))) << error.toStdString();
}

TEST(PictureBounds, PictureFarBeyondItsBoundIsRefused) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(Plain(53, 13).save(path));
    QString error;
    EXPECT_TRUE(ReadPictureFileWithin(path, QSize(13, 13), nullptr, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

// A library written by rcc as the build writes them, from (entry name, bytes) pairs.
class LibraryLimits : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // compress false: every entry stored as it is, however large.
    QString Write(const QString& file, const QList<std::pair<QString, QByteArray>>& entries,
                  bool compress = true) {
        QByteArray qrc = "<RCC><qresource prefix=\"/\">\n";
        for (const auto& [name, bytes] : entries) {
            const QString part = name + QStringLiteral(".bin");
            EXPECT_TRUE(WriteFile(folder.filePath(part), bytes));
            qrc += QStringLiteral("<file alias=\"%1\">%2</file>\n").arg(name, part).toUtf8();
        }
        qrc += "</qresource></RCC>\n";
        const QString qrcPath = folder.filePath(file + QStringLiteral(".qrc"));
        EXPECT_TRUE(WriteFile(qrcPath, qrc));
        if (compress) {
            EXPECT_EQ(RunRcc(qrcPath, folder.filePath(file)), QString());
        } else {
            EXPECT_EQ(
                QProcess::execute(QStringLiteral(ORVANE_RCC_EXECUTABLE),
                                  {QStringLiteral("--binary"), QStringLiteral("--no-compress"),
                                   QStringLiteral("--output"), folder.filePath(file), qrcPath}),
                0);
        }
        return file;
    }
    QByteArray Bytes(const QString& file) const {
        QFile in(folder.filePath(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(LibraryLimits, CardPictureFarBeyondACardIsRefusedAndItsNeighboursStay) {
    const QString file = Write(QStringLiteral("cards.dll"),
                               {{QStringLiteral("CARD_1"), DibFromQtWriter(Plain(140, 208))},
                                {QStringLiteral("CARD_2"), DibFromQtWriter(Plain(561, 208))},
                                {QStringLiteral("CARD_2@2x"), DibFromQtWriter(Plain(1121, 416))},
                                {QStringLiteral("CARD_3"), DibFromQtWriter(Plain(140, 208))},
                                {QStringLiteral("CARD_3@2x"), DibFromQtWriter(Plain(1120, 832))}});
    const ResourceLibrary& library = ResourceLibrary::Load(file, folder.path());
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.Picture(QStringLiteral("CARD_1")).size(), QSize(140, 208));
    EXPECT_TRUE(library.Picture(QStringLiteral("CARD_2")).isNull());
    EXPECT_TRUE(library.Picture(QStringLiteral("CARD_2"), 2.0).isNull());
    // A double-size entry may be twice as large as a plain one.
    EXPECT_EQ(library.Picture(QStringLiteral("CARD_3"), 2.0).size(), QSize(1120, 832));
}

TEST_F(LibraryLimits, TooManyEntriesAreRefused) {
    QList<std::pair<QString, QByteArray>> entries;
    for (quint32 i = 0; i <= MaxBundleEntries; ++i) {
        entries.append({QStringLiteral("E%1").arg(i), QByteArray("x")});
    }
    const QString many = Write(QStringLiteral("many.dll"), entries);
    EXPECT_FALSE(IsWholeResourceBundle(Bytes(many)));
    entries.resize(MaxBundleEntries - 1);  // with the root folder: at the limit
    const QString enough = Write(QStringLiteral("enough.dll"), entries);
    EXPECT_TRUE(IsWholeResourceBundle(Bytes(enough)));
}

TEST_F(LibraryLimits, OversizedEntryIsRefusedStoredOrCompressed) {
    QByteArray noise(static_cast<qsizetype>(MaxBundleEntrySize) + 1, '\0');
    quint32 state = 12345;
    for (char& byte : noise) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    const QString stored =
        Write(QStringLiteral("stored.dll"), {{QStringLiteral("N"), noise}}, false);
    EXPECT_FALSE(IsWholeResourceBundle(Bytes(stored)));
    const QString compressed =
        Write(QStringLiteral("compressed.dll"), {{QStringLiteral("N"), noise}});
    EXPECT_FALSE(IsWholeResourceBundle(Bytes(compressed)));
    const QString packed =
        Write(QStringLiteral("packed.dll"), {{QStringLiteral("Z"), QByteArray(noise.size(), 'z')}});
    EXPECT_FALSE(IsWholeResourceBundle(Bytes(packed))) << "expands beyond the limit";
    // Noise grows a little when compressed, as the tests' rcc always does: leave it room.
    noise.resize(MaxBundleEntrySize - 64 * 1024);
    const QString fits = Write(QStringLiteral("fits.dll"), {{QStringLiteral("N"), noise}});
    EXPECT_TRUE(IsWholeResourceBundle(Bytes(fits)));
}

TEST_F(LibraryLimits, OversizedLibraryFileIsRefusedUnread) {
    const QString file = Write(QStringLiteral("large.dll"),
                               {{QStringLiteral("CARD_1"), DibFromQtWriter(Plain(140, 208))}});
    QFile grown(folder.filePath(file));
    ASSERT_TRUE(grown.resize(MaxBundleFileSize + 1));  // sparse: costs no disk
    EXPECT_FALSE(ResourceLibrary::Load(file, folder.path()).IsLoaded());
    EXPECT_FALSE(IsWholeResourceBundle(QByteArrayView(Bytes(file))));
}

}  // namespace
}  // namespace orvane
