#include <QPainter>

#include "MainWindowFixture.h"
#include "forms/WindowPicture.h"
#include "widgets/TintCache.h"
#include "widgets/TintImage.h"

#include <QTemporaryDir>

namespace orvane::test {
namespace {

TEST(TintImage, MultipliesColourAndKeepsAlpha) {
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixelColor(0, 0, QColor(255, 255, 255, 255));
    source.setPixelColor(1, 0, QColor(128, 128, 128, 0));
    const QImage tinted = TintImage(source, QColor(255, 128, 0));
    EXPECT_EQ(tinted.pixelColor(0, 0), QColor(255, 128, 0, 255));
    EXPECT_EQ(tinted.pixelColor(1, 0).alpha(), 0);
    EXPECT_TRUE(TintImage(QImage(), Qt::red).isNull());
}

int tintsMade = 0;

QImage CountedTint(const QImage& picture, const QColor& tint) {
    ++tintsMade;
    return TintImage(picture, tint);
}

TEST(TintCache, TintsAgainOnlyWhenThePictureOrTheColourChanges) {
    QImage white(1, 1, QImage::Format_ARGB32);
    white.fill(Qt::white);
    tintsMade = 0;
    int repaints = 0;
    TintCache cache(Qt::red, CountedTint, [&repaints] { ++repaints; });
    cache.SetPicture(white);
    EXPECT_EQ(cache.Tinted().pixelColor(0, 0), QColor(Qt::red));
    cache.SetTint(Qt::red);
    EXPECT_EQ(tintsMade, 1);
    EXPECT_EQ(repaints, 1);

    cache.SetTint(Qt::blue);
    EXPECT_EQ(cache.Tinted().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(tintsMade, 2);
    EXPECT_EQ(repaints, 2);

    // A picture that keeps its own colours passes through whatever the tint.
    cache.SetPicture(white, TintCache::Untinted);
    cache.SetTint(Qt::green);
    EXPECT_EQ(cache.Tinted(), white);
    EXPECT_EQ(cache.Picture(), white);
    EXPECT_EQ(tintsMade, 2);
    EXPECT_EQ(repaints, 4);
}

TEST(TintCache, DrawsOnlyAPictureItHas) {
    QImage canvas(2, 2, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    TintCache cache(Qt::green, TintImage, {});
    EXPECT_FALSE(cache.Draw(painter, canvas.rect()));
    QImage white(1, 1, QImage::Format_ARGB32);
    white.fill(Qt::white);
    cache.SetPicture(white);
    EXPECT_TRUE(cache.Draw(painter, canvas.rect()));
    painter.end();
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::green));
}

// A face as the generator draws it: a light plate with dark lettering.
QImage PlateWithLetter() {
    QImage face(2, 1, QImage::Format_ARGB32);
    face.setPixelColor(0, 0, QColor(240, 240, 240));  // plate
    face.setPixelColor(1, 0, QColor(40, 40, 40));     // lettering
    return face;
}

TEST(TintButtonFace, LightColoursAreMultipliedIn) {
    const QImage tinted = TintButtonFace(PlateWithLetter(), QColor(255, 255, 0));
    EXPECT_EQ(tinted, TintImage(PlateWithLetter(), QColor(255, 255, 0)));
    EXPECT_GT(qGray(tinted.pixel(0, 0)), qGray(tinted.pixel(1, 0)));
}

TEST(TintButtonFace, DarkColoursKeepTheLetteringReadable) {
    for (const QColor dark : {QColor(128, 0, 0), QColor(0, 0, 0)}) {
        const QImage tinted = TintButtonFace(PlateWithLetter(), dark);
        const int plate = qGray(tinted.pixel(0, 0));
        const int letters = qGray(tinted.pixel(1, 0));
        EXPECT_GT(letters - plate, 100) << dark.name().toStdString();
        EXPECT_LT(plate, 90) << dark.name().toStdString();  // the plate takes the dark colour
    }
}

TEST(WindowPicture, ADoublingScreenTakesTheDoubleSizeTwin) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("lamp.png"));
    QImage small(21, 20, QImage::Format_ARGB32);
    small.fill(Qt::white);
    ASSERT_TRUE(small.save(plain));
    QImage big(42, 40, QImage::Format_ARGB32);
    big.fill(Qt::gray);
    ASSERT_TRUE(big.save(dir.filePath(QStringLiteral("lamp@2x.png"))));

    const QImage sharp = LoadWindowPicture(plain, 2.0);
    EXPECT_EQ(sharp.size(), QSize(42, 40));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(LoadWindowPicture(plain, 1.0).size(), QSize(21, 20));

    const QString single = dir.filePath(QStringLiteral("star.png"));
    ASSERT_TRUE(small.save(single));
    EXPECT_EQ(LoadWindowPicture(single, 2.0).size(), QSize(21, 20));  // no twin: the plain one
    EXPECT_TRUE(LoadWindowPicture(dir.filePath(QStringLiteral("none.png")), 2.0).isNull());
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(TintedPicture, DrawsThePictureInItsTint) {
    TTintedPicture star;
    star.resize(13, 13);
    QImage white(13, 13, QImage::Format_ARGB32);
    white.fill(Qt::white);
    star.SetPicture(white);
    star.SetTint(QColor(255, 255, 0));
    EXPECT_EQ(Render(star).pixelColor(6, 6), QColor(255, 255, 0));
    star.SetTint(Qt::black);
    EXPECT_EQ(Render(star).pixelColor(6, 6), QColor(0, 0, 0));
}

TEST(ImageButton, WithoutAFaceDrawsAPlateInItsColour) {
    TImageButton button;
    button.resize(145, 17);
    button.SetColor(QColor(0, 128, 128));
    const QImage dim = Render(button);
    button.SetColor(QColor(255, 255, 0));
    const QImage lit = Render(button);
    EXPECT_NE(dim.pixelColor(10, 8), lit.pixelColor(10, 8));
    EXPECT_GT(lit.pixelColor(10, 8).red(), 150);
}

TEST(EffectLabel, OutlineDrawsAroundTheLetters) {
    TEffectLabel label;
    label.resize(105, 33);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    label.setFont(font);
    label.SetTextColor(Qt::blue);
    label.setText(QStringLiteral("88"));
    auto countWhite = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += (c.alpha() > 200 && c.red() > 200 && c.green() > 200) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_EQ(countWhite(Render(label)), 0);
    label.SetOutline(true, Qt::white);
    EXPECT_GT(countWhite(Render(label)), 20);
}

}  // namespace
}  // namespace orvane::test
