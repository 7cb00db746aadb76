#include "WbsSamples.h"

#include "synth/SazSynth.h"
#include "tezvan2/core/NoteTable.h"

#include <cmath>
#include <stdexcept>

namespace wbs {
namespace {

// The pitches are the note table's: each file is tuned to what tezvan2 says it sounds.
double pitchOf(const char* fileName)
{
    if (const auto hz = tezvan2::samplePitchHz(QString::fromLatin1(fileName)))
        return *hz;
    throw std::invalid_argument(std::string("the note table has no pitch for ") + fileName);
}

const double kLa = pitchOf("LA.wbs");
const double kSi = pitchOf("SI.wbs");
const double kDo = pitchOf("DO.wbs");
const double kRe = pitchOf("RE.wbs");
const double kMi = pitchOf("MI.wbs");
const double kFa = pitchOf("fa.wbs");
const double kSol = pitchOf("SOL.wbs");

// The open courses of the saz's usual tuning (LA, RE, SOL) ring along faintly.
const std::vector<double> kOpenCourses{kLa, kRe, kSol};

// A pluck on the course that carries hz.
saz::Pluck pluckOnCourse(double hz, double at, double sustain, std::uint64_t seed)
{
    saz::Pluck p = saz::pluckOf(hz, at, sustain, seed);
    // Low notes lie on the bass course with its octave string; high ones on the thin top
    // course, plucked nearer the bridge.
    if (hz < 200.0) {
        p.strings = 3;
        p.octaveString = 0.3;
        p.pickPosition = 0.10;
        p.brightness = 0.78;
    } else if (hz > 500.0) {
        p.strings = 2;
        p.pickPosition = 0.16;
        p.brightness = 0.92;
    }
    return p;
}

std::vector<std::int16_t> note(const WbsSound& s)
{
    // High notes ring shorter on a real neck; keep each file about as long as it sounds.
    const double seconds = s.hz > 500.0 ? 1.0 : s.hz < 200.0 ? 1.6 : 1.4;
    saz::Performance perf;
    perf.plucks = {pluckOnCourse(s.hz, 0.0, 1.6 * seconds, saz::seedOf(s.fileName.c_str()))};
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.2;
    return saz::render(perf, kRate, std::size_t(seconds * kRate));
}

std::vector<std::int16_t> chord(const std::vector<double>& voicing, double strum, bool upward,
                                const std::string& name)
{
    saz::Performance perf;
    for (std::size_t i = 0; i < voicing.size(); ++i) {
        const std::size_t k = upward ? voicing.size() - 1 - i : i;
        saz::Pluck p = pluckOnCourse(voicing[k], strum * double(i), 3.0, saz::seedOf(name.c_str()) + k);
        p.velocity = 0.85;
        perf.plucks.push_back(p);
    }
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.25;
    return saz::render(perf, kRate, std::size_t(2.2 * kRate));
}

// A closing figure: a run down from SOL to the tonic LA, which rings with its low octave.
std::vector<std::int16_t> closing()
{
    const std::vector<double> run{kSol, kFa, kMi, kRe, kDo, kSi};
    saz::Performance perf;
    const std::uint64_t seed = saz::seedOf("BITIS.wbs");
    for (std::size_t i = 0; i < run.size(); ++i) {
        saz::Pluck p = pluckOnCourse(run[i], 0.09 * double(i), 1.5, seed + i);
        p.velocity = 0.8;
        p.dampSeconds = 0.09;
        perf.plucks.push_back(p);
    }
    saz::Pluck tonic = pluckOnCourse(kLa, 0.56, 3.0, seed + 100);
    tonic.strings = 3;
    tonic.strumSeconds = 0.01;
    perf.plucks.push_back(tonic);
    saz::Pluck low = pluckOnCourse(kLa / 2.0, 0.565, 3.0, seed + 101);
    low.velocity = 0.7;
    perf.plucks.push_back(low);
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.25;
    return saz::render(perf, kRate, std::size_t(2.6 * kRate));
}

} // namespace

const std::vector<WbsSound>& wbsSounds()
{
    static const std::vector<WbsSound> sounds = [] {
        std::vector<WbsSound> out;
        for (const auto& [name, single] : std::initializer_list<std::pair<const char*, bool>>{
                 {"fa+.wbs", true},   {"sol+.wbs", true},    {"SIB5.wbs", true},   {"SIB2.wbs", true},
                 {"DOD.wbs", true},   {"RED.wbs", true},     {"fad.wbs", true},    {"SIB5-.wbs", true},
                 {"SIB2-.wbs", true}, {"LA.wbs", true},      {"SI.wbs", true},     {"DO.wbs", true},
                 {"RE.wbs", true},    {"MI.wbs", true},      {"fa.wbs", true},     {"SOL.wbs", true},
                 {"LA-.wbs", true},   {"SI-.wbs", true},     {"DO-.wbs", true},    {"SOL++.wbs", true},
                 {"LAAK.wbs", false}, {"laakor.wbs", false}, {"BITIS.wbs", false},
             })
            out.push_back({name, pitchOf(name), single});
        return out;
    }();
    return sounds;
}

saz::Bytes wbsImage(const WbsSound& s)
{
    if (s.singleNote)
        return saz::waveImage(kRate, note(s));
    if (s.fileName == "LAAK.wbs") // the key's chord: LA, MI, LA struck down, close
        return saz::waveImage(kRate, chord({kLa, kMi, 2.0 * kLa}, 0.014, false, s.fileName));
    if (s.fileName == "laakor.wbs") // the picture's chord: a wide LA minor struck up
        return saz::waveImage(kRate, chord({kLa / 2.0, kMi / 2.0, kLa, kDo, kMi}, 0.022, true, s.fileName));
    if (s.fileName == "BITIS.wbs")
        return saz::waveImage(kRate, closing());
    throw std::invalid_argument("no recipe for " + s.fileName);
}

} // namespace wbs
