#include "MainTableDisplay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

#include "RgbColor.h"
#include "TableAccess.h"
#include "TableToolTips.h"
#include "base/OneBased.h"
#include "game/SpokenWords.h"
#include "settings/TSettings.h"
#include "view/PictureDensity.h"
#include "view/TCard.h"
#include "view/TFlash.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TTintedPicture.h"

namespace orvane {

namespace {

void ShowCardView(TCard* view, const Card& card) {
    if (view == nullptr) {
        return;
    }
    view->SetCardValue(card.Value);
    view->SetSuit(SuitNumber(card.Suit));  // the joker carries the suit the evaluation gave it
    view->SetBack(card.ShowBack);
    view->setAccessibleName(QString::fromStdString(SpokenCardName(card)));
    view->Show();
}

}  // namespace

void SetLabelTextColor(QWidget* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

MainTableDisplay::MainTableDisplay(QWidget& window, MainControls& controls,
                                   const TSettings& settings, TFlash& flash,
                                   CardPictureSource bonusPictures)
    : window_(window),
      c_(controls),
      settings_(settings),
      flash_(flash),
      bonusPictures_(std::move(bonusPictures)) {}

void MainTableDisplay::ShowHandCard(int slot, const Card& card) {
    ShowCardView(c_.HandCards[OneBased(slot)], card);
}

void MainTableDisplay::SetHandCardHeld(int slot, const Card& card) {
    if (TCard* view = c_.HandCards[OneBased(slot)]) {
        if (view->GetHeld() != card.Held) {
            Announce(SpokenHold(card));
        }
        view->SetHeld(card.Held);
        view->setAccessibleDescription(card.Held ? QStringLiteral("held") : QString());
    }
}

void MainTableDisplay::HideDupCards() {
    for (int i = 1; i <= 10; ++i) {
        if (TCard* view = c_.DupCards[OneBased(i)]) {
            view->hide();
        }
    }
}

void MainTableDisplay::ShowDupCard(int index, const Card& card) {
    ShowCardView(c_.DupCards[OneBased(index)], card);
}

void MainTableDisplay::SetHoldMark(int slot, bool visible) {
    c_.lblHold[OneBased(slot)]->setVisible(visible);
}

void MainTableDisplay::ShowCredit(std::int32_t credit) {
    c_.lblCredit->setText(QString::number(credit));
    SetSpokenName(c_.lblCredit, QString::fromStdString(SpokenValue("Credit", credit)));
}

void MainTableDisplay::ShowBet(std::int32_t bet) {
    c_.lblBet->setText(QString::number(bet));
    SetSpokenName(c_.lblBet, QString::fromStdString(SpokenValue("Bet", bet)));
}

void MainTableDisplay::ShowWin(std::int32_t win) {
    c_.lblWinScore->setText(QString::number(win));
    SetSpokenName(c_.lblWinScore, QString::fromStdString(SpokenValue("Win", win)));
}

void MainTableDisplay::ShowWinCaption(const std::string& caption) {
    c_.lblWinScoreLabel->setText(QString::fromStdString(caption));
}

void MainTableDisplay::ShowJackpot(std::int32_t jackpot) {
    c_.lblOrvaneWin->setText(QString::number(jackpot));
    SetSpokenName(c_.lblOrvaneWin, QString::fromStdString(SpokenValue("Jackpot", jackpot)));
}

void MainTableDisplay::ShowPayValues(const Multipliers& amounts, const std::string& orvaneLine) {
    c_.Label[11]->setText(QString::fromStdString(orvaneLine));
    for (int line = 1; line <= PrizeLines; ++line) {
        c_.Label[OneBased(11 + line)]->setText(QString::number(amounts[OneBased(line)]));
        // Either half of a line reads as the whole line: its name and what it pays.
        const QString spoken = QString::fromStdString(
            SpokenValue(c_.Label[OneBased(line)]->text().toStdString(), amounts[OneBased(line)]));
        SetSpokenName(c_.Label[OneBased(line)], spoken);
        SetSpokenName(c_.Label[OneBased(11 + line)], spoken);
    }
}

void MainTableDisplay::ApplyPayLineColors() {
    for (int line = 1; line <= PrizeLines; ++line) {
        const QColor color = ToQColor(settings_.PayLineColor[OneBased(line)]);
        SetLabelTextColor(c_.Label[OneBased(line)], color);
        SetLabelTextColor(c_.Label[OneBased(line + 11)], color);
    }
}

void MainTableDisplay::ApplyTheme() {
    ApplyPayLineColors();
    if (highlighted_ != NoPrize) {
        for (QLabel* label :
             {c_.Label[OneBased(highlighted_)], c_.Label[OneBased(highlighted_ + 11)]}) {
            SetLabelTextColor(label, QColor::fromRgb(HighlightText));
        }
    }
    flash_.RestyleBanner();
}

void MainTableDisplay::ClearPayHighlight() {
    highlighted_ = NoPrize;
    for (int line = 1; line <= PrizeLines; ++line) {
        c_.Label[OneBased(line)]->setAutoFillBackground(false);
        c_.Label[OneBased(line + 11)]->setAutoFillBackground(false);
    }
    ApplyPayLineColors();
}

void MainTableDisplay::SetPayLineOpaque(PrizeIndex prize, bool opaque) {
    if (prize < 1 || prize > PrizeLines) {
        return;
    }
    // With motion reduced the won line stays lit instead of blinking.
    if (!opaque && settings_.MotionReduced()) {
        return;
    }
    highlighted_ = prize;
    for (QLabel* label : {c_.Label[OneBased(prize)], c_.Label[OneBased(prize + 11)]}) {
        label->setAutoFillBackground(opaque);
        SetLabelTextColor(label, QColor::fromRgb(HighlightText));
        label->update();
    }
}

void MainTableDisplay::ShowStars(int count) {
    for (int k = 1; k <= 3; ++k) {
        const QColor tint = k <= count ? QColor(255, 255, 0) : QColor(0, 0, 0);
        c_.imgStarL[OneBased(k)]->SetTint(tint);
        c_.imgStarR[OneBased(k)]->SetTint(tint);
    }
}

void MainTableDisplay::SetButtonLayout(ButtonLayout layout) {
    const std::optional<ButtonTints> tints =
        TintsForLayout(layout, settings_.InteractiveButtonsEnabled);
    if (!tints) {
        return;
    }
    const QColor lit = ToQColor(settings_.ButtonColor);
    const QColor dim = ToQColor(settings_.ButtonDimColor);
    for (int b = 0; b < GameButtonCount; ++b) {
        c_.Buttons[OneBased(b)]->SetColor((*tints)[OneBased(b)] ? lit : dim);
    }
}

// Only the face changes: each button keeps the lit or dim colour of the layout.
void MainTableDisplay::ShowChoiceButtons(ChoiceButtons choices) {
    for (int slot : ChoiceButtonFaces::Slots) {
        c_.btnHold(slot)->SetFace(c_.ChoiceFaces.Face(choices, slot));
    }
    const bool offer = choices != ChoiceButtons::Off;
    c_.lblDupGuessHint->setText(ChoiceButtonFaces::GuessHint(choices));
    c_.lblDupCollectHint->setText(ChoiceButtonFaces::CollectHint(choices));
    c_.lblDupGuessHint->setVisible(offer);
    c_.lblDupCollectHint->setVisible(offer);
    SetChoiceToolTips(c_, choices);
}

void MainTableDisplay::ShowDoubleUpPanel(bool visible) {
    c_.pnlDoubleUp->setVisible(visible);
    c_.pnlMain->setVisible(!visible);
}

void MainTableDisplay::SetMessage(Message message, bool blink) {
    message_ = message;
    messageBlinks_ = blink;
    if (outOfService_) {
        message = Message::OutOfService;
        blink = true;
    }
    flash_.SetMessage(static_cast<int>(message), blink);
}

void MainTableDisplay::ShowTableMessage() {
    SetMessage(message_, messageBlinks_);
}

void MainTableDisplay::StartIdleAnimation() {
    if (!outOfService_) {
        flash_.StartIdleAnimation();
    }
}

void MainTableDisplay::SetOutOfService(bool outOfService) {
    outOfService_ = outOfService;
    if (outOfService_) {
        flash_.StopIdleAnimation();
    }
    // Back in service, the banner says again what the table last asked for.
    ShowTableMessage();
}

void MainTableDisplay::StopIdleAnimation() {
    flash_.StopIdleAnimation();
}

void MainTableDisplay::SetIndicatorBlink(bool on) {
    flash_.SetIndicatorBlink(on);
}

void MainTableDisplay::PlaySoundEffect(std::string_view name) {
    flash_.PlaySoundEffect(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

void MainTableDisplay::Announce(const std::string& words) {
    AnnounceOn(c_.lblMessage, QString::fromStdString(words));
}

void MainTableDisplay::SetMeterSquare(int square, bool lit) {
    if (square < 1 || square > 10) {
        return;
    }
    c_.imgOrvaneState[OneBased(square)]->SetTint(
        ToQColor(lit ? settings_.MeterLitColor : settings_.MeterUnlitColor));
}

// A rank outside 7..10 names no picture, and a missing library or picture leaves the
// picture that was shown before.
void MainTableDisplay::ShowBonusPicture(std::int32_t orvaneNumber) {
    if (orvaneNumber < FirstOrvaneNumber || orvaneNumber > LastOrvaneNumber ||
        orvaneNumber == bonusShown_ || !bonusPictures_) {
        return;
    }
    const QImage picture =
        bonusPictures_(QString::fromLatin1(BonusLibrary), QStringLiteral("4X%1").arg(orvaneNumber),
                       PictureDensity(&window_));
    if (picture.isNull()) {
        return;
    }
    c_.imgOrvaneCards->setPixmap(QPixmap::fromImage(picture));
    bonusShown_ = orvaneNumber;
}

void MainTableDisplay::ReloadBonusPicture(std::int32_t orvaneNumber) {
    bonusShown_ = 0;
    ShowBonusPicture(orvaneNumber);
}

void MainTableDisplay::Repaint() {
    if (window_.isVisible()) {
        window_.repaint();
    }
    QCoreApplication::processEvents();
}

}  // namespace orvane
