#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings/CriticalStore.h"

namespace {

// About what the table keeps: credit, meters, statistics, a round in progress and the
// last games, some 2 KB of named decimal text.
orvane::CriticalRecords TwoKilobytes() {
    orvane::CriticalRecords records;
    for (int i = 0; records.size() < 150; ++i) {
        records.emplace_back("Value" + std::to_string(i), std::to_string(1000000 + i * 7919));
    }
    return records;
}

// One save is two files, each written, flushed to the disk, renamed and its folder
// flushed: what every coin, bet and settled draw costs.
void CriticalSave(benchmark::State& state) {
    // TMPDIR picks the disk to measure; without it, /tmp.
    const char* base = std::getenv("TMPDIR");
    std::string folderName = std::string(base != nullptr ? base : "/tmp") + "/orvane-bench-XXXXXX";
    char* folder = folderName.data();
    if (::mkdtemp(folder) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    orvane::CriticalStore store(std::string(folder) + "/records");
    orvane::CriticalRecords records = TwoKilobytes();
    std::int64_t credit = 0;
    for (auto _ : state) {
        records[0].second = std::to_string(++credit);
        if (!store.Save(records)) {
            state.SkipWithError("a save failed");
            break;
        }
    }
    state.SetLabel(std::to_string(std::filesystem::file_size(store.Path(0))) + " bytes a copy");
    std::filesystem::remove_all(folder);
}
BENCHMARK(CriticalSave)->Iterations(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
