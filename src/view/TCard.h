#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QWidget>

#include "layout/TableGeometry.h"
#include "view/CardPictureSource.h"

namespace orvane {

// One on-screen playing card with rounded corners: the face of a card or the back, from the
// current card library. It also carries the identity the rules read back (value, suit, rank)
// and the hold flag. Hand cards (index 1..5) sit in the table row and answer clicks; double-up
// cards (index 1..10) fan out on the double-up panel and start hidden.
//
// The fields are public to read; change them through the Set operations so the picture follows.
class TCard : public QWidget {
    Q_OBJECT

  public:
    static constexpr int CardWidth = TableGeometry::CardWidth;
    static constexpr int CardHeight = TableGeometry::CardHeight;
    static constexpr int SlideStart = -130;

    TCard(int index, bool large, const QString& libraryFile, QWidget* parent);
    ~TCard() override;

    QString LibraryFile;
    int CardValue = 1;
    int Suit = 1;
    int Rank = 1;
    int CornerRadius = 10;
    bool Held = false;
    bool ShowBack = true;
    QImage Picture;
    bool Large = false;
    bool Animated = false;
    // The card's index: 1..5 for hand cards, 1..10 for double-up cards.
    int Tag = 0;

    // Left coordinate where the card rests (hand: 152 * index - 128, double-up: 30 * index - 28).
    int RestingLeft() const { return restingLeft_; }

    void SetCardValue(int value);
    int GetRank() const { return Rank; }
    int GetSuit() const { return Suit; }
    void SetSuit(int suit) { Suit = suit; }

    // Loads the picture, makes the card visible and schedules a repaint; a face-down card
    // then slides in from the left when animation is on. Hides QWidget::show on purpose.
    void Show();
    void SetHeld(bool held);
    bool GetHeld() const { return Held; }
    // Takes effect at the next Show, SetHeld or SetLibrary.
    void SetBack(bool back) { ShowBack = back; }
    void SetLibrary(const QString& libraryFile);
    void SetAnimated(bool animated) { Animated = animated; }
    // Rounded outline: called at creation and again after every full-screen switch.
    void SetRegion();

    // A source for this card only; an empty one falls back to the default source.
    void SetPictureSource(CardPictureSource source);

  signals:
    // Left click on the card; carries Tag.
    void clicked(int tag);
    // Right button pressed on the card.
    void rightPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void LoadPicture();
    enum class SlideStep { Continue, Overtaken, Gone };
    void SlideIn();
    SlideStep MoveAndYield(int left, unsigned run);
    QString ResourceName() const;
    // The rounded outline of the card, corner ellipse CornerRadius x CornerRadius.
    QPainterPath Outline() const;

    CardPictureSource pictureSource_;
    qreal loadedDpr_ = 0.0;
    int restingLeft_ = 0;
    unsigned slideRun_ = 0;
    int slidesRunning_ = 0;
    bool leftPressed_ = false;
};

}  // namespace orvane
