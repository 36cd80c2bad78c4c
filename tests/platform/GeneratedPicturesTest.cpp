#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QPainter>
#include <array>
#include <cstdlib>

#include "game/Card.h"
#include "platform/ResourceLibrary.h"

namespace orvane {
namespace {

const QString ContentDir = QStringLiteral(ORVANE_CONTENT_DIR);
constexpr std::array<const char*, 3> CardLibraries = {"zqcsrl_pi.dll", "zqcsrl_pl.dll",
                                                      "zqcsrl_asi.dll"};

QStringList CardNames() {
    QStringList names{QStringLiteral("CARD_BACK_1")};
    for (int value = 1; value <= CardsInDeck; ++value) {
        names.append(QStringLiteral("CARD_%1").arg(value));
    }
    return names;
}

const ResourceLibrary& Generated(const char* file) {
    return ResourceLibrary::Load(QString::fromLatin1(file), ContentDir);
}

struct InkCount {
    int red = 0;
    int dark = 0;
};

// Clearly red pixels against near-black ones: the two inks of the suits.
InkCount CountInk(const QImage& picture) {
    InkCount count;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    // Inside the edge, where the card's own frame lines no longer count.
    const int margin = 10;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 255) {
                continue;
            }
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100) {
                ++count.red;
            } else if (c.red() < 70 && c.green() < 70 && c.blue() < 70) {
                ++count.dark;
            }
        }
    }
    return count;
}

class CardLibraryTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CardLibraryTest, HoldsEveryPictureAtBothSizes) {
    const ResourceLibrary& library = Generated(GetParam());
    ASSERT_TRUE(library.IsLoaded()) << "build the content first: " << ContentDir.toStdString();
    for (const QString& name : CardNames()) {
        const QImage picture = library.Picture(name);
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.size(), QSize(140, 208)) << name.toStdString();
        const QImage sharp = library.Picture(name, 2.0);
        ASSERT_FALSE(sharp.isNull()) << name.toStdString();
        EXPECT_EQ(sharp.size(), QSize(280, 416)) << name.toStdString();
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << name.toStdString();
    }
}

// The card's rounded outline (corner radius 5 at 140 x 208) as a smooth-edged painter fills
// it: the coverage of each pixel, in its alpha.
QImage SmoothOutline(QSize size) {
    QImage outline(size, QImage::Format_ARGB32);
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal radius = 5.0 * size.width() / 140.0;
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), radius, radius);
    return outline;
}

// The card view shows the pictures blended over the table, so the corners must be as smooth
// as the outline itself: opaque inside, clear outside and partly covered along the arcs.
TEST_P(CardLibraryTest, PicturesCarryTheCardOutlineWithASmoothEdge) {
    const ResourceLibrary& library = Generated(GetParam());
    ASSERT_TRUE(library.IsLoaded());
    for (qreal scale : {1.0, 2.0}) {
        const QImage outline = SmoothOutline(QSize(140, 208) * scale);
        for (const QString& name : CardNames()) {
            const QImage picture =
                library.Picture(name, scale).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(picture.size(), outline.size());
            int wrong = 0;
            int smooth = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const int alpha = qAlpha(picture.pixel(x, y));
                    wrong += std::abs(alpha - qAlpha(outline.pixel(x, y))) > 3 ? 1 : 0;
                    smooth += alpha > 0 && alpha < 255 ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << name.toStdString() << " at " << scale << "x";
            EXPECT_GE(smooth, 4 * 2) << name.toStdString() << " at " << scale << "x";
        }
    }
}

// Suits 2 and 3 win "red" in the double-up; 1 and 4 win "black". The pictures must agree.
TEST_P(CardLibraryTest, SuitsTwoAndThreeAreRedAndOneAndFourAreBlack) {
    const ResourceLibrary& library = Generated(GetParam());
    ASSERT_TRUE(library.IsLoaded());
    for (int suit = 1; suit <= 4; ++suit) {
        const bool red = suit == 2 || suit == 3;
        for (int rank = 1; rank <= 10; ++rank) {  // the court cards mix many colours
            const int value = (suit - 1) * 13 + rank;
            const InkCount ink = CountInk(library.Picture(QStringLiteral("CARD_%1").arg(value)));
            if (red) {
                EXPECT_GT(ink.red, 300) << "card " << value << ", dark " << ink.dark;
                EXPECT_GT(ink.red, 4 * ink.dark) << "card " << value;
            } else {
                EXPECT_GT(ink.dark, 150) << "card " << value << ", red " << ink.red;
                EXPECT_LT(ink.red, 30) << "card " << value;
            }
        }
    }
}

TEST_P(CardLibraryTest, EveryFaceIsItsOwnPicture) {
    const ResourceLibrary& library = Generated(GetParam());
    ASSERT_TRUE(library.IsLoaded());
    const QStringList names = CardNames();
    QList<QImage> pictures;
    for (const QString& name : names) {
        pictures.append(library.Picture(name));
    }
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        for (qsizetype j = i + 1; j < pictures.size(); ++j) {
            EXPECT_NE(pictures.at(i), pictures.at(j))
                << names.at(i).toStdString() << " = " << names.at(j).toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, CardLibraryTest, ::testing::ValuesIn(CardLibraries));

// Each library's four-colour twin: diamonds blue, clubs green, hearts and spades exactly
// as in the library itself, the back and the joker too.
TEST(GeneratedContent, FourColourTwinsGiveEachSuitItsOwnColour) {
    const auto count = [](const QImage& picture, auto inSuitColour) {
        int n = 0;
        const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 10; y < image.height() - 10; ++y) {
            for (int x = 10; x < image.width() - 10; ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.alpha() == 255 && inSuitColour(c) ? 1 : 0;
            }
        }
        return n;
    };
    const auto blue = [](const QColor& c) {
        return c.blue() > c.red() + 60 && c.blue() > c.green() + 40;
    };
    const auto green = [](const QColor& c) {
        return c.green() > c.red() + 40 && c.green() > c.blue() + 30;
    };
    for (const char* plainFile : CardLibraries) {
        const QString twinFile =
            QString::fromLatin1(plainFile).replace(QLatin1String(".dll"), QLatin1String("_4c.dll"));
        const ResourceLibrary& plain = Generated(plainFile);
        const ResourceLibrary& twin = ResourceLibrary::Load(twinFile, ContentDir);
        ASSERT_TRUE(twin.IsLoaded()) << twinFile.toStdString();
        for (const QString& name : {QStringLiteral("CARD_BACK_1"), QStringLiteral("CARD_53")}) {
            EXPECT_EQ(twin.Picture(name), plain.Picture(name)) << name.toStdString();
        }
        for (int rank = 1; rank <= 10; ++rank) {
            const auto picture = [&](const ResourceLibrary& library, int suit) {
                return library.Picture(QStringLiteral("CARD_%1").arg((suit - 1) * 13 + rank));
            };
            const std::string card = twinFile.toStdString() + " rank " + std::to_string(rank);
            EXPECT_GT(count(picture(twin, 1), green), 150) << card;
            EXPECT_EQ(count(picture(plain, 1), green), 0) << card;
            EXPECT_GT(count(picture(twin, 2), blue), 300) << card;
            EXPECT_EQ(count(picture(plain, 2), blue), 0) << card;
            EXPECT_LT(CountInk(picture(twin, 2)).red, 30) << card;
            EXPECT_EQ(picture(twin, 3), picture(plain, 3)) << card;
            EXPECT_EQ(picture(twin, 4), picture(plain, 4)) << card;
        }
    }
}

TEST(GeneratedContent, TheThreeLibrariesLookDifferent) {
    for (const char* name : {"CARD_1", "CARD_40", "CARD_53", "CARD_BACK_1"}) {
        const QImage a = Generated(CardLibraries[0]).Picture(QString::fromLatin1(name));
        const QImage b = Generated(CardLibraries[1]).Picture(QString::fromLatin1(name));
        const QImage c = Generated(CardLibraries[2]).Picture(QString::fromLatin1(name));
        ASSERT_FALSE(a.isNull() || b.isNull() || c.isNull()) << name;
        EXPECT_NE(a, b) << name;
        EXPECT_NE(b, c) << name;
        EXPECT_NE(a, c) << name;
    }
}

TEST(GeneratedContent, BonusPicturesForEachBonusRank) {
    const ResourceLibrary& library = Generated("zqmrl.dll");
    ASSERT_TRUE(library.IsLoaded());
    QList<QImage> seen;
    for (int rank = 7; rank <= 10; ++rank) {
        const QString name = QStringLiteral("4X%1").arg(rank);
        const QImage picture = library.Picture(name);
        ASSERT_FALSE(picture.isNull()) << rank;
        EXPECT_EQ(picture.size(), QSize(82, 68)) << rank;
        EXPECT_FALSE(picture.hasAlphaChannel()) << rank;  // shown as it is, on any table
        const QImage sharp = library.Picture(name, 2.0);
        EXPECT_EQ(sharp.size(), QSize(164, 136)) << rank;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(82, 68)) << rank;
        EXPECT_FALSE(seen.contains(picture)) << rank;
        seen.append(picture);
    }
    EXPECT_TRUE(library.Picture(QStringLiteral("4X11")).isNull());
    EXPECT_TRUE(library.Picture(QString()).isNull());
}

// The options dialog shows these 160 x 124 and draws white as transparent.
TEST(GeneratedContent, CardSetPreviewsAreBitmapsOnWhite) {
    for (int n = 1; n <= 3; ++n) {
        const QString file = QDir(ContentDir).filePath(QStringLiteral("optcs%1.zqi").arg(n));
        const QImage preview(file, "BMP");
        ASSERT_FALSE(preview.isNull()) << file.toStdString();
        EXPECT_EQ(preview.size(), QSize(160, 124));
        EXPECT_EQ(preview.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(preview.pixel(159, 123), qRgb(255, 255, 255));
        int white = 0;
        for (int y = 0; y < preview.height(); ++y) {
            for (int x = 0; x < preview.width(); ++x) {
                white += preview.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        const int all = preview.width() * preview.height();
        EXPECT_GT(white, all / 5) << n;      // a background to key out ...
        EXPECT_LT(white, all * 3 / 4) << n;  // ... around a fan that fills the frame
    }
}

}  // namespace
}  // namespace orvane
