#include "SnapshotSchema.h"

#include <limits>
#include <optional>
#include <type_traits>
#include <utility>

#include "DoubleUp.h"
#include "DrawStage.h"
#include "GameHistory.h"
#include "SnapshotCodec.h"
#include "base/OneBased.h"

namespace orvane {
namespace {

constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t Any = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t MaxBetIndex = BetLadderSize - 1;

template <typename E>
constexpr std::int64_t Underlying(E value) {
    return static_cast<std::underlying_type_t<E>>(value);
}

// Stages are stored by number, 0 for none in flight; stars count the stages shown.
constexpr std::int64_t LastStage = Underlying(DrawStage::Last);

std::string Num(std::size_t n) {
    return std::to_string(n);
}

// The member the path leads to: a member of a member of `o`, and so on.
template <auto... Path, typename O>
auto& At(O& o) {
    return (o.*....*Path);
}

bool IsRank(std::int64_t rank) {
    return (rank >= 0 && rank <= 13) || rank == JokerRank;
}

// How a member is stored as a whole number: numbers as they are, flags as 1 and 0,
// enumerations by their number. A member of another type gets a Stored of its own.
template <typename T>
struct Stored {
    static std::int64_t ToInt(const T& value) {
        if constexpr (std::is_enum_v<T>) {
            return Underlying(value);
        } else {
            return static_cast<std::int64_t>(value);
        }
    }
    static T FromInt(std::int64_t value) {
        if constexpr (std::is_same_v<T, bool>) {
            return value != 0;
        } else {
            return static_cast<T>(value);
        }
    }
};

// An enumeration that may be absent is stored as 0 for none, so its numbers start above 0.
template <typename E>
struct Stored<std::optional<E>> {
    static_assert(std::is_enum_v<E> && Underlying(E::First) > 0);
    static std::int64_t ToInt(const std::optional<E>& value) {
        return value ? Underlying(*value) : 0;
    }
    static std::optional<E> FromInt(std::int64_t value) {
        return value == 0 ? std::nullopt : std::optional<E>(static_cast<E>(value));
    }
};

// The fields of one kind of record, over the member paths from it (a path picks a member
// of a member of the record, and so on).
template <typename Owner>
class FieldList {
  public:
    using Field = StoredField<Owner>;

    Field& Add(std::string key, std::int64_t lo, std::int64_t hi,
               std::function<std::int64_t(const Owner&)> get,
               std::function<void(Owner&, std::int64_t)> set) {
        Field& f = fields_.emplace_back();
        f.Key = std::move(key);
        f.Lo = lo;
        f.Hi = hi;
        f.Get = std::move(get);
        f.Set = std::move(set);
        return f;
    }

    template <auto... Path>
    Field& Number(std::string key, std::int64_t lo, std::int64_t hi) {
        using T = std::remove_cvref_t<decltype(At<Path...>(std::declval<Owner&>()))>;
        return Add(
            std::move(key), lo, hi, [](const Owner& o) { return Stored<T>::ToInt(At<Path...>(o)); },
            [](Owner& o, std::int64_t v) { At<Path...>(o) = Stored<T>::FromInt(v); });
    }

    // An enumeration within the range it declares itself (its First and Last), so a value
    // added to it is read back as soon as the table can write it.
    template <auto... Path>
    Field& Enum(std::string key) {
        using T = std::remove_cvref_t<decltype(At<Path...>(std::declval<Owner&>()))>;
        return Number<Path...>(std::move(key), Underlying(T::First), Underlying(T::Last));
    }

    template <auto... Path>
    Field& Flag(std::string key) {
        return Number<Path...>(std::move(key), 0, 1);
    }

    // Element `index` of the array at the path.
    template <auto... Path>
    Field& Element(std::string key, std::size_t index, std::int64_t lo, std::int64_t hi) {
        using T = std::remove_cvref_t<decltype(At<Path...>(std::declval<Owner&>())[0])>;
        return Add(
            std::move(key), lo, hi,
            [index](const Owner& o) { return Stored<T>::ToInt(At<Path...>(o)[index]); },
            [index](Owner& o, std::int64_t v) { At<Path...>(o)[index] = Stored<T>::FromInt(v); });
    }

    // The member of element `index` of the array (or list) at the path.
    template <auto Member, auto... Path>
    Field& Of(std::string key, std::size_t index, std::int64_t lo, std::int64_t hi) {
        using T = std::remove_cvref_t<decltype(At<Path...>(std::declval<Owner&>())[0].*Member)>;
        return Add(
            std::move(key), lo, hi,
            [index](const Owner& o) { return Stored<T>::ToInt(At<Path...>(o)[index].*Member); },
            [index](Owner& o, std::int64_t v) {
                At<Path...>(o)[index].*Member = Stored<T>::FromInt(v);
            });
    }

    // The number of items of the list at the path; reading it makes room for them.
    template <auto... Path>
    Field& Count(std::string key, std::size_t most) {
        return Add(
            std::move(key), 0, static_cast<std::int64_t>(most),
            [](const Owner& o) { return static_cast<std::int64_t>(At<Path...>(o).size()); },
            [](Owner& o, std::int64_t n) { At<Path...>(o).resize(static_cast<std::size_t>(n)); });
    }

    std::vector<Field>& Fields() { return fields_; }

  private:
    std::vector<Field> fields_;
};

// ---- one game of the history ---------------------------------------------------------

using GameFields = FieldList<GameRecord>;

std::int64_t HeldMask(const std::array<bool, 5>& held) {
    std::int64_t mask = 0;
    for (std::size_t i = 0; i < held.size(); ++i) {
        mask |= held[i] ? (1 << i) : 0;
    }
    return mask;
}

void AddDraw(GameFields& g, std::size_t d) {
    const std::string p = "Draw" + Num(d + 1);
    auto present = [d](const GameRecord& game) { return game.Draws.size() > d; };
    g.Add(
         p + "Held", 0, 31, [d](const GameRecord& game) { return HeldMask(game.Draws[d].Held); },
         [d](GameRecord& game, std::int64_t mask) {
             for (std::size_t i = 0; i < 5; ++i) {
                 game.Draws[d].Held[i] = (mask & (1 << i)) != 0;
             }
         })
        .Present = present;
    for (std::size_t i = 0; i < 5; ++i) {
        g.Add(
             p + "Card" + Num(i + 1), 1, JokerValue,
             [d, i](const GameRecord& game) { return std::int64_t{game.Draws[d].Cards[i]}; },
             [d, i](GameRecord& game, std::int64_t v) {
                 game.Draws[d].Cards[i] = static_cast<CardValue>(v);
             })
            .Present = present;
    }
}

void AddGuess(GameFields& g, std::size_t n) {
    const std::string p = "Guess" + Num(n + 1);
    auto present = [n](const GameRecord& game) { return game.Guesses.size() > n; };
    g.Add(
         p + "Choice", 1, 2,
         [n](const GameRecord& game) { return game.Guesses[n].ChoiceA ? 1 : 2; },
         [n](GameRecord& game, std::int64_t v) { game.Guesses[n].ChoiceA = v == 1; })
        .Present = present;
    g.Of<&GameGuess::Card, &GameRecord::Guesses>(p + "Card", n, 1, JokerValue).Present = present;
    g.Of<&GameGuess::Right, &GameRecord::Guesses>(p + "Right", n, 0, 1).Present = present;
}

std::vector<GameFields::Field> BuildGameFields() {
    using G = GameRecord;
    GameFields g;
    g.Number<&G::Bet>("Bet", 1, Max32);
    g.Number<&G::CreditBefore>("CreditBefore", 0, Max32);
    g.Number<&G::CreditAfter>("CreditAfter", 0, Max32);
    for (std::size_t i = 0; i < 5; ++i) {
        g.Element<&G::Dealt>("Dealt" + Num(i + 1), i, 1, JokerValue);
    }
    g.Count<&G::Draws>("Draws", GameRecord::MaxDraws);
    for (std::size_t d = 0; d < GameRecord::MaxDraws; ++d) {
        AddDraw(g, d);
    }
    g.Number<&G::GivenUpPrize>("GivenUp", NoPrize, PrizeLines);
    g.Number<&G::Prize>("Prize", NoPrize, PrizeLines);
    g.Number<&G::Win>("Win", 0, Max32);
    g.Number<&G::Collected>("Collected", 0, Max32);
    g.Count<&G::Guesses>("Guesses", GameRecord::MaxGuesses);
    for (std::size_t n = 0; n < GameRecord::MaxGuesses; ++n) {
        AddGuess(g, n);
    }
    g.Enum<&G::End>("End");
    return std::move(g.Fields());
}

// ---- the snapshot ----------------------------------------------------------------------

using S = TableSnapshot;
using T = TableState;
using SnapshotFields = FieldList<TableSnapshot>;

// The game's fields under `prefix`, on the game `locate` finds in the snapshot (none when
// it is not there); the last one checks the whole game could have been played.
template <typename Locate>
void AddGame(std::vector<SnapshotField>& out, const std::string& prefix, Locate locate,
             bool finished, const std::string& impossible) {
    static const std::vector<GameFields::Field> game = BuildGameFields();
    for (const GameFields::Field& f : game) {
        SnapshotField& field = out.emplace_back();
        field.Key = prefix + f.Key;
        field.Lo = f.Lo;
        field.Hi = f.Hi;
        field.Get = [locate, get = f.Get](const S& s) { return get(*locate(s)); };
        field.Set = [locate, set = f.Set](S& s, std::int64_t v) { set(*locate(s), v); };
        field.Present = [locate, present = f.Present](const S& s) {
            const GameRecord* g = locate(s);
            return g != nullptr && (!present || present(*g));
        };
        if (&f == &game.back()) {
            field.Check = [locate, finished, impossible](const S& s) {
                return WellFormed(*locate(s), finished) ? std::string() : impossible;
            };
        }
    }
}

void AddHandCard(SnapshotFields& b, std::size_t slot) {
    const std::string name = "Hand" + Num(slot);
    b.Add(
        name, 1, JokerValue, [slot](const S& s) { return std::int64_t{s.Table.Hand[slot].Value}; },
        [slot](S& s, std::int64_t v) {
            s.Table.Hand[slot].SetCardValue(static_cast<CardValue>(v));
        });
    // The joker's suit is the one the evaluator gave it; any other card's is its own.
    b.Add(
         name + "Suit", SuitNumber(Suit::First), SuitNumber(Suit::Last),
         [slot](const S& s) { return std::int64_t{SuitNumber(s.Table.Hand[slot].Suit)}; },
         [slot](S& s, std::int64_t v) { s.Table.Hand[slot].Suit = static_cast<Suit>(v); })
        .Check = [slot](const S& s) {
        const Card& card = s.Table.Hand[slot];
        return card.Value == JokerValue || SuitNumber(card.Suit) == SuitOfValue(card.Value)
                   ? std::string()
                   : "the suit of hand card " + Num(slot) + " does not match its card";
    };
    b.Of<&Card::Held, &S::Table, &T::Hand>(name + "Held", slot, 0, 1);
    b.Of<&Card::ShowBack, &S::Table, &T::Hand>(name + "Back", slot, 0, 1);
}

void AddTable(SnapshotFields& b) {
    b.Number<&S::Table, &T::Credit>("Credit", 0, Max32);
    b.Number<&S::Table, &T::BetIndex>("BetIndex", 0, MaxBetIndex);
    b.Number<&S::Table, &T::BetIndexAtDeal>("BetIndexAtDeal", 0, MaxBetIndex);
    for (std::size_t slot = 1; slot <= 15; ++slot) {
        b.Element<&S::Table, &T::DealBuffer>("Deal" + Num(slot), slot, 0, JokerValue);
    }
    b.Enum<&S::Table, &T::RoundState>("RoundState");
    b.Number<&S::Table, &T::StageInFlight>("StageInFlight", 0, LastStage);
    b.Number<&S::Table, &T::LastPrize>("LastPrize", NoPrize, PrizeLines);
    auto rank = [](std::int64_t r) {
        return IsRank(r) ? std::string() : std::string("a rank of the hand is not a rank");
    };
    b.Number<&S::Table, &T::WinRank>("WinRank", 0, JokerRank).Check = [rank](const S& s) {
        return rank(s.Table.WinRank);
    };
    b.Number<&S::Table, &T::SecondRank>("SecondRank", 0, JokerRank).Check = [rank](const S& s) {
        return rank(s.Table.SecondRank);
    };
    b.Flag<&S::Table, &T::MeterStepFlag>("MeterStepFlag");
    b.Flag<&S::Table, &T::JackpotFlag>("JackpotFlag");
    b.Number<&S::Table, &T::OrvaneNumber>("OrvaneNumber", FirstOrvaneNumber, LastOrvaneNumber);
    b.Number<&S::Table, &T::Win>("Win", 0, Max32);
    b.Flag<&S::Table, &T::Continued>("Continued");
    b.Flag<&S::Table, &T::PrizeStatCounted>("PrizeStatCounted");
    b.Flag<&S::Table, &T::RunPrizeStatCounted>("RunPrizeStatCounted");
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        AddHandCard(b, slot);
    }
}

void AddView(SnapshotFields& b) {
    using V = TableView;
    for (std::size_t slot = 1; slot <= 5; ++slot) {
        b.Element<&S::View, &V::HoldMarks>("HoldMark" + Num(slot), slot, 0, 1);
    }
    b.Number<&S::View, &V::Stars>("Stars", 0, LastStage);
    b.Enum<&S::View, &V::Layout>("ButtonLayout");
    b.Enum<&S::View, &V::Banner>("Banner");
    b.Flag<&S::View, &V::BannerBlinks>("BannerBlinks");
    b.Flag<&S::View, &V::IndicatorBlinks>("IndicatorBlinks");
    b.Flag<&S::View, &V::DoubleUpPanel>("DoubleUpPanel");
    b.Number<&S::View, &V::CaptionRank>("CaptionRank", FirstOrvaneNumber, LastOrvaneNumber);
}

void AddDoubleUp(SnapshotFields& b) {
    using D = DoubleUpState;
    b.Flag<&S::DoubleUp, &D::Open>("DupOpen");
    b.Flag<&S::DoubleUp, &D::Gambled>("DupGambled");
    b.Number<&S::DoubleUp, &D::Step>("DupStep", 1, DoubleUp::CardCount);
    b.Flag<&S::DoubleUp, &D::LastCardTurned>("DupLastCardTurned");
    for (std::size_t i = 1; i <= OneBased(DoubleUp::CardCount); ++i) {
        const std::string name = "DupCard" + Num(i);
        b.Add(
             name, 1, JokerValue - 1,
             [i](const S& s) { return std::int64_t{s.DoubleUp.Cards[i].Value}; },
             [i](S& s, std::int64_t v) {
                 s.DoubleUp.Cards[i].SetCardValue(static_cast<CardValue>(v));
             })
            .Check = [i](const S& s) {
            return IsSeven(s.DoubleUp.Cards[i].Value) ? "double-up card " + Num(i) + " is a seven"
                                                      : std::string();
        };
        b.Of<&Card::ShowBack, &S::DoubleUp, &DoubleUpState::Cards>(name + "Back", i, 0, 1);
    }
}

// A countdown stored above full is played as it stands, so only a negative one is wrong.
void AddMeter(SnapshotFields& b) {
    using M = BonusMeterState;
    for (std::size_t bet = 1; bet < OneBased(BetLadderSize); ++bet) {
        b.Element<&S::Meter, &M::Countdowns, &TOrvane::State>("Meter" + Num(bet), bet, 0, Max32);
    }
    b.Number<&S::Meter, &M::SavedCountdown>("MeterSaved", 0, Max32);
}

void AddCounters(SnapshotFields& b) {
    using C = StoredStatistics;
    using A = CreditAuditCounters;
    for (std::size_t line = 1; line <= OneBased(PrizeLines); ++line) {
        b.Element<&S::Stats, &C::PrizeStat>("PrizeStat" + Num(line), line, 0, Any);
    }
    b.Number<&S::Stats, &C::CreditIn>("CreditIn", 0, Any);
    b.Number<&S::Stats, &C::CreditOut>("CreditOut", 0, Any);
    b.Number<&S::Audit, &A::Added>("AuditAdded", 0, CreditAudit::Limit);
    b.Number<&S::Audit, &A::TakenOut>("AuditTakenOut", 0, CreditAudit::Limit);
    b.Number<&S::Audit, &A::Won>("AuditWon", 0, CreditAudit::Limit);
    b.Number<&S::Audit, &A::Charged>("AuditCharged", 0, CreditAudit::Limit);
}

void Append(std::vector<SnapshotField>& schema, SnapshotFields&& part, bool inTable = false) {
    for (SnapshotField& f : part.Fields()) {
        f.InTable = inTable;
        schema.push_back(std::move(f));
    }
}

std::vector<SnapshotField> BuildSchema() {
    std::vector<SnapshotField> schema;
    SnapshotFields version;
    version.Add(
        "SnapshotVersion", SnapshotCodec::Version, SnapshotCodec::Version,
        [](const S&) { return std::int64_t{SnapshotCodec::Version}; }, [](S&, std::int64_t) {});
    Append(schema, std::move(version));

    SnapshotFields table;
    AddTable(table);
    Append(schema, std::move(table), true);

    SnapshotFields rest;
    AddView(rest);
    AddDoubleUp(rest);
    AddMeter(rest);
    Append(schema, std::move(rest));

    SnapshotField& random = schema.emplace_back();
    random.Key = "RandomState";
    random.Unsigned = true;
    random.Get = [](const S& s) { return static_cast<std::int64_t>(s.RandomState); };
    random.Set = [](S& s, std::int64_t v) { s.RandomState = static_cast<std::uint64_t>(v); };

    SnapshotFields counters;
    AddCounters(counters);
    counters.Count<&S::Games>("Games", GameHistory::Capacity);
    Append(schema, std::move(counters));
    for (std::size_t i = 0; i < GameHistory::Capacity; ++i) {
        AddGame(
            schema, "Game" + Num(i + 1),
            [i](auto& s) { return i < s.Games.size() ? &s.Games[i] : nullptr; }, true,
            "earlier game " + Num(i + 1) + " is not possible");
    }

    SnapshotFields now;
    now.Add(
        "GameNow", 0, 1, [](const S& s) { return s.CurrentGame.has_value() ? 1 : 0; },
        [](S& s, std::int64_t v) {
            if (v != 0) {
                s.CurrentGame.emplace();
            } else {
                s.CurrentGame.reset();
            }
        });
    Append(schema, std::move(now));
    AddGame(
        schema, "GameNow", [](auto& s) { return s.CurrentGame ? &*s.CurrentGame : nullptr; }, false,
        "the running game is not possible");
    return schema;
}

}  // namespace

const std::vector<SnapshotField>& SnapshotSchema() {
    static const std::vector<SnapshotField> schema = BuildSchema();
    return schema;
}

TableState WithStoredPart(const TableState& live, const TableState& stored) {
    TableSnapshot from;
    from.Table = stored;
    TableSnapshot to;
    to.Table = live;
    for (const SnapshotField& field : SnapshotSchema()) {
        if (field.InTable) {
            field.Set(to, field.Get(from));
        }
    }
    return to.Table;
}

}  // namespace orvane
