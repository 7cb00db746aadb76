// The ".nota" reader: any bytes load into a grid without fault, and the grid saved and
// loaded again is the same grid, byte for byte.

#include "FuzzCheck.h"

#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::input(data, size);
    tezvan2::NoteGrid first;
    tezvan2::nota::decodeInto(bytes, first);
    const QByteArray written = tezvan2::nota::encode(first);
    FUZZ_CHECK(written.size() == (first.count() + 1) * tezvan2::nota::kRecordSize);

    tezvan2::NoteGrid second;
    tezvan2::nota::decodeInto(written, second);
    FUZZ_CHECK(second.count() == first.count());
    for (int c = 0; c < first.count(); ++c) {
        FUZZ_CHECK(second.name(c) == first.name(c));
        FUZZ_CHECK(second.duration(c) == first.duration(c));
    }
    FUZZ_CHECK(tezvan2::nota::encode(second) == written);
    return 0;
}
