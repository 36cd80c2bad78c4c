#include "MainWindowMode.h"

#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "MainControls.h"
#include "MainLayout.h"
#include "TableStage.h"
#include "WindowPlacement.h"
#include "view/PictureDensity.h"
#include "view/TCard.h"

namespace orvane {

namespace {

// Above this scale the table takes its double-size pictures.
constexpr qreal CrispScale = 1.5;

}  // namespace

MainWindowMode::MainWindowMode(QWidget& window, QWidget& table, MainControls& controls,
                               QString pictureFolder, QSize native, int frame)
    : window_(window),
      table_(table),
      controls_(controls),
      pictureFolder_(std::move(pictureFolder)),
      native_(native),
      frame_(frame),
      stage_(std::make_unique<TableStage>(window, table)) {
    stage_->ShowNative(QPoint(frame_, frame_));
}

MainWindowMode::~MainWindowMode() {
    // The picture density is the whole program's; a window that goes away enlarged must
    // not leave the next one taking double-size pictures.
    SetPictureDensityFloor(1.0);
}

void MainWindowMode::Apply(bool on) {
    const bool wasVisible = window_.isVisible();
    Set(on);
    if (wasVisible) {
        window_.show();  // changing the window flags hides the window
    }
}

void MainWindowMode::Set(bool on) {
    fullScreen_ = on;
    if (OnModeSet) {
        OnModeSet(on);
    }
    if (on) {
        PlaceOverWholeScreen(window_);
        stage_->ShowScaled();
        UsePictureDensity(stage_->Scale() > CrispScale ? 2.0 : 1.0);
    } else {
        if (PlaceFramedInCentre(window_, native_) == native_) {
            stage_->ShowNative(QPoint(frame_, frame_));
        } else {
            stage_->ShowScaled();  // reduced to the screen, all of it within reach
        }
        UsePictureDensity(1.0);
    }
    // The cards' rounded outline is tied to the native window, which the flags renew.
    controls_.ForEachCard([](TCard& card, bool) { card.SetRegion(); });
}

void MainWindowMode::Minimize() {
    memory_ = fullScreen_;
    if (fullScreen_) {
        Apply(false);
    }
    window_.showMinimized();
}

void MainWindowMode::StateChanged(const QWindowStateChangeEvent& change) {
    const bool restored = change.oldState().testFlag(Qt::WindowMinimized) && !window_.isMinimized();
    if (restored && memory_ && !fullScreen_) {
        // Not from inside the window system's state change.
        QTimer::singleShot(0, &window_, [this] { Apply(true); });
    }
}

void MainWindowMode::Fit() {
    stage_->Fit();
}

void MainWindowMode::UsePictureDensity(qreal density) {
    if (qFuzzyCompare(PictureDensityFloor(), density)) {
        return;
    }
    SetPictureDensityFloor(density);
    ReloadWindowPictures(controls_, pictureFolder_);
    if (OnPicturesReloaded) {
        OnPicturesReloaded();
    }
    table_.update();  // the cards load their pictures again as they are painted
}

}  // namespace orvane
