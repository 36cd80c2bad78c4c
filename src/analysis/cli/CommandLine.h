#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::analysis::cli {

enum class Command { Return, Holds, Simulate, Accuracy, Help };
enum class Game { Orvane, JacksOrBetter96, JokerPokerKings };

struct Arguments {
    Command What = Command::Help;
    Game Which = Game::Orvane;
    bool AutoStrategy = false;
    bool Meter = true;
    bool MeterBlind = false;  // the meter pays, but holds are chosen as if it did not
    bool Json = false;
    std::vector<std::string> Cards;
    std::int32_t Rank = 7;        // bonus rank for holds
    std::int32_t Countdown = 10;  // meter countdown for holds
    std::int64_t Rounds = 0;
    std::int64_t Deals = 20000;  // accuracy: random deals per meter state
    std::uint32_t Seed = 1;
    bool SecondDraw = true;  // optimal play may give a first-draw win up (return: when asked)
    bool SecondDrawAfterDrawOnly = false;  // return: the holds after the deal ignore it
    bool MeterAware = false;               // simulate: best play prices the meter's steps
};

// Reads the arguments after the program name; an error message when they do not parse.
struct Parsed {
    std::optional<Arguments> Args;
    std::string Error;
};
Parsed ParseArguments(const std::vector<std::string>& args);

extern const char* const Usage;

}  // namespace orvane::analysis::cli
