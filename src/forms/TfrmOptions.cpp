#include "TfrmOptions.h"

#include <QDir>
#include <QLabel>
#include <QStringList>

#include "FatalError.h"
#include "TPreviewImage.h"
#include "settings/CardLibraryCatalog.h"
#include "settings/SoundThemeCatalog.h"
#include "settings/TSettings.h"
#include "settings/ThemeCatalog.h"
#include "widgets/TDialogButton.h"
#include "widgets/TFlatCheckBox.h"
#include "widgets/TFlatGroupBox.h"
#include "widgets/TFlatListBox.h"
#include "widgets/TFlatPageControl.h"
#include "widgets/TFlatRadioButton.h"
#include "widgets/TTabSheet.h"

namespace orvane {

namespace {

const QSize ContentSize(402, 414);
constexpr int ToggleHeight = 17;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Widget>
Widget* Placed(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* NewLabel(const QString& text, QWidget* parent, const char* name, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return Placed(label, name, QRect(at, label->size()));
}

// Entries of the lists, in identifier order: list position k stands for identifier k + 1.
QStringList ThemeNames() {
    QStringList names;
    for (const ThemeRecord& theme : Themes()) {
        if (theme.Listed) {
            names << FromView(theme.Name);
        }
    }
    return names;
}

QStringList CardLibraryNames() {
    QStringList names;
    for (const CardLibraryRecord& library : CardLibraries()) {
        names << FromView(library.ListText);
    }
    return names;
}

QStringList SoundThemeNames() {
    QStringList names;
    for (const SoundThemeRecord& sound : SoundThemes()) {
        names << FromView(sound.ListText);
    }
    return names;
}

// A stored choice the list does not offer becomes its last item; one below the list (an
// identifier under 1 has no item and no preview) becomes the first.
void KeepChoiceInList(TFlatListBox& list) {
    if (list.ItemIndex() + 1 > list.count()) {
        list.SetItemIndex(list.count() - 1);
    } else if (list.ItemIndex() < 0) {
        list.SetItemIndex(0);
    }
}

}  // namespace

TfrmOptions::TfrmOptions(QWidget* parent, TSettings& settings, std::function<void()> save)
    : TFormZQ(ContentSize, parent), settings_(settings), save_(std::move(save)) {
    SetTitle(QStringLiteral("Orvane Cards - Options"));

    PageControl = Placed(new TFlatPageControl(Client()), "PageControl", QRect(2, 25, 397, 351));
    CreateGeneralPage();
    CreateThemesPage();
    CreateAdvancedPage();

    btnCancel =
        Placed(new TDialogButton(QStringLiteral("Cancel"), TDialogButton::Face::Green, Client()),
               "btnCancel", QRect(188, 383, 100, 20));
    btnOk = Placed(new TDialogButton(QStringLiteral("OK"), TDialogButton::Face::Green, Client()),
                   "btnOk", QRect(295, 383, 100, 20));
    SetDefaultButton(btnOk);
    SetCancelButton(btnCancel);
    connect(btnOk, &QAbstractButton::clicked, this, &TfrmOptions::btnOkClick);
    connect(btnCancel, &QAbstractButton::clicked, this, &TfrmOptions::btnCancelClick);

    connect(lbThemes, &TFlatListBox::Click, this, &TfrmOptions::lbThemesClick);
    connect(lbCardLibrary, &TFlatListBox::Click, this, &TfrmOptions::lbCardLibraryClick);
    connect(lbSounds, &TFlatListBox::Click, this, &TfrmOptions::lbSoundsClick);

    CentreOver(nullptr);
}

void TfrmOptions::CreateGeneralPage() {
    tsOptions = new TTabSheet(QStringLiteral(" GENERAL OPTIONS"));
    tsOptions->setObjectName(QStringLiteral("tsOptions"));
    PageControl->addTab(tsOptions, QStringLiteral("General"));

    Visualization = Placed(new TFlatGroupBox(QStringLiteral("Visualization"), tsOptions),
                           "Visualization", QRect(7, 30, 180, 147));
    cbInteractiveButtons =
        Placed(new TFlatCheckBox(QStringLiteral("Interactive buttons"), Visualization),
               "cbInteractiveButtons", QRect(13, 24, 160, ToggleHeight));
    cbAnimatedCards = Placed(new TFlatCheckBox(QStringLiteral("Animated cards"), Visualization),
                             "cbAnimatedCards", QRect(13, 56, 160, ToggleHeight));
    cbAnimatedDupCards =
        Placed(new TFlatCheckBox(QStringLiteral("Animated double-up cards"), Visualization),
               "cbAnimatedDupCards", QRect(13, 88, 160, ToggleHeight));
    cbAutoHold = Placed(new TFlatCheckBox(QStringLiteral("Autohold"), Visualization), "cbAutoHold",
                        QRect(13, 117, 160, ToggleHeight));

    FlatGroupBox1 = Placed(new TFlatGroupBox(QStringLiteral("Deal Speed"), tsOptions),
                           "FlatGroupBox1", QRect(7, 191, 180, 105));
    rbSpeedFast = Placed(new TFlatRadioButton(QStringLiteral("Fast"), FlatGroupBox1), "rbSpeedFast",
                         QRect(14, 24, 150, ToggleHeight));
    rbSpeedNormal = Placed(new TFlatRadioButton(QStringLiteral("Normal"), FlatGroupBox1),
                           "rbSpeedNormal", QRect(14, 48, 150, ToggleHeight));
    rbSpeedSlow = Placed(new TFlatRadioButton(QStringLiteral("Slow"), FlatGroupBox1), "rbSpeedSlow",
                         QRect(14, 72, 150, ToggleHeight));
    rbSpeedNormal->setChecked(true);

    FlatGroupBox2 = Placed(new TFlatGroupBox(QStringLiteral("DoubleUp Game"), tsOptions),
                           "FlatGroupBox2", QRect(200, 32, 182, 81));
    rbDupSmallBig = Placed(new TFlatRadioButton(QStringLiteral("Big/Small"), FlatGroupBox2),
                           "rbDupSmallBig", QRect(14, 24, 150, ToggleHeight));
    rbDupRedBlack = Placed(new TFlatRadioButton(QStringLiteral("Red/Black"), FlatGroupBox2),
                           "rbDupRedBlack", QRect(14, 48, 150, ToggleHeight));
    rbDupSmallBig->setChecked(true);

    FlatGroupBox3 = Placed(new TFlatGroupBox(QStringLiteral("Sounds"), tsOptions), "FlatGroupBox3",
                           QRect(199, 126, 182, 171));
    cbSound = Placed(new TFlatCheckBox(QStringLiteral("Sound ON"), FlatGroupBox3), "cbSound",
                     QRect(13, 25, 160, ToggleHeight));
    Label6 = NewLabel(QStringLiteral("Sound scheme:"), FlatGroupBox3, "Label6", QPoint(8, 56));
    lbSounds = Placed(new TFlatListBox(SoundThemeNames(), FlatGroupBox3), "lbSounds",
                      QRect(7, 77, 162, 34));
}

void TfrmOptions::CreateThemesPage() {
    tsThemes = new TTabSheet(QStringLiteral(" THEMES"));
    tsThemes->setObjectName(QStringLiteral("tsThemes"));
    PageControl->addTab(tsThemes, QStringLiteral("Themes"));

    Label27 = NewLabel(QStringLiteral("Theme browser"), tsThemes, "Label27", QPoint(8, 24));
    lbThemes = Placed(new TFlatListBox(ThemeNames(), tsThemes), "lbThemes", QRect(8, 42, 185, 64));
    Label2 = NewLabel(QStringLiteral("Preview"), tsThemes, "Label2", QPoint(214, 24));
    imgThemes = Placed(new TPreviewImage(tsThemes), "imgThemes", QRect(213, 42, 160, 124));

    Label1 = NewLabel(QStringLiteral("Card set browser"), tsThemes, "Label1", QPoint(8, 178));
    lbCardLibrary = Placed(new TFlatListBox(CardLibraryNames(), tsThemes), "lbCardLibrary",
                           QRect(8, 196, 185, 49));
    imgCardSet = Placed(new TPreviewImage(tsThemes), "imgCardSet", QRect(212, 192, 160, 124));
    imgCardSet->SetWhiteTransparent(true);
    cbFourColourDeck = Placed(new TFlatCheckBox(QStringLiteral("Four-colour deck"), tsThemes),
                              "cbFourColourDeck", QRect(8, 256, 185, ToggleHeight));
}

void TfrmOptions::CreateAdvancedPage() {
    VqTabSheet1 = new TTabSheet(QStringLiteral(" ADVANCED OPTIONS"));
    VqTabSheet1->setObjectName(QStringLiteral("VqTabSheet1"));
    PageControl->addTab(VqTabSheet1, QStringLiteral("Advanced"));

    cbStatsAtExit =
        Placed(new TFlatCheckBox(QStringLiteral("Display the statistics at exit"), VqTabSheet1),
               "cbStatsAtExit", QRect(16, 32, 300, ToggleHeight));
    cbFullScreenAtStart =
        Placed(new TFlatCheckBox(QStringLiteral("Start in fullscreen mode"), VqTabSheet1),
               "cbFullScreenAtStart", QRect(16, 56, 300, ToggleHeight));
    cbSaveCredit = Placed(new TFlatCheckBox(QStringLiteral("Save credit on exit"), VqTabSheet1),
                          "cbSaveCredit", QRect(16, 79, 300, ToggleHeight));
    // Never shown, but filled and read like the others, so CreditAtStart passes through.
    cbCreditAtStart = Placed(
        new TFlatCheckBox(QStringLiteral("Display the credit dialog at startup"), VqTabSheet1),
        "cbCreditAtStart", QRect(16, 272, 300, ToggleHeight));
    cbCreditAtStart->hide();
    cbReducedMotion = Placed(new TFlatCheckBox(QStringLiteral("Reduced motion"), VqTabSheet1),
                             "cbReducedMotion", QRect(16, 102, 300, ToggleHeight));
}

bool TfrmOptions::ShowOptions(const QString& page) {
    ChoosePage(page);
    FillControls();
    // Both previews show the current choice; the theme list's handling refreshes the card
    // preview too, and the card list is handled once more on its own.
    if (!ShowThemePreview() || !ShowCardSetPreview()) {
        return false;
    }
    cbSaveCredit->setChecked(settings_.SaveCredit);
    cbStatsAtExit->setChecked(settings_.StatsAtExit);
    cbCreditAtStart->setChecked(settings_.CreditAtStart);
    cbFullScreenAtStart->setChecked(settings_.FullScreenAtStart);
    return true;
}

void TfrmOptions::ChoosePage(const QString& page) {
    if (page == QLatin1String("Themes") || page == QLatin1String("CardSet")) {
        PageControl->setCurrentWidget(tsThemes);
    } else {
        PageControl->setCurrentWidget(tsOptions);
    }
}

void TfrmOptions::FillControls() {
    cbSound->setChecked(settings_.SoundEnabled);
    cbAutoHold->setChecked(settings_.AutoHold);

    switch (settings_.GameSpeed) {
        case 1:
            rbSpeedFast->setChecked(true);
            break;
        case 2:
            rbSpeedNormal->setChecked(true);
            break;
        case 3:
            rbSpeedSlow->setChecked(true);
            break;
        default:
            break;  // as designed: Normal
    }
    switch (settings_.DupMode) {
        case 1:
            rbDupSmallBig->setChecked(true);
            break;
        case 2:
            rbDupRedBlack->setChecked(true);
            break;
        default:
            break;  // as designed: Big/Small
    }

    cbInteractiveButtons->setChecked(settings_.InteractiveButtonsEnabled);
    cbAnimatedCards->setChecked(settings_.AnimatedCards);
    cbAnimatedDupCards->setChecked(settings_.AnimatedDupCards);
    cbReducedMotion->setChecked(settings_.ReducedMotion);
    cbFourColourDeck->setChecked(settings_.FourColourDeck);

    // The sound list is not kept inside itself here: a stored scheme it does not offer
    // shows no item chosen and is stored back unchanged unless the player picks one.
    lbSounds->SetItemIndex(settings_.SoundThemeID - 1);
    lbThemes->SetItemIndex(settings_.ThemeID - 1);
    lbCardLibrary->SetItemIndex(settings_.CardLibraryID - 1);
}

void TfrmOptions::lbThemesClick() {
    ShowThemePreview();
}

void TfrmOptions::lbCardLibraryClick() {
    ShowCardSetPreview();
}

void TfrmOptions::lbSoundsClick() {
    KeepChoiceInList(*lbSounds);
}

bool TfrmOptions::ShowThemePreview() {
    KeepChoiceInList(*lbThemes);
    const ThemeRecord* theme = FindTheme(lbThemes->ItemIndex() + 1);
    const QString file =
        theme != nullptr && theme->PreviewFile ? FromView(*theme->PreviewFile) : QString();
    return LoadPreview(*imgThemes, file) && ShowCardSetPreview();
}

bool TfrmOptions::ShowCardSetPreview() {
    KeepChoiceInList(*lbCardLibrary);
    const CardLibraryRecord* library = FindCardLibrary(lbCardLibrary->ItemIndex() + 1);
    const QString file = library != nullptr ? FromView(library->PreviewFile) : QString();
    return LoadPreview(*imgCardSet, file);
}

bool TfrmOptions::LoadPreview(TPreviewImage& image, const QString& fileName) {
    const QString path = QString::fromStdString(settings_.ProgramFolder()) + fileName;
    QString error;
    if (fileName.isEmpty() || !image.LoadPicture(path, &error)) {
        ReportFatalError(QStringLiteral("The preview picture \"%1\" cannot be read: %2")
                             .arg(QDir::toNativeSeparators(path),
                                  error.isEmpty() ? QStringLiteral("no such preview") : error));
        return false;
    }
    return true;
}

void TfrmOptions::btnOkClick() {
    ApplyControls();
    if (save_) {
        save_();
    }
    Finish(DialogResult::Ok);
}

void TfrmOptions::ApplyControls() {
    settings_.SoundEnabled = cbSound->isChecked();

    settings_.SoundThemeID = lbSounds->ItemIndex() + 1;
    settings_.ApplySoundTheme();

    settings_.AutoHold = cbAutoHold->isChecked();

    if (rbSpeedFast->isChecked()) {
        settings_.GameSpeed = 1;
    } else if (rbSpeedNormal->isChecked()) {
        settings_.GameSpeed = 2;
    } else if (rbSpeedSlow->isChecked()) {
        settings_.GameSpeed = 3;
    }
    settings_.ApplyGameSpeed();

    if (rbDupSmallBig->isChecked()) {
        settings_.DupMode = 1;
    } else if (rbDupRedBlack->isChecked()) {
        settings_.DupMode = 2;
    }

    settings_.InteractiveButtonsEnabled = cbInteractiveButtons->isChecked();
    settings_.AnimatedCards = cbAnimatedCards->isChecked();
    settings_.AnimatedDupCards = cbAnimatedDupCards->isChecked();
    settings_.ReducedMotion = cbReducedMotion->isChecked();
    settings_.ApplyAnimation();

    settings_.ThemeID = lbThemes->ItemIndex() + 1;
    settings_.ApplyTheme();

    settings_.CardLibraryID = lbCardLibrary->ItemIndex() + 1;
    settings_.FourColourDeck = cbFourColourDeck->isChecked();
    settings_.ApplyCardLibrary();

    settings_.SaveCredit = cbSaveCredit->isChecked();
    settings_.StatsAtExit = cbStatsAtExit->isChecked();
    settings_.CreditAtStart = cbCreditAtStart->isChecked();
    settings_.FullScreenAtStart = cbFullScreenAtStart->isChecked();
}

void TfrmOptions::btnCancelClick() {
    Finish(DialogResult::Cancel);
}

}  // namespace orvane
