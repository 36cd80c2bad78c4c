#include "FakeFlashTarget.h"

namespace orvane::test {

void FakeFlashTarget::StyleBanner(const QColor& color, bool bold) {
    bannerColor = color;
    bannerBold = bold;
}

void FakeFlashTarget::SetHandCardsVisible(bool visible) {
    log << QStringLiteral("cards %1")
               .arg(visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    if (!visible) {
        cards.fill(Face::Hidden);
    }
}

void FakeFlashTarget::ShowHandCardBack(int slot) {
    log << QStringLiteral("back %1").arg(slot);
    cards[static_cast<std::size_t>(slot)] = Face::Back;
    if (onShowBack) {
        onShowBack(slot);
    }
}

void FakeFlashTarget::ShowHandCardJoker(int slot) {
    log << QStringLiteral("joker %1").arg(slot);
    cards[static_cast<std::size_t>(slot)] = Face::Joker;
}

void FakeFlashTarget::SetFlashPictureVisible(bool visible) {
    log << QStringLiteral("picture %1")
               .arg(visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    flashVisible = visible;
}

void FakeFlashTarget::SetFlashEffectStrength(int strength) {
    log << QStringLiteral("strength %1").arg(strength);
    flashStrength = strength;
}

void FakeFlashTarget::SetIndicatorsVisible(bool up, bool down) {
    indicatorUp = up;
    indicatorDown = down;
}

}  // namespace orvane::test
