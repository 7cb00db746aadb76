#pragma once
// The sixteen sounds of tezvan's built-in bank, made by the saz synthesiser, and the
// writer of the bank's stored container (its layout is tezvan/core/SampleBankLayout.h's,
// shared with the reader).

#include "synth/Wave.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tezvan_bank {

struct BankSound {
    std::string description;
    std::int32_t ident = 0;
    saz::Bytes wave; // the complete RIFF/WAVE image
};

// Renders all sixteen sounds, in index order.
std::vector<BankSound> bankSounds();

// One item's "Internal" value: flags, then the description, ident and sample that are
// present (compressed storage is never written).
saz::Bytes internalValue(const std::string& description, std::int32_t ident, const saz::Bytes& wave);

// The whole stored container.
saz::Bytes bankContainer(const std::vector<BankSound>& sounds);

} // namespace tezvan_bank
