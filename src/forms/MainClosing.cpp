#include "MainClosing.h"

#include <QCloseEvent>

#include "MainDialogs.h"
#include "MainMenuCommands.h"
#include "MainWindowMode.h"
#include "TfrmMain.h"
#include "TfrmPayAnalysis.h"
#include "game/GameTable.h"
#include "machine/AnalysisService.h"
#include "machine/PlayerWinCount.h"
#include "machine/TableLedger.h"
#include "machine/WindowLife.h"
#include "settings/TSettings.h"
#include "view/TFlash.h"

namespace orvane {

MainClosing::MainClosing(TfrmMain& window, Parts parts) : window_(window), p_(std::move(parts)) {}

void MainClosing::Request(QCloseEvent& event) {
    const GameTable& table = window_.Table();
    switch (p_.Life.RequestClose([this] { return FormCloseQuery(); },
                                 [&table] { return table.State().Ready; })) {
        case CloseAnswer::AlreadyClosed:
            event.accept();
            return;
        case CloseAnswer::Refused:
            event.ignore();
            return;
        case CloseAnswer::Wait:
            // An action of the table is still running; the window closes once it is done.
            p_.Count.RequestRest();
            event.ignore();
            return;
        case CloseAnswer::Close:
            FormClose();
            event.accept();
            return;
    }
}

void MainClosing::AfterTableEvent() {
    if (p_.Life.CloseDue(window_.Table().State().Ready)) {
        window_.close();
    }
}

bool MainClosing::FormCloseQuery() {
    if (window_.QuickExit) {
        return true;
    }
    // A count of a win is finished at once and then the window closes.
    bool allow = window_.Table().State().Ready || p_.Count.Counting();
    if (!window_.DevMode) {
        allow = p_.Dialogs.Ask(TfrmMain::Title(), QStringLiteral("Exit Orvane Cards ?"));
    }
    return allow;
}

void MainClosing::FormClose() {
    GameTable& table = window_.Table();
    TSettings& settings = window_.Settings();
    TableLedger* ledger = p_.Ledger();
    p_.Analysis.Stop();  // the figures under way end while the rest closes
    if (TfrmPayAnalysis* figures = p_.Commands.PayAnalysisWindow()) {
        figures->close();
    }
    settings.LastCredit = table.State().Credit;
    // Only an idle table is emptied. A round in progress keeps its credit on the table,
    // where the next start resumes it; emptying it (a win waiting for room allows a cash
    // out in mid-round) would leave the credit in LastCredit, which a resume never reads.
    if (table.State().RoundState == RoundPhase::Idle) {
        if (ledger != nullptr) {
            ledger->BeginClose();
        }
        table.CashOut(false);
    }
    if (settings.StatsAtExit && !window_.QuickExit) {
        p_.Dialogs.ShowStatistics();
    }
    p_.Save();
    if (ledger != nullptr) {
        ledger->EndClose();
    }
    p_.Flash.StopIdleAnimation();
    p_.Flash.SetIndicatorBlink(false);
    if (p_.Mode.FullScreen()) {
        p_.Mode.Set(false);
    }
}

}  // namespace orvane
