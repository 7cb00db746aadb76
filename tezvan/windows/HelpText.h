#pragma once
// The help window's text: what the note list and a note file hold, the note codes, saving
// the list as shown, the time commands, the key assignment and where new versions are.

#include <QString>

namespace tezvan {

QString helpText();

} // namespace tezvan
