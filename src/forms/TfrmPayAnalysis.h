#pragma once

#include <array>

#include "TFormZQ.h"
#include "game/PayTable.h"

class QLabel;

namespace orvane {

class AnalysisService;
class TDialogButton;
class TGauge;

// What the pay table in force returns in the long run with the bonus meter: under the best
// play (which gives a first-draw win up for a second draw when that is worth more; worked
// out approximately, and said so with its accuracy), under the best single-draw holds and
// under the automatic hold (both exact), the meter's share, and the chance of each pay
// line in the single-draw plays. The figures are worked out in the background; the window shows
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
    QLabel* lblBestPlay = nullptr;  // first-draw wins may be given up
    QLabel* lblBestPlayNote = nullptr;
    QLabel* lblBestPlayAccuracy = nullptr;
    QLabel* lblOptimalReturn = nullptr;  // single draw
    QLabel* lblAutoReturn = nullptr;
    QLabel* lblMeterShare = nullptr;
    std::array<QLabel*, Lines + 1> lblChance{};      // 1..11, best single-draw holds
    std::array<QLabel*, Lines + 1> lblAutoChance{};  // 1..11, automatic hold
    TDialogButton* btnClose = nullptr;
};

// "12.34 %" for a common line, "1 in 40,391" for a rare one, "-" for one that never comes.
QString ChanceText(double probability);

}  // namespace orvane
