// The document body of the data model, and saving and opening it by name.
#include "library/model/QYDataModel.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFontRecord.h"
#include "library/model/QYFormProperties.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <unordered_set>
#include <vector>

namespace {

bool FitsInInt(long long value)
{
    return value >= INT_MIN && value <= INT_MAX;
}

} // namespace

// Everything a document body holds, read before the model takes it over.
struct CQYDocumentBody {
    CString strHeaderFooter[QY_HEADER_FOOTER_COUNT];
    BOOL bFormDesignMode = FALSE;
    CRect rcPage;
    CString strFaceName;
    int nPointSize = 0;
    COLORREF crTextColor = 0;
    int nFontHeight = 0;
    int nWeight = 0;
    BOOL bItalic = FALSE;
    BOOL bUnderline = FALSE;
    BOOL bStrikeOut = FALSE;
    CObList properties;
    CQYCompList components;

    ~CQYDocumentBody()
    {
        while (!properties.IsEmpty())
            delete static_cast<CQYBaseProperties*>(properties.RemoveHead());
    }
};

void CQYDataModel::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreBody(ar);
        return;
    }
    CQYDocumentBody body;
    LoadBody(ar, body);
    AdoptBody(body);
}

void CQYDataModel::StoreBody(CArchive& ar)
{
    for (const CString& strText : m_strHeaderFooter)
        ar << strText;
    ar << m_bFormDesignMode;
    ar << static_cast<const RECT&>(m_rcPage);
    QYStoreFontFields(ar, {m_strHFFaceName, m_nHFPointSize, m_crHFTextColor, m_nHFFontHeight, m_nHFWeight, m_bHFItalic,
                           m_bHFUnderline, m_bHFStrikeOut});
    ar.WriteCount(static_cast<DWORD_PTR>(m_listProperties.GetCount()));
    POSITION pos = m_listProperties.GetHeadPosition();
    while (pos != nullptr)
        ar.WriteObject(m_listProperties.GetNext(pos));
    m_listComponents.Serialize(ar);
}

void CQYDataModel::LoadBody(CArchive& ar, CQYDocumentBody& body)
{
    for (CString& strText : body.strHeaderFooter)
        ar >> strText;
    ar >> body.bFormDesignMode;
    ar >> static_cast<RECT&>(body.rcPage);
    // Page sizes are taken as right - left and bottom - top everywhere.
    if (!FitsInInt(static_cast<long long>(body.rcPage.right) - body.rcPage.left) ||
        !FitsInInt(static_cast<long long>(body.rcPage.bottom) - body.rcPage.top))
        AfxThrowArchiveException(CArchiveException::generic);
    QYLoadFontFields(ar, {body.strFaceName, body.nPointSize, body.crTextColor, body.nFontHeight, body.nWeight,
                          body.bItalic, body.bUnderline, body.bStrikeOut});

    const DWORD_PTR nProperties = ar.ReadCount();
    std::unordered_set<CObject*> setsRead;
    for (DWORD_PTR i = 0; i < nProperties; ++i) {
        CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CQYBaseProperties));
        if (pObject == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass);
        // A set named again by its object index is already in the list:
        // the model would own and delete it twice.
        if (!setsRead.insert(pObject).second)
            AfxThrowArchiveException(CArchiveException::badIndex);
        body.properties.AddTail(pObject);
        // The form's id belongs to the form set alone: anything else under
        // it would be taken for one.
        auto* pProp = static_cast<CQYBaseProperties*>(pObject);
        if (pProp->GetPropId() == QY_FORM_PROP_ID && !pProp->IsKindOf(RUNTIME_CLASS(CQYFormProperties)))
            AfxThrowArchiveException(CArchiveException::badClass);
    }
    body.components.Serialize(ar);
    // Each component stands on the page once: one named again by its
    // object index would be drawn, numbered and removed twice.
    // (Sorted pointers side by side: no allocation per component.)
    std::vector<CQYDrawComponent*> componentsRead;
    componentsRead.reserve(static_cast<size_t>(body.components.GetCount()));
    POSITION pos = body.components.GetHeadPosition();
    while (pos != nullptr)
        componentsRead.push_back(body.components.GetNext(pos));
    std::sort(componentsRead.begin(), componentsRead.end());
    if (std::adjacent_find(componentsRead.begin(), componentsRead.end()) != componentsRead.end())
        AfxThrowArchiveException(CArchiveException::badIndex);
}

void CQYDataModel::AdoptBody(CQYDocumentBody& body)
{
    for (int i = 0; i < QY_HEADER_FOOTER_COUNT; ++i)
        m_strHeaderFooter[i] = body.strHeaderFooter[i];
    m_bFormDesignMode = body.bFormDesignMode;
    m_rcPage = body.rcPage;
    ReleaseHeaderFont();
    m_strHFFaceName = body.strFaceName;
    m_nHFPointSize = body.nPointSize;
    m_crHFTextColor = body.crTextColor;
    m_nHFFontHeight = body.nFontHeight;
    m_nHFWeight = body.nWeight;
    m_bHFItalic = body.bItalic;
    m_bHFUnderline = body.bUnderline;
    m_bHFStrikeOut = body.bStrikeOut;

    RemoveAllProperties();
    while (!body.properties.IsEmpty())
        m_listProperties.AddTail(body.properties.RemoveHead());
    if (GetDefaultProperty() == nullptr) {
        CQYFormProperties form(QY_FORM_PROP_ID);
        AddProperty(&form);
    }

    // The components join with their stored tab orders; the page's orders
    // are then renumbered 1..n in that order.
    POSITION pos = body.components.GetHeadPosition();
    while (pos != nullptr)
        m_listComponents.AddTail(body.components.GetNext(pos));
    body.components.RemoveAll();
    MakeTabOrdersDense();
}

void CQYDataModel::ResetToNewDocument()
{
    RemoveAllComponents();
    RemoveAllProperties();
    CQYFormProperties form(QY_FORM_PROP_ID);
    AddProperty(&form);
    for (CString& strText : m_strHeaderFooter)
        strText.Empty();
    ReleaseHeaderFont();
    m_strHFFaceName = "Times New Roman";
    m_nHFPointSize = 10;
    m_nHFFontHeight = PointToLogical(m_nHFPointSize, nullptr, TRUE);
    m_crHFTextColor = 0;
    m_nHFWeight = 400;
    m_bHFItalic = m_bHFUnderline = m_bHFStrikeOut = FALSE;
    m_bFormDesignMode = FALSE;
    m_bDrawFormFrame = FALSE;
    ResetModel();
}

// ---------------------------------------------------------------------------
// By file name

BOOL CQYDataModel::SaveDocument(LPCTSTR lpszPathName)
{
    strCurOpenFormFile = lpszPathName != nullptr ? lpszPathName : "";
    return QYSaveObjectToFile(*this, lpszPathName);
}

BOOL CQYDataModel::OpenDocument(LPCTSTR lpszPathName)
{
    auto pBody = std::make_unique<CQYDocumentBody>();
    BOOL bEmpty = FALSE;
    if (!QYReadArchiveFromFile(
            lpszPathName, [this, &pBody](CArchive& ar) { LoadBody(ar, *pBody); }, &bEmpty))
        return FALSE;

    // Everything was read: the model becomes the document.
    strCurOpenFormFile = lpszPathName;
    if (bEmpty) {
        ResetToNewDocument();
    } else {
        RemoveAllComponents();
        AdoptBody(*pBody);
    }
    SetSavePoint();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CQYDataModel::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    AfxReleaseFile(pFile, bAbort);
}
