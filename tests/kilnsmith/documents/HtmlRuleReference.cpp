#include "HtmlRuleReference.h"

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditLangConfig.h"

#include <algorithm>

int TokenByTokenBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                   WORD *pPending, SECEditColorRuns *pRuns)
{
    Lines lines;
    for (int l = 0; l < GetLineCount(); ++l) {
        CString holder;
        char *p = nullptr;
        const int length = GetLineText(l, holder, &p);
        lines.emplace_back(p ? p : "", p ? static_cast<size_t>(length) : 0u);
    }
    const int offset = static_cast<int>(token - lineText);
    if (tokenLength < 0 || !PlainOutside(lines, line, offset))
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    int length = tokenLength;
    if (length == 0) {
        if (!GetLangConfig()->IsInCharSet(static_cast<unsigned char>(*token), SECEDIT_DELIMITERS))
            return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
        length = 1;
    }
    *pPending = static_cast<WORD>(*pPending + length);
    return length;
}
