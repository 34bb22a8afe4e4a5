#include "framework/appui/PrintInfo.h"

#include "framework/controls/PrintDialogs.h"

#include <algorithm>

// Printing into a file stays offered: it is how the built-in PDF printer
// is given its file.
CPrintInfo::CPrintInfo() : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    m_pPD->m_pd.nMinPage = 1;
    m_pPD->m_pd.nMaxPage = PLEXO_PRINT_PAGE_UNKNOWN;
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = PLEXO_PRINT_PAGE_UNKNOWN;
    m_strPageDesc = "Page %u\nPages %u-%u\n";
}

// The printer blocks belong to whoever put them into the record (the
// application or the view); the printing context belongs to the dialog.
CPrintInfo::~CPrintInfo()
{
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = static_cast<WORD>(std::min<UINT>(nMinPage, PLEXO_PRINT_PAGE_UNKNOWN));
}

void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = static_cast<WORD>(std::min<UINT>(nMaxPage, PLEXO_PRINT_PAGE_UNKNOWN));
}

UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}
