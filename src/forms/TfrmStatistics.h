#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "TFormZQ.h"
#include "game/Statistics.h"

class QLabel;

namespace orvane {

class TDialogButton;
class TGauge;
class TTabControl;

// The statistics: wins per pay line with each line's share, credit in and out, the
// return and the running time, for this run or for all time; either set can be cleared.
class TfrmStatistics : public TFormZQ {
    Q_OBJECT
  public:
    // Milliseconds the program has been running, as an unsigned 32-bit tick difference.
    using ElapsedMs = std::function<std::uint32_t()>;
    // Asks a yes/no question under a caption; true only for Yes.
    using AskYes = std::function<bool(const QString& caption, const QString& text)>;

    TfrmStatistics(QWidget* parent, Statistics& counters, ElapsedMs elapsedMs, AskYes ask);

    // Chooses the set shown (false: "Current Session", true: "Overall Play") and fills it.
    void SetView(bool overall);
    bool ShowsOverall() const { return ShowOverall; }

    // Fills every figure from the chosen set; the running time is read anew only here.
    void Refresh();

  private:
    void BuildCountsPanel(QWidget* tabControl);
    void BuildCreditPanel(QWidget* tabControl);
    void BuildBottomLine();

    void TabControlChange(int index);
    void btnResetClick();
    void btnCloseClick();

    Statistics& counters_;
    ElapsedMs elapsedMs_;
    AskYes ask_;
    bool ShowOverall = false;

    TTabControl* TabControl = nullptr;
    std::array<TGauge*, 12> CGauge{};  // 1..11
    std::array<QLabel*, 12> Label{};   // 1..11: the counts
    QLabel* lblCreditIn = nullptr;
    QLabel* lblCreditOut = nullptr;
    QLabel* lblReturn = nullptr;
    QLabel* lblTimeUp = nullptr;
    TDialogButton* btnReset = nullptr;
    TDialogButton* btnClose = nullptr;
};

}  // namespace orvane
