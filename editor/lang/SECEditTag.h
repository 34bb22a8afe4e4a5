// A tagged stretch of text such as a comment or a string literal: it opens
// with BeginTag and closes with EndTag (an empty EndTag runs to the end of
// the line).
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

class SECEditTag {
public:
    SECEditTag() = default;
    virtual ~SECEditTag() = default;

    CString m_strBeginTag;
    CString m_strEndTag;
    CString m_strEscapeChar;
    WORD m_wColorGroup = 0;
    BOOL m_bMultiLine = FALSE;
};
