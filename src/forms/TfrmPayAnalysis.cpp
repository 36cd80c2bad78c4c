#include "TfrmPayAnalysis.h"

#include <QLabel>
#include <cmath>

#include "machine/AnalysisService.h"
#include "machine/GroupedNumber.h"
#include "widgets/TDialogButton.h"
#include "widgets/TGauge.h"

namespace orvane {

namespace {

constexpr QSize ClientSize(440, 404);
constexpr int RowHeight = 16;
// The client area starts under the frame's caption strip.
constexpr int Top = TFormZQ::CaptionHeight + 6;
constexpr int TableTop = Top + 162;

QLabel* TextLabel(QWidget* parent, const QString& name, QRect box,
                  Qt::Alignment alignment = Qt::AlignLeft, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QString Percent(double share) {
    return QStringLiteral("%1 %").arg(share * 100.0, 0, 'f', 2);
}

}  // namespace

QString ChanceText(double probability) {
    if (!(probability > 0.0) || !std::isfinite(probability)) {
        return QStringLiteral("-");
    }
    if (probability >= 0.01) {
        return Percent(probability);
    }
    return QStringLiteral("1 in %1").arg(
        GroupedNumber(static_cast<qlonglong>(std::llround(1.0 / probability))));
}

TfrmPayAnalysis::TfrmPayAnalysis(QWidget* parent, AnalysisService& service, const Multipliers& pays)
    : TFormZQ(ClientSize, parent), service_(service), pays_(pays) {
    setObjectName(QStringLiteral("frmPayAnalysis"));
    SetTitle(QStringLiteral("Pay table analysis"));
    Client()->setStyleSheet(QStringLiteral("QLabel { color: yellow; }"));
    const int width = ClientSize.width();

    lblStatus = TextLabel(Client(), QStringLiteral("lblStatus"), {10, Top, width - 20, 16});
    gaProgress = new TGauge(Client());
    gaProgress->setObjectName(QStringLiteral("gaProgress"));
    gaProgress->setGeometry(10, Top + 20, width - 20, 14);
    lblBestPlay =
        TextLabel(Client(), QStringLiteral("lblBestPlay"), {10, Top + 42, width - 20, 16});
    lblBestPlayNote =
        TextLabel(Client(), QStringLiteral("lblBestPlayNote"), {10, Top + 58, width - 20, 16});
    lblBestPlayAccuracy =
        TextLabel(Client(), QStringLiteral("lblBestPlayAccuracy"), {10, Top + 74, width - 20, 16});
    lblOptimalReturn =
        TextLabel(Client(), QStringLiteral("lblOptimalReturn"), {10, Top + 96, width - 20, 16});
    lblAutoReturn =
        TextLabel(Client(), QStringLiteral("lblAutoReturn"), {10, Top + 112, width - 20, 16});
    lblMeterShare =
        TextLabel(Client(), QStringLiteral("lblMeterShare"), {10, Top + 128, width - 20, 16});
    BuildLines();

    btnClose = new TDialogButton(QStringLiteral("CLOSE"), TDialogButton::Face::Orange, Client());
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(width - 108, ClientSize.height() - 28, 100, 20);
    connect(btnClose, &QAbstractButton::clicked, this, &TfrmPayAnalysis::btnCloseClick);
    SetDefaultButton(btnClose);
    SetCancelButton(btnClose);

    connect(&service_, &AnalysisService::FiguresProgressed, this, &TfrmPayAnalysis::ShowProgress);
    connect(&service_, &AnalysisService::FiguresReady, this, &TfrmPayAnalysis::Refresh);
    service_.RequestFigures(pays_);
    Refresh();
}

void TfrmPayAnalysis::BuildLines() {
    TextLabel(Client(), QStringLiteral("lblHeadLine"), {10, TableTop - RowHeight, 150, RowHeight},
              Qt::AlignLeft, QStringLiteral("PAY LINE"));
    TextLabel(Client(), QStringLiteral("lblHeadPays"), {160, TableTop - RowHeight, 60, RowHeight},
              Qt::AlignRight, QStringLiteral("PAYS"));
    TextLabel(Client(), QStringLiteral("lblHeadChance"),
              {225, TableTop - RowHeight, 100, RowHeight}, Qt::AlignRight,
              QStringLiteral("SINGLE DRAW"));
    TextLabel(Client(), QStringLiteral("lblHeadAutoChance"),
              {330, TableTop - RowHeight, 100, RowHeight}, Qt::AlignRight,
              QStringLiteral("AUTO HOLD"));
    for (int line = 1; line <= Lines; ++line) {
        const int top = TableTop + RowHeight * (line - 1);
        const auto i = static_cast<std::size_t>(line);
        TextLabel(Client(), QStringLiteral("lblLine%1").arg(line), {10, top, 150, RowHeight},
                  Qt::AlignLeft, QString::fromStdString(PayLineName(static_cast<PrizeIndex>(i))));
        TextLabel(Client(), QStringLiteral("lblPays%1").arg(line), {160, top, 60, RowHeight},
                  Qt::AlignRight, QStringLiteral("x %1").arg(pays_[i]));
        lblChance[i] = TextLabel(Client(), QStringLiteral("lblChance%1").arg(line),
                                 {225, top, 100, RowHeight}, Qt::AlignRight);
        lblAutoChance[i] = TextLabel(Client(), QStringLiteral("lblAutoChance%1").arg(line),
                                     {330, top, 100, RowHeight}, Qt::AlignRight);
    }
}

void TfrmPayAnalysis::ShowProgress() {
    gaProgress->SetProgress(static_cast<int>(std::lround(service_.Progress() * 100.0)));
}

void TfrmPayAnalysis::Refresh() {
    const advisor::PayTableFigures* figures = service_.Figures(pays_);
    const bool computing = service_.Computing(pays_);
    gaProgress->setVisible(figures == nullptr && computing);
    if (figures == nullptr) {
        lblStatus->setText(computing ? QStringLiteral("Working out every deal of the game ...")
                                     : QStringLiteral("The figures could not be worked out."));
        ShowProgress();
        for (QLabel* label : {lblBestPlay, lblBestPlayNote, lblBestPlayAccuracy, lblOptimalReturn,
                              lblAutoReturn, lblMeterShare}) {
            label->clear();
        }
        return;
    }
    lblStatus->setText(
        QStringLiteral("Long-run figures of the pay table in force, meter counted."));
    lblBestPlay->setText(
        QStringLiteral("Return with the best play: %1").arg(Percent(figures->BestPlayReturn)));
    lblBestPlayNote->setText(QStringLiteral("(gives a first-draw win up in %1 of rounds)")
                                 .arg(Percent(figures->BestPlaySecondDraws)));
    // The best play's figure counts the thrown-away cards as live in the second draw.
    lblBestPlayAccuracy->setText(QStringLiteral("Approximate: about %1 points low (+/- %2).")
                                     .arg(advisor::BestPlayShortfall * 100.0, 0, 'f', 2)
                                     .arg(advisor::BestPlayShortfallError * 100.0, 0, 'f', 2));
    lblOptimalReturn->setText(QStringLiteral("Best single draw (every win taken): %1 (exact)")
                                  .arg(Percent(figures->OptimalReturn)));
    lblAutoReturn->setText(QStringLiteral("Automatic hold (every win taken): %1 (exact)")
                               .arg(Percent(figures->AutoReturn)));
    lblMeterShare->setText(
        QStringLiteral("Bonus meter's share of all paid: %1 (automatic hold: %2)")
            .arg(Percent(figures->BestPlayMeterShare), Percent(figures->AutoMeterShare)));
    for (std::size_t line = 1; line <= Lines; ++line) {
        auto chance = [line](const std::vector<double>& p) {
            return line < p.size() ? ChanceText(p[line]) : QStringLiteral("-");
        };
        lblChance[line]->setText(chance(figures->LineProbability));
        lblAutoChance[line]->setText(chance(figures->AutoLineProbability));
    }
}

void TfrmPayAnalysis::btnCloseClick() {
    close();
}

}  // namespace orvane
