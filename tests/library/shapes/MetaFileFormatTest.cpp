#include "ImageTestFiles.h"

#include "library/shapes/QYMetaFileFormat.h"

#include <gtest/gtest.h>

namespace {

// A Windows metafile: the 18-byte header, then records (size in words,
// function), ending with the end record.
Bytes WinMetaFile(uint16_t type = 1, uint16_t headerWords = 9, int64_t sizeDelta = 0)
{
    Bytes records;
    PutLe(records, 5, 4); // SetBkColor: 5 words
    PutLe(records, 0x0201, 2);
    PutLe(records, 0x00FF00, 4);
    PutLe(records, 3, 4); // end of file
    PutLe(records, 0, 2);
    Bytes out;
    const uint64_t words = (18 + records.size()) / 2;
    PutLe(out, type, 2);
    PutLe(out, headerWords, 2);
    PutLe(out, 0x300, 2);
    PutLe(out, static_cast<uint64_t>(static_cast<int64_t>(words) + sizeDelta), 4);
    PutLe(out, 0, 2);
    PutLe(out, 5, 4);
    PutLe(out, 0, 2);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

Bytes Placeable(const Bytes& metafile, int16_t right, int16_t bottom, uint16_t inch)
{
    Bytes out;
    PutLe(out, kQYPlaceableKey, 4);
    PutLe(out, 0, 2);
    PutLe(out, 0, 4); // left, top
    PutLe(out, static_cast<uint16_t>(right), 2);
    PutLe(out, static_cast<uint16_t>(bottom), 2);
    PutLe(out, inch, 2);
    PutLe(out, 0, 4);
    PutLe(out, 0x1234, 2); // checksum, not checked
    out.insert(out.end(), metafile.begin(), metafile.end());
    return out;
}

TEST(MetaFileFormat, FindsPlainAndPlaceableMetafiles)
{
    const Bytes plain = WinMetaFile();
    QYWinMetaFileSpan span;
    ASSERT_TRUE(QYFindWinMetaFile(plain.data(), plain.size(), &span));
    EXPECT_EQ(span.nOffset, 0u);
    EXPECT_EQ(span.nBytes, plain.size());
    int nInch = 0;
    CRect box;
    EXPECT_FALSE(QYPlaceableFrame(span.placeable, &nInch, &box));

    const Bytes placeable = Placeable(plain, 2000, 1000, 1000);
    ASSERT_TRUE(QYFindWinMetaFile(placeable.data(), placeable.size(), &span));
    EXPECT_EQ(span.nOffset, 22u);
    EXPECT_EQ(span.nBytes, plain.size());
    ASSERT_TRUE(QYPlaceableFrame(span.placeable, &nInch, &box));
    EXPECT_EQ(nInch, 1000);
    EXPECT_EQ(box, CRect(0, 0, 2000, 1000));
    EXPECT_EQ(span.placeable[22], 0);
    EXPECT_EQ(span.placeable[23], 0);
}

TEST(MetaFileFormat, RefusesBadHeaders)
{
    Bytes shortPlaceable = Placeable(WinMetaFile(), 10, 10, 100);
    shortPlaceable.resize(20);
    Bytes cutHeader = WinMetaFile();
    cutHeader.resize(17);
    const std::pair<const char*, Bytes> bad[] = {
        {"empty", Bytes()},
        {"three bytes", Bytes{1, 0, 9}},
        {"header cut", cutHeader},
        {"type 3", WinMetaFile(3)},
        {"type 0", WinMetaFile(0)},
        {"header of 8 words", WinMetaFile(1, 8)},
        {"header of 10 words", WinMetaFile(1, 10)},
        {"size past the end", WinMetaFile(1, 9, 1)},
        {"size below the header", WinMetaFile(1, 9, -10)},
        {"huge size", WinMetaFile(1, 9, 0x7FFFFFF0)},
        {"placeable header cut", shortPlaceable},
        {"placeable without metafile", Placeable(Bytes(), 10, 10, 100)},
    };
    for (const auto& [name, bytes] : bad) {
        QYWinMetaFileSpan span;
        EXPECT_FALSE(QYFindWinMetaFile(bytes.data(), bytes.size(), &span)) << name;
    }
}

TEST(MetaFileFormat, FitRectModes)
{
    struct Case {
        int mode;
        CRect rc;
        CSize size;
        CRect expected;
    };
    const CRect r(10, 20, 110, 70); // 100 x 50
    const Case cases[] = {
        {1, r, {40, 20}, {10, 20, 50, 40}},
        {2, r, {40, 20}, {40, 20, 80, 40}},
        {3, r, {40, 20}, {70, 20, 110, 40}},
        {5, r, {40, 20}, {40, 35, 80, 55}},
        {9, r, {40, 20}, {70, 50, 110, 70}},
        {7, r, {200, 100}, {10, 20, 110, 70}},
        {5, r, {41, 21}, {39, 34, 80, 55}},
        {10, r, {40, 20}, r},
        {11, r, {40, 40}, {35, 20, 85, 70}},
        {11, r, {400, 100}, {10, 32, 110, 57}},
        {11, r, {0, 30}, r},
        {11, r, {30, 0}, r},
        {12, r, {40, 20}, r},
        {0, r, {40, 20}, r},
    };
    for (const Case& c : cases) {
        CRect rc = c.rc;
        QYFitRect(rc, c.size, c.mode);
        EXPECT_EQ(rc, c.expected) << "mode " << c.mode << " size " << c.size.cx << "x" << c.size.cy;
    }
}

} // namespace
