#pragma once
// The 23 ".wbs" samples of tezvan2: one plucked saz note per note name, two strummed
// chords and a closing figure, as 22050 Hz 16-bit mono PCM RIFF/WAVE images.

#include "synth/Wave.h"

#include <string>
#include <vector>

namespace wbs {

constexpr int kRate = 22050;

struct WbsSound {
    std::string fileName; // exactly as tezvan2 names it ("SOL++.wbs", "laakor.wbs")
    double hz;            // the fundamental; for a chord or figure its lowest sounding root
    bool singleNote;      // one plucked note (so its pitch can be measured)
};

// The 23 files with their pitches, in the order of tezvan2's key table.
const std::vector<WbsSound>& wbsSounds();

// Renders one of them.
saz::Bytes wbsImage(const WbsSound& sound);

// A koma of the Turkish system: a ninth of a whole tone, 1200/53 cents.
constexpr double kKomaCents = 1200.0 / 53.0;

} // namespace wbs
