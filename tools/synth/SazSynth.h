#pragma once
// A plucked saz, synthesised: each string of a course is a tuned delay-line loop
// (extended Karplus-Strong) excited by a plectrum, the course's strings slightly detuned
// against each other, through a short body resonance, optionally with open courses that
// ring along. Deterministic: the same performance gives the same samples on every run.
// Not a real-time instrument: it renders whole sounds for the sample generators.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace saz {

// The rate the strings are computed at; outputs are decimated from it.
constexpr int kInternalRate = 44100;

// A small, seeded generator (splitmix64): the only source of noise in the synthesiser.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform(); // in [-1, 1)

private:
    std::uint64_t state_;
};

// A seed from a name, so that each sound has its own noise whatever order they are made in.
std::uint64_t seedOf(const char* name);

// One stroke of the plectrum on one course.
struct Pluck {
    double frequency = 220.0;    // Hz: the fundamental
    double startSeconds = 0.0;   // onset within the performance
    double velocity = 1.0;       // 0..1
    int strings = 2;             // strings in the course, 1..3
    double detuneCents = 3.0;    // spread between the course's outermost strings
    double octaveString = 0.0;   // level of a string an octave up (bass course); 0 = none
    double pickPosition = 0.12;  // plucking point: fraction of the length from the bridge
    double brightness = 0.8;     // 0 dull .. 1 bright: the plectrum's edge and the string's loss
    double sustainSeconds = 2.5; // time for the fundamental to fall by 60 dB
    double dampSeconds = -1.0;   // >= 0: the string is stopped this long after the onset
    double strumSeconds = 0.002; // time for the plectrum to cross the course
    std::uint64_t seed = 1;
};

// A pluck of the given pitch, onset, sustain and seed; everything else as above.
inline Pluck pluckOf(double hz, double startSeconds, double sustainSeconds, std::uint64_t seed)
{
    Pluck p;
    p.frequency = hz;
    p.startSeconds = startSeconds;
    p.sustainSeconds = sustainSeconds;
    p.seed = seed;
    return p;
}

struct Performance {
    std::vector<Pluck> plucks;
    double body = 1.0;                      // amount of body resonance
    std::vector<double> sympatheticStrings; // open courses that ring along (Hz)
    double sympathetic = 0.0;               // their level; 0 = none
};

// Renders the performance to exactly `frames` 16-bit samples at outRate (a divisor of
// kInternalRate), its loudest sample at `peak` of full scale, the last milliseconds faded
// to silence so that cutting it off does not click.
std::vector<std::int16_t> render(const Performance& performance, int outRate, std::size_t frames,
                                 double peak = 0.85);

// A short dry click (a plectrum tapping a muted string), exactly `frames` samples long.
std::vector<std::int16_t> click(int outRate, std::size_t frames, std::uint64_t seed, double peak = 0.7);

// Equal-tempered pitch: the frequency `cents` away from `hz`.
double cents(double hz, double cents);

} // namespace saz
