// The best-hold advisor on the table and the pay table analysis window, with the engine's
// own advice for the seeded deck and a stand-in for the whole-game figures.
#include <QAction>
#include <QTest>
#include <memory>

#include "MainWindowFixture.h"
#include "advisor/AdviceText.h"
#include "analysis/OrvaneReturn.h"
#include "forms/MainMenus.h"
#include "forms/TableAdvisor.h"
#include "forms/TfrmPayAnalysis.h"
#include "widgets/TDialogButton.h"
#include "widgets/TGauge.h"

namespace orvane::test {
namespace {

using advisor::HoldBits;

// Waits, processing events, until the condition holds; false if it never does. The limit
// only keeps a broken build from hanging the suite.
template <typename Condition>
bool Eventually(Condition condition) {
    return QTest::qWaitFor(condition, 30000);
}

const analysis::DrawTables& RankSevenTables() {
    static const auto tables =
        std::make_unique<analysis::DrawTables>(analysis::OrvaneHandClasses(FirstOrvaneNumber));
    return *tables;
}

// J, 3, Q, Q, A is dealt with the queens held; three queens come with slots 1, 2 and 5
// replaced, and with slots 2 and 5 replaced.
constexpr std::array<CardValue, 5> Dealt = {24, 42, 38, 12, 1};
constexpr std::array<CardValue, 5> DrawnKeepingTheJack = {24, 43, 38, 12, 51};

advisor::RoundSituation Situation(const std::array<CardValue, 5>& values) {
    advisor::RoundSituation s;
    for (std::size_t i = 0; i < 5; ++i) {
        s.Hand[i] = values[i] - 1;
    }
    return s;  // rank 7, countdown 10, the default pay table: the table's own at the start
}

class Advisor : public MainWindowTest {
  protected:
    advisor::HoldAdvisor engine{
        [](std::int32_t) -> const analysis::DrawTables& { return RankSevenTables(); }};

    HoldBits MarkedSlots() const {
        HoldBits marked = 0;
        for (int slot = 1; slot <= 5; ++slot) {
            if (!Find(QStringLiteral("lblAdvice%1").arg(slot))->isHidden()) {
                marked |= 1U << (slot - 1);
            }
        }
        return marked;
    }
    QString AdviceLine() const {
        auto* line = Find<QLabel>(QStringLiteral("lblAdvisor"));
        return line->isHidden() ? QString() : line->text();
    }
    std::vector<bool> HeldCards() const {
        std::vector<bool> held;
        for (int slot = 1; slot <= 5; ++slot) {
            held.push_back(HandCard(slot)->Held);
        }
        return held;
    }
    void TurnOnBeforeOpening() { store.Write("HoldAdvisorEnabled", "1"); }
};

TEST_F(Advisor, TheOptionsItemSwitchesItAndTheChoiceIsStored) {
    Open();
    window->pmOptionsPopup();
    EXPECT_FALSE(window->Menus().Holdadvisor1->isChecked());  // off at first
    window->Menus().Holdadvisor1->trigger();
    EXPECT_TRUE(window->Settings().HoldAdvisorEnabled);
    ASSERT_TRUE(window->close());
    EXPECT_EQ(store.Read("HoldAdvisorEnabled"), std::optional<std::string>("1"));

    window.reset();
    Open();
    window->pmOptionsPopup();
    EXPECT_TRUE(window->Menus().Holdadvisor1->isChecked());
    window->Menus().Holdadvisor1->trigger();
    EXPECT_FALSE(window->Settings().HoldAdvisorEnabled);
}

TEST_F(Advisor, ADealIsMarkedWithTheEnginesBestHoldAndTheTableIsLeftAlone) {
    TurnOnBeforeOpening();
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    const std::optional<advisor::HoldAdvice> best = engine.Advise(Situation(Dealt));
    ASSERT_TRUE(best);
    EXPECT_TRUE(Eventually([&] { return MarkedSlots() == best->Best; }));
    EXPECT_EQ(MarkedSlots(), best->Best);
    EXPECT_NE(best->Best, 0U);
    EXPECT_EQ(AdviceLine(), QStringLiteral("BEST HOLD MARKED (PAY TABLE ONLY)"));
    // The table's own holds, marks and banner are as without the advisor.
    EXPECT_EQ(HeldCards(), (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(Text("lblMessage"), "HOLD AND DRAW CARDS");
}

TEST_F(Advisor, AfterTheDrawItTellsWhatTheHoldGaveUpAndWhetherTheWinIsWorthGivingUp) {
    TurnOnBeforeOpening();
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    ASSERT_TRUE(Eventually([&] { return MarkedSlots() != 0; }));
    Find<TImageButton>("btnHold1")->click();  // the jack kept beside the queens
    Key(Qt::Key_Return);
    ASSERT_EQ(window->Table().State().RoundState, RoundPhase::FirstDrawWon);

    const std::optional<advisor::HoldAdvice> deal = engine.Advise(Situation(Dealt));
    constexpr HoldBits Kept = 0b01101;
    ASSERT_TRUE(deal);
    ASSERT_GT(deal->GaveUp(Kept), 0.005);  // keeping the jack is not the best hold
    // Slots 2 and 5 went: a 3 and an ace.
    const analysis::CardMask thrown = analysis::CardBit(42 - 1) | analysis::CardBit(1 - 1);
    const std::optional<advisor::AfterWinAdvice> afterWin =
        engine.AdviseAfterWin(Situation(DrawnKeepingTheJack), thrown);
    ASSERT_TRUE(afterWin);
    const QString expected = QString::fromStdString(
        advisor::JoinLines(advisor::ReviewLine(*deal, Kept), advisor::AfterWinLine(*afterWin)));
    EXPECT_TRUE(Eventually([&] { return AdviceLine() == expected; }));
    EXPECT_EQ(AdviceLine(), expected);
    EXPECT_TRUE(expected.startsWith(QStringLiteral("YOUR HOLD GAVE UP ")));
    EXPECT_EQ(MarkedSlots(), 0U);  // the marks belong to the deal
    EXPECT_EQ(Text("lblMessage"), "WINNER");
}

TEST_F(Advisor, AWinGivenUpGetsTheBestSecondHoldMarkedAndTheSecondDrawReviewed) {
    TurnOnBeforeOpening();
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);  // the queens held: three queens
    ASSERT_EQ(window->Table().State().RoundState, RoundPhase::FirstDrawWon);
    constexpr std::array<CardValue, 5> Drawn = {50, 43, 38, 12, 51};
    const analysis::CardMask thrown =
        analysis::CardBit(24 - 1) | analysis::CardBit(42 - 1) | analysis::CardBit(1 - 1);
    const std::optional<advisor::AfterWinAdvice> afterWin =
        engine.AdviseAfterWin(Situation(Drawn), thrown);
    ASSERT_TRUE(afterWin);
    ASSERT_TRUE(Eventually([&] { return AdviceLine().contains(QStringLiteral("  \u00B7  ")); }));

    Key(Qt::Key_Return);  // the win given up
    ASSERT_TRUE(window->Table().State().Continued);
    EXPECT_EQ(MarkedSlots(), afterWin->DrawHold);
    EXPECT_EQ(AdviceLine(), QStringLiteral("BEST SECOND HOLD MARKED"));

    HoldBits held = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        held |= HandCard(slot)->Held ? 1U << (slot - 1) : 0U;
    }
    Key(Qt::Key_Return);  // the second draw
    const std::optional<advisor::HoldAdvice> second = engine.Advise(Situation(Drawn), thrown);
    ASSERT_TRUE(second);
    const QString expected =
        QString::fromStdString(advisor::ReviewLine(*second, held == 0 ? analysis::HoldAll : held));
    EXPECT_TRUE(Eventually([&] { return AdviceLine() == expected; }));
    EXPECT_EQ(AdviceLine(), expected);
    EXPECT_EQ(MarkedSlots(), 0U);
}

// Every line the advisor can form, with its figures at every count of digits a pay table
// allows, fits its box in the font it is drawn with.
TEST_F(Advisor, EveryLineItCanFormFitsItsBox) {
    Open();
    const QLabel* line = Find<QLabel>("lblAdvisor");
    std::vector<double> values = {0.0, 0.004, 0.37, 1.0, 1.004, 2.5};
    for (double v = 9.99; v < 1e10; v = v * 10 + 9) {
        values.push_back(v);  // 9.99, 99.99, ... up to ten whole digits
    }
    std::vector<std::string> reviews;
    std::vector<std::string> afterWins;
    for (const double v : values) {
        advisor::HoldAdvice advice;
        advice.Values.fill(0.0);
        advice.Best = 1;
        advice.BestValue = advice.Values[1] = v;
        reviews.push_back(advisor::ReviewLine(advice, 2));  // gave up v
        for (const bool again : {false, true}) {
            afterWins.push_back(advisor::AfterWinLine({again, v, 0, false}));
        }
    }
    std::vector<QString> lines = {QString::fromStdString(advisor::SecondHoldLine())};
    for (const bool meter : {false, true}) {
        for (const HoldBits best : {0U, 3U}) {
            advisor::HoldAdvice advice;
            advice.Best = best;
            advice.MeterAware = meter;
            lines.push_back(QString::fromStdString(advisor::DealLine(advice)));
        }
    }
    for (const std::string& review : reviews) {
        lines.push_back(QString::fromStdString(review));
        for (const std::string& afterWin : afterWins) {
            lines.push_back(TableAdvisor::AfterWinText(*line, QString::fromStdString(review),
                                                       QString::fromStdString(afterWin)));
        }
    }
    const int room = line->contentsRect().width();
    for (const QString& text : lines) {
        EXPECT_LE(line->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
    }
}

// The idle animation takes the table over: the advice of the last round goes with it.
TEST_F(Advisor, TheLineGoesWhenTheIdleAnimationStarts) {
    TurnOnBeforeOpening();
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Eventually([&] { return !AdviceLine().isEmpty(); }));
    Key(Qt::Key_7);  // CASH: the win collected, the table idle
    ASSERT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    EXPECT_FALSE(AdviceLine().isEmpty()) << "the round's advice stays until the animation";
    ASSERT_FALSE(Find("pnlMain")->isVisibleTo(window.get()));
    ASSERT_TRUE(Eventually([&] { return Find("pnlMain")->isVisibleTo(window.get()); }));
    EXPECT_EQ(AdviceLine(), QString());
    EXPECT_EQ(MarkedSlots(), 0U);
}

TEST_F(Advisor, AnswersForAStageTheRoundHasLeftAreDropped) {
    TurnOnBeforeOpening();
    Open();
    AddCredit();
    // Dealt and drawn before the deal's advice can come back.
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    const std::optional<advisor::HoldAdvice> deal = engine.Advise(Situation(Dealt));
    ASSERT_TRUE(deal);
    ASSERT_TRUE(Eventually([&] {
        return AdviceLine().startsWith(QString::fromStdString(advisor::ReviewLine(*deal, 0b01100)) +
                                       QStringLiteral("  "));
    }));
    QCoreApplication::processEvents();
    EXPECT_EQ(MarkedSlots(), 0U);  // the deal's marks never came up over the drawn hand
}

TEST_F(Advisor, OffItNeitherComputesNorShowsAnything) {
    int figuresAsked = 0;
    payFigures = [&figuresAsked](const Multipliers&, const std::atomic<bool>&,
                                 const std::function<void(double)>&) {
        ++figuresAsked;
        return std::optional<advisor::PayTableFigures>();
    };
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(MarkedSlots(), 0U);
    EXPECT_EQ(AdviceLine(), QString());
    EXPECT_FALSE(window->Analysis().Computing(DefaultMultipliers));
    EXPECT_EQ(figuresAsked, 0);
}

TEST_F(Advisor, SwitchedOnDuringADealItAdvisesThatHandAndSwitchedOffItClearsTheMarks) {
    Open();
    AddCredit();
    Key(Qt::Key_Return);
    window->Menus().Holdadvisor1->setChecked(true);
    window->Holdadvisor1Click();
    const std::optional<advisor::HoldAdvice> best = engine.Advise(Situation(Dealt));
    ASSERT_TRUE(best);
    EXPECT_TRUE(Eventually([&] { return MarkedSlots() == best->Best; }));
    EXPECT_EQ(MarkedSlots(), best->Best);
    window->Menus().Holdadvisor1->setChecked(false);
    window->Holdadvisor1Click();
    EXPECT_EQ(MarkedSlots(), 0U);
    EXPECT_EQ(AdviceLine(), QString());
}

advisor::PayTableFigures MadeUpFigures(const Multipliers& pays) {
    advisor::PayTableFigures f;
    f.Pays = pays;
    f.BestPlayReturn = 2.0;
    f.BestPlayMeterShare = 0.3;
    f.BestPlaySecondDraws = 0.4;
    f.OptimalReturn = 1.5;
    f.OptimalMeterShare = 0.25;
    f.AutoReturn = 1.25;
    f.AutoMeterShare = 0.2;
    f.LineProbability.assign(12, 0.0);
    f.LineProbability[1] = 1.0 / 40000.0;
    f.LineProbability[10] = 0.15;
    f.AutoLineProbability = f.LineProbability;
    f.AutoLineProbability[10] = 0.125;
    return f;
}

TEST_F(Advisor, TheHelpItemOpensTheAnalysisWindowWhichFillsIn) {
    payFigures = [](const Multipliers& pays, const std::atomic<bool>&,
                    const std::function<void(double)>& progress) {
        progress(0.5);
        return std::optional<advisor::PayTableFigures>(MadeUpFigures(pays));
    };
    Open();
    window->Menus().menuPayAnalysis->trigger();
    TfrmPayAnalysis* analysis = window->PayAnalysisWindow();
    ASSERT_NE(analysis, nullptr);
    EXPECT_EQ(analysis->Title(), QStringLiteral("Pay table analysis"));
    auto text = [analysis](const char* name) {
        return analysis->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_TRUE(Eventually([&] {
        return text("lblBestPlay") == QStringLiteral("Return with the best play: 200.00 %");
    }));
    EXPECT_EQ(text("lblBestPlay"), QStringLiteral("Return with the best play: 200.00 %"));
    EXPECT_EQ(text("lblBestPlayNote"),
              QStringLiteral("(gives a first-draw win up in 40.00 % of rounds)"));
    // The approximate figure says so, with its measured accuracy, right under it.
    EXPECT_TRUE(text("lblBestPlayAccuracy").startsWith(QStringLiteral("Approximate: ")));
    EXPECT_TRUE(text("lblBestPlayAccuracy").contains(QStringLiteral(" points low (+/- ")));
    EXPECT_EQ(text("lblOptimalReturn"),
              QStringLiteral("Best single draw (every win taken): 150.00 % (exact)"));
    EXPECT_EQ(text("lblAutoReturn"),
              QStringLiteral("Automatic hold (every win taken): 125.00 % (exact)"));
    EXPECT_EQ(text("lblMeterShare"),
              QStringLiteral("Bonus meter's share of all paid: 30.00 % (automatic hold: 20.00 %)"));
    // Every line of figures fits its label.
    for (const char* name : {"lblBestPlay", "lblBestPlayNote", "lblBestPlayAccuracy",
                             "lblOptimalReturn", "lblAutoReturn", "lblMeterShare"}) {
        const auto* label = analysis->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
    EXPECT_EQ(text("lblChance1"), QStringLiteral("1 in 40,000"));
    EXPECT_EQ(text("lblChance10"), QStringLiteral("15.00 %"));
    EXPECT_EQ(text("lblAutoChance10"), QStringLiteral("12.50 %"));
    EXPECT_EQ(text("lblChance3"), QStringLiteral("-"));
    EXPECT_EQ(text("lblPays10"), QStringLiteral("x 2"));
    EXPECT_TRUE(analysis->findChild<TGauge*>(QStringLiteral("gaProgress"))->isHidden());
    // Asked again, the same window comes forward and the figures are not worked out again.
    window->Menus().menuPayAnalysis->trigger();
    EXPECT_EQ(window->PayAnalysisWindow(), analysis);
    EXPECT_FALSE(window->Analysis().Computing(DefaultMultipliers));
}

TEST_F(Advisor, ClosingTheAnalysisMidWayOrTheGameNeitherHangsNorCrashes) {
    payFigures = [](const Multipliers&, const std::atomic<bool>& stop,
                    const std::function<void(double)>& progress) {
        progress(0.5);
        while (!stop.load()) {
            std::this_thread::yield();  // a computation that ends only when told to
        }
        return std::optional<advisor::PayTableFigures>();
    };
    Open();
    window->Menus().menuPayAnalysis->trigger();
    QPointer<TfrmPayAnalysis> analysis = window->PayAnalysisWindow();
    ASSERT_NE(analysis, nullptr);
    auto* gauge = analysis->findChild<TGauge*>(QStringLiteral("gaProgress"));
    EXPECT_TRUE(Eventually([&] { return gauge->Progress() == 50; }));
    EXPECT_EQ(gauge->Progress(), 50);
    EXPECT_FALSE(gauge->isHidden());
    analysis->findChild<TDialogButton*>(QStringLiteral("btnClose"))->click();
    ASSERT_TRUE(Eventually([&] { return analysis.isNull(); }));
    // The table plays on while the figures are still being worked out.
    AddCredit();
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt);
    EXPECT_TRUE(window->Analysis().Computing(DefaultMultipliers));
    ASSERT_TRUE(window->close());
    window.reset();  // returns only once the computation has stopped
}

}  // namespace
}  // namespace orvane::test
