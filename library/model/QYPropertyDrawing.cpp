#include "library/model/QYPropertyDrawing.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/Font.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYFillKinds.h"
#include "library/model/QYFontUnits.h"

namespace {

// Pattern bitmaps are 8 by 8 pixels, one plane, one bit per pixel.
constexpr int kPatternSide = 8;
// The smallest point size a font may be given.
constexpr int kMinPointSize = 2;
constexpr int kMaxWeight = 1000;

} // namespace

CQYPatternBitmaps::CQYPatternBitmaps() = default;
CQYPatternBitmaps::~CQYPatternBitmaps() = default;

CBitmap* CQYPatternBitmaps::Get(int nIndex)
{
    WORD bits[kPatternSide];
    if (!QYGetFillPatternBits(nIndex, bits))
        return nullptr;
    if (!m_pBitmaps)
        m_pBitmaps = std::make_unique<std::array<std::unique_ptr<CBitmap>, QY_FILL_PATTERN_COUNT>>();
    std::unique_ptr<CBitmap>& pBitmap = (*m_pBitmaps)[static_cast<size_t>(nIndex)];
    if (!pBitmap) {
        pBitmap = std::make_unique<CBitmap>();
        pBitmap->CreateBitmap(kPatternSide, kPatternSide, 1, 1, bits);
    }
    return pBitmap.get();
}

std::unique_ptr<CBrush> QYMakeFillBrush(int nBrushType, COLORREF crBack, COLORREF crPattern, COLORREF crNullBrush,
                                        CQYPatternBitmaps& patterns)
{
    auto pBrush = std::make_unique<CBrush>();
    if (nBrushType == 0) {
        LOGBRUSH logBrush = {BS_NULL, crNullBrush, 0};
        pBrush->CreateBrushIndirect(&logBrush);
    } else if (nBrushType == 1) {
        pBrush->CreateSolidBrush(crBack);
    } else if (nBrushType == 2) {
        pBrush->CreateSolidBrush(crPattern);
    } else if (nBrushType >= QY_FIRST_PATTERN_BRUSH && nBrushType < QY_FIRST_HATCH_BRUSH) {
        pBrush->CreatePatternBrush(patterns.Get(nBrushType - QY_FIRST_PATTERN_BRUSH));
    } else if (nBrushType >= QY_FIRST_HATCH_BRUSH && nBrushType < QY_FIRST_GRADIENT_BRUSH) {
        pBrush->CreateHatchBrush(nBrushType - QY_FIRST_HATCH_BRUSH, crPattern);
    } else {
        // Gradient and bitmap kinds are painted by the fill operations.
        pBrush->CreateStockObject(NULL_BRUSH);
    }
    return pBrush;
}

std::unique_ptr<CFont> QYMakeFont(const QYFontFields& fields, CDC* pDC)
{
    LOGFONT logFont = QYMakeLogFont(fields.nHeight, fields.nPointSize, pDC, fields.nWeight, fields.bItalic,
                                    fields.bUnderline, fields.bStrikeOut, fields.strFaceName);
    auto pFont = std::make_unique<CFont>();
    pFont->CreateFontIndirect(&logFont);
    return pFont;
}

BOOL QYIsValidBrushType(int nBrushType)
{
    return nBrushType >= 0 && nBrushType <= QY_MAX_BRUSH_TYPE;
}

void QYSetFaceName(const QYFontFields& fields, LPCTSTR lpszFaceName)
{
    if (lpszFaceName != nullptr)
        fields.strFaceName = lpszFaceName;
}

void QYSetPointSize(const QYFontFields& fields, int nPoints, const std::function<int(int)>& toLogical)
{
    if (nPoints < kMinPointSize)
        return;
    fields.nPointSize = nPoints;
    fields.nHeight = toLogical(nPoints);
}

void QYSetFontHeight(const QYFontFields& fields, int nHeight, const std::function<int(int)>& toPoints)
{
    fields.nHeight = nHeight;
    fields.nPointSize = toPoints(nHeight);
}

void QYCheckLoadedRange(int nValue, int nMin, int nMax)
{
    if (nValue < nMin || nValue > nMax)
        AfxThrowArchiveException(CArchiveException::generic);
}

void QYSetWeight(const QYFontFields& fields, int nWeight)
{
    if (nWeight >= 0 && nWeight <= kMaxWeight)
        fields.nWeight = nWeight;
}
