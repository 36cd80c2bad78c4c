// The statistics dialog: the figures of the chosen set, the tabs, resets and closing.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <vector>

#include "forms/TfrmStatistics.h"
#include "game/PayTable.h"
#include "game/StatisticsFigures.h"
#include "widgets/TGauge.h"
#include "widgets/TTabControl.h"

namespace orvane {
namespace {

struct Question {
    QString caption;
    QString text;
};

constexpr char SessionQuestion[] = "Are You sure You want to reset these statistics to zero ?";
constexpr char OverallQuestion[] = "Are You sure You want to reset ALL statistics to zero ?";

class StatisticsDialog : public ::testing::Test {
  protected:
    StatisticsDialog() {
        // This run: 3 two pairs and a high pair, 1000 in, 1500 out.
        counters.RunPrizeStat[TwoPairs] = 3;
        counters.RunPrizeStat[HighPair] = 1;
        counters.RunCreditIn = 1000;
        counters.RunCreditOut = 1500;
        // All time: a flush, two straights and a full house, 3 in, 1 out.
        counters.PrizeStat[FullHouse] = 1;
        counters.PrizeStat[Flush] = 1;
        counters.PrizeStat[Straight] = 2;
        counters.PrizeStat[TwoPairs] = 3;
        counters.PrizeStat[HighPair] = 1;
        counters.CreditIn = 3;
        counters.CreditOut = 1;
    }

    TfrmStatistics& Open() {
        dialog = std::make_unique<TfrmStatistics>(
            nullptr, counters, [this] { return elapsedMs; },
            [this](const QString& caption, const QString& text) {
                questions.push_back({caption, text});
                return answerYes;
            });
        dialog->SetView(false);
        return *dialog;
    }

    template <typename Widget = QLabel>
    Widget* Find(const QString& name) const {
        auto* widget = dialog->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QString Text(const QString& name) const {
        const QLabel* label = Find(name);
        return label != nullptr ? label->text() : QString();
    }

    QString Count(int line) const { return Text(QStringLiteral("Label%1").arg(line)); }

    int Gauge(int line) const {
        const TGauge* gauge = Find<TGauge>(QStringLiteral("CGauge%1").arg(line));
        return gauge != nullptr ? gauge->Progress() : -1;
    }

    void ClickTab(int index) const {
        QTabBar* tabs = Find<TTabControl>(QStringLiteral("TabControl"))->Tabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    void Reset() const { Find<QAbstractButton>(QStringLiteral("btnReset"))->click(); }

    // Every figure of the dialog against one set of counters.
    void ExpectShows(const LineCounts& counts, std::int64_t in, std::int64_t out) const {
        for (int line = 1; line <= PrizeLines; ++line) {
            EXPECT_EQ(Count(line), QString::number(counts[static_cast<std::size_t>(line)]))
                << "line " << line;
        }
        EXPECT_EQ(Text(QStringLiteral("lblCreditIn")), QString::number(in));
        EXPECT_EQ(Text(QStringLiteral("lblCreditOut")), QString::number(out));
    }

    void ExpectAllZero() const {
        ExpectShows(LineCounts{}, 0, 0);
        for (int line = 1; line <= PrizeLines; ++line) {
            EXPECT_EQ(Gauge(line), 0) << "line " << line;
        }
        EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("100%"));
    }

    Statistics counters;
    std::uint32_t elapsedMs = (3600 + 5 * 60 + 7) * 1000;
    bool answerYes = true;
    std::vector<Question> questions;
    std::unique_ptr<TfrmStatistics> dialog;
};

TEST_F(StatisticsDialog, IsTheCommonFrameWithItsTitleAndSize) {
    Open();
    EXPECT_EQ(dialog->Title(), QStringLiteral("Orvane Cards - Statistics"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Orvane Cards - Statistics"));
    EXPECT_EQ(dialog->Client()->size(), QSize(551, 394));
    EXPECT_EQ(Find<QWidget>(QStringLiteral("TabControl"))->geometry(), QRect(7, 27, 537, 322));
    EXPECT_EQ(Find<QWidget>(QStringLiteral("btnReset"))->geometry(), QRect(336, 361, 100, 20));
    EXPECT_EQ(Find<QWidget>(QStringLiteral("btnClose"))->geometry(), QRect(444, 361, 100, 20));
}

TEST_F(StatisticsDialog, NamesEveryLineInPayTableOrderBesideItsGaugeAndCount) {
    Open();
    const QStringList names = {"FIVE OF A KIND", "ROYAL FLUSH", "STRAIGHT FLUSH", "POKER",
                               "FULL HOUSE",     "FLUSH",       "STRAIGHT",       "THREE OF A KIND",
                               "TWO PAIRS",      "HIGH PAIR",   "ORVANE 3xX"};
    const int labels[] = {23, 24, 25, 26, 28, 29, 30, 31, 32, 33, 34};
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label27")), nullptr);
    for (int line = 1; line <= PrizeLines; ++line) {
        const QLabel* name = Find(QStringLiteral("Label%1").arg(labels[line - 1]));
        const QLabel* count = Find(QStringLiteral("Label%1").arg(line));
        const auto* gauge = Find<TGauge>(QStringLiteral("CGauge%1").arg(line));
        ASSERT_TRUE(name && count && gauge);
        EXPECT_EQ(name->text(), names[line - 1]);
        EXPECT_EQ(gauge->geometry(), QRect(120, 40 + 16 * (line - 1), 93, 14));
        EXPECT_EQ(count->geometry().topLeft(), QPoint(226, name->y()));
        EXPECT_TRUE(count->alignment() & Qt::AlignRight);
    }
    const auto* header = Find<QHeaderView>(QStringLiteral("HeaderControl1"));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->count(), 3);
    const QString titles[] = {"Hand name", "Percent", "Count"};
    const int widths[] = {120, 95, 80};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(header->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        EXPECT_EQ(header->sectionSize(column), widths[column]);
    }
}

TEST_F(StatisticsDialog, OpensOnTheCurrentSessionWithItsFigures) {
    Open();
    EXPECT_FALSE(dialog->ShowsOverall());
    EXPECT_EQ(Find<TTabControl>(QStringLiteral("TabControl"))->CurrentIndex(), 0);
    ExpectShows(counters.RunPrizeStat, 1000, 1500);
    EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("150%"));
    for (int line = 1; line <= PrizeLines; ++line) {
        const int expected = line == TwoPairs ? 75 : line == HighPair ? 25 : 0;
        EXPECT_EQ(Gauge(line), expected) << "line " << line;
    }
    EXPECT_EQ(Text(QStringLiteral("lblTimeUp")), QStringLiteral("1h 5m "));
}

TEST_F(StatisticsDialog, CountersBeyond32BitsShowInFull) {
    counters.RunPrizeStat[HighPair] = 5'000'000'000LL;
    counters.RunCreditIn = 4'294'967'296'000LL;
    counters.RunCreditOut = 9'223'372'036'854'775'807LL;
    Open();
    EXPECT_EQ(Count(HighPair), QStringLiteral("5000000000"));
    EXPECT_EQ(Text(QStringLiteral("lblCreditIn")), QStringLiteral("4294967296000"));
    EXPECT_EQ(Text(QStringLiteral("lblCreditOut")), QStringLiteral("9223372036854775807"));
    EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("214748364%"));
    EXPECT_EQ(Gauge(HighPair), 99);
}

TEST_F(StatisticsDialog, TheTabsSwitchBetweenTheSets) {
    Open();
    ClickTab(1);
    EXPECT_TRUE(dialog->ShowsOverall());
    ExpectShows(counters.PrizeStat, 3, 1);
    EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("33%"));
    EXPECT_EQ(Gauge(Straight), 25);  // 2 of 8
    EXPECT_EQ(Gauge(TwoPairs), 37);  // 3 of 8, truncated

    ClickTab(0);
    EXPECT_FALSE(dialog->ShowsOverall());
    ExpectShows(counters.RunPrizeStat, 1000, 1500);
    EXPECT_EQ(Gauge(TwoPairs), 75);
}

TEST_F(StatisticsDialog, SetViewChoosesTheTabAndAlwaysStartsOnTheSession) {
    Open();
    dialog->SetView(true);
    EXPECT_EQ(Find<TTabControl>(QStringLiteral("TabControl"))->CurrentIndex(), 1);
    EXPECT_EQ(Text(QStringLiteral("lblCreditIn")), QStringLiteral("3"));
    dialog->SetView(false);
    EXPECT_EQ(Find<TTabControl>(QStringLiteral("TabControl"))->CurrentIndex(), 0);
    EXPECT_EQ(Text(QStringLiteral("lblCreditIn")), QStringLiteral("1000"));
}

TEST_F(StatisticsDialog, WithNothingPutInTheReturnIsAHundredPercent) {
    counters.RunCreditIn = 0;
    counters.RunCreditOut = 500;
    Open();
    EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("100%"));
}

TEST_F(StatisticsDialog, TheRunningTimeIsReadOnlyWhenTheFiguresAreFilled) {
    Open();
    elapsedMs = 2u * 3600 * 1000 + 59 * 60 * 1000 + 59'999;
    EXPECT_EQ(Text(QStringLiteral("lblTimeUp")), QStringLiteral("1h 5m "));
    ClickTab(1);
    EXPECT_EQ(Text(QStringLiteral("lblTimeUp")), QStringLiteral("2h 59m "));
}

TEST_F(StatisticsDialog, ResettingTheSessionLeavesTheOverallFigures) {
    const Statistics before = counters;
    Open();
    Reset();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(questions[0].text, QString::fromLatin1(SessionQuestion));
    ExpectAllZero();

    ClickTab(1);
    ExpectShows(before.PrizeStat, 3, 1);
    EXPECT_EQ(Text(QStringLiteral("lblReturn")), QStringLiteral("33%"));
    EXPECT_EQ(counters.PrizeStat, before.PrizeStat);
}

TEST_F(StatisticsDialog, ResettingOverallPlayClearsTheSessionToo) {
    Open();
    ClickTab(1);
    Reset();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(questions[0].text, QString::fromLatin1(OverallQuestion));
    ExpectAllZero();

    ClickTab(0);
    ExpectAllZero();
    EXPECT_EQ(counters.RunPrizeStat, LineCounts{});
    EXPECT_EQ(counters.PrizeStat, LineCounts{});
}

TEST_F(StatisticsDialog, AnsweringNoOnEitherTabChangesNothing) {
    answerYes = false;
    const Statistics before = counters;
    Open();
    Reset();
    ClickTab(1);
    Reset();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].text, QString::fromLatin1(SessionQuestion));
    EXPECT_EQ(questions[1].text, QString::fromLatin1(OverallQuestion));
    ExpectShows(before.PrizeStat, 3, 1);
    EXPECT_EQ(counters.PrizeStat, before.PrizeStat);
    EXPECT_EQ(counters.RunPrizeStat, before.RunPrizeStat);
    EXPECT_EQ(counters.CreditIn, 3);
    EXPECT_EQ(counters.RunCreditOut, 1500);
}

TEST_F(StatisticsDialog, DamagedCountersShowAsTheyAreWithGaugesInRange) {
    counters.RunPrizeStat[Flush] = -3;  // the total of the set drops to 1
    Open();
    EXPECT_EQ(Count(Flush), QStringLiteral("-3"));
    EXPECT_EQ(Gauge(Flush), 0);
    EXPECT_EQ(Gauge(TwoPairs), 100);
    EXPECT_EQ(Gauge(HighPair), 100);
}

class StatisticsDialogKeys : public StatisticsDialog,
                             public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(StatisticsDialogKeys, CloseTheDialogWhateverHasFocus) {
    Open();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    Find<QWidget>(QStringLiteral("btnReset"))->setFocus();
    QTest::keyClick(dialog.get(), GetParam());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Result(), DialogResult::Ok);
    EXPECT_TRUE(questions.empty());
}

INSTANTIATE_TEST_SUITE_P(EscapeAndEnter, StatisticsDialogKeys,
                         ::testing::Values(Qt::Key_Escape, Qt::Key_Return));

TEST_F(StatisticsDialog, TheCloseButtonEndsWithOk) {
    Open();
    dialog->show();
    Find<QAbstractButton>(QStringLiteral("btnClose"))->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Result(), DialogResult::Ok);
}

TEST(Gauge, HoldsItsValueWithinZeroToAHundred) {
    TGauge gauge;
    gauge.SetProgress(42);
    EXPECT_EQ(gauge.Progress(), 42);
    gauge.SetProgress(150);
    EXPECT_EQ(gauge.Progress(), 100);
    gauge.SetProgress(-5);
    EXPECT_EQ(gauge.Progress(), 0);
}

}  // namespace
}  // namespace orvane
