#include "TableLayout.h"

QRect TableLayout::fromWindow(int x, int y, int w, int h) {
    return QRect(x - kOrigin.x(), y - kOrigin.y(), w, h);
}

TableLayout TableLayout::forTops(const LabelTops& tops) {
    TableLayout l;
    l.credit = fromWindow(639, tops.credit, 105, 27);
    l.bet = fromWindow(640, tops.bet, 105, 29);
    l.win = fromWindow(641, tops.win, 105, 33);
    l.jackpot = fromWindow(51, tops.bonus, 106, 27);
    l.bonusCards = fromWindow(65, tops.bonusCards, 82, 68);
    l.meter = fromWindow(50, 200, 109, 41);
    l.payPanel = fromWindow(190, 32, 416, 224);
    for (int i = 0; i < 5; ++i) {
        l.cards[static_cast<std::size_t>(i)] = fromWindow(152 * (i + 1) - 128, 270, 140, 208);
        l.holdMarks[static_cast<std::size_t>(i)] = fromWindow(76 + 152 * i, 478, 36, 10);
    }
    l.message = fromWindow(171, 497, 449, 17);
    const int leftX[3] = {61, 45, 29};
    const int rightX[3] = {716, 732, 748};
    for (std::size_t i = 0; i < 3; ++i) {
        l.starsLeft[i] = fromWindow(leftX[i], 500, 13, 13);
        l.starsRight[i] = fromWindow(rightX[i], 500, 13, 13);
    }
    return l;
}
