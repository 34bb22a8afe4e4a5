#include "kilnsmith/frame/FrameArtwork.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/resources/Resources.h"
#include "kilnsmith/frame/ResourceIds.h"

namespace {

constexpr DWORD kButtonFace = 0xC0C0C0;
// Ids of the icon images behind icon groups 101 and 105, and behind the
// document frames' icon group 102.
constexpr UINT kIconImageSmall = 10501;
constexpr UINT kIconImageLarge = 10502;
constexpr UINT kDocumentImageSmall = 10201;
constexpr UINT kDocumentImageLarge = 10202;

// 0x00RRGGBB of a palette letter.
DWORD ColourOf(char c)
{
    switch (c) {
    case 'k': return 0x000000;
    case 'w': return 0xFFFFFF;
    case 'g': return 0x808080;
    case 'b': return 0x000080;
    case 'B': return 0x0000FF;
    case 'y': return 0xFFFF00;
    case 'Y': return 0x808000;
    case 'R': return 0xB03020;
    case 'o': return 0xFF8000;
    case 'G': return 0x008000;
    default: return kButtonFace;
    }
}

ArtworkGrid Grid(std::vector<std::string> rows)
{
    ArtworkGrid grid;
    grid.nHeight = static_cast<int>(rows.size());
    grid.nWidth = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    grid.rows = std::move(rows);
    return grid;
}

char Cell(const ArtworkGrid &grid, int x, int y)
{
    if (y < 0 || y >= grid.nHeight || x < 0 || x >= static_cast<int>(grid.rows[static_cast<size_t>(y)].size()))
        return '.';
    return grid.rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
}

void PutHeader(std::vector<BYTE> &bytes, int cx, int cyTotal)
{
    BITMAPINFOHEADER header{};
    header.biSize = kBitmapInfoHeaderSize;
    header.biWidth = cx;
    header.biHeight = cyTotal;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    bytes.resize(kBitmapInfoHeaderSize);
    WriteBitmapInfoHeader(header, bytes.data());
}

void PutPixel(std::vector<BYTE> &bytes, DWORD rgb, BYTE alpha)
{
    bytes.push_back(static_cast<BYTE>(rgb & 0xFF));
    bytes.push_back(static_cast<BYTE>((rgb >> 8) & 0xFF));
    bytes.push_back(static_cast<BYTE>((rgb >> 16) & 0xFF));
    bytes.push_back(alpha);
}

// The toolbar's buttons, in the order of the toolbar's command list.
std::vector<ArtworkGrid> ToolbarImages()
{
    return {
        Grid({"................", "..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkwk....", "..kwwwwwwkkkk...",
              "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...",
              "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kwwwwwwwwwk...", "..kkkkkkkkkkk...", "................"}),
        Grid({"................", ".........kkk....", "........k...k.k.", ".............kk.", ".kkk........kkk.",
              "kyyykkkkkkk.....", "kywywywywyk.....", "kwywywywywk.....", "kywywykkkkkkkkk.", "kwywykYYYYYYYYk.",
              "kywykYYYYYYYYk..", "kwykYYYYYYYYk...", "kykYYYYYYYYk....", "kkkkkkkkkkk.....", "................"}),
        Grid({"................", ".kkkkkkkkkkkkk..", ".kYkwwwwwwwkgk..", ".kYkwwwwwwwkkk..", ".kYkwwwwwwwkYk..",
              ".kYkwwwwwwwkYk..", ".kYkkkkkkkkkYk..", ".kYYYYYYYYYYYk..", ".kYYkkkkkkkYYk..", ".kYYkkkkwwkYYk..",
              ".kYYkkkkwwkYYk..", ".kYYkkkkwwkYYk..", "..kkkkkkkkkkkk..", "................", "................"}),
        Grid({"................", "................", "................", "...k............", "..kk.....bbb....",
              ".kbkbbbbbbbbb...", "kbbbbbbbbbbbbb..", ".kbkbbbbbbbbbb..", "..kk......bbbb..", "...k.......bbb..",
              "...........bbb..", "..........bbb...", ".........bbb....", "................", "................"}),
        Grid({"................", "................", "................", "............k...", "....bbb.....kk..",
              "...bbbbbbbbbkbk.", "..bbbbbbbbbbbbbk", "..bbbbbbbbbbkbk.", "..bbbb......kk..", "..bbb.......k...",
              "..bbb...........", "...bbb..........", "....bbb.........", "................", "................"}),
        Grid({"................", "....k.....k.....", "....k.....k.....", "....k.....k.....", "....kk...kk.....",
              ".....k...k......", ".....kk.kk......", "......kkk.......", ".......k........", "......bkb.......",
              "...bbbb.bbbb....", "..b..b...b..b...", "..b..b...b..b...", "..b..b...b..b...", "...bb.....bb...."}),
        Grid({"................", "kkkkkk..........", "kwwwwkk.........", "kwkkwkwk........", "kwwwwkkkkkk.....",
              "kwkkkkwwwwkk....", "kwwwwkwkkwkwk...", "kwkkkkwwwwkkkk..", "kwwwwkwkkkkkwk..", "kkkkkkwwwwwwwk..",
              ".....kwkkkkkwk..", ".....kwwwwwwwk..", ".....kkkkkkkkk..", "................", "................"}),
        Grid({"................", "....kkkk........", ".kkkkyykkkk.....", "kYYkyyyykYYk....", "kYkkkkkkkkYk....",
              "kYYYYYYYYYYk....", "kYYYYYkkkkkkk...", "kYYYYYkwwwwkwk..", "kYYYYYkwkkwkwwk.", "kYYYYYkwwwwkkkk.",
              "kYYYYYkwkkkkwwk.", "kYYYYYkwwwwwwwk.", ".kkkkkkwkkkkkwk.", "......kwwwwwwwk.", "......kkkkkkkkk."}),
        Grid({"................", "kkkkkkkkkk......", "kbbbbbbbbk......", "kkkkkkkkkk......", "kwwwwwwwwk......",
              "kwwwwkkkkkkkkkk.", "kwwwwkbbbbbbbbk.", "kwwwwkkkkkkkkkk.", "kwwwwkwwwwwwwwk.", "kkkkkkwwwwwwwwk.",
              ".....kwwwwwwwwk.", ".....kwwwwwwwwk.", ".....kwwwwwwwwk.", ".....kkkkkkkkkk.", "................"}),
        Grid({"................", "....kkkkkkkkk...", "....kwwwwwwwk...", "....kwkkkkkwk...", "....kwwwwwwwk...",
              "..kkkkkkkkkkkkk.", ".kwwwwwwwwwwwkk.", "kkkkkkkkkkkkkkk.", "kwwwwwwwwwGGwkk.", "kwwwwwwwwwwwwkk.",
              "kkkkkkkkkkkkkkk.", ".kgwwwwwwwwwkk..", "..kkkkkkkkkkk...", "................", "................"}),
        Grid({"................", ".....kkkkkk.....", "....kbBBBBbk....", "...kBBBwwBBBk...", "..kBBBBwwBBBBk..",
              "..kBBBBBBBBBBk..", "..kBBBwwwBBBBk..", "..kBBBBwwBBBBk..", "..kBBBBwwBBBBk..", "..kBBBBwwBBBBk..",
              "...kBBwwwwBBk...", "....kbBBBBbk....", ".....kkkkkk.....", "................", "................"}),
    };
}

// The program's picture: a brick kiln with its fire.
ArtworkGrid KilnGrid()
{
    return Grid({"................", "......kkkk......", "....kkRRRRkk....", "...kRRRRRRRRk...", "..kRRkkkkkkRRk..",
                 "..kRkyyyyyykRk..", ".kRRkyooooykRRk.", ".kRRkyoRRoykRRk.", ".kRRkyoRRoykRRk.", ".kRRkkkkkkkkRRk.",
                 ".kRRRRRRRRRRRRk.", ".kggggggggggggk.", ".kgwgwgwgwgwggk.", ".kggggggggggggk.", ".kkkkkkkkkkkkkk.",
                 "................"});
}

// A document frame's picture: a page of coloured source lines.
ArtworkGrid DocumentGrid()
{
    return Grid({"..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwwwwwwwkwk...", "..kwbbbbwwkkkk..", "..kwwwwwwwwwwk..",
                 "..kwbbbbbbbwwk..", "..kwwwwwwwwwwk..", "..kwRRRbbbbwwk..", "..kwwwwwwwwwwk..", "..kwbbbbbwwwwk..",
                 "..kwwwwwwwwwwk..", "..kwGGGGGGwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..",
                 "................"});
}

void AppendWord(std::vector<BYTE> &bytes, WORD value)
{
    bytes.push_back(static_cast<BYTE>(value & 0xFF));
    bytes.push_back(static_cast<BYTE>(value >> 8));
}

void AppendDword(std::vector<BYTE> &bytes, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<BYTE>((value >> (8 * i)) & 0xFF));
}

// An icon directory of two images: 16 x 16 and 32 x 32.
std::vector<BYTE> IconGroup(DWORD nSmallBytes, UINT nSmallID, DWORD nLargeBytes, UINT nLargeID)
{
    std::vector<BYTE> bytes;
    AppendWord(bytes, 0);
    AppendWord(bytes, 1);
    AppendWord(bytes, 2);
    const struct {
        BYTE side;
        DWORD size;
        UINT id;
    } entries[] = {{16, nSmallBytes, nSmallID}, {32, nLargeBytes, nLargeID}};
    for (const auto &entry : entries) {
        bytes.push_back(entry.side);
        bytes.push_back(entry.side);
        bytes.push_back(0); // colours: none (true colour)
        bytes.push_back(0);
        AppendWord(bytes, 1);  // planes
        AppendWord(bytes, 32); // bits per pixel
        AppendDword(bytes, entry.size);
        AppendWord(bytes, static_cast<WORD>(entry.id));
    }
    return bytes;
}

} // namespace

std::vector<BYTE> ArtworkBitmap(const std::vector<ArtworkGrid> &images, int nScale)
{
    int cx = 0, cy = 0;
    for (const ArtworkGrid &image : images) {
        cx += image.nWidth * nScale;
        cy = std::max(cy, image.nHeight * nScale);
    }
    std::vector<BYTE> bytes;
    PutHeader(bytes, cx, cy);
    for (int y = cy - 1; y >= 0; --y) {
        for (const ArtworkGrid &image : images) {
            for (int x = 0; x < image.nWidth * nScale; ++x)
                PutPixel(bytes, ColourOf(Cell(image, x / nScale, y / nScale)), 0);
        }
    }
    return bytes;
}

std::vector<BYTE> ArtworkIconImage(const ArtworkGrid &grid, int nScale)
{
    const int cx = grid.nWidth * nScale, cy = grid.nHeight * nScale;
    std::vector<BYTE> bytes;
    PutHeader(bytes, cx, cy * 2);
    for (int y = cy - 1; y >= 0; --y) {
        for (int x = 0; x < cx; ++x) {
            const char c = Cell(grid, x / nScale, y / nScale);
            PutPixel(bytes, c == '.' ? 0 : ColourOf(c), c == '.' ? 0 : 0xFF);
        }
    }
    const size_t nMaskStride = static_cast<size_t>(DibRowBytes(cx, 1));
    for (int y = cy - 1; y >= 0; --y) {
        std::vector<BYTE> row(nMaskStride, 0);
        for (int x = 0; x < cx; ++x)
            if (Cell(grid, x / nScale, y / nScale) == '.')
                row[static_cast<size_t>(x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

void RegisterFrameArtwork()
{
    static const bool bRegistered = []() {
        static const std::vector<BYTE> toolbar = ArtworkBitmap(ToolbarImages());
        static const std::vector<BYTE> about = ArtworkBitmap({KilnGrid()}, 3);
        static const std::vector<BYTE> iconSmall = ArtworkIconImage(KilnGrid(), 1);
        static const std::vector<BYTE> iconLarge = ArtworkIconImage(KilnGrid(), 2);
        static const std::vector<BYTE> group = IconGroup(static_cast<DWORD>(iconSmall.size()), kIconImageSmall,
                                                         static_cast<DWORD>(iconLarge.size()), kIconImageLarge);
        static const std::vector<BYTE> documentSmall = ArtworkIconImage(DocumentGrid(), 1);
        static const std::vector<BYTE> documentLarge = ArtworkIconImage(DocumentGrid(), 2);
        static const std::vector<BYTE> documentGroup =
            IconGroup(static_cast<DWORD>(documentSmall.size()), kDocumentImageSmall,
                      static_cast<DWORD>(documentLarge.size()), kDocumentImageLarge);
        PlexoRegisterCustomResource(RT_BITMAP, IDR_MAINFRAME, toolbar.data(), static_cast<DWORD>(toolbar.size()));
        PlexoRegisterCustomResource(RT_BITMAP, IDB_ABOUT, about.data(), static_cast<DWORD>(about.size()));
        PlexoRegisterCustomResource(RT_ICON, kIconImageSmall, iconSmall.data(), static_cast<DWORD>(iconSmall.size()));
        PlexoRegisterCustomResource(RT_ICON, kIconImageLarge, iconLarge.data(), static_cast<DWORD>(iconLarge.size()));
        for (UINT nID : {static_cast<UINT>(IDR_MAINFRAME), static_cast<UINT>(IDI_SMALLICON)})
            PlexoRegisterCustomResource(RT_GROUP_ICON, nID, group.data(), static_cast<DWORD>(group.size()));
        PlexoRegisterCustomResource(RT_ICON, kDocumentImageSmall, documentSmall.data(),
                                    static_cast<DWORD>(documentSmall.size()));
        PlexoRegisterCustomResource(RT_ICON, kDocumentImageLarge, documentLarge.data(),
                                    static_cast<DWORD>(documentLarge.size()));
        PlexoRegisterCustomResource(RT_GROUP_ICON, IDR_KILNSMITHTYPE, documentGroup.data(),
                                    static_cast<DWORD>(documentGroup.size()));
        return true;
    }();
    (void)bRegistered;
}
