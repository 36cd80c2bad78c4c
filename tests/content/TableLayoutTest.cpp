#include "TableLayout.h"

#include <gtest/gtest.h>

#include <QImage>

#include "Noise.h"
#include "Trim.h"

namespace orvane {
namespace {

const QRect kPicture(0, 0, TableLayout::Width, TableLayout::Height);

// The inside of a side frame, within its metal bezel.
QRectF Opening(const QRectF& frame) {
    return frame.adjusted(5, 5, -5, -5);
}

}  // namespace

TEST(TableLayout, WindowPlacesMoveByThePicturesCornerInTheWindow) {
    EXPECT_EQ(TableLayout::OnBackground(TableGeometry::Background), kPicture);
    const Box card = TableGeometry::HandCard(1);
    const QRect onPicture = TableLayout::OnBackground(card);
    EXPECT_EQ(onPicture.size(), QSize(card.Width, card.Height));
    EXPECT_EQ(
        onPicture.topLeft() + QPoint(TableGeometry::Background.X, TableGeometry::Background.Y),
        QPoint(card.X, card.Y));
}

TEST(TableLayout, EverythingPaintedLiesInsideThePicture) {
    for (const ThemeRecord& theme : Themes()) {
        SCOPED_TRACE(theme.Name);
        const TableLayout l = TableLayout::ForTheme(theme);
        for (const QRect& r : {l.Credit, l.Bet, l.Win, l.Jackpot, l.BonusCards, l.Meter, l.PayTable,
                               l.Panels, l.Message}) {
            EXPECT_TRUE(kPicture.contains(r));
        }
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_TRUE(kPicture.contains(l.Cards[i]));
            EXPECT_TRUE(kPicture.contains(l.HoldMarks[i]));
        }
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(kPicture.contains(l.StarsLeft[i]));
            EXPECT_TRUE(kPicture.contains(l.StarsRight[i]));
        }
        for (const QRect& lamp : l.MeterLamps) {
            EXPECT_TRUE(l.Meter.contains(lamp));
        }
    }
}

// The side frames stand still while a theme moves its labels: in every theme, each value
// window with its caption above it, and the bonus picture and meter, stay inside them.
TEST(TableLayout, EveryThemesValueWindowsStayInsideTheirFrames) {
    for (const ThemeRecord& theme : Themes()) {
        SCOPED_TRACE(theme.Name);
        const TableLayout l = TableLayout::ForTheme(theme);
        for (const QRect& value : {l.Credit, l.Bet, l.Win}) {
            const QRectF windowAndCaption = QRectF(value).adjusted(-3, -18, 3, 2);
            EXPECT_TRUE(Opening(TableLayout::ValueFrame).contains(windowAndCaption)) << value.y();
        }
        EXPECT_TRUE(
            Opening(TableLayout::BonusFrame).contains(QRectF(l.Jackpot).adjusted(-3, -19, 3, 2)));
        EXPECT_TRUE(
            Opening(TableLayout::BonusFrame).contains(QRectF(l.BonusCards).adjusted(-5, -5, 5, 5)));
        EXPECT_TRUE(
            Opening(TableLayout::BonusFrame).contains(QRectF(l.Meter).adjusted(-4, -4, 4, 4)));
        EXPECT_FALSE(TableLayout::ValueFrame.intersects(QRectF(l.Panels)));
        EXPECT_FALSE(TableLayout::BonusFrame.intersects(QRectF(l.Panels)));
    }
}

TEST(Noise, IsRepeatableBoundedAndDependsOnTheSeed) {
    const Noise a(7);
    const Noise b(7);
    const Noise c(8);
    int differs = 0;
    for (int i = 0; i < 200; ++i) {
        const double x = i * 0.37;
        const double y = i * 0.11;
        EXPECT_EQ(a.Fbm(x, y, 4), b.Fbm(x, y, 4));
        EXPECT_GE(a.Value(x, y), 0.0);
        EXPECT_LE(a.Value(x, y), 1.0);
        EXPECT_GE(a.White(i, -i), -1.0);
        EXPECT_LE(a.White(i, -i), 1.0);
        differs += a.Value(x, y) != c.Value(x, y) ? 1 : 0;
    }
    EXPECT_GT(differs, 190);
}

TEST(Noise, ValueNoiseIsSmoothBetweenLatticePoints) {
    const Noise n(3);
    for (int i = 0; i < 100; ++i) {
        const double x = i * 0.01;
        EXPECT_LT(std::abs(n.Value(x + 0.001, 0.5) - n.Value(x, 0.5)), 0.01);
    }
}

TEST(Blur, SpreadsAPointAndKeepsItsWeight) {
    QImage img(21, 21, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    img.setPixel(10, 10, qRgba(255, 255, 255, 255));
    const QImage out = Blurred(img, 2);
    ASSERT_EQ(out.size(), img.size());
    EXPECT_GT(qAlpha(out.pixel(12, 10)), 0);
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);
    EXPECT_LT(qAlpha(out.pixel(10, 10)), 255);
    int total = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            total += qAlpha(out.pixel(x, y));
        }
    }
    // Integer averaging may gain or lose a little at each pass, never much.
    EXPECT_NEAR(total, 255, 40);
}

}  // namespace orvane
