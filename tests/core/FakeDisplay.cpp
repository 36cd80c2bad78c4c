#include "FakeDisplay.h"

#include <algorithm>

#include "base/OneBased.h"

namespace orvane::test {

// As the window's card: showing a face leaves its held look to SetHandCardHeld.
void FakeDisplay::ShowHandCard(int slot, const Card& card) {
    const bool held = hand[OneBased(slot)].Held;
    hand[OneBased(slot)] = card;
    hand[OneBased(slot)].Held = held;
    log.push_back("card " + std::to_string(slot) +
                  (card.ShowBack ? " back" : " " + std::to_string(card.Value)));
}
void FakeDisplay::SetHandCardHeld(int slot, const Card& card) {
    hand[OneBased(slot)].Held = card.Held;
}
void FakeDisplay::HideDupCards() {
    dupVisible.fill(false);
}
void FakeDisplay::ShowDupCard(int index, const Card& card) {
    dupCards[OneBased(index)] = card;
    dupVisible[OneBased(index)] = true;
    log.push_back("dup " + std::to_string(index) +
                  (card.ShowBack ? " back" : " " + std::to_string(card.Value)));
}
void FakeDisplay::SetHoldMark(int slot, bool visible) {
    holdMark[OneBased(slot)] = visible;
}
void FakeDisplay::ShowCredit(std::int32_t c) {
    credit = c;
    creditTrace.push_back(c);
}
void FakeDisplay::ShowBet(std::int32_t b) {
    bet = b;
}
void FakeDisplay::ShowWin(std::int32_t w) {
    win = w;
}
void FakeDisplay::ShowWinCaption(const std::string& caption) {
    winCaption = caption;
}
void FakeDisplay::ShowJackpot(std::int32_t j) {
    jackpot = j;
}
void FakeDisplay::ShowPayValues(const Multipliers& amounts, const std::string& line) {
    payValues = amounts;
    orvaneLine = line;
}
void FakeDisplay::ClearPayHighlight() {
    highlighted = NoPrize;
    log.push_back("highlight clear");
}
void FakeDisplay::SetPayLineOpaque(PrizeIndex prize, bool opaque) {
    highlighted = opaque ? prize : NoPrize;
    log.push_back("highlight " + std::to_string(prize) + (opaque ? " on" : " off"));
}
void FakeDisplay::ShowStars(int count) {
    stars = count;
}
void FakeDisplay::SetButtonLayout(ButtonLayout layout) {
    buttonLayout = layout;
    log.push_back("layout " + std::to_string(static_cast<int>(layout)));
}
void FakeDisplay::ShowChoiceButtons(ChoiceButtons choices) {
    choiceButtons = choices;
    ++choiceButtonCalls;
}
void FakeDisplay::ShowDoubleUpPanel(bool visible) {
    doubleUpPanel = visible;
}
void FakeDisplay::SetMessage(Message m, bool blink) {
    message = m;
    messageBlinks = blink;
    log.push_back("message " + std::to_string(static_cast<int>(m)) +
                  (blink ? " blink" : " steady"));
}
void FakeDisplay::StartIdleAnimation() {
    idleRunning = true;
    ++idleStarts;
}
void FakeDisplay::StopIdleAnimation() {
    idleRunning = false;
}
void FakeDisplay::SetIndicatorBlink(bool on) {
    indicatorBlinking = on;
}
void FakeDisplay::PlaySoundEffect(std::string_view name) {
    sounds.emplace_back(name);
    log.push_back("sound " + std::string(name));
}
void FakeDisplay::SetMeterSquare(int square, bool lit) {
    meterLit[OneBased(square)] = lit;
    log.push_back("square " + std::to_string(square) + (lit ? " on" : " off"));
}
void FakeDisplay::ShowBonusPicture(std::int32_t n) {
    bonusPicture = n;
}

int FakeDisplay::CountSounds(std::string_view name) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

}  // namespace orvane::test
