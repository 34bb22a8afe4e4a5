#include "library/model/QYFormIcon.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"

#include <vector>

HICON QYCreateFormIcon()
{
    constexpr int n = QY_FORM_ICON_SIZE;
    CBitmap colour;
    if (!colour.CreateBitmap(n, n, 1, 32, nullptr))
        return nullptr;
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* pOld = dc.SelectObject(&colour);
        // A window: dark frame, blue title strip, white client area with
        // two grey text lines.
        dc.FillSolidRect(0, 0, n, n, RGB(64, 64, 64));
        dc.FillSolidRect(1, 1, n - 2, 4, RGB(0, 0, 128));
        dc.FillSolidRect(1, 5, n - 2, n - 6, RGB(255, 255, 255));
        dc.FillSolidRect(3, 8, n - 6, 1, RGB(128, 128, 128));
        dc.FillSolidRect(3, 11, n - 8, 1, RGB(128, 128, 128));
        dc.SelectObject(pOld);
    }
    // An all-clear mask: every pixel of the image is shown.
    const std::vector<WORD> maskBits(n, 0);
    CBitmap mask;
    if (!mask.CreateBitmap(n, n, 1, 1, maskBits.data()))
        return nullptr;
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    return CreateIconIndirect(&info);
}
