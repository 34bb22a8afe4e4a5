// The names of pasted components: the page's names first, then each name
// given out.
#include "library/view/QYPasteNames.h"

#include "library/model/QYCompList.h"
#include "library/model/QYCompTypeTable.h"
#include "library/model/QYDrawComponent.h"

CQYPasteNames::CQYPasteNames(CQYCompList& listPage)
{
    m_taken.reserve(static_cast<size_t>(listPage.GetCount()) * 2);
    for (POSITION pos = listPage.GetHeadPosition(); pos != nullptr;)
        m_taken.insert(std::string(static_cast<LPCTSTR>(listPage.GetNext(pos)->GetObjectName())));
}

CString CQYPasteNames::Take(int nType)
{
    const CString strPattern = QYLoadCompNamePattern(nType);
    unsigned& nNext = m_next.try_emplace(std::string(static_cast<LPCTSTR>(strPattern)), 1u).first->second;
    for (;; ++nNext) {
        CString strName;
        strName.Format(strPattern, nNext);
        strName.MakeUpper();
        if (m_taken.insert(std::string(static_cast<LPCTSTR>(strName))).second) {
            ++nNext;
            return strName;
        }
    }
}
