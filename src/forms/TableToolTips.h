#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "MainControls.h"
#include "game/ButtonLayout.h"
#include "game/TableDisplay.h"
#include "widgets/TMenuStyle.h"

class QWidget;

namespace orvane {

// The tooltips of the table: what a click on the credit window, a strip button or a game
// button does, with its keys. They come in the theme's menu colours, read when a tip
// opens, so they match the menus under every theme.
class TableToolTips : public QObject {
    Q_OBJECT
  public:
    // Gives the controls their tips; lives as long as window.
    TableToolTips(QWidget& window, const MainControls& controls,
                  std::function<MenuColors()> colors);

    // What a game button does while the hold buttons mean choices (Off: they hold cards).
    static QString GameButtonTip(GameButton button, ChoiceButtons choices);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<MenuColors()> colors_;
};

// The hold buttons' tips for the meaning their faces show now; the other tips stay.
void SetChoiceToolTips(const MainControls& controls, ChoiceButtons choices);

}  // namespace orvane
