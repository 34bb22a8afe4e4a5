#include "library/model/QYGradientFill.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Rgn.h"
#include "library/model/QYRounding.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A colour as three real channels that advance by a per-unit change.
struct ChannelRamp {
    double red, green, blue;
    double dRed, dGreen, dBlue;

    ChannelRamp(COLORREF crStart, COLORREF crEnd, double span)
        : red(GetRValue(crStart)), green(GetGValue(crStart)), blue(GetBValue(crStart)),
          dRed(span > 0 ? (double(GetRValue(crEnd)) - red) / span : 0.0),
          dGreen(span > 0 ? (double(GetGValue(crEnd)) - green) / span : 0.0),
          dBlue(span > 0 ? (double(GetBValue(crEnd)) - blue) / span : 0.0)
    {
    }

    double LargestChange() const { return std::max({std::fabs(dRed), std::fabs(dGreen), std::fabs(dBlue)}); }

    // The colour after `units` units from the start, channels truncated.
    COLORREF At(double units) const
    {
        return RGB(Channel(red + units * dRed), Channel(green + units * dGreen), Channel(blue + units * dBlue));
    }

    // Moves the start on by `units` units.
    void Advance(double units)
    {
        red += units * dRed;
        green += units * dGreen;
        blue += units * dBlue;
    }

    static BYTE Channel(double value) { return static_cast<BYTE>(std::clamp(QYTruncate(value), 0, 255)); }
};

// Screens of fewer than 256 colours get the start colour alone.
bool IsLowColourDevice(CDC* pDC)
{
    const bool bPalette = (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
    return !bPalette && pDC->GetDeviceCaps(BITSPIXEL) * pDC->GetDeviceCaps(PLANES) < 8;
}

// x + extent, held inside the int range.
int FarSide(int nSide, int nExtent)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(nSide) + nExtent, INT_MIN, INT_MAX));
}

// Rectangles whose width or height leaves the int range have no extent
// the drawing code can work with: they are not filled.
bool HasIntExtent(int left, int top, int right, int bottom)
{
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    return width >= INT_MIN && width <= INT_MAX && height >= INT_MIN && height <= INT_MAX;
}

void FillWithStart(CDC* pDC, const CRect& rect, COLORREF crStart)
{
    QYSolidRect(pDC, rect.left, rect.top, rect.Width(), rect.Height(), crStart);
}

} // namespace

void QYSolidRect(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crColor)
{
    CBrush brush(crColor);
    const CRect rect(x, y, FarSide(x, nWidth), FarSide(y, nHeight));
    pDC->FillRect(&rect, &brush);
}

void QYSolidEllipse(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crColor)
{
    CBrush brush(crColor);
    CRgn ellipse;
    if (ellipse.CreateEllipticRgn(x, y, FarSide(x, nWidth), FarSide(y, nHeight)))
        pDC->FillRgn(&ellipse, &brush);
}

int QYGradientStrip(int nSpan, COLORREF crStart, COLORREF crEnd)
{
    if (nSpan < 70)
        return 1;
    const ChannelRamp ramp(crStart, crEnd, nSpan);
    const double largest = ramp.LargestChange();
    long long nSteps;
    if (largest < 1.0 / nSpan)
        nSteps = nSpan;
    else
        nSteps = std::max<long long>(1, static_cast<long long>(std::floor(1.0 / largest)));
    return static_cast<int>(std::clamp<long long>(3 * nSteps, 3, 0x7FFFFFFF));
}

void QYLinearGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, BOOL bVertical)
{
    if (IsLowColourDevice(pDC)) {
        FillWithStart(pDC, rect, crStart);
        return;
    }
    const int nSpan = bVertical ? rect.Height() : rect.Width();
    const int nStrip = QYGradientStrip(nSpan, crStart, crEnd);
    ChannelRamp ramp(crStart, crEnd, nSpan);
    const long long first = bVertical ? rect.top : rect.left;
    const long long last = bVertical ? rect.bottom : rect.right;
    for (long long p = first; p <= last; p += nStrip) {
        const COLORREF crBand = ramp.At(0.0);
        ramp.Advance(nStrip);
        if (bVertical)
            QYSolidRect(pDC, rect.left, static_cast<int>(p), rect.Width(), nStrip, crBand);
        else
            QYSolidRect(pDC, static_cast<int>(p), rect.top, nStrip, rect.Height(), crBand);
    }
}

void QYTwoBandGradient(CDC* pDC, const CRect& rect, COLORREF colour1, COLORREF colour2, BOOL bVertical)
{
    CRect first = rect, second = rect;
    if (bVertical) {
        const int middle = rect.top + rect.Height() / 2;
        first.bottom = middle;
        second.top = middle;
    } else {
        const int middle = rect.left + rect.Width() / 2;
        first.right = middle;
        second.left = middle;
    }
    QYLinearGradient(pDC, first, colour1, colour2, bVertical);
    QYLinearGradient(pDC, second, colour2, colour1, bVertical);
}

void QYShrinkingGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nVariant)
{
    if (IsLowColourDevice(pDC)) {
        FillWithStart(pDC, rect, crStart);
        return;
    }
    const long long width = rect.Width();
    const long long height = rect.Height();
    const int nSpan = static_cast<int>(std::max(width, height));
    if (nSpan <= 0)
        return;
    const int nStrip = QYGradientStrip(nSpan, crStart, crEnd);
    const long long n = nSpan / nStrip;
    if (n < 1)
        return;
    const ChannelRamp ramp(crStart, crEnd, nSpan);
    if (nVariant == 6)
        FillWithStart(pDC, rect, crStart);

    for (long long k = 0; k < n; ++k) {
        const COLORREF crBand = ramp.At(double(k) * nStrip);
        const int dw = static_cast<int>(k * width / n);
        const int dh = static_cast<int>(k * height / n);
        CRect band = rect;
        switch (nVariant) {
        case 1:
            band.right -= dw;
            band.bottom -= dh;
            break;
        case 2:
            band.left += dw;
            band.bottom -= dh;
            break;
        case 3:
            band.left += dw;
            band.top += dh;
            break;
        case 4:
            band.right -= dw;
            band.top += dh;
            break;
        case 5:
        case 6: band.DeflateRect(static_cast<int>(k * width / (2 * n)), static_cast<int>(k * height / (2 * n))); break;
        default: return;
        }
        if (nVariant == 6)
            QYSolidEllipse(pDC, band.left, band.top, band.Width(), band.Height(), crBand);
        else
            QYSolidRect(pDC, band.left, band.top, band.Width(), band.Height(), crBand);
    }
}

void QYDiagonalGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nDegrees, BOOL bFromTopRight)
{
    if (IsLowColourDevice(pDC)) {
        FillWithStart(pDC, rect, crStart);
        return;
    }
    const double theta = nDegrees * 0.017453292;
    const double remainder = std::fabs(std::fmod(theta, 1.5707963267948966));
    if (remainder < 0.0872665) {
        QYLinearGradient(pDC, rect, crStart, crEnd, TRUE);
        return;
    }
    if (remainder > 1.5707963267948966 - 0.0872665) {
        QYLinearGradient(pDC, rect, crStart, crEnd, FALSE);
        return;
    }
    const double cosine = std::cos(theta);
    const double sine = std::sin(theta);
    const double width = rect.Width();
    const double height = rect.Height();
    if (width * cosine < 1.1) {
        QYLinearGradient(pDC, rect, crStart, crEnd, FALSE);
        return;
    }
    if (height * sine < 1.1) {
        QYLinearGradient(pDC, rect, crStart, crEnd, TRUE);
        return;
    }

    const double span = 1.2 * (width * cosine + height * sine);
    const ChannelRamp ramp(crStart, crEnd, span);
    const double largest = ramp.LargestChange();
    if (largest < 2.0 / span) {
        FillWithStart(pDC, rect, crStart);
        return;
    }
    const double bandWidth = 2.0 * std::max(1.0, 1.0 / largest);
    const long long stepY = std::max(1, QYTruncate(bandWidth / sine + 0.5));
    const long long stepX = std::max(1, QYTruncate(bandWidth / cosine + 0.5));
    // Rows and columns of the staircase grid that touch the rectangle:
    // squares wholly outside it are skipped.
    const long long rows = (rect.Height() + stepY - 1) / stepY;
    const long long columns = (rect.Width() + stepX - 1) / stepX;

    for (long long k = 0;; ++k) {
        const COLORREF crBand = ramp.At(double(k) * bandWidth);
        CBrush brush(crBand);
        // Square j of band k lies in column j and row k - j.
        const long long firstColumn = std::max(0LL, k - rows + 1);
        const long long lastColumn = std::min(k, columns - 1);
        for (long long j = firstColumn; j <= lastColumn; ++j) {
            const long long y0 = rect.top + (k - j) * stepY;
            const long long x0 = bFromTopRight ? rect.right - (j + 1) * stepX : rect.left + j * stepX;
            const CRect square(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x0 + stepX),
                               static_cast<int>(y0 + stepY));
            pDC->FillRect(&square, &brush);
        }
        if (k >= 1 && double(k) * bandWidth >= span)
            break;
    }
}

void QYGradientFill(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour1, COLORREF colour2, UINT nType,
                    CRgn* pClip)
{
    if (pDC == nullptr || nType >= QY_GRADIENT_TYPE_COUNT || !HasIntExtent(left, top, right, bottom))
        return;
    const CRect rect(left, top, right, bottom);
    // The saved state brings back the caller's clip afterwards; the fill
    // itself is held inside the rectangle (and the given region).
    const int nSaved = pDC->SaveDC();
    if (pClip != nullptr)
        pDC->SelectClipRgn(pClip);
    pDC->IntersectClipRect(&rect);

    switch (nType) {
    case 0: QYLinearGradient(pDC, rect, colour1, colour2, TRUE); break;
    case 1: QYLinearGradient(pDC, rect, colour2, colour1, TRUE); break;
    case 2: QYLinearGradient(pDC, rect, colour1, colour2, FALSE); break;
    case 3: QYLinearGradient(pDC, rect, colour2, colour1, FALSE); break;
    case 4: QYTwoBandGradient(pDC, rect, colour1, colour2, TRUE); break;
    case 5: QYTwoBandGradient(pDC, rect, colour2, colour1, TRUE); break;
    case 6: QYTwoBandGradient(pDC, rect, colour1, colour2, FALSE); break;
    case 7: QYTwoBandGradient(pDC, rect, colour2, colour1, FALSE); break;
    case 8: QYShrinkingGradient(pDC, rect, colour1, colour2, 1); break;
    case 9: QYShrinkingGradient(pDC, rect, colour1, colour2, 2); break;
    case 10: QYShrinkingGradient(pDC, rect, colour1, colour2, 3); break;
    case 11: QYShrinkingGradient(pDC, rect, colour1, colour2, 4); break;
    case 12: QYShrinkingGradient(pDC, rect, colour1, colour2, 5); break;
    case 13: QYShrinkingGradient(pDC, rect, colour2, colour1, 5); break;
    case 14: QYShrinkingGradient(pDC, rect, colour1, colour2, 6); break;
    case 15: QYShrinkingGradient(pDC, rect, colour2, colour1, 6); break;
    case 16: QYDiagonalGradient(pDC, rect, colour2, colour1, 45, FALSE); break;
    case 17: QYDiagonalGradient(pDC, rect, colour1, colour2, 45, TRUE); break;
    case 18: QYDiagonalGradient(pDC, rect, colour1, colour2, 45, FALSE); break;
    case 19: QYDiagonalGradient(pDC, rect, colour2, colour1, 45, TRUE); break;
    default: break;
    }
    pDC->RestoreDC(nSaved);
}
