// The data model's header and footer: field values, the expansion of field
// codes, and the band font.
#include "library/model/QYDataModel.h"

#include "framework/base/CTime.h"
#include "framework/gdi/Font.h"
#include "library/model/QYFontUnits.h"
#include "library/model/QYModelStrings.h"

#include <memory>

namespace {

CString FormatNumber(int n)
{
    CString str;
    str.Format("%d", n);
    return str;
}

// The file part of the document's path (after the last separator).
CString FileNameOf(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind('/');
    return nSlash >= 0 ? strPath.Mid(nSlash + 1) : strPath;
}

// The position of the extension's dot in a file name, or -1.
int ExtensionDot(const CString& strFile)
{
    const int nDot = strFile.ReverseFind('.');
    return nDot > 0 ? nDot : -1;
}

} // namespace

void CQYDataModel::SetPrintingPage(int nPage, int nPageCount)
{
    m_nPrintingPage = nPage;
    m_nPrintingPageCount = nPageCount;
}

CString CQYDataModel::GetFieldPage()
{
    return FormatNumber(m_nPrintingPage);
}

CString CQYDataModel::GetFieldPageName()
{
    return QYLoadModelString(IDS_QY_FIELD_PAGE);
}

CString CQYDataModel::GetFieldPageCount()
{
    return FormatNumber(m_nPrintingPageCount);
}

CString CQYDataModel::GetFieldTime()
{
    const CTime now = CTime::GetCurrentTime();
    CString str;
    str.Format("%u:%u:%u", static_cast<unsigned>(now.GetHour()), static_cast<unsigned>(now.GetMinute()),
               static_cast<unsigned>(now.GetSecond()));
    return str;
}

CString CQYDataModel::GetFieldDate()
{
    const CTime now = CTime::GetCurrentTime();
    CString str;
    str.Format("%u/%u/%u", static_cast<unsigned>(now.GetYear()), static_cast<unsigned>(now.GetMonth()),
               static_cast<unsigned>(now.GetDay()));
    return str;
}

CString CQYDataModel::GetFieldLongDate()
{
    return GetFieldDate();
}

// The document's file name without its extension; an unsaved document
// shows its title.
CString CQYDataModel::GetFieldFileName()
{
    if (strCurOpenFormFile.IsEmpty())
        return m_strTitle;
    const CString strFile = FileNameOf(strCurOpenFormFile);
    const int nDot = ExtensionDot(strFile);
    return nDot >= 0 ? strFile.Left(nDot) : strFile;
}

// The extension with its dot, so that "&f&e" gives the whole name.
CString CQYDataModel::GetFieldFileExt()
{
    if (strCurOpenFormFile.IsEmpty())
        return CString();
    const CString strFile = FileNameOf(strCurOpenFormFile);
    const int nDot = ExtensionDot(strFile);
    return nDot >= 0 ? strFile.Mid(nDot) : CString();
}

CString CQYDataModel::GetFieldFileNameExt()
{
    return GetFieldFileName() + GetFieldFileExt();
}

CString CQYDataModel::ExpandHeaderFooter(const CString& strText)
{
    CString strResult;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        const char ch = strText[i];
        if (ch != '&') {
            strResult += ch;
            continue;
        }
        if (i + 1 >= nLength)
            break; // a lone '&' at the end is dropped
        const char code = strText[++i];
        switch (code) {
        case 'p': strResult += GetFieldPage(); break;
        case 'n': strResult += GetFieldPageName(); break;
        case 'P': strResult += GetFieldPageCount(); break;
        case 't': strResult += GetFieldTime(); break;
        case 'd': strResult += GetFieldDate(); break;
        case 'D': strResult += GetFieldLongDate(); break;
        case 'f': strResult += GetFieldFileName(); break;
        case 'e': strResult += GetFieldFileExt(); break;
        default: strResult += code; break; // "&&" and unknown codes
        }
    }
    return strResult;
}

// ---------------------------------------------------------------------------
// Band font

int CQYDataModel::PointToLogical(int nPoint, CDC* pDC, BOOL bY)
{
    return QYPointToLogical(nPoint, pDC, bY);
}

int CQYDataModel::LogicalToPoint(int nLogical, CDC* pDC, BOOL bY)
{
    return QYLogicalToPoint(nLogical, pDC, bY);
}

void CQYDataModel::SetHeaderFontFace(LPCTSTR lpszFace)
{
    ReleaseHeaderFont();
    if (lpszFace != nullptr)
        m_strHFFaceName = lpszFace;
}

void CQYDataModel::SetHeaderPointSize(int nPoints, CDC* pDC)
{
    ReleaseHeaderFont();
    if (nPoints <= 1)
        return;
    m_nHFPointSize = nPoints;
    m_nHFFontHeight = PointToLogical(nPoints, pDC, TRUE);
}

void CQYDataModel::SetHeaderFontHeight(int nHeight, CDC* pDC)
{
    ReleaseHeaderFont();
    m_nHFFontHeight = nHeight;
    m_nHFPointSize = LogicalToPoint(nHeight, pDC, TRUE);
}

void CQYDataModel::SetHeaderTextColor(COLORREF crColor)
{
    ReleaseHeaderFont();
    m_crHFTextColor = crColor;
}

void CQYDataModel::SetHeaderFontWeight(int nWeight)
{
    ReleaseHeaderFont();
    if (nWeight >= 0 && nWeight <= 1000)
        m_nHFWeight = nWeight;
}

CFont* CQYDataModel::CreateHeaderFont(CDC* pDC)
{
    LOGFONT logFont = QYMakeLogFont(m_nHFFontHeight, m_nHFPointSize, pDC, m_nHFWeight, m_bHFItalic, m_bHFUnderline,
                                    m_bHFStrikeOut, m_strHFFaceName);
    auto pFont = std::make_unique<CFont>();
    pFont->CreateFontIndirect(&logFont);
    return pFont.release();
}

CFont* CQYDataModel::GetHeaderFont(CDC* pDC)
{
    if (m_pHeaderFont == nullptr)
        m_pHeaderFont = CreateHeaderFont(pDC);
    return m_pHeaderFont;
}

void CQYDataModel::ReleaseHeaderFont()
{
    delete m_pHeaderFont;
    m_pHeaderFont = nullptr;
}
