// The key file ("Tuslar.ini"): any bytes give the factory keys, fourteen key words or an
// error with its message; key words written and read again are the same key words.

#include "FuzzCheck.h"

#include "tezvan/core/KeyFile.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = tezvan::KeyFileReading::Outcome;
    const tezvan::KeyFileReading r = tezvan::parseKeyFile(fuzz::input(data, size));
    FUZZ_CHECK((r.outcome == Outcome::Error) != r.message.isEmpty());
    if (r.outcome != Outcome::Keys) {
        FUZZ_CHECK(r.values.size() < tezvan::kKeySlotCount);
        return 0;
    }
    FUZZ_CHECK(r.values.size() == tezvan::kKeySlotCount);
    tezvan::KeyWords words{};
    std::copy(r.values.begin(), r.values.end(), words.begin());
    const tezvan::KeyFileReading again = tezvan::parseKeyFile(tezvan::keyFileBytes(words));
    FUZZ_CHECK(again.outcome == Outcome::Keys && again.values == r.values);
    return 0;
}
