#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gmock/gmock.h>

#include "OptionsDialogFixture.h"
#include "OptionsPreviews.h"
#include "forms/TPreviewImage.h"
#include "widgets/TFlatListBox.h"

namespace orvane::test {

namespace {

using ::testing::ElementsAre;

bool Checked(const QAbstractButton* button) {
    return button != nullptr && button->isChecked();
}

QString PageShown(const TfrmOptions& dialog) {
    return dialog.findChild<QTabWidget*>(QStringLiteral("PageControl"))
        ->currentWidget()
        ->objectName();
}

}  // namespace

TEST_F(OptionsDialogTest, ControlsShowTheStoredSettings) {
    Store("SoundEnabled", "0");
    Store("AutoHold", "0");
    Store("GameSpeed", "3");
    Store("DupMode", "2");
    Store("InteractiveButtonsEnabled", "0");
    Store("AnimatedCards", "1");
    Store("AnimatedDupCards", "0");
    Store("SoundThemeID", "2");
    Store("ThemeID", "3");
    Store("CardLibraryID", "2");
    Store("SaveCredit", "0");
    Store("StatsAtExit", "1");
    Store("FullScreenAtStart", "1");
    Store("FourColourDeck", "1");
    Store("ReducedMotion", "1");
    Load();
    ASSERT_TRUE(Open());

    EXPECT_FALSE(Checked(Button("cbSound")));
    EXPECT_FALSE(Checked(Button("cbAutoHold")));
    EXPECT_TRUE(Checked(Button("rbSpeedSlow")));
    EXPECT_FALSE(Checked(Button("rbSpeedNormal")));
    EXPECT_TRUE(Checked(Button("rbDupRedBlack")));
    EXPECT_FALSE(Checked(Button("rbDupSmallBig")));
    EXPECT_FALSE(Checked(Button("cbInteractiveButtons")));
    EXPECT_TRUE(Checked(Button("cbAnimatedCards")));
    EXPECT_FALSE(Checked(Button("cbAnimatedDupCards")));
    EXPECT_EQ(List("lbSounds")->currentRow(), 1);
    EXPECT_EQ(List("lbThemes")->currentRow(), 2);
    EXPECT_EQ(List("lbCardLibrary")->currentRow(), 1);
    EXPECT_FALSE(Checked(Button("cbSaveCredit")));
    EXPECT_TRUE(Checked(Button("cbStatsAtExit")));
    EXPECT_TRUE(Checked(Button("cbFullScreenAtStart")));
    EXPECT_FALSE(Checked(Button("cbCreditAtStart")));
    EXPECT_TRUE(Checked(Button("cbFourColourDeck")));
    EXPECT_TRUE(Checked(Button("cbReducedMotion")));

    EXPECT_EQ(Control<TPreviewImage>("imgThemes")->File(), PreviewPath("optt3.zqi"));
    EXPECT_EQ(Control<TPreviewImage>("imgCardSet")->File(), PreviewPath("optcs2.zqi"));
    // Filling applies nothing and saves nothing.
    EXPECT_TRUE(snapshots_.empty());
    EXPECT_TRUE(store_.Writes.empty());
}

TEST_F(OptionsDialogTest, OkWritesEveryControlBackInOrderAndSaves) {
    Load();  // defaults throughout
    ASSERT_TRUE(Open());
    Click("cbSound");
    Pick("lbSounds", 1);
    Click("cbAutoHold");
    Click("rbSpeedSlow");
    Click("rbDupRedBlack");
    Click("cbInteractiveButtons");
    Click("cbAnimatedCards");
    Click("cbAnimatedDupCards");
    Pick("lbThemes", 2);
    Pick("lbCardLibrary", 2);
    Click("cbSaveCredit");
    Click("cbStatsAtExit");
    Click("cbFullScreenAtStart");
    Click("cbFourColourDeck");
    Click("cbReducedMotion");
    EXPECT_TRUE(snapshots_.empty()) << "nothing is applied before OK";

    Button("btnOk")->click();

    EXPECT_EQ(dialog_->Result(), DialogResult::Ok);
    EXPECT_FALSE(dialog_->isVisible());
    ASSERT_THAT(Steps(), ElementsAre("sound theme", "animation", "theme", "card library", "save"));
    // Each choice is written just before it is applied, and not earlier.
    const Snapshot& sound = snapshots_[0];
    EXPECT_FALSE(sound.SoundEnabled);
    EXPECT_EQ(sound.SoundThemeID, 2);
    EXPECT_TRUE(sound.AutoHold);
    EXPECT_EQ(sound.GameSpeed, 2);
    const Snapshot& animation = snapshots_[1];
    EXPECT_FALSE(animation.AutoHold);
    EXPECT_EQ(animation.GameSpeed, 3);
    EXPECT_EQ(animation.DealDelay, 300);
    EXPECT_EQ(animation.DupMode, 2);
    EXPECT_TRUE(animation.AnimatedCards);
    EXPECT_EQ(animation.ThemeID, 1);
    const Snapshot& theme = snapshots_[2];
    EXPECT_EQ(theme.ThemeID, 3);
    EXPECT_EQ(theme.CardLibraryID, 1);
    const Snapshot& cards = snapshots_[3];
    EXPECT_EQ(cards.CardLibraryID, 3);
    EXPECT_EQ(cards.CardLibraryFile, "zqcsrl_asi_4c.dll");
    EXPECT_FALSE(cards.StatsAtExit);
    EXPECT_TRUE(snapshots_[4].StatsAtExit);

    const TSettings& s = *settings_;
    EXPECT_FALSE(s.SoundEnabled);
    EXPECT_EQ(s.SoundThemeID, 2);
    EXPECT_TRUE(QString::fromStdString(s.SoundThemeFolder).endsWith(QStringLiteral("Data/zqs2/")));
    EXPECT_FALSE(s.AutoHold);
    EXPECT_EQ(s.GameSpeed, 3);
    EXPECT_EQ(s.HoldDelay, 100);
    EXPECT_EQ(s.DupMode, 2);
    EXPECT_FALSE(s.InteractiveButtonsEnabled);
    EXPECT_TRUE(s.AnimatedCards);
    EXPECT_FALSE(s.AnimatedDupCards);
    EXPECT_EQ(s.ThemeID, 3);
    EXPECT_EQ(s.CardLibraryID, 3);
    EXPECT_TRUE(s.FourColourDeck);
    EXPECT_TRUE(s.ReducedMotion);
    EXPECT_FALSE(s.SaveCredit);
    EXPECT_TRUE(s.StatsAtExit);
    EXPECT_FALSE(s.CreditAtStart);
    EXPECT_TRUE(s.FullScreenAtStart);

    const auto& stored = store_.Values();
    EXPECT_EQ(stored.at("SoundEnabled"), "0");
    EXPECT_EQ(stored.at("SoundThemeID"), "2");
    EXPECT_EQ(stored.at("AutoHold"), "0");
    EXPECT_EQ(stored.at("GameSpeed"), "3");
    EXPECT_EQ(stored.at("DupMode"), "2");
    EXPECT_EQ(stored.at("InteractiveButtonsEnabled"), "0");
    EXPECT_EQ(stored.at("AnimatedCards"), "1");
    EXPECT_EQ(stored.at("AnimatedDupCards"), "0");
    EXPECT_EQ(stored.at("ThemeID"), "3");
    EXPECT_EQ(stored.at("CardLibraryID"), "3");
    EXPECT_EQ(stored.at("SaveCredit"), "0");
    EXPECT_EQ(stored.at("StatsAtExit"), "1");
    EXPECT_EQ(stored.at("CreditAtStart"), "0");
    EXPECT_EQ(stored.at("FullScreenAtStart"), "1");
}

TEST_F(OptionsDialogTest, OkWithoutChangesStillAppliesThemeAndCardsAndRewritesTheStore) {
    Load();
    const auto before = store_.Values();
    ASSERT_TRUE(Open());
    Button("btnOk")->click();

    EXPECT_EQ(dialog_->Result(), DialogResult::Ok);
    EXPECT_THAT(Steps(), ElementsAre("sound theme", "animation", "theme", "card library", "save"));
    EXPECT_EQ(store_.Values(), before);
    for (const char* name : {"ThemeID", "CardLibraryID", "SoundThemeID", "GameSpeed",
                             "CreditAtStart", "Prize_stat1", "Orvane_State15"}) {
        EXPECT_NE(std::find(store_.Writes.begin(), store_.Writes.end(), name), store_.Writes.end())
            << name << " was not rewritten";
    }
}

// Every way of leaving without OK: the Cancel button, Escape, the strip's "X".
class OptionsCancelTest : public OptionsDialogTest,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(OptionsCancelTest, LeavesEverySettingAsItWas) {
    Load();
    const auto stored = store_.Values();
    ASSERT_TRUE(Open());
    for (const char* name :
         {"cbSound", "cbAutoHold", "rbSpeedFast", "rbDupRedBlack", "cbInteractiveButtons",
          "cbAnimatedCards", "cbAnimatedDupCards", "cbSaveCredit", "cbStatsAtExit",
          "cbFullScreenAtStart", "cbFourColourDeck", "cbReducedMotion"}) {
        Click(name);
    }
    Pick("lbSounds", 1);
    Pick("lbThemes", 3);
    Pick("lbCardLibrary", 1);

    const std::string way = GetParam();
    if (way == "Escape") {
        QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    } else {
        Button(way.c_str())->click();
    }

    EXPECT_EQ(dialog_->Result(), DialogResult::Cancel);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(snapshots_.empty()) << "nothing applied, nothing saved";
    EXPECT_TRUE(store_.Writes.empty());
    EXPECT_EQ(store_.Values(), stored);
    const TSettings& s = *settings_;
    EXPECT_TRUE(s.SoundEnabled);
    EXPECT_TRUE(s.AutoHold);
    EXPECT_EQ(s.GameSpeed, 2);
    EXPECT_EQ(s.DealDelay, 100);
    EXPECT_EQ(s.DupMode, 1);
    EXPECT_TRUE(s.InteractiveButtonsEnabled);
    EXPECT_FALSE(s.AnimatedCards);
    EXPECT_TRUE(s.AnimatedDupCards);
    EXPECT_EQ(s.SoundThemeID, 1);
    EXPECT_EQ(s.ThemeID, 1);
    EXPECT_EQ(s.CardLibraryID, 1);
    EXPECT_TRUE(s.SaveCredit);
    EXPECT_FALSE(s.StatsAtExit);
    EXPECT_FALSE(s.FullScreenAtStart);
}

INSTANTIATE_TEST_SUITE_P(Ways, OptionsCancelTest,
                         ::testing::Values("btnCancel", "Escape", "btnExit"));

TEST_F(OptionsDialogTest, EnterConfirmsFromAnyControl) {
    Load();
    ASSERT_TRUE(Open());
    Pick("lbThemes", 1);
    List("lbThemes")->setFocus();
    QTest::keyClick(List("lbThemes"), Qt::Key_Return);

    EXPECT_EQ(dialog_->Result(), DialogResult::Ok);
    EXPECT_EQ(settings_->ThemeID, 2);
}

TEST_F(OptionsDialogTest, ThemeBeyondTheListShowsWoodAndOkStoresIt) {
    Store("ThemeID", "5");
    Load();
    ASSERT_TRUE(Open(QStringLiteral("Themes")));
    EXPECT_EQ(List("lbThemes")->currentItem()->text(), QStringLiteral("Wood"));
    EXPECT_EQ(Control<TPreviewImage>("imgThemes")->File(), PreviewPath("optt4.zqi"));

    Button("btnOk")->click();
    ASSERT_THAT(Steps(), ElementsAre("sound theme", "animation", "theme", "card library", "save"));
    EXPECT_EQ(snapshots_[2].ThemeID, 4) << "Wood is applied";
    EXPECT_EQ(store_.Values().at("ThemeID"), "4");
}

TEST_F(OptionsDialogTest, CardLibraryBeyondTheListShowsTheLastSet) {
    Store("CardLibraryID", "7");
    Load();
    ASSERT_TRUE(Open());
    EXPECT_EQ(List("lbCardLibrary")->currentRow(), 2);
    EXPECT_EQ(Control<TPreviewImage>("imgCardSet")->File(), PreviewPath("optcs3.zqi"));
    Button("btnOk")->click();
    EXPECT_EQ(store_.Values().at("CardLibraryID"), "3");
}

TEST_F(OptionsDialogTest, IdentifiersBelowOneShowTheFirstItem) {
    Store("ThemeID", "0");
    Store("CardLibraryID", "-4");
    Load();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(List("lbThemes")->currentRow(), 0);
    EXPECT_EQ(List("lbCardLibrary")->currentRow(), 0);
    EXPECT_EQ(Control<TPreviewImage>("imgThemes")->File(), PreviewPath("optt1.zqi"));
    EXPECT_EQ(Control<TPreviewImage>("imgCardSet")->File(), PreviewPath("optcs1.zqi"));
    Button("btnOk")->click();
    EXPECT_EQ(store_.Values().at("ThemeID"), "1");
    EXPECT_EQ(store_.Values().at("CardLibraryID"), "1");
}

TEST_F(OptionsDialogTest, UnknownGameSpeedShowsNormalAndOkStoresIt) {
    Store("GameSpeed", "9");
    Store("DupMode", "0");
    Load();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(Checked(Button("rbSpeedNormal")));
    EXPECT_FALSE(Checked(Button("rbSpeedFast")));
    EXPECT_FALSE(Checked(Button("rbSpeedSlow")));
    EXPECT_TRUE(Checked(Button("rbDupSmallBig")));

    Button("btnOk")->click();
    EXPECT_EQ(settings_->GameSpeed, 2);
    EXPECT_EQ(settings_->HoldDelay, 50);
    EXPECT_EQ(settings_->DealDelay, 100);
    EXPECT_EQ(store_.Values().at("GameSpeed"), "2");
    EXPECT_EQ(store_.Values().at("DupMode"), "1");
}

TEST_F(OptionsDialogTest, HiddenCreditAtStartIsCarriedThroughEveryConfirmation) {
    Store("CreditAtStart", "1");
    Load();
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Open(QStringLiteral("Advanced")));
        auto* box = Button("cbCreditAtStart");
        EXPECT_TRUE(box->isHidden());
        EXPECT_TRUE(box->isChecked());
        Button("btnOk")->click();
        EXPECT_TRUE(settings_->CreditAtStart);
        EXPECT_EQ(store_.Values().at("CreditAtStart"), "1");
    }
}

TEST_F(OptionsDialogTest, SoundSchemeTheListLacksIsKeptUnlessOneIsPicked) {
    Store("SoundThemeID", "3");
    Load();
    ASSERT_TRUE(Open());
    EXPECT_EQ(List("lbSounds")->currentRow(), -1) << "no scheme shown as chosen";
    Button("btnOk")->click();
    EXPECT_EQ(settings_->SoundThemeID, 3);
    EXPECT_EQ(store_.Values().at("SoundThemeID"), "3");

    ASSERT_TRUE(Open());
    Pick("lbSounds", 0);
    Button("btnOk")->click();
    EXPECT_EQ(settings_->SoundThemeID, 1);
    EXPECT_TRUE(QString::fromStdString(settings_->SoundThemeFolder).endsWith("Data/zqs1/"));
    EXPECT_EQ(store_.Values().at("SoundThemeID"), "1");
}

TEST_F(OptionsDialogTest, PageChosenByTheOpeningMenu) {
    Load();
    const std::pair<const char*, const char*> cases[] = {{"General", "tsOptions"},
                                                         {"Themes", "tsThemes"},
                                                         {"CardSet", "tsThemes"},
                                                         {"Advanced", "tsOptions"},
                                                         {"", "tsOptions"}};
    for (const auto& [page, sheet] : cases) {
        ASSERT_TRUE(Open(QString::fromLatin1(page)));
        EXPECT_EQ(PageShown(*dialog_), QString::fromLatin1(sheet)) << page;
    }
}

TEST_F(OptionsDialogTest, ThemesPageShowsTheCurrentChoiceWithBothPreviews) {
    Store("ThemeID", "2");
    Store("CardLibraryID", "3");
    Load();
    ASSERT_TRUE(Open(QStringLiteral("Themes")));
    EXPECT_EQ(PageShown(*dialog_), QStringLiteral("tsThemes"));
    EXPECT_EQ(List("lbThemes")->currentItem()->text(), QStringLiteral("Green"));
    EXPECT_EQ(List("lbCardLibrary")->currentItem()->text(), QStringLiteral("Card Set 3"));
    const QImage themes = Control<TPreviewImage>("imgThemes")->Picture();
    const QImage cards = Control<TPreviewImage>("imgCardSet")->Picture();
    EXPECT_EQ(QColor(themes.pixel(80, 60)), ThemePreviewColor(2));
    EXPECT_EQ(QColor(cards.pixel(80, 60)), CardSetPreviewColor(3));
}

TEST_F(OptionsDialogTest, PickingAnItemShowsItsPreview) {
    Load();
    ASSERT_TRUE(Open());
    Pick("lbThemes", 3);
    Pick("lbCardLibrary", 1);
    EXPECT_EQ(QColor(Control<TPreviewImage>("imgThemes")->Picture().pixel(80, 60)),
              ThemePreviewColor(4));
    EXPECT_EQ(QColor(Control<TPreviewImage>("imgCardSet")->Picture().pixel(80, 60)),
              CardSetPreviewColor(2));
    EXPECT_TRUE(snapshots_.empty()) << "a preview applies nothing";
}

TEST_F(OptionsDialogTest, CardPreviewDrawsWhiteTransparentThemePreviewDoesNot) {
    Load();
    ASSERT_TRUE(Open());
    const QImage cards = Control<TPreviewImage>("imgCardSet")->Picture();
    EXPECT_EQ(qAlpha(cards.pixel(CardSetWhiteBand / 2, 60)), 0);
    EXPECT_EQ(qAlpha(cards.pixel(CardSetWhiteBand + 5, 60)), 255);
}

TEST_F(OptionsDialogTest, MissingThemePreviewIsReportedAndTheDialogIsNotShown) {
    Store("ThemeID", "2");
    Load();
    RemovePreview(QStringLiteral("optt2.zqi"));
    EXPECT_FALSE(Open());
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].startsWith(FatalErrorPrefix));
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("optt2.zqi"))) << errors_[0].toStdString();
    EXPECT_TRUE(snapshots_.empty());
}

TEST_F(OptionsDialogTest, MissingCardPreviewIsReportedAndTheDialogIsNotShown) {
    Load();
    RemovePreview(QStringLiteral("optcs1.zqi"));
    EXPECT_FALSE(Open());
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("optcs1.zqi"))) << errors_[0].toStdString();
}

TEST_F(OptionsDialogTest, MissingPreviewOnAClickIsReportedAndTheDialogStaysOpen) {
    Load();
    ASSERT_TRUE(Open());
    RemovePreview(QStringLiteral("optt3.zqi"));
    Pick("lbThemes", 2);
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("optt3.zqi")));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->Result(), DialogResult::None);

    // The choice stands and can still be confirmed.
    Button("btnOk")->click();
    EXPECT_EQ(settings_->ThemeID, 3);
}

TEST_F(OptionsDialogTest, ThemeClickRefreshesTheCardPreviewToo) {
    Load();
    ASSERT_TRUE(Open());
    RemovePreview(QStringLiteral("optcs1.zqi"));
    Pick("lbThemes", 1);
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].contains(QStringLiteral("optcs1.zqi"))) << errors_[0].toStdString();
}

}  // namespace orvane::test
