#include "view/TCard.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

#include "game/Card.h"
#include "view/PictureDensity.h"
#include "view/ViewLog.h"

namespace orvane {

namespace {
// A hand card rests at its slot on the table, a double-up card at its place on the panel.
Box RestingBox(int index, bool large) {
    return large ? TableGeometry::HandCard(index) : TableGeometry::DupCard(index);
}
}  // namespace

TCard::TCard(int index, bool large, const QString& libraryFile, QWidget* parent)
    : QWidget(parent), LibraryFile(libraryFile), Large(large), Tag(index) {
    // Not opaque: the pictures' rounded edges are smooth, partly transparent pixels that blend
    // with whatever lies beneath the card (the table, the double-up panel, another card).
    const Box resting = RestingBox(index, Large);
    restingLeft_ = resting.X;
    setGeometry(resting.X, resting.Y, resting.Width, resting.Height);
    // Hand cards are on the table from the start; double-up cards wait for a gamble.
    if (Large) {
        setCursor(Qt::PointingHandCursor);
    }
    setVisible(Large);
    SetRegion();
    LoadPicture();
}

TCard::~TCard() = default;

void TCard::SetCardValue(int value) {
    CardValue = value;
    Rank = RankOfValue(value);
    if (value != JokerValue) {
        Suit = SuitOfValue(value);
    }
}

void TCard::Show() {
    LoadPicture();
    setVisible(true);
    update();
    if (ShowBack && Animated) {
        SlideIn();
    }
}

void TCard::SetHeld(bool held) {
    Held = held;
    LoadPicture();
    update();
}

void TCard::SetLibrary(const QString& libraryFile) {
    LibraryFile = libraryFile;
    LoadPicture();
    update();
}

QPainterPath TCard::Outline() const {
    QPainterPath outline;
    const qreal radius = CornerRadius / 2.0;
    outline.addRoundedRect(QRectF(rect()), radius, radius);
    return outline;
}

void TCard::SetRegion() {
    // The mask is hard-edged, the outline drawn inside it is not: the mask reaches a pixel
    // beyond the outline so that every pixel the smooth edge touches is shown (blended with
    // what lies beneath), while the corners outside it stay clear for clicks and repaints.
    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::color1, 2.0));
    painter.setBrush(Qt::color1);
    painter.drawPath(Outline());
    painter.end();
    setMask(mask);
}

void TCard::SetPictureSource(CardPictureSource source) {
    pictureSource_ = std::move(source);
    LoadPicture();
    update();
}

QString TCard::ResourceName() const {
    return ShowBack ? QStringLiteral("CARD_BACK_1") : QStringLiteral("CARD_%1").arg(CardValue);
}

void TCard::LoadPicture() {
    const CardPictureSource& source = pictureSource_ ? pictureSource_ : DefaultCardPictureSource();
    loadedDpr_ = PictureDensity(this);
    Picture = source ? source(LibraryFile, ResourceName(), loadedDpr_) : QImage();
    if (Picture.isNull()) {
        qCDebug(lcView) << "no picture" << ResourceName() << "in" << LibraryFile;
    }
}

// The speed of the slide follows the speed of repainting: there is no pause between moves,
// only the processing of pending events.
void TCard::SlideIn() {
    // Events are processed between moves, so another Show can start a slide of its own
    // meanwhile. The newer slide aims at the resting place, not at wherever the card happens to
    // be, and takes over: the older one stops where it is.
    if (slidesRunning_ == 0) {
        restingLeft_ = x();
    }
    const unsigned run = ++slideRun_;
    const int target = restingLeft_;
    const int step = Large ? 10 * Tag : 10;
    ++slidesRunning_;
    SlideStep state = MoveAndYield(SlideStart, run);
    for (int left = SlideStart + step; state == SlideStep::Continue && step > 0 && left <= target;
         left += step) {
        state = MoveAndYield(left, run);
    }
    if (state == SlideStep::Continue) {
        state = MoveAndYield(target, run);
    }
    if (state != SlideStep::Gone) {
        --slidesRunning_;
    }
}

TCard::SlideStep TCard::MoveAndYield(int left, unsigned run) {
    move(left, y());
    const QPointer<TCard> alive(this);
    QCoreApplication::processEvents();
    if (!alive) {
        return SlideStep::Gone;  // closed while sliding
    }
    return run == slideRun_ ? SlideStep::Continue : SlideStep::Overtaken;
}

void TCard::paintEvent(QPaintEvent*) {
    if (!qFuzzyCompare(loadedDpr_, PictureDensity(this))) {
        LoadPicture();  // moved to a screen of another pixel density, or enlarged
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (Picture.isNull()) {
        // No library or no such picture: a plain card face, so the table still reads.
        painter.setPen(QPen(QColor(0x9A, 0x96, 0x8C), 1.0));
        painter.setBrush(QColor(0xF4, 0xF1, 0xE8));
        const qreal radius = CornerRadius / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        return;
    }
    if (Picture.width() / Picture.devicePixelRatio() < width() ||
        Picture.height() / Picture.devicePixelRatio() < height()) {
        painter.fillPath(Outline(), Qt::white);
    }
    // The library's pictures carry the card's outline with a smooth edge of their own.
    painter.drawImage(QPoint(0, 0), Picture);
}

void TCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightPressed();
    } else if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    event->accept();
}

void TCard::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = leftPressed_;
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = false;
    }
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked(Tag);
    }
    event->accept();
}

}  // namespace orvane
