// Where the main window goes on screens of every size and place: always within reach.

#include "layout/WindowFit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "layout/TableGeometry.h"

namespace orvane {
namespace {

namespace G = TableGeometry;

// A fixed stream of numbers in [low, high], so that every run meets the same cases.
class Cases {
  public:
    int Next(int low, int high) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(high - low + 1));
    }

  private:
    std::uint64_t state_ = 2026;
};

// A table control, scaled as the window is, at the window's place.
Box OnScreen(const Box& window, const Box& control, int wantedWidth) {
    const double scale = static_cast<double>(window.Width) / wantedWidth;
    return {window.X + static_cast<int>(control.X * scale),
            window.Y + static_cast<int>(control.Y * scale), static_cast<int>(control.Width * scale),
            static_cast<int>(control.Height * scale)};
}

TEST(WindowFit, TheStripAndTheButtonsAreOnTheFreeAreaOfEveryScreen) {
    Cases cases;
    for (int n = 0; n < 20000; ++n) {
        // Screens left of, above and beside the first, halved by a scale factor, with
        // panels on any edge; windows from tiny to larger than any screen.
        const Box free{cases.Next(-4000, 4000), cases.Next(-3000, 3000), cases.Next(1, 4000),
                       cases.Next(1, 2500)};
        const int wantedWidth = n == 0 ? 800 : cases.Next(1, 5000);
        const int wantedHeight = n == 0 ? 590 : cases.Next(1, 5000);
        const Box fit = FitWindow(free, wantedWidth, wantedHeight);
        SCOPED_TRACE(::testing::Message()
                     << n << ": free " << free.X << ',' << free.Y << ' ' << free.Width << 'x'
                     << free.Height << ", wanted " << wantedWidth << 'x' << wantedHeight);
        ASSERT_TRUE(free.Contains(fit));
        ASSERT_GE(fit.Width, 1);
        ASSERT_GE(fit.Height, 1);
        // Centred: the margins either side differ by a pixel at most.
        ASSERT_LE(std::abs((fit.X - free.X) - (free.RightEnd() - fit.RightEnd())), 1);
        ASSERT_LE(std::abs((fit.Y - free.Y) - (free.BottomEnd() - fit.BottomEnd())), 1);
        if (wantedWidth <= free.Width && wantedHeight <= free.Height) {
            ASSERT_EQ(fit.Width, wantedWidth);
            ASSERT_EQ(fit.Height, wantedHeight);
            continue;
        }
        // Shrunk: as large as fits, one side filling the area, the proportions kept to
        // the pixel.
        ASSERT_TRUE(fit.Width == free.Width || fit.Height == free.Height);
        ASSERT_LE(std::llabs(1LL * fit.Width * wantedHeight - 1LL * fit.Height * wantedWidth),
                  std::max(wantedWidth, wantedHeight));
    }
}

TEST(WindowFit, TheTableWindowOnAScreenHalvedByItsScaleFactor) {
    // 1920 x 1080 at scale factor 2, less a 27 pixel panel: the caption strip and the
    // deal button are on the screen, and nothing stands above its top.
    const Box free{0, 0, 960, 540 - 27};
    const Box window = FitWindow(free, 800, 590);
    EXPECT_GE(window.Y, 0);
    EXPECT_TRUE(free.Contains(OnScreen(window, G::CaptionStrip, 800)));
    EXPECT_TRUE(free.Contains(OnScreen(window, G::DealButton, 800)));
    EXPECT_EQ(FitWindow({0, 0, 1920, 1080}, 800, 590), (Box{560, 245, 800, 590}));
}

TEST(WindowFit, AWindowDraggedAwayComesBackWithinReach) {
    Cases cases;
    for (int n = 0; n < 20000; ++n) {
        const Box free{cases.Next(-3000, 3000), cases.Next(-3000, 3000), cases.Next(1, 4000),
                       cases.Next(1, 2500)};
        const Box dragged{cases.Next(-9000, 9000), cases.Next(-9000, 9000), cases.Next(1, 3000),
                          cases.Next(1, 3000)};
        const Box kept = KeepOnScreen(free, dragged);
        ASSERT_EQ(kept.Width, dragged.Width);
        ASSERT_EQ(kept.Height, dragged.Height);
        if (dragged.Width <= free.Width && dragged.Height <= free.Height) {
            ASSERT_TRUE(free.Contains(kept)) << n;
        } else {
            ASSERT_TRUE(free.Contains({kept.X, kept.Y, 1, 1})) << n;  // the top-left corner
        }
        if (free.Contains(dragged)) {
            ASSERT_EQ(kept, dragged) << n;  // where it may stay, it stays
        }
    }
}

}  // namespace
}  // namespace orvane
