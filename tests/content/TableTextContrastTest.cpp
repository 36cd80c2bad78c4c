// Every text the table draws in a theme's colours must read against what lies behind it:
// the pay lines on the pay panel, the values and the message banner on the background
// picture. Behind a text on the picture counts the mean colour under its box.

#include <gtest/gtest.h>

#include <QColor>
#include <algorithm>
#include <cstdio>
#include <string>

#include "ImageProbe.h"
#include "TableLayout.h"
#include "settings/Contrast.h"
#include "settings/ThemeCatalog.h"

namespace orvane {
namespace {

namespace G = TableGeometry;

// What a theme shows once applied: a theme that leaves a colour unset keeps the one in force,
// which at start-up is Classic's.
struct Shown {
    const ThemeRecord& theme;
    Rgb message = Themes()[0].MessageColor.value();
    Rgb messageFlash = Themes()[0].MessageFlashColor.value();
    PayLineColors payLines = Themes()[0].PayLineColor.value();

    explicit Shown(const ThemeRecord& t) : theme(t) {
        message = t.MessageColor.value_or(message);
        messageFlash = t.MessageFlashColor.value_or(messageFlash);
        payLines = t.PayLineColor.value_or(payLines);
    }
};

Rgb MeanBehind(const QImage& background, const Box& box) {
    const MeanColour m = meanColour(background, TableLayout::OnBackground(box));
    return {static_cast<std::uint8_t>(m.red + 0.5), static_cast<std::uint8_t>(m.green + 0.5),
            static_cast<std::uint8_t>(m.blue + 0.5)};
}

QImage BackgroundOf(const ThemeRecord& theme) {
    const QString file = QString::fromLatin1(theme.BackgroundFile.data(),
                                             static_cast<qsizetype>(theme.BackgroundFile.size()));
    return decodeAs(readProgramFile(file), file.endsWith(QLatin1String(".jpg")) ? "JPEG" : "BMP");
}

TEST(TableTextContrast, EveryTextReadsAgainstWhatIsBehindItInEveryTheme) {
    for (const ThemeRecord& theme : Themes()) {
        const Shown shown(theme);
        const QImage background = BackgroundOf(theme);
        ASSERT_FALSE(background.isNull()) << theme.Name;
        const std::string name(theme.Name);
        double lowest = 99;
        const auto check = [&](const std::string& what, Rgb text, Rgb behind) {
            const double ratio = ContrastRatio(text, behind);
            EXPECT_GE(ratio, ReadableContrast) << name << " " << what;
            lowest = std::min(lowest, ratio);
        };
        for (int line = 1; line <= 11; ++line) {
            check("pay line " + std::to_string(line),
                  shown.payLines[static_cast<std::size_t>(line)], theme.PanelColor);
        }
        const G::ValueBoxes values = G::ValuesAt(ValueTopsOf(theme));
        for (const auto& [what, box] :
             {std::pair{"credit", values.Credit}, std::pair{"bet", values.Bet},
              std::pair{"win", values.Win}, std::pair{"bonus", values.Bonus}}) {
            check(what, theme.InfoTextColor, MeanBehind(background, box));
        }
        const Rgb banner = MeanBehind(background, G::Message);
        check("message", shown.message, banner);
        check("blinking message", shown.messageFlash, banner);
        std::printf("%-8s lowest contrast %5.2f\n", name.c_str(), lowest);
    }
}

// A lit button and a dim one must differ by more than brightness: by hue, or by light
// lettering on one and dark on the other.
TEST(TableTextContrast, LitAndDimButtonsDifferByMoreThanBrightness) {
    const auto qcolor = [](Rgb c) { return QColor(c.r, c.g, c.b); };
    for (const ThemeRecord& theme : Themes()) {
        const QColor lit = qcolor(theme.ButtonColor);
        const QColor dim = qcolor(theme.ButtonDimColor);
        const bool bothColoured = lit.hsvSaturation() > 60 && dim.hsvSaturation() > 60;
        const int hueApart = std::abs(lit.hsvHue() - dim.hsvHue());
        const bool hues = bothColoured && std::min(hueApart, 360 - hueApart) >= 30;
        constexpr int LightPlate = 100;  // from here on a button carries dark lettering
        const bool lettering = (lit.lightness() >= LightPlate) != (dim.lightness() >= LightPlate);
        EXPECT_TRUE(hues || lettering) << theme.Name;
    }
}

}  // namespace
}  // namespace orvane
