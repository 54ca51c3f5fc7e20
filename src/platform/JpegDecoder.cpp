#include "platform/JpegDecoder.h"

#include <QFile>

#include <csetjmp>
#include <memory>

#include <jpeglib.h>

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// libjpeg's default handler calls exit(); this one returns to the decoder instead.
[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (level −1) mean damaged data: such a picture counts as unreadable.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

// Kept on the heap so that its contents stay defined across the longjmp.
struct Decoder {
    jpeg_decompress_struct info {};
    ErrorManager error {};
    QImage image;
};

} // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const auto d = std::make_unique<Decoder>();
    d->info.err = jpeg_std_error(&d->error.base);
    d->error.base.error_exit = onError;
    d->error.base.emit_message = onMessage;
    if (setjmp(d->error.jump)) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(
        &d->info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d->info, TRUE);
    if (d->info.image_width == 0 || d->info.image_height == 0 || d->info.image_width > kMaxSide
        || d->info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    d->image = QImage(
        static_cast<int>(d->info.output_width), static_cast<int>(d->info.output_height), QImage::Format_RGB888);
    if (d->image.isNull() || d->info.output_components != 3) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = d->image.scanLine(static_cast<int>(d->info.output_scanline));
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return std::move(d->image);
}

QImage loadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}
