#include "ProgressBar.h"

#include <unistd.h>
#include <string>

namespace orvane::analysis::cli {

namespace {
constexpr int Width = 40;
}

ProgressBar::ProgressBar(std::FILE* out, std::chrono::steady_clock::duration after)
    : ProgressBar(out, isatty(fileno(out)) != 0, after) {}

ProgressBar::ProgressBar(std::FILE* out, bool terminal, std::chrono::steady_clock::duration after)
    : out_(out), terminal_(terminal), after_(after) {}

void ProgressBar::operator()(std::size_t done, std::size_t all) {
    if (!terminal_ || ended_) {
        return;
    }
    if (done >= all) {
        Finish();
        return;
    }
    if (!shown_ && std::chrono::steady_clock::now() - start_ < after_) {
        return;
    }
    const double share = all == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(all);
    const int percent = static_cast<int>(100.0 * share);
    if (percent != lastPercent_) {
        Draw(percent, share);
    }
}

void ProgressBar::Finish() {
    if (!shown_ || ended_) {
        return;
    }
    Draw(100, 1.0);
    std::fputc('\n', out_);
    std::fflush(out_);
    ended_ = true;
}

void ProgressBar::Draw(int percent, double share) {
    shown_ = true;
    lastPercent_ = percent;
    const auto filled = static_cast<std::size_t>(share * Width);
    std::fprintf(out_, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                 std::string(Width - filled, ' ').c_str(), percent);
    std::fflush(out_);
}

}  // namespace orvane::analysis::cli
