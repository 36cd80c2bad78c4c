#include "SnapshotCodec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <map>
#include <type_traits>

#include "DoubleUp.h"
#include "DrawStage.h"
#include "GameHistory.h"
#include "RoundRules.h"

namespace orvane {

namespace {

constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t MaxBetIndex = BetLadderSize - 1;

template <typename E>
constexpr std::int64_t Underlying(E value) {
    return static_cast<std::underlying_type_t<E>>(value);
}

// Stages are stored by number, 0 for none in flight; stars count the stages shown.
constexpr std::int64_t LastStage = Underlying(DrawStage::Last);

std::string Num(int n) {
    return std::to_string(n);
}

bool IsRank(std::int32_t rank) {
    return (rank >= 0 && rank <= 13) || rank == JokerRank;
}

class Writer {
  public:
    template <typename T>
    void Add(const std::string& name, T value) {
        if constexpr (std::is_enum_v<T>) {
            records.emplace_back(name,
                                 std::to_string(static_cast<std::underlying_type_t<T>>(value)));
        } else if constexpr (std::is_same_v<T, bool>) {
            records.emplace_back(name, value ? "1" : "0");
        } else {
            records.emplace_back(name, std::to_string(value));
        }
    }
    SnapshotRecords records;
};

class Reader {
  public:
    explicit Reader(const SnapshotRecords& records) {
        for (const auto& [name, text] : records) {
            if (!values_.emplace(name, text).second) {
                Fail("the value " + name + " appears twice");
            }
        }
    }

    bool Ok() const { return reason_.empty(); }
    const std::string& Reason() const { return reason_; }

    void Check(bool condition, const std::string& reason) {
        if (!condition) {
            Fail(reason);
        }
    }

    // An integer field (or an enumeration over one) within lo..hi and its own type.
    template <typename T>
    void Read(const std::string& name, T& field, std::int64_t lo, std::int64_t hi) {
        if constexpr (std::is_enum_v<T>) {
            std::underlying_type_t<T> raw{};
            Read(name, raw, lo, hi);
            field = static_cast<T>(raw);
        } else {
            static_assert(std::is_integral_v<T> && std::is_signed_v<T>);
            using Limits = std::numeric_limits<T>;
            std::int64_t value = 0;
            if (!Number(name, value)) {
                return;
            }
            const std::int64_t low = std::max<std::int64_t>(lo, Limits::min());
            const std::int64_t high = std::min<std::int64_t>(hi, Limits::max());
            if (value < low || value > high) {
                Fail("the value " + name + " is out of range");
                return;
            }
            field = static_cast<T>(value);
        }
    }

    // An enumeration within the range it declares itself (its First and Last), so a value
    // added to it is read back as soon as the table can write it.
    template <typename E>
    void Enum(const std::string& name, E& field) {
        static_assert(std::is_enum_v<E>);
        Read(name, field, Underlying(E::First), Underlying(E::Last));
    }

    void Flag(const std::string& name, bool& field) {
        std::int32_t value = 0;
        Read(name, value, 0, 1);
        field = value == 1;
    }

    void Unsigned(const std::string& name, std::uint64_t& field) {
        const std::string* text = Find(name);
        if (text == nullptr) {
            return;
        }
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, field);
        if (text->empty() || ec != std::errc() || ptr != end) {
            Fail("the value " + name + " is not a number");
        }
    }

  private:
    const std::string* Find(const std::string& name) {
        const auto it = values_.find(name);
        if (it == values_.end()) {
            Fail("the value " + name + " is missing");
            return nullptr;
        }
        return &it->second;
    }

    bool Number(const std::string& name, std::int64_t& value) {
        const std::string* text = Find(name);
        if (text == nullptr) {
            return false;
        }
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, value);
        if (text->empty() || ec != std::errc() || ptr != end) {
            Fail("the value " + name + " is not a number");
            return false;
        }
        return true;
    }

    void Fail(const std::string& reason) {
        if (reason_.empty()) {
            reason_ = reason;
        }
    }

    std::map<std::string, std::string> values_;
    std::string reason_;
};

// ---- the parts, written and read in the same order ---------------------------------

void WriteTable(Writer& w, const TableState& t) {
    w.Add("Credit", t.Credit);
    w.Add("BetIndex", t.BetIndex);
    w.Add("BetIndexAtDeal", t.BetIndexAtDeal);
    for (int slot = 1; slot <= 15; ++slot) {
        w.Add("Deal" + Num(slot), t.DealBuffer[static_cast<std::size_t>(slot)]);
    }
    w.Add("RoundState", t.RoundState);
    w.Add("StageInFlight", StageNumber(t.StageInFlight));
    w.Add("LastPrize", t.LastPrize);
    w.Add("WinRank", t.WinRank);
    w.Add("SecondRank", t.SecondRank);
    w.Add("MeterStepFlag", t.MeterStepFlag);
    w.Add("JackpotFlag", t.JackpotFlag);
    w.Add("OrvaneNumber", t.OrvaneNumber);
    w.Add("Win", t.Win);
    w.Add("Continued", t.Continued);
    w.Add("PrizeStatCounted", t.PrizeStatCounted);
    w.Add("RunPrizeStatCounted", t.RunPrizeStatCounted);
    for (int slot = 1; slot <= 5; ++slot) {
        const Card& card = t.HandCard(slot);
        const std::string name = "Hand" + Num(slot);
        w.Add(name, card.Value);
        w.Add(name + "Suit", card.Suit);
        w.Add(name + "Held", card.Held);
        w.Add(name + "Back", card.ShowBack);
    }
}

void ReadTable(Reader& r, TableState& t) {
    r.Read("Credit", t.Credit, 0, Max32);
    r.Read("BetIndex", t.BetIndex, 0, MaxBetIndex);
    r.Read("BetIndexAtDeal", t.BetIndexAtDeal, 0, MaxBetIndex);
    for (int slot = 1; slot <= 15; ++slot) {
        r.Read("Deal" + Num(slot), t.DealBuffer[static_cast<std::size_t>(slot)], 0, JokerValue);
    }
    r.Enum("RoundState", t.RoundState);
    std::int32_t stageInFlight = 0;  // 0: none
    r.Read("StageInFlight", stageInFlight, 0, LastStage);
    if (stageInFlight != 0) {
        t.StageInFlight = static_cast<DrawStage>(stageInFlight);
    }
    r.Read("LastPrize", t.LastPrize, NoPrize, PrizeLines);
    r.Read("WinRank", t.WinRank, 0, JokerRank);
    r.Read("SecondRank", t.SecondRank, 0, JokerRank);
    r.Flag("MeterStepFlag", t.MeterStepFlag);
    r.Flag("JackpotFlag", t.JackpotFlag);
    r.Read("OrvaneNumber", t.OrvaneNumber, FirstOrvaneNumber, LastOrvaneNumber);
    r.Read("Win", t.Win, 0, Max32);
    r.Flag("Continued", t.Continued);
    r.Flag("PrizeStatCounted", t.PrizeStatCounted);
    r.Flag("RunPrizeStatCounted", t.RunPrizeStatCounted);
    for (int slot = 1; slot <= 5; ++slot) {
        Card& card = t.HandCard(slot);
        const std::string name = "Hand" + Num(slot);
        CardValue value = 1;
        Suit suit = Suit::Clubs;
        r.Read(name, value, 1, JokerValue);
        r.Enum(name + "Suit", suit);
        card.SetCardValue(value);
        r.Check(value == JokerValue || card.Suit == suit,
                "the suit of hand card " + Num(slot) + " does not match its card");
        card.Suit = suit;  // the joker's suit is the one the evaluator gave it
        r.Flag(name + "Held", card.Held);
        r.Flag(name + "Back", card.ShowBack);
    }
    r.Check(IsRank(t.WinRank) && IsRank(t.SecondRank), "a rank of the hand is not a rank");
}

void WriteView(Writer& w, const TableView& v) {
    for (int slot = 1; slot <= 5; ++slot) {
        w.Add("HoldMark" + Num(slot), v.HoldMarks[static_cast<std::size_t>(slot)]);
    }
    w.Add("Stars", v.Stars);
    w.Add("ButtonLayout", v.Layout);
    w.Add("Banner", v.Banner);
    w.Add("BannerBlinks", v.BannerBlinks);
    w.Add("IndicatorBlinks", v.IndicatorBlinks);
    w.Add("DoubleUpPanel", v.DoubleUpPanel);
    w.Add("CaptionRank", v.CaptionRank);
}

void ReadView(Reader& r, TableView& v) {
    for (int slot = 1; slot <= 5; ++slot) {
        r.Flag("HoldMark" + Num(slot), v.HoldMarks[static_cast<std::size_t>(slot)]);
    }
    r.Read("Stars", v.Stars, 0, LastStage);
    r.Enum("ButtonLayout", v.Layout);
    r.Enum("Banner", v.Banner);
    r.Flag("BannerBlinks", v.BannerBlinks);
    r.Flag("IndicatorBlinks", v.IndicatorBlinks);
    r.Flag("DoubleUpPanel", v.DoubleUpPanel);
    r.Read("CaptionRank", v.CaptionRank, FirstOrvaneNumber, LastOrvaneNumber);
}

void WriteDoubleUp(Writer& w, const DoubleUpState& d) {
    w.Add("DupOpen", d.Open);
    w.Add("DupGambled", d.Gambled);
    w.Add("DupStep", d.Step);
    w.Add("DupLastCardTurned", d.LastCardTurned);
    for (int i = 1; i <= DoubleUp::CardCount; ++i) {
        const Card& card = d.Cards[static_cast<std::size_t>(i)];
        w.Add("DupCard" + Num(i), card.Value);
        w.Add("DupCard" + Num(i) + "Back", card.ShowBack);
    }
}

void ReadDoubleUp(Reader& r, DoubleUpState& d) {
    r.Flag("DupOpen", d.Open);
    r.Flag("DupGambled", d.Gambled);
    r.Read("DupStep", d.Step, 1, DoubleUp::CardCount);
    r.Flag("DupLastCardTurned", d.LastCardTurned);
    for (int i = 1; i <= DoubleUp::CardCount; ++i) {
        Card& card = d.Cards[static_cast<std::size_t>(i)];
        CardValue value = 1;
        r.Read("DupCard" + Num(i), value, 1, JokerValue - 1);
        r.Check(!IsSeven(value), "double-up card " + Num(i) + " is a seven");
        card.SetCardValue(value);
        r.Flag("DupCard" + Num(i) + "Back", card.ShowBack);
    }
}

void WriteMeter(Writer& w, const BonusMeterState& m) {
    for (int bet = 1; bet < BetLadderSize; ++bet) {
        w.Add("Meter" + Num(bet), m.Countdowns.State[static_cast<std::size_t>(bet)]);
    }
    w.Add("MeterSaved", m.SavedCountdown);
}

// A countdown stored above full is played as it stands, so only a negative one is wrong.
void ReadMeter(Reader& r, BonusMeterState& m) {
    for (int bet = 1; bet < BetLadderSize; ++bet) {
        r.Read("Meter" + Num(bet), m.Countdowns.State[static_cast<std::size_t>(bet)], 0, Max32);
    }
    m.Countdowns.State[0] = 0;
    r.Read("MeterSaved", m.SavedCountdown, 0, Max32);
}

void WriteCounters(Writer& w, const StoredStatistics& s, const CreditAuditCounters& a) {
    for (int line = 1; line <= PrizeLines; ++line) {
        w.Add("PrizeStat" + Num(line), s.PrizeStat[static_cast<std::size_t>(line)]);
    }
    w.Add("CreditIn", s.CreditIn);
    w.Add("CreditOut", s.CreditOut);
    w.Add("AuditAdded", a.Added);
    w.Add("AuditTakenOut", a.TakenOut);
    w.Add("AuditWon", a.Won);
    w.Add("AuditCharged", a.Charged);
}

void ReadCounters(Reader& r, StoredStatistics& s, CreditAuditCounters& a) {
    constexpr std::int64_t Any = std::numeric_limits<std::int64_t>::max();
    for (int line = 1; line <= PrizeLines; ++line) {
        r.Read("PrizeStat" + Num(line), s.PrizeStat[static_cast<std::size_t>(line)], 0, Any);
    }
    r.Read("CreditIn", s.CreditIn, 0, Any);
    r.Read("CreditOut", s.CreditOut, 0, Any);
    r.Read("AuditAdded", a.Added, 0, CreditAudit::Limit);
    r.Read("AuditTakenOut", a.TakenOut, 0, CreditAudit::Limit);
    r.Read("AuditWon", a.Won, 0, CreditAudit::Limit);
    r.Read("AuditCharged", a.Charged, 0, CreditAudit::Limit);
}

std::int32_t HeldMask(const std::array<bool, 5>& held) {
    std::int32_t mask = 0;
    for (std::size_t i = 0; i < held.size(); ++i) {
        mask |= held[i] ? (1 << i) : 0;
    }
    return mask;
}

void WriteGame(Writer& w, const std::string& p, const GameRecord& g) {
    w.Add(p + "Bet", g.Bet);
    w.Add(p + "CreditBefore", g.CreditBefore);
    w.Add(p + "CreditAfter", g.CreditAfter);
    for (std::size_t i = 0; i < 5; ++i) {
        w.Add(p + "Dealt" + Num(static_cast<int>(i + 1)), g.Dealt[i]);
    }
    w.Add(p + "Draws", static_cast<std::int32_t>(g.Draws.size()));
    for (std::size_t d = 0; d < g.Draws.size(); ++d) {
        const std::string dp = p + "Draw" + Num(static_cast<int>(d + 1));
        w.Add(dp + "Held", HeldMask(g.Draws[d].Held));
        for (std::size_t i = 0; i < 5; ++i) {
            w.Add(dp + "Card" + Num(static_cast<int>(i + 1)), g.Draws[d].Cards[i]);
        }
    }
    w.Add(p + "GivenUp", g.GivenUpPrize);
    w.Add(p + "Prize", g.Prize);
    w.Add(p + "Win", g.Win);
    w.Add(p + "Collected", g.Collected);
    w.Add(p + "Guesses", static_cast<std::int32_t>(g.Guesses.size()));
    for (std::size_t i = 0; i < g.Guesses.size(); ++i) {
        const std::string gp = p + "Guess" + Num(static_cast<int>(i + 1));
        w.Add(gp + "Choice", g.Guesses[i].ChoiceA ? 1 : 2);
        w.Add(gp + "Card", g.Guesses[i].Card);
        w.Add(gp + "Right", g.Guesses[i].Right);
    }
    w.Add(p + "End", g.End);
}

void ReadGame(Reader& r, const std::string& p, GameRecord& g) {
    r.Read(p + "Bet", g.Bet, 1, Max32);
    r.Read(p + "CreditBefore", g.CreditBefore, 0, Max32);
    r.Read(p + "CreditAfter", g.CreditAfter, 0, Max32);
    for (std::size_t i = 0; i < 5; ++i) {
        r.Read(p + "Dealt" + Num(static_cast<int>(i + 1)), g.Dealt[i], 1, JokerValue);
    }
    std::int32_t draws = 0;
    r.Read(p + "Draws", draws, 0, GameRecord::MaxDraws);
    for (int d = 1; r.Ok() && d <= draws; ++d) {
        GameDraw& draw = g.Draws.emplace_back();
        const std::string dp = p + "Draw" + Num(d);
        std::int32_t mask = 0;
        r.Read(dp + "Held", mask, 0, 31);
        for (std::size_t i = 0; i < 5; ++i) {
            draw.Held[i] = (mask & (1 << i)) != 0;
            r.Read(dp + "Card" + Num(static_cast<int>(i + 1)), draw.Cards[i], 1, JokerValue);
        }
    }
    r.Read(p + "GivenUp", g.GivenUpPrize, NoPrize, PrizeLines);
    r.Read(p + "Prize", g.Prize, NoPrize, PrizeLines);
    r.Read(p + "Win", g.Win, 0, Max32);
    r.Read(p + "Collected", g.Collected, 0, Max32);
    std::int32_t guesses = 0;
    r.Read(p + "Guesses", guesses, 0, GameRecord::MaxGuesses);
    for (int i = 1; r.Ok() && i <= guesses; ++i) {
        GameGuess& guess = g.Guesses.emplace_back();
        const std::string gp = p + "Guess" + Num(i);
        std::int32_t choice = 1;
        r.Read(gp + "Choice", choice, 1, 2);
        guess.ChoiceA = choice == 1;
        r.Read(gp + "Card", guess.Card, 1, JokerValue);
        r.Flag(gp + "Right", guess.Right);
    }
    r.Enum(p + "End", g.End);
}

void WriteHistory(Writer& w, const TableSnapshot& s) {
    w.Add("Games", static_cast<std::int32_t>(s.Games.size()));
    for (std::size_t i = 0; i < s.Games.size(); ++i) {
        WriteGame(w, "Game" + Num(static_cast<int>(i + 1)), s.Games[i]);
    }
    w.Add("GameNow", s.CurrentGame.has_value());
    if (s.CurrentGame) {
        WriteGame(w, "GameNow", *s.CurrentGame);
    }
}

void ReadHistory(Reader& r, TableSnapshot& s) {
    std::int32_t games = 0;
    r.Read("Games", games, 0, GameHistory::Capacity);
    for (int i = 1; r.Ok() && i <= games; ++i) {
        GameRecord& game = s.Games.emplace_back();
        ReadGame(r, "Game" + Num(i), game);
        r.Check(!r.Ok() || WellFormed(game, true), "earlier game " + Num(i) + " is not possible");
    }
    bool running = false;
    r.Flag("GameNow", running);
    if (r.Ok() && running) {
        ReadGame(r, "GameNow", s.CurrentGame.emplace());
        r.Check(!r.Ok() || WellFormed(*s.CurrentGame, false), "the running game is not possible");
    }
}

bool DistinctDeal(const TableState& t) {
    std::uint64_t seen = 0;
    for (int slot = 1; slot <= 15; ++slot) {
        const CardValue v = t.DealBuffer[static_cast<std::size_t>(slot)];
        if (v < 1 || (seen & (std::uint64_t{1} << v)) != 0) {
            return false;
        }
        seen |= std::uint64_t{1} << v;
    }
    return true;
}

// The round must be one the table can reach: the checks follow the table's own rules of
// which stage, offer and win go together.
void CheckRound(Reader& r, const TableSnapshot& s) {
    const TableState& t = s.Table;
    const DoubleUpState& d = s.DoubleUp;
    const std::optional<DrawStage> stage = t.StageInFlight;
    const bool idle = t.RoundState == RoundPhase::Idle;
    const bool dealt = t.RoundState == RoundPhase::Dealt;
    const bool won = WinPhase(t.RoundState);
    const auto playsFrom = [&](DrawStage inFlight) {
        // A second draw is played only after the first-draw win was given up.
        return stage != inFlight || (StagePlaysFrom(t.RoundState, inFlight) &&
                                     (inFlight != DrawStage::SecondDraw || t.Continued));
    };
    r.Check(playsFrom(DrawStage::Deal), "a deal is in flight in the middle of a round");
    r.Check(playsFrom(DrawStage::FirstDraw), "a first draw is in flight without a dealt hand");
    r.Check(playsFrom(DrawStage::SecondDraw),
            "a second draw is in flight without a first-draw win given up");
    r.Check(!d.Open || (won && !stage && !t.Continued), "a win is offered outside a won round");
    r.Check(t.RoundState != RoundPhase::FirstDrawWon || d.Open != t.Continued,
            "a first-draw win is neither offered nor given up");
    r.Check(t.RoundState != RoundPhase::SecondDrawWon || d.Open,
            "a second-draw win is not offered");
    r.Check(!won || t.LastPrize != NoPrize, "a won round has no prize");
    r.Check(t.Win == 0 || d.Open, "a win is held without an offer");
    r.Check(idle || t.BetIndexAtDeal >= 1, "a round runs without a bet");
    r.Check((Accepts(t.RoundState, TableEvent::Bet) && !stage) || t.BetIndex == t.BetIndexAtDeal,
            "the bet changed under a running stage or a win");
    r.Check(BetweenGames(t.RoundState, stage) ||
                std::all_of(t.DealBuffer.begin() + 1, t.DealBuffer.end(),
                            [](CardValue v) { return v >= 1; }),
            "a round runs without its cards");
    if ((dealt && stage != DrawStage::Deal) || stage == DrawStage::FirstDraw) {
        r.Check(DistinctDeal(t), "the dealt cards are not fifteen different cards");
        for (int slot = 1; slot <= 5; ++slot) {
            r.Check(t.HandCard(slot).Value == t.DealBuffer[static_cast<std::size_t>(slot)],
                    "hand card " + Num(slot) + " is not the card dealt");
        }
    }
    if (stage == DrawStage::Deal) {
        r.Check(DistinctDeal(t), "the dealt cards are not fifteen different cards");
    }
    r.Check(s.CurrentGame.has_value() == (!idle || stage == DrawStage::Deal),
            "the running game does not match the round");
}

}  // namespace

SnapshotRecords SnapshotCodec::Encode(const TableSnapshot& snapshot) {
    Writer w;
    w.Add("SnapshotVersion", Version);
    WriteTable(w, snapshot.Table);
    WriteView(w, snapshot.View);
    WriteDoubleUp(w, snapshot.DoubleUp);
    WriteMeter(w, snapshot.Meter);
    w.Add("RandomState", snapshot.RandomState);
    WriteCounters(w, snapshot.Stats, snapshot.Audit);
    WriteHistory(w, snapshot);
    return std::move(w.records);
}

SnapshotDecoding SnapshotCodec::Decode(const SnapshotRecords& records) {
    Reader r(records);
    TableSnapshot s;
    std::int32_t version = 0;
    r.Read("SnapshotVersion", version, Version, Version);
    ReadTable(r, s.Table);
    ReadView(r, s.View);
    ReadDoubleUp(r, s.DoubleUp);
    ReadMeter(r, s.Meter);
    r.Unsigned("RandomState", s.RandomState);
    ReadCounters(r, s.Stats, s.Audit);
    ReadHistory(r, s);
    if (r.Ok()) {
        CheckRound(r, s);
    }
    if (!r.Ok()) {
        return {std::nullopt, r.Reason()};
    }
    return {std::move(s), {}};
}

}  // namespace orvane
