#include "MainFlashTarget.h"

#include <QLabel>

#include "RgbColor.h"
#include "TableAccess.h"
#include "base/OneBased.h"
#include "game/Card.h"
#include "settings/TSettings.h"
#include "view/SpongeEffect.h"
#include "view/TCard.h"
#include "widgets/TEffectLabel.h"

namespace orvane {

MainFlashTarget::MainFlashTarget(MainControls& controls, std::function<void()> clearTable)
    : c_(controls), clearTable_(std::move(clearTable)) {
    sponge_ = new SpongeGraphicsEffect(c_.imgFlash);
    c_.imgFlash->setGraphicsEffect(sponge_);
}

void MainFlashTarget::SetBannerText(const QString& text) {
    c_.lblMessage->setText(text);
}

void MainFlashTarget::AnnounceBanner(const QString& text) {
    AnnounceOn(c_.lblMessage, text);
}

QString MainFlashTarget::BannerText() const {
    return c_.lblMessage->text();
}

void MainFlashTarget::StyleBanner(const QColor& color, bool bold) {
    c_.lblMessage->SetTextColor(color);
    QFont font = c_.lblMessage->font();
    font.setBold(bold);
    c_.lblMessage->setFont(font);
}

void MainFlashTarget::HideHoldMarks() {
    for (int n = 1; n <= 5; ++n) {
        c_.lblHold[OneBased(n)]->hide();
    }
}

void MainFlashTarget::ShowPayTable() {
    c_.pnlDoubleUp->hide();
    c_.pnlMain->show();
}

void MainFlashTarget::ClearPayHighlightAndStars() {
    if (clearTable_) {
        clearTable_();
    }
}

void MainFlashTarget::SetHandCardsVisible(bool visible) {
    for (int n = 1; n <= 5; ++n) {
        if (TCard* card = c_.HandCards[OneBased(n)]) {
            card->setVisible(visible);
        }
    }
}

void MainFlashTarget::ShowHandCardBack(int slot) {
    if (TCard* card = c_.HandCards[OneBased(slot)]) {
        card->SetBack(true);
        card->Show();
    }
}

void MainFlashTarget::ShowHandCardJoker(int slot) {
    if (TCard* card = c_.HandCards[OneBased(slot)]) {
        card->SetCardValue(JokerValue);
        card->SetBack(false);
        card->Show();
    }
}

void MainFlashTarget::SetFlashPictureVisible(bool visible) {
    c_.imgFlash->setVisible(visible);
}

void MainFlashTarget::SetFlashEffectStrength(int strength) {
    sponge_->SetStrength(strength);
}

bool MainFlashTarget::IndicatorUpVisible() const {
    return c_.imgDupIndicatorUp->isVisibleTo(c_.pnlDoubleUp);
}

void MainFlashTarget::SetIndicatorsVisible(bool up, bool down) {
    c_.imgDupIndicatorUp->setVisible(up);
    c_.imgDupIndicatorDown->setVisible(down);
}

FlashSettings FlashSettingsOf(const TSettings& settings) {
    FlashSettings f;
    f.MessageFlashColor = ToQColor(settings.MessageFlashColor);
    f.MessageColor = ToQColor(settings.MessageColor);
    f.SoundEnabled = settings.SoundEnabled;
    f.SoundThemeFolder = QString::fromStdString(settings.SoundThemeFolder);
    f.ReducedMotion = settings.MotionReduced();
    return f;
}

}  // namespace orvane
