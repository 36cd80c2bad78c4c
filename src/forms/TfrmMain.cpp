#include "TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QStringList>
#include <QUrl>
#include <QWindow>
#include <ctime>

#include "EventLoopPause.h"
#include "FatalError.h"
#include "KeyboardMap.h"
#include "MainFlashTarget.h"
#include "MainLayout.h"
#include "MainTableDisplay.h"
#include "RgbColor.h"
#include "TEffectLabel.h"
#include "TImageButton.h"
#include "TShapeButton.h"
#include "WindowTheme.h"
#include "game/GameTable.h"
#include "settings/TSettings.h"
#include "settings/ThemeCatalog.h"
#include "view/SoundPlayer.h"
#include "view/TCard.h"
#include "view/TFlash.h"

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcMain, "orvane.main")

const QString Title = QStringLiteral("Orvane Cards");
const QString MakerSuffix = QStringLiteral(" - Tessaly Software 2026");
const QString DevSuffix = QStringLiteral(" - under development");
constexpr std::int32_t CreditCoin = 100;

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
    Starting = true;
    AppDir = ProgramFolderOf(setup_.ProgramFolder);
    QDir::setCurrent(AppDir);
    DevMode = QFileInfo::exists(AppDir + QStringLiteral("dev.id"));
    Version = QStringLiteral("2.4");
    QuickExit = false;

    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(WindowWidth, WindowHeight);
    c_ = BuildMainLayout(*this, AppDir + QStringLiteral("Data/gfx/"));

    // The effects object, then the settings and the table the settings load into.
    if (setup_.Store == nullptr) {
        throw std::invalid_argument("the main window needs a settings store");
    }
    settings_ = std::make_unique<TSettings>(*setup_.Store, AppDir.toStdString());
    sounds_ = std::make_unique<SoundPlayer>(std::move(setup_.Sound));
    flashTarget_ = std::make_unique<MainFlashTarget>(c_, [this] {
        display_->ClearPayHighlight();
        display_->ShowStars(0);
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
            return f;
        },
        *sounds_);
    CardPictureSource pictures = setup_.Pictures ? setup_.Pictures : DefaultCardPictureSource();
    display_ = std::make_unique<MainTableDisplay>(*this, c_, *settings_, *flash_, pictures);
    pause_ =
        setup_.TablePause ? std::move(setup_.TablePause) : std::make_unique<EventLoopPause>(this);
    table_ = std::make_unique<GameTable>(*display_, *pause_, *settings_);

    settings_->OnApplyTheme = [this] { ApplyTheme(); };
    settings_->OnApplyCardLibrary = [this] {
        const QString file = QString::fromStdString(settings_->CardLibraryFile);
        for (TCard* card : c_.HandCards) {
            if (card != nullptr) {
                card->SetLibrary(file);
            }
        }
        for (TCard* card : c_.DupCards) {
            if (card != nullptr) {
                card->SetLibrary(file);
            }
        }
    };
    ShowLoadReport(settings_->Load(table_->State(), table_->Orvane()), "loading the settings");

    QString caption = Title + QLatin1Char(' ') + Version + MakerSuffix;
    if (DevMode) {
        caption += DevSuffix;
        c_.lblCaption->show();
    }
    setWindowTitle(caption);

    CreateCards();
    StartTick.start();
    table_->Start(setup_.Seed.value_or(static_cast<std::uint32_t>(std::time(nullptr))));
    ConnectControls();
    ApplyFullScreen(settings_->FullScreenAtStart);
    if (settings_->SaveCredit && settings_->LastCredit > 0) {
        table_->AddCredit(settings_->LastCredit, false);
    }
}

void TfrmMain::CreateCards() {
    settings_->SetCardLibraryFile();
    CreateCardViews(c_, *this, QString::fromStdString(settings_->CardLibraryFile));
    if (setup_.Pictures) {
        for (TCard* card : c_.HandCards) {
            if (card != nullptr) {
                card->SetPictureSource(setup_.Pictures);
            }
        }
        for (TCard* card : c_.DupCards) {
            if (card != nullptr) {
                card->SetPictureSource(setup_.Pictures);
            }
        }
    }
    settings_->OnApplyAnimation = [this] {
        for (TCard* card : c_.HandCards) {
            if (card != nullptr) {
                card->SetAnimated(settings_->AnimatedCards);
            }
        }
        for (TCard* card : c_.DupCards) {
            if (card != nullptr) {
                card->SetAnimated(settings_->AnimatedDupCards);
            }
        }
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
    connect(c_.fcShapeBtn[1], &QAbstractButton::clicked, this, &TfrmMain::lblCreditClick);
    connect(c_.fcShapeBtn[3], &QAbstractButton::clicked, this, &TfrmMain::OpenHelp);
    connect(c_.btnMinimize, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(c_.btnExit, &QAbstractButton::clicked, this, &QWidget::close);
    c_.imgBackground->installEventFilter(this);
    c_.CaptionShape->installEventFilter(this);
    // Keys reach the table before whichever control has the focus.
    qApp->installEventFilter(this);
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
    CreditChange result = CreditChange::Done;
    RunTableEvent([this, &result] { result = table_->AddCredit(CreditCoin, true); });
    if (result == CreditChange::WouldOverflow) {
        const QString text =
            QStringLiteral("The machine cannot hold more credit. Cash out or play some first.");
        if (setup_.Inform) {
            setup_.Inform(text);
        } else {
            QMessageBox::information(this, Title, text);
        }
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
            OpenHelp();
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
            auto* widget = qobject_cast<QWidget*>(watched);
            // Only keys meant for this window, and none while a dialog is up over it.
            if (widget == nullptr || widget->window() != this ||
                QApplication::activeModalWidget() != nullptr) {
                break;
            }
            auto* key = static_cast<QKeyEvent*>(event);
            if (FormKeyDown(KeyPress::From(*key))) {
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (watched == c_.imgBackground && mouse->button() == Qt::RightButton) {
                btnDealClick();
                return true;
            }
            if (watched == c_.CaptionShape && mouse->button() == Qt::LeftButton &&
                windowHandle() != nullptr && !fullScreen_) {
                windowHandle()->startSystemMove();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::OpenHelp() {
    const QString index = AppDir + QStringLiteral("help/index.html");
    if (QFileInfo::exists(index)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(index));
    }
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
    table_->DrawMeter(true);
    display_->ApplyPayLineColors();
}

void TfrmMain::ApplyFullScreen(bool on) {
    const bool wasVisible = isVisible();
    SetWindowMode(on);
    if (wasVisible) {
        show();  // changing the window flags hides the window
    }
}

void TfrmMain::SetWindowMode(bool fullScreen) {
    fullScreen_ = fullScreen;
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (fullScreen) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QApplication::primaryScreen();
    if (fullScreen) {
        setFixedSize(WindowWidth, FullScreenHeight);
        move(screen != nullptr ? screen->geometry().topLeft() : QPoint(0, 0));
    } else {
        setFixedSize(WindowWidth, WindowHeight);
        const QRect desktop = screen != nullptr ? screen->availableGeometry()
                                                : QRect(0, 0, WindowWidth, WindowHeight);
        move(desktop.center() - QPoint(WindowWidth / 2, WindowHeight / 2));
    }
    // The cards' rounded outline is tied to the native window, which the flags renew.
    for (TCard* card : c_.HandCards) {
        if (card != nullptr) {
            card->SetRegion();
        }
    }
    for (TCard* card : c_.DupCards) {
        if (card != nullptr) {
            card->SetRegion();
        }
    }
}

// ---- showing and closing -----------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Starting) {
        FormShow();
    }
}

void TfrmMain::FormShow() {
    // The add-credit dialog opens here once it exists (CreditAtStart).
    Starting = false;
}

bool TfrmMain::FormCloseQuery() {
    if (QuickExit) {
        return true;
    }
    bool allow = table_->State().Ready;
    if (!DevMode) {
        const QString text = QStringLiteral("Exit Orvane Cards ?");
        allow = setup_.Ask
                    ? setup_.Ask(Title, text)
                    : QMessageBox::question(this, Title, text,
                                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmMain::FormClose() {
    closed_ = true;
    settings_->LastCredit = table_->State().Credit;
    table_->CashOut(false);
    // The statistics dialog is shown here (StatsAtExit, not after a quick exit) once it exists.
    ShowLoadReport(settings_->Save(table_->State(), table_->Orvane()), "saving the settings");
    flash_->StopIdleAnimation();
    flash_->SetIndicatorBlink(false);
    if (fullScreen_) {
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
    qCWarning(lcMain) << "problems while" << what << lines;
    ReportFatalError(lines.join(QLatin1Char('\n')));
}

}  // namespace orvane
