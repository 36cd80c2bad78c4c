// orvane-analysis: what the machine returns, and the best hold of a hand.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ProgressBar.h"
#include "analysis/CardText.h"
#include "analysis/ClassicGames.h"
#include "analysis/DoubleUpOdds.h"
#include "analysis/HoldValues.h"
#include "analysis/OrvaneReturn.h"
#include "analysis/SecondDrawAccuracy.h"
#include "analysis/SecondDrawReturn.h"
#include "analysis/Simulator.h"

using namespace orvane;
using namespace orvane::analysis;
using namespace orvane::analysis::cli;

namespace {

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string Number(double v, int digits = 10) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

// Columns padded to their widest cell; numbers right-aligned.
void PrintTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> width;
    for (const auto& row : rows) {
        width.resize(std::max(width.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            width[i] = std::max(width[i], row[i].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(width[i] - row[i].size(), ' ');
            line += i == 0 ? row[i] + pad : "  " + pad + row[i];
        }
        std::cout << line << '\n';
    }
}

std::string GameName(Game g) {
    switch (g) {
        case Game::JacksOrBetter96:
            return "jacks-or-better-9-6";
        case Game::JokerPokerKings:
            return "joker-poker-kings";
        case Game::Orvane:
            break;
    }
    return "orvane";
}

ClassicGame ClassicFor(Game g) {
    return g == Game::JacksOrBetter96 ? JacksOrBetter96() : JokerPokerKings();
}

int ClassicReturn(const Arguments& a) {
    const ClassicGame game = ClassicFor(a.Which);
    const DrawTables tables(game.Classes);
    ProgressBar bar;
    const GameCounts counts = SingleDrawReturn(tables, game.Pays, std::ref(bar));
    bar.Finish();
    const double ret = counts.Return(game.Pays);
    if (a.Json) {
        std::ostringstream o;
        o << "{\"game\":" << JsonString(GameName(a.Which)) << ",\"strategy\":\"optimal\""
          << ",\"return\":" << Number(ret, 12) << ",\"counts\":{";
        for (std::size_t i = 0; i < counts.Counts.size(); ++i) {
            o << (i ? "," : "") << JsonString(game.Classes.Names[i]) << ":" << counts.Counts[i];
        }
        o << "},\"total\":" << counts.Total << "}";
        std::cout << o.str() << '\n';
        return 0;
    }
    std::vector<std::vector<std::string>> rows = {
        {"Hand", "Pays", "Count", "Probability", "Return"}};
    for (std::size_t i = counts.Counts.size(); i-- > 0;) {
        const double p = static_cast<double>(counts.Counts[i]) / static_cast<double>(counts.Total);
        rows.push_back({game.Classes.Names[i], std::to_string(game.Pays[i]),
                        std::to_string(counts.Counts[i]), Number(p, 8),
                        Number(p * static_cast<double>(game.Pays[i]), 8)});
    }
    rows.push_back({"Total", "", std::to_string(counts.Total), "", Number(ret, 8)});
    PrintTable(rows);
    return 0;
}

const char* LineName(int line) {
    static const char* const names[] = {
        "NOTHING", "FIVE OF A KIND", "ROYAL FLUSH",     "STRAIGHT FLUSH", "POKER",     "FULL HOUSE",
        "FLUSH",   "STRAIGHT",       "THREE OF A KIND", "TWO PAIRS",      "HIGH PAIR", "ORVANE 3X"};
    return names[line];
}

SecondDrawOptions BestPlayOptions(const Arguments& a, OrvaneTables& tables) {
    SecondDrawOptions options;
    options.Meter = a.Meter;
    options.HoldsCountOnOption = !a.SecondDrawAfterDrawOnly;
    if (a.Meter && !a.MeterBlind) {
        // The meter's worth in each state, from the meter-aware single-draw game.
        ProgressBar solving;
        OrvaneOptions single;
        options.Terms = OrvaneReturn(tables, single, std::ref(solving)).StateTerms;
        solving.Finish();
        // Then policy iteration with the option, until it settles; the single-draw holds
        // keep the single-draw game's prices, as the simulator plays them.
        options.PricingPasses = a.SecondDrawAfterDrawOnly ? 1 : 6;
    }
    return options;
}

int AccuracyCommand(const Arguments& a) {
    OrvaneTables tables;
    AccuracyOptions accuracy;
    accuracy.Play = BestPlayOptions(a, tables);
    accuracy.Deals = a.Deals;
    accuracy.Seed = a.Seed;
    ProgressBar bar;
    const SecondDrawFigures f = OrvaneReturnWithSecondDraw(tables, accuracy.Play, std::ref(bar));
    bar.Finish();
    if (!accuracy.Play.Terms.empty()) {
        accuracy.Play.Terms = f.Terms;  // the prices of the strategy the figure is of
    }
    ProgressBar sampling;
    const AccuracyFigures m = MeasureSecondDrawAccuracy(tables, accuracy, std::ref(sampling));
    sampling.Finish();
    if (a.Json) {
        std::cout << "{\"game\":\"orvane\",\"meter\":" << (a.Meter ? "true" : "false")
                  << ",\"meter_priced\":" << (accuracy.Play.Terms.empty() ? "false" : "true")
                  << ",\"return\":" << Number(f.Return, 12) << ",\"gap\":" << Number(m.Gap, 12)
                  << ",\"gap_error\":" << Number(m.GapError, 12)
                  << ",\"sampled_return\":" << Number(m.ApproximateReturn, 12)
                  << ",\"sampled_exact_return\":" << Number(m.ExactReturn, 12)
                  << ",\"net_gap\":" << Number(m.ExactNet - m.ApproximateNet, 12)
                  << ",\"deals\":" << m.Deals << ",\"seed\":" << a.Seed << "}\n";
        return 0;
    }
    std::cout << "return, thrown-away cards live   " << Number(f.Return, 8) << '\n'
              << "exact second draws add           " << Number(m.Gap, 6) << " +/- "
              << Number(m.GapError, 6) << " (1 s.e.)\n"
              << "so the play returns about        " << Number(f.Return + m.Gap, 6) << '\n'
              << "net per round, exact less live   " << Number(m.ExactNet - m.ApproximateNet, 6)
              << '\n'
              << "sampled deals                    " << m.Deals << " (seed " << a.Seed << ")\n";
    return 0;
}

int SecondDrawReturnCommand(const Arguments& a) {
    OrvaneTables tables;
    const SecondDrawOptions options = BestPlayOptions(a, tables);
    ProgressBar bar;
    const SecondDrawFigures f = OrvaneReturnWithSecondDraw(tables, options, std::ref(bar));
    bar.Finish();
    const char* holds = a.SecondDrawAfterDrawOnly ? "single-draw" : "with the option";
    if (a.Json) {
        std::ostringstream o;
        o << "{\"game\":\"orvane\",\"strategy\":\"optimal\",\"second_draw\":true"
          << ",\"holds\":" << JsonString(holds) << ",\"meter\":" << (a.Meter ? "true" : "false")
          << ",\"meter_priced\":" << (options.Terms.empty() ? "false" : "true")
          << ",\"return\":" << Number(f.Return, 12)
          << ",\"net_per_round\":" << Number(f.NetPerRound, 12)
          << ",\"charged_per_round\":" << Number(f.ChargedPerRound, 12)
          << ",\"meter_share\":" << Number(f.MeterShare, 12)
          << ",\"second_draws_per_round\":" << Number(f.SecondDrawsPerRound, 12)
          << ",\"passes\":" << f.Passes << "}";
        std::cout << o.str() << '\n';
        return 0;
    }
    std::cout << "return (paid / charged)  " << Number(f.Return, 8) << '\n'
              << "net per round (x bet)    " << Number(f.NetPerRound, 8) << '\n'
              << "charged per round (x bet)" << ' ' << Number(f.ChargedPerRound, 8) << '\n'
              << "meter share of paid      " << Number(f.MeterShare, 8) << '\n'
              << "second draws per round   " << Number(f.SecondDrawsPerRound, 8) << '\n'
              << "strategy passes          " << f.Passes << " (last change in net "
              << Number(f.LastGainChange, 12) << ")\n"
              << "holds after the deal     " << holds << '\n'
              << "choices price           "
              << (options.Terms.empty() ? "the pay lines only"
                                        : "the meter, by the chain of the strategy before")
              << "\n(in the second draw the cards the first draw threw away count as live)\n";
    return 0;
}

int OrvaneReturnCommand(const Arguments& a) {
    if (a.SecondDraw) {
        return SecondDrawReturnCommand(a);
    }
    OrvaneTables tables;
    OrvaneOptions options;
    options.Play = a.AutoStrategy ? Strategy::Auto : Strategy::Optimal;
    options.Meter = a.Meter;
    options.MeterAware = !a.MeterBlind;
    ProgressBar bar;
    const OrvaneFigures f = OrvaneReturn(tables, options, std::ref(bar));
    bar.Finish();
    if (a.Json) {
        std::ostringstream o;
        o << "{\"game\":\"orvane\",\"strategy\":" << JsonString(a.AutoStrategy ? "auto" : "optimal")
          << ",\"meter\":" << (a.Meter ? "true" : "false") << ",\"return\":" << Number(f.Return, 12)
          << ",\"net_per_round\":" << Number(f.NetPerRound, 12)
          << ",\"charged_per_round\":" << Number(f.ChargedPerRound, 12)
          << ",\"variance\":" << Number(f.Variance, 6)
          << ",\"meter_share\":" << Number(f.MeterShare, 12)
          << ",\"double_up_counting_multiple\":" << Number(BestDoubleUpMultiple(), 12)
          << ",\"probabilities\":{";
        for (int line = 0; line <= PrizeLines; ++line) {
            o << (line ? "," : "") << JsonString(LineName(line)) << ":"
              << Number(f.LineProbability[static_cast<std::size_t>(line)], 15);
        }
        o << "}";
        if (!f.Counts.empty()) {
            o << ",\"counts\":{";
            for (int line = 0; line <= PrizeLines; ++line) {
                o << (line ? "," : "") << JsonString(LineName(line)) << ":"
                  << f.Counts[static_cast<std::size_t>(line)];
            }
            o << "},\"total\":" << f.Total;
        }
        o << "}";
        std::cout << o.str() << '\n';
        return 0;
    }
    std::vector<std::vector<std::string>> rows = {{"Line", "Pays", "Probability", "Return"}};
    for (int line = 1; line <= PrizeLines; ++line) {
        const auto l = static_cast<std::size_t>(line);
        const double p = f.LineProbability[l];
        rows.push_back({LineName(line), std::to_string(options.Pays[l]), Number(p, 10),
                        Number(p * options.Pays[l] / f.ChargedPerRound, 8)});
        if (!f.Counts.empty()) {
            rows.back().push_back(std::to_string(f.Counts[l]));
        }
    }
    rows.push_back({LineName(0), "0", Number(f.LineProbability[0], 10), ""});
    PrintTable(rows);
    std::cout << "\nreturn (paid / charged)  " << Number(f.Return, 8) << '\n'
              << "net per round (x bet)    " << Number(f.NetPerRound, 8) << '\n'
              << "charged per round (x bet)" << ' ' << Number(f.ChargedPerRound, 8) << '\n'
              << "variance per round       " << Number(f.Variance, 4) << '\n'
              << "meter share of paid      " << Number(f.MeterShare, 8) << '\n'
              << "strategy passes          " << f.Passes << " (last change in net "
              << Number(f.LastGainChange, 12) << ")\n"
              << "double-up, counted calls x" << Number(BestDoubleUpMultiple(), 8)
              << " of every win (blind calls: x1)\n";
    if (!f.Counts.empty()) {
        std::cout << "counts out of            " << f.Total << '\n';
    }
    return 0;
}

std::string HoldText(const FiveCards& hand, HoldBits hold) {
    std::string s;
    for (std::size_t i = 0; i < 5; ++i) {
        if ((hold >> i & 1U) != 0) {
            s += (s.empty() ? "" : " ") + CardName(hand[i]);
        }
    }
    return s.empty() ? "-" : s;
}

int HoldsCommand(const Arguments& a) {
    FiveCards hand{};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto card = ParseCard(a.Cards[i]);
        const int deck = a.Which == Game::JacksOrBetter96 ? 52 : 53;
        if (!card || *card >= deck) {
            std::cerr << "not a card of this game: " << a.Cards[i] << '\n';
            return 2;
        }
        hand[i] = *card;
    }
    std::vector<double> worth;
    std::unique_ptr<DrawTables> own;
    OrvaneTables orvaneTables;
    const DrawTables* tables = nullptr;
    bool classic = a.Which != Game::Orvane;
    if (classic) {
        const ClassicGame game = ClassicFor(a.Which);
        own = std::make_unique<DrawTables>(game.Classes);
        tables = own.get();
        worth.assign(game.Pays.begin(), game.Pays.end());
    } else {
        MeterTerms terms;
        if (a.Meter) {
            OrvaneOptions options;
            ProgressBar bar;
            const OrvaneFigures f = OrvaneReturn(orvaneTables, options, std::ref(bar));
            bar.Finish();
            terms =
                f.StateTerms[static_cast<std::size_t>((a.Rank - 7) * Countdowns + a.Countdown - 1)];
        }
        tables = &orvaneTables.ForRank(a.Rank);
        worth = ClassWorth(DefaultMultipliers, terms);
    }
    // A standard game is a single draw: keeping nothing draws five cards. The second draw
    // belongs to this game only; valuing it goes through every draw.
    const HandValues v = classic        ? ValueSingleDrawHolds(*tables, hand, worth)
                         : a.SecondDraw ? ValueHoldsWithSecondDraw(*tables, hand, worth)
                                        : ValueHolds(*tables, hand, worth);
    const std::vector<HoldValue> ranked = v.Ranked();
    if (a.Json) {
        std::ostringstream o;
        o << "{\"game\":" << JsonString(GameName(a.Which)) << ",\"holds\":[";
        for (std::size_t i = 0; i < ranked.size(); ++i) {
            o << (i ? "," : "") << "{\"hold\":" << JsonString(HoldText(hand, ranked[i].Hold))
              << ",\"value\":" << Number(ranked[i].Value, 12)
              << ",\"draw_cost\":" << Number(ranked[i].DrawCost, 1) << "}";
        }
        o << "]}";
        std::cout << o.str() << '\n';
        return 0;
    }
    std::vector<std::vector<std::string>> rows = {{"Hold", "Value", "Draw cost"}};
    for (const HoldValue& h : ranked) {
        rows.push_back({HoldText(hand, h.Hold), Number(h.Value, 6), Number(h.DrawCost, 0)});
    }
    PrintTable(rows);
    return 0;
}

int SimulateCommand(const Arguments& a) {
    SimulationOptions options;
    options.Play = a.AutoStrategy ? Strategy::Auto : Strategy::Optimal;
    options.Seed = a.Seed;
    options.SecondDraw = a.SecondDraw;
    options.MeterPays = a.Meter;
    OrvaneTables tables;
    if (!a.AutoStrategy && a.MeterAware) {
        // Price the meter's steps by solving the whole game first.
        ProgressBar solving;
        options.Terms = OrvaneReturn(tables, OrvaneOptions{}, std::ref(solving)).StateTerms;
        solving.Finish();
    }
    ProgressBar bar;
    const auto start = std::chrono::steady_clock::now();
    const SimulationTotals t = SimulateOnTwoCores(
        a.Rounds, options, a.AutoStrategy ? nullptr : &tables, [&](std::int64_t done) {
            bar(static_cast<std::size_t>(done), static_cast<std::size_t>(a.Rounds - a.Rounds / 2));
        });
    bar.Finish();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (a.Json) {
        std::ostringstream o;
        o << "{\"game\":\"orvane\",\"strategy\":" << JsonString(a.AutoStrategy ? "auto" : "optimal")
          << ",\"rounds\":" << t.Rounds << ",\"seed\":" << a.Seed
          << ",\"return\":" << Number(t.Return(), 12)
          << ",\"return_error\":" << Number(t.ReturnError(), 12) << ",\"charged\":" << t.Charged
          << ",\"paid\":" << t.Paid << ",\"second_draws\":" << t.SecondDraws
          << ",\"jackpot_paid\":" << t.JackpotPaid << ",\"counts\":{";
        for (int line = 0; line <= PrizeLines; ++line) {
            o << (line ? "," : "") << JsonString(LineName(line)) << ":"
              << t.Lines[static_cast<std::size_t>(line)];
        }
        o << "},\"total\":" << t.Rounds << ",\"seconds\":" << Number(seconds, 3) << "}";
        std::cout << o.str() << '\n';
        return 0;
    }
    std::vector<std::vector<std::string>> rows = {{"Line", "Rounds", "Share"}};
    for (int line = 1; line <= PrizeLines; ++line) {
        const auto n = t.Lines[static_cast<std::size_t>(line)];
        rows.push_back({LineName(line), std::to_string(n),
                        Number(static_cast<double>(n) / static_cast<double>(t.Rounds), 8)});
    }
    rows.push_back({LineName(0), std::to_string(t.Lines[0]),
                    Number(static_cast<double>(t.Lines[0]) / static_cast<double>(t.Rounds), 8)});
    PrintTable(rows);
    std::cout << "\nrounds                   " << t.Rounds << '\n'
              << "return (paid / charged)  " << Number(t.Return(), 6) << " +/- "
              << Number(t.ReturnError(), 6) << " (1 s.e.)\n"
              << "second draws             " << t.SecondDraws << '\n'
              << "meter share of paid      "
              << Number(static_cast<double>(t.JackpotPaid) / static_cast<double>(t.Paid), 6) << '\n'
              << "rounds per second        " << Number(static_cast<double>(t.Rounds) / seconds, 0)
              << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const Parsed parsed = ParseArguments(args);
    if (!parsed.Args) {
        std::cerr << parsed.Error << '\n' << Usage;
        return 2;
    }
    const Arguments& a = *parsed.Args;
    try {
        switch (a.What) {
            case Command::Return:
                return a.Which == Game::Orvane ? OrvaneReturnCommand(a) : ClassicReturn(a);
            case Command::Holds:
                return HoldsCommand(a);
            case Command::Simulate:
                return SimulateCommand(a);
            case Command::Accuracy:
                return AccuracyCommand(a);
            case Command::Help:
                std::cout << Usage;
                return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "orvane-analysis: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
