#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include "MainWindowFixture.h"
#include "forms/MainMenus.h"
#include "view/PictureDensity.h"

namespace orvane::test {
namespace {

// Run on a 1920 x 1080 screen: full screen enlarges the table almost twofold.
class FullScreenOnAWideScreen : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        pictures = [this](const QString& library, const QString& resource, qreal dpr) {
            densities.push_back(dpr);
            return MadePicture(library, resource, dpr);
        };
    }
    std::vector<qreal> densities;
};

TEST_F(FullScreenOnAWideScreen, TheTableFillsTheHeightAndIsCentred) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1920, 1080));
    Open();
    window->show();
    window->Menus().FullScreen->trigger();
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_DOUBLE_EQ(window->TableScale(), 1080.0 / 572.0);
    EXPECT_NEAR(window->TableOrigin().x(), (1920 - 792 * 1080.0 / 572.0) / 2, 1.0);
    EXPECT_EQ(window->TableOrigin().y(), 0);
}

TEST_F(FullScreenOnAWideScreen, PicturesComeAtDoubleSizeWhileEnlarged) {
    Open();
    window->show();
    window->Menus().FullScreen->trigger();
    EXPECT_DOUBLE_EQ(PictureDensityFloor(), 2.0);
    densities.clear();
    window->Surface()->grab();  // paints through the cards
    AddCredit();
    Key(Qt::Key_Return);
    ASSERT_FALSE(densities.empty());
    EXPECT_DOUBLE_EQ(densities.back(), 2.0);

    window->Menus().FullScreen->trigger();
    EXPECT_DOUBLE_EQ(PictureDensityFloor(), 1.0);
    densities.clear();
    window->Surface()->grab();
    ASSERT_FALSE(densities.empty());
    EXPECT_DOUBLE_EQ(densities.back(), 1.0);
}

TEST_F(FullScreenOnAWideScreen, ClosingInFullScreenLeavesItAndTheNormalDensity) {
    store.Write("FullScreenAtStart", "1");
    Open();
    window->show();
    ASSERT_TRUE(window->FullScreen());
    ASSERT_TRUE(window->close());
    EXPECT_FALSE(window->FullScreen());
    EXPECT_DOUBLE_EQ(PictureDensityFloor(), 1.0);
}

}  // namespace
}  // namespace orvane::test
