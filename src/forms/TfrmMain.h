#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "KeyboardMap.h"
#include "MainControls.h"
#include "game/TableDisplay.h"
#include "view/CardPictureSource.h"
#include "view/SoundPlayer.h"

namespace orvane {

class GameTable;
class MainFlashTarget;
class MainTableDisplay;
class SettingsStore;
class TFlash;
class TSettings;

// What the main window is given from outside, so that a test can run it on its own
// store, pictures and answers.
struct MainWindowSetup {
    // The program folder, with a trailing '/'. Empty: the executable's folder.
    QString ProgramFolder;
    // Where the settings live; must outlive the window.
    SettingsStore* Store = nullptr;
    // The deck's seed; none: the calendar time.
    std::optional<std::uint32_t> Seed;
    // Card and bonus pictures by (library file, resource name); empty: the default source.
    CardPictureSource Pictures;
    // A yes/no question (caption, text); empty: a message box.
    std::function<bool(const QString& caption, const QString& text)> Ask;
    // A plain notice to the player; empty: a message box.
    std::function<void(const QString& text)> Inform;
    // The table's waits; none: the real, event-processing pause.
    std::unique_ptr<Pause> TablePause;
    // Where sounds go; none: the sound device.
    std::unique_ptr<SoundBackend> Sound;
};

// The game's main window: the fixed table, the owner of everything that lives for the
// whole run (table state, card views, effects object, settings). It turns buttons, clicks
// and keys into the four game events and shows what the rules tell it; it never decides a
// rule itself.
class TfrmMain : public QWidget {
    Q_OBJECT
  public:
    static constexpr int WindowWidth = 800;
    static constexpr int WindowHeight = 580;
    static constexpr int FullScreenHeight = 600;

    explicit TfrmMain(MainWindowSetup setup, QWidget* parent = nullptr);
    ~TfrmMain() override;

    GameTable& Table() { return *table_; }
    TSettings& Settings() { return *settings_; }
    const MainControls& Controls() const { return c_; }

    QString AppDir;
    QString Version;
    bool DevMode = false;
    bool QuickExit = false;
    bool Starting = true;
    // Started at creation; the statistics measure the playing time from it.
    QElapsedTimer StartTick;

    // The four game events.
    void btnDealClick();
    void btnHoldClick();  // reads the tag of the button that sent it
    void HoldClick(int slot);
    void btnBetClick();
    void btnCashClick();
    // Adds a hundred credits, until the add-credit dialog exists.
    void lblCreditClick();

    // The table keyboard; true when the key meant something.
    bool FormKeyDown(const KeyPress& key);

    // The window's share of applying the theme of ThemeID (TSettings calls it).
    void ApplyTheme();
    void ApplyFullScreen(bool on);
    bool FullScreen() const { return fullScreen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void ConnectControls();
    void CreateCards();
    void OpenHelp();
    void SetWindowMode(bool fullScreen);
    void ShowLoadReport(const std::vector<std::string>& report, const char* what);
    // Runs a game event, then carries out a close that was agreed while it ran.
    void RunTableEvent(const std::function<void()>& event);

    MainWindowSetup setup_;
    MainControls c_;
    std::unique_ptr<TSettings> settings_;
    std::unique_ptr<SoundPlayer> sounds_;
    std::unique_ptr<MainFlashTarget> flashTarget_;
    std::unique_ptr<TFlash> flash_;
    std::unique_ptr<MainTableDisplay> display_;
    std::unique_ptr<Pause> pause_;
    std::unique_ptr<GameTable> table_;
    bool fullScreen_ = false;
    bool closeAgreed_ = false;
    bool closePending_ = false;
    bool closed_ = false;
};

}  // namespace orvane
