#pragma once

#include "Box.h"

namespace orvane {

// Where a window of a wanted outer size goes on a screen whose free area (the desktop less
// its panels) is `available`. A window that fits keeps its size and stands in the middle;
// one that does not is shrunk, its proportions kept, until it fits, so that its top-left
// corner, its caption strip and its bottom row of buttons are all on the screen and
// within reach. Never larger than wanted, never smaller than one pixel.
constexpr Box FitWindow(const Box& available, int wantedWidth, int wantedHeight) {
    int width = wantedWidth;
    int height = wantedHeight;
    if (width > available.Width || height > available.Height) {
        // The smaller of the two ratios, in whole pixels, rounded down so that it fits.
        const long long byWidth = 1LL * available.Width * wantedHeight;
        const long long byHeight = 1LL * available.Height * wantedWidth;
        if (byWidth <= byHeight) {
            width = available.Width;
            height = static_cast<int>(byWidth / wantedWidth);
        } else {
            height = available.Height;
            width = static_cast<int>(byHeight / wantedHeight);
        }
    }
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    return {available.X + (available.Width - width) / 2,
            available.Y + (available.Height - height) / 2, width, height};
}

// A window moved by hand stays where its caption strip can be taken again: it is pushed
// back inside the free area, at its size; one larger than the area keeps its top-left
// corner on it.
constexpr Box KeepOnScreen(const Box& available, Box window) {
    const int right = available.RightEnd() - window.Width;
    const int bottom = available.BottomEnd() - window.Height;
    window.X = window.X > right ? right : window.X;
    window.Y = window.Y > bottom ? bottom : window.Y;
    window.X = window.X < available.X ? available.X : window.X;
    window.Y = window.Y < available.Y ? available.Y : window.Y;
    return window;
}

}  // namespace orvane
