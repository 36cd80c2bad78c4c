#pragma once

namespace orvane {

// A rectangle of whole pixels as the toolkit counts them: left column, top row, width and
// height. Plain C++, so that the window, the content generators and the tests can all
// read the table's geometry without a window system.
struct Box {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    // One past the last column and the last row.
    constexpr int RightEnd() const { return X + Width; }
    constexpr int BottomEnd() const { return Y + Height; }
    // Twice the centre, so that an odd size still gives a whole number.
    constexpr int DoubleCentreX() const { return 2 * X + Width; }

    constexpr bool Contains(const Box& inner) const {
        return inner.X >= X && inner.Y >= Y && inner.RightEnd() <= RightEnd() &&
               inner.BottomEnd() <= BottomEnd();
    }
    constexpr bool Intersects(const Box& other) const {
        return X < other.RightEnd() && other.X < RightEnd() && Y < other.BottomEnd() &&
               other.Y < BottomEnd();
    }
    constexpr Box Moved(int dx, int dy) const { return {X + dx, Y + dy, Width, Height}; }
    // The smallest box holding both.
    constexpr Box United(const Box& other) const {
        const int left = X < other.X ? X : other.X;
        const int top = Y < other.Y ? Y : other.Y;
        const int right = RightEnd() > other.RightEnd() ? RightEnd() : other.RightEnd();
        const int bottom = BottomEnd() > other.BottomEnd() ? BottomEnd() : other.BottomEnd();
        return {left, top, right - left, bottom - top};
    }

    // The same rectangle as a toolkit type built from (x, y, width, height), e.g. QRect.
    template <typename Rect>
    constexpr Rect To() const {
        return Rect(X, Y, Width, Height);
    }

    constexpr bool operator==(const Box&) const = default;
};

}  // namespace orvane
