// The HTML rule as its description reads, for comparing the wizard's
// buffer with: bracket searches that walk back over every earlier line and
// ahead over every later one, and a buffer that applies the rule token by
// token with those searches and the editor's own look-ups. Header only: the
// HTML fuzz target compares with it too.
#pragma once

#include "tests/kilnsmith/documents/PlainBrackets.h"

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"

#include <algorithm>

// A token outside every tag is plain text by its length, a delimiter by its
// own; everything else is the editor's colouring.
class TokenByTokenBuffer : public SECEditTextBuffer {
public:
    int ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                   SECEditColorRuns *pRuns) override;
};

inline int TokenByTokenBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
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
