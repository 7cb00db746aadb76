#pragma once
// A sound whose frames count up from first: first, first+1, ... Any frame heard tells which
// sound it came from and from which place in it.

#include "platform/PreparedSound.h"

#include <memory>
#include <numeric>
#include <vector>

namespace testing_support {

inline platform::SoundPtr ramp(qint16 first, std::size_t n)
{
    std::vector<qint16> f(n);
    std::iota(f.begin(), f.end(), first);
    return std::make_shared<const platform::PreparedSound>(std::move(f));
}

} // namespace testing_support
