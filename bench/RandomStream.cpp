// Writes the deck's random stream to standard output as raw bytes, for an external test
// battery such as dieharder (`random_stream | dieharder -a -g 200`).
//
//   random_stream [SEED [WORDS]]
//
// The source is seeded the way the table seeds it (a time in seconds; 1765280000 unless
// SEED is given) and read with the same draws the deck makes. Each draw carries 31 random
// bits (the top bit is always clear), so the draws are packed back to back, 31 bits each,
// into a stream of 32-bit words written lowest byte first; no bit that the generator does
// not make is ever written. WORDS words are written, or words without end until the reader
// closes the pipe.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/RandomSource.h"

namespace {

constexpr int BitsPerDraw = 31;
constexpr std::size_t WordsPerBlock = 1 << 16;

// Collects draws into whole 32-bit words.
class BitPacker {
  public:
    explicit BitPacker(orvane::RandomSource& source) : random(source) {}

    std::uint32_t NextWord() {
        while (pending < 32) {
            bits |= std::uint64_t{random.Next()} << pending;
            pending += BitsPerDraw;
        }
        const auto word = static_cast<std::uint32_t>(bits);
        bits >>= 32;
        pending -= 32;
        return word;
    }

  private:
    orvane::RandomSource& random;
    std::uint64_t bits = 0;
    int pending = 0;  // valid bits in `bits`, from the lowest
};

void PutLittleEndian(std::uint32_t word, unsigned char* out) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>(word >> (8 * i));
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that has seen enough closes the pipe; that ends the stream, not an error.
    std::signal(SIGPIPE, SIG_IGN);
    const auto seed =
        static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1765280000UL);
    const long long words = argc > 2 ? std::atoll(argv[2]) : -1;

    orvane::RandomSource random;
    random.Seed(seed);
    BitPacker packer(random);
    std::vector<unsigned char> block(WordsPerBlock * 4);
    for (long long written = 0; words < 0 || written < words;) {
        const long long left = words < 0 ? static_cast<long long>(WordsPerBlock) : words - written;
        const std::size_t count = left < static_cast<long long>(WordsPerBlock)
                                      ? static_cast<std::size_t>(left)
                                      : WordsPerBlock;
        for (std::size_t i = 0; i < count; ++i) {
            PutLittleEndian(packer.NextWord(), &block[4 * i]);
        }
        if (std::fwrite(block.data(), 4, count, stdout) != count) {
            return errno == EPIPE ? EXIT_SUCCESS : EXIT_FAILURE;
        }
        written += static_cast<long long>(count);
    }
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
