#include "TableLayout.h"

namespace orvane {

namespace G = TableGeometry;

QRect TableLayout::OnBackground(const Box& box) {
    return box.Moved(-G::Background.X, -G::Background.Y).To<QRect>();
}

TableLayout TableLayout::ForTheme(const ThemeRecord& theme) {
    const G::ValueBoxes values = G::ValuesAt(ValueTopsOf(theme));
    TableLayout l;
    l.Credit = OnBackground(values.Credit);
    l.Bet = OnBackground(values.Bet);
    l.Win = OnBackground(values.Win);
    l.Jackpot = OnBackground(values.Bonus);
    l.BonusCards = OnBackground(values.BonusCards);
    l.Meter = OnBackground(G::Meter);
    for (int square = 10; square >= 1; --square) {
        l.MeterLamps[static_cast<std::size_t>(10 - square)] = OnBackground(G::MeterLamp(square));
    }
    l.PayTable = OnBackground(G::PayPanel);
    l.Panels = OnBackground(G::PayPanel.United(G::DoubleUpPanel));
    for (int slot = 1; slot <= 5; ++slot) {
        l.Cards[static_cast<std::size_t>(slot - 1)] = OnBackground(G::HandCard(slot));
        l.HoldMarks[static_cast<std::size_t>(slot - 1)] = OnBackground(G::HoldMark(slot));
    }
    l.Message = OnBackground(G::Message);
    for (int k = 1; k <= 3; ++k) {
        l.StarsLeft[static_cast<std::size_t>(k - 1)] = OnBackground(G::StarLeft(k));
        l.StarsRight[static_cast<std::size_t>(k - 1)] = OnBackground(G::StarRight(k));
    }
    return l;
}

}  // namespace orvane
