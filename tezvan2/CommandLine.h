#pragma once
// tezvan2's command line: the command that runs without a window. Parsed and answered by
// platform/CommandLine; the window opens no file from it.

#include "platform/CommandLine.h"

namespace tezvan2 {

const platform::CommandLineProgram& commandLine();

} // namespace tezvan2
