// JPEG decoding through our libjpeg wrapper: any bytes give a picture or a null image,
// never a fault nor a jump that leaks; a decoded picture encoded and decoded again keeps
// its size.

#include "FuzzCheck.h"

#include "platform/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage picture = platform::decodeJpeg(fuzz::input(data, size));
    if (picture.isNull())
        return 0;
    FUZZ_CHECK(picture.width() > 0 && picture.height() > 0);
    const QImage again = platform::decodeJpeg(platform::encodeJpeg(picture, 90));
    FUZZ_CHECK(again.size() == picture.size());
    return 0;
}
