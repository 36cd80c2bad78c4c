#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CriticalFiles.h"
#include "CriticalRecords.h"

namespace orvane {

// What a load found: the newest copy that verified, and what the player must be told.
struct CriticalLoad {
    std::optional<CriticalRecords> Records;
    std::uint64_t Sequence = 0;
    std::int64_t SavedAt = 0;
    std::vector<std::string> Messages;
};

// The values that must survive any interruption (credit, meters, statistics, the round
// in progress), kept in two files that each carry a sequence number and a checksum.
// Each save replaces both, one after the other and each atomically, so at any instant
// at least one of them holds a whole save. A file that fails to verify is moved aside
// under a dated name, never overwritten.
class CriticalStore {
  public:
    // path is the first copy; the second is path + SecondSuffix. files defaults to the
    // real file system; now (seconds since 1970) to the calendar clock.
    explicit CriticalStore(std::string path, std::shared_ptr<CriticalFiles> files = nullptr,
                           std::function<std::int64_t()> now = nullptr);

    static constexpr const char* SecondSuffix = ".second";
    static constexpr const char* DamagedInfix = ".damaged-";

    // Reads both copies and gives the newest that verifies. A copy that does not verify is
    // moved aside and named in a message.
    CriticalLoad Load();
    // Writes both copies; false when either could not be written. A run of failures is
    // told once (Tell), and so is the first save that works again. A save before any load
    // loads first (its messages are then lost), so the line of saves goes on.
    bool Save(const CriticalRecords& records);

    // Set when the copies must be there (the settings beside them were written by this
    // version): both missing is then told as records lost, not taken for a first run.
    bool ExpectCopies = false;

    // Where the messages of Save go, for the player to read.
    std::function<void(const std::string&)> Tell;

    const std::string& Path(std::size_t copy) const { return paths_[copy]; }
    bool Failing() const { return failing_; }
    // Why the last save failed, in words; empty after a save that worked.
    const std::string& Failure() const { return failure_; }

  private:
    std::string SaveCopy(std::size_t copy, std::string_view bytes);
    std::string MoveDamagedAside(std::size_t copy);
    std::string DamagedName(std::size_t copy) const;
    std::string TimeText(std::int64_t seconds) const;
    void Say(const std::string& message);

    std::array<std::string, 2> paths_;
    std::shared_ptr<CriticalFiles> files_;
    std::function<std::int64_t()> now_;
    std::uint64_t sequence_ = 0;
    // A copy that failed to verify and could not yet be moved aside is never written over.
    std::array<bool, 2> damaged_{};
    bool failing_ = false;
    std::string failure_;
    bool loaded_ = false;
};

}  // namespace orvane
