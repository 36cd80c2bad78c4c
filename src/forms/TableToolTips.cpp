#include "TableToolTips.h"

#include <QEvent>
#include <QToolTip>

#include "widgets/DialogFont.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"

namespace orvane {

namespace {

// The keys of each game button, in GameButton order; the digits are on the main keyboard.
const char* const Keys[GameButtonCount] = {
    "1 or Z", "2, X or Y", "3 or C", "4 or V", "5 or B", "7 or N", "Enter, Space, 8 or M", "6 or A",
};

QString WithKeys(GameButton button, const QString& what) {
    return QStringLiteral("%1\nKeys: %2")
        .arg(what, QString::fromLatin1(Keys[static_cast<int>(button)]));
}

QString HoldTip(int slot, ChoiceButtons choices) {
    if (choices == ChoiceButtons::Off) {
        return QStringLiteral(
                   "After the deal: hold or release card %1 for the draw (a click on "
                   "the card does the same).")
            .arg(slot);
    }
    const bool redBlack = choices == ChoiceButtons::RedBlack;
    switch (slot) {
        case 2:
            return redBlack ? QStringLiteral("Double-up: guess that the next card is RED.")
                            : QStringLiteral("Double-up: guess that the next card is SMALL.");
        case 4:
            return redBlack ? QStringLiteral("Double-up: guess that the next card is BLACK.")
                            : QStringLiteral("Double-up: guess that the next card is BIG.");
        case 5:
            return QStringLiteral(
                "Take half of the win into the credit and play on with the rest.");
        default:
            return QStringLiteral("Holds no card while a win is on offer.");
    }
}

}  // namespace

TableToolTips::TableToolTips(QWidget& window, const MainControls& c,
                             std::function<MenuColors()> colors)
    : QObject(&window), colors_(std::move(colors)) {
    const std::array<QString, 4> menus = {
        QString(),
        QStringLiteral("Credit menu: add coins, cash out, statistics, last games, exit."),
        QStringLiteral("Options menu: sound, button lights, hold advisor, full screen, themes, "
                       "options."),
        QStringLiteral("Help menu: the manual (F1), the keys, pay table analysis, about."),
    };
    std::vector<QWidget*> tipped;
    for (std::size_t i = 1; i < menus.size(); ++i) {
        c.fcShapeBtn[i]->setToolTip(menus[i]);
        tipped.push_back(c.fcShapeBtn[i]);
    }
    c.btnMinimize->setToolTip(QStringLiteral("Minimise the game."));
    c.btnExit->setToolTip(QStringLiteral("Exit the game (it asks first)."));
    c.lblCredit->setToolTip(QStringLiteral("Add coins: a click opens \"Add credit\"."));
    tipped.insert(tipped.end(), {c.btnMinimize, c.btnExit, c.lblCredit});
    for (int b = 0; b < GameButtonCount; ++b) {
        QWidget* button = c.Buttons[static_cast<std::size_t>(b)];
        button->setToolTip(GameButtonTip(static_cast<GameButton>(b), ChoiceButtons::Off));
        tipped.push_back(button);
    }
    for (QWidget* widget : tipped) {
        widget->installEventFilter(this);
    }
}

QString TableToolTips::GameButtonTip(GameButton button, ChoiceButtons choices) {
    switch (button) {
        case GameButton::Hold1:
        case GameButton::Hold2:
        case GameButton::Hold3:
        case GameButton::Hold4:
        case GameButton::Hold5:
            return WithKeys(button, HoldTip(static_cast<int>(button) + 1, choices));
        case GameButton::Cash:
            return WithKeys(button, choices == ChoiceButtons::Off
                                        ? QStringLiteral("After the deal: release every held card. "
                                                         "A win on offer: collect it.")
                                        : QStringLiteral("Collect the win into the credit."));
        case GameButton::Deal:
            return WithKeys(button, QStringLiteral("Deal; after the deal, draw the cards not held. "
                                                   "A first-draw win not yet gambled: give it up "
                                                   "and draw again."));
        case GameButton::Bet:
            return WithKeys(button,
                            QStringLiteral("Change the bet (not while a win is on offer)."));
    }
    return {};
}

bool TableToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const MenuColors colors = colors_();
        QPalette palette = QToolTip::palette();
        palette.setColor(QPalette::ToolTipBase, colors.background);
        palette.setColor(QPalette::ToolTipText, colors.text);
        palette.setColor(QPalette::Window, colors.background);
        palette.setColor(QPalette::WindowText, colors.text);
        QToolTip::setPalette(palette);
        QToolTip::setFont(DialogFont(QStringLiteral("Tahoma"), 12, false));
    }
    return QObject::eventFilter(watched, event);
}

void SetChoiceToolTips(const MainControls& c, ChoiceButtons choices) {
    for (int slot = 1; slot <= 5; ++slot) {
        c.btnHold(slot)->setToolTip(
            TableToolTips::GameButtonTip(static_cast<GameButton>(slot - 1), choices));
    }
    c.Button(GameButton::Cash)->setToolTip(TableToolTips::GameButtonTip(GameButton::Cash, choices));
}

}  // namespace orvane
