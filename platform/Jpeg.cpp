#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace platform {
namespace {

// A few bytes of header can claim a picture of gigabytes; ours are window-sized.
constexpr JDIMENSION kMaxSide = 8192;
constexpr unsigned long long kMaxPixels = 16ull * 1024 * 1024;
// libjpeg's own working memory (a progressive file keeps all its coefficients).
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

// libjpeg's default error handler calls exit(); ours jumps back to the caller instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

// Warnings (a truncated file, for example) count as damage: a half-decoded picture is
// not shown as if it were whole.
void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpOnError(info);
}

void quiet(j_common_ptr) {}

// The decoded picture is copied line by line into this image, which lives outside the
// setjmp frame so that a jump never skips its destructor.
bool decodeInto(const QByteArray& jpeg, QImage& out)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.emit_message = failOnWarning;
    errors.base.output_message = quiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide
        || (unsigned long long)info.image_width * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (out.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // libjpeg owns the line buffer, so a jump out of a damaged file leaks nothing.
    JSAMPARRAY line =
        (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, line, 1);
        auto* dest = reinterpret_cast<QRgb*>(out.scanLine(y));
        const JSAMPLE* src = line[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            dest[x] = qRgb(src[x * 3], src[x * 3 + 1], src[x * 3 + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& jpeg)
{
    if (jpeg.isEmpty())
        return {};
    QImage out;
    if (!decodeInto(jpeg, out))
        return {};
    return out;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qBound(1, quality, 100), TRUE);
    // Full-resolution colour: the pictures carry small coloured lettering.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace platform
