#include "ImageTestFiles.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/shapes/QYImageBaseObj.h"
#include "library/shapes/QYImageIcon.h"
#include "framework/resources/ResourceImages.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/plexo_images_XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name, const Bytes& bytes) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), {});
}

// The picture drawn 1:1 into a 32-bit bitmap, read back as 0x00RRGGBB.
std::vector<uint32_t> Rendered(CQYImageBaseObj& image)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(image.GetWidth(), image.GetHeight(), 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    image.Draw(&dc, 0, 0, image.GetWidth(), image.GetHeight(), 0, 0, image.GetWidth(), image.GetHeight(), SRCCOPY);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const COLORREF cr = dc.GetPixel(x, y);
            pixels.push_back(GetRValue(cr) << 16 | GetGValue(cr) << 8 | GetBValue(cr));
        }
    dc.SelectObject(pOld);
    return pixels;
}

// What the described pixels should look like as 0x00RRGGBB, row by row.
std::vector<uint32_t> Expected(const BmpFields& s)
{
    std::vector<uint32_t> pixels;
    const int rows = s.height < 0 ? -s.height : s.height;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < s.width; ++x) {
            const uint32_t v = s.pixel(x, y);
            pixels.push_back(s.bits == 24 ? v : s.colour(static_cast<int>(v)));
        }
    return pixels;
}

std::vector<uint32_t> QtPixels(const QImage& image)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y) & 0xFFFFFF);
    return pixels;
}

BmpFields Good(int width, int height, uint16_t bits)
{
    BmpFields s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    if (bits == 24)
        s.pixel = [](int x, int y) { return static_cast<uint32_t>(x * 40 << 16 | y * 60 << 8 | (x + y) * 17); };
    else
        s.pixel = [bits](int x, int y) { return static_cast<uint32_t>((x * 3 + y * 5) % (1 << bits)); };
    return s;
}

// ---------------------------------------------------------------------------
// Good files: pixels, Qt's view of what we write, and the true size field

TEST(ImageHolder, GoodFilesLoadDrawAndRoundTripTheirPixels)
{
    TempDir dir;
    const BmpFields specs[] = {Good(5, 3, 1),   Good(7, 4, 4),  Good(9, 5, 8), Good(6, 4, 24),
                               Good(6, -4, 24), Good(33, 2, 1), Good(3, -3, 8)};
    for (const BmpFields& spec : specs) {
        SCOPED_TRACE(testing::Message() << spec.width << "x" << spec.height << " " << spec.bits << " bits");
        CQYImageBaseObj image;
        ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(spec)).c_str()));
        const int rows = spec.height < 0 ? -spec.height : spec.height;
        EXPECT_EQ(image.GetWidth(), spec.width);
        EXPECT_EQ(image.GetHeight(), rows);
        EXPECT_EQ(image.m_nBitCount, spec.bits);
        EXPECT_EQ(Rendered(image), Expected(spec));
        EXPECT_EQ(image.m_pPalette != nullptr, spec.bits != 24);

        const std::string out = dir.Path("out.bmp");
        ASSERT_TRUE(image.SaveToFile(out.c_str()));
        const Bytes written = ReadAll(out);
        ASSERT_GE(written.size(), 14u);
        const uint32_t sizeField = written[2] | written[3] << 8 | written[4] << 16 | written[5] << 24;
        EXPECT_EQ(sizeField, written.size());
        QImage qt(QString::fromStdString(out), "BMP");
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(QtPixels(qt), Expected(spec));

        CQYImageBaseObj reread;
        ASSERT_TRUE(reread.LoadFromFile(out.c_str()));
        EXPECT_EQ(Rendered(reread), Expected(spec));
    }
}

TEST(ImageHolder, EightBitsWithSixteenUsedColoursKeepA256EntryTable)
{
    TempDir dir;
    BmpFields spec = Good(4, 4, 8);
    spec.clrUsed = 16;
    spec.pixel = [](int x, int y) { return static_cast<uint32_t>((x + 4 * y) % 16); };
    CQYImageBaseObj image;
    ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(spec)).c_str()));
    EXPECT_EQ(image.m_nColors, 256);
    ASSERT_NE(image.m_pPalette, nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(image.m_pPalette->GetPaletteEntries(0, 256, entries), 256u);
    EXPECT_EQ(entries[15].peRed, static_cast<BYTE>(spec.colour(15) >> 16));
    EXPECT_EQ(entries[15].peBlue, static_cast<BYTE>(spec.colour(15)));
    for (int i = 16; i < 256; ++i)
        EXPECT_EQ(entries[i].peRed | entries[i].peGreen | entries[i].peBlue, 0) << i;
    EXPECT_EQ(Rendered(image), Expected(spec));

    const std::string out = dir.Path("out.bmp");
    ASSERT_TRUE(image.SaveToFile(out.c_str()));
    const Bytes written = ReadAll(out);
    ASSERT_EQ(written.size(), 14u + 40 + 256 * 4 + 16);
    for (size_t i = 14 + 40 + 16 * 4; i < 14 + 40 + 256 * 4; ++i)
        ASSERT_EQ(written[i], 0) << i;
    EXPECT_EQ(QtPixels(QImage(QString::fromStdString(out), "BMP")), Expected(spec));
}

// Large pictures draw through a device copy made once: the same pixels as
// straight from the bits, for whole pictures and parts counted from the
// bottom row, stretched and with other raster operations.
TEST(ImageHolder, LargePicturesDrawTheSameThroughTheirDeviceCopy)
{
    TempDir dir;
    BmpFields spec = Good(1200, 900, 8);
    spec.pixel = [](int x, int y) { return static_cast<uint32_t>((x / 7 + y / 5) % 256); };
    CQYImageBaseObj image;
    ASSERT_TRUE(image.LoadFromFile(dir.File("big.bmp", MakeBmp(spec)).c_str()));
    struct Transfer {
        int xSrc, ySrc, cxSrc, cySrc, cxDest, cyDest;
        DWORD rop;
    };
    const Transfer transfers[] = {{0, 0, 1200, 900, 300, 200, SRCCOPY},
                                  {100, 50, 64, 32, 64, 32, SRCCOPY},
                                  {10, 800, 90, 100, 180, 50, SRCCOPY},
                                  {0, 0, 1200, 900, 300, 200, SRCAND}};
    for (const Transfer& t : transfers) {
        SCOPED_TRACE(testing::Message() << t.xSrc << "," << t.ySrc << " " << t.cxSrc << "x" << t.cySrc);
        CDC cached, direct;
        CBitmap cachedBits, directBits;
        cached.CreateCompatibleDC(nullptr);
        direct.CreateCompatibleDC(nullptr);
        cachedBits.CreateBitmap(t.cxDest, t.cyDest, 1, 32, nullptr);
        directBits.CreateBitmap(t.cxDest, t.cyDest, 1, 32, nullptr);
        CBitmap* pOldCached = cached.SelectObject(&cachedBits);
        CBitmap* pOldDirect = direct.SelectObject(&directBits);
        cached.FillSolidRect(0, 0, t.cxDest, t.cyDest, RGB(90, 200, 30));
        direct.FillSolidRect(0, 0, t.cxDest, t.cyDest, RGB(90, 200, 30));
        image.Draw(&cached, 0, 0, t.cxDest, t.cyDest, t.xSrc, t.ySrc, t.cxSrc, t.cySrc, t.rop);
        StretchDIBits(direct.GetSafeHdc(), 0, 0, t.cxDest, t.cyDest, t.xSrc, t.ySrc, t.cxSrc, t.cySrc, image.m_lpBits,
                      image.m_lpbi, DIB_RGB_COLORS, t.rop);
        int nDiffering = 0;
        for (int y = 0; y < t.cyDest; ++y)
            for (int x = 0; x < t.cxDest; ++x)
                nDiffering += (cached.GetPixel(x, y) & 0xFFFFFF) != (direct.GetPixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(nDiffering, 0);
        cached.SelectObject(pOldCached);
        direct.SelectObject(pOldDirect);
    }
}

// A display of another depth draws through a halftone palette and gives
// the DC its stretching mode back.
TEST(ImageHolder, HalftoneDrawingRestoresTheDeviceContext)
{
    TempDir dir;
    CQYImageBaseObj image;
    ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(Good(6, 4, 24))).c_str()));
    EXPECT_FALSE(image.m_bHalftone);
    image.m_nScreenBits = 8;
    image.InitBitmapInfo();
    EXPECT_TRUE(image.m_bHalftone);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(12, 8, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.SetStretchBltMode(COLORONCOLOR);
    EXPECT_EQ(image.Draw(&dc, 0, 0, 12, 8, 0, 0, 6, 4, SRCCOPY), 4);
    EXPECT_EQ(dc.GetStretchBltMode(), COLORONCOLOR);
    dc.SelectObject(pOld);
}

// ---------------------------------------------------------------------------
// Bad files: 0, and the picture held before stays

struct BadFile {
    const char* name;
    std::function<Bytes()> make;
};

Bytes WithSpec(const std::function<void(BmpFields&)>& change)
{
    BmpFields spec = Good(8, 6, 8);
    change(spec);
    return MakeBmp(spec);
}

TEST(ImageHolder, BadFilesAreRefusedAndKeepTheOldPicture)
{
    const BadFile bad[] = {
        {"empty file", [] { return Bytes(); }},
        {"short file header",
         [] {
             return Bytes{'B', 'M', 1, 2};
         }},
        {"not BM", [] { return WithSpec([](BmpFields& s) { s.type = 0x4142; }); }},
        {"truncated pixels", [] { return WithSpec([](BmpFields& s) { s.cutPixelBytes = 5; }); }},
        {"pixels missing", [] { return WithSpec([](BmpFields& s) { s.cutPixelBytes = 48; }); }},
        {"offset past the end", [] { return WithSpec([](BmpFields& s) { s.offBitsDelta = 100000; }); }},
        {"offset inside the headers", [] { return WithSpec([](BmpFields& s) { s.offBitsDelta = -(40 + 1024 + 4); }); }},
        {"core header", [] { return WithSpec([](BmpFields& s) { s.headerSize = 12; }); }},
        {"v4 header", [] { return WithSpec([](BmpFields& s) { s.headerSize = 108; }); }},
        {"v5 header", [] { return WithSpec([](BmpFields& s) { s.headerSize = 124; }); }},
        {"RLE8", [] { return WithSpec([](BmpFields& s) { s.compression = 1; }); }},
        {"bitfields", [] { return WithSpec([](BmpFields& s) { s.compression = 3; }); }},
        {"16 bits", [] { return WithSpec([](BmpFields& s) { s.bits = 16; }); }},
        {"32 bits", [] { return WithSpec([](BmpFields& s) { s.bits = 32; }); }},
        {"2 bits", [] { return WithSpec([](BmpFields& s) { s.bits = 2; }); }},
        {"width 0", [] { return WithSpec([](BmpFields& s) { s.width = 0; }); }},
        {"negative width", [] { return WithSpec([](BmpFields& s) { s.width = -8; }); }},
        {"height 0", [] { return WithSpec([](BmpFields& s) { s.height = 0; }); }},
        {"most negative height", [] { return WithSpec([](BmpFields& s) { s.height = INT32_MIN; }); }},
        {"too many used colours",
         [] {
             return WithSpec([](BmpFields& s) {
                 s.clrUsed = 257;
                 s.tableEntries = 4;
             });
         }},
        {"4-bit with 17 colours",
         [] {
             return WithSpec([](BmpFields& s) {
                 s.bits = 4;
                 s.clrUsed = 17;
                 s.tableEntries = 4;
             });
         }},
        {"huge lying size",
         [] {
             return WithSpec([](BmpFields& s) {
                 s.width = 0x7FFFFFFF;
                 s.height = 0x7FFFFFFF;
             });
         }},
        {"wider than the DIB limit, every row there",
         [] {
             return WithSpec([](BmpFields& s) {
                 s.width = 32769;
                 s.height = 1;
             });
         }},
        {"rows beyond the file",
         [] {
             return WithSpec([](BmpFields& s) {
                 s.width = 60000;
                 s.height = 60000;
                 s.bits = 24;
             });
         }},
    };
    TempDir dir;
    const BmpFields goodSpec = Good(3, 2, 24);
    for (const BadFile& file : bad) {
        SCOPED_TRACE(file.name);
        CQYImageBaseObj image;
        ASSERT_TRUE(image.LoadFromFile(dir.File("good.bmp", MakeBmp(goodSpec)).c_str()));
        EXPECT_FALSE(image.LoadFromFile(dir.File("bad.bmp", file.make()).c_str()));
        EXPECT_EQ(image.GetWidth(), 3);
        EXPECT_EQ(image.GetHeight(), 2);
        EXPECT_EQ(Rendered(image), Expected(goodSpec));
    }
}

bool RaisesFileException(const std::function<void()>& run)
{
    try {
        run();
    } catch (CFileException* e) {
        e->Delete();
        return true;
    }
    return false;
}

TEST(ImageHolder, MissingPathsRaiseFileExceptions)
{
    CQYImageBaseObj image;
    EXPECT_TRUE(RaisesFileException([&] { image.LoadFromFile("/nonexistent/plexo/picture.bmp"); }));
    EXPECT_FALSE(image.SaveToFile("/tmp/never-written.bmp")); // nothing to write
    TempDir dir;
    ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(Good(2, 2, 24))).c_str()));
    EXPECT_TRUE(RaisesFileException([&] { image.SaveToFile("/nonexistent/plexo/picture.bmp"); }));
    EXPECT_EQ(image.GetWidth(), 2);
}

// ---------------------------------------------------------------------------
// Document records

TEST(ImageHolder, RecordRoundTripKeepsPixelsSizeAndTable)
{
    for (const BmpFields& spec : {Good(5, 3, 1), Good(7, 4, 4), Good(9, 5, 8), Good(6, -4, 24)}) {
        TempDir dir;
        CQYImageBaseObj image;
        ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(spec)).c_str()));
        const Bytes record = StoreRecord(image);
        EXPECT_EQ(record, ReadAll(([&] {
                      image.SaveToFile(dir.Path("out.bmp").c_str());
                      return dir.Path("out.bmp");
                  })()));
        CQYImageBaseObj reread;
        EXPECT_EQ(LoadRecord(reread, record), -1);
        EXPECT_EQ(reread.GetWidth(), spec.width);
        EXPECT_EQ(Rendered(reread), Expected(spec));
        EXPECT_EQ(reread.m_pPalette != nullptr, spec.bits != 24);
    }
}

// An empty holder, then a value: the reader consumes the 14-byte empty record
// exactly and the value after it reads from the right place.
TEST(ImageHolder, EmptyPictureRecordIsFourteenBytesAndReadExactly)
{
    CQYImageBaseObj empty;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        empty.Serialize(ar);
        ar << 0x12345678;
        ar.Close();
    }
    EXPECT_EQ(file.GetLength(), 18u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    TempDir dir;
    CQYImageBaseObj holder;
    ASSERT_TRUE(holder.LoadFromFile(dir.File("in.bmp", MakeBmp(Good(2, 2, 24))).c_str()));
    holder.Serialize(ar);
    int next = 0;
    ar >> next;
    EXPECT_TRUE(holder.IsEmpty());
    EXPECT_EQ(next, 0x12345678);
}

TEST(ImageHolder, BadRecordsRaiseArchiveExceptions)
{
    const std::pair<const char*, Bytes> bad[] = {
        {"truncated header", Bytes{'B', 'M', 0, 0}},
        {"core header", WithSpec([](BmpFields& s) { s.headerSize = 12; })},
        {"RLE", WithSpec([](BmpFields& s) { s.compression = 1; })},
        {"truncated pixels", WithSpec([](BmpFields& s) { s.cutPixelBytes = 1; })},
        {"offset inside the headers", WithSpec([](BmpFields& s) { s.offBitsDelta = -(40 + 1024 + 4); })},
        {"huge lying size", WithSpec([](BmpFields& s) {
             s.width = 0x10000;
             s.height = 0x7FFF;
             s.bits = 24;
         })},
    };
    for (const auto& [name, bytes] : bad) {
        SCOPED_TRACE(name);
        CQYImageBaseObj holder;
        EXPECT_NE(LoadRecord(holder, bytes), -1);
        EXPECT_TRUE(holder.IsEmpty());
    }
}

TEST(ImageHolder, CopiesAndBitmapsShowTheSamePicture)
{
    TempDir dir;
    const BmpFields spec = Good(6, 5, 4);
    CQYImageBaseObj image;
    ASSERT_TRUE(image.LoadFromFile(dir.File("in.bmp", MakeBmp(spec)).c_str()));
    CQYImageBaseObj copy(image);
    image.Release();
    EXPECT_EQ(Rendered(copy), Expected(spec));

    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CBitmap deep;
    deep.CreateBitmap(1, 1, 1, 32, nullptr);
    CBitmap* pOld = screen.SelectObject(&deep);
    std::unique_ptr<CBitmap> pBitmap(copy.CreateBitmap(&screen));
    screen.SelectObject(pOld);
    ASSERT_NE(pBitmap, nullptr);
    CQYImageBaseObj fromBitmap;
    ASSERT_TRUE(fromBitmap.CreateFromBitmap(&screen, pBitmap.get()));
    EXPECT_EQ(fromBitmap.GetWidth(), 6);
    EXPECT_EQ(Rendered(fromBitmap), Expected(spec));
}

// ---------------------------------------------------------------------------
// Icons

TEST(ImageIcon, FirstImageOfAnIconFileIsPaintedOverTheBackColour)
{
    TempDir dir;
    const Bytes ico = MakeIco({{16, MakeIconImage(16, 0x00FF0000)}, {32, MakeIconImage(32, 0x000000FF)}});
    CQYImageIcon icon;
    ASSERT_TRUE(icon.LoadIconFile(dir.File("two.ico", ico).c_str(), RGB(0, 255, 0)));
    EXPECT_EQ(icon.GetWidth(), 16);
    EXPECT_EQ(icon.GetHeight(), 16);
    const std::vector<uint32_t> pixels = Rendered(icon);
    EXPECT_EQ(pixels.front(), 0xFF0000u);
    EXPECT_EQ(pixels.back(), 0xFF0000u);
}

TEST(ImageIcon, TransparentPixelsShowTheBackColour)
{
    TempDir dir;
    Bytes image = MakeIconImage(8, 0x00FF0000);
    // Set every mask bit: the whole icon is transparent.
    for (size_t i = image.size() - 8 * 4; i < image.size(); ++i)
        image[i] = 0xFF;
    // The colour under a set mask bit is black, as icon files have it.
    for (size_t i = 40; i < 40 + 8 * 8 * 4; ++i)
        image[i] = 0;
    CQYImageIcon icon;
    ASSERT_TRUE(icon.LoadIconFile(dir.File("clear.ico", MakeIco({{8, image}})).c_str(), RGB(0, 0, 255)));
    const std::vector<uint32_t> pixels = Rendered(icon);
    EXPECT_EQ(pixels.front(), 0x0000FFu);
}

TEST(ImageIcon, BadAndMonochromeIconFilesGiveNoPicture)
{
    const Bytes good = MakeIco({{16, MakeIconImage(16, 0x00FF0000)}});
    Bytes shortDir = good;
    shortDir.resize(10);
    Bytes pastEnd = good;
    pastEnd[6 + 12] = 0xF0; // the image's offset beyond the file
    pastEnd[6 + 13] = 0xFF;
    Bytes cutImage = good;
    cutImage.resize(good.size() - 100);
    Bytes noCount = good;
    noCount[4] = 0;
    Bytes garbageImage = good;
    for (size_t i = 6 + 16; i < 6 + 16 + 40; ++i)
        garbageImage[i] = 0xEE;
    const std::pair<const char*, Bytes> bad[] = {
        {"empty", Bytes()},
        {"reserved not 0", MakeIco({{16, MakeIconImage(16, 0xFF)}}, 1)},
        {"cursor type", MakeIco({{16, MakeIconImage(16, 0xFF)}}, 0, 2)},
        {"no images", noCount},
        {"directory cut", shortDir},
        {"image past the end", pastEnd},
        {"image cut", cutImage},
        {"garbage image header", garbageImage},
        {"monochrome", MakeIco({{16, MakeIconImage(16, 0, 1)}})},
    };
    TempDir dir;
    for (const auto& [name, bytes] : bad) {
        SCOPED_TRACE(name);
        CQYImageIcon icon;
        EXPECT_FALSE(icon.LoadIconFile(dir.File("bad.ico", bytes).c_str(), RGB(255, 255, 255)));
        EXPECT_TRUE(icon.IsEmpty());
    }
    CQYImageIcon icon;
    EXPECT_FALSE(icon.LoadIconFile("/nonexistent/plexo/icon.ico", RGB(255, 255, 255)));
}

// Toolbox pages run the icon's record inline, without a class tag.
TEST(ImageIcon, InlineRecordRoundTrips)
{
    TempDir dir;
    CQYImageIcon icon;
    ASSERT_TRUE(
        icon.LoadIconFile(dir.File("one.ico", MakeIco({{16, MakeIconImage(16, 0x00123456)}})).c_str(), RGB(0, 0, 0)));
    const Bytes record = StoreRecord(icon);
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ(record[0], 'B');
    EXPECT_EQ(record[1], 'M');
    CQYImageIcon reread;
    EXPECT_EQ(LoadRecord(reread, record), -1);
    EXPECT_EQ(Rendered(reread), Rendered(icon));
    EXPECT_EQ(Rendered(reread).front(), 0x123456u);
}

// Bitmap and icon resources are image files in the resource registry.
TEST(ImageIcon, ResourcesFromTheRegistry)
{
    TempDir dir;
    BmpFields spec = Good(12, 7, 24);
    spec.pixel = [](int, int) { return 0x00336699u; };
    const std::string path = dir.File("res.bmp", MakeBmp(spec));
    PlexoRegisterBitmap(47101, path.c_str());
    PlexoRegisterIcon(47102, path.c_str());
    CQYImageIcon bitmap;
    ASSERT_TRUE(bitmap.LoadBitmapResource(MAKEINTRESOURCE(47101)));
    EXPECT_EQ(bitmap.GetWidth(), 12);
    EXPECT_EQ(bitmap.GetHeight(), 7);
    EXPECT_EQ(Rendered(bitmap).front(), 0x336699u);
    EXPECT_FALSE(bitmap.LoadBitmapResource(MAKEINTRESOURCE(47199)));
    EXPECT_TRUE(bitmap.IsEmpty());

    CQYImageIcon icon;
    ASSERT_TRUE(icon.LoadIconResource(47102, RGB(0, 0, 0)));
    EXPECT_GT(icon.GetWidth(), 0);
    EXPECT_FALSE(icon.LoadIconResource(47198, RGB(0, 0, 0)));
}

} // namespace
