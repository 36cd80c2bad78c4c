#include "MainInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "MainControls.h"
#include "MainMenuCommands.h"
#include "MainMenus.h"
#include "TableAccess.h"
#include "TfrmMain.h"
#include "machine/PlayerWinCount.h"
#include "settings/TSettings.h"
#include "view/TCard.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"

namespace orvane {

MainInput::MainInput(TfrmMain& window, PlayerWinCount& count, MainMenuCommands& commands)
    : window_(window), count_(count), commands_(commands), drag_(window) {}

void MainInput::Connect() {
    TfrmMain* w = &window_;
    const MainControls& c = window_.Controls();
    QObject::connect(c.Button(GameButton::Deal), &QAbstractButton::clicked, w,
                     &TfrmMain::btnDealClick);
    QObject::connect(c.Button(GameButton::Bet), &QAbstractButton::clicked, w,
                     &TfrmMain::btnBetClick);
    QObject::connect(c.Button(GameButton::Cash), &QAbstractButton::clicked, w,
                     &TfrmMain::btnCashClick);
    for (int slot = 1; slot <= 5; ++slot) {
        QObject::connect(c.btnHold(slot), &QAbstractButton::clicked, w, &TfrmMain::btnHoldClick);
        TCard* card = c.HandCards[static_cast<std::size_t>(slot)];
        QObject::connect(card, &TCard::clicked, w, &TfrmMain::HoldClick);
        QObject::connect(card, &TCard::rightPressed, w, &TfrmMain::btnDealClick);
    }
    QObject::connect(c.lblCredit, &TEffectLabel::clicked, w, &TfrmMain::lblCreditClick);
    QObject::connect(c.btnMinimize, &QAbstractButton::clicked, w, &TfrmMain::btnMinimizeClick);
    QObject::connect(c.btnExit, &QAbstractButton::clicked, w, &QWidget::close);
    c.imgBackground->installEventFilter(w);
    c.CaptionShape->installEventFilter(w);
    NameTableControls(c);
    MainMenus& m = window_.Menus();
    windowKeys_ = std::make_unique<WindowKeyboard>(
        std::vector<QMenu*>{m.pmCredit, m.pmOptions, m.pmHelp},
        WindowKeyboard::Actions{[this] { commands_.Addcredit1Click(); },
                                [this] { commands_.menuStatisticsClick(); },
                                [this](int n) { commands_.fcShapeBtnClick(n); }});
    // Keys reach the table before whichever control has the focus.
    qApp->installEventFilter(w);
}

bool MainInput::KeyDown(const KeyPress& key) {
    const KeyCommand command = CommandForKey(key);
    switch (command) {
        case KeyCommand::None:
            return false;
        case KeyCommand::Deal:
            window_.btnDealClick();
            return true;
        case KeyCommand::Bet:
            window_.btnBetClick();
            return true;
        case KeyCommand::Cash:
            window_.btnCashClick();
            return true;
        case KeyCommand::QuickExit:
            window_.QuickExit = true;
            window_.close();
            return true;
        case KeyCommand::Help:
            commands_.mmenuHelpClick();
            return true;
        case KeyCommand::ReapplyTheme:
            if (window_.DevMode) {
                window_.Settings().ApplyTheme();
            }
            return true;
        default:
            window_.HoldClick(HoldSlotOf(command));
            return true;
    }
}

bool MainInput::Filter(QObject* watched, QEvent* event) {
    const MainControls& c = window_.Controls();
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (!ForTheTable(watched)) {
                break;
            }
            const KeyPress press = KeyPress::From(*static_cast<QKeyEvent*>(event));
            // The quick exit is not just any key to a count: it settles the count at once
            // and then closes, as a stop signal does.
            if (CommandForKey(press) != KeyCommand::QuickExit && CutCountShort(watched)) {
                return true;
            }
            return (windowKeys_ && windowKeys_->KeyDown(press)) || KeyDown(press);
        }
        case QEvent::WindowDeactivate:
            if (windowKeys_ && (watched == &window_ || watched == window_.Surface())) {
                windowKeys_->FocusLost();
            }
            return false;
        case QEvent::KeyRelease:
            return ForTheTable(watched) && windowKeys_ &&
                   windowKeys_->KeyUp(static_cast<QKeyEvent*>(event)->key());
        case QEvent::MouseButtonPress: {
            if (CutCountShort(watched)) {
                return true;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (watched == c.imgBackground && mouse->button() == Qt::RightButton) {
                window_.btnDealClick();
                return true;
            }
            return watched == c.CaptionShape && !window_.FullScreen() &&
                   drag_.Handle(*mouse, event->type());
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return watched == c.CaptionShape &&
                   drag_.Handle(*static_cast<QMouseEvent*>(event), event->type());
        default:
            return false;
    }
    return false;
}

bool MainInput::ForTheTable(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr &&
           (widget->window() == &window_ || widget->window() == window_.Surface()) &&
           QApplication::activeModalWidget() == nullptr;
}

bool MainInput::CutCountShort(QObject* watched) {
    if (!count_.Counting() || !ForTheTable(watched)) {
        return false;
    }
    count_.RequestRest();
    return true;
}

}  // namespace orvane
