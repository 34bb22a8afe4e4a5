// One colour group of a language (plain text, comments, keywords...).
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

struct SECEditColorGroup {
    COLORREF m_crForeground = 0;
    COLORREF m_crBackground = 0xFFFFFF;
    BOOL m_bForeColorAutomatic = FALSE;
    BOOL m_bBackColorAutomatic = FALSE;
    WORD m_wId = 0;
    CString m_strDisplayName;
    BOOL m_bConfigurable = TRUE;
};
