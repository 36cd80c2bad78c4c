// Pictures, libraries and the background may be missing or broken: the table stays
// blank where they would be and the game goes on.
#include <QFile>

#include "MainWindowFixture.h"

namespace orvane::test {
namespace {

class MissingContent : public MainWindowTest {
  protected:
    // Deal, draw the three queens and collect the win of 25.
    void PlayRound() {
        AddCredit();
        window->btnDealClick();
        window->btnDealClick();
        window->btnCashClick();
    }
};

TEST_F(MissingContent, NoBackgroundIsReportedAndTheGamePlays) {
    QFile::remove(folder.filePath(QStringLiteral("bm_clas.zqi")));
    Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QLatin1String("Fatal error ! ")));
    EXPECT_TRUE(errors[0].contains(QLatin1String("bm_clas.zqi")));
    EXPECT_TRUE(Find<QLabel>("imgBackground")->pixmap().isNull());
    // The rest of the theme still applies.
    EXPECT_EQ(Find("pnlMain")->palette().color(QPalette::Window), QColor(108, 24, 24));
    PlayRound();
    EXPECT_EQ(Text("lblCredit"), "115");
}

TEST_F(MissingContent, DamagedBackgroundIsReportedLikeAMissingOne) {
    WriteFile(QStringLiteral("bm_clas.zqi"));
    Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(Find<QLabel>("imgBackground")->pixmap().isNull());
}

// No card set gives a picture, and there is no list of files to blame: the machine deals
// no blank cards, it is out of service and takes no bet.
TEST_F(MissingContent, NoCardLibraryDealsNoBlankCards) {
    pictures = [](const QString&, const QString&, qreal) { return QImage(); };
    Open();
    EXPECT_TRUE(window->Table().OutOfService());
    EXPECT_TRUE(informed.join(u'|').contains(QLatin1String("OUT OF SERVICE")));
    AddCredit();
    window->btnDealClick();
    EXPECT_EQ(Text("lblCredit"), "100") << "no bet taken";
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    EXPECT_TRUE(Find<QLabel>("imgOrvaneCards")->pixmap().isNull());
}

TEST_F(MissingContent, CardsShowTheirLibraryPicturesWhenPresent) {
    Open();
    AddCredit();
    window->btnDealClick();
    for (int slot = 1; slot <= 5; ++slot) {
        ASSERT_FALSE(HandCard(slot)->Picture.isNull()) << slot;
        EXPECT_EQ(HandCard(slot)->Picture.pixelColor(70, 100), QColor(Qt::white));
    }
}

TEST_F(MissingContent, BonusPictureComesFromTheBonusLibrary) {
    QStringList requested;
    pictures = [&requested](const QString& library, const QString& name, qreal dpr) {
        if (library == QLatin1String("zqmrl.dll")) {
            requested << name;
        }
        return MadePicture(library, name, dpr);
    };
    store.Write("OrvaneNumber", "8");
    Open();
    EXPECT_TRUE(requested.contains(QStringLiteral("4X8")));
    EXPECT_EQ(Find<QLabel>("imgOrvaneCards")->pixmap().size(), QSize(82, 68));
}

TEST_F(MissingContent, MissingBonusPictureKeepsThePreviousOne) {
    pictures = [](const QString& library, const QString& name, qreal dpr) {
        return name == QLatin1String("4X8") ? QImage() : MadePicture(library, name, dpr);
    };
    store.Write("OrvaneNumber", "7");
    Open();
    ASSERT_FALSE(Find<QLabel>("imgOrvaneCards")->pixmap().isNull());
    window->Table().State().OrvaneNumber = 8;
    window->btnBetClick();  // shows the bonus picture of the rank again
    EXPECT_FALSE(Find<QLabel>("imgOrvaneCards")->pixmap().isNull());
}

TEST_F(MissingContent, BonusRankOutsideItsRangeNamesNoPicture) {
    QStringList requested;
    pictures = [&requested](const QString& library, const QString& name, qreal dpr) {
        requested << name;
        return MadePicture(library, name, dpr);
    };
    store.Write("OrvaneNumber", "6");
    Open();
    EXPECT_FALSE(requested.contains(QStringLiteral("4X6")));
    EXPECT_TRUE(Find<QLabel>("imgOrvaneCards")->pixmap().isNull());
    PlayRound();
    EXPECT_EQ(Text("lblCredit"), "115");
}

TEST_F(MissingContent, WindowPicturesMissingLeaveBlanksButButtonsUsable) {
    Open();  // the temporary program folder has no Data/gfx at all
    auto* star = Find<TTintedPicture>("imgStarL1");
    EXPECT_FALSE(star->HasPicture());
    auto* deal = Find<TImageButton>("btnDeal");
    EXPECT_FALSE(deal->HasPicture());
    EXPECT_EQ(deal->text(), "DEAL");
    AddCredit();
    deal->click();
    EXPECT_EQ(Text("lblCredit"), "95");
}

}  // namespace
}  // namespace orvane::test
