#include "SazSynth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <stdexcept>

namespace saz {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFs = kInternalRate;

// Phase delay, in samples, of a filter's response h at angular frequency w.
double phaseDelay(std::complex<double> h, double w)
{
    return -std::arg(h) / w;
}

// Two-tap loss filter (1 - s) + s z^-1: s small keeps the highs ringing (steel strings),
// s near 0.5 dulls them.
std::complex<double> lossResponse(double s, double w)
{
    return (1.0 - s) + s * std::polar(1.0, -w);
}

// First-order allpass (a + z^-1) / (1 + a z^-1).
std::complex<double> allpassResponse(double a, double w)
{
    const std::complex<double> z1 = std::polar(1.0, -w);
    return (a + z1) / (1.0 + a * z1);
}

struct FirstOrderAllpass {
    double a = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    double step(double x)
    {
        const double y = a * x + x1 - a * y1;
        x1 = x;
        y1 = y;
        return y;
    }
};

// The stiffness of a steel string: high partials run slightly sharp.
constexpr double kDispersion = -0.12;

// One string: a delay line closed through loss, dispersion and a fractional allpass
// that tunes the loop to the exact period.
class StringLoop {
public:
    StringLoop(double frequency, double sustainSeconds, double brightness) : frequency_(frequency)
    {
        const double w = 2.0 * kPi * frequency / kFs;
        // Bright plucks keep their highs longer; the attack starts brighter still.
        lossEnd_ = 0.08 + 0.32 * (1.0 - brightness);
        lossStart_ = std::max(0.02, lossEnd_ * 0.35);
        loss_ = lossStart_;
        dispersion_.a = kDispersion;

        const double period = kFs / frequency;
        const double fixed =
            phaseDelay(lossResponse(lossEnd_, w), w) + phaseDelay(allpassResponse(kDispersion, w), w);
        const double rest = period - fixed;
        length_ = std::size_t(std::floor(rest)) - 1;
        target_ = rest;
        line_.assign(length_, 0.0);
        setFraction(rest - double(length_), w);

        // Loop gain so that the fundamental falls by 60 dB in sustainSeconds.
        const double perPeriod = std::pow(0.001, 1.0 / (frequency * sustainSeconds));
        gain_ = perPeriod / std::abs(lossResponse(lossEnd_, w));
    }

    // A new pluck excites the loop: adds the shape into the line.
    void excite(const std::vector<double>& shape)
    {
        for (std::size_t i = 0; i < shape.size(); ++i)
            line_[(pos_ + i) % length_] += shape[i];
    }

    void damp()
    {
        gain_ *= std::pow(0.001, 1.0 / (frequency_ * 0.08));
        damped_ = true;
    }
    bool damped() const { return damped_; }

    // Glides the pitch: a string struck hard sounds a little sharp until it settles.
    void detuneBy(double ratio)
    {
        const double w = 2.0 * kPi * frequency_ / kFs;
        setFraction((target_ / ratio) - double(length_), w);
    }

    double step(double input)
    {
        const double out = line_[pos_];
        loss_ = lossEnd_ + (loss_ - lossEnd_) * 0.9995;
        const double filtered = (1.0 - loss_) * out + loss_ * lastOut_;
        lastOut_ = out;
        const double back = fraction_.step(dispersion_.step(gain_ * filtered));
        line_[pos_] = back + input;
        pos_ = (pos_ + 1) % length_;
        return out;
    }

    std::size_t period() const { return length_ + 1; }

private:
    // Sets the fractional allpass so that it adds `d` samples of delay at w (the
    // first-order Thiran value is exact only at DC, so correct it at the pitch itself).
    void setFraction(double d, double w)
    {
        double param = d;
        for (int i = 0; i < 4; ++i) {
            const double got = phaseDelay(allpassResponse((1.0 - param) / (1.0 + param), w), w);
            param = std::clamp(param + (d - got), 0.05, 3.0);
        }
        fraction_.a = (1.0 - param) / (1.0 + param);
    }

    double frequency_;
    double lossStart_ = 0.0;
    double lossEnd_ = 0.0;
    double loss_ = 0.0;
    double gain_ = 1.0;
    double target_ = 0.0;
    double lastOut_ = 0.0;
    bool damped_ = false;
    std::size_t length_ = 1;
    std::size_t pos_ = 0;
    std::vector<double> line_;
    FirstOrderAllpass dispersion_;
    FirstOrderAllpass fraction_;
};

// The plectrum's stroke as the string's initial displacement: a sharp-edged noise burst,
// softened by velocity and brightness, with the notch of the plucking point.
std::vector<double> plectrumShape(std::size_t period, const Pluck& p, Random& rng)
{
    std::vector<double> shape(period);
    const double edge = 0.25 + 0.7 * p.brightness * (0.5 + 0.5 * p.velocity);
    double low = 0.0;
    for (std::size_t i = 0; i < period; ++i) {
        // A triangle (the string pulled aside by the plectrum) plus noise (its edge).
        const double t = double(i) / double(period);
        const double tri = t < p.pickPosition ? t / p.pickPosition : (1.0 - t) / (1.0 - p.pickPosition);
        const double raw = 0.55 * (tri - 0.5) + 0.9 * rng.uniform();
        low += edge * (raw - low);
        shape[i] = low;
    }
    const std::size_t notch = std::max<std::size_t>(1, std::size_t(std::lround(p.pickPosition * double(period))));
    std::vector<double> combed(period);
    for (std::size_t i = 0; i < period; ++i)
        combed[i] = shape[i] - (i >= notch ? shape[i - notch] : 0.0);
    for (double& v : combed)
        v *= p.velocity;
    return combed;
}

// RBJ band-pass (0 dB peak): one mode of the body.
struct Resonator {
    double b0, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    Resonator(double hz, double q)
    {
        const double w = 2.0 * kPi * hz / kFs;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2.0 * std::cos(w) / a0;
        a2 = (1.0 - alpha) / a0;
    }
    double step(double x)
    {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The bowl and the thin top: a low air mode, the top's modes and the bright presence that
// makes a saz sound metallic. Short: a plucked note's ring belongs to its strings.
struct Body {
    std::vector<Resonator> modes{{145.0, 5.0}, {410.0, 6.0}, {1050.0, 5.0}, {2800.0, 3.0}, {4300.0, 4.0}};
    std::vector<double> gains{0.35, 0.30, 0.22, 0.35, 0.18};
    double step(double x, double amount)
    {
        double wet = 0.0;
        for (std::size_t i = 0; i < modes.size(); ++i)
            wet += gains[i] * modes[i].step(x);
        return 0.75 * x + amount * wet;
    }
};

// One sounding string of a pluck with its onset.
struct ActiveString {
    StringLoop loop;
    std::size_t onset;
    std::size_t dampAt;
    double level;
    double glide;
    std::vector<double> shape;
};

std::vector<double> windowedSinc(int factor)
{
    const int half = 24 * factor;
    std::vector<double> taps(std::size_t(2 * half + 1));
    const double cutoff = 0.45 / factor; // of the internal rate
    double sum = 0.0;
    for (int i = -half; i <= half; ++i) {
        const double x = double(i);
        const double sinc = i == 0 ? 2.0 * cutoff : std::sin(2.0 * kPi * cutoff * x) / (kPi * x);
        const double n = double(i + half) / double(2 * half);
        const double blackman = 0.42 - 0.5 * std::cos(2.0 * kPi * n) + 0.08 * std::cos(4.0 * kPi * n);
        taps[std::size_t(i + half)] = sinc * blackman;
        sum += sinc * blackman;
    }
    for (double& t : taps)
        t /= sum;
    return taps;
}

// Decimates by `factor` with a centred low-pass, so nothing is shifted in time.
std::vector<double> decimate(const std::vector<double>& in, int factor, std::size_t frames)
{
    if (factor == 1)
        return std::vector<double>(in.begin(), in.begin() + std::ptrdiff_t(frames));
    const std::vector<double> taps = windowedSinc(factor);
    const std::ptrdiff_t half = std::ptrdiff_t(taps.size() / 2);
    std::vector<double> out(frames);
    for (std::size_t k = 0; k < frames; ++k) {
        const std::ptrdiff_t centre = std::ptrdiff_t(k) * factor;
        double acc = 0.0;
        for (std::ptrdiff_t j = -half; j <= half; ++j) {
            const std::ptrdiff_t at = centre + j;
            if (at >= 0 && at < std::ptrdiff_t(in.size()))
                acc += taps[std::size_t(j + half)] * in[std::size_t(at)];
        }
        out[k] = acc;
    }
    return out;
}

std::vector<std::int16_t> finish(std::vector<double> signal, int outRate, double peak)
{
    // Remove any DC the loops leave, then fade the end so the cut does not click.
    double prevIn = 0.0, prevOut = 0.0;
    const double r = 1.0 - 2.0 * kPi * 15.0 / outRate;
    for (double& v : signal) {
        const double y = v - prevIn + r * prevOut;
        prevIn = v;
        prevOut = y;
        v = y;
    }
    const std::size_t fade = std::min(signal.size(), std::size_t(outRate * 0.03));
    for (std::size_t i = 0; i < fade; ++i) {
        const double t = double(i + 1) / double(fade + 1);
        signal[signal.size() - fade + i] *= 0.5 + 0.5 * std::cos(kPi * t);
    }
    double loudest = 0.0;
    for (double v : signal)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> out(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i)
        out[i] = std::int16_t(std::lround(std::clamp(signal[i] * scale, -32768.0, 32767.0)));
    return out;
}

int factorOf(int outRate)
{
    if (outRate <= 0 || kInternalRate % outRate != 0)
        throw std::invalid_argument("output rate must divide the internal rate");
    return kInternalRate / outRate;
}

} // namespace

std::uint64_t Random::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::uniform()
{
    return double(next() >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

std::uint64_t seedOf(const char* name)
{
    std::uint64_t h = 1469598103934665603ull; // FNV-1a
    for (const char* c = name; *c; ++c) {
        h ^= std::uint8_t(*c);
        h *= 1099511628211ull;
    }
    return h;
}

double cents(double hz, double c)
{
    return hz * std::pow(2.0, c / 1200.0);
}

std::vector<std::int16_t> render(const Performance& perf, int outRate, std::size_t frames, double peak)
{
    const int factor = factorOf(outRate);
    const std::size_t total = frames * std::size_t(factor) + std::size_t(64 * factor);

    std::vector<ActiveString> strings;
    for (const Pluck& p : perf.plucks) {
        Random rng(p.seed);
        const int n = std::clamp(p.strings, 1, 3);
        const std::size_t onset = std::size_t(std::lround(p.startSeconds * kFs));
        const std::size_t strum = std::size_t(std::lround(p.strumSeconds * kFs));
        const std::size_t dampAt =
            p.dampSeconds >= 0.0 ? onset + std::size_t(std::lround(p.dampSeconds * kFs)) : total;
        auto add = [&](double hz, std::size_t start, double level) {
            StringLoop loop(hz, p.sustainSeconds, p.brightness);
            std::vector<double> shape = plectrumShape(loop.period(), p, rng);
            strings.push_back({std::move(loop), start, dampAt, level, 1.0 + 0.004 * p.velocity, std::move(shape)});
        };
        for (int s = 0; s < n; ++s) {
            const double spread = n == 1 ? 0.0 : p.detuneCents * (double(s) / double(n - 1) - 0.5);
            const double wobble = 0.3 * rng.uniform(); // no two courses tuned quite alike
            add(cents(p.frequency, spread + wobble), onset + std::size_t(s) * strum / std::size_t(n),
                s == 0 ? 1.0 : 0.85 - 0.1 * s);
        }
        if (p.octaveString > 0.0)
            add(cents(2.0 * p.frequency, 1.0 + 0.5 * rng.uniform()), onset + strum / 2, p.octaveString);
    }

    std::vector<StringLoop> drones;
    for (double hz : perf.sympatheticStrings)
        drones.emplace_back(hz, 4.0, 0.9);

    // The plectrum's tick itself: a few milliseconds of bright noise at each onset.
    std::vector<double> pickNoise(total, 0.0);
    for (const Pluck& p : perf.plucks) {
        Random rng(p.seed ^ 0xA5A5A5A5ull);
        const std::size_t onset = std::size_t(std::lround(p.startSeconds * kFs));
        const std::size_t len = std::size_t(0.006 * kFs);
        double prev = 0.0;
        for (std::size_t i = 0; i < len && onset + i < total; ++i) {
            const double n = rng.uniform();
            const double hp = n - prev; // first difference: only the highs
            prev = n;
            pickNoise[onset + i] += 0.10 * p.velocity * p.brightness * hp * std::exp(-double(i) / (0.0012 * kFs));
        }
    }

    Body body;
    std::vector<double> mix(total, 0.0);
    for (std::size_t t = 0; t < total; ++t) {
        double bridge = pickNoise[t];
        for (ActiveString& s : strings) {
            if (t < s.onset)
                continue;
            const std::size_t age = t - s.onset;
            if (age == 0)
                s.loop.excite(s.shape);
            if (t == s.dampAt && !s.loop.damped())
                s.loop.damp();
            if (age < std::size_t(0.12 * kFs) && (age % 64) == 0) {
                const double settle = std::exp(-double(age) / (0.035 * kFs));
                s.loop.detuneBy(1.0 + (s.glide - 1.0) * settle);
            }
            bridge += s.level * s.loop.step(0.0);
        }
        if (!drones.empty()) {
            double ring = 0.0;
            for (StringLoop& d : drones)
                ring += d.step(0.0015 * bridge);
            bridge += perf.sympathetic * ring;
        }
        mix[t] = body.step(bridge, perf.body);
    }
    return finish(decimate(mix, factor, frames), outRate, peak);
}

std::vector<std::int16_t> click(int outRate, std::size_t frames, std::uint64_t seed, double peak)
{
    const int factor = factorOf(outRate);
    const std::size_t total = frames * std::size_t(factor);
    Random rng(seed);
    std::vector<double> signal(total);
    Resonator ting(3200.0, 8.0), knock(900.0, 3.0);
    double prev = 0.0;
    for (std::size_t i = 0; i < total; ++i) {
        const double env = std::exp(-double(i) / (0.0007 * kFs));
        const double n = rng.uniform();
        const double hp = n - prev;
        prev = n;
        const double x = hp * env;
        signal[i] = 0.5 * x + 2.0 * ting.step(x) + 1.2 * knock.step(x);
    }
    std::vector<double> out = decimate(signal, factor, frames);
    // A click is all attack: no DC filter, just the last few samples faded.
    const std::size_t fade = std::min<std::size_t>(frames, 8);
    for (std::size_t i = 0; i < fade; ++i)
        out[frames - fade + i] *= double(fade - i - 1) / double(fade);
    double loudest = 0.0;
    for (double v : out)
        loudest = std::max(loudest, std::abs(v));
    std::vector<std::int16_t> pcm(frames);
    for (std::size_t i = 0; i < frames; ++i)
        pcm[i] = std::int16_t(std::lround(loudest > 0 ? out[i] * peak * 32767.0 / loudest : 0.0));
    return pcm;
}

} // namespace saz
