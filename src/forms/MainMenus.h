#pragma once

#include <functional>
#include <memory>

#include "widgets/TMenuStyle.h"

class QAction;
class QMenu;
class QWidget;

namespace orvane {

// The main window's three popup menus and their items, named as the window's handlers
// know them. The window connects the items; the menus only hold and draw them.
class MainMenus {
  public:
    // Each menu belongs to `owner` (never to the table, so that it stays a real popup
    // when the table is enlarged); colors gives the theme's menu colours.
    MainMenus(QWidget& owner, std::function<MenuColors()> colors);
    ~MainMenus();
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;

    QMenu* pmCredit = nullptr;
    QAction* Addcredit1 = nullptr;
    QAction* Cashout1 = nullptr;
    QAction* menuStatistics = nullptr;
    QAction* menuLastGames = nullptr;
    QAction* Exitgame1 = nullptr;

    QMenu* pmOptions = nullptr;
    QAction* Sound1 = nullptr;
    QAction* Interactivebuttons1 = nullptr;
    QAction* Holdadvisor1 = nullptr;
    QAction* FullScreen = nullptr;
    QAction* Themes2 = nullptr;
    QAction* General2 = nullptr;

    QMenu* pmHelp = nullptr;
    QAction* mmenuHelp = nullptr;
    QAction* mmenuKeyboard = nullptr;
    QAction* Homepage = nullptr;
    QAction* BugreportSuggestions1 = nullptr;
    QAction* menuPayAnalysis = nullptr;
    QAction* About1 = nullptr;

  private:
    std::unique_ptr<TMenuStyle> style_;
};

}  // namespace orvane
