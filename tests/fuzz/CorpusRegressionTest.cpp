#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace orvane::fuzz {
namespace {

namespace fs = std::filesystem;

// Seeds and every input a fuzzer ever found a fault with, kept so the fault stays mended.
std::vector<fs::path> CorpusFiles(std::string_view target) {
    const fs::path folder = fs::path(ORVANE_FUZZ_CORPUS_DIR) / std::string(target);
    std::vector<fs::path> files;
    if (fs::is_directory(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// Test names and messages show the target's name.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.Name;
}

namespace {

class FuzzCorpus : public testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryFileIsReadWithoutAFault) {
    const FuzzTarget& target = GetParam();
    const std::vector<fs::path> files = CorpusFiles(target.Name);
    ASSERT_FALSE(files.empty()) << "no corpus for " << target.Name;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::vector<std::uint8_t> bytes = ReadAll(file);
        try {
            target.Run(bytes);
        } catch (const std::runtime_error& failure) {
            ADD_FAILURE() << failure.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const testing::TestParamInfo<FuzzTarget>& target) {
                             return std::string(target.param.Name);
                         });

}  // namespace
}  // namespace orvane::fuzz
