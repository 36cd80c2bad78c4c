#pragma once

#include <functional>

#include "TFormZQ.h"

class QLabel;

namespace orvane {

class TDialogButton;
class TFlatCheckBox;
class TFlatGroupBox;
class TFlatListBox;
class TFlatPageControl;
class TFlatRadioButton;
class TPreviewImage;
class TSettings;
class TTabSheet;

// The one window in which the player changes the settings. It changes nothing while it
// is open: ShowOptions fills the controls from the settings, and only OK writes them
// back, applies them and saves the whole store. Cancel, Escape and the strip's "X" leave
// every setting as it was.
//
// Use: create it, call ShowOptions and show it modally only when that succeeded:
//     TfrmOptions options(this, settings, [this] { SaveAll(); });
//     if (options.ShowOptions(QStringLiteral("Themes"))) options.exec();
class TfrmOptions : public TFormZQ {
    Q_OBJECT
  public:
    // save writes the whole store (settings, statistics, credit, meter) as it stands.
    TfrmOptions(QWidget* parent, TSettings& settings, std::function<void()> save);

    // Chooses the page ("General": the first; "Themes" or "CardSet": the second; any
    // other text: the first) and fills every control from the settings, previews
    // included. False when a preview picture could not be read: that is reported, and
    // the dialog must not be shown.
    bool ShowOptions(const QString& page);

    // The lists' click handling: keeps the choice inside the list, then shows its
    // preview; the theme list also refreshes the card preview.
    void lbThemesClick();
    void lbCardLibraryClick();
    void lbSoundsClick();

    // Writes the controls into the settings, applies each choice, saves, closes with OK.
    void btnOkClick();
    // Closes with Cancel, changing nothing.
    void btnCancelClick();

  private:
    void CreateGeneralPage();
    void CreateThemesPage();
    void CreateAdvancedPage();
    void ChoosePage(const QString& page);
    void FillControls();

    bool ShowThemePreview();
    bool ShowCardSetPreview();
    bool LoadPreview(TPreviewImage& image, const QString& fileName);

    void ApplyControls();

    TSettings& settings_;
    std::function<void()> save_;

    TFlatPageControl* PageControl = nullptr;
    TTabSheet* tsOptions = nullptr;
    TTabSheet* tsThemes = nullptr;
    TTabSheet* VqTabSheet1 = nullptr;
    TDialogButton* btnOk = nullptr;
    TDialogButton* btnCancel = nullptr;

    TFlatGroupBox* Visualization = nullptr;
    TFlatCheckBox* cbInteractiveButtons = nullptr;
    TFlatCheckBox* cbAnimatedCards = nullptr;
    TFlatCheckBox* cbAnimatedDupCards = nullptr;
    TFlatCheckBox* cbAutoHold = nullptr;
    TFlatCheckBox* cbReducedMotion = nullptr;
    TFlatGroupBox* FlatGroupBox1 = nullptr;
    TFlatRadioButton* rbSpeedFast = nullptr;
    TFlatRadioButton* rbSpeedNormal = nullptr;
    TFlatRadioButton* rbSpeedSlow = nullptr;
    TFlatGroupBox* FlatGroupBox2 = nullptr;
    TFlatRadioButton* rbDupSmallBig = nullptr;
    TFlatRadioButton* rbDupRedBlack = nullptr;
    TFlatGroupBox* FlatGroupBox3 = nullptr;
    TFlatCheckBox* cbSound = nullptr;
    QLabel* Label6 = nullptr;
    TFlatListBox* lbSounds = nullptr;

    QLabel* Label27 = nullptr;
    TFlatListBox* lbThemes = nullptr;
    QLabel* Label2 = nullptr;
    TPreviewImage* imgThemes = nullptr;
    QLabel* Label1 = nullptr;
    TFlatListBox* lbCardLibrary = nullptr;
    TPreviewImage* imgCardSet = nullptr;
    TFlatCheckBox* cbFourColourDeck = nullptr;

    TFlatCheckBox* cbStatsAtExit = nullptr;
    TFlatCheckBox* cbFullScreenAtStart = nullptr;
    TFlatCheckBox* cbSaveCredit = nullptr;
    TFlatCheckBox* cbCreditAtStart = nullptr;
};

}  // namespace orvane
