#pragma once
// tezvan's note lists (".tnl") as a file type of the desktop, with tezvan as the program
// that opens them: what the file-type registration writes. The messages it ends with
// are here too.

#include "platform/FileTypeRegistration.h"

#include <QString>

namespace tezvan {

// The type's name, and the description the desktop shows for it.
inline constexpr char kNoteFileTypeName[] = "SazDosysi";

platform::FileTypeHandler noteFileType();

// What the user is told when the registration is done.
QString fileTypeRegisteredText();

} // namespace tezvan
