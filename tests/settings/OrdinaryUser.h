#pragma once

#include <unistd.h>

namespace orvane::test {

// File permissions do not stop root, but they stop a player. When the tests run as root
// this object lends the rest of its scope to the user "nobody" (keeping root as the
// saved user, to come back at the end), so read-only and unreadable files behave as they
// would for a player. Files made meanwhile belong to that user.
class OrdinaryUser {
  public:
    OrdinaryUser() {
        if (::geteuid() != 0) {
            ok_ = true;
            return;
        }
        switched_ = ::setresgid(Nobody, Nobody, 0) == 0 && ::setresuid(Nobody, Nobody, 0) == 0;
        ok_ = switched_;
    }
    ~OrdinaryUser() {
        if (switched_) {
            [[maybe_unused]] const int user = ::setresuid(0, 0, 0);
            [[maybe_unused]] const int group = ::setresgid(0, 0, 0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // False when the switch was refused; the test cannot then show what it means to.
    bool Ok() const { return ok_; }

  private:
    static constexpr uid_t Nobody = 65534;
    bool switched_ = false;
    bool ok_ = false;
};

}  // namespace orvane::test
