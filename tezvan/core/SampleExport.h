#pragma once
// "tezvan --export-samples DIR": writes the built-in bank's sixteen sounds as 00.wav ..
// 15.wav, each the exact RIFF image stored in the bank, so they can be taken into other
// software or checked. No window, no sound.

#include <QString>

namespace tezvan {

// Creates dir when missing and writes the files (each replaced whole or not at all).
// Returns 0 on success; otherwise prints a clear message to stderr and returns non-zero.
int exportSamplesCommand(const QString& dir);

} // namespace tezvan
