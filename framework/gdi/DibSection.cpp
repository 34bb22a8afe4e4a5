// DIB sections and the two-way sync between their bits and image.
#include "framework/gdi/DibSection.h"

#include "framework/gdi/CDC.h"

#include <algorithm>
#include <cstring>

namespace {

bool SharesImage(const DibCodec::Layout &layout)
{
    return layout.bitCount == 32 && layout.topDown && layout.masks[0] == 0x00FF0000 &&
           layout.masks[1] == 0x0000FF00 && layout.masks[2] == 0x000000FF;
}

} // namespace

QImage &BitmapData::Current()
{
    if (!section)
        return image;
    // Only the scan lines the program changed are decoded again.
    DibSectionBits &s = *section;
    size_t stride = s.layout.rowBytes;
    for (int scan = 0; scan < static_cast<int>(s.layout.height); ++scan) {
        size_t at = static_cast<size_t>(scan) * stride;
        if (std::memcmp(s.bits.data() + at, s.synced.data() + at, stride) == 0)
            continue;
        DibCodec::Decode(s.layout, s.bits.data() + at, scan, 1, image);
        std::memcpy(s.synced.data() + at, s.bits.data() + at, stride);
    }
    return image;
}

void BitmapData::Drawn(int top, int bottom)
{
    if (!section)
        return;
    DibSectionBits &s = *section;
    int height = static_cast<int>(s.layout.height);
    top = std::max(top, 0);
    bottom = std::min(bottom, height);
    if (top >= bottom)
        return;
    // Image rows [top, bottom) are these scan lines.
    int firstScan = s.layout.topDown ? top : height - bottom;
    int lines = bottom - top;
    size_t at = static_cast<size_t>(firstScan) * s.layout.rowBytes;
    DibCodec::Encode(image, s.layout, firstScan, lines, s.bits.data() + at);
    // The image keeps only what the bits can hold (table colours, narrow channels).
    DibCodec::Decode(s.layout, s.bits.data() + at, firstScan, lines, image);
    std::memcpy(s.synced.data() + at, s.bits.data() + at, static_cast<size_t>(lines) * s.layout.rowBytes);
}

namespace DibSection {

HBITMAP Create(const DibCodec::Layout &layout, const BITMAPINFOHEADER &header, void **ppvBits)
{
    HBITMAP bitmap = CreateBitmap(static_cast<int>(layout.width), static_cast<int>(layout.height), 1, 32, nullptr);
    auto bm = GdiHandles::LookupAs<BitmapData>(bitmap, GdiObjectKind::Bitmap);
    if (!bm)
        return nullptr;
    bm->dibSection = true;
    auto s = std::make_shared<DibSectionBits>();
    s->layout = layout;
    s->header = header;
    if (SharesImage(layout)) {
        bm->sectionInfo = s; // described, but the bits are the image's own
    } else {
        // Zero bits decode to table entry 0 (or black), as the image starts.
        s->bits.assign(static_cast<size_t>(layout.rowBytes) * static_cast<size_t>(layout.height), 0);
        s->synced.assign(s->bits.size(), 0xFF); // differs from the bits: the first use decodes them
        bm->section = s;
        bm->sectionInfo = s;
        bm->Current();
    }
    if (ppvBits)
        *ppvBits = bm->section ? static_cast<void *>(s->bits.data()) : static_cast<void *>(bm->image.bits());
    return bitmap;
}

} // namespace DibSection
