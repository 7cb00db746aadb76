#pragma once
// "tezvan2 --render IN.nota OUT.wav": what "DİNLE" would sound for a note file, with the
// ".wbs" samples of the working directory (or else the installed ones), written as a
// wave file without a window.

#include <QString>

namespace tezvan2 {

// 0 on success; otherwise a message on stderr and a non-zero exit code.
int renderNotaCommand(const QString& in, const QString& out);

} // namespace tezvan2
