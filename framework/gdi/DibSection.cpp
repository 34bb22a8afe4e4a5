// DIB sections and the two-way sync between their bits and image.
#include "framework/gdi/DibSection.h"

#include "framework/gdi/CDC.h"

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
    if (section && section->bits != section->synced) {
        DibSectionBits &s = *section;
        DibCodec::Decode(s.layout, s.bits.data(), 0, static_cast<int>(s.layout.height), image);
        s.synced = s.bits;
    }
    return image;
}

void BitmapData::Drawn()
{
    if (!section)
        return;
    DibSectionBits &s = *section;
    int rows = static_cast<int>(s.layout.height);
    DibCodec::Encode(image, s.layout, 0, rows, s.bits.data());
    // The image keeps only what the bits can hold (table colours, narrow channels).
    DibCodec::Decode(s.layout, s.bits.data(), 0, rows, image);
    s.synced = s.bits;
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
        bm->section = s;
        bm->sectionInfo = s;
        bm->Current();
        bm->Drawn();
    }
    if (ppvBits)
        *ppvBits = bm->section ? static_cast<void *>(s->bits.data()) : static_cast<void *>(bm->image.bits());
    return bitmap;
}

} // namespace DibSection
