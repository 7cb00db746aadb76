#pragma once
// The text of the about window's guide: how to play, record, save and open, then our
// story of the instrument's name and the site's address. Text only, no rules.

#include <QString>

namespace tezvan2 {

QString userGuideText();

} // namespace tezvan2
