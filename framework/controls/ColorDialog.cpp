// CColorDialog on QColorDialog.
#include "framework/controls/ColorDialog.h"

#include <QColor>
#include <QColorDialog>

namespace {

constexpr int kCustomColors = 16;

QColor ToQColor(COLORREF clr)
{
    return QColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

COLORREF FromQColor(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

COLORREF *CColorDialog::GetSavedCustomColors()
{
    static COLORREF saved[kCustomColors] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return saved;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.Flags = dwFlags;
    m_cc.rgbResult = clrInit;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
    m_cc.lpCustColors = GetSavedCustomColors();
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    HWND hOwner = CommonDialogs::Owner(m_pParentWnd ? m_pParentWnd : CWnd::FromHandle(m_cc.hwndOwner));
    if (m_cc.lpCustColors)
        for (int i = 0; i < kCustomColors; ++i)
            QColorDialog::setCustomColor(i, ToQColor(m_cc.lpCustColors[i]));
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    dialog.setCurrentColor((m_cc.Flags & CC_RGBINIT) ? ToQColor(m_cc.rgbResult) : QColor(0, 0, 0));
    bool accepted = CommonDialogs::Run(dialog, hOwner);
    if (!accepted)
        return IDCANCEL;
    m_cc.rgbResult = FromQColor(dialog.currentColor());
    if (m_cc.lpCustColors)
        for (int i = 0; i < kCustomColors; ++i)
            m_cc.lpCustColors[i] = FromQColor(QColorDialog::customColor(i));
    return IDOK;
}
