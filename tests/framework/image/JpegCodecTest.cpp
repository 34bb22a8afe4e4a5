#include "framework/image/JpegCodec.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// JPEG bytes written by Qt's own JPEG plugin: a reference independent of the codec.
std::vector<unsigned char> QtJpeg(const QImage &image, int quality = 95)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", quality));
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

QImage RedLeftBlueRight()
{
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

struct Messages {
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
    std::vector<int> errorCodes;
    Jpeg::Callbacks Callbacks()
    {
        return {[this](int, const std::string &text) { warnings.push_back(text); },
                [this](int code, const std::string &text) {
                    errors.push_back(text);
                    errorCodes.push_back(code);
                }};
    }
};

bool Near(int a, int b, int tolerance)
{
    return std::abs(a - b) <= tolerance;
}

TEST(JpegCodec, DecodesInBlueGreenRedOrder)
{
    const auto bytes = QtJpeg(RedLeftBlueRight());
    Jpeg::BgrImage image;
    Messages messages;
    ASSERT_TRUE(Jpeg::Decode(bytes.data(), bytes.size(), image, messages.Callbacks()));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 16);
    const unsigned char *red = image.Row(8) + 4 * 3;
    EXPECT_TRUE(Near(red[0], 0, 8) && Near(red[1], 0, 8) && Near(red[2], 255, 8))
        << int(red[0]) << "," << int(red[1]) << "," << int(red[2]);
    const unsigned char *blue = image.Row(8) + 28 * 3;
    EXPECT_TRUE(Near(blue[0], 255, 8) && Near(blue[1], 0, 8) && Near(blue[2], 0, 8))
        << int(blue[0]) << "," << int(blue[1]) << "," << int(blue[2]);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(messages.warnings.empty());

    Jpeg::ImageInfo info;
    ASSERT_TRUE(Jpeg::ReadInfo(bytes.data(), bytes.size(), info));
    EXPECT_EQ(info.width, 32);
    EXPECT_EQ(info.height, 16);
    EXPECT_EQ(info.components, 3);
}

// Top half red, bottom half blue.
QImage RedTopBlueBottom()
{
    QImage image(12, 16, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

TEST(JpegCodec, DecodesIntoTheCallersBottomUpPaddedRows)
{
    const auto bytes = QtJpeg(RedTopBlueBottom());
    const std::ptrdiff_t stride = 40; // 36 bytes of pixels, 4 of padding
    std::vector<unsigned char> rows;
    ASSERT_TRUE(Jpeg::DecodeInto(bytes.data(), bytes.size(),
                                 [&](int width, int height, std::ptrdiff_t &step) -> unsigned char * {
                                     EXPECT_EQ(width, 12);
                                     rows.assign(size_t(stride) * size_t(height), 0xAB);
                                     step = -stride;
                                     return rows.data() + stride * (height - 1);
                                 }));
    // The first row in memory is the picture's bottom row: blue.
    EXPECT_TRUE(Near(rows[0], 255, 8) && Near(rows[2], 0, 8)) << int(rows[0]) << "," << int(rows[2]);
    const unsigned char *top = rows.data() + stride * 15;
    EXPECT_TRUE(Near(top[0], 0, 8) && Near(top[2], 255, 8)) << int(top[0]) << "," << int(top[2]);
    // The padding is left alone.
    EXPECT_EQ(rows[36], 0xAB);
    EXPECT_EQ(top[39], 0xAB);
    // A refusal, or rows closer together than a row's bytes, fail cleanly.
    Messages messages;
    EXPECT_FALSE(Jpeg::DecodeInto(
        bytes.data(), bytes.size(), [](int, int, std::ptrdiff_t &) -> unsigned char * { return nullptr; },
        messages.Callbacks()));
    EXPECT_EQ(messages.errors.size(), 1u);
    unsigned char small[64];
    EXPECT_FALSE(Jpeg::DecodeInto(bytes.data(), bytes.size(), [&](int, int, std::ptrdiff_t &step) {
        step = 8;
        return small;
    }));
    EXPECT_FALSE(Jpeg::DecodeInto(bytes.data(), bytes.size(), Jpeg::RowsAllocator()));
}

TEST(JpegCodec, EncodesBottomUpRowsAsTheyAreKept)
{
    // Bottom-up rows of 12 pixels padded to 40 bytes: red on top, blue below.
    const std::ptrdiff_t stride = 40;
    std::vector<unsigned char> rows(size_t(stride) * 16, 0);
    for (int y = 0; y < 16; ++y) {
        unsigned char *row = rows.data() + stride * (15 - y);
        for (int x = 0; x < 12; ++x)
            row[3 * x + (y < 8 ? 2 : 0)] = 255;
    }
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(Jpeg::EncodeRows(rows.data() + stride * 15, 12, 16, -stride, bytes));
    Jpeg::BgrImage image;
    ASSERT_TRUE(Jpeg::Decode(bytes.data(), bytes.size(), image));
    EXPECT_TRUE(Near(image.Row(2)[2], 255, 12) && Near(image.Row(2)[0], 0, 12));
    EXPECT_TRUE(Near(image.Row(13)[0], 255, 12) && Near(image.Row(13)[2], 0, 12));
    EXPECT_FALSE(Jpeg::EncodeRows(rows.data(), 12, 16, -35, bytes));
}

TEST(JpegCodec, GreyscaleGivesEqualBytes)
{
    QImage grey(20, 10, QImage::Format_Grayscale8);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            grey.setPixel(x, y, qRgb(x * 12, x * 12, x * 12));
    const auto bytes = QtJpeg(grey);
    Jpeg::BgrImage image;
    ASSERT_TRUE(Jpeg::Decode(bytes.data(), bytes.size(), image));
    for (int x = 0; x < 20; ++x) {
        const unsigned char *p = image.Row(5) + x * 3;
        EXPECT_EQ(p[0], p[1]);
        EXPECT_EQ(p[1], p[2]);
    }
}

TEST(JpegCodec, EncodedImageDecodesWithinTheQualityError)
{
    const int width = 40, height = 24;
    const size_t stride = width * 3 + 5; // rows need not be packed
    std::vector<unsigned char> rows(stride * height, 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char *p = rows.data() + stride * y + x * 3;
            p[0] = static_cast<unsigned char>(x * 6);       // blue rises to the right
            p[1] = static_cast<unsigned char>(y * 10);      // green rises downwards
            p[2] = static_cast<unsigned char>(200 - x * 2); // red falls to the right
        }
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(Jpeg::Encode(rows.data(), width, height, stride, bytes));
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);

    Jpeg::BgrImage image;
    ASSERT_TRUE(Jpeg::Decode(bytes.data(), bytes.size(), image));
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    long total = 0;
    int worst = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x) {
            const int error = std::abs(int(image.Row(y)[x]) - int(rows[stride * y + x]));
            total += error;
            worst = std::max(worst, error);
        }
    EXPECT_LT(double(total) / (width * height * 3), 3.0);
    EXPECT_LE(worst, 24);

    // Qt reads the same colours: the encoder took the rows as blue-green-red.
    const QImage back = QImage::fromData(bytes.data(), int(bytes.size()), "JPEG");
    ASSERT_FALSE(back.isNull());
    const QRgb pixel = back.pixel(35, 20);
    EXPECT_TRUE(Near(qBlue(pixel), 35 * 6, 12) && Near(qGreen(pixel), 200, 12) && Near(qRed(pixel), 130, 12));
}

TEST(JpegCodec, EncodeRefusesBadArguments)
{
    std::vector<unsigned char> rows(30, 0), bytes{1, 2, 3};
    EXPECT_FALSE(Jpeg::Encode(rows.data(), 0, 1, 30, bytes));
    EXPECT_FALSE(Jpeg::Encode(rows.data(), 10, 1, 29, bytes));
    EXPECT_FALSE(Jpeg::Encode(nullptr, 10, 1, 30, bytes));
    EXPECT_EQ(bytes.size(), 3u);
}

// Offset of the frame header's height field (after FF C0-C2, length and precision).
size_t FrameSizeOffset(const std::vector<unsigned char> &bytes)
{
    for (size_t i = 2; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2))
            return i + 5;
    ADD_FAILURE() << "no frame header";
    return 0;
}

struct BadCase {
    const char *name;
    std::vector<unsigned char> bytes;
    const char *errorText; // part of the library's message
};

TEST(JpegCodec, BadFilesFailThroughTheErrorCallback)
{
    const auto good = QtJpeg(RedLeftBlueRight());
    auto huge = good;
    const size_t at = FrameSizeOffset(huge);
    // Also tells GCC 12's release build the writes below stay inside (it
    // reports a false -Wstringop-overflow otherwise).
    ASSERT_TRUE(at > 0 && at + 3 < good.size());
    huge[at] = 0x4E; // 20000 rows
    huge[at + 1] = 0x20;
    huge[at + 2] = 0x4E; // 20000 columns: 400 megapixels
    huge[at + 3] = 0x20;
    auto zeroWidth = good;
    zeroWidth[at + 2] = 0;
    zeroWidth[at + 3] = 0;
    auto noMarker = good;
    noMarker[1] = 0x00;

    const std::vector<BadCase> cases = {
        {"empty", {}, "Empty input"},
        {"truncated header", std::vector<unsigned char>(good.begin(), good.begin() + 40), ""},
        {"not a JPEG", noMarker, "Not a JPEG"},
        {"zero width", zeroWidth, ""},
        {"400 megapixels", huge, "Maximum supported"},
    };
    for (const BadCase &bad : cases) {
        SCOPED_TRACE(bad.name);
        Messages messages;
        Jpeg::BgrImage image;
        image.width = 7;
        EXPECT_FALSE(Jpeg::Decode(bad.bytes.data(), bad.bytes.size(), image, messages.Callbacks()));
        EXPECT_EQ(image.width, 7); // untouched
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_NE(messages.errors[0].find(bad.errorText), std::string::npos) << messages.errors[0];
        EXPECT_GT(messages.errorCodes[0], 0);
        Jpeg::ImageInfo info;
        EXPECT_FALSE(Jpeg::ReadInfo(bad.bytes.data(), bad.bytes.size(), info));
    }
}

TEST(JpegCodec, FileCutInItsDataDecodesWithAWarning)
{
    const auto good = QtJpeg(RedLeftBlueRight());
    const std::vector<unsigned char> cut(good.begin(), good.end() - 6);
    Messages messages;
    Jpeg::BgrImage image;
    ASSERT_TRUE(Jpeg::Decode(cut.data(), cut.size(), image, messages.Callbacks()));
    EXPECT_EQ(image.width, 32);
    EXPECT_TRUE(messages.errors.empty());
    ASSERT_FALSE(messages.warnings.empty());
    EXPECT_NE(messages.warnings[0].find("Premature end"), std::string::npos) << messages.warnings[0];
}

TEST(JpegCodec, ThrowingCallbackDoesNotEscape)
{
    Jpeg::Callbacks callbacks;
    callbacks.onError = [](int, const std::string &) { throw std::runtime_error("handler failed"); };
    const unsigned char notJpeg[] = {1, 2, 3, 4};
    Jpeg::BgrImage image;
    EXPECT_FALSE(Jpeg::Decode(notJpeg, sizeof notJpeg, image, callbacks));
}

} // namespace
