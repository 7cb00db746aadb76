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

// How each of the 23 files sounds, by its name. Which files there are is tezvan2's note
// table's to say (tezvan2::sampleFiles()); make_wbs refuses a name without a recipe here.
const std::vector<WbsSound>& wbsSounds();

// Renders one of them.
saz::Bytes wbsImage(const WbsSound& sound);

} // namespace wbs
