#include "CreditAudit.h"

#include <algorithm>

namespace orvane {

std::int64_t CreditAudit::Sum(std::int64_t a, std::int64_t b) {
    return std::clamp(a + std::clamp(b, -Limit, Limit), std::int64_t{0}, Limit);
}

void CreditAudit::CreditMoved(CreditMove move, std::int64_t amount, bool /*counted*/) {
    switch (move) {
        case CreditMove::Added:
            Add(amount);
            break;
        case CreditMove::TakenOut:
            TakeOut(amount);
            break;
        case CreditMove::Charged:
            Charge(amount);
            break;
    }
}

std::int64_t CreditAudit::Expected() const {
    // Each counter is at most 2^62, so neither sum can wrap.
    return (c_.Added + c_.Won) - (c_.TakenOut + c_.Charged);
}

std::string CreditAudit::Describe(std::int64_t credit) const {
    return "credit " + std::to_string(credit) + " but added " + std::to_string(c_.Added) +
           " - taken out " + std::to_string(c_.TakenOut) + " + won " + std::to_string(c_.Won) +
           " - charged " + std::to_string(c_.Charged) + " = " + std::to_string(Expected());
}

}  // namespace orvane
