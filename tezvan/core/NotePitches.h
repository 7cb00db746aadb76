#pragma once
// The pitch each of tezvan's fourteen notes sounds, by note number: the fundamental its
// sample in the built-in bank is tuned to (the closing figure, 13, by its long last note).
// The one home of these pitches: the bank's recipe tunes the samples to them and the MIDI
// code sends them. Plain numbers in a header of their own, so the bank's tool reads them
// without linking the core that carries the bank it makes.

#include <array>

namespace tezvan {

inline constexpr std::array<double, 14> kNotePitchesHz{
    202.0, // 00 DO-K
    226.0, // 01 RE
    248.0, // 02 Mİ
    270.0, // 03 FA
    151.0, // 04 SOL-K
    170.0, // 05 LA
    185.0, // 06 Sİ
    180.0, // 07 SOLID
    201.0, // 08 DO-İ
    226.0, // 09 RE-İ
    151.0, // 10 SOL-
    136.0, // 11 Mİ-2
    101.0, // 12 DO-1
    202.0, // 13 BİTİŞ
};

} // namespace tezvan
