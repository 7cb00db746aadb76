#include "PitchEstimate.h"

#include <algorithm>

namespace saz {

double estimatePitch(const std::vector<std::int16_t>& samples, int rate, std::size_t from, std::size_t length,
                     double minHz, double maxHz)
{
    const std::size_t minLag = std::max<std::size_t>(2, std::size_t(rate / maxHz));
    const std::size_t maxLag = std::size_t(rate / minHz) + 1;
    if (from + length > samples.size() || length < 2 * maxLag)
        return 0.0;
    const std::size_t window = length - maxLag;

    std::vector<double> d(maxLag + 2, 0.0);
    for (std::size_t lag = 1; lag <= maxLag + 1; ++lag) {
        double sum = 0.0;
        for (std::size_t i = 0; i < window; ++i) {
            const double diff = double(samples[from + i]) - double(samples[from + i + lag]);
            sum += diff * diff;
        }
        d[lag] = sum;
    }
    // Normalise by the running mean, so short lags are not favoured.
    std::vector<double> nd(d.size(), 1.0);
    double running = 0.0;
    for (std::size_t lag = 1; lag < d.size(); ++lag) {
        running += d[lag];
        nd[lag] = running > 0.0 ? d[lag] * double(lag) / running : 1.0;
    }
    constexpr double threshold = 0.15;
    std::size_t best = 0;
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
        if (nd[lag] < threshold) {
            while (lag + 1 <= maxLag && nd[lag + 1] < nd[lag])
                ++lag;
            best = lag;
            break;
        }
    }
    if (best == 0) {
        best = minLag;
        for (std::size_t lag = minLag; lag <= maxLag; ++lag)
            if (nd[lag] < nd[best])
                best = lag;
        if (nd[best] > 0.5)
            return 0.0;
    }
    // Parabolic interpolation around the dip for a period finer than one sample.
    double period = double(best);
    const double a = nd[best - 1], b = nd[best], c = nd[best + 1];
    const double denom = a - 2.0 * b + c;
    if (denom > 0.0)
        period += 0.5 * (a - c) / denom;
    return double(rate) / period;
}

} // namespace saz
