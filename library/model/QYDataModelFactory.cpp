// The data model's factory and unique names.
#include "library/model/QYCompProperties.h"
#include "library/model/QYCompTypeTable.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFactoryProduct.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const CString& TextOf(CQYDrawComponent* pComp, bool bNames)
{
    static const CString kNone;
    const CQYCompProperties* pProp = pComp->GetDefaultProperty();
    if (pProp == nullptr)
        return kNone;
    return bNames ? pProp->m_strObjectName : pProp->m_strObjectCaption;
}

BOOL IsTextUsed(CQYCompList& list, LPCTSTR lpszText, bool bNames)
{
    if (lpszText == nullptr)
        return FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        if (pComp != nullptr && std::strcmp(TextOf(pComp, bNames), lpszText) == 0)
            return TRUE;
    }
    return FALSE;
}

// A name pattern with one "%u" and no other directive, split around it.
struct NumberPattern {
    std::string strBefore;
    std::string strAfter;
};

std::optional<NumberPattern> SplitPattern(const CString& strPattern, bool bUpper)
{
    const std::string pattern(static_cast<LPCTSTR>(strPattern));
    const size_t nDirective = pattern.find('%');
    if (nDirective == std::string::npos || nDirective + 1 >= pattern.size() || pattern[nDirective + 1] != 'u' ||
        pattern.find('%', nDirective + 1) != std::string::npos)
        return std::nullopt;
    // Names are the upper-cased text; the number's digits do not change.
    CString strText(strPattern);
    if (bUpper)
        strText.MakeUpper();
    const std::string text(static_cast<LPCTSTR>(strText));
    return NumberPattern{text.substr(0, nDirective), text.substr(nDirective + 2)};
}

// The number a text was formatted with, when it is exactly the pattern
// around a decimal number as "%u" writes one (no sign, no leading zero);
// 0 otherwise, and for numbers above nLimit.
unsigned NumberIn(const CString& strText, const NumberPattern& pattern, unsigned nLimit)
{
    const size_t nLength = static_cast<size_t>(strText.GetLength());
    const size_t nFixed = pattern.strBefore.size() + pattern.strAfter.size();
    if (nLength <= nFixed || nLength - nFixed > 10)
        return 0;
    const char* pText = strText;
    if (std::memcmp(pText, pattern.strBefore.data(), pattern.strBefore.size()) != 0 ||
        std::memcmp(pText + nLength - pattern.strAfter.size(), pattern.strAfter.data(), pattern.strAfter.size()) != 0)
        return 0;
    const char* pDigits = pText + pattern.strBefore.size();
    const size_t nDigits = nLength - nFixed;
    if (pDigits[0] == '0')
        return 0;
    unsigned long long nValue = 0;
    for (size_t i = 0; i < nDigits; ++i) {
        if (pDigits[i] < '0' || pDigits[i] > '9')
            return 0;
        nValue = nValue * 10 + static_cast<unsigned>(pDigits[i] - '0');
    }
    return nValue <= nLimit ? static_cast<unsigned>(nValue) : 0;
}

// Which of the numbers 1 to count + 1 the page's texts already use with
// this pattern.  One of them is free, so the search never looks further.
std::vector<bool> UsedNumbers(CQYCompList& list, const NumberPattern& pattern, bool bNames)
{
    const unsigned nLimit = static_cast<unsigned>(list.GetCount()) + 1;
    std::vector<bool> used(static_cast<size_t>(nLimit) + 1, false);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        if (pComp == nullptr)
            continue;
        if (const unsigned n = NumberIn(TextOf(pComp, bNames), pattern, nLimit))
            used[n] = true;
    }
    return used;
}

} // namespace

CQYDrawComponent* CQYDataModel::GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD_PTR dwParam)
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
    return FirstFreeText(QYLoadCompNamePattern(nType), true);
}

CString CQYDataModel::GetUniqueCaption(int nType)
{
    return FirstFreeText(QYLoadCompNamePattern(nType), false);
}

CString CQYDataModel::FirstFreeText(const CString& strPattern, bool bNames)
{
    // One pass over the page marks the numbers its texts use; the virtual
    // test still has the last word on each number left, so a derived model
    // that counts more texts as used is heard.
    const std::optional<NumberPattern> pattern = SplitPattern(strPattern, bNames);
    const std::vector<bool> used =
        pattern.has_value() ? UsedNumbers(m_listComponents, *pattern, bNames) : std::vector<bool>();
    for (unsigned n = 1;; ++n) {
        if (n < used.size() && used[n])
            continue;
        CString strText;
        strText.Format(strPattern, n);
        if (bNames)
            strText.MakeUpper();
        if (!(bNames ? IsNameUsed(strText) : IsCaptionUsed(strText)))
            return strText;
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
