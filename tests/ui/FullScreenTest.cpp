#include <QAction>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

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

    // Where the player sees a table control: its place in the window, enlarged.
    QRect OnScreen(const QWidget* control) const {
        const qreal scale = window->TableScale();
        const QPoint onTable = control->mapTo(window->Surface(), QPoint(0, 0));
        return QRect(window->TableOrigin() + onTable * scale, control->size() * scale);
    }
    // The widget the window system hands the pointer to while the table is enlarged.
    QWidget* ViewUnderThePointer() const {
        auto* view = window->findChild<QGraphicsView*>(QStringLiteral("TableView"));
        return view != nullptr && view->isVisible() ? view->viewport() : nullptr;
    }
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

// The strip's "_" and "X" (answered Yes) and the quick-exit key, pressed and released
// through the enlarged view as the player does: each way out of full screen leaves it
// whole, while the view is still delivering the press that asked for it.
TEST_F(FullScreenOnAWideScreen, EveryWayOutOfFullScreenFromTheTableItselfLeavesItWhole) {
    const auto click = [this](const char* button) {
        QWidget* viewport = ViewUnderThePointer();
        ASSERT_NE(viewport, nullptr);
        const QPoint at = OnScreen(Find(QString::fromLatin1(button))).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, viewport->mapFrom(window.get(), at));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, viewport->mapFrom(window.get(), at));
    };
    const std::function<void()> ways[] = {
        [&] { click("btnMinimize"); },
        [&] { click("btnExit"); },
        [&] { QTest::keyClick(ViewUnderThePointer(), Qt::Key_Q, Qt::ControlModifier); },
    };
    for (const auto& leave : ways) {
        store.Write("FullScreenAtStart", "1");
        Open();
        window->show();
        ASSERT_TRUE(window->FullScreen());
        AddCredit();
        leave();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(window->FullScreen());
        EXPECT_EQ(ViewUnderThePointer(), nullptr);
        EXPECT_TRUE(window->isMinimized() || !window->isVisible());
        EXPECT_EQ(window->Surface()->parentWidget(), window.get());
        window.reset();
    }
}

// The lamp digits are drawn, each on its lamp, while the table is enlarged.
TEST_F(FullScreenOnAWideScreen, EveryMeterDigitIsDrawnOnItsLamp) {
    store.Write("FullScreenAtStart", "1");
    Open();
    window->show();
    ASSERT_TRUE(window->FullScreen());
    for (int n = 23; n <= 32; ++n) {
        QLabel* digit = Label(n);
        const QRect around = OnScreen(digit).adjusted(-2, -2, 2, 2);
        const QImage shown = window->grab(around).toImage();
        digit->hide();
        const QImage hidden = window->grab(around).toImage();
        digit->show();
        EXPECT_NE(shown, hidden) << "the digit " << digit->text().toStdString();
    }
}

// Windowed on the wide screen, the window follows its strip where the window system does
// not move it, and never leaves the screen's free area.
TEST_F(FullScreenOnAWideScreen, TheStripDragsTheWindowAndKeepsItWithinReach) {
    Open();
    window->show();
    QWidget* strip = Find(QStringLiteral("CaptionShape"));
    const QPoint start = window->pos();
    const auto drag = [strip](QPoint from, QPoint to) {
        QTest::mousePress(strip, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, strip->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
        QTest::mouseRelease(strip, Qt::LeftButton, {}, to);
    };
    drag({100, 10}, {130, 30});
    EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    drag({100, 10}, {-3000, -3000});
    const QRect free = window->screen()->availableGeometry();
    EXPECT_EQ(window->pos(), free.topLeft());
    drag({100, 10}, {5000, 5000});
    EXPECT_EQ(window->geometry().bottomRight(), free.bottomRight());
}

}  // namespace
}  // namespace orvane::test
