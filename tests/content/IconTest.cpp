// The program icon drawn for the desktop's icon theme.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "WindowPictures.h"

namespace orvane {

namespace {

class IconTest : public ::testing::TestWithParam<int> {};

TEST_P(IconTest, IsASquareRoundedPlateAtTheAskedSize) {
    const int pixels = GetParam();
    const QImage icon = RenderIcon(pixels);
    ASSERT_EQ(icon.size(), QSize(pixels, pixels));
    EXPECT_TRUE(icon.hasAlphaChannel());
    // Rounded corners are see-through; the middle of the plate is solid.
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(pixels - 1, 0).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(pixels / 2, pixels / 2).alpha(), 255);
    // The gold star in the upper right corner of the plate.
    const QColor star = icon.pixelColor(pixels * 196 / 256, pixels * 72 / 256);
    EXPECT_GT(star.red(), 150);
    EXPECT_GT(star.green(), 100);
    EXPECT_LT(star.blue(), star.green());
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, IconTest, ::testing::Values(16, 24, 32, 48, 64, 128, 256));

}  // namespace

}  // namespace orvane
