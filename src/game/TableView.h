#pragma once

#include <array>
#include <cstdint>

#include "ButtonLayout.h"
#include "TableDisplay.h"

namespace orvane {

// What the table last told the display beyond its own state: enough to draw the table
// again exactly as it stood after a restart.
struct TableView {
    std::array<bool, 6> HoldMarks{};  // slots 1..5
    std::int32_t Stars = 0;
    ButtonLayout Layout = ButtonLayout::Idle;
    Message Banner = Message::None;
    bool BannerBlinks = false;
    bool IndicatorBlinks = false;
    bool DoubleUpPanel = false;
    // The bonus rank the win's caption was shown with; the rank moves on when the win ends.
    std::int32_t CaptionRank = 7;

    bool operator==(const TableView&) const = default;
};

// Passes everything on to the window's display and keeps a TableView of it.
class ViewTracker : public TableDisplay {
  public:
    explicit ViewTracker(TableDisplay& display) : d_(display) {}

    const TableView& View() const { return view_; }
    void Restore(const TableView& view) { view_ = view; }
    void NoteCaptionRank(std::int32_t orvaneNumber) { view_.CaptionRank = orvaneNumber; }

    void ShowHandCard(int slot, const Card& card) override { d_.ShowHandCard(slot, card); }
    void SetHandCardHeld(int slot, const Card& card) override { d_.SetHandCardHeld(slot, card); }
    void HideDupCards() override { d_.HideDupCards(); }
    void ShowDupCard(int index, const Card& card) override { d_.ShowDupCard(index, card); }
    void SetHoldMark(int slot, bool visible) override;
    void ShowCredit(std::int32_t credit) override { d_.ShowCredit(credit); }
    void ShowBet(std::int32_t bet) override { d_.ShowBet(bet); }
    void ShowWin(std::int32_t win) override { d_.ShowWin(win); }
    void ShowWinCaption(const std::string& caption) override { d_.ShowWinCaption(caption); }
    void ShowJackpot(std::int32_t jackpot) override { d_.ShowJackpot(jackpot); }
    void ShowPayValues(const Multipliers& amounts, const std::string& orvaneLine) override {
        d_.ShowPayValues(amounts, orvaneLine);
    }
    void ClearPayHighlight() override { d_.ClearPayHighlight(); }
    void SetPayLineOpaque(PrizeIndex prize, bool opaque) override {
        d_.SetPayLineOpaque(prize, opaque);
    }
    void ShowStars(int count) override;
    void SetButtonLayout(ButtonLayout layout) override;
    void ShowChoiceButtons(ChoiceButtons choices) override { d_.ShowChoiceButtons(choices); }
    void ShowDoubleUpPanel(bool visible) override;
    void SetMessage(Message message, bool blink) override;
    void StartIdleAnimation() override { d_.StartIdleAnimation(); }
    void StopIdleAnimation() override { d_.StopIdleAnimation(); }
    void SetIndicatorBlink(bool on) override;
    void PlaySoundEffect(std::string_view name) override { d_.PlaySoundEffect(name); }
    void Announce(const std::string& words) override { d_.Announce(words); }
    void SetMeterSquare(int square, bool lit) override { d_.SetMeterSquare(square, lit); }
    void ShowBonusPicture(std::int32_t orvaneNumber) override { d_.ShowBonusPicture(orvaneNumber); }
    void Repaint() override { d_.Repaint(); }

  private:
    TableDisplay& d_;
    TableView view_;
};

}  // namespace orvane
