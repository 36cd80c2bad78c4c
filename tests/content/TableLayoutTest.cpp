#include "TableLayout.h"

#include <gtest/gtest.h>

#include <QImage>

#include "Noise.h"
#include "ThemeStyle.h"
#include "Trim.h"

namespace {

const QRect kPicture(0, 0, TableLayout::kWidth, TableLayout::kHeight);

}  // namespace

TEST(TableLayout, WindowRectanglesMoveByThePictureOrigin) {
    EXPECT_EQ(TableLayout::fromWindow(21, 23, 5, 6), QRect(0, 0, 5, 6));
    const TableLayout l = TableLayout::forTops(LabelTops{});
    EXPECT_EQ(l.credit, QRect(618, 52, 105, 27));
    EXPECT_EQ(l.meter, QRect(29, 177, 109, 41));
    EXPECT_EQ(l.message, QRect(150, 474, 449, 17));
}

TEST(TableLayout, EverythingPaintedLiesInsideThePicture) {
    for (int id = 1; id <= kThemeCount; ++id) {
        const TableLayout l = TableLayout::forTops(themeStyle(id).tops);
        for (const QRect& r :
             {l.credit, l.bet, l.win, l.jackpot, l.bonusCards, l.meter, l.payPanel, l.message}) {
            EXPECT_TRUE(kPicture.contains(r)) << "theme " << id;
        }
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_TRUE(kPicture.contains(l.cards[i]));
            EXPECT_TRUE(kPicture.contains(l.holdMarks[i]));
        }
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(kPicture.contains(l.starsLeft[i]));
            EXPECT_TRUE(kPicture.contains(l.starsRight[i]));
        }
    }
}

TEST(TableLayout, CardRowSpansThePictureAndHoldTagsSitCentredUnderTheCards) {
    const TableLayout l = TableLayout::forTops(LabelTops{});
    EXPECT_EQ(l.cards[0].left(), 3);
    // The fifth card ends one pixel inside the picture's right edge.
    EXPECT_EQ(l.cards[4].left() + l.cards[4].width(), TableLayout::kWidth - 1);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(l.holdMarks[i].center().x(), l.cards[i].center().x());
        EXPECT_EQ(l.holdMarks[i].top(), l.cards[i].bottom() + 1);
    }
}

TEST(TableLayout, ValueWindowsDoNotOverlapInAnyTheme) {
    for (int id = 1; id <= kThemeCount; ++id) {
        const TableLayout l = TableLayout::forTops(themeStyle(id).tops);
        EXPECT_FALSE(l.credit.intersects(l.bet)) << "theme " << id;
        EXPECT_FALSE(l.bet.intersects(l.win)) << "theme " << id;
        EXPECT_FALSE(l.jackpot.intersects(l.bonusCards)) << "theme " << id;
        EXPECT_FALSE(l.bonusCards.intersects(l.meter)) << "theme " << id;
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
        EXPECT_EQ(a.fbm(x, y, 4), b.fbm(x, y, 4));
        EXPECT_GE(a.value(x, y), 0.0);
        EXPECT_LE(a.value(x, y), 1.0);
        EXPECT_GE(a.white(i, -i), -1.0);
        EXPECT_LE(a.white(i, -i), 1.0);
        differs += a.value(x, y) != c.value(x, y) ? 1 : 0;
    }
    EXPECT_GT(differs, 190);
}

TEST(Noise, ValueNoiseIsSmoothBetweenLatticePoints) {
    const Noise n(3);
    for (int i = 0; i < 100; ++i) {
        const double x = i * 0.01;
        EXPECT_LT(std::abs(n.value(x + 0.001, 0.5) - n.value(x, 0.5)), 0.01);
    }
}

TEST(Blur, SpreadsAPointAndKeepsItsWeight) {
    QImage img(21, 21, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    img.setPixel(10, 10, qRgba(255, 255, 255, 255));
    const QImage out = blurred(img, 2);
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
