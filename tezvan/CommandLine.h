#pragma once
// tezvan's command line: the commands that run without a window and the note list the
// window opens at start. Parsed and answered by platform/CommandLine.

#include "platform/CommandLine.h"

namespace tezvan {

const platform::CommandLineProgram& commandLine();

} // namespace tezvan
