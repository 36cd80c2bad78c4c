#include "TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <ctime>

#include "EventLoopPause.h"
#include "FatalError.h"
#include "FirstPaint.h"
#include "KeyboardMap.h"
#include "MainDialogs.h"
#include "MainFlashTarget.h"
#include "MainLayout.h"
#include "MainMenus.h"
#include "MainTableDisplay.h"
#include "OrvaneVersion.h"
#include "RgbColor.h"
#include "StartupContent.h"
#include "StripDrag.h"
#include "TableAccess.h"
#include "TableAdvisor.h"
#include "TableStage.h"
#include "TableToolTips.h"
#include "TfrmNotice.h"
#include "TfrmPayAnalysis.h"
#include "WindowPlacement.h"
#include "WindowTheme.h"
#include "game/GameTable.h"
#include "machine/PlayerWinCount.h"
#include "machine/RecordsNotice.h"
#include "machine/TableLedger.h"
#include "settings/CriticalStore.h"
#include "settings/TSettings.h"
#include "settings/ThemeCatalog.h"
#include "view/DesktopMotion.h"
#include "view/PictureDensity.h"
#include "view/SoundPlayer.h"
#include "view/TCard.h"
#include "view/TFlash.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcMain, "orvane.main")

const QString Title = QStringLiteral("Orvane Cards");
const QString MakerSuffix = QStringLiteral(" - Tessaly Software 2026");
const QString DevSuffix = QStringLiteral(" - under development");
const QUrl MakerHomepage(QStringLiteral("https://www.example.com/orvane-cards/"));
const QUrl MakerMail(QStringLiteral("mailto:orvane-cards@example.com"));
// Above this scale the table takes its double-size pictures.
constexpr qreal CrispScale = 1.5;

QString ProgramFolderOf(const QString& given) {
    QString folder = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

}  // namespace

TfrmMain::TfrmMain(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), setup_(std::move(setup)) {
    FormCreate();
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    // The analysis window and the advisor go before the work they show.
    delete payAnalysis_;
    if (table_ && advisor_) {
        table_->RemoveListener(*advisor_);
    }
    advisor_.reset();
    analysis_.reset();
    // The effects object's timers must not fire into controls that are going away.
    if (flash_) {
        flash_->StopIdleAnimation();
        flash_->SetIndicatorBlink(false);
        flash_->BlinkTimer.stop();
    }
    // The picture density is the whole program's; a window that goes away enlarged must
    // not leave the next one taking double-size pictures.
    SetPictureDensityFloor(1.0);
}

// Window creation: the shell's steps and the table's set-up, in the order the rest of the
// program relies on.
void TfrmMain::FormCreate() {
    Starting = true;
    AppDir = ProgramFolderOf(setup_.ProgramFolder);
    QDir::setCurrent(AppDir);
    DevMode = QFileInfo::exists(AppDir + QStringLiteral("dev.id"));
    Version = QString::fromLatin1(ProgramVersion);
    QuickExit = false;

    setObjectName(QStringLiteral("frmMain"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(WindowWidth, WindowHeight);
    surface_ = new QWidget(this);
    surface_->setObjectName(QStringLiteral("Table"));
    surface_->resize(TableWidth, TableHeight);
    c_ = BuildMainLayout(*surface_, AppDir + QStringLiteral("Data/gfx/"));
    stage_ = std::make_unique<TableStage>(*this, *surface_);
    drag_ = std::make_unique<StripDrag>(*this);
    stage_->ShowNative(QPoint(FrameWidth, FrameWidth));

    // The effects object, then the settings and the table the settings load into.
    if (setup_.Store == nullptr) {
        throw std::invalid_argument("the main window needs a settings store");
    }
    settings_ = std::make_unique<TSettings>(*setup_.Store, AppDir.toStdString());
    settings_->DesktopReducedMotion =
        setup_.DesktopReducedMotion ? *setup_.DesktopReducedMotion : DesktopPrefersReducedMotion();
    sounds_ = std::make_unique<SoundPlayer>(std::move(setup_.Sound));
    flashTarget_ = std::make_unique<MainFlashTarget>(c_, [this] {
        display_->ClearPayHighlight();
        display_->ShowStars(0);
        if (advisor_) {
            advisor_->IdleAnimationBegins();
        }
    });
    const TSettings& settings = *settings_;
    flash_ = std::make_unique<TFlash>(
        *flashTarget_,
        [&settings] {
            FlashSettings f;
            f.MessageFlashColor = ToQColor(settings.MessageFlashColor);
            f.MessageColor = ToQColor(settings.MessageColor);
            f.SoundEnabled = settings.SoundEnabled;
            f.SoundThemeFolder = QString::fromStdString(settings.SoundThemeFolder);
            f.ReducedMotion = settings.MotionReduced();
            return f;
        },
        *sounds_);
    CardPictureSource pictures = setup_.Pictures ? setup_.Pictures : DefaultCardPictureSource();
    display_ = std::make_unique<MainTableDisplay>(*this, c_, *settings_, *flash_, pictures);
    pause_ =
        setup_.TablePause ? std::move(setup_.TablePause) : std::make_unique<EventLoopPause>(this);
    table_ = std::make_unique<GameTable>(*display_, *pause_, *settings_);
    winCount_ = std::make_unique<PlayerWinCount>(
        [this] { flash_->SetMessage(static_cast<int>(Message::CollectAllHint), false); },
        [this] { display_->ShowTableMessage(); });
    table_->SetWinCount(winCount_.get());

    const TSettings& theme = *settings_;
    const auto menuColors = [&theme] {
        return MenuColors{ToQColor(theme.MenuColor), ToQColor(theme.MenuTextColor)};
    };
    menus_ = std::make_unique<MainMenus>(*this, menuColors);
    new TableToolTips(*this, c_, menuColors);  // owned by the window
    MainDialogs::Needs needs;
    needs.Owner = this;
    needs.Settings = settings_.get();
    needs.ProgramFolder = AppDir;
    needs.RunningTime = [this] { return StartTick.elapsed(); };
    needs.Credit = [this] { return table_->State().Credit; };
    needs.AddCredit = [this](std::int32_t amount) { AddCredit(amount, true); };
    needs.Ask = setup_.Ask;
    needs.LastGames = [this] {
        std::vector<GameRecord> games = table_->History().Finished();
        if (table_->History().Current()) {
            games.push_back(*table_->History().Current());
        }
        return games;
    };
    needs.Pictures = pictures;
    needs.Save = [this] {
        ShowLoadReport(settings_->Save(table_->State(), table_->Orvane()), "saving the settings");
    };
    dialogs_ = std::make_unique<MainDialogs>(std::move(needs));
    settings_->OnApplyTheme = [this] { ApplyTheme(); };
    settings_->OnApplyCardLibrary = [this, pictures] { ApplyCardLibrary(pictures); };
    ShowLoadReport(settings_->Load(table_->State(), table_->Orvane()), "loading the settings");
    const StartupContent content = CheckContent(pictures);

    QString caption = Title + QLatin1Char(' ') + Version + MakerSuffix;
    if (DevMode) {
        caption += DevSuffix;
        c_.lblCaption->show();
    }
    setWindowTitle(caption);

    CreateCards();
    analysis_ = std::make_unique<AnalysisService>(
        std::move(setup_.PayFigures),
        setup_.AnalysisCacheFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
            : setup_.AnalysisCacheFolder);
    advisor_ = std::make_unique<TableAdvisor>(*surface_, *analysis_);
    table_->AddListener(*advisor_);
    StartTick.start();
    table_->Start(setup_.Seed.value_or(static_cast<std::uint32_t>(std::time(nullptr))));
    if (content.OutOfService) {
        table_->SetOutOfService(true);
        display_->SetOutOfService(true);
    }
    ConnectControls();
    ConnectMenus();
    ApplyFullScreen(settings_->FullScreenAtStart);
    FullScreenMemory = settings_->FullScreenAtStart;
    RestoreTable();
    advisor_->SetOn(settings_->HoldAdvisorEnabled, table_->State(), table_->Orvane());
    if (!content.Message.isEmpty()) {
        Inform(content.Message);
    }
}

void TfrmMain::RestoreTable() {
    TableLedger::Restored restored = TableLedger::Restored::Nothing;
    if (setup_.Critical != nullptr) {
        ledger_ = std::make_unique<TableLedger>(
            *setup_.Critical, *table_, *settings_,
            [this](const std::string& text) { InformLater(QString::fromStdString(text)); });
        restored = ledger_->Restore();
        table_->SetJournal(ledger_.get());
    }
    // An interrupted run left its credit on the table, not in LastCredit.
    if (restored != TableLedger::Restored::Interrupted && settings_->SaveCredit &&
        settings_->LastCredit > 0) {
        table_->AddCredit(settings_->LastCredit, false);
    }
    if (noticesPending_ == 0) {
        table_->ReleaseIdleAnimation();
    }
    // While the records cannot be kept, they are tried again now and then, not only when
    // the player acts.
    auto* retry = new QTimer(this);
    connect(retry, &QTimer::timeout, this, [this] { table_->RetryRecords(); });
    retry->start(RecordsRetryMs);
}

// Before the cards are made: stored numbers that name no theme or card set are mended,
// and a damaged card library gives way to a whole one.
StartupContent TfrmMain::CheckContent(const CardPictureSource& pictures) {
    StartupContent content =
        StartupContent::Check(AppDir, settings_->ThemeID, settings_->CardLibraryID, pictures);
    if (content.ThemeID) {
        settings_->ThemeID = *content.ThemeID;
        settings_->ApplyTheme();
    }
    if (content.CardLibraryID) {
        settings_->CardLibraryID = *content.CardLibraryID;
    }
    shownCardLibraryID_ = settings_->CardLibraryID;
    return content;
}

// A card set chosen in the options is held to the start-up test: a damaged one is refused
// and the cards on the table stay as they were; a whole one puts a machine that was out of
// service back in service.
void TfrmMain::ApplyCardLibrary(const CardPictureSource& pictures) {
    if (settings_->CardLibraryID != shownCardLibraryID_ || table_->OutOfService()) {
        const QString damage =
            StartupContent::CheckCardLibrary(AppDir, settings_->CardLibraryID, pictures);
        if (!damage.isEmpty()) {
            settings_->CardLibraryID = shownCardLibraryID_;
            settings_->SetCardLibraryFile();
            InformLater(damage);
            return;
        }
    }
    shownCardLibraryID_ = settings_->CardLibraryID;
    const QString file = QString::fromStdString(settings_->CardLibraryFile);
    c_.ForEachCard([&file](TCard& card, bool) { card.SetLibrary(file); });
    if (table_->OutOfService()) {
        display_->SetOutOfService(false);
        table_->SetOutOfService(false);
    }
}

void TfrmMain::InformLater(const QString& text) {
    qCInfo(lcMain).noquote() << text;
    ++noticesPending_;
    QTimer::singleShot(0, this, [this, text] {
        Inform(text);
        // A round a restart finished stays on the table until its notices are read.
        if (--noticesPending_ == 0) {
            table_->ReleaseIdleAnimation();
        }
    });
}

void TfrmMain::CreateCards() {
    settings_->SetCardLibraryFile();
    CreateCardViews(c_, *surface_, QString::fromStdString(settings_->CardLibraryFile));
    if (setup_.Pictures) {
        c_.ForEachCard([this](TCard& card, bool) { card.SetPictureSource(setup_.Pictures); });
    }
    settings_->OnApplyAnimation = [this] {
        c_.ForEachCard([this](TCard& card, bool hand) {
            card.SetAnimated((hand ? settings_->AnimatedCards : settings_->AnimatedDupCards) &&
                             !settings_->MotionReduced());
        });
        flash_->FollowMotionSetting();
    };
    settings_->ApplyAnimation();
}

void TfrmMain::ConnectControls() {
    connect(c_.Button(GameButton::Deal), &QAbstractButton::clicked, this, &TfrmMain::btnDealClick);
    connect(c_.Button(GameButton::Bet), &QAbstractButton::clicked, this, &TfrmMain::btnBetClick);
    connect(c_.Button(GameButton::Cash), &QAbstractButton::clicked, this, &TfrmMain::btnCashClick);
    for (int slot = 1; slot <= 5; ++slot) {
        connect(c_.btnHold(slot), &QAbstractButton::clicked, this, &TfrmMain::btnHoldClick);
        TCard* card = c_.HandCards[static_cast<std::size_t>(slot)];
        connect(card, &TCard::clicked, this, &TfrmMain::HoldClick);
        connect(card, &TCard::rightPressed, this, &TfrmMain::btnDealClick);
    }
    connect(c_.lblCredit, &TEffectLabel::clicked, this, &TfrmMain::lblCreditClick);
    for (int i = 1; i <= 3; ++i) {
        connect(c_.fcShapeBtn[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this,
                [this, i] { fcShapeBtnClick(i); });
    }
    connect(c_.btnMinimize, &QAbstractButton::clicked, this, &TfrmMain::btnMinimizeClick);
    connect(c_.btnExit, &QAbstractButton::clicked, this, &QWidget::close);
    c_.imgBackground->installEventFilter(this);
    c_.CaptionShape->installEventFilter(this);
    NameTableControls(c_);
    // Keys reach the table before whichever control has the focus.
    qApp->installEventFilter(this);
}

void TfrmMain::ConnectMenus() {
    MainMenus& m = *menus_;
    connect(m.pmCredit, &QMenu::aboutToShow, this, &TfrmMain::pmCreditPopup);
    connect(m.pmOptions, &QMenu::aboutToShow, this, &TfrmMain::pmOptionsPopup);
    const std::pair<QAction*, void (TfrmMain::*)()> items[] = {
        {m.Addcredit1, &TfrmMain::Addcredit1Click},
        {m.Cashout1, &TfrmMain::Cashout1Click},
        {m.menuStatistics, &TfrmMain::menuStatisticsClick},
        {m.menuLastGames, &TfrmMain::menuLastGamesClick},
        {m.Sound1, &TfrmMain::Sound1Click},
        {m.Interactivebuttons1, &TfrmMain::Interactivebuttons1Click},
        {m.Holdadvisor1, &TfrmMain::Holdadvisor1Click},
        {m.FullScreen, &TfrmMain::FullScreenClick},
        {m.Themes2, &TfrmMain::Themes2Click},
        {m.General2, &TfrmMain::General2Click},
        {m.mmenuHelp, &TfrmMain::mmenuHelpClick},
        {m.mmenuKeyboard, &TfrmMain::mmenuKeyboardClick},
        {m.Homepage, &TfrmMain::HomepageClick},
        {m.BugreportSuggestions1, &TfrmMain::BugreportSuggestions1Click},
        {m.menuPayAnalysis, &TfrmMain::menuPayAnalysisClick},
        {m.About1, &TfrmMain::About1Click},
    };
    for (const auto& [action, handler] : items) {
        connect(action, &QAction::triggered, this, handler);
    }
    // Closing goes through the close request, which asks.
    connect(m.Exitgame1, &QAction::triggered, this, &QWidget::close);
    windowKeys_ = std::make_unique<WindowKeyboard>(
        std::vector<QMenu*>{m.pmCredit, m.pmOptions, m.pmHelp},
        WindowKeyboard::Actions{[this] { Addcredit1Click(); }, [this] { menuStatisticsClick(); },
                                [this](int n) { fcShapeBtnClick(n); }});
}

// ---- game events -------------------------------------------------------------------

void TfrmMain::RunTableEvent(const std::function<void()>& event) {
    event();
    if (closePending_ && table_->State().Ready) {
        closePending_ = false;
        close();
    }
}

void TfrmMain::btnDealClick() {
    RunTableEvent([this] { table_->Deal(); });
}

void TfrmMain::btnHoldClick() {
    if (auto* button = qobject_cast<TImageButton*>(sender())) {
        HoldClick(button->Tag());
    }
}

void TfrmMain::HoldClick(int slot) {
    RunTableEvent([this, slot] { table_->Hold(slot); });
}

void TfrmMain::btnBetClick() {
    RunTableEvent([this] { table_->Bet(); });
}

void TfrmMain::btnCashClick() {
    RunTableEvent([this] { table_->Cash(); });
}

void TfrmMain::lblCreditClick() {
    Addcredit1Click();
}

void TfrmMain::AddCredit(std::int32_t amount, bool count) {
    CreditChange result = CreditChange::Done;
    RunTableEvent([this, amount, count, &result] { result = table_->AddCredit(amount, count); });
    if (result == CreditChange::WouldOverflow) {
        Inform(QStringLiteral("The machine cannot hold more credit. Cash out or play some first."));
    } else if (result == CreditChange::RecordsNotKept && setup_.Critical != nullptr) {
        InformLater(QString::fromStdString(CoinRefusedNotice(FolderOf(setup_.Critical->Path(0)))));
    }
}

// ---- menus -------------------------------------------------------------------------

void TfrmMain::fcShapeBtnClick(int button) {
    QMenu* menus[] = {nullptr, menus_->pmCredit, menus_->pmOptions, menus_->pmHelp};
    if (button < 1 || button > 3) {
        return;
    }
    const QWidget* shape = c_.fcShapeBtn[static_cast<std::size_t>(button)];
    // Under the button's bottom-left corner, wherever the table is drawn and at what scale.
    menus[button]->popup(shape->mapToGlobal(QPoint(0, shape->height())));
}

void TfrmMain::pmCreditPopup() {
    menus_->Cashout1->setEnabled(table_->CashOutAllowed());
}

void TfrmMain::pmOptionsPopup() {
    menus_->Sound1->setChecked(settings_->SoundEnabled);
    menus_->Interactivebuttons1->setChecked(settings_->InteractiveButtonsEnabled);
    menus_->Holdadvisor1->setChecked(settings_->HoldAdvisorEnabled);
}

void TfrmMain::Addcredit1Click() {
    if (table_->State().Ready) {
        dialogs_->ShowAddCredit();
    }
}

void TfrmMain::Cashout1Click() {
    if (!table_->CashOutAllowed()) {
        return;
    }
    if (AskYes(QStringLiteral("Confirm"), QStringLiteral("Cash out ?"))) {
        RunTableEvent([this] { table_->CashOut(true); });
    }
}

void TfrmMain::menuLastGamesClick() {
    dialogs_->ShowLastGames();
}

void TfrmMain::menuStatisticsClick() {
    dialogs_->ShowStatistics();
}

void TfrmMain::Sound1Click() {
    settings_->SoundEnabled = menus_->Sound1->isChecked();
}

void TfrmMain::Interactivebuttons1Click() {
    settings_->InteractiveButtonsEnabled = menus_->Interactivebuttons1->isChecked();
    if (!settings_->InteractiveButtonsEnabled) {
        display_->SetButtonLayout(ButtonLayout::AllLit);
    }
}

void TfrmMain::Holdadvisor1Click() {
    settings_->HoldAdvisorEnabled = menus_->Holdadvisor1->isChecked();
    advisor_->SetOn(settings_->HoldAdvisorEnabled, table_->State(), table_->Orvane());
}

void TfrmMain::FullScreenClick() {
    ApplyFullScreen(!FullScreen());
}

void TfrmMain::Themes2Click() {
    if (dialogs_->ShowOptions(QStringLiteral("Themes"))) {
        table_->ShowChoiceButtons();
    }
}

void TfrmMain::General2Click() {
    // An offer that is open shows the choices of the double-up mode now chosen.
    if (dialogs_->ShowOptions(QStringLiteral("General"))) {
        table_->ShowChoiceButtons();
    }
    if (!settings_->InteractiveButtonsEnabled) {
        display_->SetButtonLayout(ButtonLayout::AllLit);
    }
}

void TfrmMain::mmenuHelpClick() {
    OpenHelpPage(QStringLiteral("help/index.html"));
}

void TfrmMain::mmenuKeyboardClick() {
    OpenHelpPage(QStringLiteral("help/keyboard.html"));
}

void TfrmMain::HomepageClick() {
    OpenDocument(MakerHomepage);
}

void TfrmMain::BugreportSuggestions1Click() {
    OpenDocument(MakerMail);
}

TfrmPayAnalysis* TfrmMain::PayAnalysisWindow() const {
    return payAnalysis_;
}

// Not modal: the figures take a while, and the table stays in play meanwhile.
void TfrmMain::menuPayAnalysisClick() {
    if (payAnalysis_ == nullptr) {
        payAnalysis_ = new TfrmPayAnalysis(this, *analysis_, table_->State().Multiplier);
        payAnalysis_->setAttribute(Qt::WA_DeleteOnClose);
        payAnalysis_->CentreOver(this);
    }
    payAnalysis_->show();
    payAnalysis_->raise();
    payAnalysis_->activateWindow();
}

void TfrmMain::About1Click() {
    dialogs_->ShowAbout();
}

// The minimise button remembers full screen for the restore, and leaves it, so that the
// desktop is usable meanwhile.
void TfrmMain::btnMinimizeClick() {
    FullScreenMemory = FullScreen();
    if (FullScreen()) {
        ApplyFullScreen(false);
    }
    showMinimized();
}

void TfrmMain::OpenHelpPage(const QString& page) {
    // A missing page opens nothing and says nothing.
    const QString file = AppDir + page;
    if (QFileInfo::exists(file)) {
        OpenDocument(QUrl::fromLocalFile(file));
    }
}

// A document is read outside the game: full screen gives way first.
void TfrmMain::OpenDocument(const QUrl& document) {
    if (FullScreen()) {
        btnMinimizeClick();
    }
    if (setup_.OpenDocument) {
        setup_.OpenDocument(document);
    } else {
        QDesktopServices::openUrl(document);
    }
}

bool TfrmMain::AskYes(const QString& caption, const QString& text) {
    return dialogs_->Ask(caption, text);
}

void TfrmMain::Inform(const QString& text) {
    if (setup_.Inform) {
        setup_.Inform(text);
    } else {
        ShowNotice(this, Title, text, TfrmNotice::Sign::Information);
    }
}

// ---- keyboard and mouse ------------------------------------------------------------

bool TfrmMain::FormKeyDown(const KeyPress& key) {
    const KeyCommand command = CommandForKey(key);
    switch (command) {
        case KeyCommand::None:
            return false;
        case KeyCommand::Deal:
            btnDealClick();
            return true;
        case KeyCommand::Bet:
            btnBetClick();
            return true;
        case KeyCommand::Cash:
            btnCashClick();
            return true;
        case KeyCommand::QuickExit:
            QuickExit = true;
            close();
            return true;
        case KeyCommand::Help:
            mmenuHelpClick();
            return true;
        case KeyCommand::ReapplyTheme:
            if (DevMode) {
                settings_->ApplyTheme();
            }
            return true;
        default:
            HoldClick(HoldSlotOf(command));
            return true;
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (!OwnKey(watched)) {
                break;
            }
            const KeyPress press = KeyPress::From(*static_cast<QKeyEvent*>(event));
            // The quick exit is not just any key to a count: it settles the count at once
            // and then closes, as a stop signal does.
            if (CommandForKey(press) != KeyCommand::QuickExit && CutCountShort(watched)) {
                return true;
            }
            if (windowKeys_->KeyDown(press) || FormKeyDown(press)) {
                return true;
            }
            break;
        }
        case QEvent::KeyRelease:
            if (OwnKey(watched) && windowKeys_->KeyUp(static_cast<QKeyEvent*>(event)->key())) {
                return true;
            }
            break;
        case QEvent::MouseButtonPress: {
            if (CutCountShort(watched)) {
                return true;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (watched == c_.imgBackground && mouse->button() == Qt::RightButton) {
                btnDealClick();
                return true;
            }
            if (watched == c_.CaptionShape && !FullScreen() &&
                drag_->Handle(*mouse, event->type())) {
                return true;
            }
            break;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            if (watched == c_.CaptionShape &&
                drag_->Handle(*static_cast<QMouseEvent*>(event), event->type())) {
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// Only keys meant for this window (or its table, which is a window of its own while full
// screen enlarges it), and none while a dialog is up over it.
bool TfrmMain::OwnKey(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && (widget->window() == this || widget->window() == surface_) &&
           QApplication::activeModalWidget() == nullptr;
}

bool TfrmMain::CutCountShort(QObject* watched) {
    if (!winCount_->Counting()) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget->window() != this && widget->window() != surface_) ||
        QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    winCount_->RequestRest();
    return true;
}

// ---- theme and screen --------------------------------------------------------------

void TfrmMain::ApplyTheme() {
    const ThemeRecord* theme = FindTheme(settings_->ThemeID);
    if (theme == nullptr) {
        return;  // an unknown theme changes nothing
    }
    const QString file =
        AppDir + QString::fromUtf8(theme->BackgroundFile.data(),
                                   static_cast<qsizetype>(theme->BackgroundFile.size()));
    QDir::setCurrent(AppDir);
    QString why;
    const QImage background = ReadThemePicture(file, &why);
    if (background.isNull()) {
        ReportFatalError(QStringLiteral("The background picture \"%1\" cannot be read: %2")
                             .arg(QDir::toNativeSeparators(file), why));
    }
    ApplyWindowTheme(c_, *theme, background);
    table_->RedrawMeter();
    display_->ApplyTheme();
}

bool TfrmMain::FullScreen() const {
    return fullScreen_;
}

qreal TfrmMain::TableScale() const {
    return stage_->Scale();
}

QPoint TfrmMain::TableOrigin() const {
    return stage_->Origin();
}

void TfrmMain::ApplyFullScreen(bool on) {
    const bool wasVisible = isVisible();
    SetWindowMode(on);
    if (wasVisible) {
        show();  // changing the window flags hides the window
    }
}

// Full screen is a borderless window over the whole screen that stays on top, with the
// table enlarged to fill it; windowed is the fixed, framed window in the desktop's centre.
void TfrmMain::SetWindowMode(bool fullScreen) {
    fullScreen_ = fullScreen;
    menus_->FullScreen->setChecked(fullScreen);
    if (fullScreen) {
        PlaceOverWholeScreen(*this);
        stage_->ShowScaled();
        UsePictureDensity(stage_->Scale() > CrispScale ? 2.0 : 1.0);
    } else {
        const QSize native(WindowWidth, WindowHeight);
        if (PlaceFramedInCentre(*this, native) == native) {
            stage_->ShowNative(QPoint(FrameWidth, FrameWidth));
        } else {
            stage_->ShowScaled();  // reduced to the screen, all of it within reach
        }
        UsePictureDensity(1.0);
    }
    ApplyRoundedCardOutlines();
}

void TfrmMain::UsePictureDensity(qreal density) {
    if (qFuzzyCompare(PictureDensityFloor(), density)) {
        return;
    }
    SetPictureDensityFloor(density);
    ReloadWindowPictures(c_, AppDir + QStringLiteral("Data/gfx/"));
    display_->ReloadBonusPicture(table_->State().OrvaneNumber);
    table_->ShowChoiceButtons();  // an open offer keeps its choice faces
    surface_->update();           // the cards load their pictures again as they are painted
}

// The cards' rounded outline is tied to the native window, which the flags renew.
void TfrmMain::ApplyRoundedCardOutlines() {
    c_.ForEachCard([](TCard& card, bool) { card.SetRegion(); });
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (stage_ != nullptr) {
        stage_->Fit();
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool restored = change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized();
    if (restored && FullScreenMemory && !FullScreen()) {
        // Not from inside the window system's state change.
        QTimer::singleShot(0, this, [this] { ApplyFullScreen(true); });
    }
}

// The thin frame of the window: the window system's frame is given up with its caption,
// so the window draws its own.
void TfrmMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (FullScreen()) {
        return;
    }
    QPainter painter(this);
    PaintThinFrame(painter, rect());
}

// ---- showing and closing -----------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Starting && !firstShown_) {
        firstShown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow() {
    // Start-up checks (the install test among them) wait for this line.
    qCInfo(lcMain) << "the table is up";
    if (!settings_->CreditAtStart) {
        Starting = false;
        return;
    }
    // Over the drawn table, not over an empty screen: the window is shown and painted
    // before the coins are asked for.
    AfterFirstPaint(*this, [this] {
        dialogs_->ShowAddCredit();
        Starting = false;
    });
}

bool TfrmMain::FormCloseQuery() {
    if (QuickExit) {
        return true;
    }
    // A count of a win is finished at once and then the window closes.
    bool allow = table_->State().Ready || winCount_->Counting();
    if (!DevMode) {
        allow = AskYes(Title, QStringLiteral("Exit Orvane Cards ?"));
    }
    return allow;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!closeAgreed_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    closeAgreed_ = true;
    if (!table_->State().Ready) {
        // An action of the table is still running; the window closes once it is done.
        closePending_ = true;
        winCount_->RequestRest();
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmMain::FormClose() {
    closed_ = true;
    analysis_->Stop();  // the figures under way end while the rest closes
    if (payAnalysis_ != nullptr) {
        payAnalysis_->close();
    }
    settings_->LastCredit = table_->State().Credit;
    // Only an idle table is emptied. A round in progress keeps its credit on the table,
    // where the next start resumes it; emptying it (a win waiting for room allows a cash
    // out in mid-round) would leave the credit in LastCredit, which a resume never reads.
    if (table_->State().RoundState == RoundPhase::Idle) {
        if (ledger_) {
            ledger_->BeginClose();
        }
        table_->CashOut(false);
    }
    if (settings_->StatsAtExit && !QuickExit) {
        dialogs_->ShowStatistics();
    }
    ShowLoadReport(settings_->Save(table_->State(), table_->Orvane()), "saving the settings");
    if (ledger_) {
        ledger_->EndClose();
    }
    flash_->StopIdleAnimation();
    flash_->SetIndicatorBlink(false);
    if (FullScreen()) {
        SetWindowMode(false);
    }
}

void TfrmMain::ShowLoadReport(const std::vector<std::string>& report, const char* what) {
    if (report.empty()) {
        return;
    }
    QStringList lines;
    for (const std::string& line : report) {
        lines << QString::fromStdString(line);
    }
    qCWarning(lcMain) << "problems while" << what;
    ReportFatalErrors(lines);
}

}  // namespace orvane
