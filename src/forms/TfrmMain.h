#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "KeyboardMap.h"
#include "MainControls.h"
#include "WindowKeys.h"
#include "game/TableDisplay.h"
#include "layout/TableGeometry.h"
#include "machine/AnalysisService.h"
#include "view/CardPictureSource.h"
#include "view/SoundBackend.h"

namespace orvane {

class GameTable;
class MainFlashTarget;
class MainDialogs;
class MainMenus;
class TableAdvisor;
class TableStage;
class TfrmPayAnalysis;
class MainTableDisplay;
class PlayerWinCount;
class SettingsStore;
class CriticalStore;
class TableLedger;
class SoundPlayer;
class StripDrag;
class TFlash;
class TSettings;
struct StartupContent;

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
    bool QuickExit = false;
    bool Starting = true;
    // Whether restoring the window after the minimise button goes back to full screen.
    bool FullScreenMemory = false;
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

    // Menu items.
    void fcShapeBtnClick(int button);
    void pmCreditPopup();
    void pmOptionsPopup();
    void Addcredit1Click();
    void Cashout1Click();
    void menuStatisticsClick();
    void menuLastGamesClick();
    void Sound1Click();
    void Interactivebuttons1Click();
    void Holdadvisor1Click();
    void FullScreenClick();
    void Themes2Click();
    void General2Click();
    void mmenuHelpClick();
    void mmenuKeyboardClick();
    void HomepageClick();
    void BugreportSuggestions1Click();
    void menuPayAnalysisClick();
    void About1Click();
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
    bool FormCloseQuery();
    void FormClose();
    void ConnectControls();
    void ApplyCardLibrary(const CardPictureSource& pictures);
    StartupContent CheckContent(const CardPictureSource& pictures);
    void CreateCards();
    void ConnectMenus();
    void OpenHelpPage(const QString& page);
    void OpenDocument(const QUrl& document);
    bool AskYes(const QString& caption, const QString& text);
    void Inform(const QString& text);
    void SetWindowMode(bool fullScreen);
    void UsePictureDensity(qreal density);
    void ApplyRoundedCardOutlines();
    void RestoreTable();
    // A notice that may come from inside a table event, shown once the event is over.
    void InformLater(const QString& text);
    void ShowLoadReport(const std::vector<std::string>& report, const char* what);
    // Runs a game event, then carries out a close that was agreed while it ran.
    void RunTableEvent(const std::function<void()>& event);
    // A key or a click while a win is counted collects the rest at once; true when it did.
    bool CutCountShort(QObject* watched);
    bool OwnKey(QObject* watched) const;

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
    std::unique_ptr<TableStage> stage_;
    std::int32_t shownCardLibraryID_ = 0;  // the card set the table shows
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<WindowKeyboard> windowKeys_;
    std::unique_ptr<MainDialogs> dialogs_;
    std::unique_ptr<AnalysisService> analysis_;
    std::unique_ptr<TableAdvisor> advisor_;
    QPointer<TfrmPayAnalysis> payAnalysis_;
    std::unique_ptr<StripDrag> drag_;
    // Not the table's stage: a window on a screen too small for it shows its table reduced
    // through the same stage.
    bool fullScreen_ = false;
    bool firstShown_ = false;
    bool closeAgreed_ = false;
    bool closePending_ = false;
    bool closed_ = false;
    int noticesPending_ = 0;  // told but not yet read
    static constexpr int RecordsRetryMs = 5000;
};

}  // namespace orvane
