#include "CommandLine.h"

#include <charconv>

namespace orvane::analysis::cli {

const char* const Usage =
    "usage:\n"
    "  orvane-analysis return [--game orvane|jacks-or-better-9-6|joker-poker-kings]\n"
    "                         [--strategy optimal|auto] [--meter on|off|blind] [--json]\n"
    "                         [--second-draw on|after-draw] (first-draw wins may be given up;\n"
    "                         after-draw: the holds after the deal ignore that)\n"
    "  orvane-analysis holds C1 C2 C3 C4 C5 [--game ...] [--rank 7..10] [--countdown 1..10]\n"
    "                         [--meter off|on] [--second-draw on|off] [--json]\n"
    "  orvane-analysis simulate --rounds N [--seed S] [--strategy optimal|auto]\n"
    "                         [--second-draw on|off] [--meter blind|on] [--json]\n"
    "                         (--meter on prices the meter first: the whole game is solved)\n"
    "cards are written AS KH TD 7C, JK for the joker\n";

namespace {

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
        } else if (arg == "--rounds") {
            if (!ReadNumber(value, a.Rounds) || a.Rounds < 1) {
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
        } else {
            return fail("unknown option: " + arg);
        }
    }
    if (a.What == Command::Holds && !meterGiven) {
        // Pricing the meter's steps needs the whole game first (minutes); ask for it.
        a.Meter = false;
    }
    if (a.What == Command::Return && !secondDrawGiven) {
        // The whole game with the second draw is a figure of its own; ask for it.
        a.SecondDraw = false;
    }
    if (a.What == Command::Return && a.SecondDraw && (a.Which != Game::Orvane || a.AutoStrategy)) {
        parsed.Error = "the second draw belongs to the orvane game's best play";
        return parsed;
    }
    if (a.What == Command::Holds && a.Cards.size() != 5) {
        parsed.Error = "holds needs five cards";
        return parsed;
    }
    if (a.What == Command::Simulate && a.Rounds == 0) {
        parsed.Error = "simulate needs --rounds N";
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
