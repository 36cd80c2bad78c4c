#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "game/GameRecord.h"
#include "view/CardPictureSource.h"

class QWidget;

namespace orvane {

class TSettings;
class TfrmAddCredit;
class TfrmQuestion;

// The dialogs the main window opens, each given what it needs of the window and no
// more: the counters, the settings, the credit. The question and add-credit dialogs live
// as long as this object; the others are made for one showing each.
class MainDialogs {
  public:
    struct Needs {
        QWidget* Owner = nullptr;
        TSettings* Settings = nullptr;
        QString ProgramFolder;
        // Milliseconds since the window was created.
        std::function<qint64()> RunningTime;
        // The credit on the machine, and a coin put in (counted as credit in).
        std::function<std::int32_t()> Credit;
        std::function<void(std::int32_t amount)> AddCredit;
        // Answers yes/no questions instead of the question dialog (tests); empty: the dialog.
        std::function<bool(const QString& caption, const QString& text)> Ask;
        // Writes the whole store.
        std::function<void()> Save;
        // The last games, oldest first, and where their card pictures come from.
        std::function<std::vector<GameRecord>()> LastGames;
        CardPictureSource Pictures;
    };

    explicit MainDialogs(Needs needs);
    ~MainDialogs();
    MainDialogs(const MainDialogs&) = delete;
    MainDialogs& operator=(const MainDialogs&) = delete;

    // A question under a caption; true only when the player answers Yes.
    bool Ask(const QString& caption, const QString& text);
    void ShowAddCredit();
    // The statistics, always opening on the current session.
    void ShowStatistics();
    // The options on the named page ("General", "Themes"); true when they were confirmed.
    bool ShowOptions(const QString& page);
    void ShowAbout();
    void ShowLastGames();

    TfrmAddCredit& AddCreditDialog() { return *addCredit_; }

  private:
    Needs needs_;
    std::unique_ptr<TfrmAddCredit> addCredit_;
    std::unique_ptr<TfrmQuestion> question_;
};

}  // namespace orvane
