// The Font and Color Settings dialog: copies of a language's font and
// colour groups, edited through the group list, two colour well buttons,
// their "Automatic" check boxes and the font dialog, with a sample of the
// selected group drawn in the "Sample" frame.
#include "editor/langdialogs/SECEditFontColorDlg.h"

#include "editor/lang/SECEditLangConfig.h"

#include "framework/controls/DataExchange.h"
#include "framework/controls/FontDialog.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Pen.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

#include <cstdlib>
#include <cstring>

BEGIN_MESSAGE_MAP(SECEditFontColorDlg, CDialog)
ON_BN_CLICKED(SECEDIT_IDC_FORE_AUTO, OnAutomatic)
ON_BN_CLICKED(SECEDIT_IDC_BACK_AUTO, OnAutomatic)
ON_LBN_SELCHANGE(SECEDIT_IDC_GROUPS, OnGroupChanged)
ON_BN_CLICKED(SECEDIT_IDC_RESET_ALL, OnResetAll)
ON_BN_CLICKED(SECEDIT_IDC_CHOOSE_FONT, OnChooseFont)
ON_WM_PAINT()
ON_MESSAGE(WM_SECCOLORWELL_SELCHANGE, OnWellColor)
END_MESSAGE_MAP()

namespace {

// Fixed-pitch screen fonts that exist, without vertical faces.
const DWORD kFontDialogFlags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_FORCEFONTEXIST | CF_NOVERTFONTS;

int ScreenPixelsPerInchY()
{
    static int dpi = 0;
    if (dpi == 0) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dpi = dc.GetDeviceCaps(LOGPIXELSY);
        if (dpi <= 0)
            dpi = 96;
    }
    return dpi;
}

} // namespace

SECEditFontColorDlg::SECEditFontColorDlg(CWnd *pParentWnd)
    : CDialog(SECEDIT_IDD_FONTCOLOR, pParentWnd), m_dwFontDialogFlags(kFontDialogFlags)
{
}

SECEditFontColorDlg::~SECEditFontColorDlg()
{
    for (int i = 0; i < m_groups.GetSize(); ++i)
        delete m_groups[i];
    m_groups.RemoveAll();
    if (m_pConfig)
        m_pConfig->Release();
}

SECEditColorGroup *SECEditFontColorDlg::GetGroupCopy(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_groups.GetSize() ? m_groups[nIndex] : nullptr;
}

void SECEditFontColorDlg::FontFromConfig()
{
    CString face = m_pConfig->GetFontFace();
    std::memset(m_logFont.lfFaceName, 0, sizeof(m_logFont.lfFaceName));
    std::strncpy(m_logFont.lfFaceName, face, LF_FACESIZE - 1);
    m_logFont.lfHeight = -MulDiv(m_pConfig->GetFontSize(), ScreenPixelsPerInchY(), 72);
    m_logFont.lfItalic = static_cast<BYTE>(m_pConfig->GetItalic() ? 1 : 0);
    m_logFont.lfWeight = m_pConfig->GetBold() ? FW_BOLD : FW_NORMAL;
}

void SECEditFontColorDlg::CopyGroupsFromConfig(BOOL bAppend)
{
    int count = m_pConfig->GetColorGroupCount();
    for (int i = 0; i < count; ++i) {
        SECEditColorGroup *source = m_pConfig->GetColorGroup(i);
        if (!source)
            continue;
        if (bAppend)
            m_groups.Add(new SECEditColorGroup(*source));
        else if (i < m_groups.GetSize())
            *m_groups[i] = *source;
    }
}

void SECEditFontColorDlg::Prepare(SECEditLangConfig *pConfig, const LOGFONT &font)
{
    if (!pConfig || m_pConfig || m_groups.GetSize() > 0)
        return;
    m_pConfig = pConfig;
    m_pConfig->AddRef();
    m_logFont = font;
    FontFromConfig();
    CopyGroupsFromConfig(TRUE);
    m_pTextGroup = GetGroupCopy(m_pConfig->GetFixedGroupIndex(SECEDIT_GROUP_TEXT));
    m_pSelectionGroup = GetGroupCopy(m_pConfig->GetFixedGroupIndex(SECEDIT_GROUP_SELECTION));
}

void SECEditFontColorDlg::Apply(SECEditLangConfig *pConfig)
{
    if (!pConfig)
        return;
    pConfig->SetFontFace(m_logFont.lfFaceName);
    pConfig->SetFontSize(GetPointSize());
    pConfig->SetItalic(m_logFont.lfItalic != 0);
    pConfig->SetBold(m_logFont.lfWeight >= FW_BOLD);
    for (int i = 0; i < m_groups.GetSize(); ++i) {
        SECEditColorGroup *target = pConfig->GetColorGroup(i);
        if (target)
            *target = *m_groups[i];
    }
}

int SECEditFontColorDlg::GetPointSize() const
{
    return MulDiv(std::abs(m_logFont.lfHeight), 72, ScreenPixelsPerInchY());
}

// ---- The dialog

void SECEditFontColorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, SECEDIT_IDC_FORE_AUTO, m_foreAutomatic);
    DDX_Control(pDX, SECEDIT_IDC_BACK_AUTO, m_backAutomatic);
    DDX_Control(pDX, SECEDIT_IDC_RESET_ALL, m_resetAll);
    DDX_Control(pDX, SECEDIT_IDC_SAMPLE, m_sampleFrame);
    DDX_Control(pDX, SECEDIT_IDC_GROUPS, m_groupList);
    DDX_Control(pDX, SECEDIT_IDC_CHOOSE_FONT, m_chooseFont);
}

BOOL SECEditFontColorDlg::OnInitDialog()
{
    if (!m_pConfig)
        return FALSE;
    CDialog::OnInitDialog();
    for (int i = 0; i < m_groups.GetSize(); ++i) {
        if (!m_groups[i]->m_bConfigurable)
            continue;
        int item = m_groupList.AddString(m_groups[i]->m_strDisplayName);
        m_groupList.SetItemData(item, static_cast<DWORD_PTR>(i));
    }
    for (SECWellButton *well : {&m_foreWell, &m_backWell}) {
        well->SubclassButton(well == &m_foreWell ? SECEDIT_IDC_FORE_WELL : SECEDIT_IDC_BACK_WELL, this, 0);
        well->SetMoreColors(FALSE);
        well->SetUsePalette(FALSE);
    }
    if (m_groupList.GetCount() > 0)
        m_groupList.SetCurSel(0);
    UpdateColors(FALSE);
    ShowFont();
    return TRUE;
}

SECEditColorGroup *SECEditFontColorDlg::GetSelectedGroup() const
{
    if (!m_groupList.GetSafeHwnd())
        return nullptr;
    int item = m_groupList.GetCurSel();
    if (item < 0)
        return nullptr;
    return GetGroupCopy(static_cast<int>(m_groupList.GetItemData(item)));
}

void SECEditFontColorDlg::ColorsToControls(SECEditColorGroup *pGroup)
{
    m_foreWell.EnableWindow(!pGroup->m_bForeColorAutomatic);
    m_backWell.EnableWindow(!pGroup->m_bBackColorAutomatic);
    m_foreAutomatic.EnableWindow(TRUE);
    m_backAutomatic.EnableWindow(TRUE);
    if (!pGroup->m_bForeColorAutomatic && m_foreWell.GetColor() != pGroup->m_crForeground)
        m_foreWell.SetColor(pGroup->m_crForeground);
    if (!pGroup->m_bBackColorAutomatic && m_backWell.GetColor() != pGroup->m_crBackground)
        m_backWell.SetColor(pGroup->m_crBackground);
    m_crCurrentFore = pGroup->m_crForeground;
    m_crCurrentBack = pGroup->m_crBackground;
    m_foreAutomatic.SetCheck(pGroup->m_bForeColorAutomatic ? BST_CHECKED : BST_UNCHECKED);
    m_backAutomatic.SetCheck(pGroup->m_bBackColorAutomatic ? BST_CHECKED : BST_UNCHECKED);
}

void SECEditFontColorDlg::ResolveAutomaticColors(SECEditColorGroup *pGroup)
{
    SECEditColorGroup *text = m_pTextGroup, *selection = m_pSelectionGroup;
    if (!text)
        return;
    if (pGroup == text) {
        if (text->m_bForeColorAutomatic)
            text->m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
        if (text->m_bBackColorAutomatic)
            text->m_crBackground = GetSysColor(COLOR_WINDOW);
        // Every automatic colour follows the text; the selection swaps it.
        for (int i = 0; i < m_groups.GetSize(); ++i) {
            SECEditColorGroup *other = m_groups[i];
            if (other == text || other == selection)
                continue;
            if (other->m_bForeColorAutomatic)
                other->m_crForeground = text->m_crForeground;
            if (other->m_bBackColorAutomatic)
                other->m_crBackground = text->m_crBackground;
        }
        pGroup = selection;
        if (!pGroup)
            return;
    }
    bool swapped = pGroup == selection;
    if (pGroup->m_bForeColorAutomatic)
        pGroup->m_crForeground = swapped ? text->m_crBackground : text->m_crForeground;
    if (pGroup->m_bBackColorAutomatic)
        pGroup->m_crBackground = swapped ? text->m_crForeground : text->m_crBackground;
}

void SECEditFontColorDlg::UpdateColors(BOOL bToGroup)
{
    SECEditColorGroup *group = GetSelectedGroup();
    if (!group) {
        m_foreWell.EnableWindow(FALSE);
        m_backWell.EnableWindow(FALSE);
        m_foreAutomatic.EnableWindow(FALSE);
        m_backAutomatic.EnableWindow(FALSE);
        DrawSample();
        return;
    }
    if (bToGroup) {
        group->m_bForeColorAutomatic = m_foreAutomatic.GetCheck() == BST_CHECKED;
        group->m_bBackColorAutomatic = m_backAutomatic.GetCheck() == BST_CHECKED;
        if (!group->m_bForeColorAutomatic)
            group->m_crForeground = m_crCurrentFore;
        if (!group->m_bBackColorAutomatic)
            group->m_crBackground = m_crCurrentBack;
        ResolveAutomaticColors(group);
    }
    ColorsToControls(group);
    DrawSample();
}

void SECEditFontColorDlg::DrawSample()
{
    CWnd *frame = GetDlgItem(SECEDIT_IDC_SAMPLE);
    if (!frame)
        return;
    // The frame is a group box, which shows what lies under its inside: the
    // sample is drawn on the dialog, over the frame's client area.
    CRect rect;
    frame->GetClientRect(&rect);
    frame->MapWindowPoints(this, &rect);
    rect.DeflateRect(5, 15, 5, 5);
    SECEditColorGroup *group = GetSelectedGroup();
    COLORREF fore = group ? group->m_crForeground : RGB(0, 0, 0);
    COLORREF back = group ? group->m_crBackground : RGB(255, 255, 255);
    CDC *dc = GetDC();
    if (!dc)
        return;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush brush(back);
    CFont font;
    font.CreateFontIndirect(&m_logFont);
    CPen *oldPen = dc->SelectObject(&pen);
    CBrush *oldBrush = dc->SelectObject(&brush);
    CFont *oldFont = dc->SelectObject(&font);
    dc->Rectangle(&rect);
    dc->SetBkMode(TRANSPARENT);
    dc->SetBkColor(back);
    dc->SetTextColor(fore);
    CRect textRect = rect;
    textRect.DeflateRect(2, 2);
    dc->DrawText("AaBbCcXxYyZz", -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->SelectObject(oldFont);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    ReleaseDC(dc);
}

void SECEditFontColorDlg::ShowFont()
{
    SetDlgItemText(SECEDIT_IDC_FONT_FACE, m_logFont.lfFaceName);
    CString size;
    size.Format("%d pt", GetPointSize());
    SetDlgItemText(SECEDIT_IDC_FONT_SIZE, size);
}

// ---- Handlers

void SECEditFontColorDlg::OnAutomatic()
{
    UpdateColors(TRUE);
}

void SECEditFontColorDlg::OnGroupChanged()
{
    UpdateColors(FALSE);
    DrawSample();
}

void SECEditFontColorDlg::OnResetAll()
{
    if (!m_pConfig)
        return;
    FontFromConfig();
    CopyGroupsFromConfig(FALSE);
    if (m_groupList.GetCount() > 0)
        m_groupList.SetCurSel(0);
    UpdateColors(FALSE);
    ShowFont();
    DrawSample();
}

void SECEditFontColorDlg::OnChooseFont()
{
    // The font dialog's own template cannot be given to the platform's
    // dialog, so it runs without one.
    CFontDialog dialog(&m_logFont, m_dwFontDialogFlags, NULL, this);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetCurrentFont(&m_logFont);
    ShowFont();
    DrawSample();
}

void SECEditFontColorDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawSample();
}

LRESULT SECEditFontColorDlg::OnWellColor(WPARAM wParam, LPARAM lParam)
{
    COLORREF color = static_cast<COLORREF>(lParam);
    if (wParam == SECEDIT_IDC_FORE_WELL)
        m_crCurrentFore = color;
    else if (wParam == SECEDIT_IDC_BACK_WELL)
        m_crCurrentBack = color;
    UpdateColors(TRUE);
    return 0;
}
