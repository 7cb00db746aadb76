#pragma once
// RIFF/WAVE images of 16-bit mono PCM, with optional chunks after the sound data.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace saz {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string id; // four characters
    Bytes body;
};

// "RIFF", size, "WAVE", a 16-byte "fmt " chunk (PCM, 1 channel, rate, 16 bits), the "data"
// chunk, then `trailing` in order (each padded to an even length).
Bytes waveImage(int rate, const std::vector<std::int16_t>& samples, const std::vector<Chunk>& trailing = {});

// A "LIST" chunk of type "INFO" holding the given (four-character id, text) entries, each
// text zero-terminated and padded to an even length.
Chunk infoList(const std::vector<std::pair<std::string, std::string>>& entries);

// Little-endian helpers for the writers.
void putU16(Bytes& out, std::uint16_t v);
void putU32(Bytes& out, std::uint32_t v);
void putText(Bytes& out, const std::string& text);

// Writes bytes to path through a temporary file and a rename, so a failed run never
// leaves a half-written file behind. False on failure.
bool writeFileAtomically(const std::string& path, const Bytes& bytes);

} // namespace saz
