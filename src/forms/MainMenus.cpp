#include "MainMenus.h"

#include <QAction>
#include <QMenu>

namespace orvane {

namespace {

// Every menu is at least as wide as its first item, which asks for 140 pixels.
constexpr int FirstItemWidth = 140;

QMenu* NewMenu(QWidget& owner, const char* name, const char* spoken, TMenuStyle* style) {
    auto* menu = new QMenu(&owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(QString::fromLatin1(spoken));
    menu->setStyle(style);
    menu->setMinimumWidth(FirstItemWidth);
    return menu;
}

QAction* Item(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void Separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

MainMenus::MainMenus(QWidget& owner, std::function<MenuColors()> colors)
    : style_(std::make_unique<TMenuStyle>(std::move(colors))) {
    pmCredit = NewMenu(owner, "pmCredit", "Credit menu", style_.get());
    Addcredit1 = Item(pmCredit, "Addcredit1", "Add credit ...");
    Cashout1 = Item(pmCredit, "Cashout1", "Cash out");
    Separator(pmCredit, "N1");
    menuStatistics = Item(pmCredit, "menuStatistics", "Statistics");
    menuLastGames = Item(pmCredit, "menuLastGames", "Last games");
    Separator(pmCredit, "N2");
    Exitgame1 = Item(pmCredit, "Exitgame1", "Exit game");

    pmOptions = NewMenu(owner, "pmOptions", "Options menu", style_.get());
    Sound1 = Item(pmOptions, "Sound1", "Sound on/off", true);
    Interactivebuttons1 =
        Item(pmOptions, "Interactivebuttons1", "Interactive buttons on/off", true);
    Holdadvisor1 = Item(pmOptions, "Holdadvisor1", "Hold advisor on/off", true);
    Separator(pmOptions, "N8");
    FullScreen = Item(pmOptions, "FullScreen", "Full screen", true);
    Separator(pmOptions, "N9");
    Themes2 = Item(pmOptions, "Themes2", "Themes ...");
    General2 = Item(pmOptions, "General2", "Options ...");

    pmHelp = NewMenu(owner, "pmHelp", "Help menu", style_.get());
    mmenuHelp = Item(pmHelp, "mmenuHelp", "Help...");
    mmenuKeyboard = Item(pmHelp, "mmenuKeyboard", "Keyboard...");
    Separator(pmHelp, "N3");
    Homepage = Item(pmHelp, "Homepage", "Homepage");
    BugreportSuggestions1 = Item(pmHelp, "BugreportSuggestions1", "Bug report / Suggestions");
    Separator(pmHelp, "N10");
    menuPayAnalysis = Item(pmHelp, "menuPayAnalysis", "Pay table analysis");
    Separator(pmHelp, "N6");
    About1 = Item(pmHelp, "About1", "About...");
}

// The menus go with their owner; the style they draw with must outlive them, so they are
// asked to forget it first.
MainMenus::~MainMenus() {
    for (QMenu* menu : {pmCredit, pmOptions, pmHelp}) {
        if (menu != nullptr) {
            menu->setStyle(nullptr);
        }
    }
}

}  // namespace orvane
