// Icons and cursors from resource bytes (CreateIconFromResourceEx): the
// input after a few steering bytes is the icon image; an icon that is made
// is described, drawn into a memory context and freed.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/Icon.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const BOOL fIcon = input.TakeChoice(2) == 0;
    const int cx = input.TakeChoice(65);
    const int cy = input.TakeChoice(65);
    std::vector<BYTE> image = input.Rest();
    HICON hIcon = CreateIconFromResourceEx(image.empty() ? nullptr : image.data(), static_cast<DWORD>(image.size()),
                                           fIcon, 0x00030000, cx, cy, 0);
    if (hIcon == nullptr)
        return 0;
    ICONINFO info{};
    if (GetIconInfo(hIcon, &info)) {
        if (info.hbmMask != nullptr)
            DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr)
            DeleteObject(info.hbmColor);
    }
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP hTarget = CreateBitmap(24, 24, 1, 32, nullptr);
    HGDIOBJ hOld = SelectObject(hdc, hTarget);
    DrawIconEx(hdc, 0, 0, hIcon, 24, 24, 0, nullptr, DI_NORMAL);
    SelectObject(hdc, hOld);
    DeleteObject(hTarget);
    DeleteDC(hdc);
    PlexoDestroyGdiIcon(hIcon);
    return 0;
}
