// Decoding JPEG pictures: good pictures decode, damaged ones give a null image and never
// crash or end the program.
#include "platform/JpegDecoder.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

#include <cstdio> // jpeglib.h uses FILE without declaring it
#include <jpeglib.h>

namespace {

// Encodes width x height pixels of one byte per component (3 for RGB, 1 for grey).
QByteArray encode(int width, int height, J_COLOR_SPACE space, const std::vector<unsigned char>& pixels)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr error {};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = space == JCS_GRAYSCALE ? 1 : 3;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    const int stride = width * info.input_components;
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<unsigned char*>(pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

// 64 x 32 pixels: the left half red, the right half blue.
QByteArray redBlue()
{
    std::vector<unsigned char> pixels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            pixels.insert(pixels.end(),
                x < 32 ? std::initializer_list<unsigned char> { 220, 30, 30 }
                       : std::initializer_list<unsigned char> { 30, 60, 200 });
    return encode(64, 32, JCS_RGB, pixels);
}

void expectNear(QRgb actual, QColor expected)
{
    EXPECT_NEAR(qRed(actual), expected.red(), 16);
    EXPECT_NEAR(qGreen(actual), expected.green(), 16);
    EXPECT_NEAR(qBlue(actual), expected.blue(), 16);
}

// Offset of the frame header (SOF0 marker) in a baseline JPEG.
qsizetype frameHeader(const QByteArray& jpeg)
{
    return jpeg.indexOf(QByteArray("\xFF\xC0", 2));
}

// The picture with the frame header's height and width replaced.
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = frameHeader(jpeg);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

} // namespace

TEST(JpegDecoder, DecodesColoursAndSize)
{
    const QImage image = decodeJpeg(redBlue());
    ASSERT_EQ(image.size(), QSize(64, 32));
    expectNear(image.pixel(8, 16), QColor(220, 30, 30));
    expectNear(image.pixel(56, 16), QColor(30, 60, 200));
}

TEST(JpegDecoder, DecodesGreyPicturesAsColour)
{
    const QImage image = decodeJpeg(encode(16, 8, JCS_GRAYSCALE, std::vector<unsigned char>(16 * 8, 128)));
    ASSERT_EQ(image.size(), QSize(16, 8));
    expectNear(image.pixel(4, 4), QColor(128, 128, 128));
}

TEST(JpegDecoder, LoadsFromAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(redBlue());
    file.close();
    EXPECT_EQ(loadJpeg(path).size(), QSize(64, 32));
    EXPECT_TRUE(loadJpeg(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
}

TEST(JpegDecoder, DamagedInputGivesANullImage)
{
    const QByteArray good = redBlue();
    const qsizetype sof = frameHeader(good);
    ASSERT_GT(sof, 0);
    ASSERT_FALSE(decodeJpeg(withDeclaredSize(good, 64, 32)).isNull()) << "the size is patched in the right place";

    QByteArray badPrecision = good;
    badPrecision[sof + 4] = 7; // sample precision libjpeg does not support
    QByteArray noComponents = good;
    noComponents[sof + 9] = 0;
    QByteArray garbage = good;
    garbage.replace(2, 40, QByteArray(40, '\x5A'));

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        { "empty", QByteArray() },
        { "not a JPEG", QByteArray("GIF89a this is no JPEG picture at all") },
        { "start marker only", good.left(2) },
        { "cut in the headers", good.left(sof + 6) },
        { "cut after the headers", good.left(good.indexOf(QByteArray("\xFF\xDA", 2)) + 20) },
        { "cut in the middle", good.left(good.size() / 2) },
        { "unsupported precision", badPrecision },
        { "no colour components", noComponents },
        { "garbage after the start marker", garbage },
        { "zero width", withDeclaredSize(good, 0, 32) },
        { "huge declared size", withDeclaredSize(good, 65000, 65000) },
        { "too wide", withDeclaredSize(good, 9000, 32) },
    };
    for (const auto& c : cases)
        EXPECT_TRUE(decodeJpeg(c.bytes).isNull()) << c.what;
}
