// The whole game from the keyboard alone: every key lands where a player's key would, on
// the focused control, the open menu or the window.
#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <map>
#include <set>

#include "MainWindowFixture.h"
#include "OptionsPreviews.h"
#include "forms/MainMenus.h"

namespace orvane::test {
namespace {

QWidget* KeyTarget(QWidget* fallback) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup;
    }
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : fallback;
}

void Press(QWidget* fallback, int key) {
    QTest::keyClick(KeyTarget(fallback), static_cast<Qt::Key>(key));
}

// A group of radio buttons is one stop for Tab (the arrows move within it).
const QObject* TabStop(QWidget* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button != nullptr && button->autoExclusive() && button->isCheckable()) {
        return control->parent();
    }
    return control;
}

// Tab goes round every control of `top` that takes the focus, and each looks different
// while it has it; a control that hands its focus on is reached through the other.
void TabRound(QWidget* top) {
    QApplication::setActiveWindow(top);  // as the desktop does for a window that opens
    std::map<const QObject*, QString> stops;
    for (QWidget* child : top->findChildren<QWidget*>()) {
        if (child->isVisibleTo(top) && child->isEnabled() && child->focusProxy() == nullptr &&
            (child->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            stops[TabStop(child)] = child->objectName();
        }
    }
    std::set<const QObject*> reached;
    for (std::size_t i = 0; i <= 2 * stops.size(); ++i) {
        Press(top, Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << top->objectName().toStdString();
        if (!reached.insert(TabStop(focused)).second) {
            continue;
        }
        const QImage marked = focused->grab().toImage();
        focused->clearFocus();
        EXPECT_NE(focused->grab().toImage(), marked)
            << "no focus mark on " << focused->objectName().toStdString();
        focused->setFocus(Qt::TabFocusReason);
    }
    for (const auto& [stop, name] : stops) {
        EXPECT_EQ(reached.count(stop), 1U) << "Tab never reaches " << name.toStdString() << " in "
                                           << top->objectName().toStdString();
    }
}

// Tab until the named control has the focus.
void TabTo(QWidget* top, const char* name) {
    for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != name; ++i) {
        Press(top, Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
}

class KeyboardWalkTest : public MainWindowTest {
  protected:
    void Keys(std::initializer_list<int> keys) {
        for (int key : keys) {
            Press(window.get(), key);
        }
    }
    // The dialog the next keys open: Tab goes round it, Escape closes it.
    void ExpectDialog() {
        WhenModal([](QWidget* dialog) {
            TabRound(dialog);
            Press(dialog, Qt::Key_Escape);
        });
    }
    bool Shown(QMenu* menu) const { return menu->isVisible(); }
};

TEST_F(KeyboardWalkTest, AddCreditPlayARoundAndVisitEveryDialogAndMenu) {
    WritePreviews(folder.path());
    TfrmMain& w = Open();
    MainMenus& m = w.Menus();
    answer = false;  // stays open when asked to exit

    WhenModal([](QWidget* dialog) {
        TabRound(dialog);
        TabTo(dialog, "btnCoin1000");
        Press(dialog, Qt::Key_Space);
        TabTo(dialog, "btnClose");
        Press(dialog, Qt::Key_Space);
    });
    Keys({Qt::Key_I});
    ASSERT_EQ(w.Table().State().Credit, 1000);

    Keys({Qt::Key_Return});
    const std::int32_t afterDeal = w.Table().State().Credit;
    const bool held = w.Table().State().HandCard(1).Held;
    Keys({Qt::Key_1});
    EXPECT_NE(w.Table().State().HandCard(1).Held, held);
    Keys({Qt::Key_1, Qt::Key_Return});
    ASSERT_GT(w.Table().State().Win, 0) << "three queens";
    const std::int32_t win = w.Table().State().Win;
    Keys({Qt::Key_7});
    EXPECT_EQ(w.Table().State().Credit, afterDeal - w.Table().State().Bet() + win);
    EXPECT_EQ(w.Table().State().RoundState, RoundPhase::Idle);

    TabRound(&w);

    // The menu strip: F10 or Alt alone, Left and Right round its ends; O and H at once.
    Keys({Qt::Key_F10});
    EXPECT_TRUE(Shown(m.pmCredit));
    EXPECT_EQ(m.pmCredit->activeAction(), m.Addcredit1);
    Keys({Qt::Key_Right});
    EXPECT_TRUE(Shown(m.pmOptions) && !Shown(m.pmCredit));
    Keys({Qt::Key_Right, Qt::Key_Right});
    EXPECT_TRUE(Shown(m.pmCredit) && !Shown(m.pmHelp));
    Keys({Qt::Key_Left});
    EXPECT_TRUE(Shown(m.pmHelp));
    Keys({Qt::Key_Escape});
    EXPECT_FALSE(Shown(m.pmHelp));
    Keys({Qt::Key_Alt});
    EXPECT_TRUE(Shown(m.pmCredit));
    Keys({Qt::Key_Escape, Qt::Key_O});
    EXPECT_TRUE(Shown(m.pmOptions));
    Keys({Qt::Key_Escape, Qt::Key_H});
    EXPECT_TRUE(Shown(m.pmHelp));
    Keys({Qt::Key_Escape});

    // Every dialog, opened by its key or from its menu.
    ExpectDialog();
    Keys({Qt::Key_S});
    ExpectDialog();
    Keys({Qt::Key_F10, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});  // Last games
    ExpectDialog();
    Keys({Qt::Key_O, Qt::Key_Up, Qt::Key_Return});  // Options
    ExpectDialog();
    Keys({Qt::Key_O, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});  // Themes
    ExpectDialog();
    Keys({Qt::Key_H, Qt::Key_Up, Qt::Key_Return});    // About
    Keys({Qt::Key_F10, Qt::Key_Up, Qt::Key_Return});  // Exit game: asks
    EXPECT_EQ(dialogs, QStringList({"Add credit", "Orvane Cards - Statistics", "Last games",
                                    "Orvane Cards - Options", "Orvane Cards - Options",
                                    "About Orvane Cards"}));
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(w.Table().State().Credit, afterDeal - w.Table().State().Bet() + win);
}

}  // namespace
}  // namespace orvane::test
