#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "game/Card.h"
#include "platform/ResourceLibrary.h"

namespace orvane {
namespace {

const QString ContentDir = QStringLiteral(ORVANE_CONTENT_DIR);

// Where each library's corner indices stand on a 140 x 208 face, one box for each corner that
// has one.
struct FaceIndices {
    const char* library;
    std::array<QRect, 2> indices;
};

const std::array<FaceIndices, 3> Libraries = {{
    {"zqcsrl_pi.dll", {QRect(4, 3, 22, 49), QRect(114, 156, 22, 49)}},
    {"zqcsrl_pl.dll", {QRect(3, 8, 34, 85), QRect(101, 115, 36, 87)}},
    {"zqcsrl_asi.dll", {QRect(110, 9, 22, 25), QRect(13, 173, 17, 20)}},
}};

void PrintTo(const FaceIndices& set, std::ostream* out) {
    *out << set.library;
}

// Pixels around an index box that pips and figures must leave as the card's ground.
constexpr int ClearRing = 2;
// The band along the card's edge, inside the frame, that the art must not reach.
constexpr int EdgeBandStart = 4;
constexpr int EdgeBandEnd = 8;

QList<QImage> Faces(const ResourceLibrary& library, qreal scale) {
    QList<QImage> faces;
    for (int value = 1; value < JokerValue; ++value) {
        faces.append(library.Picture(QStringLiteral("CARD_%1").arg(value), scale)
                         .convertToFormat(QImage::Format_ARGB32));
    }
    return faces;
}

bool IsCourt(int value) {
    return RankOfValue(value) > 10;
}

// The ground of the cards of `value`'s kind (court cards or not): at each pixel, the median of
// them all. The pips or the figure of one card rarely fall where those of most others do, so
// what remains is frame and paper.
QImage Ground(const QList<QImage>& faces, int value) {
    QList<QImage> numbers;
    for (int other = 1; other < JokerValue; ++other) {
        if (IsCourt(other) == IsCourt(value)) {
            numbers.append(faces.at(other - 1));
        }
    }
    QImage ground(numbers.front().size(), QImage::Format_ARGB32);
    std::vector<int> channel(static_cast<std::size_t>(numbers.size()));
    for (int y = 0; y < ground.height(); ++y) {
        for (int x = 0; x < ground.width(); ++x) {
            std::array<int, 4> median{};
            for (int c = 0; c < 4; ++c) {
                for (qsizetype i = 0; i < numbers.size(); ++i) {
                    const QRgb p = numbers.at(i).pixel(x, y);
                    const std::array<int, 4> parts = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
                    channel[static_cast<std::size_t>(i)] = parts.at(static_cast<std::size_t>(c));
                }
                std::nth_element(channel.begin(), channel.begin() + numbers.size() / 2,
                                 channel.end());
                median.at(static_cast<std::size_t>(c)) =
                    channel[static_cast<std::size_t>(numbers.size() / 2)];
            }
            ground.setPixel(x, y, qRgba(median[0], median[1], median[2], median[3]));
        }
    }
    return ground;
}

bool IsInk(QRgb seen, QRgb ground) {
    const int difference =
        std::max({std::abs(qRed(seen) - qRed(ground)), std::abs(qGreen(seen) - qGreen(ground)),
                  std::abs(qBlue(seen) - qBlue(ground))});
    return difference > 48;
}

QRect Scaled(const QRect& box, int scale) {
    return {box.topLeft() * scale, box.size() * scale};
}

class CardFaceLayoutTest : public ::testing::TestWithParam<FaceIndices> {
  protected:
    // Pixels of face `value` whose place `counts` that differ from the ground.
    template <typename Where>
    static int InkWhere(const QImage& face, const QImage& ground, Where counts) {
        int ink = 0;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                ink += counts(QPoint(x, y)) && IsInk(face.pixel(x, y), ground.pixel(x, y)) ? 1 : 0;
            }
        }
        return ink;
    }
};

// The pips of the number cards keep a clear ring around the corner indices: none touches a
// rank or a suit sign. (An ace's ornament and a court figure are one piece with their card.)
TEST_P(CardFaceLayoutTest, PipsAndFiguresKeepClearOfTheCornerIndices) {
    const ResourceLibrary& library = ResourceLibrary::Load(GetParam().library, ContentDir);
    ASSERT_TRUE(library.IsLoaded()) << "build the content first";
    for (int scale : {1, 2}) {
        const QList<QImage> faces = Faces(library, scale);
        const std::array<QImage, 2> grounds = {Ground(faces, 1), Ground(faces, 11)};
        for (const QRect& index : GetParam().indices) {
            const QRect box = Scaled(index, scale);
            const QRect ring = box.adjusted(-ClearRing * scale, -ClearRing * scale,
                                            ClearRing * scale, ClearRing * scale);
            const QRect insideFrame =
                faces.front().rect().adjusted(EdgeBandStart * scale, EdgeBandStart * scale,
                                              -EdgeBandStart * scale, -EdgeBandStart * scale);
            const auto inRing = [&](QPoint p) {
                return ring.contains(p) && !box.contains(p) && insideFrame.contains(p);
            };
            for (int value = 1; value < JokerValue; ++value) {
                if (RankOfValue(value) == 1 || IsCourt(value)) {
                    continue;
                }
                EXPECT_EQ(InkWhere(faces.at(value - 1), grounds.at(0), inRing), 0)
                    << GetParam().library << " card " << value << " at " << scale
                    << "x, around the index at " << index.x() << "," << index.y();
            }
        }
    }
}

// Nothing of the art is cut by the card's edge: a band inside the frame stays ground.
TEST_P(CardFaceLayoutTest, ArtStaysInsideTheCardsEdge) {
    const ResourceLibrary& library = ResourceLibrary::Load(GetParam().library, ContentDir);
    ASSERT_TRUE(library.IsLoaded()) << "build the content first";
    for (int scale : {1, 2}) {
        const QList<QImage> faces = Faces(library, scale);
        const std::array<QImage, 2> grounds = {Ground(faces, 1), Ground(faces, 11)};
        const QRect card = faces.front().rect();
        const QRect outer = card.adjusted(EdgeBandStart * scale, EdgeBandStart * scale,
                                          -EdgeBandStart * scale, -EdgeBandStart * scale);
        const QRect inner = card.adjusted(EdgeBandEnd * scale, EdgeBandEnd * scale,
                                          -EdgeBandEnd * scale, -EdgeBandEnd * scale);
        const auto inBand = [&](QPoint p) {
            for (const QRect& index : GetParam().indices) {
                if (Scaled(index, scale).contains(p)) {
                    return false;  // the indices may sit close to the edge
                }
            }
            // The frames' corners are rounded differently from card to card in some decks.
            const bool corner = (p.x() < inner.left() || p.x() > inner.right()) &&
                                (p.y() < inner.top() || p.y() > inner.bottom());
            return outer.contains(p) && !inner.contains(p) && !corner;
        };
        for (int value = 1; value < JokerValue; ++value) {
            EXPECT_EQ(InkWhere(faces.at(value - 1), grounds.at(IsCourt(value) ? 1 : 0), inBand), 0)
                << GetParam().library << " card " << value << " at " << scale << "x";
        }
    }
}

std::string SetName(const ::testing::TestParamInfo<FaceIndices>& set) {
    return "Set" + std::to_string(set.index + 1);
}

INSTANTIATE_TEST_SUITE_P(Generated, CardFaceLayoutTest, ::testing::ValuesIn(Libraries), SetName);

}  // namespace
}  // namespace orvane
