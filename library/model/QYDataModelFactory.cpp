// The data model's factory and unique names.
#include "library/model/QYCompProperties.h"
#include "library/model/QYCompTypeTable.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFactoryProduct.h"

#include <cstring>
#include <string>
#include <unordered_set>

namespace {

// The texts of one field of every component on the page, for the name
// search: one pass over the page instead of one per candidate.
std::unordered_set<std::string> CollectTexts(CQYCompList& list, bool bNames)
{
    std::unordered_set<std::string> texts;
    texts.reserve(static_cast<size_t>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        if (pComp == nullptr)
            continue;
        const CString strText = bNames ? pComp->GetObjectName() : pComp->GetObjectCaption();
        texts.insert(std::string(static_cast<LPCTSTR>(strText)));
    }
    return texts;
}

BOOL IsTextUsed(CQYCompList& list, LPCTSTR lpszText, bool bNames)
{
    if (lpszText == nullptr)
        return FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        if (pComp == nullptr)
            continue;
        const CString strText = bNames ? pComp->GetObjectName() : pComp->GetObjectCaption();
        if (std::strcmp(strText, lpszText) == 0)
            return TRUE;
    }
    return FALSE;
}

} // namespace

CQYDrawComponent* CQYDataModel::GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD dwParam)
{
    (void)dwParam; // for derived models' factories
    if (nType == QY_COMP_NONE)
        return nullptr;
    CRect rectDrop = QYDropRectForType(nType, rect);
    const QY_COMP_TYPE_INFO* pInfo = QYFindCompTypeInfo(nType);
    if (pInfo == nullptr || pInfo->lpszClassName == nullptr)
        return nullptr;
    // By run-time class name: the class lives in a library loaded next to
    // this one, and a class not loaded (yet) makes nothing.
    CRuntimeClass* pClass = CRuntimeClass::FromName(pInfo->lpszClassName);
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CQYDrawComponent)))
        return nullptr;
    auto* pComp = static_cast<CQYDrawComponent*>(pClass->CreateObject());
    if (pComp == nullptr)
        return nullptr;
    pComp->AddRef();
    pComp->Create(rectDrop, "");
    // The whole geometry (ports included) brought up to date from the
    // start, so that an edit and its undo give the record it had when made.
    pComp->UpdatePosition();
    pComp->ResetTrackPoints();
    pComp->UpdateComp();
    CQYFactoryProduct* pProduct = QYGetFactoryProduct(pComp);
    // A picture that cannot be read leaves the component without one; it is
    // still named and returned.
    if (nType == QY_COMP_IMAGE && pProduct != nullptr)
        pProduct->LoadImageFile(lpszFileName != nullptr ? lpszFileName : "");
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    const int nMadeType = pProp != nullptr ? pProp->GetType() : nType;
    const CString strCaption = GetUniqueCaption(nMadeType);
    const CString strName = GetUniqueName(nMadeType);
    pComp->SetObjectCaption(strCaption);
    pComp->SetObjectName(strName);
    if (nType == QY_COMP_STATIC && pProduct != nullptr)
        pProduct->AutoSize(nullptr);
    return pComp;
}

CQYFactoryProduct* QYGetFactoryProduct(CQYDrawComponent* pComp)
{
    return dynamic_cast<CQYFactoryProduct*>(pComp);
}

CString CQYDataModel::GetUniqueName(int nType)
{
    const CString strPattern = QYLoadCompNamePattern(nType);
    const std::unordered_set<std::string> used = CollectTexts(m_listComponents, true);
    for (unsigned n = 1;; ++n) {
        CString strName;
        strName.Format(strPattern, n);
        strName.MakeUpper();
        if (used.count(std::string(static_cast<LPCTSTR>(strName))) == 0 && !IsNameUsed(strName))
            return strName;
    }
}

CString CQYDataModel::GetUniqueCaption(int nType)
{
    const CString strPattern = QYLoadCompNamePattern(nType);
    const std::unordered_set<std::string> used = CollectTexts(m_listComponents, false);
    for (unsigned n = 1;; ++n) {
        CString strCaption;
        strCaption.Format(strPattern, n);
        if (used.count(std::string(static_cast<LPCTSTR>(strCaption))) == 0 && !IsCaptionUsed(strCaption))
            return strCaption;
    }
}

BOOL CQYDataModel::IsNameUsed(LPCTSTR lpszName)
{
    return IsTextUsed(m_listComponents, lpszName, true);
}

BOOL CQYDataModel::IsCaptionUsed(LPCTSTR lpszCaption)
{
    return IsTextUsed(m_listComponents, lpszCaption, false);
}
