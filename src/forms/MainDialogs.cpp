#include "MainDialogs.h"

#include "TfrmAbout.h"
#include "TfrmAddCredit.h"
#include "TfrmLastGames.h"
#include "TfrmOptions.h"
#include "TfrmQuestion.h"
#include "TfrmStatistics.h"
#include "settings/TSettings.h"

namespace orvane {

MainDialogs::MainDialogs(Needs needs) : needs_(std::move(needs)) {
    addCredit_ = std::make_unique<TfrmAddCredit>(needs_.Credit, needs_.AddCredit, needs_.Owner);
    question_ = std::make_unique<TfrmQuestion>(needs_.Owner);
}

MainDialogs::~MainDialogs() = default;

bool MainDialogs::Ask(const QString& caption, const QString& text) {
    if (needs_.Ask) {
        return needs_.Ask(caption, text);
    }
    return AskYes(*question_, caption, text);
}

void MainDialogs::ShowAddCredit() {
    addCredit_->ShowModal();
}

void MainDialogs::ShowStatistics() {
    const auto runningTime = needs_.RunningTime;
    // The running time as a 32-bit tick difference, wrapping as the tick counter would.
    TfrmStatistics dialog(
        needs_.Owner, needs_.Settings->Counters,
        [runningTime] { return runningTime ? static_cast<std::uint32_t>(runningTime()) : 0U; },
        [this](const QString& caption, const QString& text) { return Ask(caption, text); });
    dialog.SetView(false);
    dialog.exec();
}

bool MainDialogs::ShowOptions(const QString& page) {
    TfrmOptions dialog(needs_.Owner, *needs_.Settings, needs_.Save);
    // A preview that cannot be read has been reported; the dialog then stays closed.
    if (!dialog.ShowOptions(page)) {
        return false;
    }
    return dialog.exec() == static_cast<int>(DialogResult::Ok);
}

void MainDialogs::ShowLastGames() {
    const std::vector<GameRecord> games =
        needs_.LastGames ? needs_.LastGames() : std::vector<GameRecord>{};
    TfrmLastGames dialog(needs_.Owner, games,
                         QString::fromStdString(needs_.Settings->CardLibraryFile), needs_.Pictures);
    dialog.ShowModal();
}

void MainDialogs::ShowAbout() {
    TfrmAbout about(needs_.Owner, needs_.ProgramFolder);
    about.ShowModal();
}

}  // namespace orvane
