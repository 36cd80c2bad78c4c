#pragma once

#include <array>

#include "TFormZQ.h"
#include "game/PayTable.h"

class QLabel;

namespace orvane {

class AnalysisService;
class TDialogButton;
class TGauge;

// What the pay table in force returns in the long run, worked out exactly with the bonus
// meter: under the best holds and under the automatic hold, the meter's share, and the
// chance of each pay line. The figures are worked out in the background; the window shows
// how far they are and may be closed at any time, and the game plays on meanwhile.
class TfrmPayAnalysis : public TFormZQ {
    Q_OBJECT
  public:
    static constexpr int Lines = 11;

    TfrmPayAnalysis(QWidget* parent, AnalysisService& service, const Multipliers& pays);

    // Shows the figures if they are known, the progress if not.
    void Refresh();

  private:
    void BuildLines();
    void ShowProgress();
    void btnCloseClick();

    AnalysisService& service_;
    Multipliers pays_;
    QLabel* lblStatus = nullptr;
    TGauge* gaProgress = nullptr;
    QLabel* lblOptimalReturn = nullptr;
    QLabel* lblAutoReturn = nullptr;
    QLabel* lblMeterShare = nullptr;
    std::array<QLabel*, Lines + 1> lblChance{};      // 1..11, best holds
    std::array<QLabel*, Lines + 1> lblAutoChance{};  // 1..11, automatic hold
    TDialogButton* btnClose = nullptr;
};

// "12.34 %" for a common line, "1 in 40,391" for a rare one, "-" for one that never comes.
QString ChanceText(double probability);

}  // namespace orvane
