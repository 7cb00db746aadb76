#include "Wave.h"

#include "platform/WaveFile.h"
#include "platform/WholeFile.h"

#include <stdexcept>

namespace saz {

void putU16(Bytes& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t(v >> 8));
}

void putU32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t((v >> (8 * i)) & 0xFF));
}

void putText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

namespace {

void putChunk(Bytes& out, const std::string& id, const Bytes& body)
{
    if (id.size() != 4)
        throw std::invalid_argument("a chunk id has four characters");
    putText(out, id);
    putU32(out, std::uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2)
        out.push_back(0);
}

QByteArray qBytes(const std::string& s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}
QByteArray qBytes(const Bytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

} // namespace

Bytes waveImage(int rate, const std::vector<std::int16_t>& samples, const std::vector<Chunk>& trailing)
{
    std::vector<platform::WaveChunk> chunks;
    for (const Chunk& c : trailing)
        chunks.push_back({qBytes(c.id), qBytes(c.body)});
    const QByteArray image = platform::waveFileImage(samples, rate, 1, chunks);
    return Bytes(image.begin(), image.end());
}

Chunk infoList(const std::vector<std::pair<std::string, std::string>>& entries)
{
    Chunk list{"LIST", {}};
    putText(list.body, "INFO");
    for (const auto& [id, text] : entries) {
        Bytes value(text.begin(), text.end());
        value.push_back(0);
        putChunk(list.body, id, value);
    }
    return list;
}

bool writeFileAtomically(const std::string& path, const Bytes& bytes)
{
    const QByteArray image(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    return platform::writeWholeFile(QString::fromStdString(path), image).ok();
}

} // namespace saz
