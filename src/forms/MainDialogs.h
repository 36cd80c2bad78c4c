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
    };

    explicit MainDialogs(Needs needs);

    // The statistics, always opening on the current session.
    void ShowStatistics();

  private:
    Needs needs_;
};

}  // namespace orvane
