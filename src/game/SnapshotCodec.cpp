#include "SnapshotCodec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>

#include "DrawStage.h"
#include "RoundRules.h"
#include "SnapshotSchema.h"

namespace orvane {

namespace {

std::string Num(int n) {
    return std::to_string(n);
}

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

    // The field's value, where the values before it say it is stored at all.
    void Read(const SnapshotField& field, TableSnapshot& s) {
        if (!field.IsPresentIn(s)) {
            return;
        }
        const auto it = values_.find(field.Key);
        if (it == values_.end()) {
            Fail("the value " + field.Key + " is missing");
            return;
        }
        const std::string reason = SnapshotCodec::ReadValue(field, it->second, s);
        if (!reason.empty()) {
            Fail(reason);
        } else if (field.Check && Ok()) {
            const std::string wrong = field.Check(s);
            Check(wrong.empty(), wrong);
        }
    }

  private:
    void Fail(const std::string& reason) {
        if (reason_.empty()) {
            reason_ = reason;
        }
    }

    std::map<std::string, std::string> values_;
    std::string reason_;
};

// Whole decimal text and nothing else: no sign for an unsigned value, no plus, no space.
template <typename N>
bool Parse(const std::string& text, N& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
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

std::string SnapshotCodec::ValueText(const SnapshotField& field, const TableSnapshot& snapshot) {
    const std::int64_t value = field.Get(snapshot);
    return field.Unsigned ? std::to_string(static_cast<std::uint64_t>(value))
                          : std::to_string(value);
}

std::string SnapshotCodec::ReadValue(const SnapshotField& field, const std::string& text,
                                     TableSnapshot& snapshot) {
    std::int64_t value = 0;
    if (field.Unsigned) {
        std::uint64_t bits = 0;
        if (!Parse(text, bits)) {
            return "the value " + field.Key + " is not a number";
        }
        value = static_cast<std::int64_t>(bits);
    } else if (!Parse(text, value)) {
        return "the value " + field.Key + " is not a number";
    } else if (value < field.Lo || value > field.Hi) {
        return "the value " + field.Key + " is out of range";
    }
    field.Set(snapshot, value);
    return {};
}

SnapshotRecords SnapshotCodec::Encode(const TableSnapshot& snapshot) {
    SnapshotRecords records;
    for (const SnapshotField& field : SnapshotSchema()) {
        if (field.IsPresentIn(snapshot)) {
            records.emplace_back(field.Key, ValueText(field, snapshot));
        }
    }
    return records;
}

SnapshotDecoding SnapshotCodec::Decode(const SnapshotRecords& records) {
    Reader r(records);
    TableSnapshot s;
    for (const SnapshotField& field : SnapshotSchema()) {
        r.Read(field, s);
    }
    if (r.Ok()) {
        CheckRound(r, s);
    }
    if (!r.Ok()) {
        return {std::nullopt, r.Reason()};
    }
    return {std::move(s), {}};
}

}  // namespace orvane
