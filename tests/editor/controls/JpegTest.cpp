// SECJpeg on files: colour order, greyscale, four-component pictures, and
// files the codec refuses or reads with a warning, the held picture kept.
#include "editor/controls/SECDib.h"
#include "editor/controls/SECDibFormat.h"
#include "editor/controls/SECJpeg.h"
#include "framework/gdi/DibHeaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> Fixture(const char *name)
{
    std::ifstream in(std::string(EDITOR_CONTROLS_TEST_DATA) + "/" + name, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

BOOL Load(SECImage &image, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), UINT(bytes.size()));
    return image.LoadImage(&file);
}

std::vector<BYTE> Save(SECImage &image)
{
    CMemFile file;
    EXPECT_TRUE(image.SaveImage(&file));
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

// Blue, green, red of the pixel at (x, y), y counted from the top.
struct Bgr {
    int b, g, r;
};
Bgr PixelAt(const SECImage &image, int x, int y)
{
    const size_t stride = image.AlignedRowBytes();
    const BYTE *p = image.GetBits() + stride * size_t(image.m_dwHeight - 1 - y) + 3 * x;
    return {p[0], p[1], p[2]};
}

bool Near(int a, int b)
{
    return std::abs(a - b) <= 12;
}

void ExpectRedLeftBlueRight(const SECImage &image)
{
    const Bgr red = PixelAt(image, 2, 3);
    EXPECT_TRUE(Near(red.b, 0) && Near(red.g, 0) && Near(red.r, 255)) << red.b << "," << red.g << "," << red.r;
    const Bgr blue = PixelAt(image, 13, 3);
    EXPECT_TRUE(Near(blue.b, 255) && Near(blue.g, 0) && Near(blue.r, 0)) << blue.b << "," << blue.g << "," << blue.r;
}

TEST(Jpeg, RedStaysRedAfterDecodeAndAfterEncodeAndDecode)
{
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, Fixture("red_blue_rgb.jpg")));
    EXPECT_EQ(jpeg.m_nSrcBitsPerPixel, 24);
    EXPECT_EQ(jpeg.m_dwWidth, 16);
    EXPECT_EQ(jpeg.m_dwHeight, 8);
    ExpectRedLeftBlueRight(jpeg);

    SECJpeg again;
    ASSERT_TRUE(Load(again, Save(jpeg)));
    ExpectRedLeftBlueRight(again);
}

TEST(Jpeg, GreyscaleGivesEqualBytes)
{
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, Fixture("grey_ramp.jpg")));
    EXPECT_EQ(jpeg.m_nSrcBitsPerPixel, 24);
    for (int x = 0; x < 16; ++x) {
        const Bgr p = PixelAt(jpeg, x, 4);
        EXPECT_EQ(p.b, p.g);
        EXPECT_EQ(p.g, p.r);
        EXPECT_TRUE(Near(p.r, x * 12)) << x << ": " << p.r;
    }
}

TEST(Jpeg, FourComponentPicturesBecomeRgb)
{
    for (const char *name : {"red_blue_cmyk.jpg", "red_blue_ycck.jpg"}) {
        SCOPED_TRACE(name);
        SECJpeg jpeg;
        ASSERT_TRUE(Load(jpeg, Fixture(name)));
        ExpectRedLeftBlueRight(jpeg);
    }
}

TEST(Jpeg, PalettePicturesAreWrittenThroughTheirColourTable)
{
    // A 4-bit picture: left half index 1 (red), right half index 2 (blue).
    DibPicture p;
    std::vector<RGBQUAD> colours(16, RGBQUAD{});
    colours[1] = RGBQUAD{0, 0, 255, 0};
    colours[2] = RGBQUAD{255, 0, 0, 0};
    const size_t stride = size_t(DibRowBytes(16, 4));
    std::vector<BYTE> bits(stride * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bits[y * stride + x] = x < 4 ? 0x11 : 0x22;
    SECDib dib;
    ASSERT_TRUE(Load(dib, BuildBmpFile(16, 8, 4, colours.data(), bits.data())));

    SECJpeg jpeg;
    {
        CMemFile file;
        ASSERT_TRUE(dib.SaveImage(&file));
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        jpeg.Serialize(ar);
    }
    EXPECT_EQ(jpeg.m_nSrcBitsPerPixel, 4);
    SECJpeg decoded;
    ASSERT_TRUE(Load(decoded, Save(jpeg)));
    ExpectRedLeftBlueRight(decoded);
}

struct BadJpeg {
    const char *name;
    std::vector<BYTE> bytes;
};

TEST(Jpeg, RefusedFilesKeepThePicture)
{
    std::vector<BYTE> twelveBit = Fixture("red_blue_rgb.jpg");
    // The precision byte of the frame header (after FF C0 and its length).
    for (size_t i = 0; i + 4 < twelveBit.size(); ++i)
        if (twelveBit[i] == 0xFF && twelveBit[i + 1] == 0xC0) {
            twelveBit[i + 4] = 12;
            break;
        }
    std::vector<BYTE> notJpeg = Fixture("red_blue_rgb.jpg");
    notJpeg[1] = 0x00;
    // A frame header that announces 65535 x 65535 pixels.
    std::vector<BYTE> oversized = Fixture("red_blue_rgb.jpg");
    for (size_t i = 0; i + 8 < oversized.size(); ++i)
        if (oversized[i] == 0xFF && oversized[i + 1] == 0xC0) {
            std::fill(oversized.begin() + long(i) + 5, oversized.begin() + long(i) + 9, BYTE(0xFF));
            break;
        }
    const BadJpeg cases[] = {
        {"empty", {}}, {"12-bit samples", twelveBit}, {"not a JPEG", notJpeg}, {"oversized", oversized}};

    for (const BadJpeg &bad : cases) {
        SCOPED_TRACE(bad.name);
        SECJpeg jpeg;
        ASSERT_TRUE(Load(jpeg, Fixture("grey_ramp.jpg")));
        const Bgr before = PixelAt(jpeg, 5, 5);
        EXPECT_FALSE(Load(jpeg, bad.bytes));
        EXPECT_TRUE(jpeg.Messages().HadError());
        EXPECT_NE(jpeg.Messages().MessageText()[0], '\0');
        EXPECT_EQ(jpeg.m_dwWidth, 16);
        EXPECT_EQ(PixelAt(jpeg, 5, 5).r, before.r);
    }
}

TEST(Jpeg, PicturesBeyondTheDibLimitsAreRefusedBeforeTheirRows)
{
    // The fixture with one row of the given width in its frame header (after
    // FF C0, its length and the precision byte come height and width); the
    // scan data runs out early, which the codec takes with a warning.
    const auto oneRow = [](int width) {
        std::vector<BYTE> bytes = Fixture("red_blue_rgb.jpg");
        for (size_t i = 0; i + 8 < bytes.size(); ++i)
            if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
                const BYTE size[4] = {0, 1, BYTE(width >> 8), BYTE(width)};
                std::copy(size, size + 4, bytes.begin() + long(i) + 5);
                break;
            }
        return bytes;
    };
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, oneRow(kDibMaxSide)));
    EXPECT_EQ(jpeg.m_dwWidth, kDibMaxSide);
    ASSERT_TRUE(Load(jpeg, Fixture("grey_ramp.jpg")));
    const Bgr before = PixelAt(jpeg, 5, 5);
    EXPECT_FALSE(Load(jpeg, oneRow(kDibMaxSide + 1)));
    EXPECT_EQ(jpeg.m_dwWidth, 16);
    EXPECT_EQ(PixelAt(jpeg, 5, 5).r, before.r);
}

TEST(Jpeg, TruncatedFileDecodesWithAWarning)
{
    std::vector<BYTE> bytes = Fixture("red_blue_rgb.jpg");
    bytes.erase(bytes.end() - 20, bytes.end()); // inside the scan data
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, bytes)) << jpeg.Messages().MessageText() << jpeg.Messages().HadError();
    EXPECT_GE(jpeg.Messages().WarningCount(), 1);
    EXPECT_FALSE(jpeg.Messages().HadError());
    // The first warning is the source's: the data ran out, and an end
    // marker was supplied in its place.
    EXPECT_STREQ(jpeg.Messages().MessageText(), "Premature end of JPEG file");
    EXPECT_EQ(jpeg.m_dwWidth, 16);
    EXPECT_EQ(jpeg.m_dwHeight, 8);
}

TEST(Jpeg, AnEmptyFileIsTheEmptyInputError)
{
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, Fixture("grey_ramp.jpg")));
    EXPECT_FALSE(Load(jpeg, {}));
    EXPECT_TRUE(jpeg.Messages().HadError());
    EXPECT_STREQ(jpeg.Messages().MessageText(), "Empty input file");
    EXPECT_EQ(jpeg.Messages().WarningCount(), 0);
    // The message buffer holds at most 200 bytes with its terminator.
    EXPECT_LT(std::strlen(jpeg.Messages().MessageText()), SECJpegFile::kMessageBytes);
    EXPECT_EQ(jpeg.m_dwWidth, 16);
}

// A file that hands out at most 4096 bytes a read and counts the calls.
class CountingFile : public CMemFile {
public:
    using CMemFile::CMemFile;
    UINT Read(void *buffer, UINT count) override
    {
        EXPECT_LE(count, 4096u);
        ++reads;
        return CMemFile::Read(buffer, count);
    }
    void Write(const void *buffer, UINT count) override
    {
        EXPECT_LE(count, 4096u);
        ++writes;
        CMemFile::Write(buffer, count);
    }
    int reads = 0, writes = 0;
};

TEST(Jpeg, FileIsReadAndWrittenInChunks)
{
    SECJpeg jpeg;
    ASSERT_TRUE(Load(jpeg, Fixture("red_blue_rgb.jpg")));
    CountingFile out;
    ASSERT_TRUE(jpeg.SaveImage(&out));
    EXPECT_GE(out.writes, 1);
    out.SeekToBegin();
    SECJpeg again;
    ASSERT_TRUE(again.LoadImage(&out));
    EXPECT_EQ(out.reads, 2); // the data, then the end of the file
}

} // namespace
