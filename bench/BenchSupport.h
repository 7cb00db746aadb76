#pragma once
// Small helpers every bench shares: the process's CPU time, a percentile of a set of
// measurements, and a RIFF/WAVE image of 16-bit mono frames. Not for program code.

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <ctime>
#include <vector>

namespace bench {

// CPU time this process has used (all threads, user and system), in seconds. Wall time
// also counts other programs on the machine; this does not.
inline double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The value at fraction p (0 = smallest, 0.5 = median, 1 = largest) of a non-empty set,
// the nearest rank.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[i];
}

// A plain RIFF/WAVE image: 44-byte header, then pcm as 16-bit mono frames at rate.
inline QByteArray monoWaveImage(int rate, const QByteArray& pcm)
{
    auto u32 = [](quint32 v) { char b[4]; qToLittleEndian(v, b); return QByteArray(b, 4); };
    auto u16 = [](quint16 v) { char b[2]; qToLittleEndian(v, b); return QByteArray(b, 2); };
    return QByteArray("RIFF") + u32(quint32(36 + pcm.size())) + QByteArray("WAVEfmt ") + u32(16) + u16(1)
        + u16(1) + u32(quint32(rate)) + u32(quint32(rate * 2)) + u16(2) + u16(16) + QByteArray("data")
        + u32(quint32(pcm.size())) + pcm;
}

} // namespace bench
