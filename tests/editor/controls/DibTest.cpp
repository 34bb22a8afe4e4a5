// BMP reading and writing of SECDib: round trips at every bit count, the
// archive form, and a table of malformed files that must leave the held
// picture as it was.
#include "editor/controls/SECDib.h"
#include "editor/controls/SECDibFormat.h"
#include "editor/controls/SECJpeg.h"
#include "framework/gdi/DibHeaders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A picture of the given depth whose bytes follow a pattern, with a colour
// table of distinct entries.
DibPicture PatternPicture(int width, int height, int bits)
{
    DibPicture picture;
    picture.header.biSize = 40;
    picture.header.biWidth = width;
    picture.header.biHeight = height;
    picture.header.biPlanes = 1;
    picture.header.biBitCount = WORD(bits);
    const size_t stride = size_t(DibRowBytes(width, WORD(bits)));
    picture.header.biSizeImage = DWORD(stride * height);
    picture.colours.resize(DibColourCount(bits));
    for (size_t i = 0; i < picture.colours.size(); ++i)
        picture.colours[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i * 7), 0};
    picture.bits.resize(stride * height);
    const size_t packed = size_t(DibPackedRowBytes(width, bits));
    for (int y = 0; y < height; ++y)
        for (size_t x = 0; x < packed; ++x)
            picture.bits[y * stride + x] = BYTE(y * 31 + x * 17 + 1);
    return picture;
}

std::vector<BYTE> FileOf(const DibPicture &p)
{
    return BuildBmpFile(p.header.biWidth, p.header.biHeight, p.header.biBitCount, p.colours.data(), p.bits.data());
}

BOOL LoadBytes(SECDib &dib, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), UINT(bytes.size()));
    return dib.LoadImage(&file);
}

std::vector<BYTE> SaveBytes(SECDib &dib)
{
    CMemFile file;
    EXPECT_TRUE(dib.SaveImage(&file));
    const ULONGLONG length = file.GetLength();
    std::vector<BYTE> bytes(static_cast<size_t>(length));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

void Put32(std::vector<BYTE> &b, size_t at, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = BYTE(v >> (8 * i));
}
void Put16(std::vector<BYTE> &b, size_t at, WORD v)
{
    b[at] = BYTE(v);
    b[at + 1] = BYTE(v >> 8);
}

class DibRoundTrip : public testing::TestWithParam<int> {};

TEST_P(DibRoundTrip, WritesAndReadsTheSamePicture)
{
    const int bits = GetParam();
    const DibPicture original = PatternPicture(13, 5, bits);
    const std::vector<BYTE> written = FileOf(original);

    SECDib dib;
    ASSERT_TRUE(LoadBytes(dib, written));
    EXPECT_EQ(dib.m_dwWidth, 13);
    EXPECT_EQ(dib.m_dwHeight, 5);
    EXPECT_EQ(dib.m_nSrcBitsPerPixel, bits);
    EXPECT_EQ(dib.m_wColors, DibColourCount(bits));
    EXPECT_EQ(dib.m_dwPadWidth, 16);
    EXPECT_EQ(dib.m_nSysBitsPerPixel, 0); // true-colour display
    EXPECT_EQ(dib.m_pPalette != nullptr, bits != 24);
    ASSERT_EQ(dib.GetBitsSize(), original.bits.size());
    EXPECT_EQ(0, std::memcmp(dib.GetBits(), original.bits.data(), original.bits.size()));

    // Saving gives back the very bytes that were read.
    EXPECT_EQ(SaveBytes(dib), written);
}

INSTANTIATE_TEST_SUITE_P(BitCounts, DibRoundTrip, testing::Values(1, 4, 8, 24));

TEST(Dib, FileLayoutOfA24BitPicture)
{
    const std::vector<BYTE> file = FileOf(PatternPicture(3, 2, 24));
    BITMAPFILEHEADER fh{};
    ASSERT_TRUE(ReadBitmapFileHeader(file.data(), file.size(), &fh));
    EXPECT_EQ(fh.bfType, 0x4D42);
    EXPECT_EQ(fh.bfOffBits, 54u);
    EXPECT_EQ(fh.bfSize, 54u + 2 * 12);
    EXPECT_EQ(file.size(), fh.bfSize);
}

TEST(Dib, ArchiveRoundTripAndBadArchiveKeepsPicture)
{
    SECDib source;
    ASSERT_TRUE(LoadBytes(source, FileOf(PatternPicture(7, 3, 8))));
    CMemFile memory;
    {
        CArchive ar(&memory, CArchive::store);
        source.Serialize(ar);
    }
    memory.SeekToBegin();
    SECDib copy;
    {
        CArchive ar(&memory, CArchive::load);
        copy.Serialize(ar);
    }
    ASSERT_EQ(copy.GetBitsSize(), source.GetBitsSize());
    EXPECT_EQ(0, std::memcmp(copy.GetBits(), source.GetBits(), source.GetBitsSize()));
    EXPECT_EQ(0, std::memcmp(copy.GetHeader() + 1, source.GetHeader() + 1, 256 * sizeof(RGBQUAD)));

    // An archive cut short throws and keeps the picture.
    std::vector<BYTE> cut = FileOf(PatternPicture(2, 2, 24));
    cut.resize(cut.size() - 3);
    CMemFile shortFile(cut.data(), UINT(cut.size()));
    bool thrown = false;
    try {
        CArchive ar(&shortFile, CArchive::load);
        copy.Serialize(ar);
    } catch (CException *e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(copy.m_dwWidth, 7);
    EXPECT_EQ(copy.GetBitsSize(), source.GetBitsSize());
}

TEST(Dib, BothImageClassesAreCreatedByNameAndReadBackThroughAnArchive)
{
    const DibPicture picture = PatternPicture(5, 2, 24);
    std::vector<BYTE> bmp = FileOf(picture);
    for (const char *name : {"SECDib", "SECJpeg"}) {
        SCOPED_TRACE(name);
        CRuntimeClass *runtime = CRuntimeClass::FromName(name);
        ASSERT_NE(runtime, nullptr);
        EXPECT_EQ(runtime->m_wSchema, 1u);
        EXPECT_TRUE(runtime->IsDerivedFrom(RUNTIME_CLASS(SECImage)));
        // A new object of the class takes the picture from its BMP bytes,
        // then travels through an archive as an object.
        CMemFile memory;
        {
            std::unique_ptr<CObject> object(runtime->CreateObject());
            ASSERT_NE(object, nullptr);
            CMemFile source(bmp.data(), UINT(bmp.size()));
            CArchive in(&source, CArchive::load);
            object->Serialize(in);
            CArchive out(&memory, CArchive::store);
            out << object.get();
            out.Close();
        }
        memory.SeekToBegin();
        CArchive in(&memory, CArchive::load);
        CObject *read = nullptr;
        in >> read;
        std::unique_ptr<CObject> owned(read);
        ASSERT_NE(read, nullptr);
        EXPECT_TRUE(read->IsKindOf(runtime));
        auto *image = static_cast<SECImage *>(read);
        EXPECT_EQ(image->m_dwWidth, 5);
        ASSERT_EQ(image->GetBitsSize(), picture.bits.size());
        EXPECT_EQ(0, std::memcmp(image->GetBits(), picture.bits.data(), picture.bits.size()));
    }
}

TEST(Dib, ReadsOs2CoreAndV5HeadersForTheirCommonFields)
{
    const DibPicture p = PatternPicture(5, 3, 4);
    // OS/2 core header: 16-bit sizes and three-byte colour entries.
    std::vector<BYTE> core(14 + 12 + 16 * 3);
    Put16(core, 0, 0x4D42);
    Put32(core, 10, DWORD(core.size()));
    Put32(core, 14, 12);
    Put16(core, 18, 5);
    Put16(core, 20, 3);
    Put16(core, 22, 1);
    Put16(core, 24, 4);
    for (int i = 0; i < 16; ++i) {
        core[26 + 3 * i] = p.colours[i].rgbBlue;
        core[27 + 3 * i] = p.colours[i].rgbGreen;
        core[28 + 3 * i] = p.colours[i].rgbRed;
    }
    core.insert(core.end(), p.bits.begin(), p.bits.end());
    Put32(core, 2, DWORD(core.size()));
    SECDib dib;
    ASSERT_TRUE(LoadBytes(dib, core));
    EXPECT_EQ(0, std::memcmp(dib.GetBits(), p.bits.data(), p.bits.size()));
    const RGBQUAD *table = reinterpret_cast<const RGBQUAD *>(dib.GetHeader() + 1);
    EXPECT_EQ(table[9].rgbRed, p.colours[9].rgbRed);
    EXPECT_EQ(dib.GetHeader()->biSize, 40u);
    // An archive sizes the rows it reads from the same header reader.
    CMemFile coreFile(core.data(), UINT(core.size()));
    SECDib archived;
    {
        CArchive ar(&coreFile, CArchive::load);
        archived.Serialize(ar);
    }
    ASSERT_EQ(archived.GetBitsSize(), p.bits.size());
    EXPECT_EQ(0, std::memcmp(archived.GetBits(), p.bits.data(), p.bits.size()));

    // V5 header: 124 bytes, of which the first 40 are the usual fields.
    std::vector<BYTE> v5 = FileOf(p);
    v5.insert(v5.begin() + 54, 124 - 40, 0);
    Put32(v5, 14, 124);
    Put32(v5, 10, 14 + 124 + 64);
    SECDib dib5;
    ASSERT_TRUE(LoadBytes(dib5, v5));
    EXPECT_EQ(0, std::memcmp(dib5.GetBits(), p.bits.data(), p.bits.size()));
}

TEST(Dib, RowsAfterAGapAreReadAtTheirOffset)
{
    // Some writers leave bytes between the colour table and the rows; the
    // offset says where the rows are, however far that is.
    const DibPicture p = PatternPicture(6, 4, 8);
    std::vector<BYTE> file = FileOf(p);
    const size_t gap = 5000;
    file.insert(file.begin() + 14 + 40 + 1024, gap, 0xEE);
    Put32(file, 10, DWORD(14 + 40 + 1024 + gap));
    Put32(file, 2, DWORD(file.size()));
    SECDib dib;
    ASSERT_TRUE(LoadBytes(dib, file));
    ASSERT_EQ(dib.GetBitsSize(), p.bits.size());
    EXPECT_EQ(0, std::memcmp(dib.GetBits(), p.bits.data(), p.bits.size()));
    // Saved again, the gap is gone.
    EXPECT_EQ(SaveBytes(dib), FileOf(p));
}

struct BadBmp {
    const char *name;
    std::function<void(std::vector<BYTE> &)> spoil;
};

// Offsets in a 40-byte-header file: file header 0-13, info header from 14.
const BadBmp kBadFiles[] = {
    {"not a BMP", [](auto &b) { b[0] = 'P'; }},
    {"empty file", [](auto &b) { b.clear(); }},
    {"file header only", [](auto &b) { b.resize(14); }},
    {"header size 56", [](auto &b) { Put32(b, 14, 56); }},
    {"header size 0", [](auto &b) { Put32(b, 14, 0); }},
    {"header size beyond the file",
     [](auto &b) {
         Put32(b, 14, 124);
         b.resize(100);
     }},
    {"bit count 16", [](auto &b) { Put16(b, 28, 16); }},
    {"bit count 32", [](auto &b) { Put16(b, 28, 32); }},
    {"bit count 0", [](auto &b) { Put16(b, 28, 0); }},
    {"run-length compressed", [](auto &b) { Put32(b, 30, 1); }},
    {"bit fields", [](auto &b) { Put32(b, 30, 3); }},
    {"zero width", [](auto &b) { Put32(b, 18, 0); }},
    {"negative width", [](auto &b) { Put32(b, 18, DWORD(-4)); }},
    {"zero height", [](auto &b) { Put32(b, 22, 0); }},
    {"top-down rows", [](auto &b) { Put32(b, 22, DWORD(-2)); }},
    {"row size overflows", [](auto &b) { Put32(b, 18, 0x7FFFFFFF); }},
    {"image size overflows",
     [](auto &b) {
         Put32(b, 18, 0x10000);
         Put32(b, 22, 0x7FFFFFFF);
     }},
    {"wider than the DIB limit, every row there",
     [](auto &b) {
         Put32(b, 18, 32769);
         Put32(b, 22, 1);
         b.resize(54 + 1024 + 32772);
     }},
    {"offset below the headers", [](auto &b) { Put32(b, 10, 10); }},
    {"offset inside the colour table", [](auto &b) { Put32(b, 10, 54 + 100); }},
    {"offset beyond the file", [](auto &b) { Put32(b, 10, 0x7FFFFFF0); }},
    {"bits short of height x stride", [](auto &b) { b.pop_back(); }},
    {"bits shifted by the offset", [](auto &b) { Put32(b, 10, 54 + 1024 + 4); }},
};

TEST(Dib, BadFilesAreRefusedAndThePictureKept)
{
    for (const BadBmp &bad : kBadFiles) {
        SCOPED_TRACE(bad.name);
        const DibPicture held = PatternPicture(4, 4, 24);
        SECDib dib;
        ASSERT_TRUE(LoadBytes(dib, FileOf(held)));

        std::vector<BYTE> file = FileOf(PatternPicture(6, 4, 8));
        bad.spoil(file);
        EXPECT_FALSE(LoadBytes(dib, file));
        EXPECT_EQ(dib.m_dwWidth, 4);
        EXPECT_EQ(dib.m_nSrcBitsPerPixel, 24);
        ASSERT_EQ(dib.GetBitsSize(), held.bits.size());
        EXPECT_EQ(0, std::memcmp(dib.GetBits(), held.bits.data(), held.bits.size()));
        EXPECT_EQ(dib.GetHeader()->biWidth, 4);
    }
}

TEST(Dib, LoadAndSaveByName)
{
    const std::string path = testing::TempDir() + "plexo_dib_by_name.bmp";
    const std::vector<BYTE> bytes = FileOf(PatternPicture(9, 2, 1));
    {
        CFile out(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        out.Write(bytes.data(), UINT(bytes.size()));
    }
    SECDib dib;
    ASSERT_TRUE(dib.LoadImage(path.c_str()));
    const std::string copy = path + ".copy.bmp";
    ASSERT_TRUE(dib.SaveImage(copy.c_str()));
    SECDib again;
    ASSERT_TRUE(again.LoadImage(copy.c_str()));
    EXPECT_EQ(SaveBytes(again), bytes);
    EXPECT_FALSE(again.LoadImage((path + ".missing").c_str()));
    EXPECT_EQ(again.m_dwWidth, 9);
    CFile::Remove(path.c_str());
    CFile::Remove(copy.c_str());
}

TEST(Dib, SavingWithoutAPictureFails)
{
    SECDib dib;
    CMemFile file;
    EXPECT_FALSE(dib.SaveImage(&file));
    EXPECT_EQ(file.GetLength(), 0u);
}

} // namespace
