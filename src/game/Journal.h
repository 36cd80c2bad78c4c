#pragma once

#include <string>

#include "RecordKeeping.h"

namespace orvane {

// Where the table reports each change that must outlive the program. Commit comes once
// the table is consistent again after an event (and once when a stage has been paid for,
// before its cards are turned up), so whatever is stored at a Commit can be resumed
// without charging anything twice or losing anything owed.
class Journal {
  public:
    virtual ~Journal() = default;
    virtual void Commit() = 0;
    // The credit no longer matches what came in, went out, was won and was bet.
    virtual void AuditFailed(const std::string& details) = 0;
    // Whether the last Commit reached the records.
    virtual RecordKeeping Keeping() const { return RecordKeeping::Kept; }
};

}  // namespace orvane
