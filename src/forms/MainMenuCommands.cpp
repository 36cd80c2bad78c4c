#include "MainMenuCommands.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>

#include "MainDialogs.h"
#include "MainMenus.h"
#include "MainTableDisplay.h"
#include "TableAdvisor.h"
#include "TfrmMain.h"
#include "TfrmPayAnalysis.h"
#include "game/GameTable.h"
#include "settings/TSettings.h"
#include "widgets/TShapeButton.h"

namespace orvane {

namespace {

const QUrl MakerHomepage(QStringLiteral("https://www.example.com/orvane-cards/"));
const QUrl MakerMail(QStringLiteral("mailto:orvane-cards@example.com"));

}  // namespace

MainMenuCommands::MainMenuCommands(TfrmMain& window, MainDialogs& dialogs,
                                   MainTableDisplay& display, TableAdvisor& advisor,
                                   std::function<void(const QUrl&)> openDocument)
    : window_(window),
      dialogs_(dialogs),
      display_(display),
      advisor_(advisor),
      openDocument_(std::move(openDocument)) {}

// The analysis window goes before the work it shows.
MainMenuCommands::~MainMenuCommands() {
    delete payAnalysis_;
}

void MainMenuCommands::Connect() {
    MainMenus& m = window_.Menus();
    QObject::connect(m.pmCredit, &QMenu::aboutToShow, &window_, [this] { pmCreditPopup(); });
    QObject::connect(m.pmOptions, &QMenu::aboutToShow, &window_, [this] { pmOptionsPopup(); });
    const std::pair<QAction*, void (MainMenuCommands::*)()> items[] = {
        {m.Addcredit1, &MainMenuCommands::Addcredit1Click},
        {m.Cashout1, &MainMenuCommands::Cashout1Click},
        {m.menuStatistics, &MainMenuCommands::menuStatisticsClick},
        {m.menuLastGames, &MainMenuCommands::menuLastGamesClick},
        {m.Sound1, &MainMenuCommands::Sound1Click},
        {m.Interactivebuttons1, &MainMenuCommands::Interactivebuttons1Click},
        {m.Holdadvisor1, &MainMenuCommands::Holdadvisor1Click},
        {m.FullScreen, &MainMenuCommands::FullScreenClick},
        {m.Themes2, &MainMenuCommands::Themes2Click},
        {m.General2, &MainMenuCommands::General2Click},
        {m.mmenuHelp, &MainMenuCommands::mmenuHelpClick},
        {m.mmenuKeyboard, &MainMenuCommands::mmenuKeyboardClick},
        {m.Homepage, &MainMenuCommands::HomepageClick},
        {m.BugreportSuggestions1, &MainMenuCommands::BugreportSuggestions1Click},
        {m.menuPayAnalysis, &MainMenuCommands::menuPayAnalysisClick},
        {m.About1, &MainMenuCommands::About1Click},
    };
    for (const auto& [action, handler] : items) {
        QObject::connect(action, &QAction::triggered, &window_,
                         [this, handler = handler] { (this->*handler)(); });
    }
    // Closing goes through the close request, which asks.
    QObject::connect(m.Exitgame1, &QAction::triggered, &window_, &QWidget::close);
    const MainControls& c = window_.Controls();
    for (int i = 1; i <= 3; ++i) {
        QObject::connect(c.fcShapeBtn[static_cast<std::size_t>(i)], &QAbstractButton::clicked,
                         &window_, [this, i] { fcShapeBtnClick(i); });
    }
}

void MainMenuCommands::fcShapeBtnClick(int button) {
    MainMenus& m = window_.Menus();
    QMenu* menus[] = {nullptr, m.pmCredit, m.pmOptions, m.pmHelp};
    if (button < 1 || button > 3) {
        return;
    }
    const QWidget* shape = window_.Controls().fcShapeBtn[static_cast<std::size_t>(button)];
    // Under the button's bottom-left corner, wherever the table is drawn and at what scale.
    menus[button]->popup(shape->mapToGlobal(QPoint(0, shape->height())));
}

void MainMenuCommands::pmCreditPopup() {
    window_.Menus().Cashout1->setEnabled(window_.Table().CashOutAllowed());
}

void MainMenuCommands::pmOptionsPopup() {
    const TSettings& settings = window_.Settings();
    MainMenus& m = window_.Menus();
    m.Sound1->setChecked(settings.SoundEnabled);
    m.Interactivebuttons1->setChecked(settings.InteractiveButtonsEnabled);
    m.Holdadvisor1->setChecked(settings.HoldAdvisorEnabled);
}

void MainMenuCommands::Addcredit1Click() {
    if (window_.Table().State().Ready) {
        dialogs_.ShowAddCredit();
    }
}

void MainMenuCommands::Cashout1Click() {
    GameTable& table = window_.Table();
    if (!table.CashOutAllowed()) {
        return;
    }
    if (dialogs_.Ask(QStringLiteral("Confirm"), QStringLiteral("Cash out ?"))) {
        window_.RunTableEvent([&table] { table.CashOut(true); });
    }
}

void MainMenuCommands::menuLastGamesClick() {
    dialogs_.ShowLastGames();
}

void MainMenuCommands::menuStatisticsClick() {
    dialogs_.ShowStatistics();
}

void MainMenuCommands::Sound1Click() {
    window_.Settings().SoundEnabled = window_.Menus().Sound1->isChecked();
}

void MainMenuCommands::Interactivebuttons1Click() {
    TSettings& settings = window_.Settings();
    settings.InteractiveButtonsEnabled = window_.Menus().Interactivebuttons1->isChecked();
    if (!settings.InteractiveButtonsEnabled) {
        display_.SetButtonLayout(ButtonLayout::AllLit);
    }
}

void MainMenuCommands::Holdadvisor1Click() {
    TSettings& settings = window_.Settings();
    settings.HoldAdvisorEnabled = window_.Menus().Holdadvisor1->isChecked();
    advisor_.SetOn(settings.HoldAdvisorEnabled, window_.Table().State(), window_.Table().Orvane());
}

void MainMenuCommands::FullScreenClick() {
    window_.ApplyFullScreen(!window_.FullScreen());
}

void MainMenuCommands::Themes2Click() {
    if (dialogs_.ShowOptions(QStringLiteral("Themes"))) {
        window_.Table().ShowChoiceButtons();
    }
}

void MainMenuCommands::General2Click() {
    // An offer that is open shows the choices of the double-up mode now chosen.
    if (dialogs_.ShowOptions(QStringLiteral("General"))) {
        window_.Table().ShowChoiceButtons();
    }
    if (!window_.Settings().InteractiveButtonsEnabled) {
        display_.SetButtonLayout(ButtonLayout::AllLit);
    }
}

void MainMenuCommands::mmenuHelpClick() {
    OpenHelpPage(QStringLiteral("help/index.html"));
}

void MainMenuCommands::mmenuKeyboardClick() {
    OpenHelpPage(QStringLiteral("help/keyboard.html"));
}

void MainMenuCommands::HomepageClick() {
    OpenDocument(MakerHomepage);
}

void MainMenuCommands::BugreportSuggestions1Click() {
    OpenDocument(MakerMail);
}

TfrmPayAnalysis* MainMenuCommands::PayAnalysisWindow() const {
    return payAnalysis_;
}

// Not modal: the figures take a while, and the table stays in play meanwhile.
void MainMenuCommands::menuPayAnalysisClick() {
    if (payAnalysis_ == nullptr) {
        payAnalysis_ =
            new TfrmPayAnalysis(&window_, window_.Analysis(), window_.Table().State().Multiplier);
        payAnalysis_->setAttribute(Qt::WA_DeleteOnClose);
        payAnalysis_->CentreOver(&window_);
    }
    payAnalysis_->show();
    payAnalysis_->raise();
    payAnalysis_->activateWindow();
}

void MainMenuCommands::About1Click() {
    dialogs_.ShowAbout();
}

void MainMenuCommands::OpenHelpPage(const QString& page) {
    // A missing page opens nothing and says nothing.
    const QString file = window_.AppDir + page;
    if (QFileInfo::exists(file)) {
        OpenDocument(QUrl::fromLocalFile(file));
    }
}

void MainMenuCommands::OpenDocument(const QUrl& document) {
    if (window_.FullScreen()) {
        window_.btnMinimizeClick();
    }
    if (openDocument_) {
        openDocument_(document);
    } else {
        QDesktopServices::openUrl(document);
    }
}

}  // namespace orvane
