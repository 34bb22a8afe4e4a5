#include "EmfBuilder.h"
#include "GdiTestSupport.h"

#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/MetaFileDC.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStock = Emf::kStockObjectFlag;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A red rectangle at (10,10)-(30,20) without outline (so its fill ends a
// pixel short of the right and bottom edge), the frame 96x96 pixels.
EmfBuilder RedRectangle()
{
    EmfBuilder b;
    b.Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::SELECTOBJECT, {kStock | NULL_PEN})
        .Add(Emf::RECTANGLE, {10, 10, 30, 20});
    return b;
}

HENHMETAFILE Make(const std::vector<BYTE> &bytes)
{
    return SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
}

void Play(Canvas &canvas, HENHMETAFILE emf, RECT target = {0, 0, 96, 96})
{
    EXPECT_TRUE(PlayEnhMetaFile(canvas.dc.m_hDC, emf, &target));
}

void PutU32(std::vector<BYTE> &bytes, size_t at, DWORD value)
{
    std::memcpy(bytes.data() + at, &value, 4);
}

TEST(EnhMetaFile, BytesComeBackIdenticalWithTheirHeader)
{
    const std::vector<BYTE> bytes = RedRectangle().Bytes();
    HENHMETAFILE emf = Make(bytes);
    ASSERT_NE(emf, nullptr);
    const UINT size = GetEnhMetaFileBits(emf, 0, nullptr);
    ASSERT_EQ(size, bytes.size());
    std::vector<BYTE> back(size);
    EXPECT_EQ(GetEnhMetaFileBits(emf, size, back.data()), size);
    EXPECT_EQ(back, bytes);

    ENHMETAHEADER header{};
    EXPECT_GT(GetEnhMetaFileHeader(emf, 0, nullptr), 0u);
    ASSERT_GT(GetEnhMetaFileHeader(emf, sizeof header, &header), 0u);
    EXPECT_EQ(header.nRecords, 6u);
    EXPECT_EQ(header.nBytes, bytes.size());
    EXPECT_EQ(header.nHandles, 8);
    EXPECT_EQ(header.rclFrame.right, 2540);
    EXPECT_EQ(header.szlDevice.cx, 960);
    EXPECT_EQ(header.szlMicrometers.cx, 0); // beyond this header's 88 bytes

    HENHMETAFILE copy = CopyEnhMetaFile(emf, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(DeleteEnhMetaFile(emf));
    EXPECT_FALSE(DeleteEnhMetaFile(emf));
    EXPECT_EQ(GetEnhMetaFileBits(emf, 0, nullptr), 0u);
    EXPECT_EQ(GetEnhMetaFileBits(copy, 0, nullptr), bytes.size());
    EXPECT_TRUE(DeleteEnhMetaFile(copy));
}

TEST(EnhMetaFile, MalformedBytesAreRefused)
{
    const std::vector<BYTE> good = RedRectangle().Bytes();
    const size_t firstRecord = 88;
    struct Case {
        const char *name;
        std::vector<BYTE> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"truncated header", std::vector<BYTE>(good.begin(), good.begin() + 60)});
    cases.push_back({"truncated records", std::vector<BYTE>(good.begin(), good.end() - 4)});
    auto edit = [&](const char *name, size_t at, DWORD value) {
        std::vector<BYTE> bytes = good;
        PutU32(bytes, at, value);
        cases.push_back({name, bytes});
    };
    edit("not a header record", 0, Emf::EOF_);
    edit("bad signature", 40, 0x12345678);
    edit("header size below minimum", 4, 80);
    edit("header size past the bytes", 4, 0x7FFFFFF0);
    edit("byte count larger than the bytes", 48, static_cast<DWORD>(good.size() + 4));
    edit("byte count smaller than the bytes", 48, static_cast<DWORD>(good.size() - 20));
    edit("record count wrong", 52, 7);
    edit("no handles", 56, 0);
    edit("description past the header", 60, 50);
    edit("record size zero", firstRecord + 4, 0);
    edit("record size odd", firstRecord + 4, 26);
    edit("record size past the end", firstRecord + 4, 0x10000);
    {
        std::vector<BYTE> bytes = good;
        PutU32(bytes, bytes.size() - 20, Emf::SAVEDC); // the last record no longer ends the file
        cases.push_back({"no end record", bytes});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HENHMETAFILE emf = Make(c.bytes);
        EXPECT_EQ(emf, nullptr);
        if (emf)
            DeleteEnhMetaFile(emf);
    }
    EXPECT_EQ(SetEnhMetaFileBits(0, nullptr), nullptr);
}

// A recorded metafile whose header carries "Orchard\0Page 1\0\0" (16 units
// at offset 108, the header record 140 bytes long).
std::vector<BYTE> DescribedMetafile()
{
    CMetaFileDC recorder;
    EXPECT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, nullptr, "Orchard\0Page 1\0\0"));
    recorder.MoveTo(1, 1);
    HENHMETAFILE emf = recorder.CloseEnhanced();
    std::vector<BYTE> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(emf);
    return bytes;
}

TEST(EnhMetaFile, HostileDescriptionsAreReadWithinTheHeader)
{
    const std::vector<BYTE> good = DescribedMetafile();
    ASSERT_EQ(good.size() % 4, 0u);
    struct Case {
        const char *name;
        DWORD count, offset;
        bool accepted;
        std::string text; // as read back; empty: only its shape is checked
    };
    const Case cases[] = {
        {"intact", 16, 108, true, std::string("Orchard\0Page 1\0\0", 16)},
        {"application with a single NUL", 8, 108, true, std::string("Orchard\0\0\0", 10)},
        {"no NUL at all", 7, 108, true, std::string("Orchard\0\0\0", 10)},
        {"picture without its final NUL", 15, 108, true, std::string("Orchard\0Page 1\0\0", 16)},
        {"odd offset", 15, 109, true, {}},
        {"one unit past the record", 17, 108, false, {}},
        {"offset inside the fixed fields", 16, 80, false, {}},
        {"offset past the bytes", 2, 0xFFFFFFF0u, false, {}},
        {"count that overflows", 0x80000001u, 108, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BYTE> bytes = good;
        PutU32(bytes, 60, c.count);
        PutU32(bytes, 64, c.offset);
        HENHMETAFILE emf = Make(bytes);
        ASSERT_EQ(emf != nullptr, c.accepted);
        if (!emf)
            continue;
        const UINT length = GetEnhMetaFileDescription(emf, 0, nullptr);
        std::string text(length, 'x');
        ASSERT_EQ(GetEnhMetaFileDescription(emf, length, text.data()), length);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text);
        }
        // Whatever the units, a reader walking to the double NUL stays inside.
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(text.size() - 2), std::string(2, '\0'));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\0'), 3);
        // A short buffer gets the start and nothing past its size.
        std::string shortBuffer(4, 'x');
        shortBuffer.push_back('!');
        EXPECT_EQ(GetEnhMetaFileDescription(emf, 4, shortBuffer.data()), 4u);
        EXPECT_EQ(shortBuffer.substr(0, 4), text.substr(0, 4));
        EXPECT_EQ(shortBuffer[4], '!');
        DeleteEnhMetaFile(emf);
    }
    // No description, and a handle that is not one.
    HENHMETAFILE plain = Make(RedRectangle().Bytes());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetEnhMetaFileDescription(plain, 0, nullptr), 0u);
    DeleteEnhMetaFile(plain);
    EXPECT_EQ(GetEnhMetaFileDescription(plain, 0, nullptr), GDI_ERROR);
}

TEST(EmfPlayer, PlaysAtTheFramesSizeAndScalesIntoOtherRectangles)
{
    HENHMETAFILE emf = Make(RedRectangle().Bytes());
    ASSERT_NE(emf, nullptr);
    struct Case {
        RECT target;
        RECT box; // where the rectangle's box must land
    };
    const Case cases[] = {
        {{0, 0, 96, 96}, {10, 10, 30, 20}},
        {{0, 0, 48, 48}, {5, 5, 15, 10}},
        {{4, 8, 196, 200}, {24, 28, 64, 48}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target.right);
        Canvas canvas(200, 200);
        Play(canvas, emf, c.target);
        const CRect fill(c.box.left, c.box.top, c.box.right - 1, c.box.bottom - 1);
        EXPECT_EQ(canvas.BoundsNot(kWhite), fill);
        EXPECT_EQ(canvas.Count(kRed), fill.Width() * fill.Height());
    }
    DeleteEnhMetaFile(emf);
}

TEST(EmfPlayer, TargetStateAndClipAreKept)
{
    EmfBuilder b;
    b.Add(Emf::SETTEXTCOLOR, {RGB(0, 255, 0)})
        .Add(Emf::SETMAPMODE, {MM_LOMETRIC})
        .Add(Emf::SETMAPMODE, {MM_TEXT})
        .Add(Emf::SAVEDC, {})
        .Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::EXTSELECTCLIPRGN, {0, RGN_COPY}) // back to no clip of its own
        .Add(Emf::RECTANGLE, {0, 0, 96, 96});      // no RESTOREDC: the player's job
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);

    Canvas canvas(96, 96);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen *oldPen = canvas.dc.SelectObject(&pen);
    canvas.dc.SetTextColor(RGB(1, 2, 3));
    canvas.dc.IntersectClipRect(0, 0, 40, 96);
    Play(canvas, emf);
    EXPECT_EQ(canvas.At(20, 50), kRed);
    EXPECT_EQ(canvas.At(60, 50), kWhite); // outside the target's clip
    EXPECT_EQ(canvas.dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(canvas.dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->m_hObject, pen.m_hObject);
    CRect clip;
    canvas.dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 40, 96));
    EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(0, 0));
    canvas.dc.SelectObject(oldPen);
    DeleteEnhMetaFile(emf);
}

std::vector<BYTE> StretchDibitsBody(LONG width, LONG height, const std::vector<BYTE> &rows, LONG cx, LONG cy)
{
    // bounds, dest x y, src x y cx cy, offBmi cbBmi offBits cbBits, usage, rop, dest cx cy; then header, bits.
    const DWORD offBmi = 80, cbBmi = 40, offBits = offBmi + cbBmi;
    std::vector<BYTE> body =
        EmfBuilder::Pack({0, 0, 0, 0, 50, 50, 0, 0, DWORD(width), DWORD(height < 0 ? -height : height), offBmi, cbBmi,
                          offBits, DWORD(rows.size()), DIB_RGB_COLORS, SRCCOPY, DWORD(cx), DWORD(cy)});
    EmfBuilder::Append(body,
                       EmfBuilder::Pack({40, DWORD(width), DWORD(height), 1u | (24u << 16), BI_RGB, 0, 0, 0, 0, 0}));
    EmfBuilder::Append(body, rows);
    return body;
}

TEST(EmfPlayer, StretchDibitsPlaysBottomUpRows)
{
    // 2x2, 24 bits, rows of 8 bytes, bottom row first: bottom blue/green, top red/white.
    const std::vector<BYTE> rows = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    EmfBuilder b;
    b.AddBytes(Emf::STRETCHDIBITS, StretchDibitsBody(2, 2, rows, 20, 20));
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(96, 96, RGB(0, 0, 0));
    Play(canvas, emf);
    EXPECT_EQ(canvas.At(55, 55), kRed);
    EXPECT_EQ(canvas.At(65, 55), kWhite);
    EXPECT_EQ(canvas.At(55, 65), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(65, 65), RGB(0, 255, 0));
    DeleteEnhMetaFile(emf);
}

TEST(EmfPlayer, TextRecordDrawsUtf16Text)
{
    // EXTTEXTOUTW: bounds, graphics mode, scales, reference, count, offString, options, rect, offDx; then text.
    const std::u16string text = u"Hé";
    std::vector<BYTE> body = EmfBuilder::Pack({0, 0, 0, 0, 1, 0, 0, 20, 20, DWORD(text.size()), 76, 0, 0, 0, 0, 0, 0});
    std::vector<BYTE> units(text.size() * 2);
    std::memcpy(units.data(), text.data(), units.size());
    EmfBuilder::Append(body, units);
    EmfBuilder b;
    b.AddBytes(Emf::EXTTEXTOUTW, body);
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas played(96, 96), direct(96, 96);
    Play(played, emf);
    direct.dc.TextOut(20, 20, "Hé", 3);
    EXPECT_GT(played.Count(RGB(0, 0, 0)), 10);
    EXPECT_EQ(played.image, direct.image);
    DeleteEnhMetaFile(emf);
}

TEST(EmfPlayer, HostileRecordsAreSkippedAndPlayingGoesOn)
{
    struct Case {
        const char *name;
        DWORD type;
        std::vector<BYTE> body;
    };
    std::vector<BYTE> hugeDib = StretchDibitsBody(100000, 100000, std::vector<BYTE>(64, 0), 20, 20);
    std::vector<BYTE> shortBits = StretchDibitsBody(16, 16, std::vector<BYTE>(16, 0), 20, 20);
    std::vector<BYTE> dibOffsetPast = StretchDibitsBody(2, 2, std::vector<BYTE>(16, 0), 20, 20);
    PutU32(dibOffsetPast, 40, 0x7FFFFFF0);
    const std::vector<Case> cases = {
        {"object index outside the table", Emf::SELECTOBJECT, EmfBuilder::Pack({99})},
        {"empty object slot", Emf::SELECTOBJECT, EmfBuilder::Pack({5})},
        {"delete outside the table", Emf::DELETEOBJECT, EmfBuilder::Pack({0xFFFF})},
        {"create into slot 0", Emf::CREATEBRUSHINDIRECT, EmfBuilder::Pack({0, BS_SOLID, 0x00FF00, 0})},
        {"point count beyond the record", Emf::POLYGON, EmfBuilder::Pack({0, 0, 0, 0, 1000, 0, 0, 90, 90})},
        {"point count huge", Emf::POLYLINE16, EmfBuilder::Pack({0, 0, 0, 0, 0xFFFFFFFF, 0})},
        {"poly counts not adding up", Emf::POLYPOLYGON,
         EmfBuilder::Pack({0, 0, 0, 0, 2, 3, 2, 2, 0, 0, 90, 90, 0, 90})},
        {"rectangle without its box", Emf::RECTANGLE, EmfBuilder::Pack({0})},
        {"restore below the first level", Emf::RESTOREDC, EmfBuilder::Pack({DWORD(-5)})},
        {"restore to an absolute level", Emf::RESTOREDC, EmfBuilder::Pack({1})},
        {"huge DIB", Emf::STRETCHDIBITS, hugeDib},
        {"DIB bits shorter than its rows", Emf::STRETCHDIBITS, shortBits},
        {"DIB offset past the record", Emf::STRETCHDIBITS, dibOffsetPast},
        {"region with more rectangles than bytes", Emf::EXTSELECTCLIPRGN,
         EmfBuilder::Pack({48, RGN_COPY, 32, 1, 1000, 16000, 0, 0, 5, 5})},
        {"text count beyond the record", Emf::EXTTEXTOUTW,
         EmfBuilder::Pack({0, 0, 0, 0, 1, 0, 0, 0, 0, 5000, 76, 0, 0, 0, 0, 0, 0})},
        {"zero window extent", Emf::SETWINDOWEXTEX, EmfBuilder::Pack({0, 0})},
        {"world transform not finite", Emf::SETWORLDTRANSFORM, EmfBuilder::Pack({0x7F800000, 0, 0, 0x3F800000, 0, 0})},
        {"unknown record", 9999, EmfBuilder::Pack({1, 2, 3})},
        {"gradient vertices beyond the record", Emf::GRADIENTFILL,
         EmfBuilder::Pack({0, 0, 90, 90, 50, 1, GRADIENT_FILL_RECT_H, 0, 0, 0, 0, 90, 90, 0xFF00, 0, 0, 1})},
        {"gradient vertex count huge", Emf::GRADIENTFILL,
         EmfBuilder::Pack({0, 0, 90, 90, 0xFFFFFFFF, 1, GRADIENT_FILL_RECT_H, 0, 1})},
        {"gradient mesh naming a missing vertex", Emf::GRADIENTFILL,
         EmfBuilder::Pack({0, 0, 90, 90, 2, 1, GRADIENT_FILL_TRIANGLE, 0, 0, 0xFF00, 0, 90, 90, 0xFF00, 0, 0, 1, 7})},
        {"gradient of an unknown kind", Emf::GRADIENTFILL,
         EmfBuilder::Pack({0, 0, 90, 90, 2, 1, 7, 0, 0, 0xFF00, 0, 90, 90, 0xFF00, 0, 0, 1})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EmfBuilder b;
        b.Add(Emf::SETMAPMODE, {MM_ANISOTROPIC}).AddBytes(c.type, c.body);
        b.Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
            .Add(Emf::SELECTOBJECT, {1})
            .Add(Emf::SELECTOBJECT, {kStock | NULL_PEN})
            .Add(Emf::RECTANGLE, {10, 10, 30, 20});
        HENHMETAFILE emf = Make(b.Bytes());
        ASSERT_NE(emf, nullptr);
        Canvas canvas(96, 96);
        Play(canvas, emf);
        EXPECT_EQ(canvas.BoundsNot(kWhite), CRect(10, 10, 29, 19));
        EXPECT_EQ(canvas.Count(kRed), 19 * 9);
        DeleteEnhMetaFile(emf);
    }
}

TEST(EmfPlayer, EndlessNestingIsBounded)
{
    EmfBuilder b;
    for (int i = 0; i < 5000; ++i)
        b.Add(Emf::SAVEDC, {});
    b.Add(Emf::RESTOREDC, {DWORD(-1)});
    b.Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::RECTANGLE, {0, 0, 5, 5});
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(96, 96);
    const int before = canvas.dc.SaveDC();
    Play(canvas, emf);
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.dc.SaveDC(), before + 1); // every level the metafile saved is gone
    DeleteEnhMetaFile(emf);
}

// A pen tens of thousands of pixels wide along a curve of thousands of
// points covers the whole target, as its stroke does, without outlining
// every round join of the curve.
TEST(EmfPlayer, APenFarWiderThanTheTargetCoversIt)
{
    for (DWORD type : {Emf::CHORD, Emf::PIE, Emf::ARC}) {
        SCOPED_TRACE(type);
        EmfBuilder b;
        b.Add(Emf::CREATEPEN, {1, PS_SOLID, 30000, 0, kRed})
            .Add(Emf::SELECTOBJECT, {1})
            .Add(Emf::SELECTOBJECT, {kStock | NULL_BRUSH})
            .Add(type, {2000, 2000, 9000, 2600, 9000, 2300, 2000, 2300});
        HENHMETAFILE emf = Make(b.Bytes());
        ASSERT_NE(emf, nullptr);
        Canvas canvas(96, 96);
        Play(canvas, emf);
        EXPECT_EQ(canvas.Count(kRed), 96 * 96);
        DeleteEnhMetaFile(emf);
    }
}

// An arc of ten turns on a radius near the coordinate limit, through the
// canvas at (48, 48): its steps are bounded, not wrapped into a handful, so
// near the canvas it runs upwards along its tangent.
TEST(EmfPlayer, AnArcOfManyTurnsOnAHugeRadiusFollowsItsCircle)
{
    const LONG radius = (1 << 27) - 100;
    float start = 0, sweep = 3600;
    DWORD startBits, sweepBits;
    std::memcpy(&startBits, &start, 4);
    std::memcpy(&sweepBits, &sweep, 4);
    EmfBuilder b;
    b.Add(Emf::CREATEPEN, {1, PS_SOLID, 1, 0, kRed})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::MOVETOEX, {48, 48})
        .Add(Emf::ANGLEARC, {DWORD(48 - radius), 48, DWORD(radius), startBits, sweepBits});
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(96, 96);
    Play(canvas, emf);
    int upwards = 0;
    for (int x = 46; x <= 49; ++x)
        upwards += canvas.At(x, 10) == kRed;
    EXPECT_EQ(upwards, 1);
    DeleteEnhMetaFile(emf);
}

// A clip region in reference pixels scaled past the int range stays far
// away: it does not wrap around onto the canvas.
TEST(EmfPlayer, AClipRegionScaledPastTheLimitsStaysOffTheCanvas)
{
    // A frame one reference pixel wide played 96 pixels wide: 96 times.
    EmfBuilder b(RECT{0, 0, 26, 26});
    const DWORD left = 44739243; // times 96 is 2^32 + 32
    b.Add(Emf::EXTSELECTCLIPRGN, {48, RGN_COPY, 32, 1, 1, 16, 0, 0, 0, 0, left, 0, left + 1, 1});
    b.Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::SELECTOBJECT, {kStock | NULL_PEN})
        .Add(Emf::RECTANGLE, {0, 0, 2, 2});
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(96, 96);
    Play(canvas, emf);
    EXPECT_EQ(canvas.Count(kRed), 0);
    DeleteEnhMetaFile(emf);
}

// A clip region whose rectangles overlap and are not in bands: everything
// either rectangle covers is taken out of the clip, not only their overlap.
TEST(EmfPlayer, ADifferenceClipOfOverlappingRectanglesExcludesBoth)
{
    EmfBuilder b;
    b.Add(Emf::EXTSELECTCLIPRGN, {64, RGN_DIFF, 32, 1, 2, 32, 10, 10, 70, 70, 10, 10, 50, 50, 30, 30, 70, 70});
    b.Add(Emf::CREATEBRUSHINDIRECT, {1, BS_SOLID, kRed, 0})
        .Add(Emf::SELECTOBJECT, {1})
        .Add(Emf::SELECTOBJECT, {kStock | NULL_PEN})
        .Add(Emf::RECTANGLE, {0, 0, 97, 97});
    HENHMETAFILE emf = Make(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(96, 96);
    Play(canvas, emf);
    for (const POINT p : {POINT{20, 20}, POINT{40, 40}, POINT{60, 60}, POINT{45, 15}, POINT{15, 45}})
        EXPECT_EQ(canvas.At(p.x, p.y), kWhite) << p.x << "," << p.y;
    for (const POINT p : {POINT{5, 5}, POINT{60, 20}, POINT{20, 60}, POINT{80, 80}})
        EXPECT_EQ(canvas.At(p.x, p.y), kRed) << p.x << "," << p.y;
    EXPECT_EQ(canvas.Count(kRed), 96 * 96 - (40 * 40 * 2 - 20 * 20));
    DeleteEnhMetaFile(emf);
}

} // namespace
