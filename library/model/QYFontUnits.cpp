#include "library/model/QYFontUnits.h"

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

// A screen-compatible memory DC when the caller gave none.
class CDCOrScreen {
public:
    explicit CDCOrScreen(CDC* pDC) : m_pDC(pDC)
    {
        if (m_pDC == nullptr) {
            m_memDC.CreateCompatibleDC(nullptr);
            m_pDC = &m_memDC;
        }
    }
    CDC* operator->() const { return m_pDC; }

private:
    CDC* m_pDC;
    CDC m_memDC;
};

} // namespace

int QYPointToLogical(int nPoint, CDC* pDC, BOOL bY)
{
    CDCOrScreen dc(pDC);
    POINT pt = {ClampToInt(static_cast<long long>(nPoint) * dc->GetDeviceCaps(LOGPIXELSX) / 72),
                ClampToInt(static_cast<long long>(nPoint) * dc->GetDeviceCaps(LOGPIXELSY) / 72)};
    POINT origin = {0, 0};
    dc->DPtoLP(&pt);
    dc->DPtoLP(&origin);
    return ClampToInt(std::llabs(bY ? static_cast<long long>(pt.y) - origin.y : static_cast<long long>(pt.x) - origin.x));
}

int QYLogicalToPoint(int nLogical, CDC* pDC, BOOL bY)
{
    CDCOrScreen dc(pDC);
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
    size_t nLength = std::strlen(psz);
    if (nLength > LF_FACESIZE - 1) {
        nLength = LF_FACESIZE - 1;
        while (nLength > 0 && (static_cast<unsigned char>(psz[nLength]) & 0xC0) == 0x80)
            --nLength;
    }
    std::memcpy(logFont.lfFaceName, psz, nLength);
    logFont.lfFaceName[nLength] = '\0';
    return logFont;
}
