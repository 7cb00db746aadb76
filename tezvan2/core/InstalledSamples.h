#pragma once
// Where an installed tezvan2 keeps its ".wbs" samples: the share folder that lies beside
// the folder of the program (/usr/bin/tezvan2 -> /usr/share/tezvan2).

#include <QString>

namespace tezvan2 {

QString installedSampleFolder(const QString& programFolder);

} // namespace tezvan2
