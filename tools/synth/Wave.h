#pragma once
// The tools' side of RIFF/WAVE images: 16-bit mono PCM with optional chunks after the
// sound data, in the tools' own byte type. The image itself is platform::waveFileImage's.

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

// platform::waveFileImage of one channel, with `trailing` after the "data" chunk.
Bytes waveImage(int rate, const std::vector<std::int16_t>& samples, const std::vector<Chunk>& trailing = {});

// A "LIST" chunk of type "INFO" holding the given (four-character id, text) entries, each
// text zero-terminated and padded to an even length.
Chunk infoList(const std::vector<std::pair<std::string, std::string>>& entries);

// Little-endian helpers for the chunk bodies the tools write.
void putU16(Bytes& out, std::uint16_t v);
void putU32(Bytes& out, std::uint32_t v);
void putText(Bytes& out, const std::string& text);

// Writes bytes to path whole or not at all (platform::writeWholeFile). False on failure.
bool writeFileAtomically(const std::string& path, const Bytes& bytes);

} // namespace saz
