// What a drawing-object handle stands for: one record per pen, brush, font,
// bitmap, region or palette, shared between the handle table and every
// device context that has it selected (so deleting a selected object never
// leaves a context pointing at freed memory). Framework-internal.
#pragma once

#include <QImage>
#include <QRegion>

#include "framework/gdi/GdiStructs.h"

#include <memory>
#include <vector>

enum class GdiObjectKind { Pen, Brush, Font, Bitmap, Region, Palette };

struct GdiObjectData {
    explicit GdiObjectData(GdiObjectKind k) : kind(k) {}
    virtual ~GdiObjectData() = default;
    GdiObjectKind kind;
    bool stock = false;
};

struct BrushData;

struct PenData : GdiObjectData {
    PenData() : GdiObjectData(GdiObjectKind::Pen) {}
    UINT style = PS_SOLID; // full style word: type, end cap, join, dash style
    int width = 1;         // logical units; 0 means one device pixel
    COLORREF color = 0;
    bool extended = false; // made by ExtCreatePen (reports OBJ_EXTPEN)
    LOGBRUSH brush{BS_SOLID, 0, 0};
    std::vector<DWORD> userStyle; // PS_USERSTYLE dash lengths
    // A geometric pen made with a pattern brush (BS_PATTERN, BS_DIBPATTERN):
    // its own copy of that brush, which the stroke is painted with.
    std::shared_ptr<const BrushData> pattern;

    int DashStyle() const { return static_cast<int>(style & PS_STYLE_MASK); }
    bool IsGeometric() const { return (style & PS_TYPE_MASK) == PS_GEOMETRIC; }
    bool IsNull() const { return DashStyle() == PS_NULL; }
};

// An 8x8 (or larger) pattern; monochrome patterns take the context's text
// colour for 0 bits and its background colour for 1 bits at fill time.
struct BrushData : GdiObjectData {
    BrushData() : GdiObjectData(GdiObjectKind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    bool monoPattern = false;
    QImage pattern; // Format_RGB32; for a monochrome pattern black = 0 bit, white = 1 bit
};

struct FontData : GdiObjectData {
    FontData() : GdiObjectData(GdiObjectKind::Font) {}
    LOGFONT logFont{};
};

struct DibSectionBits;
class WrittenRows;

// A device-dependent bitmap: always held as a 32-bit image; bitsPixel keeps
// the depth it was created with (1 for monochrome, whose pixels stay black
// or white).
struct BitmapData : GdiObjectData {
    BitmapData() : GdiObjectData(GdiObjectKind::Bitmap) {}
    QImage image;
    int bitsPixel = 32;
    int selectedCount = 0;   // a bitmap can be selected into one memory DC at a time
    bool dibSection = false; // the program holds a pointer to the pixels (CreateDIBSection)
    // A DIB section's description; section is set too when its bits are
    // kept apart from the image (DibSection.h).
    std::shared_ptr<DibSectionBits> sectionInfo;
    std::shared_ptr<DibSectionBits> section;

    // The image, first brought up to date with a DIB section's bits.
    QImage &Current();
    // After drawing into the image: a DIB section's bits follow the pixels
    // written (all of them when no extents are given).
    void Drawn(const WrittenRows &written);
    void Drawn();
};

struct RgnData : GdiObjectData {
    RgnData() : GdiObjectData(GdiObjectKind::Region) {}
    QRegion region;
};

struct PaletteData : GdiObjectData {
    PaletteData() : GdiObjectData(GdiObjectKind::Palette) {}
    std::vector<COLORREF> entries;
    std::vector<BYTE> flags; // PC_ flags per entry (empty: all 0)
    // The entries drawing uses: a resize takes effect when the palette is
    // next realized (SetPaletteEntries at once). Empty: the entries
    // themselves.
    std::vector<COLORREF> realized;

    const std::vector<COLORREF> &Realized() const { return realized.empty() ? entries : realized; }
    // Keeps what drawing uses before the entries change.
    void HoldRealized()
    {
        if (realized.empty())
            realized = entries;
    }
};

// The handle table: handles are small counters, never reused, so a stale
// handle is detected instead of naming a newer object.
namespace GdiHandles {
HGDIOBJ Insert(std::shared_ptr<GdiObjectData> data);
std::shared_ptr<GdiObjectData> Lookup(HGDIOBJ h);
// Removes a handle; stock objects are never removed. FALSE for an unknown handle.
bool Remove(HGDIOBJ h);
HGDIOBJ Stock(int index);
size_t Count();

template <typename T>
std::shared_ptr<T> LookupAs(HGDIOBJ h, GdiObjectKind kind)
{
    std::shared_ptr<GdiObjectData> d = Lookup(h);
    if (!d || d->kind != kind)
        return nullptr;
    return std::static_pointer_cast<T>(d);
}
} // namespace GdiHandles
