#pragma once

#include <functional>

class QCloseEvent;

namespace orvane {

class AnalysisService;
class MainDialogs;
class MainMenuCommands;
class MainWindowMode;
class PlayerWinCount;
class TFlash;
class TableLedger;
class TfrmMain;
class WindowLife;

// The close of the main window: the question, a close that waits for the table's event to
// end, and the sequence that keeps the credit and the records before the window goes.
class MainClosing {
  public:
    struct Parts {
        WindowLife& Life;
        PlayerWinCount& Count;
        MainDialogs& Dialogs;
        AnalysisService& Analysis;
        MainMenuCommands& Commands;
        TFlash& Flash;
        MainWindowMode& Mode;
        // The ledger, once there is one; none without a store for the records.
        std::function<TableLedger*()> Ledger;
        // Saves the settings and reports what could not be saved.
        std::function<void()> Save;
    };
    MainClosing(TfrmMain& window, Parts parts);

    // The window's close event.
    void Request(QCloseEvent& event);
    // After a table event: a close agreed while it ran is carried out.
    void AfterTableEvent();

  private:
    bool FormCloseQuery();
    void FormClose();

    TfrmMain& window_;
    Parts p_;
};

}  // namespace orvane
