// The figures kept between runs: read back as written, never trusted when damaged, and
// used by the next run instead of working the pay table out again.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "machine/AnalysisService.h"
#include "machine/PayFiguresFile.h"

namespace orvane::test {
namespace {

advisor::PayTableFigures Worked(const Multipliers& pays) {
    advisor::PayTableFigures f;
    f.Pays = pays;
    f.BestPlayReturn = 2.0933789412345678;
    f.BestPlayMeterShare = 0.30306224;
    f.BestPlaySecondDraws = 0.40237279;
    f.OptimalReturn = 1.6901017912345678;
    f.OptimalMeterShare = 0.29276712;
    f.AutoReturn = 1.53594565;
    f.AutoMeterShare = 0.20818056;
    for (int line = 0; line <= PrizeLines; ++line) {
        f.LineProbability.push_back(1.0 / (line + 3.0));
        f.AutoLineProbability.push_back(1.0 / (line + 7.0));
    }
    for (int state = 0; state < analysis::BonusRanks * analysis::Countdowns; ++state) {
        f.StateTerms.push_back({state * 0.25, 700.0 + state});
    }
    return f;
}

void ExpectSame(const advisor::PayTableFigures& a, const advisor::PayTableFigures& b) {
    EXPECT_EQ(a.Pays, b.Pays);
    EXPECT_EQ(a.BestPlayReturn, b.BestPlayReturn);
    EXPECT_EQ(a.BestPlayMeterShare, b.BestPlayMeterShare);
    EXPECT_EQ(a.BestPlaySecondDraws, b.BestPlaySecondDraws);
    EXPECT_EQ(a.OptimalReturn, b.OptimalReturn);
    EXPECT_EQ(a.OptimalMeterShare, b.OptimalMeterShare);
    EXPECT_EQ(a.AutoReturn, b.AutoReturn);
    EXPECT_EQ(a.AutoMeterShare, b.AutoMeterShare);
    EXPECT_EQ(a.LineProbability, b.LineProbability);
    EXPECT_EQ(a.AutoLineProbability, b.AutoLineProbability);
    ASSERT_EQ(a.StateTerms.size(), b.StateTerms.size());
    for (std::size_t i = 0; i < a.StateTerms.size(); ++i) {
        EXPECT_EQ(a.StateTerms[i].Step, b.StateTerms[i].Step);
        EXPECT_EQ(a.StateTerms[i].Jackpot, b.StateTerms[i].Jackpot);
    }
}

class PayFigures : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    PayFiguresFile file{folder.filePath(QStringLiteral("cache"))};

    QByteArray Stored(const Multipliers& pays) {
        QFile in(file.PathFor(pays));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll();
    }
    void Store(const Multipliers& pays, const QByteArray& bytes) {
        QFile out(file.PathFor(pays));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
};

TEST_F(PayFigures, WhatIsWrittenIsReadBackExactlyForItsOwnPayTableOnly) {
    Multipliers other = DefaultMultipliers;
    other[HighPair] = 1;
    EXPECT_FALSE(file.Read(DefaultMultipliers));  // nothing kept yet
    ASSERT_TRUE(file.Write(Worked(DefaultMultipliers)));
    const std::optional<advisor::PayTableFigures> read = file.Read(DefaultMultipliers);
    ASSERT_TRUE(read);
    ExpectSame(*read, Worked(DefaultMultipliers));
    EXPECT_FALSE(file.Read(other));
    EXPECT_NE(file.PathFor(other), file.PathFor(DefaultMultipliers));
}

TEST_F(PayFigures, ADamagedFileIsNeverTrusted) {
    ASSERT_TRUE(file.Write(Worked(DefaultMultipliers)));
    const QByteArray good = Stored(DefaultMultipliers);
    // One digit of the return changed.
    QByteArray changed = good;
    changed.replace("optimal 1.", "optimal 2.");
    ASSERT_NE(changed, good);
    Store(DefaultMultipliers, changed);
    EXPECT_FALSE(file.Read(DefaultMultipliers));
    // Cut short.
    Store(DefaultMultipliers, good.left(good.size() / 2));
    EXPECT_FALSE(file.Read(DefaultMultipliers));
    // Another pay table's file under this one's name, and plain rubbish.
    Multipliers other = DefaultMultipliers;
    other[Flush] = 8;
    ASSERT_TRUE(file.Write(Worked(other)));
    Store(DefaultMultipliers, Stored(other));
    EXPECT_FALSE(file.Read(DefaultMultipliers));
    Store(DefaultMultipliers, QByteArray(100, '\0'));
    EXPECT_FALSE(file.Read(DefaultMultipliers));
    // Whole again, it is read.
    Store(DefaultMultipliers, good);
    EXPECT_TRUE(file.Read(DefaultMultipliers));
}

TEST_F(PayFigures, TheNextRunTakesTheKeptFiguresInsteadOfWorkingThemOutAgain) {
    int worked = 0;
    auto job = [&worked](const Multipliers& pays, const std::atomic<bool>&,
                         const std::function<void(double)>&) {
        ++worked;
        return std::optional<advisor::PayTableFigures>(Worked(pays));
    };
    const QString cache = folder.filePath(QStringLiteral("runs"));
    {
        AnalysisService first(job, cache);
        first.RequestFigures(DefaultMultipliers);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return first.Figures(DefaultMultipliers) != nullptr; }, 30000));
    }
    AnalysisService second(job, cache);
    second.RequestFigures(DefaultMultipliers);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return second.Figures(DefaultMultipliers) != nullptr; }, 30000));
    ExpectSame(*second.Figures(DefaultMultipliers), Worked(DefaultMultipliers));
    EXPECT_EQ(worked, 1);
}

}  // namespace
}  // namespace orvane::test
