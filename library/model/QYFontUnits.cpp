#include "library/model/QYFontUnits.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/CDC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Logical pixels per inch of a screen-compatible memory DC, whose mapping
// mode is MM_TEXT: a NULL DC converts with this alone, without making one.
constexpr long long kScreenPixelsPerInch = 96;

} // namespace

int QYPointToLogical(int nPoint, CDC* pDC, BOOL bY)
{
    if (pDC == nullptr)
        return ClampToInt(std::llabs(static_cast<long long>(ClampToInt(nPoint * kScreenPixelsPerInch / 72))));
    CDC* dc = pDC;
    POINT pt = {ClampToInt(static_cast<long long>(nPoint) * dc->GetDeviceCaps(LOGPIXELSX) / 72),
                ClampToInt(static_cast<long long>(nPoint) * dc->GetDeviceCaps(LOGPIXELSY) / 72)};
    POINT origin = {0, 0};
    dc->DPtoLP(&pt);
    dc->DPtoLP(&origin);
    return ClampToInt(
        std::llabs(bY ? static_cast<long long>(pt.y) - origin.y : static_cast<long long>(pt.x) - origin.x));
}

int QYLogicalToPoint(int nLogical, CDC* pDC, BOOL bY)
{
    if (pDC == nullptr)
        return ClampToInt(std::llabs(static_cast<long long>(nLogical)) * 72 / kScreenPixelsPerInch);
    CDC* dc = pDC;
    POINT pt = {nLogical, nLogical};
    POINT origin = {0, 0};
    dc->LPtoDP(&pt);
    dc->LPtoDP(&origin);
    const long long distance =
        std::llabs(bY ? static_cast<long long>(pt.y) - origin.y : static_cast<long long>(pt.x) - origin.x);
    const int nPixelsPerInch = dc->GetDeviceCaps(bY ? LOGPIXELSY : LOGPIXELSX);
    return nPixelsPerInch > 0 ? ClampToInt(distance * 72 / nPixelsPerInch) : 0;
}

LOGFONT QYMakeLogFont(int nHeight, int nPointSize, CDC* pDC, int nWeight, BOOL bItalic, BOOL bUnderline,
                      BOOL bStrikeOut, const CString& strFaceName)
{
    LOGFONT logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfHeight = nHeight > 0 ? -nHeight : -QYPointToLogical(nPointSize, pDC, TRUE);
    logFont.lfWeight = nWeight;
    logFont.lfItalic = static_cast<BYTE>(bItalic);
    logFont.lfUnderline = static_cast<BYTE>(bUnderline);
    logFont.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const char* psz = strFaceName;
    // A longer name is cut to the field, never inside a character.
    const size_t nLength =
        MbCharBoundary(reinterpret_cast<const unsigned char*>(psz), std::strlen(psz), LF_FACESIZE - 1);
    std::memcpy(logFont.lfFaceName, psz, nLength);
    logFont.lfFaceName[nLength] = '\0';
    return logFont;
}
