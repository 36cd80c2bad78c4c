#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

namespace orvane {

class MainDialogs;
class MainTableDisplay;
class TableAdvisor;
class TfrmMain;
class TfrmPayAnalysis;

// The main window's three menus and their items: what each item does, and the ticks and
// greyed items set as a menu opens. Connects the items and the round buttons that open
// the menus.
class MainMenuCommands {
  public:
    // openDocument: opens a document or link with the desktop's handler.
    MainMenuCommands(TfrmMain& window, MainDialogs& dialogs, MainTableDisplay& display,
                     TableAdvisor& advisor, std::function<void(const QUrl&)> openDocument);
    ~MainMenuCommands();
    MainMenuCommands(const MainMenuCommands&) = delete;
    MainMenuCommands& operator=(const MainMenuCommands&) = delete;

    void Connect();

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

    TfrmPayAnalysis* PayAnalysisWindow() const;
    // A document is read outside the game: full screen gives way first.
    void OpenDocument(const QUrl& document);

  private:
    void OpenHelpPage(const QString& page);

    TfrmMain& window_;
    MainDialogs& dialogs_;
    MainTableDisplay& display_;
    TableAdvisor& advisor_;
    std::function<void(const QUrl&)> openDocument_;
    QPointer<TfrmPayAnalysis> payAnalysis_;
};

}  // namespace orvane
