// Device-independent bitmaps: the input as a packed DIB bitmap resource
// (header, colour table, rows) loaded as a bitmap, and its header and
// colour table as the source description of StretchDIBits,
// SetDIBitsToDevice, SetDIBits and CreateDIBitmap into a memory context.
// Those calls trust the caller for the size of the rows, as the system's
// own do, so the rows handed to them are as many bytes as the header
// announces (up to a cap; larger pictures are skipped).
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/resources/Resources.h"
#include "support/FuzzInput.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const UINT kBitmapId = 61100;
const size_t kMaxRowBytes = 4u * 1024u * 1024u;

void LoadAsResource(const uint8_t *data, size_t size)
{
    static std::vector<BYTE> resource;
    resource.assign(data, data + size);
    PlexoRegisterCustomResource(RT_BITMAP, kBitmapId, resource.data(), static_cast<DWORD>(resource.size()));
    CBitmap bitmap;
    bitmap.LoadBitmap(kBitmapId);
}

// The header and colour table, with room for the largest header the
// transfers accept (4 KB) and the largest table after it.
std::vector<BYTE> InfoBlock(const uint8_t *data, size_t size)
{
    BITMAPINFOHEADER header{};
    if (size != 0)
        std::memcpy(&header, data, std::min(size, sizeof header));
    const size_t nHeaderSize = std::min<size_t>(header.biSize, 4096);
    std::vector<BYTE> info(std::max(nHeaderSize, sizeof header) + 256 * sizeof(RGBQUAD) + 16, 0);
    if (size != 0)
        std::memcpy(info.data(), data, std::min(size, info.size()));
    return info;
}

// The bytes of rows the header announces, or 0 when beyond the cap.
size_t AnnouncedRowBytes(const BITMAPINFOHEADER &header)
{
    const uint64_t width = header.biWidth < 0 ? 0 - uint64_t(int64_t(header.biWidth)) : uint64_t(header.biWidth);
    const uint64_t height = header.biHeight < 0 ? 0 - uint64_t(int64_t(header.biHeight)) : uint64_t(header.biHeight);
    const uint64_t stride = (width * header.biBitCount + 31) / 32 * 4;
    if (width > kMaxRowBytes || height > kMaxRowBytes || stride > kMaxRowBytes)
        return 0;
    const uint64_t total = std::max<uint64_t>(stride * height, header.biSizeImage);
    return total > kMaxRowBytes ? 0 : static_cast<size_t>(total);
}

void Transfer(const BITMAPINFO *pInfo, const std::vector<BYTE> &bits, FuzzInput &input)
{
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP hTarget = CreateBitmap(16, 16, 1, 32, nullptr);
    HGDIOBJ hOld = SelectObject(hdc, hTarget);
    const UINT usage = input.TakeChoice(2) == 0 ? DIB_RGB_COLORS : DIB_PAL_COLORS;
    const int x = input.Take<int8_t>();
    const int y = input.Take<int8_t>();
    const int cx = input.Take<int8_t>();
    const int cy = input.Take<int8_t>();
    const UINT start = input.Take<uint8_t>();
    const UINT lines = input.Take<uint8_t>();
    StretchDIBits(hdc, 0, 0, 16, 16, x, y, cx, cy, bits.data(), pInfo, usage, SRCCOPY);
    SetDIBitsToDevice(hdc, 0, 0, 16, 16, x, y, start, lines, bits.data(), pInfo, usage);
    SetDIBits(hdc, hTarget, start, lines, bits.data(), pInfo, usage);
    HBITMAP hMade = CreateDIBitmap(hdc, &pInfo->bmiHeader, CBM_INIT, bits.data(), pInfo, usage);
    if (hMade != nullptr)
        DeleteObject(hMade);
    SelectObject(hdc, hOld);
    DeleteObject(hTarget);
    DeleteDC(hdc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const bool bTransfer = input.TakeChoice(2) == 1;
    const std::vector<uint8_t> rest = input.Rest();
    if (!bTransfer) {
        LoadAsResource(rest.data(), rest.size());
        return 0;
    }
    FuzzInput parameters(rest.data(), std::min<size_t>(rest.size(), 8));
    const uint8_t *dib = rest.data() + std::min<size_t>(rest.size(), 8);
    const size_t nDib = rest.size() - std::min<size_t>(rest.size(), 8);
    const std::vector<BYTE> info = InfoBlock(dib, nDib);
    const auto *pInfo = reinterpret_cast<const BITMAPINFO *>(info.data());
    const size_t nRowBytes = AnnouncedRowBytes(pInfo->bmiHeader);
    if (nRowBytes == 0 && pInfo->bmiHeader.biWidth != 0 && pInfo->bmiHeader.biHeight != 0)
        return 0;
    // The rows follow the header and table in the input, zeros past its end.
    std::vector<BYTE> bits(nRowBytes + 4, 0);
    const size_t nTableEnd = std::min(nDib, info.size() - 16);
    if (nDib > nTableEnd)
        std::memcpy(bits.data(), dib + nTableEnd, std::min(bits.size(), nDib - nTableEnd));
    Transfer(pInfo, bits, parameters);
    return 0;
}
