#pragma once

#include <cstdint>
#include <string>

#include "TableListener.h"

namespace orvane {

// Every credit that entered or left the machine, for all time: the credit on the
// machine must always equal added - taken out + won - charged. The player's statistics
// can be reset; these never are.
struct CreditAuditCounters {
    std::int64_t Added = 0;     // coins and restored credit, counted in the statistics or not
    std::int64_t TakenOut = 0;  // cash-outs, counted or not
    std::int64_t Won = 0;       // wins collected into the credit
    std::int64_t Charged = 0;   // bets on deals and draws
};

class CreditAudit final : public TableListener {
  public:
    // The counters never go past this; a snapshot holding more is refused.
    static constexpr std::int64_t Limit = std::int64_t{1} << 62;

    const CreditAuditCounters& Counters() const { return c_; }
    void Restore(const CreditAuditCounters& counters) { c_ = counters; }

    void Add(std::int64_t amount) { c_.Added = Sum(c_.Added, amount); }
    void TakeOut(std::int64_t amount) { c_.TakenOut = Sum(c_.TakenOut, amount); }
    void Win(std::int64_t amount) { c_.Won = Sum(c_.Won, amount); }
    void Charge(std::int64_t amount) { c_.Charged = Sum(c_.Charged, amount); }

    void CreditMoved(CreditMove move, std::int64_t amount, bool /*counted*/) override;
    void Collected(std::int32_t amount) override { Win(amount); }

    // What the credit should be by the counters.
    std::int64_t Expected() const;
    bool Holds(std::int64_t credit) const { return Expected() == credit; }
    std::string Describe(std::int64_t credit) const;

  private:
    static std::int64_t Sum(std::int64_t a, std::int64_t b);

    CreditAuditCounters c_;
};

}  // namespace orvane
