#pragma once
// Root may write into any folder: a test of a folder that takes no new file runs the
// command as an ordinary user would (the effective user "nobody" while this lives).
// ok() is false where that cannot be done; such a test skips.

#include <unistd.h>

namespace testing_support {

class AsOrdinaryUser {
public:
    AsOrdinaryUser() : root_(::geteuid() == 0) { ok_ = !root_ || ::seteuid(65534) == 0; }
    ~AsOrdinaryUser()
    {
        if (root_ && ok_)
            (void)::seteuid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    bool ok() const { return ok_; }

private:
    bool root_;
    bool ok_ = true;
};

} // namespace testing_support
