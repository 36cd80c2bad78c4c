// The main window's default pictures under "Data/gfx/", each with its HiDPI twin.

#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <array>

#include "ImageProbe.h"

namespace {

struct Picture {
    const char* name;
    QSize size;
};

constexpr std::array<Picture, 21> kPictures{{
    {"hold", {36, 10}},      {"lamp", {21, 20}},   {"star", {13, 13}},   {"dup_up", {25, 100}},
    {"dup_down", {25, 100}}, {"hold1", {145, 17}}, {"hold2", {145, 17}}, {"hold3", {145, 17}},
    {"hold4", {145, 17}},    {"hold5", {145, 17}}, {"bet", {145, 17}},   {"cash", {145, 17}},
    {"deal", {145, 17}},     {"small", {145, 17}}, {"big", {145, 17}},   {"half", {145, 17}},
    {"red", {145, 17}},      {"black", {145, 17}}, {"flash", {500, 72}}, {"splash", {420, 270}},
    {"icon", {256, 256}},
}};

QImage picture(const char* name, bool hiDpi = false) {
    const QString file =
        QStringLiteral("Data/gfx/%1%2.png")
            .arg(QString::fromLatin1(name), hiDpi ? QStringLiteral("@2x") : QString());
    return decodeAs(readProgramFile(file), "PNG");
}

}  // namespace

TEST(WindowPictureFiles, EachHasItsSizeAndADoubleSizeTwin) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.name);
        const QImage normal = picture(p.name);
        const QImage twice = picture(p.name, true);
        ASSERT_FALSE(normal.isNull());
        ASSERT_FALSE(twice.isNull());
        EXPECT_EQ(normal.size(), p.size);
        EXPECT_EQ(twice.size(), p.size * 2);
    }
}

TEST(WindowPictureFiles, TintedPicturesAreLightAndNeutral) {
    // The window multiplies these by a theme colour: any hue of their own, or a dark
    // face, would spoil the tint.
    for (const char* name :
         {"lamp", "star", "hold1", "bet", "cash", "deal", "small", "big", "half"}) {
        SCOPED_TRACE(name);
        const QImage img = picture(name);
        ASSERT_FALSE(img.isNull());
        EXPECT_LE(maxChroma(img), 8);
        EXPECT_GT(meanColour(img).luminance(), 150.0);
    }
}

TEST(WindowPictureFiles, OverlaysAreTransparentAroundTheirShape) {
    // Stars, arrows and the hold tag lie over the background: their corners must let it
    // show; the splash fills its window completely.
    for (const char* name : {"star", "dup_up", "dup_down", "icon"}) {
        SCOPED_TRACE(name);
        const QImage img = picture(name).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                opaque += qAlpha(img.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, img.width() * img.height() / 5);
    }
    const QImage splash = picture("splash").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(splash.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(splash.pixel(419, 269)), 255);
}

TEST(WindowPictureFiles, ButtonFacesCarryDifferentWords) {
    // Same size and style, different lettering: no two faces may be identical.
    const std::array<const char*, 13> faces{"hold1", "hold2", "hold3", "hold4", "hold5",
                                            "bet",   "cash",  "deal",  "small", "big",
                                            "half",  "red",   "black"};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        for (std::size_t j = i + 1; j < faces.size(); ++j) {
            EXPECT_NE(picture(faces[i]), picture(faces[j])) << faces[i] << " vs " << faces[j];
        }
    }
}

TEST(WindowPictureFiles, RedAndBlackChoicesAreInTheColoursOfTheirCards) {
    // Shown untinted: the red face must read red and the black one dark, in every theme.
    const MeanColour red = meanColour(picture("red"));
    EXPECT_GT(red.red, 2 * red.green);
    EXPECT_GT(red.red, 2 * red.blue);
    EXPECT_GT(red.red, 110);
    EXPECT_LT(meanColour(picture("black")).luminance(), 70);
    EXPECT_LE(maxChroma(picture("black")), 40);
}
