#include <QAction>
#include <QListWidget>

#include "MainWindowFixture.h"
#include "OptionsPreviews.h"
#include "forms/MainMenus.h"
#include "forms/RgbColor.h"
#include "forms/TfrmOptions.h"
#include "widgets/TDialogButton.h"
#include "widgets/TFlatCheckBox.h"

namespace orvane::test {
namespace {

using OptionsFromMenu = MainWindowTest;

TEST_F(OptionsFromMenu, AMissingPreviewIsReportedAndTheTablePlaysOn) {
    Open();
    WhenModal([](QWidget* dialog) { dialog->close(); });
    window->Menus().Themes2->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QLatin1String("Fatal error ! ")));
    EXPECT_TRUE(errors[0].contains(QLatin1String("optt1.zqi")));
    EXPECT_TRUE(dialogs.isEmpty());  // the dialog does not appear
    AddCredit();
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt);
}

TEST_F(OptionsFromMenu, AThemeChosenAndConfirmedDressesTheTableAndIsSaved) {
    WritePreviews(folder.path());
    WriteBackground(QStringLiteral("bm_mod.zqi"));
    Open();
    WhenModal([](QWidget* dialog) {
        auto* themes = dialog->findChild<QListWidget*>(QStringLiteral("lbThemes"));
        ASSERT_NE(themes, nullptr);
        EXPECT_TRUE(themes->isVisible());  // opened on the Themes page
        themes->setCurrentRow(2);          // "Modern"
        dialog->findChild<TDialogButton*>(QStringLiteral("btnOk"))->click();
    });
    window->Menus().Themes2->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Orvane Cards - Options")});
    EXPECT_EQ(window->Settings().ThemeID, 3);
    EXPECT_EQ(store.Read("ThemeID"), std::optional<std::string>("3"));  // saved at once
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(OptionsFromMenu, CancelLeavesEverythingAsItWas) {
    WritePreviews(folder.path());
    Open();
    const std::optional<std::string> stored = store.Read("AutoHold");
    WhenModal([](QWidget* dialog) {
        auto* autoHold = dialog->findChild<QAbstractButton*>(QStringLiteral("cbAutoHold"));
        ASSERT_NE(autoHold, nullptr);
        autoHold->click();
        dialog->findChild<TDialogButton*>(QStringLiteral("btnCancel"))->click();
    });
    const bool autoHold = window->Settings().AutoHold;
    window->Menus().General2->trigger();
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(window->Settings().AutoHold, autoHold);
    EXPECT_EQ(store.Read("AutoHold"), stored);
}

TEST_F(OptionsFromMenu, ButtonTintsOffLightEveryButtonAfterTheOptions) {
    WritePreviews(folder.path());
    Open();
    WhenModal([](QWidget* dialog) {
        auto* tints = dialog->findChild<QAbstractButton*>(QStringLiteral("cbInteractiveButtons"));
        ASSERT_NE(tints, nullptr);
        if (tints->isChecked()) {
            tints->click();
        }
        dialog->findChild<TDialogButton*>(QStringLiteral("btnOk"))->click();
    });
    window->Menus().General2->trigger();
    EXPECT_FALSE(window->Settings().InteractiveButtonsEnabled);
    const QColor lit = ToQColor(window->Settings().ButtonColor);
    for (const char* name : {"btnHold1", "btnHold5", "btnBet", "btnCash", "btnDeal"}) {
        EXPECT_EQ(ButtonColor(QString::fromLatin1(name)), lit) << name;
    }
}

}  // namespace
}  // namespace orvane::test
