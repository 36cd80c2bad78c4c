#include <gtest/gtest.h>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "layout/TableGeometry.h"
#include "view/TCard.h"

namespace orvane {
namespace {

struct PictureRequest {
    QString library;
    QString name;
    qreal dpr;
};

// A card library in memory: every picture is filled with a colour made from its name, so a
// test can tell from the pixels which picture the card shows.
class FakeLibrary {
  public:
    CardPictureSource Source() {
        return [this](const QString& library, const QString& name, qreal dpr) {
            requests.push_back({library, name, dpr});
            if (missing.contains(name)) {
                return QImage();
            }
            QImage image(TCard::CardWidth, TCard::CardHeight, QImage::Format_RGB32);
            image.fill(ColourOf(name));
            return image;
        };
    }

    static QColor ColourOf(const QString& name) {
        const auto hash = static_cast<int>(qHash(name) % 200u);
        return QColor(40 + hash, 255 - hash, (hash * 7) % 256);
    }

    std::vector<PictureRequest> requests;
    QStringList missing;
};

QColor CentreColour(TCard& card) {
    const QImage shot = card.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

// Records every position a card passes through while it is moved.
class MoveRecorder : public QObject {
  public:
    explicit MoveRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move) {
            lefts.push_back(static_cast<QWidget*>(watched)->x());
            if (onMove) {
                onMove(lefts.size());
            }
        }
        return false;
    }
    std::vector<int> lefts;
    // Runs after each recorded move, in the middle of a slide.
    std::function<void(std::size_t moves)> onMove;
};

class CardViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table.resize(800, 600);
        table.show();
        SetDefaultCardPictureSource(library.Source());
    }
    void TearDown() override { SetDefaultCardPictureSource({}); }

    std::unique_ptr<TCard> HandCard(int index) {
        return std::make_unique<TCard>(index, true, QStringLiteral("zqcsrl_pi.dll"), &table);
    }
    std::unique_ptr<TCard> DupCard(int index) {
        return std::make_unique<TCard>(index, false, QStringLiteral("zqcsrl_pi.dll"), &table);
    }

    QWidget table;
    FakeLibrary library;
};

TEST_F(CardViewTest, ValueGivesSuitAndRankAndTheJokerKeepsItsSuit) {
    auto card = HandCard(1);
    const struct {
        int value, suit, rank;
    } cases[] = {{1, 1, 1},  {13, 1, 13}, {14, 2, 1}, {26, 2, 13},
                 {27, 3, 1}, {40, 4, 1},  {52, 4, 13}};
    for (const auto& c : cases) {
        card->SetCardValue(c.value);
        EXPECT_EQ(card->CardValue, c.value);
        EXPECT_EQ(card->GetSuit(), c.suit) << "value " << c.value;
        EXPECT_EQ(card->GetRank(), c.rank) << "value " << c.value;
    }

    card->SetCardValue(52);
    card->SetCardValue(53);
    EXPECT_EQ(card->GetSuit(), 4);
    EXPECT_EQ(card->GetRank(), 99);

    card->SetSuit(2);
    card->SetCardValue(53);
    EXPECT_EQ(card->GetSuit(), 2);
    EXPECT_EQ(card->GetRank(), 99);
}

TEST_F(CardViewTest, HandCardsSitInTheRowAndDoubleUpCardsFanOutHidden) {
    for (int index = 1; index <= 5; ++index) {
        auto card = HandCard(index);
        EXPECT_EQ(card->geometry(), TableGeometry::HandCard(index).To<QRect>());
        EXPECT_EQ(card->Tag, index);
        EXPECT_EQ(card->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(card->isHidden());
    }
    for (int index : {1, 2, 10}) {
        auto card = DupCard(index);
        EXPECT_EQ(card->geometry(), TableGeometry::DupCard(index).To<QRect>());
        EXPECT_TRUE(card->isHidden());
    }
    auto fresh = HandCard(3);
    EXPECT_EQ(fresh->CardValue, 1);
    EXPECT_TRUE(fresh->ShowBack);
    EXPECT_FALSE(fresh->Held);
    EXPECT_FALSE(fresh->Animated);
    EXPECT_EQ(fresh->CornerRadius, 10);
}

TEST_F(CardViewTest, PictureIsTheBackOrTheFaceByNameFromTheCardsLibrary) {
    auto card = HandCard(2);
    ASSERT_FALSE(library.requests.empty());
    EXPECT_EQ(library.requests.back().name, "CARD_BACK_1");
    EXPECT_EQ(library.requests.back().library, "zqcsrl_pi.dll");
    EXPECT_EQ(library.requests.back().dpr, card->devicePixelRatioF());

    card->SetCardValue(14);
    card->SetBack(false);
    card->Show();
    EXPECT_EQ(library.requests.back().name, "CARD_14");
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_14"));

    card->SetCardValue(53);
    card->Show();
    EXPECT_EQ(library.requests.back().name, "CARD_53");

    card->SetLibrary(QStringLiteral("zqcsrl_asi.dll"));
    EXPECT_EQ(card->LibraryFile, "zqcsrl_asi.dll");
    EXPECT_EQ(library.requests.back().library, "zqcsrl_asi.dll");
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_53"));
}

TEST_F(CardViewTest, SetBackAndSetCardValueChangeNothingUntilShownHeldOrReloaded) {
    auto card = HandCard(1);
    const std::size_t before = library.requests.size();
    const QColor back = FakeLibrary::ColourOf("CARD_BACK_1");

    card->SetBack(false);
    card->SetCardValue(30);
    EXPECT_EQ(library.requests.size(), before);
    EXPECT_EQ(CentreColour(*card), back);

    card->SetHeld(true);
    EXPECT_TRUE(card->GetHeld());
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_30"));

    card->SetBack(true);
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_30"));
    card->SetHeld(false);
    EXPECT_EQ(CentreColour(*card), back);
    EXPECT_FALSE(card->GetHeld());
}

TEST_F(CardViewTest, ShowMakesAHiddenDoubleUpCardVisible) {
    auto card = DupCard(4);
    card->SetCardValue(40);
    card->SetBack(false);
    card->Show();
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(card->x(), 92);
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_40"));
}

TEST_F(CardViewTest, FaceUpCardsNeverSlideAndFaceDownOnlyWhenAnimated) {
    auto card = HandCard(2);
    MoveRecorder moves(*card);

    card->SetAnimated(true);
    card->SetBack(false);
    card->Show();
    EXPECT_TRUE(moves.lefts.empty());

    card->SetAnimated(false);
    card->SetBack(true);
    card->Show();
    EXPECT_TRUE(moves.lefts.empty());
    EXPECT_EQ(card->x(), 176);
}

TEST_F(CardViewTest, HandCardSlidesInWithAStepOfTenTimesItsIndex) {
    auto card = HandCard(5);
    MoveRecorder moves(*card);
    card->SetAnimated(true);
    card->SetBack(true);
    card->Show();
    const std::vector<int> expected{-130, -80, -30, 20,  70,  120, 170, 220, 270,
                                    320,  370, 420, 470, 520, 570, 620, 632};
    EXPECT_EQ(moves.lefts, expected);
    EXPECT_EQ(card->pos(), QPoint(632, 270));
}

TEST_F(CardViewTest, FirstHandCardAndDoubleUpCardsSlideTenPixelsAtATime) {
    auto first = HandCard(1);
    MoveRecorder firstMoves(*first);
    first->SetAnimated(true);
    first->Show();
    ASSERT_EQ(firstMoves.lefts.size(), 17u);
    EXPECT_EQ(firstMoves.lefts.front(), -130);
    EXPECT_EQ(firstMoves.lefts[15], 20);
    EXPECT_EQ(firstMoves.lefts.back(), 24);

    auto dup = DupCard(3);
    dup->SetBack(false);
    dup->Show();
    MoveRecorder dupMoves(*dup);
    dup->SetBack(true);
    dup->SetAnimated(true);
    dup->Show();
    // -130, -120, ..., 60, then the resting place 62.
    ASSERT_EQ(dupMoves.lefts.size(), 21u);
    for (std::size_t k = 0; k + 1 < dupMoves.lefts.size(); ++k) {
        EXPECT_EQ(dupMoves.lefts[k], -130 + 10 * static_cast<int>(k));
    }
    EXPECT_EQ(dup->pos(), QPoint(62, 16));
}

TEST_F(CardViewTest, ShowDuringASlideRestartsItAndTheCardStillEndsAtRest) {
    auto card = HandCard(2);
    card->SetAnimated(true);
    MoveRecorder moves(*card);
    bool nested = false;
    moves.onMove = [&](std::size_t count) {
        if (count == 4 && !nested) {
            nested = true;
            card->Show();  // as a deal arriving while the idle cards slide in
        }
    };
    card->Show();
    EXPECT_TRUE(nested);
    EXPECT_EQ(card->x(), 176);
    EXPECT_EQ(moves.lefts.back(), 176);
    EXPECT_EQ(std::count(moves.lefts.begin(), moves.lefts.end(), 176), 1);

    // The resting place is remembered, not taken from where the card was caught.
    moves.onMove = {};
    card->Show();
    EXPECT_EQ(card->x(), 176);
    EXPECT_EQ(card->RestingLeft(), 176);
}

TEST_F(CardViewTest, CardClosedDuringItsSlideEndsTheSlideQuietly) {
    auto owned = HandCard(3);
    TCard* card = owned.release();
    card->SetAnimated(true);
    MoveRecorder moves(*card);
    moves.onMove = [&](std::size_t count) {
        if (count == 2) {
            QTimer::singleShot(0, card, [card] { delete card; });
        }
    };
    card->Show();
    EXPECT_TRUE(table.findChildren<TCard*>().isEmpty());
}

TEST_F(CardViewTest, RoundedOutlineCutsTheCornersAndSurvivesBeingReapplied) {
    auto card = HandCard(1);
    const auto checkOutline = [&] {
        const QRegion outline = card->mask();
        ASSERT_FALSE(outline.isEmpty());
        EXPECT_TRUE(outline.contains(QPoint(70, 104)));
        EXPECT_TRUE(outline.contains(QPoint(70, 0)));
        EXPECT_TRUE(outline.contains(QPoint(0, 104)));
        for (QPoint corner : {QPoint(0, 0), QPoint(139, 0), QPoint(0, 207), QPoint(139, 207)}) {
            EXPECT_FALSE(outline.contains(corner)) << corner.x() << "," << corner.y();
        }
    };
    checkOutline();
    card->clearMask();
    card->SetRegion();
    checkOutline();
}

// A white card face as the libraries draw it: a rounded outline with a smooth edge.
QImage SmoothEdgedFace() {
    QImage face(TCard::CardWidth, TCard::CardHeight, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(face.rect()), 5.0, 5.0);
    return face;
}

TEST_F(CardViewTest, RoundedEdgeIsBlendedWithWhatLiesBeneath) {
    table.setAutoFillBackground(true);
    QPalette red = table.palette();
    red.setColor(QPalette::Window, QColor(200, 0, 0));
    table.setPalette(red);
    auto card = HandCard(1);
    card->SetPictureSource([](const QString&, const QString&, qreal) { return SmoothEdgedFace(); });
    card->SetBack(false);
    card->Show();
    const QImage shot = table.grab(card->geometry()).toImage();
    // The face laid over the table as a painter blends it: what the player should see.
    QImage expected(shot.size(), QImage::Format_RGB32);
    expected.fill(QColor(200, 0, 0));
    QPainter(&expected).drawImage(0, 0, SmoothEdgedFace());

    int blended = 0;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            for (QPoint p :
                 {QPoint(x, y), QPoint(139 - x, y), QPoint(x, 207 - y), QPoint(139 - x, 207 - y)}) {
                const QColor seen = shot.pixelColor(p);
                const QColor want = expected.pixelColor(p);
                // No dark fringe from an unpainted background, no pixel of the edge cut off.
                EXPECT_NEAR(seen.red(), want.red(), 2) << p.x() << "," << p.y();
                EXPECT_NEAR(seen.green(), want.green(), 2) << p.x() << "," << p.y();
                blended += seen.green() > 20 && seen.green() < 235 ? 1 : 0;
            }
        }
    }
    // Each corner's arc crosses a few pixels in part: they mix red and white.
    EXPECT_GE(blended, 4 * 3);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(200, 0, 0));  // outside the outline: the table
    EXPECT_EQ(shot.pixelColor(70, 104), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(0, 104), QColor(Qt::white));  // the straight edges are whole
}

TEST_F(CardViewTest, MissingPicturesLeaveABlankCardAndTheIdentityIntact) {
    library.missing << QStringLiteral("CARD_BACK_1") << QStringLiteral("CARD_7");
    auto card = HandCard(1);
    EXPECT_TRUE(card->Picture.isNull());
    card->SetCardValue(7);
    card->SetBack(false);
    card->SetAnimated(true);
    card->Show();
    EXPECT_TRUE(card->Picture.isNull());
    EXPECT_EQ(card->GetRank(), 7);
    const QColor blank = CentreColour(*card);

    card->SetCardValue(8);
    card->Show();
    EXPECT_NE(CentreColour(*card), blank);

    // No source at all: every card is blank, and still paints and slides.
    SetDefaultCardPictureSource({});
    auto bare = HandCard(2);
    bare->SetAnimated(true);
    bare->Show();
    EXPECT_TRUE(bare->Picture.isNull());
    EXPECT_EQ(CentreColour(*bare), blank);
    EXPECT_EQ(bare->x(), 176);
}

TEST_F(CardViewTest, OwnSourceTakesPrecedenceOverTheDefault) {
    auto card = HandCard(1);
    card->SetPictureSource([](const QString&, const QString&, qreal) {
        QImage image(TCard::CardWidth, TCard::CardHeight, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    });
    EXPECT_EQ(CentreColour(*card), QColor(Qt::blue));
    card->SetPictureSource({});
    EXPECT_EQ(CentreColour(*card), FakeLibrary::ColourOf("CARD_BACK_1"));
}

TEST_F(CardViewTest, LeftClickReportsTheIndexAndRightPressDeals) {
    auto card = HandCard(4);
    QSignalSpy clicks(card.get(), &TCard::clicked);
    QSignalSpy rightPresses(card.get(), &TCard::rightPressed);

    QTest::mouseClick(card.get(), Qt::LeftButton, {}, QPoint(70, 100));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.front().front().toInt(), 4);
    EXPECT_EQ(rightPresses.count(), 0);

    QTest::mousePress(card.get(), Qt::RightButton, {}, QPoint(70, 100));
    EXPECT_EQ(rightPresses.count(), 1);
    QTest::mouseRelease(card.get(), Qt::RightButton, {}, QPoint(70, 100));
    EXPECT_EQ(clicks.count(), 1);

    // Pressed on the card, released elsewhere: no click.
    QTest::mousePress(card.get(), Qt::LeftButton, {}, QPoint(70, 100));
    QTest::mouseRelease(card.get(), Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace orvane
