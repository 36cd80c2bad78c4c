#include "TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPainter>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <ctime>

#include "EventLoopPause.h"
#include "FatalError.h"
#include "FirstPaint.h"
#include "KeyboardMap.h"
#include "LaterNotices.h"
#include "MainClosing.h"
#include "MainDialogs.h"
#include "MainFlashTarget.h"
#include "MainInput.h"
#include "MainLayout.h"
#include "MainMenuCommands.h"
#include "MainMenus.h"
#include "MainTableDisplay.h"
#include "MainWindowMode.h"
#include "OrvaneVersion.h"
#include "RgbColor.h"
#include "ShownCardLibrary.h"
#include "TableAdvisor.h"
#include "TableStage.h"
#include "TableToolTips.h"
#include "TfrmNotice.h"
#include "TfrmPayAnalysis.h"
#include "WindowPlacement.h"
#include "WindowTheme.h"
#include "game/GameTable.h"
#include "machine/LastRun.h"
#include "machine/PlayerWinCount.h"
#include "machine/RecordsNotice.h"
#include "machine/TableLedger.h"
#include "settings/CriticalStore.h"
#include "settings/TSettings.h"
#include "view/DesktopMotion.h"
#include "view/SoundPlayer.h"
#include "view/TCard.h"
#include "view/TFlash.h"
#include "widgets/TImageButton.h"

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcMain, "orvane.main")

const QString MakerSuffix = QStringLiteral(" - Tessaly Software 2026");
const QString DevSuffix = QStringLiteral(" - under development");

QString ProgramFolderOf(const QString& given) {
    QString folder = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

}  // namespace

QString TfrmMain::Title() {
    return QStringLiteral("Orvane Cards");
}

TfrmMain::TfrmMain(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), setup_(std::move(setup)) {
    FormCreate();
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    // The analysis window and the advisor go before the work they show.
    input_.reset();
    commands_.reset();
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
}

// Window creation: the shell's steps and the table's set-up, in the order the rest of the
// program relies on.
void TfrmMain::FormCreate() {
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
    mode_ =
        std::make_unique<MainWindowMode>(*this, *surface_, c_, AppDir + QStringLiteral("Data/gfx/"),
                                         QSize(WindowWidth, WindowHeight), FrameWidth);

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
        *flashTarget_, [&settings] { return FlashSettingsOf(settings); }, *sounds_);
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
    mode_->OnModeSet = [this](bool on) { menus_->FullScreen->setChecked(on); };
    mode_->OnPicturesReloaded = [this] {
        display_->ReloadBonusPicture(table_->State().OrvaneNumber);
        table_->ShowChoiceButtons();  // an open offer keeps its choice faces
    };
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
    const auto save = [this] {
        ShowLoadReport(settings_->Save(table_->State(), table_->Orvane()), "saving the settings");
    };
    needs.Save = save;
    dialogs_ = std::make_unique<MainDialogs>(std::move(needs));
    settings_->OnApplyTheme = [this] { ApplyTheme(); };
    notices_ = std::make_unique<LaterNotices>(
        *this, [this](const QString& text) { Inform(text); },
        [this] { table_->ReleaseIdleAnimation(); });
    cardLibrary_ = std::make_unique<ShownCardLibrary>(AppDir, *settings_, pictures);
    settings_->OnApplyCardLibrary = [this] {
        cardLibrary_->Apply(c_, *table_, *display_,
                            [this](const QString& why) { notices_->Tell(why); });
    };
    ShowLoadReport(settings_->Load(table_->State(), table_->Orvane()), "loading the settings");
    const StartupContent content = cardLibrary_->CheckAtStart();

    QString caption = Title() + QLatin1Char(' ') + Version + MakerSuffix;
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
    commands_ = std::make_unique<MainMenuCommands>(*this, *dialogs_, *display_, *advisor_,
                                                   setup_.OpenDocument);
    input_ = std::make_unique<MainInput>(*this, *winCount_, *commands_);
    closing_ = std::make_unique<MainClosing>(
        *this, MainClosing::Parts{life_, *winCount_, *dialogs_, *analysis_, *commands_, *flash_,
                                  *mode_, [this] { return ledger_.get(); }, save});
    StartTick.start();
    table_->Start(setup_.Seed.value_or(static_cast<std::uint32_t>(std::time(nullptr))));
    if (content.OutOfService) {
        table_->SetOutOfService(true);
        display_->SetOutOfService(true);
    }
    input_->Connect();
    commands_->Connect();
    ApplyFullScreen(settings_->FullScreenAtStart);
    mode_->SetFullScreenMemory(settings_->FullScreenAtStart);
    RestoreTable();
    advisor_->SetOn(settings_->HoldAdvisorEnabled, table_->State(), table_->Orvane());
    if (!content.Message.isEmpty()) {
        Inform(content.Message);
    }
}

void TfrmMain::RestoreTable() {
    ledger_ = RestoreLastRun(setup_.Critical, *table_, *settings_, [this](const std::string& text) {
        notices_->Tell(QString::fromStdString(text));
    });
    if (!notices_->Pending()) {
        table_->ReleaseIdleAnimation();
    }
    // While the records cannot be kept, they are tried again now and then, not only when
    // the player acts.
    auto* retry = new QTimer(this);
    connect(retry, &QTimer::timeout, this, [this] { table_->RetryRecords(); });
    retry->start(RecordsRetryMs);
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

// ---- game events -------------------------------------------------------------------

void TfrmMain::RunTableEvent(const std::function<void()>& event) {
    event();
    closing_->AfterTableEvent();
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
        notices_->Tell(
            QString::fromStdString(CoinRefusedNotice(FolderOf(setup_.Critical->Path(0)))));
    }
}

// ---- menus -------------------------------------------------------------------------

void TfrmMain::pmCreditPopup() {
    commands_->pmCreditPopup();
}

void TfrmMain::pmOptionsPopup() {
    commands_->pmOptionsPopup();
}

void TfrmMain::Addcredit1Click() {
    commands_->Addcredit1Click();
}

void TfrmMain::Cashout1Click() {
    commands_->Cashout1Click();
}

void TfrmMain::Holdadvisor1Click() {
    commands_->Holdadvisor1Click();
}

TfrmPayAnalysis* TfrmMain::PayAnalysisWindow() const {
    return commands_->PayAnalysisWindow();
}

void TfrmMain::btnMinimizeClick() {
    mode_->Minimize();
}

void TfrmMain::Inform(const QString& text) {
    if (setup_.Inform) {
        setup_.Inform(text);
    } else {
        ShowNotice(this, Title(), text, TfrmNotice::Sign::Information);
    }
}

// ---- keyboard and mouse ------------------------------------------------------------

bool TfrmMain::FormKeyDown(const KeyPress& key) {
    return input_->KeyDown(key);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    return (input_ && input_->Filter(watched, event)) || QWidget::eventFilter(watched, event);
}

// ---- theme and screen --------------------------------------------------------------

void TfrmMain::ApplyTheme() {
    if (ApplyWindowTheme(c_, AppDir, settings_->ThemeID)) {
        table_->RedrawMeter();
        display_->ApplyTheme();
    }
}

bool TfrmMain::FullScreen() const {
    return mode_->FullScreen();
}

bool TfrmMain::FullScreenMemory() const {
    return mode_->FullScreenMemory();
}

qreal TfrmMain::TableScale() const {
    return mode_->Stage().Scale();
}

QPoint TfrmMain::TableOrigin() const {
    return mode_->Stage().Origin();
}

void TfrmMain::ApplyFullScreen(bool on) {
    mode_->Apply(on);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (mode_ != nullptr) {
        mode_->Fit();
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && mode_ != nullptr) {
        mode_->StateChanged(*static_cast<QWindowStateChangeEvent*>(event));
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
    if (life_.FirstShow()) {
        FormShow();
    }
}

void TfrmMain::FormShow() {
    // Start-up checks (the install test among them) wait for this line.
    qCInfo(lcMain) << "the table is up";
    if (!settings_->CreditAtStart) {
        life_.Started();
        return;
    }
    // Over the drawn table, not over an empty screen: the window is shown and painted
    // before the coins are asked for.
    AfterFirstPaint(*this, [this] {
        dialogs_->ShowAddCredit();
        life_.Started();
    });
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    closing_->Request(*event);
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
