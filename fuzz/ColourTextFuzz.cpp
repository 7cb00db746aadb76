// Colour texts of the settings: any text gives a colour value or nothing, the throwing form
// agrees, and a value written as text reads back as the same value.

#include "FuzzCheck.h"

#include "platform/CommandError.h"
#include "tezvan/core/ColourText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(fuzz::input(data, size));
    const std::optional<quint32> value = tezvan::colourOfText(text);
    try {
        const quint32 thrown = tezvan::colourOfTextOrThrow(text);
        FUZZ_CHECK(value && thrown == *value);
    } catch (const platform::CommandError&) {
        FUZZ_CHECK(!value);
    }
    if (value)
        FUZZ_CHECK(tezvan::colourOfText(tezvan::colourText(*value)) == value);
    return 0;
}
