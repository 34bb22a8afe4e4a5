// A component's tab order, kept in its default property set (0 when it has
// none).  Internal to the model's sources.
#pragma once

#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawComponent.h"

inline int QYTabOrderOf(CQYDrawComponent* pComp)
{
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    return pProp != nullptr ? pProp->m_nTabOrder : 0;
}

inline void QYSetTabOrderOf(CQYDrawComponent* pComp, int nOrder)
{
    if (CQYCompProperties* pProp = pComp->GetDefaultProperty())
        pProp->m_nTabOrder = nOrder;
}
