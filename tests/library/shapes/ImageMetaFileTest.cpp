#include "../model/ArchiveBytes.h"
#include "ImageTestFiles.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/shapes/QYImageMetaFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void Record(Bytes& out, uint16_t function, std::initializer_list<uint16_t> params)
{
    PutLe(out, 3 + params.size(), 4);
    PutLe(out, function, 2);
    for (uint16_t p : params)
        PutLe(out, p, 2);
}

// A 200 x 100 window filled with a red rectangle by a null pen.
Bytes RedMetaFile()
{
    Bytes records;
    Record(records, 0x020B, {0, 0});                 // SetWindowOrg(y, x)
    Record(records, 0x020C, {100, 200});             // SetWindowExt(y, x)
    Record(records, 0x02FC, {0, 0x00FF, 0x0000, 0}); // CreateBrushIndirect: solid, red
    Record(records, 0x012D, {0});                    // SelectObject
    Record(records, 0x02FA, {5, 0, 0, 0, 0});        // CreatePenIndirect: PS_NULL
    Record(records, 0x012D, {1});
    Record(records, 0x041B, {101, 201, 0, 0}); // Rectangle(bottom, right, top, left)
    Record(records, 0x0000, {});               // end
    Bytes out;
    PutLe(out, 1, 2);
    PutLe(out, 9, 2);
    PutLe(out, 0x300, 2);
    PutLe(out, (18 + records.size()) / 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 7, 4);
    PutLe(out, 0, 2);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

Bytes WithPlaceable(const Bytes& metafile)
{
    Bytes out;
    PutLe(out, kQYPlaceableKey, 4);
    PutLe(out, 0, 2);
    PutLe(out, 0, 4);
    PutLe(out, 2000, 2);
    PutLe(out, 1000, 2);
    PutLe(out, 1000, 2); // units per inch
    PutLe(out, 0, 4);
    PutLe(out, 0, 2);
    out.insert(out.end(), metafile.begin(), metafile.end());
    return out;
}

std::string Write(const std::string& name, const Bytes& bytes)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("plexo_wmf_" + name)).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

class Page {
public:
    Page()
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(100, 100, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 100, 100, RGB(255, 255, 255));
    }
    ~Page() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    bool Red(int x, int y) { return (m_dc.GetPixel(x, y) & 0xFFFFFF) == RGB(255, 0, 0); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

TEST(ImageMetaFile, PlainAndPlaceableMetafilesDrawInModes10And11)
{
    CQYImageMetaFile plain;
    EXPECT_TRUE(plain.IsEmpty());
    ASSERT_TRUE(plain.LoadFromFile(Write("plain.wmf", RedMetaFile()).c_str()));
    EXPECT_FALSE(plain.IsEmpty());
    for (int nMode : {10, 11}) {
        Page page;
        ASSERT_TRUE(plain.Draw(page.DC(), CRect(0, 0, 100, 100), nMode));
        EXPECT_TRUE(page.Red(50, 5)) << nMode; // no size known: stretched whole
        EXPECT_TRUE(page.Red(50, 95)) << nMode;
    }
    CQYImageMetaFile placeable;
    ASSERT_TRUE(placeable.LoadFromFile(Write("placeable.wmf", WithPlaceable(RedMetaFile())).c_str()));
    {
        Page page;
        ASSERT_TRUE(placeable.Draw(page.DC(), CRect(0, 0, 100, 100), 10));
        EXPECT_TRUE(page.Red(50, 5));
    }
    {
        // 2:1 kept: the picture takes the middle band.
        Page page;
        ASSERT_TRUE(placeable.Draw(page.DC(), CRect(0, 0, 100, 100), 11));
        EXPECT_FALSE(page.Red(50, 10));
        EXPECT_TRUE(page.Red(50, 50));
        EXPECT_FALSE(page.Red(50, 90));
    }
}

TEST(ImageMetaFile, BadFilesKeepThePictureHeldBefore)
{
    CQYImageMetaFile image;
    ASSERT_TRUE(image.LoadFromFile(Write("good.wmf", RedMetaFile()).c_str()));
    HENHMETAFILE hBefore = image.GetEnhMetaFile();
    Bytes enhanced = RedMetaFile();
    enhanced[0] = 3; // not a Windows metafile type
    Bytes pastEnd = RedMetaFile();
    pastEnd[6] = 0xFF;
    EXPECT_FALSE(image.LoadFromFile(Write("bad1.wmf", enhanced).c_str()));
    EXPECT_FALSE(image.LoadFromFile(Write("bad2.wmf", pastEnd).c_str()));
    EXPECT_FALSE(image.LoadFromFile(Write("empty.wmf", Bytes()).c_str()));
    EXPECT_FALSE(image.LoadFromFile("/nonexistent/plexo/picture.wmf"));
    EXPECT_EQ(image.GetEnhMetaFile(), hBefore);
    CQYImageMetaFile empty;
    Page page;
    EXPECT_FALSE(empty.Draw(page.DC(), CRect(0, 0, 10, 10), 10));
}

// The record: 24-byte block, size, bytes; invalid bytes give no picture and
// the value after the record still reads from the right place.
TEST(ImageMetaFile, RecordRoundTripsAndSkipsBadBytesExactly)
{
    CQYImageMetaFile image;
    ASSERT_TRUE(image.LoadFromFile(Write("rec.wmf", WithPlaceable(RedMetaFile())).c_str()));
    CQYImageMetaFile empty;
    Bytes record;
    {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        image.Serialize(ar);
        empty.Serialize(ar);
        ar << 0x0BADF00D;
        ar.Close();
        record.resize(static_cast<size_t>(file.GetLength()));
        file.SeekToBegin();
        file.Read(record.data(), static_cast<UINT>(record.size()));
    }
    const uint32_t nSize = record[24] | record[25] << 8 | record[26] << 16 | static_cast<uint32_t>(record[27]) << 24;
    EXPECT_GT(nSize, 0u);
    EXPECT_EQ(record.size(), 24 + 4 + nSize + 24 + 4 + 4);
    EXPECT_EQ(record[0], 0xD7);

    for (bool bCorrupt : {false, true}) {
        Bytes bytes = record;
        if (bCorrupt)
            bytes[28] ^= 0xFF; // the enhanced metafile's first record type
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        CQYImageMetaFile first, second;
        first.Serialize(ar);
        second.Serialize(ar);
        int nAfter = 0;
        ar >> nAfter;
        EXPECT_EQ(first.IsEmpty(), bCorrupt);
        EXPECT_TRUE(second.IsEmpty());
        EXPECT_EQ(nAfter, 0x0BADF00D);
        if (!bCorrupt) {
            Page page;
            ASSERT_TRUE(first.Draw(page.DC(), CRect(0, 0, 100, 100), 11));
            EXPECT_TRUE(page.Red(50, 50));
            EXPECT_FALSE(page.Red(50, 10));
        }
    }
    // A size past the end of the archive raises.
    Bytes cut(record.begin(), record.begin() + 40);
    CQYImageMetaFile reader;
    EXPECT_EQ(LoadRecord(reader, cut), CArchiveException::endOfFile);
}

} // namespace
