#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "analysis/CardText.h"

namespace orvane::analysis::cli {

const char* const Usage =
    "usage:\n"
    "  orvane-analysis return [--game orvane|jacks-or-better-9-6|joker-poker-kings]\n"
    "                         [--strategy optimal|auto] [--meter on|off|blind] [--json]\n"
    "                         [--second-draw on|off|after-draw] (orvane's best play may give a\n"
    "                         first-draw win up for a second draw, the default; off: every\n"
    "                         first-draw win taken, the single-draw figures; after-draw: the\n"
    "                         holds after the deal ignore the option)\n"
    "  orvane-analysis holds C1 C2 C3 C4 C5 [--game ...] [--rank 7..10] [--countdown 1..10]\n"
    "                         [--meter off|on] [--second-draw on|off] [--json]\n"
    "  orvane-analysis simulate --rounds N [--seed S] [--strategy optimal|auto]\n"
    "                         [--second-draw on|off] [--meter blind|on|off] [--json]\n"
    "                         (--meter on prices the meter first: the whole game is solved;\n"
    "                         off leaves the jackpots out of what is paid)\n"
    "  orvane-analysis accuracy [--deals N] [--seed S] [--meter on|off|blind] [--json]\n"
    "                         (how far the best play's figure is from the same play with\n"
    "                         every second draw valued exactly: N random deals per state)\n"
    "cards are written AS KH TD 7C, JK for the joker\n";

namespace {

// The most rounds one run takes: a thousand billion is days of play on two cores, and every
// total stays far inside its 64-bit counter.
constexpr std::int64_t MostRounds = 1'000'000'000'000;

// The options that take a value; anything else starting with "--" is not an option at all.
constexpr std::array<std::string_view, 9> ValueOptions = {
    "--game",   "--strategy",    "--meter", "--rank", "--countdown",
    "--rounds", "--second-draw", "--seed",  "--deals"};

bool IsValueOption(const std::string& arg) {
    return std::find(ValueOptions.begin(), ValueOptions.end(), arg) != ValueOptions.end();
}

template <typename T>
bool ReadNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

std::optional<Command> CommandNamed(const std::string& name) {
    if (name == "return") {
        return Command::Return;
    }
    if (name == "holds") {
        return Command::Holds;
    }
    if (name == "simulate") {
        return Command::Simulate;
    }
    if (name == "accuracy") {
        return Command::Accuracy;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        return Command::Help;
    }
    return std::nullopt;
}

}  // namespace

Parsed ParseArguments(const std::vector<std::string>& args) {
    Parsed parsed;
    if (args.empty()) {
        parsed.Error = "a command is needed";
        return parsed;
    }
    const auto command = CommandNamed(args[0]);
    if (!command) {
        parsed.Error = "unknown command: " + args[0];
        return parsed;
    }
    Arguments a;
    a.What = *command;
    bool meterGiven = false;
    bool secondDrawGiven = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        auto fail = [&](const std::string& why) {
            parsed.Error = why;
            return parsed;
        };
        if (arg == "--json") {
            a.Json = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            if (a.What != Command::Holds) {
                return fail("unexpected argument: " + arg);
            }
            a.Cards.push_back(arg);
            continue;
        }
        if (!IsValueOption(arg)) {
            return fail("unknown option: " + arg);
        }
        if (!hasValue) {
            return fail(arg + " needs a value");
        }
        ++i;
        if (arg == "--game") {
            if (value == "orvane") {
                a.Which = Game::Orvane;
            } else if (value == "jacks-or-better-9-6") {
                a.Which = Game::JacksOrBetter96;
            } else if (value == "joker-poker-kings") {
                a.Which = Game::JokerPokerKings;
            } else {
                return fail("unknown game: " + value);
            }
        } else if (arg == "--strategy") {
            if (value != "optimal" && value != "auto") {
                return fail("strategy is optimal or auto");
            }
            a.AutoStrategy = value == "auto";
        } else if (arg == "--meter") {
            if (value != "on" && value != "off" && value != "blind") {
                return fail("meter is on, off or blind");
            }
            a.Meter = value != "off";
            meterGiven = true;
            a.MeterBlind = value == "blind";
            a.MeterAware = value == "on";
        } else if (arg == "--rank") {
            if (!ReadNumber(value, a.Rank) || a.Rank < 7 || a.Rank > 10) {
                return fail("rank is 7..10");
            }
        } else if (arg == "--countdown") {
            if (!ReadNumber(value, a.Countdown) || a.Countdown < 1 || a.Countdown > 10) {
                return fail("countdown is 1..10");
            }
        } else if (arg == "--deals") {
            if (!ReadNumber(value, a.Deals) || a.Deals < 20 || a.Deals > MostRounds) {
                return fail("deals is a number 20.." + std::to_string(MostRounds));
            }
        } else if (arg == "--rounds") {
            const bool digits =
                !value.empty() && std::all_of(value.begin(), value.end(),
                                              [](char c) { return c >= '0' && c <= '9'; });
            if (digits && (!ReadNumber(value, a.Rounds) || a.Rounds > MostRounds)) {
                return fail("rounds is too large: at most " + std::to_string(MostRounds));
            }
            if (!digits || a.Rounds < 1) {
                return fail("rounds is a positive number");
            }
        } else if (arg == "--second-draw") {
            const bool afterDraw = value == "after-draw" && a.What == Command::Return;
            if (value != "on" && value != "off" && !afterDraw) {
                return fail(a.What == Command::Return ? "second-draw is on, off or after-draw"
                                                      : "second-draw is on or off");
            }
            a.SecondDraw = value != "off";
            a.SecondDrawAfterDrawOnly = afterDraw;
            secondDrawGiven = true;
        } else if (arg == "--seed") {
            if (!ReadNumber(value, a.Seed)) {
                return fail("seed is a number 0..4294967295");
            }
        }
    }
    if (a.What == Command::Holds && !meterGiven) {
        // Pricing the meter's steps needs the whole game first (minutes); ask for it.
        a.Meter = false;
    }
    if (a.What == Command::Return && !secondDrawGiven) {
        // The best play gives a first-draw win up when a second draw is worth more; the
        // automatic hold and the standard games have no such choice.
        a.SecondDraw = a.Which == Game::Orvane && !a.AutoStrategy;
    }
    if (a.What == Command::Return && a.SecondDraw && (a.Which != Game::Orvane || a.AutoStrategy)) {
        parsed.Error = "the second draw belongs to the orvane game's best play";
        return parsed;
    }
    if (a.What == Command::Holds && a.Cards.size() != 5) {
        parsed.Error = "holds needs five cards";
        return parsed;
    }
    for (std::size_t i = 0; i < a.Cards.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const auto card = ParseCard(a.Cards[i]);
            if (card && card == ParseCard(a.Cards[j])) {
                parsed.Error = "the same card twice: " + a.Cards[j] + " and " + a.Cards[i] +
                               " (a hand is five different cards)";
                return parsed;
            }
        }
    }
    if (a.What == Command::Simulate && a.Rounds == 0) {
        parsed.Error = "simulate needs --rounds N";
        return parsed;
    }
    if (a.What == Command::Accuracy && (a.Which != Game::Orvane || a.AutoStrategy)) {
        parsed.Error = "the accuracy is that of the orvane game's best play";
        return parsed;
    }
    if (a.Which != Game::Orvane && a.AutoStrategy) {
        parsed.Error = "the automatic hold belongs to the orvane game";
        return parsed;
    }
    parsed.Args = a;
    return parsed;
}

}  // namespace orvane::analysis::cli
