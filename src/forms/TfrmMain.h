#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "KeyboardMap.h"
#include "MainControls.h"
#include "game/TableDisplay.h"
#include "layout/TableGeometry.h"
#include "machine/AnalysisService.h"
#include "machine/WindowLife.h"
#include "view/CardPictureSource.h"
#include "view/SoundBackend.h"

namespace orvane {

class GameTable;
class MainFlashTarget;
class MainDialogs;
class LaterNotices;
class MainClosing;
class MainInput;
class MainMenuCommands;
class MainMenus;
class MainWindowMode;
class ShownCardLibrary;
class TableAdvisor;
class TfrmPayAnalysis;
class MainTableDisplay;
class PlayerWinCount;
class SettingsStore;
class CriticalStore;
class TableLedger;
class SoundPlayer;
class TFlash;
class TSettings;

// What the main window is given from outside, so that a test can run it on its own
// store, pictures and answers.
struct MainWindowSetup {
    // The program folder, with a trailing '/'. Empty: the executable's folder.
    QString ProgramFolder;
    // Where the settings live; must outlive the window.
    SettingsStore* Store = nullptr;
    // Where the credit, meters, statistics and the round in progress are kept at every
    // change; must outlive the window. None: they reach only the settings, at the close.
    CriticalStore* Critical = nullptr;
    // The deck's seed; none: the calendar time.
    std::optional<std::uint32_t> Seed;
    // Card and bonus pictures by (library file, resource name); empty: the default source.
    CardPictureSource Pictures;
    // Whether the desktop asks for reduced motion; unset: read from the desktop's settings.
    std::optional<bool> DesktopReducedMotion;
    // A yes/no question (caption, text); empty: a message box.
    std::function<bool(const QString& caption, const QString& text)> Ask;
    // A plain notice to the player; empty: a notice in the game's own frame.
    std::function<void(const QString& text)> Inform;
    // Opens a document or link with the desktop's handler; empty: the desktop services.
    std::function<void(const QUrl& document)> OpenDocument;
    // The table's waits; none: the real, event-processing pause.
    std::unique_ptr<Pause> TablePause;
    // Where sounds go; none: silence. The program hands in the sound device.
    std::unique_ptr<SoundBackend> Sound;
    // Works out the whole-game figures of a pay table; empty: the exact engine.
    AnalysisService::FiguresJob PayFigures;
    // Where worked-out figures are kept between runs; empty: the user's cache folder.
    QString AnalysisCacheFolder;
};

// The game's main window: the fixed table, the owner of everything that lives for the
// whole run (table state, card views, effects object, settings). It turns buttons, clicks
// and keys into the four game events and shows what the rules tell it; it never decides a
// rule itself.
class TfrmMain : public QWidget {
    Q_OBJECT
  public:
    // Windowed: the outer size, a thin frame around the table.
    static constexpr int WindowWidth = 800;
    static constexpr int WindowHeight = 590;
    static constexpr int FrameWidth = 4;
    // The table: the designed content area and the button rows that reach below it.
    static constexpr int TableWidth = TableGeometry::Surface.Width;
    static constexpr int TableHeight = TableGeometry::Surface.Height;

    // The game's name, as its questions and notices are headed.
    static QString Title();

    explicit TfrmMain(MainWindowSetup setup, QWidget* parent = nullptr);
    ~TfrmMain() override;

    GameTable& Table() { return *table_; }
    TSettings& Settings() { return *settings_; }
    const MainControls& Controls() const { return c_; }
    MainMenus& Menus() { return *menus_; }
    const TFlash& Flash() const { return *flash_; }
    // The widget every table control lives on.
    QWidget* Surface() const { return surface_; }
    // Window pixels per table pixel: 1 windowed, more in full screen.
    qreal TableScale() const;
    // Where the table's top-left corner lies in the window.
    QPoint TableOrigin() const;

    QString AppDir;
    QString Version;
    bool DevMode = false;
    // The next close asks nothing and shows no statistics: a key or a stop signal.
    bool QuickExit = false;
    // Not yet shown, or the coins asked for at start not yet given.
    bool Starting() const { return life_.Starting(); }
    WindowStage Life() const { return life_.Stage(); }
    // Whether restoring the window after the minimise button goes back to full screen.
    bool FullScreenMemory() const;
    // Started at creation; the statistics measure the playing time from it.
    QElapsedTimer StartTick;

    // The four game events.
    void btnDealClick();
    void btnHoldClick();  // reads the tag of the button that sent it
    void HoldClick(int slot);
    void btnBetClick();
    void btnCashClick();
    void lblCreditClick();

    // Adds credit while the gate is open; tells the player when the machine cannot hold
    // that much.
    void AddCredit(std::int32_t amount, bool count);

    // Runs a game event, then carries out a close that was agreed while it ran.
    void RunTableEvent(const std::function<void()>& event);

    // Menu items; the rest of them live with the menus.
    MainMenuCommands& Commands() { return *commands_; }
    void pmCreditPopup();
    void pmOptionsPopup();
    void Addcredit1Click();
    void Cashout1Click();
    void Holdadvisor1Click();
    void btnMinimizeClick();

    // The background analysis behind the advisor and the pay table analysis window.
    AnalysisService& Analysis() { return *analysis_; }
    TfrmPayAnalysis* PayAnalysisWindow() const;

    // The table keyboard; true when the key meant something.
    bool FormKeyDown(const KeyPress& key);

    // The window's share of applying the theme of ThemeID (TSettings calls it).
    void ApplyTheme();
    // Full screen on or off: the table scaled to fill the screen, or windowed.
    void ApplyFullScreen(bool on);
    // The table is enlarged over the whole screen exactly while full screen is on.
    bool FullScreen() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void CreateCards();
    void Inform(const QString& text);
    void RestoreTable();
    void ShowLoadReport(const std::vector<std::string>& report, const char* what);

    MainWindowSetup setup_;
    MainControls c_;
    std::unique_ptr<TSettings> settings_;
    std::unique_ptr<SoundPlayer> sounds_;
    std::unique_ptr<MainFlashTarget> flashTarget_;
    std::unique_ptr<TFlash> flash_;
    std::unique_ptr<MainTableDisplay> display_;
    std::unique_ptr<Pause> pause_;
    std::unique_ptr<PlayerWinCount> winCount_;
    std::unique_ptr<GameTable> table_;
    std::unique_ptr<TableLedger> ledger_;
    QWidget* surface_ = nullptr;
    std::unique_ptr<MainWindowMode> mode_;
    std::unique_ptr<ShownCardLibrary> cardLibrary_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<MainDialogs> dialogs_;
    std::unique_ptr<AnalysisService> analysis_;
    std::unique_ptr<TableAdvisor> advisor_;
    std::unique_ptr<MainMenuCommands> commands_;
    std::unique_ptr<MainInput> input_;
    std::unique_ptr<MainClosing> closing_;
    WindowLife life_;
    std::unique_ptr<LaterNotices> notices_;
    static constexpr int RecordsRetryMs = 5000;
};

}  // namespace orvane
