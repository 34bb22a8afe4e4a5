// The component's shortcuts to its default property set.
#include "library/model/QYDrawComponent.h"

namespace {

// The values a fresh default set holds, answered when a component has none.
const CQYCompProperties& FreshSet()
{
    static const CQYCompProperties s_fresh;
    return s_fresh;
}

} // namespace

void CQYDrawComponent::SetType(int nType)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetType(nType);
}

int CQYDrawComponent::GetType()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetType();
}

void CQYDrawComponent::SetBkColor(COLORREF crColor)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetBkColor(crColor);
}

COLORREF CQYDrawComponent::GetBkColor()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetBkColor();
}

COLORREF CQYDrawComponent::GetPatternColor()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetPatternColor();
}

void CQYDrawComponent::SetBrushType(int nBrushType)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetBrushType(nBrushType);
}

int CQYDrawComponent::GetBrushType()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetBrushType();
}

void CQYDrawComponent::SetLineWidth(int nWidth)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetLineWidth(nWidth);
}

void CQYDrawComponent::SetLineColor(COLORREF crColor)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetLineColor(crColor);
}

void CQYDrawComponent::SetNullPen(BOOL bNullPen)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetNullPen(bNullPen);
}

int CQYDrawComponent::GetShadowOffsetX()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetShadowOffsetX();
}

int CQYDrawComponent::GetShadowOffsetY()
{
    const CQYCompProperties* pProp = GetDefaultProperty();
    return (pProp != nullptr ? *pProp : FreshSet()).GetShadowOffsetY();
}
