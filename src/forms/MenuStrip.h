#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QMenu;

namespace orvane {

// The caption strip's menus as one strip for the keyboard: a menu opened from a key has
// its first item selected, and Left and Right move to the neighbouring menu, round the
// ends, as on a menu bar.
class MenuStrip : public QObject {
  public:
    // menus in strip order; popUp(n) shows menu n (1-based) under its button.
    MenuStrip(std::vector<QMenu*> menus, std::function<void(int)> popUp);

    // Opens menu n (1-based) with its first usable item selected.
    void Open(int n);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QMenu*> menus_;
    std::function<void(int)> popUp_;
};

}  // namespace orvane
