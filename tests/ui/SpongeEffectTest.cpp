#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>

#include "view/SpongeEffect.h"

namespace orvane {
namespace {

// A banner-like picture: a gradient with sharp bright text, where blotching shows.
QImage Banner() {
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 200, 60);
    gradient.setColorAt(0, QColor(120, 10, 40));
    gradient.setColorAt(1, QColor(20, 10, 90));
    painter.fillRect(image.rect(), gradient);
    painter.fillRect(QRect(20, 20, 160, 4), QColor(255, 210, 40));
    painter.fillRect(QRect(60, 10, 6, 40), QColor(255, 255, 255));
    painter.end();
    return image;
}

double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

TEST(SpongeEffectTest, StrengthZeroIsThePictureUnchanged) {
    const QImage banner = Banner();
    EXPECT_EQ(SpongeEffect(banner, 0), banner);
    EXPECT_EQ(SpongeEffect(banner, -1), banner);
}

TEST(SpongeEffectTest, PictureGetsSharperAsTheStrengthFalls) {
    const QImage banner = Banner();
    double previous = 1e9;
    for (int strength = 5; strength >= 1; --strength) {
        const QImage filtered = SpongeEffect(banner, strength);
        ASSERT_EQ(filtered.size(), banner.size());
        const double difference = MeanDifference(filtered, banner);
        EXPECT_GT(difference, 0.5) << "strength " << strength;
        EXPECT_LT(difference, previous) << "strength " << strength;
        previous = difference;
    }
    // Full strength is no mere tint: the picture is far from the original.
    EXPECT_GT(MeanDifference(SpongeEffect(banner, 5), banner), 10.0);
    EXPECT_EQ(SpongeEffect(banner, 9), SpongeEffect(banner, 5));
}

TEST(SpongeEffectTest, SameStrengthGivesTheSamePicture) {
    const QImage banner = Banner();
    EXPECT_EQ(SpongeEffect(banner, 3), SpongeEffect(banner, 3));
}

TEST(SpongeEffectTest, TransparencyAndPixelRatioAreKept) {
    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setDevicePixelRatio(2.0);
    const QImage filtered = SpongeEffect(clear, 5);
    EXPECT_EQ(filtered.devicePixelRatio(), 2.0);
    for (int y = 0; y < filtered.height(); ++y) {
        for (int x = 0; x < filtered.width(); ++x) {
            ASSERT_EQ(qAlpha(filtered.pixel(x, y)), 0);
        }
    }
}

TEST(SpongeEffectTest, NullAndTinyPicturesAreHandled) {
    EXPECT_TRUE(SpongeEffect(QImage(), 5).isNull());
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(Qt::red);
    EXPECT_EQ(SpongeEffect(dot, 5).size(), QSize(1, 1));
}

TEST(SpongeEffectTest, WidgetEffectKeepsItsStrengthInRange) {
    SpongeGraphicsEffect effect;
    EXPECT_EQ(effect.Strength(), 0);
    effect.SetStrength(3);
    EXPECT_EQ(effect.Strength(), 3);
    effect.SetStrength(12);
    EXPECT_EQ(effect.Strength(), 5);
    effect.SetStrength(-4);
    EXPECT_EQ(effect.Strength(), 0);
}

TEST(SpongeEffectTest, WidgetEffectBlotchesThePictureItIsSetOn) {
    QLabel flash;
    flash.setPixmap(QPixmap::fromImage(Banner()));
    flash.resize(200, 60);
    const QImage sharp = flash.grab().toImage();

    auto* effect = new SpongeGraphicsEffect;
    flash.setGraphicsEffect(effect);
    effect->SetStrength(5);
    const QImage blotched = flash.grab().toImage();
    ASSERT_EQ(blotched.size(), sharp.size());
    EXPECT_GT(MeanDifference(blotched, sharp), 10.0);

    effect->SetStrength(0);
    EXPECT_EQ(MeanDifference(flash.grab().toImage(), sharp), 0.0);
}

}  // namespace
}  // namespace orvane
