#include "MeterChain.h"

#include <cmath>
#include <stdexcept>

namespace orvane::analysis {

namespace {

// Dense Gaussian elimination with partial pivoting; the systems here have 41 unknowns.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) {
                pivot = r;
            }
        }
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        if (a[col][col] == 0.0) {
            throw std::runtime_error("meter chain has no unique solution");
        }
        for (std::size_t r = 0; r < n; ++r) {
            if (r != col) {
                const double f = a[r][col] / a[col][col];
                for (std::size_t k = col; k < n; ++k) {
                    a[r][k] -= f * a[col][k];
                }
                b[r] -= f * b[col];
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        b[i] /= a[i][i];
    }
    return b;
}

// What the meter chain needs of one state's play, per round.
struct StateSums {
    double LinePaid = 0;
    double Charged = 0;
    double Step = 0;
    double Jackpot = 0;
    double SecondMoment = 0;  // of paid - charged, jackpots included
};
using ChainInputs = std::array<std::array<StateSums, Countdowns>, BonusRanks>;

ChainSolution SolveChain(const ChainInputs& in) {
    constexpr std::size_t N = BonusRanks * Countdowns;
    auto index = [](std::size_t r, std::size_t c) { return r * Countdowns + c; };
    std::vector<std::vector<double>> p(N, std::vector<double>(N, 0.0));
    std::vector<double> reward(N, 0.0);
    std::vector<double> paid(N, 0.0);
    std::vector<double> jackpotPaid(N, 0.0);
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StateSums& s = in[r][c];
            const std::size_t from = index(r, c);
            const bool last = c == 0;  // countdown 1: a step empties the meter
            const double empties = s.Jackpot + (last ? s.Step : 0.0);
            p[from][index((r + 1) % BonusRanks, Countdowns - 1)] += empties;
            if (!last) {
                p[from][index(r, c - 1)] += s.Step;
            }
            p[from][from] += 1.0 - empties - (last ? 0.0 : s.Step);
            jackpotPaid[from] = empties * jackpot;
            paid[from] = s.LinePaid + jackpotPaid[from];
            reward[from] = paid[from] - s.Charged;
        }
    }
    // Long-run shares: pi P = pi, sum pi = 1 (one balance equation replaced).
    std::vector<std::vector<double>> a(N, std::vector<double>(N, 0.0));
    std::vector<double> b(N, 0.0);
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            a[i][j] = p[j][i] - (i == j ? 1.0 : 0.0);
        }
    }
    a[N - 1].assign(N, 1.0);
    b[N - 1] = 1.0;
    ChainSolution out;
    out.Share = Solve(a, b);
    double gain = 0;
    for (std::size_t i = 0; i < N; ++i) {
        out.Paid += out.Share[i] * paid[i];
        out.JackpotPaid += out.Share[i] * jackpotPaid[i];
        out.Charged += out.Share[i] * in[i / Countdowns][i % Countdowns].Charged;
        out.SecondMoment += out.Share[i] * in[i / Countdowns][i % Countdowns].SecondMoment;
        gain += out.Share[i] * reward[i];
    }
    // Relative values: h(s) + g = reward(s) + sum P h, with h of the first state 0.
    std::vector<std::vector<double>> h(N, std::vector<double>(N, 0.0));
    std::vector<double> rhs(N, 0.0);
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            h[i][j] = (i == j ? 1.0 : 0.0) - p[i][j];
        }
        rhs[i] = reward[i] - gain;
    }
    h[0].assign(N, 0.0);
    h[0][0] = 1.0;
    rhs[0] = 0.0;
    out.Bias = Solve(h, rhs);
    return out;
}

}  // namespace

std::array<std::array<MeterTerms, Countdowns>, BonusRanks> TermsFromChain(
    const ChainSolution& chain) {
    std::array<std::array<MeterTerms, Countdowns>, BonusRanks> terms{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        const double refilled = chain.Bias[((r + 1) % BonusRanks) * Countdowns + 9];
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const double here = chain.Bias[r * Countdowns + c];
            const double emptied = jackpot + refilled - here;
            terms[r][c].Jackpot = emptied;
            terms[r][c].Step = c == 0 ? emptied : chain.Bias[r * Countdowns + c - 1] - here;
        }
    }
    return terms;
}

bool AllNotNegative(const std::array<std::array<MeterTerms, Countdowns>, BonusRanks>& terms) {
    for (const auto& rankTerms : terms) {
        for (const MeterTerms& t : rankTerms) {
            if (t.Step < 0 || t.Jackpot < 0) {
                return false;
            }
        }
    }
    return true;
}

ChainSolution SolveMeterChain(
    const std::array<std::array<StateFigures, Countdowns>, BonusRanks>& states,
    const Multipliers& pays) {
    ChainInputs in{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        const double jackpot = 100.0 * static_cast<double>(FirstOrvaneNumber + static_cast<int>(r));
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StateFigures& s = states[r][c];
            StateSums& sums = in[r][c];
            sums.Charged = s.Charged;
            sums.Step = s.StepProbability;
            sums.Jackpot = s.JackpotProbability;
            const bool last = c == 0;
            for (int cls = 0; cls < OrvaneClassCount; ++cls) {
                const auto j = static_cast<std::size_t>(cls);
                const PrizeIndex prize = PrizeOfClass(cls);
                const double pay = prize == NoPrize ? 0.0 : pays[static_cast<std::size_t>(prize)];
                const MeterEffect e = MeterEffectOfClass(cls);
                const bool wins = e == MeterEffect::Jackpot || (last && e == MeterEffect::Step);
                const double total = pay + (wins ? jackpot : 0.0);
                const double drawn = s.DrawnClassProbability[j];
                const double stood = s.ClassProbability[j] - drawn;
                sums.LinePaid += s.ClassProbability[j] * pay;
                sums.SecondMoment +=
                    stood * (total - 1.0) * (total - 1.0) + drawn * (total - 2.0) * (total - 2.0);
            }
        }
    }
    return SolveChain(in);
}

std::vector<MeterTerms> MeterTermsOfChain(const ChainSolution& chain) {
    std::vector<MeterTerms> flat;
    for (const auto& rankTerms : TermsFromChain(chain)) {
        flat.insert(flat.end(), rankTerms.begin(), rankTerms.end());
    }
    return flat;
}

ChainSolution SolveMeterChain(
    const std::array<std::array<StatePlay, Countdowns>, BonusRanks>& play) {
    ChainInputs in{};
    for (std::size_t r = 0; r < BonusRanks; ++r) {
        for (std::size_t c = 0; c < Countdowns; ++c) {
            const StatePlay& p = play[r][c];
            in[r][c] = {p.LinePaid, p.Charged, p.StepProbability, p.JackpotProbability, 0.0};
        }
    }
    return SolveChain(in);
}

}  // namespace orvane::analysis
