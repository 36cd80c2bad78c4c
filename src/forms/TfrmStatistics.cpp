#include "TfrmStatistics.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QStandardItemModel>

#include <utility>

#include "game/PayTable.h"
#include "game/StatisticsFigures.h"
#include "widgets/TDialogButton.h"
#include "widgets/TGauge.h"
#include "widgets/TTabControl.h"

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcStatistics, "orvane.statistics")

constexpr QSize ClientSize(551, 394);
constexpr int Lines = 11;
// Up to the gauges: the longest names need a little more than 100 pixels in the faces
// that stand in for the dialog font.
constexpr int NameWidth = 112;

// The labels that carry the pay lines' names, in line order. The bonus line keeps its
// placeholder "x" (PayLineName): the dialog does not put the current rank in.
constexpr std::array<int, Lines> LineNameLabels = {23, 24, 25, 26, 28, 29, 30, 31, 32, 33, 34};

// Rows of the line table, 16 pixels apart; the last name sits a pixel higher.
int NameRowTop(int line) {
    return line == Lines ? 198 : 39 + 16 * (line - 1);
}

int GaugeRowTop(int line) {
    return 40 + 16 * (line - 1);
}

const char* const HeaderStyle = R"(
QHeaderView { background: black; }
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1c1c1c, stop:1 #000000);
    color: #ffff00;
    font-weight: bold;
    border: none;
    border-right: 1px solid #3c6a2c;
    border-bottom: 1px solid #5c8a3c;
    padding: 0px 4px;
}
)";

QFont BoldFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    return font;
}

template <typename Widget>
Widget* Place(Widget* widget, const QString& name, QRect box) {
    widget->setObjectName(name);
    widget->setGeometry(box);
    return widget;
}

QLabel* TextLabel(QWidget* parent, const QString& name, QRect box, Qt::Alignment alignment,
                  const QString& text = {}) {
    auto* label = Place(new QLabel(text, parent), name, box);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QFrame* FlatPanel(QWidget* parent, const QString& name, QRect box) {
    auto* panel = Place(new QFrame(parent), name, box);
    panel->setFrameShape(QFrame::Box);
    // A style sheet on a parent takes its children's colours from the sheet, so the
    // labels' yellow is restated here.
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { background: #004400; border: 1px solid "
                                        "#3c6a2c; } QLabel { color: #ffff00; }")
                             .arg(name));
    return panel;
}

QHeaderView* ColumnHeaders(QWidget* parent) {
    struct Column {
        const char* title;
        int width;
        Qt::Alignment alignment;
    };
    constexpr std::array<Column, 3> Columns = {{{"Hand name", 120, Qt::AlignLeft},
                                                {"Percent", 95, Qt::AlignHCenter},
                                                {"Count", 80, Qt::AlignHCenter}}};
    auto* header = new QHeaderView(Qt::Horizontal, parent);
    auto* model = new QStandardItemModel(0, static_cast<int>(Columns.size()), header);
    for (int column = 0; column < model->columnCount(); ++column) {
        const Column& c = Columns[static_cast<std::size_t>(column)];
        model->setHeaderData(column, Qt::Horizontal, QString::fromLatin1(c.title));
        model->setHeaderData(column, Qt::Horizontal,
                             QVariant::fromValue(c.alignment | Qt::AlignVCenter),
                             Qt::TextAlignmentRole);
    }
    header->setModel(model);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStyleSheet(QString::fromLatin1(HeaderStyle));
    for (int column = 0; column < model->columnCount(); ++column) {
        header->resizeSection(column, Columns[static_cast<std::size_t>(column)].width);
    }
    return header;
}

}  // namespace

TfrmStatistics::TfrmStatistics(QWidget* parent, Statistics& counters, ElapsedMs elapsedMs,
                               AskYes ask)
    : TFormZQ(ClientSize, parent),
      counters_(counters),
      elapsedMs_(std::move(elapsedMs)),
      ask_(std::move(ask)) {
    setObjectName(QStringLiteral("frmStatistics"));
    SetTitle(QStringLiteral("Orvane Cards - Statistics"));

    TabControl =
        Place(new TTabControl({QStringLiteral("Current Session"), QStringLiteral("Overall Play")},
                              Client()),
              QStringLiteral("TabControl"), QRect(7, 27, 537, 322));
    BuildCountsPanel(TabControl);
    BuildCreditPanel(TabControl);
    BuildBottomLine();
    connect(TabControl, &TTabControl::CurrentChanged, this, &TfrmStatistics::TabControlChange);

    SetDefaultButton(btnClose);
    SetCancelButton(btnClose);
    setTabOrder(btnReset, btnClose);
    btnClose->setFocus();
    CentreOver(parent);
    Refresh();
}

void TfrmStatistics::BuildCountsPanel(QWidget* tabControl) {
    QFrame* panel = FlatPanel(tabControl, QStringLiteral("pnlCounts"), QRect(8, 32, 297, 249));
    Place(ColumnHeaders(panel), QStringLiteral("HeaderControl1"), QRect(1, 1, 295, 20));

    for (int line = 1; line <= Lines; ++line) {
        const auto i = static_cast<std::size_t>(line);
        TextLabel(panel, QStringLiteral("Label%1").arg(LineNameLabels[i - 1]),
                  QRect(7, NameRowTop(line), NameWidth, 17), Qt::AlignLeft,
                  QString::fromStdString(PayLineName(static_cast<PrizeIndex>(i))));
        CGauge[i] = Place(new TGauge(panel), QStringLiteral("CGauge%1").arg(line),
                          QRect(120, GaugeRowTop(line), 93, 14));
        Label[i] = TextLabel(panel, QStringLiteral("Label%1").arg(line),
                             QRect(226, NameRowTop(line), 50, 17), Qt::AlignRight);
    }
}

void TfrmStatistics::BuildCreditPanel(QWidget* tabControl) {
    QFrame* panel = FlatPanel(tabControl, QStringLiteral("pnlCredit"), QRect(312, 32, 201, 193));
    const QFont bold = BoldFont(this);
    struct Figure {
        const char* heading;
        const char* name;
        int headingTop;
        int valueTop;
        QLabel** label;
    };
    const std::array<Figure, 3> figures = {{
        {"Credit in:", "lblCreditIn", 9, 33, &lblCreditIn},
        {"Credit out:", "lblCreditOut", 65, 81, &lblCreditOut},
        {"Return %:", "lblReturn", 115, 131, &lblReturn},
    }};
    for (const Figure& f : figures) {
        const QString name = QString::fromLatin1(f.name);
        TextLabel(panel, name + QStringLiteral("Heading"), QRect(8, f.headingTop, 150, 14),
                  Qt::AlignLeft, QString::fromLatin1(f.heading))
            ->setFont(bold);
        *f.label = TextLabel(panel, name, QRect(12, f.valueTop, 150, 14), Qt::AlignRight);
    }
}

void TfrmStatistics::BuildBottomLine() {
    TextLabel(Client(), QStringLiteral("lblTimeUpHeading"), QRect(8, 361, 66, 14), Qt::AlignLeft,
              QStringLiteral("Time up:"))
        ->setFont(BoldFont(this));
    lblTimeUp =
        TextLabel(Client(), QStringLiteral("lblTimeUp"), QRect(76, 361, 0, 14), Qt::AlignRight);

    btnReset =
        Place(new TDialogButton(QStringLiteral("Reset"), TDialogButton::Face::Orange, Client()),
              QStringLiteral("btnReset"), QRect(336, 361, 100, 20));
    btnClose =
        Place(new TDialogButton(QStringLiteral("Close"), TDialogButton::Face::Orange, Client()),
              QStringLiteral("btnClose"), QRect(444, 361, 100, 20));
    connect(btnReset, &QAbstractButton::clicked, this, &TfrmStatistics::btnResetClick);
    connect(btnClose, &QAbstractButton::clicked, this, &TfrmStatistics::btnCloseClick);
}

void TfrmStatistics::SetView(bool overall) {
    ShowOverall = overall;
    {
        const QSignalBlocker quiet(TabControl);  // one refresh, below
        TabControl->SetCurrentIndex(overall ? 1 : 0);
    }
    TabControl->update();
    Refresh();
}

void TfrmStatistics::Refresh() {
    const StatisticsFigures figures = FiguresOf(
        counters_, ShowOverall ? StatisticsSet::OverallPlay : StatisticsSet::CurrentSession);
    for (std::size_t line = 1; line <= Lines; ++line) {
        Label[line]->setText(QString::number(figures.Counts[line]));
        CGauge[line]->SetProgress(figures.Gauges[line]);
    }
    lblCreditIn->setText(QString::number(figures.CreditIn));
    lblCreditOut->setText(QString::number(figures.CreditOut));
    lblReturn->setText(QString::fromStdString(figures.Return));
    const std::uint32_t elapsed = elapsedMs_ ? elapsedMs_() : 0;
    lblTimeUp->setText(QString::fromStdString(TimeUpText(elapsed)));
    // Sized to its text from its left edge, so the time follows its heading closely.
    lblTimeUp->resize(lblTimeUp->sizeHint().width(), lblTimeUp->height());
}

void TfrmStatistics::TabControlChange(int index) {
    ShowOverall = index == 1;
    Refresh();
}

void TfrmStatistics::btnResetClick() {
    const QString text =
        ShowOverall ? QStringLiteral("Are You sure You want to reset ALL statistics to zero ?")
                    : QStringLiteral("Are You sure You want to reset these statistics to zero ?");
    if (ask_ && ask_(QStringLiteral("Confirm"), text)) {
        const StatisticsSet set =
            ShowOverall ? StatisticsSet::OverallPlay : StatisticsSet::CurrentSession;
        ResetStatistics(counters_, set);
        qCInfo(lcStatistics) << (ShowOverall ? "all statistics reset" : "session statistics reset");
    }
    Refresh();
}

void TfrmStatistics::btnCloseClick() {
    Finish(DialogResult::Ok);
}

}  // namespace orvane
