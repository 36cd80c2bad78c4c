#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>

namespace orvane::analysis::cli {

// A bar for a run that takes a while: drawn only on a terminal (a log or a pipe gets none),
// only once the run has taken `after`, and ended on 100 % with a new line.
class ProgressBar {
  public:
    explicit ProgressBar(std::FILE* out = stderr,
                         std::chrono::steady_clock::duration after = std::chrono::seconds(1));
    // Whether `out` is a terminal is told by the caller (tests draw into a file).
    ProgressBar(std::FILE* out, bool terminal, std::chrono::steady_clock::duration after);

    void operator()(std::size_t done, std::size_t all);
    // The run is over: a bar that was drawn goes to 100 % and its line ends.
    void Finish();

  private:
    void Draw(int percent, double share);

    std::FILE* out_;
    bool terminal_;
    std::chrono::steady_clock::duration after_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool shown_ = false;
    bool ended_ = false;
    int lastPercent_ = -1;
};

}  // namespace orvane::analysis::cli
