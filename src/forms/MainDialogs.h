#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvane {

class TSettings;

// The dialogs the main window opens, each given what it needs of the window and no
// more: the counters, the settings, the credit. Modal questions go through `Ask`, so a
// test answers them without a dialog on screen.
class MainDialogs {
  public:
    struct Needs {
        QWidget* Owner = nullptr;
        TSettings* Settings = nullptr;
        // Milliseconds since the window was created.
        std::function<qint64()> RunningTime;
        // A yes/no question; true only for Yes.
        std::function<bool(const QString& caption, const QString& text)> Ask;
        // Writes the whole store.
        std::function<void()> Save;
    };

    explicit MainDialogs(Needs needs);

    // The statistics, always opening on the current session.
    void ShowStatistics();
    // The options on the named page ("General", "Themes"); true when they were confirmed.
    bool ShowOptions(const QString& page);

  private:
    Needs needs_;
};

}  // namespace orvane
