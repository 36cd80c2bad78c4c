#pragma once

#include <QString>
#include <optional>

#include "advisor/PayTableFigures.h"

namespace orvane {

// The whole-game figures of a pay table kept between runs: one small text file per pay
// table in a folder, written whole or not at all, and trusted only when its check sum,
// its shape and its pay table all agree; anything else is worked out again.
class PayFiguresFile {
  public:
    explicit PayFiguresFile(QString folder) : folder_(std::move(folder)) {}

    std::optional<advisor::PayTableFigures> Read(const Multipliers& pays) const;
    // False when the file could not be written; the figures then live for this run only.
    bool Write(const advisor::PayTableFigures& figures) const;

    QString PathFor(const Multipliers& pays) const;

  private:
    QString folder_;
};

}  // namespace orvane
