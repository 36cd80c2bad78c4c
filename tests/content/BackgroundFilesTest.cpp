// The five theme backgrounds and the four theme previews, read the way the game reads
// them: ".zqi" as BMP whatever the name says, "bm_ntr.dat.jpg" as JPEG.

#include <gtest/gtest.h>

#include <QRect>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "ImageProbe.h"
#include "TableLayout.h"
#include "settings/ThemeCatalog.h"

namespace orvane {
namespace {

struct Background {
    QString file;
    const char* format;
    const char* magic;
};

// The catalog names each theme's file; a ".jpg" is read as JPEG, anything else as BMP.
Background BackgroundOf(const ThemeRecord& theme) {
    const QString file = QString::fromLatin1(theme.BackgroundFile.data(),
                                             static_cast<qsizetype>(theme.BackgroundFile.size()));
    if (file.endsWith(QLatin1String(".jpg"))) {
        return {file, "JPEG", "\xFF\xD8\xFF"};
    }
    return {file, "BMP", "BM"};
}

QImage background(std::size_t theme) {
    const Background b = BackgroundOf(Themes()[theme]);
    return decodeAs(readProgramFile(b.file), b.format);
}

// Yellow or white value text needs a dark window, blue text a light one.
bool WritesInLightText(const ThemeRecord& theme) {
    const Rgb text = theme.InfoTextColor;
    return 0.299 * text.r + 0.587 * text.g + 0.114 * text.b > 128.0;
}

// The lowest row of `band` holding a bright (caption) pixel, or -1.
int lowestBrightRow(const QImage& img, const QRect& band) {
    for (int y = band.bottom(); y >= band.top(); --y) {
        if (maxLuminance(img, QRect(band.left(), y, band.width(), 1)) > 150.0) {
            return y;
        }
    }
    return -1;
}

// The card lane between the cards' tops and the message strip.
const QRect kLane = TableLayout::OnBackground({0, 275, 795, 190});

}  // namespace

TEST(BackgroundFiles, EachIsItsFormatByContentAtTableSize) {
    for (const ThemeRecord& theme : Themes()) {
        const Background b = BackgroundOf(theme);
        SCOPED_TRACE(b.file.toStdString());
        const QByteArray bytes = readProgramFile(b.file);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.startsWith(b.magic));
        const QImage img = decodeAs(bytes, b.format);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(752, 500));
    }
}

TEST(BackgroundFiles, EachThemeKeepsItsOwnColour) {
    const MeanColour classic = meanColour(background(0), kLane);
    EXPECT_GT(classic.red, 1.5 * classic.green);
    EXPECT_GT(classic.red, 1.5 * classic.blue);

    const MeanColour green = meanColour(background(1), kLane);
    EXPECT_GT(green.green, 1.5 * green.red);
    EXPECT_GT(green.green, 1.3 * green.blue);

    const MeanColour modern = meanColour(background(2), kLane);
    EXPECT_GT(modern.blue, 1.3 * modern.red);
    EXPECT_GT(modern.blue, 1.5 * modern.green);

    const MeanColour wood = meanColour(background(3), kLane);  // brown: red, then green
    EXPECT_GT(wood.red, wood.green);
    EXPECT_GT(wood.green, wood.blue);

    // The landscape's sky shows in the left margin beside the bonus frame.
    const MeanColour sky = meanColour(background(4), QRect(0, 0, 10, 200));
    EXPECT_GT(sky.blue, sky.red);
}

TEST(BackgroundFiles, ValueWindowsSitUnderTheLabelsAndSuitTheTextColour) {
    for (std::size_t t = 0; t < Themes().size(); ++t) {
        const ThemeRecord& theme = Themes()[t];
        SCOPED_TRACE(theme.Name);
        const QImage img = background(t);
        ASSERT_FALSE(img.isNull());
        // Where the window puts the labels in this theme, on its picture.
        const TableLayout places = TableLayout::ForTheme(theme);
        const std::array<QRect, 4> labels{places.Credit, places.Bet, places.Win, places.Jackpot};
        for (const QRect& label : labels) {
            SCOPED_TRACE(label.y());
            // Stay off the rounded rim: test the body of the window.
            const QRect body = label.adjusted(4, 3, -4, -3);
            if (WritesInLightText(theme)) {
                EXPECT_LT(meanColour(img, body).luminance(), 70.0);
                // Nothing bright, such as its caption, may reach into the window...
                EXPECT_LT(maxLuminance(img, body), 130.0);
                // ...and the caption's letters end a line's gap above it.
                const int captionBottom =
                    lowestBrightRow(img, QRect(label.left(), label.top() - 20, label.width(), 20));
                EXPECT_GE(captionBottom, label.top() - 14);
                EXPECT_LE(captionBottom, label.top() - 8);
            } else {
                EXPECT_GT(meanColour(img, body).luminance(), 190.0);
                // The frame is dark right above the window, where the caption sits.
                EXPECT_LT(meanColour(img, QRect(label.left(), label.top() - 6, label.width(), 4))
                              .luminance(),
                          120.0);
            }
        }
    }
}

TEST(BackgroundFiles, ModernMessageWindowIsLightForItsNavyText) {
    const QRect message = TableLayout::OnBackground(TableGeometry::Message).adjusted(4, 3, -4, -3);
    EXPECT_GT(meanColour(background(2), message).luminance(), 170.0);
    EXPECT_LT(meanColour(background(0), message).luminance(), 70.0);
}

double distance(const MeanColour& a, const MeanColour& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(PreviewFiles, EachIsABmpOfThePreviewSizeShowingItsTheme) {
    // Just under the cards the miniature shows the bare table: compare that band.
    const QRect band(0, 457, 752, 5);
    const QRect miniBand(0, 97, 160, 1);
    // Every theme the options list offers has its preview.
    std::vector<std::size_t> previewed;
    for (std::size_t t = 0; t < Themes().size(); ++t) {
        if (Themes()[t].PreviewFile) {
            previewed.push_back(t);
        }
    }
    ASSERT_GE(previewed.size(), 2U);
    std::vector<MeanColour> tables;
    for (const std::size_t t : previewed) {
        tables.push_back(meanColour(background(t), band));
    }
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const std::string_view file = *Themes()[previewed[t]].PreviewFile;
        const QString name = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readProgramFile(name);
        ASSERT_TRUE(bytes.startsWith("BM"));
        const QImage img = decodeAs(bytes, "BMP");
        ASSERT_EQ(img.size(), QSize(160, 124));
        // A miniature of its own table: closer in colour to it than to any other theme.
        const MeanColour mini = meanColour(img, miniBand);
        for (std::size_t other = 0; other < tables.size(); ++other) {
            if (other != t) {
                EXPECT_LT(distance(mini, tables[t]), distance(mini, tables[other]))
                    << "theme " << other + 1;
            }
        }
    }
}

}  // namespace orvane
