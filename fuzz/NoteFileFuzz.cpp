// The ".tnl" reader: any bytes split into entries without fault; the entries written and
// read again are the same entries; every entry parses or is refused cleanly.

#include "FuzzCheck.h"

#include "tezvan/core/NoteFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList entries = tezvan::splitNoteText(fuzz::input(data, size));
    const QByteArray written = tezvan::noteFileBytes(entries);
    FUZZ_CHECK(tezvan::splitNoteText(written) == entries);
    // A second round changes nothing more: the written form is the canonical one.
    FUZZ_CHECK(tezvan::noteFileBytes(tezvan::splitNoteText(written)) == written);

    const QStringList visible = tezvan::visibleLinesOf(entries);
    FUZZ_CHECK(visible.size() == entries.size());
    for (const QString& entry : entries) {
        if (const auto parsed = tezvan::parseNoteEntry(entry))
            FUZZ_CHECK(entry.size() >= 4);
    }
    return 0;
}
