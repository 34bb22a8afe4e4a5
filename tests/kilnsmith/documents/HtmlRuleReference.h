// The HTML rule as its description reads, for comparing the wizard's
// buffer with: bracket searches that walk back over every earlier line and
// ahead over every later one, and a buffer that applies the rule token by
// token with those searches and the editor's own look-ups.
#pragma once

#include "PlainBrackets.h"

#include "editor/text/SECEditTextBuffer.h"

// A token outside every tag is plain text by its length, a delimiter by its
// own; everything else is the editor's colouring.
class TokenByTokenBuffer : public SECEditTextBuffer {
public:
    int ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                   SECEditColorRuns *pRuns) override;
};
