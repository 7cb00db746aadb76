#include "TezvanBank.h"

#include "synth/SazSynth.h"
#include "tezvan/core/NotePitches.h"
#include "tezvan/core/SampleBankLayout.h"

#include <stdexcept>

namespace tezvan_bank {
namespace {

constexpr int kNoteRate = 11025;
constexpr int kExtraRate = 22050;

// The open courses of the bank's tuning ring along faintly with every note.
const std::vector<double> kOpenCourses{151.0, 202.0, 226.0};

struct NoteRecipe {
    int index;
    const char* description;
    std::size_t dataBytes;
    int strings;
    double octave; // level of the bass course's octave string
    double pick;   // plucking point
    double brightness;
};

// Bass courses ("-K" notes and the low ones) carry an octave string, like a real saz's
// lowest course; the thin top course ("-I") is plucked brighter. Each is tuned to its note's
// pitch (tezvan::kNotePitchesHz).
const std::vector<NoteRecipe>& noteRecipes()
{
    static const std::vector<NoteRecipe> recipes{
        {0, "DO_K", 30044, 3, 0.30, 0.11, 0.80},  {1, "RE_", 27590, 2, 0.00, 0.12, 0.85},
        {2, "MI_", 23552, 2, 0.00, 0.12, 0.85},   {3, "FA_", 18540, 2, 0.00, 0.13, 0.85},
        {4, "SOL_K", 23354, 3, 0.30, 0.10, 0.78}, {5, "LA_", 23868, 3, 0.00, 0.11, 0.80},
        {6, "SI_", 29032, 3, 0.00, 0.11, 0.80},   {7, "SOLID", 20272, 3, 0.00, 0.12, 0.82},
        {8, "DO_I", 23452, 2, 0.00, 0.14, 0.92},  {9, "RE_I", 22202, 2, 0.00, 0.14, 0.92},
        {10, "SOL_", 25800, 2, 0.00, 0.14, 0.82}, {11, "MI_", 27786, 3, 0.30, 0.10, 0.78},
        {12, "DO_", 36592, 3, 0.35, 0.09, 0.75},
    };
    return recipes;
}

constexpr double kClosingHz = tezvan::kNotePitchesHz[13];
constexpr std::size_t kClosingBytes = 55732;
constexpr std::size_t kClickBytes = 174;
constexpr std::size_t kFlourishBytes = 111142;

saz::Bytes noteWave(const NoteRecipe& r)
{
    const std::size_t frames = r.dataBytes / 2;
    saz::Pluck p = saz::pluckOf(tezvan::kNotePitchesHz[std::size_t(r.index)], 0.0, 1.8 * double(frames) / kNoteRate,
                                saz::seedOf(r.description) + std::uint64_t(r.index));
    p.strings = r.strings;
    p.octaveString = r.octave;
    p.pickPosition = r.pick;
    p.brightness = r.brightness;
    saz::Performance perf;
    perf.plucks = {p};
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.2;
    return saz::waveImage(kNoteRate, saz::render(perf, kNoteRate, frames));
}

// A closing figure: a quick descent with a turn, each note stopped by the next on the
// same course, then the tonic struck on a full course and left to ring.
saz::Bytes closingWave()
{
    struct Step {
        double hz;
        double at;
    };
    const std::vector<Step> run{{302.0, 0.00}, {270.0, 0.10}, {248.0, 0.20},
                                {226.0, 0.30}, {248.0, 0.40}, {226.0, 0.47}};
    saz::Performance perf;
    const std::uint64_t seed = saz::seedOf("BITIS");
    for (std::size_t i = 0; i < run.size(); ++i) {
        saz::Pluck p = saz::pluckOf(run[i].hz, run[i].at, 1.5, seed + i);
        p.velocity = i == 0 ? 1.0 : 0.8;
        const double next = i + 1 < run.size() ? run[i + 1].at : 0.62;
        p.dampSeconds = next - run[i].at;
        perf.plucks.push_back(p);
    }
    saz::Pluck last = saz::pluckOf(kClosingHz, 0.62, 3.0, seed + 100);
    last.strings = 3;
    last.octaveString = 0.25;
    last.strumSeconds = 0.012;
    perf.plucks.push_back(last);
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.25;
    return saz::waveImage(kNoteRate, saz::render(perf, kNoteRate, kClosingBytes / 2));
}

// The menu click: a few milliseconds, with a "fact" chunk (its length in samples) after
// the sound data.
saz::Bytes clickWave()
{
    const std::size_t frames = kClickBytes / 2;
    saz::Chunk fact{"fact", {}};
    saz::putU32(fact.body, std::uint32_t(frames));
    return saz::waveImage(kExtraRate, saz::click(kExtraRate, frames, saz::seedOf("Dolasim")), {fact});
}

// The programmer's flourish: a fast run up the scale, a plectrum tremolo on its top, and
// a strummed chord that rings out; tagged with metadata of our own.
saz::Bytes flourishWave()
{
    const std::vector<double> run{170.0, 185.0, 202.0, 226.0, 248.0, 270.0, 302.0, 340.0};
    const std::uint64_t seed = saz::seedOf("Cks");
    saz::Performance perf;
    double at = 0.0;
    for (std::size_t i = 0; i < run.size(); ++i, at += 0.075) {
        saz::Pluck p = saz::pluckOf(run[i], at, 1.2, seed + i);
        p.velocity = 0.75 + 0.03 * double(i);
        p.dampSeconds = 0.075;
        perf.plucks.push_back(p);
    }
    for (int i = 0; i < 18; ++i, at += 0.045) {
        saz::Pluck p = saz::pluckOf(340.0, at, 1.2, seed + 50 + std::uint64_t(i));
        p.velocity = (i % 2) ? 0.6 : 0.85; // down and up strokes of the plectrum
        p.dampSeconds = 0.045;
        perf.plucks.push_back(p);
    }
    for (double hz : {170.0, 226.0, 255.0, 340.0}) {
        saz::Pluck p = saz::pluckOf(hz, at, 2.5, seed + 100 + std::uint64_t(hz));
        p.strumSeconds = 0.004;
        perf.plucks.push_back(p);
        at += 0.018;
    }
    perf.sympatheticStrings = kOpenCourses;
    perf.sympathetic = 0.25;
    const std::vector<std::int16_t> samples = saz::render(perf, kExtraRate, kFlourishBytes / 2);
    // 82 bytes of metadata: the LIST header, "INFO" and two entries.
    const saz::Chunk info =
        saz::infoList({{"INAM", "Tezvan programci"}, {"ISFT", "Plucked saz synthesiser of tezvan 1"}});
    return saz::waveImage(kExtraRate, samples, {info});
}

void expectSize(const saz::Bytes& wave, std::size_t bytes, const char* what)
{
    if (wave.size() != bytes)
        throw std::logic_error(std::string("wrong length of ") + what + ": " + std::to_string(wave.size()));
}

} // namespace

std::vector<BankSound> bankSounds()
{
    std::vector<BankSound> sounds;
    for (const NoteRecipe& r : noteRecipes()) {
        sounds.push_back({r.description, 0, noteWave(r)});
        expectSize(sounds.back().wave, r.dataBytes + 44, r.description);
    }
    sounds.push_back({"BITIS", 0, closingWave()});
    expectSize(sounds.back().wave, 55776, "BITIS");
    sounds.push_back({"Dolasim", 14, clickWave()});
    expectSize(sounds.back().wave, 230, "Dolasim");
    sounds.push_back({"Cks", 15, flourishWave()});
    expectSize(sounds.back().wave, 111268, "Cks");
    return sounds;
}

saz::Bytes internalValue(const std::string& description, std::int32_t ident, const saz::Bytes& wave)
{
    using namespace tezvan::bank_layout;
    if (description.size() > kLongestDescription)
        throw std::invalid_argument("a description holds at most 255 characters");
    std::uint8_t flags = 0;
    if (!description.empty())
        flags |= HasDescription;
    if (ident != 0)
        flags |= HasIdent;
    if (!wave.empty())
        flags |= HasSample;
    saz::Bytes out{flags};
    if (flags & HasDescription) {
        out.push_back(std::uint8_t(description.size()));
        saz::putText(out, description);
    }
    if (flags & HasIdent)
        saz::putU32(out, std::uint32_t(ident));
    if (flags & HasSample) {
        saz::putU32(out, std::uint32_t(wave.size()));
        out.insert(out.end(), wave.begin(), wave.end());
    }
    return out;
}

saz::Bytes bankContainer(const std::vector<BankSound>& sounds)
{
    saz::Bytes out;
    saz::putText(out, tezvan::bank_layout::kMagic);
    saz::putU32(out, std::uint32_t(sounds.size()));
    for (const BankSound& s : sounds) {
        out.push_back(std::uint8_t(s.description.size()));
        saz::putText(out, s.description);
        saz::putU32(out, std::uint32_t(s.ident));
        const saz::Bytes value = internalValue(s.description, s.ident, s.wave);
        saz::putU32(out, std::uint32_t(value.size()));
        out.insert(out.end(), value.begin(), value.end());
    }
    return out;
}

} // namespace tezvan_bank
