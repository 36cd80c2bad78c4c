// The hold buttons while a win is on offer: their faces name the double-up choices, the
// panel says which keys do what, and the red and black faces keep their colours.
#include <QDir>
#include <QFontMetrics>

#include "MainWindowFixture.h"

namespace orvane::test {
namespace {

const QColor FaceRed(220, 20, 30);
const QColor FaceBlack(20, 20, 20);

class ChoiceButtons : public MainWindowTest {
  protected:
    // A win on offer after the first draw: three queens, 25 credits.
    void OpenOffer(const char* dupMode = "1") {
        store.Write("DupMode", dupMode);
        Open();
        AddCredit();
        window->btnDealClick();
        window->btnDealClick();
        ASSERT_TRUE(window->Table().DoubleUpOffer().IsOpen());
    }

    // Plain one-colour faces under Data/gfx, so a test can tell tinted from untinted.
    void WriteFaces() {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Data/gfx")));
        const struct {
            const char* file;
            QColor colour;
        } faces[] = {{"hold2.png", Qt::white}, {"hold4.png", Qt::white}, {"hold5.png", Qt::white},
                     {"small.png", Qt::white}, {"big.png", Qt::white},   {"half.png", Qt::white},
                     {"red.png", FaceRed},     {"black.png", FaceBlack}};
        for (const auto& f : faces) {
            QImage face(145, 17, QImage::Format_RGB32);
            face.fill(f.colour);
            ASSERT_TRUE(face.save(
                folder.filePath(QStringLiteral("Data/gfx/") + QString::fromLatin1(f.file))));
        }
    }

    QStringList Captions() const {
        return {Find<TImageButton>("btnHold2")->text(), Find<TImageButton>("btnHold4")->text(),
                Find<TImageButton>("btnHold5")->text()};
    }

    bool HintsShown() const {
        return Find("lblDupGuessHint")->isVisibleTo(window.get()) &&
               Find("lblDupCollectHint")->isVisibleTo(window.get());
    }

    // The colour in the middle of the left end of a button, clear of its lettering.
    QColor Plate(const char* button) const {
        TImageButton* b = Find<TImageButton>(QString::fromLatin1(button));
        QImage image(b->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        b->render(&image);
        return image.pixelColor(12, 8);
    }

    void Switch(int theme) {
        window->Settings().ThemeID = theme;
        window->Settings().ApplyTheme();
    }
};

const QStringList HoldCaptions = {"HOLD 2", "HOLD 4", "HOLD 5"};

TEST_F(ChoiceButtons, SmallBigOfferNamesTheChoicesAndTheKeys) {
    Open();
    EXPECT_EQ(Captions(), HoldCaptions);
    EXPECT_FALSE(HintsShown());
    window.reset();

    OpenOffer("1");
    EXPECT_EQ(Captions(), (QStringList{"SMALL", "BIG", "TAKE HALF"}));
    EXPECT_TRUE(HintsShown());
    EXPECT_EQ(Text("lblDupGuessHint"), "SMALL 2  OR  BIG 4");
    EXPECT_EQ(Text("lblDupCollectHint"), QString::fromUtf8("HALF 5  \u00B7  COLLECT 7"));
    // The title line keeps naming the won hand.
    EXPECT_EQ(Text("lblWinScoreLabel"), "THREE OF A KIND");
    // The faces change, the tints of the offer stay.
    EXPECT_EQ(ButtonColor("btnHold2"), QColor(255, 255, 0));
    EXPECT_EQ(ButtonColor("btnHold3"), QColor(0, 128, 128));
}

TEST_F(ChoiceButtons, RedBlackOfferNamesTheColours) {
    OpenOffer("2");
    EXPECT_EQ(Captions(), (QStringList{"RED", "BLACK", "TAKE HALF"}));
    EXPECT_EQ(Text("lblDupGuessHint"), "RED 2  OR  BLACK 4");
    EXPECT_TRUE(Find<TImageButton>("btnHold2")->KeepsOwnColour());
    EXPECT_TRUE(Find<TImageButton>("btnHold4")->KeepsOwnColour());
    EXPECT_FALSE(Find<TImageButton>("btnHold5")->KeepsOwnColour());
}

TEST_F(ChoiceButtons, HoldButtonsReturnWhenTheOfferEnds) {
    OpenOffer("2");
    Key(Qt::Key_5);  // take half: the offer stays
    EXPECT_EQ(Captions(), (QStringList{"RED", "BLACK", "TAKE HALF"}));
    Key(Qt::Key_7);  // collect the rest
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    EXPECT_EQ(Captions(), HoldCaptions);
    EXPECT_FALSE(HintsShown());
    EXPECT_FALSE(Find<TImageButton>("btnHold2")->KeepsOwnColour());
    window.reset();

    OpenOffer("1");
    window->btnDealClick();  // give the win up for a second draw
    EXPECT_TRUE(window->Table().State().Continued);
    EXPECT_EQ(Captions(), HoldCaptions);
    EXPECT_FALSE(HintsShown());
    window.reset();

    OpenOffer("1");
    while (window->Table().DoubleUpOffer().IsOpen()) {
        Key(Qt::Key_2);  // guess small until the gamble ends
    }
    EXPECT_EQ(Captions(), HoldCaptions);
}

TEST_F(ChoiceButtons, RedAndBlackKeepTheirColoursInEveryTheme) {
    WriteFaces();
    OpenOffer("2");
    for (int theme = 1; theme <= 5; ++theme) {
        Switch(theme);
        window->Controls().btnHold(2)->SetColor(QColor::fromRgb(0x00FFFF));  // any tint at all
        EXPECT_EQ(Plate("btnHold2"), FaceRed) << "theme " << theme;
        EXPECT_EQ(Plate("btnHold4"), FaceBlack) << "theme " << theme;
        // TAKE HALF is tinted like every other button.
        EXPECT_NE(Plate("btnHold5"), QColor(Qt::white)) << "theme " << theme;
    }
    // Back to holding, the white face takes the tint again.
    Key(Qt::Key_7);
    EXPECT_NE(Plate("btnHold2"), QColor(Qt::white));
}

TEST_F(ChoiceButtons, WithoutPicturesTheRedAndBlackPlatesStillShowTheirColours) {
    OpenOffer("2");  // the program folder has no Data/gfx
    for (int theme = 1; theme <= 5; ++theme) {
        Switch(theme);
        const QColor red = Plate("btnHold2");
        EXPECT_GT(red.red(), 2 * red.green()) << "theme " << theme;
        EXPECT_GT(red.red(), 2 * red.blue()) << "theme " << theme;
        EXPECT_LT(Plate("btnHold4").lightness(), 60) << "theme " << theme;
    }
}

TEST_F(ChoiceButtons, HintsFitBesideEveryCaptionAboveTheCards) {
    OpenOffer("2");
    auto* caption = Find<QLabel>("lblWinScoreLabel");
    auto* guess = Find<QLabel>("lblDupGuessHint");
    auto* collect = Find<QLabel>("lblDupCollectHint");
    // No hint reaches down to the double-up cards.
    EXPECT_LE(guess->geometry().bottom(), DupCard(1)->y());
    EXPECT_LE(collect->geometry().bottom(), DupCard(1)->y());

    const QFontMetrics hintMetrics(guess->font());
    const QFontMetrics captionMetrics(caption->font());
    for (const char* mode : {"SMALL 2  OR  BIG 4", "RED 2  OR  BLACK 4"}) {
        const int guessRight =
            guess->x() + hintMetrics.horizontalAdvance(QString::fromLatin1(mode));
        const int collectLeft =
            collect->geometry().right() - hintMetrics.horizontalAdvance(collect->text());
        EXPECT_LE(hintMetrics.horizontalAdvance(QString::fromLatin1(mode)), guess->width());
        EXPECT_LE(hintMetrics.horizontalAdvance(collect->text()), collect->width());
        for (const char* won :
             {"FIVE OF A KIND", "STRAIGHT FLUSH", "THREE OF A KIND", "ORVANE 3X10"}) {
            const int half = captionMetrics.horizontalAdvance(QString::fromLatin1(won)) / 2;
            const int centre = caption->x() + caption->width() / 2;
            EXPECT_LT(guessRight, centre - half) << mode << " / " << won;
            EXPECT_GT(collectLeft, centre + half) << won;
        }
    }
}

}  // namespace
}  // namespace orvane::test
