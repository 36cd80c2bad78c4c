// The signature of the rules: thousands of seeded rounds played through the events, with
// everything the table showed, played, waited for and paid folded into one digest. Any
// change of behaviour anywhere in a round changes the digest.
//
// The digest is changed only on purpose. When a change of the rules is intended, run the
// test, check in the failure output (and, with ORVANE_SIGNATURE_TEXT=<file>, in the full
// text it writes) that the difference is the intended one, and only then copy the new
// values into ExpectedDigest and Checkpoints below, saying why in the commit message.
// A refactoring that keeps the behaviour must leave them untouched.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "FakeDisplay.h"

namespace orvane::test {
namespace {

constexpr int Rounds = 2000;
constexpr std::uint32_t Seed = 20240613;

// FNV-1a, 64 bits.
std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

template <typename T>
long long N(T value) {
    return static_cast<long long>(value);
}

std::string CardText(const Card& card) {
    std::ostringstream out;
    out << N(card.Value) << (card.ShowBack ? "b" : "f") << (card.Held ? "h" : "");
    return out.str();
}

// Writes one canonical line for every call the table makes, then keeps the fake's
// visible state as usual.
class RecordingDisplay : public FakeDisplay {
  public:
    void ShowHandCard(int slot, const Card& card) override {
        Line() << "hand " << slot << ' ' << CardText(card);
        FakeDisplay::ShowHandCard(slot, card);
    }
    void SetHandCardHeld(int slot, const Card& card) override {
        Line() << "held " << slot << ' ' << card.Held;
        FakeDisplay::SetHandCardHeld(slot, card);
    }
    void HideDupCards() override {
        Line() << "dup hide";
        FakeDisplay::HideDupCards();
    }
    void ShowDupCard(int index, const Card& card) override {
        Line() << "dup " << index << ' ' << CardText(card);
        FakeDisplay::ShowDupCard(index, card);
    }
    void SetHoldMark(int slot, bool visible) override {
        Line() << "mark " << slot << ' ' << visible;
        FakeDisplay::SetHoldMark(slot, visible);
    }
    void ShowCredit(std::int32_t c) override {
        Line() << "credit " << c;
        FakeDisplay::ShowCredit(c);
    }
    void ShowBet(std::int32_t b) override {
        Line() << "bet " << b;
        FakeDisplay::ShowBet(b);
    }
    void ShowWin(std::int32_t w) override {
        Line() << "win " << w;
        FakeDisplay::ShowWin(w);
    }
    void ShowWinCaption(const std::string& caption) override {
        Line() << "caption " << caption;
        FakeDisplay::ShowWinCaption(caption);
    }
    void ShowJackpot(std::int32_t j) override {
        Line() << "jackpot " << j;
        FakeDisplay::ShowJackpot(j);
    }
    void ShowPayValues(const Multipliers& amounts, const std::string& line) override {
        auto& out = Line() << "pay";
        for (const auto amount : amounts) {
            out << ' ' << amount;
        }
        out << ' ' << line;
        FakeDisplay::ShowPayValues(amounts, line);
    }
    void ClearPayHighlight() override {
        Line() << "highlight clear";
        FakeDisplay::ClearPayHighlight();
    }
    void SetPayLineOpaque(PrizeIndex prize, bool opaque) override {
        Line() << "line " << N(prize) << ' ' << opaque;
        FakeDisplay::SetPayLineOpaque(prize, opaque);
    }
    void ShowStars(int count) override {
        Line() << "stars " << count;
        FakeDisplay::ShowStars(count);
    }
    void SetButtonLayout(ButtonLayout layout) override {
        Line() << "layout " << N(layout);
        FakeDisplay::SetButtonLayout(layout);
    }
    void ShowChoiceButtons(ChoiceButtons choices) override {
        Line() << "choices " << N(choices);
        FakeDisplay::ShowChoiceButtons(choices);
    }
    void ShowDoubleUpPanel(bool visible) override {
        Line() << "dup panel " << visible;
        FakeDisplay::ShowDoubleUpPanel(visible);
    }
    void SetMessage(Message m, bool blink) override {
        Line() << "message " << N(m) << ' ' << blink;
        FakeDisplay::SetMessage(m, blink);
    }
    void StartIdleAnimation() override {
        Line() << "idle start";
        FakeDisplay::StartIdleAnimation();
    }
    void StopIdleAnimation() override {
        Line() << "idle stop";
        FakeDisplay::StopIdleAnimation();
    }
    void SetIndicatorBlink(bool on) override {
        Line() << "indicator " << on;
        FakeDisplay::SetIndicatorBlink(on);
    }
    void PlaySoundEffect(std::string_view name) override {
        Line() << "sound " << name;
        FakeDisplay::PlaySoundEffect(name);
    }
    void SetMeterSquare(int square, bool lit) override {
        Line() << "meter " << square << ' ' << lit;
        FakeDisplay::SetMeterSquare(square, lit);
    }
    void ShowBonusPicture(std::int32_t n) override {
        Line() << "picture " << n;
        FakeDisplay::ShowBonusPicture(n);
    }

    std::ostream& Line() {
        text << '\n';
        return text;
    }

    std::ostringstream text;
};

class RecordingPause : public Pause {
  public:
    explicit RecordingPause(RecordingDisplay& display) : display_(display) {}
    void Wait(int milliseconds) override {
        display_.Line() << "wait " << milliseconds;
        if (milliseconds == 1000) {
            ++jackpotPauses;  // only a due jackpot makes the offer wait a whole second
        }
    }
    int jackpotPauses = 0;

  private:
    RecordingDisplay& display_;
};

// What the fixed pattern of play reached, so that a change of the pattern or the seed
// that stops exercising a part of the rules is noticed.
struct Reached {
    int secondDraws = 0, guessesWon = 0, guessesLost = 0, halvesTaken = 0, refusedDraws = 0,
        freshDeals = 0, tenthGuesses = 0, emptyDeals = 0, freeDraws = 0;
};

class SignaturePlayer {
  public:
    SignaturePlayer() : pause(display), table(display, pause, settings) {}

    void Play() {
        settings.autoHold = true;
        settings.dealDelay = 100;
        settings.holdDelay = 50;
        table.Start(Seed);
        Add(1000);
        for (int round = 0; round < Rounds; ++round) {
            PlayRound(round);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
            const TableState& s = table.State();
            display.Line() << "== round " << round << " credit " << N(s.Credit) << " bet index "
                           << N(s.BetIndex) << " state " << N(s.RoundState);
            if (round + 1 == 1 || round + 1 == 10 || round + 1 == 100 || round + 1 == 1000) {
                checkpoints[checkpointCount++] = Fnv1a(display.text.str());
            }
        }
        const Statistics& stats = settings.stats;
        auto& out = display.Line() << "statistics";
        for (std::size_t line = 1; line < stats.PrizeStat.size(); ++line) {
            out << ' ' << stats.PrizeStat[line] << '/' << stats.RunPrizeStat[line];
        }
        out << " in " << stats.CreditIn << '/' << stats.RunCreditIn << " out " << stats.CreditOut
            << '/' << stats.RunCreditOut;
        checkpoints[checkpointCount++] = Fnv1a(display.text.str());
    }

    int State() const { return static_cast<int>(table.State().RoundState); }
    bool OfferOpen() const { return display.choiceButtons != ChoiceButtons::Off; }

    void Add(std::int32_t amount) {
        display.Line() << "> add " << amount;
        const CreditChange result = table.AddCredit(amount, true);
        display.Line() << "= " << N(result);
    }
    void CashOut() {
        display.Line() << "> cash out";
        const CreditChange result = table.CashOut(true);
        display.Line() << "= " << N(result);
    }
    void Deal() {
        display.Line() << "> deal";
        table.Deal();
    }
    void Hold(int slot) {
        display.Line() << "> hold " << slot;
        table.Hold(slot);
    }
    void Bet() {
        display.Line() << "> bet";
        table.Bet();
    }
    void Cash() {
        display.Line() << "> cash";
        table.Cash();
    }

    void PlayRound(int r) {
        // Between rounds: the double-up mode, cashing out, credit and the bet.
        settings.dupMode = (r / 250) % 2 == 0 ? DupMode::SmallBig : DupMode::RedBlack;
        if (r % 97 == 50) {
            display.Line() << "> cash out";
            CashOut();
            Deal();  // an empty machine deals nothing
            if (State() == 0) {
                ++reached.emptyDeals;
            }
        }
        if (table.State().Credit < 100) {
            Add(r % 3 == 0 ? 1000 : 100);
        }
        if (r % 23 == 11) {
            // Just enough for the deal: with 9 the draw that follows is refused until more
            // credit comes (unless the dealt hand wins and is held whole); with 10 the
            // credit left is exactly the bet, and the draw goes ahead.
            CashOut();
            Add((r / 23) % 2 == 0 ? 9 : 10);
        } else if (r % 50 == 49) {
            // Another bet for a while, then back to the smallest, whose bonus meter fills
            // up over the run.
            for (int press = 0; press < 1 + (r / 50) % 4; ++press) {
                Bet();
            }
        } else if (r % 50 >= 9) {
            for (int press = 0; press < 16 && N(table.State().BetIndex) != 1; ++press) {
                Bet();
            }
        }

        if (r % 31 == 3) {
            Hold(3);  // nothing to hold or collect on an idle table
            Cash();
        }
        Deal();
        if (State() != 1) {
            return;
        }
        if (r % 13 == 5) {
            Bet();  // a bet changed after the deal makes the next DEAL a fresh deal
            ++reached.freshDeals;
        }
        if (r % 9 == 4) {
            Cash();  // releases every hold
        }
        if (r % 7 == 2) {
            Hold(1 + r % 5);
        }
        if (r % 17 == 8) {
            Add(50);  // credit added during a round keeps that round's bet
        }
        if (r % 19 == 7) {
            CashOut();  // refused: only an idle table cashes out
        }
        FinishRound(r);
    }

    // Draws and settles whatever the round is in, by a fixed pattern of choices.
    void FinishRound(int r) {
        heldWhole = false;
        for (int step = 0; step < 40 && State() != 0; ++step) {
            if (OfferOpen()) {
                Offer(r, step);
            } else {
                const int before = State();
                Deal();
                if (State() == before && !OfferOpen() && display.message == Message::InsertCoin) {
                    ++reached.refusedDraws;
                    if (!heldWhole && N(table.State().LastPrize) != 0) {
                        HoldWhole();  // a winning hand held whole draws without a charge
                    } else {
                        Add(1000);
                    }
                }
                if (before == 2 && display.stars == 3) {
                    ++reached.secondDraws;
                }
            }
        }
        ASSERT_EQ(State(), 0) << "round " << r << " did not end";
    }

    void HoldWhole() {
        heldWhole = true;
        ++reached.freeDraws;
        for (int slot = 1; slot <= 5; ++slot) {
            if (!display.hand[static_cast<std::size_t>(slot)].Held) {
                Hold(slot);
            }
        }
    }

    void Offer(int r, int step) {
        const int choice = (r + step) % 6;
        if (choice == 0 || step > 10) {
            Cash();
        } else if (choice == 1 || choice == 4) {
            // Gamble a few times; HOLD 1 and 3 first draw the cards anew.
            if (choice == 4) {
                Hold(1);
                Hold(3);
            }
            const int guesses = choice == 4 ? 10 : 1 + r % 4;
            for (int g = 0; g < guesses && OfferOpen(); ++g) {
                Guess((r + g) % 3 == 0 ? 4 : 2, g);
            }
        } else if (choice == 2 && State() == 2) {
            Deal();  // give the first-draw win up for a second draw
            Bet();   // refused until the round ends
            if (r % 5 == 1) {
                Hold(2 + r % 3);
            }
        } else if (choice == 3) {
            Hold(5);  // take half and keep gambling with the rest
            ++reached.halvesTaken;
            Deal();  // no longer gives the win up
            if (OfferOpen()) {
                Guess(r % 2 == 0 ? 2 : 4, 0);
            }
        } else {
            Bet();  // refused while a win is on offer
            Guess(4, 0);
        }
    }

    void Guess(int button, int index) {
        const std::int32_t before = display.win;
        Hold(button);
        if (display.win == 0) {
            ++reached.guessesLost;
        } else if (display.win > before || !OfferOpen()) {
            ++reached.guessesWon;
            if (index == 9 && !OfferOpen()) {
                ++reached.tenthGuesses;
            }
        }
    }

    RecordingDisplay display;
    RecordingPause pause;
    FakeSettings settings;
    GameTable table;
    Reached reached;
    bool heldWhole = false;
    std::array<std::uint64_t, 5> checkpoints{};
    int checkpointCount = 0;
};

// After 1, 10, 100, 1000 and all rounds (with the statistics): the first one that differs
// tells roughly where a change first shows.
constexpr std::array<std::uint64_t, 5> Checkpoints = {
    0x790cfd89f45766fcULL, 0xecfb30a873aa2b06ULL, 0x4a0a6001ab8268b3ULL,
    0x1cc25d7fded74841ULL, 0xdd68bd4a83665920ULL,
};
constexpr std::uint64_t ExpectedDigest = Checkpoints[4];

std::string FirstLines(const std::string& text, int count) {
    std::istringstream in(text);
    std::string line, out;
    for (int i = 0; i < count && std::getline(in, line); ++i) {
        out += line + '\n';
    }
    return out;
}

std::string Hex(std::uint64_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << value << "ULL";
    return out.str();
}

TEST(Signature, SeededRoundsShowAndPayExactlyAsBefore) {
    SignaturePlayer player;
    player.Play();
    if (::testing::Test::HasFatalFailure()) {
        return;
    }
    const std::string text = player.display.text.str();
    if (const char* path = std::getenv("ORVANE_SIGNATURE_TEXT")) {
        std::ofstream(path) << text;
    }

    // The pattern reaches every part of a round, so the digest covers all of them.
    const Reached& reached = player.reached;
    EXPECT_GT(reached.secondDraws, 10);
    EXPECT_GT(reached.guessesWon, 50);
    EXPECT_GT(reached.guessesLost, 50);
    EXPECT_GT(reached.halvesTaken, 10);
    EXPECT_GT(reached.refusedDraws, 10);
    EXPECT_GT(reached.freeDraws, 5);
    EXPECT_GT(reached.freshDeals, 10);
    EXPECT_GT(reached.emptyDeals, 0);
    EXPECT_GT(player.pause.jackpotPauses, 0);
    // The fake's own record of the credit agrees with the table's at the end.
    EXPECT_EQ(player.display.credit, player.table.State().Credit);

    const std::uint64_t digest = Fnv1a(text);
    std::string where;
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        where += Hex(player.checkpoints[i]) +
                 (player.checkpoints[i] == Checkpoints[i] ? "" : " (differs)") + ",\n";
    }
    EXPECT_EQ(digest, ExpectedDigest)
        << "The rounds no longer show or pay what they did. Checkpoints after 1, 10, 100, "
           "1000 rounds and at the end:\n"
        << where << "Set ORVANE_SIGNATURE_TEXT=<file> to write the whole text. It begins:\n"
        << FirstLines(text, 60);
}

}  // namespace
}  // namespace orvane::test
