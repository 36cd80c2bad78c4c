#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QWindowStateChangeEvent;

namespace orvane {

struct MainControls;
class TableStage;

// Full screen or windowed. Full screen is a borderless window over the whole screen that
// stays on top, with the table enlarged to fill it; windowed is the fixed, framed window
// in the desktop's centre. The minimise button leaves full screen for the desktop's sake
// and the restore goes back to it.
class MainWindowMode {
  public:
    // native: the windowed outer size; frame: the width of the thin frame around the table.
    MainWindowMode(QWidget& window, QWidget& table, MainControls& controls, QString pictureFolder,
                   QSize native, int frame);
    ~MainWindowMode();
    MainWindowMode(const MainWindowMode&) = delete;
    MainWindowMode& operator=(const MainWindowMode&) = delete;

    // After each change of mode: whatever shows the mode follows it.
    std::function<void(bool fullScreen)> OnModeSet;
    // After the table's pictures were read again at a new density: what the table draws
    // from its own state (the bonus picture, an open offer's choices) is drawn again.
    std::function<void()> OnPicturesReloaded;

    bool FullScreen() const { return fullScreen_; }
    // Whether restoring the window after the minimise button goes back to full screen.
    bool FullScreenMemory() const { return memory_; }
    void SetFullScreenMemory(bool on) { memory_ = on; }
    const TableStage& Stage() const { return *stage_; }

    // Switches and shows the window again if it was shown (new window flags hide it).
    void Apply(bool on);
    // Switches without showing.
    void Set(bool on);
    void Minimize();
    void StateChanged(const QWindowStateChangeEvent& change);
    // The window changed size.
    void Fit();

  private:
    void UsePictureDensity(qreal density);

    QWidget& window_;
    QWidget& table_;
    MainControls& controls_;
    const QString pictureFolder_;
    const QSize native_;
    const int frame_;
    std::unique_ptr<TableStage> stage_;
    bool fullScreen_ = false;
    bool memory_ = false;
};

}  // namespace orvane
