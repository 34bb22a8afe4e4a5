#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawingChanges.h"

#include "framework/object/Archive.h"

#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CQYDrawComponent, CQYBaseComponent, 0)

namespace {

// Deletes the objects of a list that never reached its owner.
void DeleteListObjects(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

// Set by ReadingStoredComponent; the first component constructor that runs
// takes it, so nothing made later (or inside that component) is affected.
thread_local bool t_bReadingStoredComponent = false;

} // namespace

CQYDrawComponent::ReadingStoredComponent::ReadingStoredComponent()
{
    t_bReadingStoredComponent = true;
}

CQYDrawComponent::ReadingStoredComponent::~ReadingStoredComponent()
{
    t_bReadingStoredComponent = false;
}

// The tab-order font and the null pen are made when first drawn with
// (TabOrderFont, NullPen), not for every component made or loaded.
CQYDrawComponent::CQYDrawComponent()
{
    if (t_bReadingStoredComponent) {
        t_bReadingStoredComponent = false;
        return;
    }
    auto* pDefault = new CQYCompProperties(QY_COMP_PROP_ID);
    try {
        m_listProperties.AddTail(pDefault);
    } catch (...) {
        delete pDefault;
        throw;
    }
}

CQYDrawComponent::CQYDrawComponent(const CQYDrawComponent& src) : CQYBaseComponent()
{
    *this = src;
}

CQYDrawComponent::~CQYDrawComponent()
{
    DeleteAttachedObject();
    delete[] m_lpCompPoints;
    delete[] m_lpCompTrackPoints;
    ReleasePen();
    RemoveAllProperties();
}

CFont* CQYDrawComponent::TabOrderFont()
{
    if (m_fontTabOrder.GetSafeHandle() == nullptr)
        CreateTabOrderFont();
    return &m_fontTabOrder;
}

CPen* CQYDrawComponent::NullPen()
{
    if (m_penNull.GetSafeHandle() == nullptr)
        m_penNull.CreateStockObject(NULL_PEN);
    return &m_penNull;
}

void CQYDrawComponent::CreateTabOrderFont()
{
    // The stock GUI font's metrics with a fixed face for the tab-order badge.
    HGDIOBJ hStock = GetStockObject(DEFAULT_GUI_FONT);
    if (hStock == nullptr)
        hStock = GetStockObject(ANSI_VAR_FONT);
    LOGFONT logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    if (hStock != nullptr)
        GetObject(hStock, sizeof(logFont), &logFont);
    std::strcpy(logFont.lfFaceName, "Fixedsys");
    m_fontTabOrder.CreateFontIndirect(&logFont);
}

void CQYDrawComponent::DeleteAttachedObject()
{
    delete m_pAttachedObject;
    m_pAttachedObject = nullptr;
}

CQYDrawComponent* CQYDrawComponent::Copy()
{
    return new CQYDrawComponent(*this);
}

CQYDrawComponent& CQYDrawComponent::operator=(const CQYDrawComponent& src)
{
    if (this == &src)
        return *this;
    DeleteAttachedObject();
    RemoveAllProperties();
    ReleasePen(); // made from the old line settings
    AllocMemory(src.m_nCompPtCount);
    if (src.m_nCompPtCount > 0)
        std::memcpy(m_lpCompPoints, src.m_lpCompPoints, sizeof(POINT) * static_cast<size_t>(src.m_nCompPtCount));
    for (POSITION pos = src.m_listProperties.GetHeadPosition(); pos != nullptr;) {
        auto* pProp = static_cast<CQYBaseProperties*>(src.m_listProperties.GetNext(pos));
        m_listProperties.AddTail(pProp->Copy());
    }
    return *this;
}

void CQYDrawComponent::Create(CRect& rcPos, CString strCaption)
{
    CQYBaseComponent::Create(rcPos, strCaption);
    SetObjectCaption(strCaption);
    UpdateComp();
}

void CQYDrawComponent::GeometryUpdated(CQYArea* pRgn)
{
    CQYBaseComponent::GeometryUpdated(pRgn);
    if (m_lpCompPoints != nullptr && pRgn != nullptr)
        pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
}

// ---------------------------------------------------------------------------
// Archive record

namespace {

bool IsStorableCoordinate(LONG value)
{
    return value >= -CQYDrawComponent::kMaxStoredCoordinate && value <= CQYDrawComponent::kMaxStoredCoordinate;
}

} // namespace

void CQYDrawComponent::Serialize(CArchive& ar)
{
    // Nothing read inside the record may delete this object (CQYLoadingHold).
    const CQYLoadingHold hold(this);
    CQYBaseComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bOver4ResizeHandles;
        ar << static_cast<const RECT&>(m_rectPosition);
        m_listProperties.Serialize(ar);
        ar << m_pAttachedObject;
        ar << m_nCompPtCount;
        for (int i = 0; i < m_nCompPtCount; ++i)
            ar << m_lpCompPoints[i].x << m_lpCompPoints[i].y;
        return;
    }

    // Everything is read before anything is replaced, so a bad record leaves
    // the component whole and leaks nothing.
    BOOL bOver4ResizeHandles = FALSE;
    RECT rectPosition;
    ar >> bOver4ResizeHandles;
    ar >> rectPosition;

    CObList properties(1);
    CObject* pAttached = nullptr;
    std::vector<POINT> points;
    try {
        // The property list's record: a count, then each set as an object.
        const DWORD_PTR nProperties = ar.ReadCount();
        for (DWORD_PTR i = 0; i < nProperties; ++i) {
            CObject* pObject = ar.ReadOwnedObject(RUNTIME_CLASS(CQYBaseProperties), RUNTIME_CLASS(QYIUnknown));
            if (pObject == nullptr)
                AfxThrowArchiveException(CArchiveException::badClass);
            try {
                properties.AddTail(pObject);
            } catch (...) {
                ar.DeleteLoadedObject(pObject);
                throw;
            }
        }
        // Reference-counted objects have holders of their own: refused.
        pAttached = ar.ReadOwnedObject(nullptr, RUNTIME_CLASS(QYIUnknown));
        int nCount = 0;
        ar >> nCount;
        if (nCount < 0)
            AfxThrowArchiveException(CArchiveException::generic);
        ar.EnsureAvailable(static_cast<ULONGLONG>(nCount) * 8);
        points.resize(static_cast<size_t>(nCount));
        for (POINT& point : points) {
            ar >> point.x >> point.y;
            if (!IsStorableCoordinate(point.x) || !IsStorableCoordinate(point.y))
                AfxThrowArchiveException(CArchiveException::generic);
        }
    } catch (...) {
        // Deleted through the archive, so that no later reference reaches
        // them; an attached collection goes with the objects it loaded.
        while (!properties.IsEmpty())
            ar.DeleteLoadedObject(properties.RemoveHead());
        ar.DeleteLoadedObject(pAttached);
        throw;
    }

    m_bOver4ResizeHandles = bOver4ResizeHandles;
    m_rectPosition = rectPosition;
    RemoveAllProperties();
    ReleasePen();
    while (!properties.IsEmpty())
        m_listProperties.AddTail(properties.RemoveHead());
    DeleteAttachedObject();
    m_pAttachedObject = pAttached;
    AllocMemory(static_cast<int>(points.size()));
    if (!points.empty())
        std::memcpy(m_lpCompPoints, points.data(), sizeof(POINT) * points.size());
}

// ---------------------------------------------------------------------------
// Property sets

void CQYDrawComponent::RemoveAllProperties()
{
    QYNoteDrawingChange();
    DeleteListObjects(m_listProperties);
}

BOOL CQYDrawComponent::AddProperty(CQYBaseProperties* pProp)
{
    QYNoteDrawingChange();
    if (pProp == nullptr || FindProperty(pProp->GetPropId()) != nullptr)
        return FALSE;
    m_listProperties.AddTail(pProp->Copy());
    return TRUE;
}

BOOL CQYDrawComponent::RemoveProperty(int nId)
{
    QYNoteDrawingChange();
    for (POSITION pos = m_listProperties.GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        auto* pProp = static_cast<CQYBaseProperties*>(m_listProperties.GetNext(pos));
        if (pProp->GetPropId() == nId) {
            m_listProperties.RemoveAt(posThis);
            return TRUE;
        }
    }
    return FALSE;
}

CQYBaseProperties* CQYDrawComponent::FindProperty(int nId)
{
    for (POSITION pos = m_listProperties.GetHeadPosition(); pos != nullptr;) {
        auto* pProp = static_cast<CQYBaseProperties*>(m_listProperties.GetNext(pos));
        if (pProp->GetPropId() == nId)
            return pProp;
    }
    return nullptr;
}

CQYCompProperties* CQYDrawComponent::GetDefaultProperty()
{
    return DYNAMIC_DOWNCAST(CQYCompProperties, FindProperty(QY_COMP_PROP_ID));
}

void CQYDrawComponent::SetObjectName(LPCTSTR lpszName)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetObjectName(lpszName);
}

void CQYDrawComponent::SetObjectCaption(LPCTSTR lpszCaption)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetObjectCaption(lpszCaption);
}

CString CQYDrawComponent::GetObjectName()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    return pProp != nullptr ? pProp->m_strObjectName : CString();
}

CString CQYDrawComponent::GetObjectCaption()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    return pProp != nullptr ? pProp->m_strObjectCaption : CString();
}

CString CQYDrawComponent::GetFaceName()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    return pProp != nullptr ? pProp->m_strFaceName : CString();
}

// ---------------------------------------------------------------------------
// Input hooks: a plain component ignores input.

void CQYDrawComponent::OnChar(UINT, UINT, UINT) {}
void CQYDrawComponent::OnLButtonDown(UINT, CPoint) {}
void CQYDrawComponent::OnLButtonDblClk(UINT, CPoint) {}
void CQYDrawComponent::OnLButtonUp(UINT, CPoint) {}
void CQYDrawComponent::OnRButtonDown(UINT, CPoint) {}
void CQYDrawComponent::OnRButtonDblClk(UINT, CPoint) {}
void CQYDrawComponent::OnRButtonUp(UINT, CPoint) {}
void CQYDrawComponent::OnMouseMove(UINT, CPoint) {}
void CQYDrawComponent::OnKeyDown(UINT, UINT, UINT) {}
void CQYDrawComponent::OnKeyUp(UINT, UINT, UINT) {}
BOOL CQYDrawComponent::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}
void CQYDrawComponent::OnKillFocus(CWnd*) {}
void CQYDrawComponent::OnSetFocus(CWnd*) {}
void CQYDrawComponent::OnCancelMode() {}
