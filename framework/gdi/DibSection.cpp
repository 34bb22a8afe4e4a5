// DIB sections and the two-way sync between their bits and image.
#include "framework/gdi/DibSection.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/WrittenRows.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool SharesImage(const DibCodec::Layout &layout)
{
    return layout.bitCount == 32 && layout.topDown && layout.masks[0] == 0x00FF0000 && layout.masks[1] == 0x0000FF00 &&
           layout.masks[2] == 0x000000FF;
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

void BitmapData::Drawn(const WrittenRows &written)
{
    if (!section || written.Empty())
        return;
    DibSectionBits &s = *section;
    const DibCodec::Layout &layout = s.layout;
    int height = static_cast<int>(layout.height);
    for (int y = std::max(written.Top(), 0); y < std::min(written.Bottom(), height); ++y) {
        auto [x0, x1] = written.Row(y);
        x0 = std::max(x0, 0);
        x1 = std::min(x1, static_cast<int>(layout.width));
        if (x0 >= x1)
            continue;
        int scan = layout.topDown ? y : height - 1 - y;
        size_t at = static_cast<size_t>(scan) * layout.rowBytes;
        DibCodec::EncodeSpan(image, layout, scan, x0, x1, s.bits.data() + at, s.nearest);
        // The image keeps only what the bits can hold (table colours, narrow channels).
        DibCodec::DecodeSpan(layout, s.bits.data() + at, scan, x0, x1, image);
        size_t from = static_cast<size_t>(x0) * layout.bitCount / 8;
        size_t to = (static_cast<size_t>(x1) * layout.bitCount + 7) / 8;
        std::memcpy(s.synced.data() + at + from, s.bits.data() + at + from, to - from);
    }
}

void BitmapData::Drawn()
{
    if (!section)
        return;
    WrittenRows all(image.height());
    all.Add(image.rect());
    Drawn(all);
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
        size_t size = static_cast<size_t>(layout.rowBytes) * static_cast<size_t>(layout.height);
        try {
            s->bits.assign(size, 0);
            s->synced.assign(size, 0xFF); // differs from the bits: the first use decodes them
        } catch (const std::bad_alloc &) {
            DeleteObject(bitmap);
            return nullptr;
        }
        bm->section = s;
        bm->sectionInfo = s;
        bm->Current();
    }
    if (ppvBits)
        *ppvBits = bm->section ? static_cast<void *>(s->bits.data()) : static_cast<void *>(bm->image.bits());
    return bitmap;
}

} // namespace DibSection
